// A button the player cannot use says why: resting the mouse on a disabled button shows the
// reason in its tooltip, and the usual tooltip comes back once the button can be used.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <string>

#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_AssetDetails.h"
#include "gui/windows/GUI_BookDetails.h"
#include "gui/windows/GUI_CommuteMethodChooser.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_Roulette.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_Shopping.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class DisabledButtonsTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    std::ofstream(user.Path() / "hints.txt") << "[hints]\nsolo_dialog = 1\n";
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_Finances::Instance().SetCash(1000.0f);
    GUI_Services::SetRecording(true);
    GUI_GUI::Instance().StartGame();
  }
  void TearDown() override {
    GUI_SocialInvitation::CloseAll();
    GUI_SpecialEvent::Close();
    GUI_Shopping::Close();
    GUI_BookDetails::Close();
    GUI_Services::SetRestFramesForTesting(0);
    PlayTest::TearDown();
  }
  void Frame() {
    while (GUI_HintHelp::IsAnyOpen()) delete GUI_HintHelp::OpenHints().front();
    GUI_Services::RecordedTexts().clear();
    NewFrame();
    InGameFrame();
  }
  // Rests the mouse on the button for a while and draws a frame; the tooltip shown, or "".
  std::string TooltipShownOver(const GUI_ButtonBase* button) {
    const GUI_Rect& r = button->GetRect();
    GUI_Services::SetMouseForTesting(static_cast<float>(r.left + r.right) / 2.0f,
                                     static_cast<float>(r.top + r.bottom) / 2.0f, false);
    GUI_Services::SetRestFramesForTesting(1000);
    Frame();
    const GUI_Tooltip* tip = button->GetTooltip();
    if (!tip || tip->GetFade() <= 0.0f || !Queued(tip->GetText())) return "";
    return tip->GetText();
  }
};

TEST_F(DisabledButtonsTest, ADisabledButtonsTooltipSaysWhyAndTheUsualOneComesBack) {
  SIM_NPC* host = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) host = npc;
  ASSERT_NE(host, nullptr);
  SIM_Book* book = SIM_Book::FindByName("lighthouse");
  ASSERT_NE(book, nullptr);
  ASSERT_FALSE(SIM_SpecialEvent::All().empty());
  SIM_SpecialEvent* event = SIM_SpecialEvent::All().front().get();

  auto openInvitation = [&]() -> GUI_ButtonBase* {
    SIM_SocialInvitation* invitation =
        SIM_SocialInvitation::Create(host, SIM_SocialiseType::FindByName("pub"), 0);
    invitation->AddGuest(host);
    invitation->BuildText();
    GUI_Email::AddInvitation(invitation)->Open();
    return GUI_SocialInvitation::Instance() ? GUI_SocialInvitation::Instance()->AcceptButton()
                                            : nullptr;
  };
  auto openTicket = [&]() -> GUI_ButtonBase* {
    GUI_Email::AddSpecialEvent(event)->Open();
    return GUI_SpecialEvent::Instance() ? GUI_SpecialEvent::Instance()->AttendButton() : nullptr;
  };
  auto openShop = [&]() -> GUI_ButtonBase* {
    GUI_Shopping::Open();
    GUI_Shopping::SelectTab(3);
    Frame();
    const auto rows = GUI_Shopping::Instance()->SelectedPage()->Rows();
    return rows.empty() ? nullptr : rows.front()->BuyButton();
  };
  auto openBook = [&]() -> GUI_ButtonBase* {
    SIM_Asset::RestoreOwned(book);
    book->OnSelect();  // what its icon does when clicked
    return GUI_BookDetails::Instance() ? GUI_BookDetails::Instance()->ReadButton() : nullptr;
  };
  const auto dayOver = [] { SIM_SIM::Instance().SetPhase(PHASE_DAYOVER); };
  const auto dayOpen = [] { SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES); };
  const auto poor = [] { SIM_Finances::Instance().SetCash(0.0f); };
  const auto rich = [] { SIM_Finances::Instance().SetCash(1000.0f); };

  const struct {
    const char* what;
    std::function<void()> block;
    std::function<GUI_ButtonBase*()> open;
    const char* why;
    std::function<void()> unblock;
    const char* usual;
  } cases[] = {
      {"book, day over", dayOver, openBook, "WHY_NO_ACTIVITY_LEFT", dayOpen,
       "BOOKDETAILS_READ_TOOLTIP"},
      {"book, read to the end",
       [&] { book->SetPagesRead(book->GetPageCount()); }, openBook, "WHY_BOOK_FINISHED",
       [&] { book->SetPagesRead(0); }, "BOOKDETAILS_READ_TOOLTIP"},
      {"invitation, day over", dayOver, openInvitation, "WHY_NO_ACTIVITY_LEFT", dayOpen,
       "TOOLTIP_ACCEPT_INVITE"},
      {"invitation, no money", poor, openInvitation, "WHY_NOT_ENOUGH_MONEY", rich,
       "TOOLTIP_ACCEPT_INVITE"},
      {"ticket, day over", dayOver, openTicket, "WHY_NO_ACTIVITY_LEFT", dayOpen,
       "SPECIALEVENT_ATTEND_TOOLTIP"},
      {"shop, no money", poor, openShop, "WHY_NOT_ENOUGH_MONEY", rich, "HOOK_SHOPPING_TOOLTIP"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    dayOpen();
    rich();
    GUI_ButtonBase* button = c.open();
    ASSERT_NE(button, nullptr);
    c.block();
    Frame();
    EXPECT_FALSE(button->IsEnabled());
    EXPECT_EQ(TooltipShownOver(button), Translate(c.why));
    // A click on it still does nothing.
    const int acts = SIM_SIM::Instance().GetActsUsed();
    const float cash = SIM_Finances::Instance().GetCash();
    ClickOn(button);
    EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), acts);
    EXPECT_EQ(SIM_Finances::Instance().GetCash(), cash);
    c.unblock();
    Frame();
    EXPECT_TRUE(button->IsEnabled());
    EXPECT_EQ(TooltipShownOver(button), Translate(c.usual));
    GUI_SocialInvitation::CloseAll();
    GUI_SpecialEvent::Close();
    GUI_Shopping::Close();
    GUI_BookDetails::Close();
    GUI_Services::SetRestFramesForTesting(0);
    Frame();
  }
}

// Each window's button, blocked in the way it is most often met, names what stands in the way
// (the fixture checks every disabled button drawn in every test as well).
TEST_F(DisabledButtonsTest, EveryBlockedChoiceOfAnEveningOrADayNamesWhatBlocksIt) {
  SIM_NPC* host = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) host = npc;
  ASSERT_NE(host, nullptr);
  const auto evening = [&](const char* kind) {
    SIM_SocialiseInstance::StartEvening({host}, SIM_SocialiseType::FindByName(kind),
                                        SIM_Vesk::Instance());
  };
  SIM_Asset* usable = nullptr;
  for (SIM_Asset* asset : SIM_Asset::All())
    if (!usable && !asset->GetUseActivity().empty() && asset->GetName() != "cabletv") usable = asset;
  ASSERT_NE(usable, nullptr);
  const struct {
    const char* what;
    std::function<GUI_ButtonBase*()> open;
    const char* why;
  } cases[] = {
      {"a film already seen",
       [&]() -> GUI_ButtonBase* {
         for (SIM_Movie* film : SIM_Movie::Showing()) film->SetSeen(true);
         evening("cinema");
         return GUI_MovieChooser::Instance() ? GUI_MovieChooser::Instance()->WatchButton() : nullptr;
       },
       "WHY_FILM_SEEN"},
      {"no cash for the least stake",
       [&]() -> GUI_ButtonBase* {
         evening("casino");
         SIM_Finances::Instance().SetCash(0.0f);
         return GUI_Roulette::Instance() ? GUI_Roulette::Instance()->SpinButton() : nullptr;
       },
       "WHY_NO_CASH_FOR_A_STAKE"},
      {"paying for a guest without the money",
       [&]() -> GUI_ButtonBase* {
         SIM_Finances::Instance().SetCash(0.0f);
         GUI_NoMoneyDialog::Open(SIM_SocialiseType::FindByName("pub"), host);
         return GUI_NoMoneyDialog::Instance() ? GUI_NoMoneyDialog::Instance()->SubsidiseButton()
                                              : nullptr;
       },
       "WHY_NOT_ENOUGH_MONEY"},
      {"an evening with nobody invited",
       []() -> GUI_ButtonBase* {
         GUI_SocialActivityChooser::Open();
         auto* chooser = GUI_SocialActivityChooser::Instance();
         return chooser && chooser->Current() ? chooser->StartButton() : nullptr;
       },
       "WHY_INVITE_MORE_GUESTS"},
      {"something on one's own once the day is over",
       []() -> GUI_ButtonBase* {
         GUI_SoloActivityChooser::Open();
         SIM_SIM::Instance().SetPhase(PHASE_DAYOVER);
         return GUI_SoloActivityChooser::Instance() ? GUI_SoloActivityChooser::Instance()->StartButton()
                                                    : nullptr;
       },
       "WHY_NO_ACTIVITY_LEFT"},
      {"a class once the day is over",
       []() -> GUI_ButtonBase* {
         GUI_EveningClasses::Open();
         if (!GUI_EveningClasses::Instance()) return nullptr;
         GUI_EveningClasses::Instance()->SelectSchool(0);
         SIM_SIM::Instance().SetPhase(PHASE_DAYOVER);
         auto* details = GUI_EveningClasses::Instance()->Details();
         return details ? details->EnrolButton() : nullptr;
       },
       "WHY_NO_ACTIVITY_LEFT"},
      {"a car the player does not own",
       []() -> GUI_ButtonBase* {
         GUI_CommuteMethodChooser::Open();
         auto* chooser = GUI_CommuteMethodChooser::Instance();
         for (int i = 0; chooser && i < 8 && chooser->Current() != SIM_CommuteMethod::FindByName("car"); ++i)
           chooser->Next();
         return chooser ? chooser->ChooseButton() : nullptr;
       },
       "WHY_COMMUTE_NO_TRANSPORT"},
      {"a possession once the day is over",
       [&]() -> GUI_ButtonBase* {
         SIM_Asset::RestoreOwned(usable);
         GUI_AssetDetails::Open(usable);
         SIM_SIM::Instance().SetPhase(PHASE_DAYOVER);
         return GUI_AssetDetails::Instance() ? GUI_AssetDetails::Instance()->UseButton() : nullptr;
       },
       "WHY_NO_ACTIVITY_LEFT"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
    SIM_Finances::Instance().SetCash(1000.0f);
    GUI_ButtonBase* button = c.open();
    ASSERT_NE(button, nullptr);
    Frame();
    EXPECT_FALSE(button->IsEnabled());
    EXPECT_EQ(TooltipShownOver(button), Translate(c.why));
    GUI_Services::SetRestFramesForTesting(0);
    GUI_MovieChooser::Close();
    GUI_Roulette::Close();
    GUI_NoMoneyDialog::Close();
    GUI_SocialActivityChooser::Close();
    GUI_SoloActivityChooser::Close();
    GUI_EveningClasses::Close();
    GUI_CommuteMethodChooser::Close();
    GUI_AssetDetails::Close();
  }
  SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
}

}  // namespace
}  // namespace guitest
