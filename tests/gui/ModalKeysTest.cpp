// A modal window takes the keys while it is open: with one open over a window that holds the
// in-game screen's keys (the choosers, the job search), Escape, Return and the arrows reach
// nothing behind it, and the holder has its keys back once the modal window is gone. A box
// answers Return and Escape itself (it closes; a question's Escape is its Cancel). Every kind
// of modal window the game opens over play is tried against every holder.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HelpWindow.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_EveningClassPostMortem.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_Romance.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_TeamInvite.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kReturn = 28, kLeft = 203, kRight = 205;

GUI_Message* OpenMessageBox() {
  for (GUI_WindowBase* window : GUI_WindowManager::Instance().ModalWindows())
    if (auto* box = dynamic_cast<GUI_Message*>(window)) return box;
  return nullptr;
}

// A window that holds the keys: how the player opens it, and what a key would change in it.
struct Holder {
  const char* name;
  std::function<GUI_WindowBase*()> window;
  std::function<const void*()> shown;
};

// A modal window the game opens over play, and its own way out.
struct Modal {
  const char* name;
  std::function<void()> open;
  std::function<bool()> isOpen;
  std::function<void()> close;
  // The keys it answers by closing.
  std::vector<int> closingKeys = {};
  // Its Return is a yes that leaves the game (tried on the menus instead).
  bool returnLeavesTheGame = false;
};

class ModalKeysTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    while (GUI_Message* box = OpenMessageBox()) delete box;
    GUI_ConfirmDialog::Close();
    delete GUI_HelpWindow::Current();
    GUI_RomanticOffer::Close();
    GUI_NoMoneyDialog::Close();
    GUI_BeerPostMortem::Close();
    GUI_TeamInvite::Close();
    GUI_SpecialEventPostMortem::Close();
    GUI_SocialActivityChooser::Close();
    GUI_JobSearch::Close();
    GUI_EveningClassPostMortem::Close();
    GUI_BookReading::Close();
    GUI_RoyaltyReport::Close();
    SIM_RoyaltyStream::DeleteAll();
    GUI_SocialInvitation::CloseAll();
    PlayTest::TearDown();
  }

  std::vector<Modal> Modals(SIM_NPC* person, SIM_SocialiseType* kind) {
    return {
        {"hint",
         [this] {
           // A hint not seen yet, as the game shows one.
           std::filesystem::remove(user.Path() / "hints.txt");
           LoadHints();
           Screens().ShowHint("lost_friend");
         },
         [] { return GUI_HintHelp::IsAnyOpen(); }, [this] { CloseHints(); }, {kEscape, kReturn}},
        {"message box", [] { Screens().ShowMessage("A letter came.", "Post"); },
         [] { return OpenMessageBox() != nullptr; },
         [this] { ClickOn(OpenMessageBox()->GetCloseButton()); }, {kEscape, kReturn}},
        {"quit question", [] { GUI_ControlPanel::AskQuit(); },
         [] { return GUI_ConfirmDialog::Instance() != nullptr; }, [] { GUI_ConfirmDialog::Close(); },
         {kEscape}, true},
        {"help pop-up", [] { ShowHelpPopup("HELP_SOCIALACTIVITY", 300.0f, 300.0f); },
         [] { return GUI_HelpWindow::Current() != nullptr; },
         [] { delete GUI_HelpWindow::Current(); }, {kEscape, kReturn}},
        {"romance offer", [person] { Screens().OpenRomanticOffer(person); },
         [] { return GUI_RomanticOffer::Instance() != nullptr; },
         [] { GUI_RomanticOffer::Close(); }, {kEscape, kReturn}},
        {"question about paying", [person, kind] { Screens().OpenNoMoneyDialog(kind, person); },
         [] { return GUI_NoMoneyDialog::Instance() != nullptr; },
         [this] { ClickOn(GUI_NoMoneyDialog::Instance()->RejectButton()); }, {kEscape, kReturn}},
        {"brawl report",
         [kind] { Screens().OpenBeerPostMortem(SIM_SocialiseInstance::CreateForType(kind)); },
         [] { return GUI_BeerPostMortem::Instance() != nullptr; },
         [this] { ClickOn(GUI_BeerPostMortem::Instance()->GetCloseButton()); }},
        {"team's invitation", [] { Screens().OpenTeamInvite(); },
         [] { return GUI_TeamInvite::Instance() != nullptr; }, [] { GUI_TeamInvite::Close(); },
         {kEscape, kReturn}},
        {"special event's result",
         [] { Screens().OpenSpecialEventPostMortem(SIM_SpecialEvent::All().front().get()); },
         [] { return GUI_SpecialEventPostMortem::IsOpen(); },
         [] { GUI_SpecialEventPostMortem::Close(); }},
    };
  }
};

TEST_F(ModalKeysTest, NoKeyReachesAWindowBehindAModalOne) {
  StartGame();
  SIM_SIM::Instance().SetActs(6, 0);
  SIM_Finances::Instance().SetCash(500.0f);
  ASSERT_FALSE(SIM_SpecialEvent::All().empty());
  SIM_NPC* guest = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) guest = npc;
  ASSERT_NE(guest, nullptr);
  guest->SetCash(500.0f);
  SIM_SocialiseType* pub = SIM_SocialiseType::FindByName("pub");
  ASSERT_NE(pub, nullptr);
  GUI_ControlPanel& panel = GUI_ControlPanel::Instance();

  const Holder holders[] = {
      // With a guest invited, so Return would start the evening; on a kind with others on
      // both sides, so either arrow would step.
      {"social chooser",
       [&]() -> GUI_WindowBase* {
         ClickOn(panel.SocialButton());
         GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
         if (!chooser) return nullptr;
         CloseHints();
         while (chooser->Current() != pub && chooser->NextArrow()->IsVisible()) Key(kRight);
         const auto& r = chooser->GetRect();
         MoveMouse(r.left + 50, r.top + 50);
         GUI_SocialActivityChooser::DropPerson(guest);
         return chooser->Invitees().size() == 1 && chooser->PreviousArrow()->IsVisible() &&
                        chooser->NextArrow()->IsVisible()
                    ? chooser
                    : nullptr;
       },
       [] { return static_cast<const void*>(GUI_SocialActivityChooser::Instance()->Current()); }},
      {"solo chooser",
       [&]() -> GUI_WindowBase* {
         ClickOn(panel.SoloButton());
         GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
         if (!chooser) return nullptr;
         CloseHints();
         Key(kRight);
         return chooser->Available().size() >= 3 ? chooser : nullptr;
       },
       [] { return static_cast<const void*>(GUI_SoloActivityChooser::Instance()->Current()); }},
      {"job search",
       [this]() -> GUI_WindowBase* {
         GUI_JobSearch::Open();
         CloseHints();
         return GUI_JobSearch::Instance();
       },
       [] { return static_cast<const void*>(GUI_JobSearch::Instance()); }},
  };

  for (const Holder& holder : holders) {
    SCOPED_TRACE(holder.name);
    GUI_WindowBase* window = holder.window();
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(GUI_GUI::Instance().GetKeyCapture(), window);
    const void* shown = holder.shown();
    for (const Modal& modal : Modals(guest, pub)) {
      SCOPED_TRACE(modal.name);
      for (int key : {kEscape, kReturn, kLeft, kRight}) {
        SCOPED_TRACE(key);
        const bool closes =
            std::find(modal.closingKeys.begin(), modal.closingKeys.end(), key) !=
            modal.closingKeys.end();
        if (key == kReturn && modal.returnLeavesTheGame) continue;
        if (!modal.isOpen()) modal.open();
        ASSERT_TRUE(modal.isOpen());
        Frame();
        Key(key);
        Frame();
        ASSERT_EQ(GUI_GUI::Instance().GetKeyCapture(), window);  // not closed
        EXPECT_EQ(holder.shown(), shown);                         // not stepped
        EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);          // nothing started
        EXPECT_EQ(modal.isOpen(), !closes);
      }
      if (modal.isOpen()) modal.close();
      ASSERT_FALSE(modal.isOpen());
    }
    // The modal windows gone, the holder has its keys again: Escape closes it.
    Frame();
    Key(kEscape);
    EXPECT_NE(GUI_GUI::Instance().GetKeyCapture(), window);
  }
}

// On top with no modal window open, a report or an invitation answers the same two keys: Return
// is its OK or accept (the evening starts), Escape closes it. The book's reading report and the
// royalty statement have only their close button for both.
TEST_F(ModalKeysTest, TheTopReportOrInvitationAnswersReturnAndEscape) {
  StartGame();
  SIM_SIM::Instance().SetActs(6, 0);
  SIM_Finances::Instance().SetCash(500.0f);
  SIM_NPC* host = SIM_NPC::All().front();
  host->SetCash(500.0f);
  for (int key : {kEscape, kReturn}) {
    Screens().OpenEveningClassResult(HOOK_EveningClassType::All().front().get(), 0.5f);
    Frame();
    Key(key);
    EXPECT_EQ(GUI_EveningClassPostMortem::Instance(), nullptr) << key;
    Screens().OpenBookReading(SIM_Book::All().front(), 3, 0.5f, true);
    Key(key);
    EXPECT_EQ(GUI_BookReading::Instance(), nullptr) << key;
    Screens().AddRoyaltyReport(CreateRoyaltyStream("Kettle Blues", 10.0f, SIM_RoyaltyStream::kSong));
    for (int i = 0; i < 60; ++i) Frame();  // the item slides into place
    ClickOn(GUI_Email::Items().back());
    ASSERT_NE(GUI_RoyaltyReport::Instance(), nullptr);
    Key(key);
    EXPECT_EQ(GUI_RoyaltyReport::Instance(), nullptr) << key;
    ASSERT_NE(OpenInvitationFrom(host, SIM_SocialiseType::FindByName("pub")), nullptr);
    Key(key);
    EXPECT_EQ(GUI_SocialInvitation::Instance(), nullptr) << key;
    EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), key == kReturn ? 1 : 0);
  }
}

}  // namespace
}  // namespace guitest
