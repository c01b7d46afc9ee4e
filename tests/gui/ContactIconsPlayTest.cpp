// The contact icons through weeks of play by input alone: whatever the days bring (evenings
// with friends, friends lost and met, a friend picked on the arc, a load of the day's
// autosave from the menus), the friends the game holds are exactly the friends the room
// shows on its arc, on the screen, in their pictures and with their names.
#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/GdiTextList.h"
#include "engine/Random.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kRight = 205;

class ContactIconsPlayTest : public MenuPlayTest {
 protected:
  void SetUp() override {
    MenuPlayTest::SetUp();
    SIM_SaveGame::SetFolder(saves.Str());
  }
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
    SIM_SaveGame::SetFolder("");
    PlayTest::TearDown();
  }

  // The player's friends as the game holds them, by their save ids (which a load keeps).
  static std::set<int> Friends() {
    std::set<int> ids;
    const SIM_Vesk* player = SIM_Vesk::Instance();
    for (const SIM_Relationship* r : player->GetRelationships())
      if (r->IsFriendship()) ids.insert(r->GetOther(player)->GetSLID());
    return ids;
  }
  static std::vector<GUI_NPCIcon*> ArcIcons() {
    std::vector<GUI_NPCIcon*> icons;
    for (GUI_NPCIcon* icon : AllNPCIcons())
      if (icon->IsShown() && icon->GetState() == GUI_NPCIcon::kFriend) icons.push_back(icon);
    return icons;
  }
  // What the room, as the last frame drew it, gets wrong about the player's friends; empty
  // when nothing. Within a day a friend who has just turned away from the player may keep a
  // place on the arc until the day's end; with `exact` (a new day, a load) nobody may.
  std::string RoomFaults(bool exact) {
    std::ostringstream faults;
    const SIM_Vesk* player = SIM_Vesk::Instance();
    const GdiTextList& names = NPCIconNameTexts();
    for (const SIM_Relationship* r : player->GetRelationships()) {
      if (!r->IsFriendship()) continue;
      const auto* npc = dynamic_cast<const SIM_NPC*>(r->GetOther(player));
      const std::string& name = npc->GetFullName();
      const GUI_NPCIcon* icon = FindNPCIcon(npc);
      if (!icon || !icon->IsShown() || icon->GetState() != GUI_NPCIcon::kFriend) {
        faults << name << (icon ? " is not on the arc" : " has no icon") << "\n";
        continue;
      }
      const GUI_Rect& rect = icon->GetRect();
      if (rect.left < 0 || rect.top < 0 || rect.right > engine.GetWidth() ||
          rect.bottom > engine.GetHeight())
        faults << name << " stands off the screen\n";
      if (icon->DrawnPicture() != npc->GetPortrait() && icon->DrawnPicture() != npc->GetGreyPortrait())
        faults << name << " was drawn as " << icon->DrawnPicture() << "\n";
      bool named = false;
      for (size_t i = 0; i < names.Size(); ++i) named = named || names.Item(i).text == name;
      if (!named) faults << name << " has no name beside the icon\n";
    }
    if (exact)
      for (const GUI_NPCIcon* icon : ArcIcons())
        if (!icon->GetNPC()->IsFriendOfPlayer())
          faults << icon->GetNPC()->GetFullName() << " is on the arc but no friend\n";
    return faults.str();
  }

  void CloseHints() {
    for (int i = 0; i < 20 && GUI_HintHelp::IsAnyOpen(); ++i) {
      ClickOn(GUI_HintHelp::OpenHints().front()->Buttons().front());
      Frame();
    }
  }
  // Answers whatever the day put in the player's way, as a player does: a hint by its
  // button, an evening's report by continue, any other window by its close button (or its
  // first button when it has none).
  void CloseWindows() {
    for (int i = 0; i < 40; ++i) {
      Frame();
      if (GUI_HintHelp::IsAnyOpen()) {
        ClickOn(GUI_HintHelp::OpenHints().front()->Buttons().front());
        continue;
      }
      if (GUI_PostMortem::IsOpen()) {
        ClickOn(GUI_PostMortem::Instance()->ContinueButton());
        continue;
      }
      GUI_Dialog* top = nullptr;
      for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
        if (auto* dialog = dynamic_cast<GUI_Dialog*>(window); dialog && dialog->IsVisible())
          top = dialog;
      if (!top) return;
      if (top->GetCloseButton() && top->GetCloseButton()->IsVisible()) {
        ClickOn(top->GetCloseButton());
      } else {
        ASSERT_FALSE(top->Buttons().empty()) << top->GetTitle();
        ClickOn(top->Buttons().front());
      }
    }
    ADD_FAILURE() << "windows kept opening";
  }

  // A friend dragged from the arc onto the social chooser for the `choice`th kind of evening
  // that ends in its report (not a date, not a crowd, not a venue with a window of its own),
  // and the evening started. False when the friend or the money said no (the slot is still
  // free).
  bool EveningWith(const GUI_NPCIcon* icon, int choice) {
    ClickOn(GUI_ControlPanel::Instance().SocialButton());
    Frame();
    CloseHints();
    GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
    if (!chooser) return false;
    std::vector<const SIM_SocialiseType*> kinds;
    for (const SIM_SocialiseType* type : chooser->Available()) {
      bool ownWindow = false;
      for (const char* category : {"ROMANTIC", "RESTAURANT", "MOVIE", "ROULETTE"})
        ownWindow = ownWindow || type->category == category;
      if (!ownWindow && type->minGuests <= 2) kinds.push_back(type);
    }
    if (kinds.empty()) return false;
    const SIM_SocialiseType* kind = kinds[static_cast<size_t>(choice) % kinds.size()];
    for (size_t i = 0; i < chooser->Available().size() && chooser->Current() != kind; ++i)
      Key(kRight);
    if (chooser->Current() != kind) return false;
    const int x = static_cast<int>(icon->GetCentreX()), y = static_cast<int>(icon->GetCentreY());
    clock.Advance(600);
    PressLeft(x, y);
    Frame();
    const GUI_Rect box = chooser->GetRect();
    MoveMouse(box.left + 60, box.top + 60);
    ReleaseLeft(box.left + 60, box.top + 60);
    Frame();
    if (GUI_SocialActivityChooser::Instance() != chooser || !chooser->StartButton()->IsEnabled())
      return false;
    ClickOn(chooser->StartButton());
    return true;
  }
  // The first solo activity the player can afford.
  void SoloActivity() {
    ClickOn(GUI_ControlPanel::Instance().SoloButton());
    Frame();
    CloseHints();
    GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
    ASSERT_NE(chooser, nullptr);
    for (size_t i = 0; i < chooser->Available().size() && !chooser->StartButton()->IsEnabled(); ++i)
      Key(kRight);
    ASSERT_TRUE(chooser->StartButton()->IsEnabled());
    ClickOn(chooser->StartButton());
  }
  // The next-day button, then the day's summary.
  void NextDay() {
    Frame();
    ClickOn(GUI_ControlPanel::Instance().NextDayButton());
    ContinueSummary();
  }
  // The day's summary read and continued (or the interlude that stands in front of it).
  void ContinueSummary() {
    for (int i = 0; i < 10 && SIM_SIM::Instance().GetPhase() == PHASE_DAYSTART; ++i) {
      Frame();
      // A box the day raised (a lapsed service, a contract's end) lies over the page: read
      // and answered first.
      GUI_WindowBase* top = GUI_WindowManager::Instance().TopModal();
      if (top && top->LiesOverPages()) {
        Key(28);
      } else if (GUI_FMVScreen::IsActive()) {
        clock.Advance(4000);
        Frame();
        ClickOn(GUI_FMVScreen::Instance()->ContinueButton());
      } else if (GUI_WorkDay::Instance()->IsOpen()) {
        ClickOn(GUI_WorkDay::Instance()->ContinueButton());
      }
    }
  }

  // A day up to the next-day button: the room checked in the morning, a friend picked on the
  // arc (which shows the people that friend knows), then every slot on an evening with a
  // friend or, when that fails, a solo activity, the room checked after each.
  void PlayDay(int day) {
    CloseWindows();
    ASSERT_FALSE(GUI_YearlyReview::Instance()->IsOpen());
    ASSERT_FALSE(GUI_EndGame::Instance()->IsOpen());
    ASSERT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
    ASSERT_EQ(RoomFaults(true), "") << "in the morning";
    std::vector<GUI_NPCIcon*> arc = ArcIcons();
    if (!arc.empty()) {
      clock.Advance(600);
      ClickOn(arc[static_cast<size_t>(day) % arc.size()]);
      Frame();
    }
    for (int slot = 0; SIM_SIM::Instance().GetPhase() == PHASE_ACTIVITIES &&
                       SIM_SIM::Instance().GetActsLeft() > 0;
         ++slot) {
      ASSERT_LT(slot, 4);
      arc = ArcIcons();
      const bool evening =
          !arc.empty() && EveningWith(arc[static_cast<size_t>(day + slot) % arc.size()], day + slot);
      CloseWindows();
      if (!evening && SIM_SIM::Instance().GetActsLeft() > 0) {
        SoloActivity();
        CloseWindows();
      }
      ASSERT_EQ(RoomFaults(false), "") << "after slot " << slot;
    }
  }

  // From the room to the main menu (the quit question answered yes), then the load menu's
  // row of the autosave.
  void LoadAutosaveFromTheMenus() {
    CloseWindows();
    Key(kEscape);
    ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
    Frame();
    ClickOn(GUI_ConfirmDialog::Instance()->GetOkButton());
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
    Frame();
    ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::LOADGAME));
    GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
    Frame();
    const GUI_LoadGameSlot* autosave = nullptr;
    for (const GUI_LoadGameSlot* row : menu.Rows())
      if (row->GetName() == "autosave") autosave = row;
    ASSERT_NE(autosave, nullptr);
    ClickOn(autosave);
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
    ContinueSummary();  // the autosave was made as the summary opened: it opens again
    CloseWindows();
  }

  testsupport::TempDir saves;
};

TEST_F(ContactIconsPlayTest, TheRoomShowsTheGamesFriendsThroughWeeksOfPlayAndALoad) {
  // A month that both makes and loses friends with the shipped tables (checked below).
  SeedRandom(5);
  Game::Instance().StartNewGame();
  int met = 0, lost = 0;
  for (int day = 0; day < 30; ++day) {
    SCOPED_TRACE(day);
    const std::set<int> before = Friends();
    PlayDay(day);
    if (HasFatalFailure()) return;
    NextDay();
    const std::set<int> after = Friends();
    for (int id : after) met += before.count(id) ? 0 : 1;
    for (int id : before) lost += after.count(id) ? 0 : 1;
  }
  // The weeks put the room to the test: friends came and went.
  EXPECT_GT(met, 0);
  EXPECT_GT(lost, 0);

  // The day's autosave holds this morning's friends, whatever the day then brings; loaded
  // from the menus, the room shows exactly them again.
  CloseWindows();
  const std::set<int> morning = Friends();
  PlayDay(30);
  if (HasFatalFailure()) return;
  LoadAutosaveFromTheMenus();
  EXPECT_EQ(Friends(), morning);
  EXPECT_EQ(RoomFaults(true), "") << "after the load";
}

}  // namespace
}  // namespace guitest
