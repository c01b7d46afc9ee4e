// The player's value bars on the main screen: the mind state's stack of attribute bars, the
// change pop-ups a paid activity leaves beside them, and the details an attribute's bar opens.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/GdiTextList.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ChangePopup.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_MindState.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_AttributeDetails.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"

using testsupport::WriteFile;

namespace guitest {
namespace {

// One paid activity that raises stress (bad), happiness (good) and a part of intelligence,
// which has no bar of its own: its change shows on intelligence's bar, a quarter of it.
const char* kPaidActivity =
    "#,paid,Paid label,Paid text,,0,default,0,0,10,-1,-1,1,1,1,1,1,1,1,0,"
    "\"stress,0.05,0.5\",\"happiness,0.04,0.9\",\"iq_logic,0.08,0.9\",#\n";

class IndicatorsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    checkShippedTexts = false;  // made-up attributes and activities have no texts
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    GUI_GUI::Instance().StartGame();
  }
  void TearDown() override {
    GUI_SoloActivityChooser::Close();
    PlayTest::TearDown();
  }
  // A whole frame of the in-game screen on the back buffer.
  void Frame() {
    GUI_Services::RecordedTexts().clear();
    engine.BeginRender();
    InGameFrame();
    engine.EndScene();
    FlushGdiText(-1);
  }
  GUI_MindState& Mind() { return *GUI_MindState::Instance(); }
  GUI_Indicator& Bar(const std::string& name) { return *Mind().FindIndicator(name); }
  static std::vector<SIM_Attribute*> Shown() {
    std::vector<SIM_Attribute*> shown;
    for (SIM_NamedValue* v : SIM_Vesk::Instance()->Attributes().Values())
      if (auto* a = dynamic_cast<SIM_Attribute*>(v); a && a->GetFlag1()) shown.push_back(a);
    return shown;
  }
  void PlayPaidActivity() {
    WriteFile(user.Path() / "solo.csv", kPaidActivity);
    SIM_SoloActivityType::Reload((user.Path() / "solo.csv").string());
    WriteFile(user.Path() / "hints.txt", "[hints]\nsolo_dialog = 1\n");
    LoadHints();
    SIM_Finances::Instance().SetCash(100);
    SIM_SIM::Instance().SetActs(1, 0);
    SIM_SIM::Instance().SetPhase(1);
    GUI_SoloActivityChooser::Open();
    InGameFrame();  // the start button is clickable once drawn
    ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
    ASSERT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 90.0f);
  }
  static std::string Percent(const std::string& name) {
    return FormatFixed(SIM_Attribute::Find(name)->GetValue() * 100.0, 0);
  }
  static double Luminance(double r, double g, double b) {
    auto linear = [](double v) {
      v /= 255.0;
      return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(r) + 0.7152 * linear(g) + 0.0722 * linear(b);
  }
  // The box's body, right of its number: clearly green (good) or red (bad).
  bool BoxLooks(const GUI_Rect& box, bool green) {
    const uint32_t p = Pixel(box.right - 8, (box.top + box.bottom) / 2);
    const int r = p >> 16 & 0xFF, g = p >> 8 & 0xFF, b = p & 0xFF;
    return green ? g > r + 25 && g > b + 15 : r > g + 40 && r > b + 40;
  }
};

TEST_F(IndicatorsTest, MindStateStacksOneBarPerShownAttributeOncePerGame) {
  const std::vector<SIM_Attribute*> shown = Shown();
  ASSERT_EQ(shown.size(), 11u);  // the attributes table marks eleven for display
  ASSERT_EQ(Mind().Indicators().size(), shown.size());
  const GUI_Rect& r = Mind().GetRect();
  const int h = 24 * 11 + 40;
  EXPECT_EQ((std::vector<int>{r.left, r.top, r.right, r.bottom}),
            (std::vector<int>{1024 - 130, 384 - h / 2, 1024 - 130 + 149, 384 - h / 2 + h}));
  int expectedTop = r.top + 10;
  for (size_t i = 0; i < shown.size(); ++i) {
    const GUI_Indicator& bar = *Mind().Indicators()[i];
    EXPECT_EQ(bar.GetName(), shown[i]->GetName());
    EXPECT_EQ(bar.GetRect().top, expectedTop) << i;
    EXPECT_EQ(bar.GetWidth(), 130);
    expectedTop += 24 + (i == 5 ? 20 : 0);  // a gap after the sixth
  }
  // The title and one label per bar, centred over the bar.
  EXPECT_EQ(Mind().GetTitle(), "You");
  ASSERT_EQ(Mind().Texts().Size(), 1 + shown.size());
  EXPECT_EQ(Mind().Texts().Item(1).text, "Happiness");
  EXPECT_EQ(Mind().FindIndicator("no_such_value"), nullptr);
  // The panels' text bracket draws them.
  std::vector<std::string> drawn;
  SetGdiTextDrawObserver([&](const std::string& text, int, int, int, int, int, int, int) {
    drawn.push_back(text);
  });
  engine.BeginRender();
  BeginGdiDrawing();
  GUI_MindState::DrawTexts();
  EndGdiDrawing();
  SetGdiTextDrawObserver(nullptr);
  ASSERT_EQ(drawn.size(), 1 + shown.size());
  EXPECT_EQ(drawn.front(), "You");
  EXPECT_EQ(drawn.back(), "Culture");

  // A loaded game sets it up again: still one mind state, bars for the new attributes.
  GUI_GUI::Instance().StartGame();
  int mindStates = 0;
  for (GUI_WindowBase* w : GUI_WindowManager::Instance().Windows())
    mindStates += dynamic_cast<GUI_MindState*>(w) != nullptr;
  EXPECT_EQ(mindStates, 1);
  EXPECT_EQ(Mind().Indicators().size(), shown.size());
}

TEST_F(IndicatorsTest, HoveringABarNamesTheValueBesideIt) {
  GUI_Services::SetRestFramesForTesting(100);
  const auto hover = [&](const GUI_Indicator& bar, bool taken) {
    GUI_Services::SetMouseForTesting(bar.GetRect().left + 60.0f, bar.GetRect().top + 10.0f, false);
    GUI_Services::BeginInputFrame();
    if (taken) GUI_Services::SetMouseTaken();
    Mind().Update();
  };
  GUI_Indicator& iq = Bar("iq");
  hover(iq, false);
  EXPECT_EQ(iq.GetTooltip()->GetText(), "Intelligence ( " + Percent("iq") + "%)");
  EXPECT_GT(iq.GetTooltip()->GetFade(), 0.0f);
  EXPECT_EQ(iq.GetTooltip()->GetRect().left, iq.GetRect().left - 40);
  // A window above that has the mouse keeps the tooltip away.
  GUI_Indicator& stress = Bar("stress");
  const std::string before = stress.GetTooltip()->GetText();
  hover(stress, true);
  EXPECT_EQ(stress.GetTooltip()->GetText(), before);
}

TEST_F(IndicatorsTest, PaidActivityPopsEachChangeLeftOfItsBarGreenOrRedAndFadesIn4500Ms) {
  ManualTimerClock clock;
  // A skills-window bar of the same name is no attribute's bar: the change skips it.
  auto skillBar =
      GUI_Indicator::Create(SIM_Vesk::Instance()->Attributes(), "stress", 0, 0, 130, 24);
  EXPECT_EQ(skillBar->GetTooltip()->GetText(), "Stress");
  PlayPaidActivity();
  EXPECT_FALSE(skillBar->GetChangePopup().IsActive());

  struct Expected {
    const char* name;
    const char* text;
    bool good;
  };
  // Stress rising is bad; happiness rising is good; intelligence gets a quarter of its part's
  // rise. Tiredness of the slot may change too, so only these are checked by value.
  for (const Expected& e : {Expected{"stress", "+5", false}, Expected{"happiness", "+4", true},
                            Expected{"iq", "+2", true}}) {
    GUI_ChangePopup& popup = Bar(e.name).GetChangePopup();
    ASSERT_TRUE(popup.IsActive()) << e.name;
    EXPECT_EQ(popup.GetText(), e.text) << e.name;
    EXPECT_EQ(popup.IsGood(), e.good) << e.name;
    const GUI_Rect& bar = Bar(e.name).GetRect();
    EXPECT_EQ(popup.GetBox().right, bar.left) << e.name;
    EXPECT_EQ(popup.GetBox().left, bar.left - 45) << e.name;
    EXPECT_EQ((popup.GetBox().top + popup.GetBox().bottom) / 2, (bar.top + bar.bottom) / 2);
  }
  // Bars the activity left alone show nothing.
  EXPECT_FALSE(Bar("fitness").GetChangePopup().IsActive());

  clock.Advance(2000);
  // The numbers are drawn white over the box and must read against it (the usual 4.5 : 1
  // contrast of relative luminances, taken over what lies under each number).
  GUI_Services::SetMeasurer(nullptr, nullptr);  // the real font, so the box is where it draws
  std::vector<std::pair<std::string, double>> contrasts;
  SetGdiTextDrawObserver([&](const std::string& text, int left, int top, int width, int height,
                             int r, int g, int b) {
    if (text != "+4" && text != "+5") return;
    const std::vector<uint32_t> screen = Screen();
    double sum[3] = {0, 0, 0};
    int n = 0;
    for (int y = top; y < top + height; ++y)
      for (int x = left; x < left + width; ++x, ++n)
        for (int c = 0; c < 3; ++c)
          sum[c] += screen[static_cast<size_t>(y * 1024 + x)] >> (16 - 8 * c) & 0xFF;
    const double fore = Luminance(r, g, b), back = Luminance(sum[0] / n, sum[1] / n, sum[2] / n);
    contrasts.emplace_back(text, (std::max(fore, back) + 0.05) / (std::min(fore, back) + 0.05));
  });
  Frame();
  SetGdiTextDrawObserver(nullptr);
  ASSERT_EQ(contrasts.size(), 2u);
  for (const auto& [text, ratio] : contrasts) EXPECT_GE(ratio, 4.5) << text;
  EXPECT_TRUE(BoxLooks(Bar("happiness").GetChangePopup().GetBox(), true));
  EXPECT_TRUE(BoxLooks(Bar("stress").GetChangePopup().GetBox(), false));
  EXPECT_NE(FindText("+4"), nullptr);
  EXPECT_NE(FindText("+5"), nullptr);

  clock.Advance(2400);  // 4.4 s: fading out, still there
  Frame();
  EXPECT_TRUE(Bar("stress").GetChangePopup().IsActive());
  clock.Advance(100);  // 4.5 s: gone
  Frame();
  EXPECT_FALSE(Bar("stress").GetChangePopup().IsActive());
  EXPECT_EQ(FindText("+5"), nullptr);
}

TEST_F(IndicatorsTest, ABarTellsTheChangeItMadeAndNothingWhenItDidNotMove) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  auto* stress = dynamic_cast<SIM_Attribute*>(player->Attributes().Find("stress"));
  ASSERT_NE(stress, nullptr);
  GUI_ChangePopup& popup = Bar("stress").GetChangePopup();
  const struct {
    float base, change;
    const char* shown;  // null: no pop-up
  } cases[] = {
      {0.97f, 0.05f, "+3"},    // stopped at the top after 0.03
      {1.0f, 0.05f, nullptr},  // at the top already: the bar did not move
      {0.0f, -0.05f, nullptr}, // at the bottom already
      {0.5f, 0.004f, nullptr}, // under a hundredth: it would read "+0"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.base);
    popup = GUI_ChangePopup();
    float effects = 0.0f;
    for (const SIM_Effect* e : stress->GetEffects()) effects += e->GetAmount();
    stress->SetBase(c.base - effects);
    player->ModifyValue("stress", c.change, 0.5f, "test");
    EXPECT_EQ(popup.IsActive(), c.shown != nullptr);
    if (c.shown) {
      EXPECT_EQ(popup.GetText(), c.shown);
    }
  }
}

TEST(ChangePopupTest, TextColourAndFadeFollowTheChange) {
  EXPECT_EQ(GUI_ChangePopup::TextFor(0.034f), "+3");
  EXPECT_EQ(GUI_ChangePopup::TextFor(-0.02f), "-2");
  EXPECT_EQ(GUI_ChangePopup::TextFor(0.29f), "+29");  // not 28 from 28.99999...
  EXPECT_EQ(GUI_ChangePopup::TextFor(-0.29f), "-29");

  ManualTimerClock clock;
  GUI_ChangePopup popup;
  popup.Show(-0.05f, 300, 100, false);  // a fall of a value whose rise is bad: good
  EXPECT_TRUE(popup.IsGood());
  EXPECT_EQ(popup.GetConnector().left, 296);  // from inside the box to just over the bar
  EXPECT_EQ(popup.GetConnector().right, 303);
  popup.Show(-0.05f, 300, 100, true);
  EXPECT_FALSE(popup.IsGood());

  EXPECT_FLOAT_EQ(GUI_ChangePopup::AlphaAt(0), 0.0f);
  EXPECT_FLOAT_EQ(GUI_ChangePopup::AlphaAt(250), 0.5f);
  EXPECT_FLOAT_EQ(GUI_ChangePopup::AlphaAt(2000), 0.85f);  // never fully opaque
  EXPECT_FLOAT_EQ(GUI_ChangePopup::AlphaAt(4250), 0.5f);
  EXPECT_FLOAT_EQ(GUI_ChangePopup::AlphaAt(4500), 0.0f);
}

TEST_F(IndicatorsTest, ClickingIntelligenceOpensItsDetailsWithItsPartsBesideItsBar) {
  Frame();
  GUI_Services::RecordedSounds().clear();
  ClickOn(&Bar("iq"));
  GUI_AttributeDetails* details = GUI_AttributeDetails::Instance();
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->GetAttributeName(), "iq");
  EXPECT_EQ(CountSound("data/sounds/click.ogg"), 1);
  const std::string description = Translate("ATTR_IQ_DESC");
  const int measured = GUI_Services::MeasureHeight("tahoma", 14, description, 210);
  EXPECT_EQ(details->GetHeight(), measured + 49 + 64);
  EXPECT_EQ(details->GetWidth(), 230);
  // Left of the bar, leaving the bar's change pop-up in view.
  EXPECT_EQ(details->GetRect().right, Bar("iq").GetRect().left - 52);

  Frame();
  EXPECT_NE(FindText("Intelligence (" + Percent("iq") + "%)"), nullptr);
  const GUI_Services::TextItem* text = FindText(description);
  ASSERT_NE(text, nullptr);
  EXPECT_EQ(text->wrapWidth, 210);
  const std::vector<std::string> parts = {"Reasoning", "Logic", "General knowledge",
                                          "Problem solving"};
  for (size_t i = 0; i < parts.size(); ++i) {
    // A name too long for the room before its bar is cut.
    const GUI_Services::TextItem* row = FindText(
        FitTextToWidth("tahoma", 14, parts[i], GUI_AttributeDetails::RowNameWidth()));
    ASSERT_NE(row, nullptr) << parts[i];
    EXPECT_LE(GUI_Services::MeasureWidth("tahoma", 14, row->text),
              GUI_AttributeDetails::RowNameWidth());  // never into its bar
    EXPECT_EQ(static_cast<int>(row->x), details->GetRect().left + 20);
    EXPECT_EQ(static_cast<int>(row->y), details->GetRect().bottom - 25 - 16 * static_cast<int>(i));
  }

  // Culture replaces it, with three parts and 48 px for them; a click on it closes it.
  ClickOn(&Bar("culture"));
  details = GUI_AttributeDetails::Instance();
  ASSERT_NE(details, nullptr);
  EXPECT_EQ(details->SubAttributes().size(), 3u);
  const std::string culture = Translate("ATTR_CULTURE_DESC");
  EXPECT_EQ(details->GetHeight(),
            GUI_Services::MeasureHeight("tahoma", 14, culture, 210) + 49 + 48);
  int open = 0;
  for (GUI_WindowBase* w : GUI_WindowManager::Instance().Windows())
    open += dynamic_cast<GUI_AttributeDetails*>(w) != nullptr;
  EXPECT_EQ(open, 1);
  ClickOn(details);
  EXPECT_EQ(GUI_AttributeDetails::Instance(), nullptr);
}

}  // namespace
}  // namespace guitest
