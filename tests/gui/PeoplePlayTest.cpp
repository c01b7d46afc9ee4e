// The people windows through input events only: from the main menu into a new game, the
// friends on their arc, a friend's window by double and right click, the acquaintances of a
// selected friend, a friend dragged onto the social chooser and the evening that follows, the
// social standing screen and the keys it gives back, the skills panel and the two watchers.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "engine/Timer.h"
#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowManager.h"
#include "gui/GUI_Tutorial.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_DebugWatchers.h"
#include "gui/windows/GUI_DragIcon.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kRight = 205, kB = 48, kM = 50;

class PeoplePlayTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
    if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
    KeyUp(kB);
    KeyUp(kM);
    PlayTest::TearDown();
  }
  // A frame whose picture stays in the back buffer to be read.
  void DrawWithoutPresent() {
    clock.Advance(16);
    D3DEngine::Instance().BeginRender();
    CInput::Instance().Update();
    GUI_GUI::Instance().Update();
    GUI_GUI::Instance().Draw();
    D3DEngine::Instance().EndScene();
    FlushGdiText(-1);
  }
  void KeyDown(int scanCode) { Key(scanCode); }
  void KeyUp(int scanCode) {
    plat::Event e;
    e.type = plat::EventType::KeyUp;
    e.key = scanCode;
    CInput::Instance().QueueEvent(e);
    CInput::Instance().Update();
  }
  // The friends' icons from the top of the arc down.
  static std::vector<GUI_NPCIcon*> FriendIcons() {
    std::vector<GUI_NPCIcon*> icons;
    for (GUI_NPCIcon* icon : AllNPCIcons())
      if (icon->IsShown() && icon->GetState() == GUI_NPCIcon::kFriend) icons.push_back(icon);
    std::sort(icons.begin(), icons.end(), [](const GUI_NPCIcon* a, const GUI_NPCIcon* b) {
      return a->GetCentreY() < b->GetCentreY();
    });
    return icons;
  }
  static int X(const GUI_NPCIcon* icon) { return static_cast<int>(icon->GetCentreX()); }
  static int Y(const GUI_NPCIcon* icon) { return static_cast<int>(icon->GetCentreY()); }
  // A press and release far from any earlier one in time, so it is a single click.
  void SingleClick(int x, int y) {
    clock.Advance(600);
    Click(x, y);
  }
  void DoubleClick(int x, int y) {
    clock.Advance(600);
    Click(x, y);
    clock.Advance(100);
    Click(x, y);
  }
  size_t NPCWindowsOf(const SIM_Person* person) const {
    return static_cast<size_t>(std::count_if(GUI_NPC::All().begin(), GUI_NPC::All().end(),
                                             [person](GUI_NPC* w) { return w->GetPerson() == person; }));
  }

};

TEST_F(PeoplePlayTest, TheTutorialsContactsStepAsksForTheClickThatOpensAFace) {
  GUI_Tutorial::Load();
  std::string said;
  for (const TutorialStep& step : GUI_Tutorial::Steps())
    if (step.commands.find("HIGHLIGHT_NPCICONS") != std::string::npos) said = Translate(step.body.c_str());
  GUI_Tutorial::End();
  ASSERT_FALSE(said.empty());
  StartGame();
  Frame();
  std::vector<GUI_NPCIcon*> icons = FriendIcons();
  ASSERT_FALSE(icons.empty());
  GUI_NPCIcon* face = icons.front();
  // One click only selects: a step that said "click a face" would leave the player waiting.
  SingleClick(X(face), Y(face));
  Frame();
  EXPECT_EQ(GUI_NPC::FindFor(face->GetNPC()), nullptr);
  EXPECT_NE(said.find("Double-click a face"), std::string::npos) << said;
  DoubleClick(X(face), Y(face));
  EXPECT_NE(GUI_NPC::FindFor(face->GetNPC()), nullptr);
}

TEST_F(PeoplePlayTest, FriendsWindowsDragAndTheStandingScreenByInputAlone) {
  StartGame();
  Frame();
  SIM_Vesk* player = SIM_Vesk::Instance();
  const int friends = player->CountFriends();
  ASSERT_GE(friends, 2);

  // The starting friends stand on the arc around (878, 362), 322 px out, with their names.
  std::vector<GUI_NPCIcon*> icons = FriendIcons();
  ASSERT_EQ(static_cast<int>(icons.size()), friends);
  for (GUI_NPCIcon* icon : icons) {
    EXPECT_NEAR(std::hypot(icon->GetCentreX() - 878.0f, icon->GetCentreY() - 362.0f), 322.0f, 0.5f);
    EXPECT_TRUE(icon->GetNPC()->IsFriendOfPlayer());
    bool named = false;
    const GdiTextList& names = NPCIconNameTexts();
    for (size_t i = 0; i < names.Size(); ++i) named = named || names.Item(i).text == icon->GetNPC()->GetFullName();
    EXPECT_TRUE(named) << icon->GetNPC()->GetFullName();
  }

  // A double click on the top friend opens the window; the first click selected the friend.
  GUI_NPCIcon* top = icons.front();
  GUI_NPCIcon* lower = icons.back();
  DoubleClick(X(top), Y(top));
  GUI_NPC* topWindow = GUI_NPC::FindFor(top->GetNPC());
  ASSERT_NE(topWindow, nullptr);
  EXPECT_TRUE(top->IsSelected());
  EXPECT_EQ(GUI_DragIcon::Current(), nullptr);  // the press's drag ended with its release
  Frame();
  EXPECT_TRUE(Queued(top->GetNPC()->GetForename() + " " + top->GetNPC()->GetSurname()));

  // Move the window off the icons by its title, with the mouse.
  const GUI_Rect before = topWindow->GetRect();
  PressLeft(before.left + 100, before.top + 14);
  Frame();
  MoveMouse(120, 30);
  Frame();
  ReleaseLeft(120, 30);
  Frame();
  EXPECT_EQ(topWindow->GetRect().left, 120 - 100);
  ASSERT_FALSE(topWindow->HitTest(top->GetCentreX(), top->GetCentreY()));
  ASSERT_FALSE(topWindow->HitTest(lower->GetCentreX(), lower->GetCentreY()));

  // A right click on another friend opens that friend's window over the first.
  clock.Advance(600);
  MoveMouse(X(lower), Y(lower));
  plat::Event press;
  press.type = plat::EventType::MouseButtonDown;
  press.button = 1;
  press.x = X(lower);
  press.y = Y(lower);
  CInput::Instance().QueueEvent(press);
  CInput::Instance().Update();
  GUI_NPC* lowerWindow = GUI_NPC::FindFor(lower->GetNPC());
  ASSERT_NE(lowerWindow, nullptr);
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().back(), lowerWindow);
  Frame();

  // A second double click on the top friend brings its window forward; no second one opens.
  ASSERT_FALSE(lowerWindow->HitTest(top->GetCentreX(), top->GetCentreY()));
  DoubleClick(X(top), Y(top));
  EXPECT_EQ(NPCWindowsOf(top->GetNPC()), 1u);
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().back(), topWindow);

  // The four tabs switch the page.
  Frame();
  for (int i : {1, 2, 3, 0}) {
    ClickOn(topWindow->TabButtons()[static_cast<size_t>(i)]);
    ASSERT_NE(topWindow->Tabs()->SelectedPage(), nullptr);
    EXPECT_EQ(topWindow->Tabs()->SelectedPage()->GetIndex(), i);
    Frame();
  }

  // The selected friend's acquaintances stand in a column at x 355, joined by grey lines.
  std::vector<const SIM_Person*> expected;
  for (const SIM_Relationship* r : top->GetNPC()->GetRelationships()) {
    const SIM_Person* other = r->GetOther(top->GetNPC());
    if (other != player && !other->IsFriendOfPlayer()) expected.push_back(other);
  }
  for (const SIM_Person* other : expected) {
    const GUI_NPCIcon* icon = FindNPCIcon(other);
    ASSERT_NE(icon, nullptr);
    EXPECT_TRUE(icon->IsShown());
    EXPECT_EQ(icon->GetState(), GUI_NPCIcon::kAcquaintance);
    EXPECT_FLOAT_EQ(icon->GetCentreX(), 355.0f);
  }
  if (!expected.empty()) {
    const GUI_NPCIcon* first = FindNPCIcon(expected.front());
    DrawWithoutPresent();
    const uint32_t link = Pixel(380, Y(first));
    EXPECT_EQ(link & 0xFFFFFFu, 0xC0C0C0u) << std::hex << link;
    D3DEngine::Instance().Flip();
  }

  // Close both windows with Escape; then the social chooser takes a friend dragged onto it.
  Key(kEscape);
  Key(kEscape);
  EXPECT_TRUE(GUI_NPC::All().empty());
  ClickOn(GUI_ControlPanel::Instance().SocialButton());
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  CloseHints();
  Frame();
  // An evening that ends in the report at once: not a date, not a crowd, and not a venue
  // with a window of its own (a table to book, a film to choose, a wheel to spin).
  auto endsInReport = [](const SIM_SocialiseType* type) {
    for (const char* own : {"ROMANTIC", "RESTAURANT", "MOVIE", "ROULETTE"})
      if (type->category == own) return false;
    return type->minGuests <= 2;
  };
  while (chooser->Current() && !endsInReport(chooser->Current()) &&
         chooser->NextArrow()->IsVisible())
    Key(kRight);
  ASSERT_NE(chooser->Current(), nullptr);
  SIM_NPC* guest = lower->GetNPC();
  guest->SetCash(500.0f);
  Frame();
  clock.Advance(600);
  PressLeft(X(lower), Y(lower));
  ASSERT_NE(GUI_DragIcon::Current(), nullptr);
  EXPECT_EQ(GUI_DragIcon::Current()->GetIcon(), lower);
  Frame();
  const GUI_Rect box = chooser->GetRect();
  MoveMouse(box.left + 60, box.top + 60);
  Frame();
  ReleaseLeft(box.left + 60, box.top + 60);
  EXPECT_EQ(GUI_DragIcon::Current(), nullptr);
  ASSERT_EQ(chooser->Invitees().size(), 1u);
  EXPECT_EQ(chooser->Invitees().front(), guest);

  // Start, and the report stands in for the main scene until continue.
  SIM_Finances::Instance().SetCash(500.0f);
  Frame();
  ASSERT_TRUE(chooser->StartButton()->IsEnabled());
  ClickOn(chooser->StartButton());
  ASSERT_TRUE(GUI_PostMortem::IsOpen());
  CloseHints();
  Frame();
  ClickOn(GUI_PostMortem::Instance()->ContinueButton());
  EXPECT_FALSE(GUI_PostMortem::IsOpen());
  Frame();

  // The network button: the standing screen, modal, in mode 1; Escape brings back the main
  // screen, where Escape asks to quit (the keys were given back).
  ClickOn(GUI_ControlPanel::Instance().NetworkButton());
  EXPECT_EQ(GUI_GUI::Instance().GetMode(), GUI_GUI::kSocialStanding);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(&GUI_SocialTovel::Instance()));
  Frame();
  EXPECT_TRUE(Queued(GUI_SocialTovel::Instance().GetTotalText()));
  Key(kEscape);
  EXPECT_EQ(GUI_GUI::Instance().GetMode(), GUI_GUI::kMainScreen);
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), nullptr);
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(&GUI_SocialTovel::Instance()));
  Frame();
  Key(kEscape);
  ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
  Frame();
  ClickOn(GUI_ConfirmDialog::Instance()->GetCancelButton());
  ASSERT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  Frame();

  // The skills panel lists the player's skills that have a value, or says there are none.
  GUI_Skills* skills = GUI_Skills::Instance();
  ASSERT_NE(skills, nullptr);
  int valued = 0;
  for (const SIM_NamedValue* skill : player->Skills().Values()) valued += skill->GetValue() != 0.0f;
  EXPECT_EQ(static_cast<int>(skills->Rows().size()), std::min(valued, 30));
  EXPECT_EQ(skills->Arrow()->IsVisible(), valued > 30);
  if (valued == 0) {
    EXPECT_TRUE(Queued(Translate("NO_SKILLS")));
  }

  // With B held a click on an icon opens the boredom watcher, with M the memory watcher;
  // with both, only the boredom watcher.
  icons = FriendIcons();
  ASSERT_FALSE(icons.empty());
  GUI_NPCIcon* icon = icons.front();
  // Each watcher is closed with its close button before the next click: it opens wherever
  // the look chooses, perhaps over the icon.
  auto closeWatcher = [this]() {
    ASSERT_EQ(GUI_DebugWatcher::All().size(), 1u);
    Frame();
    ClickOn(GUI_DebugWatcher::All().front()->GetCloseButton());
    EXPECT_TRUE(GUI_DebugWatcher::All().empty());
  };
  KeyDown(kB);
  SingleClick(X(icon), Y(icon));
  KeyUp(kB);
  ASSERT_EQ(GUI_DebugWatcher::All().size(), 1u);
  EXPECT_NE(dynamic_cast<GUI_BoredomWatcher*>(GUI_DebugWatcher::All().back()), nullptr);
  EXPECT_EQ(GUI_DragIcon::Current(), nullptr);
  closeWatcher();
  KeyDown(kM);
  SingleClick(X(icon), Y(icon));
  ASSERT_EQ(GUI_DebugWatcher::All().size(), 1u);
  auto* memory = dynamic_cast<GUI_MemoryWatcher*>(GUI_DebugWatcher::All().back());
  ASSERT_NE(memory, nullptr);
  EXPECT_EQ(memory->GetTitle(), icon->GetNPC()->GetFullName());
  closeWatcher();
  KeyDown(kB);
  SingleClick(X(icon), Y(icon));
  KeyUp(kB);
  KeyUp(kM);
  ASSERT_EQ(GUI_DebugWatcher::All().size(), 1u);
  EXPECT_NE(dynamic_cast<GUI_BoredomWatcher*>(GUI_DebugWatcher::All().back()), nullptr);
  Frame();
}

}  // namespace
}  // namespace guitest
