// Windows that lie over other windows, seen and used as the player does: a one-time hint holds
// the screen and shows it, whichever window it came with, what the mouse rests on is the
// window drawn on top, and nothing under a modal window answers the mouse.
#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "engine/Translate.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class WindowsOverWindowsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    screen.StartGame();
    SIM_SIM::Instance().SetPhase(1);
    // The pictures compared are those of the windows, not of the pointer drawn over them.
    GUI_Cursor::Instance().SetHidden(true);
  }
  void TearDown() override {
    GUI_Cursor::Instance().SetHidden(false);
    GUI_JobSearch::Close();
    GUI_MovieChooser::Close();
    GUI_SocialActivityChooser::Close();
    PlayTest::TearDown();
  }
  void Frame() {
    GUI_Services::RecordedTexts().clear();
    NewFrame();
    screen.Update();
    engine.BeginRender();
    engine.FillRect(0, 0, 1024, 768, 0xFF000000u);
    screen.Draw();
    engine.EndScene();
  }
  // The pixels of a rectangle of the last frame.
  std::vector<uint32_t> Area(const GUI_Rect& r) {
    const std::vector<uint32_t> all = Screen();
    std::vector<uint32_t> area;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) area.push_back(all[static_cast<size_t>(y * 1024 + x)]);
    return area;
  }
  static long Brightness(const std::vector<uint32_t>& pixels) {
    long sum = 0;
    for (uint32_t p : pixels) sum += ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
    return sum;
  }
  // The mouse moved there and left to rest long enough for any tooltip.
  void RestMouseOn(int x, int y) {
    MoveMouse(x, y);
    GUI_Services::SetRestFramesForTesting(1000);
  }
  static GUI_Rect Centre(const GUI_Rect& r) {
    const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
    return GUI_Rect{x, y, x, y};
  }
  GUI_GUI& screen = GUI_GUI::Instance();
};

// The first solo chooser opens with its hint over it. The hint holds the screen: what lies
// under it is dimmed, the chooser's arrows do not light up under the mouse, and a click on
// them is refused. Once the hint is closed the chooser is bright and its arrows answer.
TEST_F(WindowsOverWindowsTest, TheFirstChoosersHintDimsItAndItsArrowsStayDarkUntilItIsClosed) {
  Frame();
  ClickOn(GUI_ControlPanel::Instance().SoloButton());
  GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  ASSERT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
  ASSERT_GE(chooser->Available().size(), 2u);
  const GUI_Rect arrow = chooser->NextArrow()->GetRect();
  const GUI_Rect arrowCentre = Centre(arrow);
  // The chooser's right half: clear of the hint at the top left.
  const GUI_Rect& c = chooser->GetRect();
  const GUI_Rect body{(c.left + c.right) / 2, c.top + 40, c.right - 50, c.bottom - 40};
  // Two frames: the first after a change may still be settling (a window's picture is kept
  // once it stays the same).
  auto arrowFace = [&](bool mouseOver) {
    RestMouseOn(mouseOver ? arrowCentre.left : 1000, mouseOver ? arrowCentre.top : 300);
    Frame();
    Frame();
    return Area(arrow);
  };

  const std::vector<uint32_t> heldAway = arrowFace(false);
  const long held = Brightness(Area(body));
  EXPECT_EQ(arrowFace(true), heldAway) << "the arrow lights up under a hint that refuses it";
  const SIM_SoloActivityType* shown = chooser->Current();
  const int buzzes = CountSound("data/sounds/error.ogg");
  ClickOn(chooser->NextArrow());
  EXPECT_EQ(chooser->Current(), shown);
  EXPECT_EQ(CountSound("data/sounds/error.ogg"), buzzes + 1);

  ClickOn(GUI_HintHelp::OpenHints().front()->Buttons().front());  // its close button
  ASSERT_FALSE(GUI_HintHelp::IsAnyOpen());
  const std::vector<uint32_t> freeAway = arrowFace(false);
  EXPECT_LT(held * 4, Brightness(Area(body)) * 3) << "the hint left the chooser undimmed";
  EXPECT_NE(arrowFace(true), freeAway);
  ClickOn(chooser->NextArrow());
  EXPECT_NE(chooser->Current(), shown);
}

// The social chooser opens over the career panel. Resting the mouse where both lie shows no
// career tooltip, whichever of the two was last brought forward in the window list, and a
// click there is the chooser's; the panel's tooltip shows once the chooser has gone.
TEST_F(WindowsOverWindowsTest, ATooltipAndAClickComeFromTheWindowDrawnOnTopUnderTheMouse) {
  GUI_Career* career = GUI_Career::Instance();
  ASSERT_NE(career->GetTooltip(), nullptr);
  const std::string tip = career->GetTooltip()->GetText();
  const GUI_Rect& p = career->GetRect();
  // A point of the panel's frame with none of its buttons.
  const int x = p.left + 100, y = p.top + 60;
  RestMouseOn(x, y);
  Frame();
  Frame();
  ASSERT_TRUE(Queued(tip)) << "the panel's own tooltip";

  Frame();
  ClickOn(GUI_ControlPanel::Instance().SocialButton());
  while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  ASSERT_TRUE(chooser->HitTest(static_cast<float>(x), static_cast<float>(y)));
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  for (bool panelForward : {false, true}) {
    SCOPED_TRACE(panelForward ? "the panel last in the list" : "the chooser last in the list");
    if (panelForward) manager.BringToFront(career);
    RestMouseOn(x, y);
    for (int i = 0; i < 3; ++i) Frame();  // a tooltip already up takes two frames to fade
    EXPECT_FALSE(Queued(tip));
  }
  Click(x, y);
  EXPECT_EQ(manager.Windows().back(), chooser);  // the chooser took the click to the front

  GUI_SocialActivityChooser::Close();
  RestMouseOn(x, y);
  Frame();
  EXPECT_TRUE(Queued(tip));
}

// The job search and the film chooser are made modal after their hint opened over them. The
// hint holds them all the same: a click on the window beside the hint is refused, and Escape
// closes the hint, not the window, which then answers again.
TEST_F(WindowsOverWindowsTest, AHintHoldsTheWindowItCameWithWhicheverWasMadeModalFirst) {
  SIM_NPC* guest = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) guest = npc;
  ASSERT_NE(guest, nullptr);
  SIM_SIM::Instance().SetActs(3, 0);
  const struct {
    const char* name;
    std::function<GUI_WindowBase*()> open;
  } windows[] = {
      {"job search",
       [] {
         GUI_JobSearch::Open();
         return static_cast<GUI_WindowBase*>(GUI_JobSearch::Instance());
       }},
      {"film chooser",
       [guest] {
         SIM_SocialiseInstance::StartEvening({guest}, SIM_SocialiseType::FindByName("cinema"),
                                             SIM_Vesk::Instance());
         return static_cast<GUI_WindowBase*>(GUI_MovieChooser::Instance());
       }},
  };
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  for (const auto& w : windows) {
    SCOPED_TRACE(w.name);
    std::filesystem::remove(user.Path() / "hints.txt");
    LoadHints();
    GUI_WindowBase* window = w.open();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
    const GUI_Rect hint = GUI_HintHelp::OpenHints().front()->GetRect();
    Frame();
    const GUI_ButtonBase* beside = nullptr;
    for (const GUI_ButtonBase* button : window->Buttons()) {
      const GUI_Rect& r = button->GetRect();
      const bool clear = r.left >= hint.right || r.right <= hint.left || r.top >= hint.bottom ||
                         r.bottom <= hint.top;
      if (button->IsVisible() && button->IsEnabled() && clear && !beside) beside = button;
    }
    ASSERT_NE(beside, nullptr);
    const int buzzes = CountSound("data/sounds/error.ogg");
    ClickOn(beside);
    EXPECT_EQ(CountSound("data/sounds/error.ogg"), buzzes + 1) << "the window under the hint took the click";
    Key(1);  // Escape
    EXPECT_FALSE(GUI_HintHelp::IsAnyOpen());
    ASSERT_TRUE(manager.Contains(window)) << "Escape closed the window under the hint";
    EXPECT_EQ(manager.TopModal(), window);
    ClickOn(beside);
    EXPECT_EQ(CountSound("data/sounds/error.ogg"), buzzes + 1);
    GUI_JobSearch::Close();
    GUI_MovieChooser::Close();
  }
}

// A message box over play: the contact icons under it neither light up nor sound when the
// mouse rests on one, and Return closes the box (Escape too), after which the icon answers.
TEST_F(WindowsOverWindowsTest, UnderAMessageBoxTheContactIconsStayStillAndReturnClosesTheBox) {
  GUI_NPCIcon* icon = nullptr;
  // A friend's icon, grey until the mouse is on it.
  for (GUI_NPCIcon* candidate : AllNPCIcons()) {
    const GUI_Rect c = Centre(candidate->GetRect());
    if (candidate->GetNPC() && candidate->GetNPC()->IsIntroduced() && !candidate->IsSelected() &&
        candidate->GetState() == GUI_NPCIcon::kFriend &&
        candidate->HitTest(static_cast<float>(c.left), static_cast<float>(c.top)))
      icon = candidate;
  }
  ASSERT_NE(icon, nullptr);
  const GUI_Rect at = Centre(icon->GetRect());
  RestMouseOn(1000, 300);
  Frame();
  const std::string away = icon->DrawnPicture();
  for (int key : {28, 1}) {
    SCOPED_TRACE(key);
    Screens().ShowMessage("A letter came.", "Post");
    ASSERT_NE(GUI_WindowManager::Instance().TopModal(), nullptr);
    RestMouseOn(at.left, at.top);
    const int sounds = CountSound("data/sounds/mouseover.ogg");
    Frame();
    Frame();
    EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), sounds);
    EXPECT_EQ(icon->DrawnPicture(), away);
    Key(key);
    EXPECT_EQ(GUI_WindowManager::Instance().TopModal(), nullptr) << "the box took no key";
    RestMouseOn(1000, 300);
    Frame();
  }
  RestMouseOn(at.left, at.top);
  Frame();
  EXPECT_NE(icon->DrawnPicture(), away);
}

}  // namespace
}  // namespace guitest
