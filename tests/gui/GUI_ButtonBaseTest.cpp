// Buttons: the first-taker rule, the click sound, the tutorial notice, disabled faces, tooltips
// and the check box's own click area.
#include "gui/GUI_ButtonBase.h"

#include <algorithm>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "gui/GUIButtonList.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_DataButton.h"
#include "gui/GUI_HelpButton.h"
#include "gui/GUI_HelpWindow.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MultiIconButton.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GuiFixture.h"

namespace {

using guitest::GuiTest;

int g_clicks[3];
void Count(void* arg) { ++g_clicks[reinterpret_cast<intptr_t>(arg)]; }

class ButtonTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    std::fill(std::begin(g_clicks), std::end(g_clicks), 0);
    ClearTracedCalls();
  }
  static int Traced(const std::string& name) {
    return static_cast<int>(std::count(TracedCalls().begin(), TracedCalls().end(), name));
  }
};

TEST_F(ButtonTest, FirstButtonAddedTakesAnOverlappingClickAlone) {
  GUIButtonList list;
  auto* first = new GUI_ButtonText("one", Count, reinterpret_cast<void*>(0));
  auto* second = new GUI_ButtonText("two", Count, reinterpret_cast<void*>(1));
  first->SetRect(10, 10, 110, 40);
  second->SetRect(50, 20, 150, 50);
  list.AddButton(first);
  list.AddButton(second);

  MoveMouse(60, 30);  // inside both
  EXPECT_TRUE(list.ClickButtons());
  EXPECT_EQ(g_clicks[0], 1);
  EXPECT_EQ(g_clicks[1], 0);
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 1);

  MoveMouse(140, 45);  // only the second
  EXPECT_TRUE(list.ClickButtons());
  EXPECT_EQ(g_clicks[1], 1);

  MoveMouse(500, 500);
  EXPECT_FALSE(list.ClickButtons());
}

TEST_F(ButtonTest, NullButtonIsReportedAndKeptOutOfTheList) {
  GUIButtonList list;
  list.AddButton(nullptr);
  EXPECT_EQ(assertions.size(), 1u);
  EXPECT_TRUE(list.Buttons().empty());
  list.Update();
  list.DrawButtons();
  EXPECT_FALSE(list.ClickButtons());
}

TEST_F(ButtonTest, ButtonWithoutCallbackTakesTheClickButPlaysNoSound) {
  GUI_ButtonText button("quiet", nullptr, nullptr);
  button.SetRect(0, 0, 100, 30);
  EXPECT_TRUE(button.OnClick(10, 10));
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 0);
}

TEST_F(ButtonTest, WhileTheTutorialRunsOnlyItsAllowedButtonsTakeClicks) {
  GUI_ButtonText button("gated", Count, reinterpret_cast<void*>(0));
  button.SetRect(0, 0, 100, 30);
  GUI_Tutorial::SetActive(true);  // with nothing allowed
  EXPECT_FALSE(button.OnClick(10, 10));
  GUI_Tutorial::SetActive(false);
  EXPECT_TRUE(button.OnClick(10, 10));
}

TEST_F(ButtonTest, DisabledTextButtonIsDimTakesNoHoverAndNoClick) {
  GUI_ButtonText button("Disabled", Count, reinterpret_cast<void*>(0));
  button.SetRect(0, 0, 100, 30);
  button.SetEnabled(false);
  button.SetDisabledReason("Not now");
  MoveMouse(10, 10);
  NewFrame();
  button.UpdateHover();
  EXPECT_EQ(button.GetHover(), 0);
  EXPECT_FALSE(button.OnClick(10, 10));
  EXPECT_EQ(g_clicks[0], 0);
  button.Draw();
  const auto* label = FindText("Disabled");
  ASSERT_NE(label, nullptr);
  // Dimmer than an enabled label, yet kept light: the contrast test reads it on the windows.
  EXPECT_LT(label->r, 255);
  EXPECT_GE(label->r, 180);
  EXPECT_EQ(label->align, 1);
  EXPECT_EQ(label->wrapWidth, 100);
  EXPECT_FLOAT_EQ(label->y, 15 - 8);

  button.SetEnabled(true);
  button.UpdateHover();
  EXPECT_EQ(button.GetHover(), 1);
}

TEST_F(ButtonTest, AReasonShowsOnlyWhileDisabledAndNeverAsAnEmptyTooltip) {
  GUI_ButtonText plain("p", nullptr, nullptr);  // no tooltip of its own
  plain.SetDisabledReason("Not today");
  GUI_ButtonText tipped("t", nullptr, nullptr);
  tipped.SetTooltip("Go", 0);
  tipped.SetDisabledReason("Not today");
  const struct {
    GUI_ButtonText* button;
    bool enabled;
    const char* shown;  // "" for no tooltip
  } cases[] = {{&plain, false, "Not today"}, {&plain, true, ""},
               {&tipped, false, "Not today"}, {&tipped, true, "Go"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.button->GetText() + (c.enabled ? " enabled" : " disabled"));
    c.button->SetEnabled(c.enabled);
    ASSERT_NE(c.button->GetTooltip(), nullptr);
    EXPECT_EQ(c.button->GetTooltip()->GetText(), c.shown);
    const size_t before = GUI_Tooltip::QueuedCount();
    c.button->Draw();
    EXPECT_EQ(GUI_Tooltip::QueuedCount(), before + (*c.shown ? 1u : 0u));
    DrawTooltips();  // empties the queue
  }
}

TEST_F(ButtonTest, HoverIsHiddenWhenAWindowAboveTookTheMouse) {
  GUI_ButtonText button("b", nullptr, nullptr);
  button.SetRect(0, 0, 100, 30);
  MoveMouse(10, 10);
  NewFrame();
  GUI_Services::SetMouseTaken();
  button.UpdateHover();
  EXPECT_EQ(button.GetHover(), 0);
}

// The picture buttons show their highlight while the mouse is over them: a disabled button
// (whose hover state stays as it was) too, and not a hover left over from a frame whose window
// has since stopped updating.
TEST_F(ButtonTest, PictureButtonsHighlightWhileTheMouseIsOverThem) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  GUI_IconButton icon("button_nextday.dds", nullptr, nullptr);
  icon.SetHighlightTexture("button_nextday_h.dds");
  GUI_MultiIconButton multi("button_solo.dds", "up.dds", nullptr, nullptr);
  multi.SetHoverIcon("down.dds");
  for (GUI_IconButton* button : {&icon, static_cast<GUI_IconButton*>(&multi)}) {
    button->SetRect(100, 100, 160, 160);
    auto face = [&](int mouse) {
      GUI_Services::SetMouseForTesting(static_cast<float>(mouse), static_cast<float>(mouse), false);
      engine.BeginRender();
      engine.FillRect(0, 0, 1024, 768, 0xFF000000u);
      button->Draw();
      engine.EndScene();
      const std::vector<uint32_t> screen = Screen();
      std::vector<uint32_t> square;
      for (int y = 95; y < 165; ++y)
        for (int x = 95; x < 165; ++x) square.push_back(screen[static_cast<size_t>(y * 1024 + x)]);
      return square;
    };
    const std::vector<uint32_t> normal = face(10);
    GUI_Services::SetMouseForTesting(130, 130, false);
    button->UpdateHover();
    ASSERT_EQ(button->GetHover(), 1);
    const std::vector<uint32_t> lit = face(130);
    ASSERT_NE(lit, normal);
    EXPECT_EQ(face(10), normal);  // the mouse has left; no update has cleared the hover yet
    button->SetHover(0);
    button->SetEnabled(false);
    EXPECT_NE(face(130), face(10));  // disabled, never hovered, yet lit under the mouse
    button->SetEnabled(true);
  }
}

TEST_F(ButtonTest, LabelIsCutAt63Characters) {
  GUI_ButtonText button(std::string(80, 'x'), nullptr, nullptr);
  EXPECT_EQ(button.GetText().size(), 63u);
  button.SetText(std::string(70, 'y'));
  EXPECT_EQ(button.GetText(), std::string(63, 'y'));
}

TEST_F(ButtonTest, KeyedTooltipAlwaysWaitsSixtyFrames) {
  GUI_ButtonText button("b", nullptr, nullptr);
  button.SetTooltipKey("SOME_TOOLTIP", 30);
  ASSERT_NE(button.GetTooltip(), nullptr);
  EXPECT_EQ(button.GetTooltip()->GetDelay(), 60);
  EXPECT_EQ(button.GetTooltip()->GetText(), "SOME_TOOLTIP");  // a missing key gives the key
}

TEST_F(ButtonTest, CheckBoxTakesClicksOnTheBoxOnly) {
  GUIButtonList list;
  auto* check = new GUI_CheckButton("Full screen", Count, reinterpret_cast<void*>(0));
  check->SetRect(100, 100, 400, 126);
  auto* behind = new GUI_ButtonText("behind", Count, reinterpret_cast<void*>(1));
  behind->SetRect(100, 100, 400, 126);
  list.AddButton(check);
  list.AddButton(behind);

  MoveMouse(200, 110);  // on the label
  EXPECT_TRUE(list.ClickButtons());
  EXPECT_FALSE(check->IsChecked());
  EXPECT_EQ(g_clicks[1], 1);  // the button behind took it

  MoveMouse(110, 110);  // on the box
  EXPECT_TRUE(list.ClickButtons());
  EXPECT_TRUE(check->IsChecked());
  EXPECT_EQ(g_clicks[0], 1);
  check->Draw();
  const auto* label = FindText("Full screen");
  ASSERT_NE(label, nullptr);
  EXPECT_TRUE(label->immediate);
  EXPECT_EQ(label->size, 18);
  EXPECT_FLOAT_EQ(label->x, 139);
}

TEST_F(ButtonTest, HiddenOrDisabledCheckBoxLetsTheClickThroughUnchanged) {
  // A hidden filter box lying over a shown button (the job search's apply button) must
  // neither toggle nor swallow the click.
  GUIButtonList list;
  auto* check = new GUI_CheckButton("Hide", Count, reinterpret_cast<void*>(0));
  check->SetRect(100, 100, 250, 126);
  auto* behind = new GUI_ButtonText("apply", Count, reinterpret_cast<void*>(1));
  behind->SetRect(100, 100, 400, 126);
  list.AddButton(check);
  list.AddButton(behind);
  MoveMouse(110, 110);  // on the box

  check->SetVisible(false);
  EXPECT_TRUE(list.ClickButtons());
  EXPECT_EQ(g_clicks[1], 1);
  EXPECT_FALSE(check->OnClick(110, 110));

  check->SetVisible(true);
  check->SetEnabled(false);
  behind->SetEnabled(false);
  EXPECT_FALSE(list.ClickButtons());
  EXPECT_FALSE(check->IsChecked());
  EXPECT_EQ(g_clicks[0], 0);

  // A hidden plain button is skipped the same way.
  behind->SetEnabled(true);
  behind->SetVisible(false);
  check->SetEnabled(true);
  MoveMouse(300, 110);
  EXPECT_FALSE(list.ClickButtons());
  EXPECT_EQ(g_clicks[1], 1);
}

TEST_F(ButtonTest, DataButtonHandsItsDataAndHelpButtonOpensHelp) {
  GUI_DataButton data("icon.dds", Count, reinterpret_cast<void*>(2));
  data.SetRect(0, 0, 20, 20);
  data.SetEnabled(false);  // data buttons have no enabled test
  EXPECT_TRUE(data.OnClick(5, 5));
  EXPECT_EQ(g_clicks[2], 1);
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 1);

  GUI_HelpButton help("HELP_JOBSEARCH");
  help.SetRect(100, 100, 124, 124);
  EXPECT_TRUE(help.OnClick(110, 110));
  ASSERT_NE(GUI_HelpWindow::Current(), nullptr);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetText(), std::string(Translate("HELP_JOBSEARCH")));
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 1);  // no sound of its own
}

}  // namespace
