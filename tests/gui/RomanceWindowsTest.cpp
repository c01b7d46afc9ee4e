// The invitation window, the no-money dialog and the romance windows in a started game, driven
// by input events as a player clicks them.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Romance.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "engine/Utilities.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class RomanceWindowsTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    GUI_SocialInvitation::CloseAll();
    GUI_NoMoneyDialog::Close();
    GUI_RomanticOffer::Close();
    GUI_RomanceSummary::Close();
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
    SIM_Romance::Reset();
    PlayTest::TearDown();
  }
  static SIM_NPC* AFriend(size_t skip = 0) {
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer() && skip-- == 0) return npc;
    return nullptr;
  }
};

TEST_F(RomanceWindowsTest, AnInvitationArrivesByMailAndAcceptingItRunsTheEvening) {
  StartGame();
  ASSERT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  SIM_NPC* host = AFriend();
  ASSERT_NE(host, nullptr);
  host->SetCash(500.0f);
  SIM_SocialiseType* pub = SIM_SocialiseType::FindByName("pub");
  ASSERT_NE(pub, nullptr);
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(host, pub, 0);
  invitation->AddGuest(host);
  invitation->BuildText();
  Screens().AddInvitation(invitation);
  ASSERT_FALSE(GUI_Email::Items().empty());
  GUI_Email* item = GUI_Email::Items().back();
  for (int i = 0; i < 60; ++i) Frame();
  ClickOn(item);
  CloseHints();
  GUI_SocialInvitation* window = GUI_SocialInvitation::Instance();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetInvitation(), invitation);
  ASSERT_EQ(window->GuestButtons().size(), 1u);

  // Short of the money: the label says so and a click does nothing.
  SIM_Finances::Instance().SetCash(1.0f);
  Frame();
  EXPECT_EQ(window->AcceptButton()->GetText(), Translate("INSUFFICIENT_CASH"));
  EXPECT_FALSE(window->AcceptButton()->IsEnabled());
  ClickOn(window->AcceptButton());
  EXPECT_EQ(GUI_SocialInvitation::Instance(), window);
  EXPECT_TRUE(invitation->IsOpen());
  // With the money it reads as it should; once the day is over it is disabled again.
  SIM_Finances::Instance().SetCash(500.0f);
  Frame();
  EXPECT_EQ(window->AcceptButton()->GetText(), Translate("ACCEPT_INVITE"));
  EXPECT_TRUE(window->AcceptButton()->IsEnabled());
  SIM_SIM::Instance().SetPhase(PHASE_DAYOVER);
  Frame();
  EXPECT_FALSE(window->AcceptButton()->IsEnabled());
  SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  CloseHints();
  Frame();

  const int used = SIM_SIM::Instance().GetActsUsed();
  ClickOn(window->AcceptButton());
  EXPECT_TRUE(invitation->IsAccepted());
  EXPECT_TRUE(GUI_SocialInvitation::All().empty());  // every invitation window closes
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_TRUE(GUI_PostMortem::IsOpen());  // the evening's report
  for (const GUI_Email* left : GUI_Email::Items()) EXPECT_NE(left->GetData(), invitation);
}

// A partner who ends the romance herself takes her dinner invitation of the day with it: the
// window's Accept goes dead and says why, and a click runs no evening.
TEST_F(RomanceWindowsTest, ADinnerInvitationFromAPartnerWhoEndedItCannotBeAccepted) {
  StartGame();
  SIM_NPC* partner = AFriend();
  ASSERT_NE(partner, nullptr);
  SIM_SocialiseType* dinner = SIM_SocialiseType::FindByName("candlelitdinner");
  ASSERT_NE(dinner, nullptr);
  SIM_Finances::Instance().SetCash(500.0f);
  SIM_Romance::Instance().SetPartner(partner);
  GUI_SocialInvitation* window = OpenInvitationFrom(partner, dinner);
  ASSERT_NE(window, nullptr);
  Frame();
  ASSERT_TRUE(window->AcceptButton()->IsEnabled());
  SIM_Romance::Instance().DumpedByPartner();
  CloseHints();
  Frame();
  EXPECT_FALSE(window->AcceptButton()->IsEnabled());
  EXPECT_EQ(window->AcceptButton()->GetDisabledReason(), Translate("WHY_ROMANCE_OVER"));
  const int used = SIM_SIM::Instance().GetActsUsed();
  ClickOn(window->AcceptButton());
  EXPECT_TRUE(window->GetInvitation()->IsOpen());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used);
  EXPECT_FALSE(GUI_PostMortem::IsOpen());
}

// The window's title names the inviter, cut to 37 characters with "..." when longer.
TEST_F(RomanceWindowsTest, TheInvitationsTitleIsCutAfterThirtySevenCharacters) {
  StartGame();
  SIM_NPC* host = AFriend();
  ASSERT_NE(host, nullptr);
  SIM_SocialiseType* pub = SIM_SocialiseType::FindByName("pub");
  ASSERT_NE(pub, nullptr);
  ASSERT_EQ(Translate("SOCIAL_INVITATION"), std::string("Invitation from <INVITEE>"));
  const struct {
    const char* name;
    const char* title;
  } cases[] = {
      {"Ann Lee", "Invitation from Ann Lee"},
      {"Philippa Wetheringto", "Invitation from Philippa Wetheringto"},      // 36
      {"Philippa Wetherington", "Invitation from Philippa Wetherington"},    // 37
      {"Philippa Wetheringtons", "Invitation from Philippa Wetherington..."},  // 38
      {"Philippa Wetherington-Smythe", "Invitation from Philippa Wetherington..."},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    host->SetFullName(c.name);
    GUI_SocialInvitation* window = OpenInvitationFrom(host, pub);
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->GetTitle(), c.title);
    ClickOn(window->RejectButton());
    EXPECT_EQ(GUI_SocialInvitation::Instance(), nullptr);
  }
}

TEST_F(RomanceWindowsTest, AFriendWhoCannotPayIsSubsidisedAndTheEveningPaysForThem) {
  StartGame();
  ClickOn(GUI_ControlPanel::Instance().SocialButton());
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  CloseHints();
  // A kind with a price, for two or more: a plain evening (a venue's kind waits for its own
  // window before anyone pays), never a romantic one, which takes only the partner.
  auto wanted = [](const SIM_SocialiseType* t) {
    const bool plain = t->category == "GAME" || t->category == "NIGHTCLUB" || t->category == "BEER";
    return plain && t->minGuests <= 2 && t->GetCost() > 0 && t->hostCost == 0;
  };
  for (size_t i = 0; i < chooser->Available().size() && !wanted(chooser->Current()); ++i) Key(205);
  SIM_SocialiseType* type = chooser->Current();
  ASSERT_TRUE(wanted(type)) << type->GetName();
  SIM_NPC* guest = AFriend();
  ASSERT_NE(guest, nullptr);
  guest->SetCash(0.0f);
  SIM_Finances::Instance().SetCash(500.0f);
  const auto& r = chooser->GetRect();
  MoveMouse(r.left + 50, r.top + 50);
  GUI_SocialActivityChooser::DropPerson(guest);
  GUI_NoMoneyDialog* dialog = GUI_NoMoneyDialog::Instance();
  ASSERT_NE(dialog, nullptr) << type->GetName();
  EXPECT_TRUE(dialog->IsModal());
  EXPECT_EQ(dialog->GetCloseButton(), nullptr);
  EXPECT_EQ(dialog->GetText().find("<VESKSNAME>"), std::string::npos);
  EXPECT_TRUE(chooser->Invitees().empty());
  Frame();
  ClickOn(dialog->SubsidiseButton());
  EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  ASSERT_EQ(SIM_Subsidies::All().size(), 1u);
  ASSERT_EQ(chooser->Invitees().size(), 1u);
  EXPECT_EQ(chooser->Invitees().front(), guest);

  CloseHints();
  Frame();
  ASSERT_TRUE(chooser->StartButton()->IsEnabled());
  ClickOn(chooser->StartButton());
  const float cost = static_cast<float>(type->GetCost());
  // The player's own share and the guest's; the guest neither pays nor pockets anything.
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f - 2.0f * cost);
  EXPECT_FLOAT_EQ(guest->GetCash(), 0.0f);
  EXPECT_TRUE(SIM_Subsidies::All().empty());
}

TEST_F(RomanceWindowsTest, AnOfferAcceptedPutsAHeartByThePartnerWhoseSummaryEndsIt) {
  StartGame();
  SIM_NPC* first = AFriend();
  SIM_NPC* npc = AFriend(1);
  ASSERT_NE(npc, nullptr);
  SIM_Romance::Instance().OfferRomance(first);
  SIM_Romance::Instance().OfferRomance(npc);  // a second offer replaces the first
  GUI_RomanticOffer* offer = GUI_RomanticOffer::Instance();
  ASSERT_NE(offer, nullptr);
  EXPECT_EQ(offer->GetNpc(), npc);
  EXPECT_TRUE(offer->IsModal());
  EXPECT_EQ(offer->GetCloseButton(), nullptr);
  Frame();
  EXPECT_FALSE(GUI_RomanceIcon::Instance().Drawn());  // no partner, no heart
  CloseHints();
  ClickOn(offer->AcceptButton());
  EXPECT_EQ(GUI_RomanticOffer::Instance(), nullptr);
  ASSERT_TRUE(SIM_Romance::Instance().IsPartner(npc));

  Frame();
  GUI_RomanceIcon& heart = GUI_RomanceIcon::Instance();
  ASSERT_TRUE(heart.Drawn());
  Click(static_cast<int>(heart.CentreX()), static_cast<int>(heart.CentreY()));
  GUI_RomanceSummary* summary = GUI_RomanceSummary::Instance();
  ASSERT_NE(summary, nullptr);
  EXPECT_NE(summary->NameLine().find(npc->GetFullName()), std::string::npos);
  EXPECT_EQ(summary->DurationLine().find("<DAYS>"), std::string::npos);
  CloseHints();
  Frame();
  ClickOn(summary->DumpButton());
  EXPECT_EQ(GUI_RomanceSummary::Instance(), nullptr);
  EXPECT_FALSE(SIM_Romance::Instance().HasPartner());
  EXPECT_TRUE(npc->IsRemoved());
  Frame();
  EXPECT_FALSE(heart.Drawn());

  // Rejecting an offer leaves that person unattracted.
  SIM_NPC* other = AFriend();
  other->SetAttraction(0.7f);
  SIM_Romance::Instance().OfferRomance(other);
  CloseHints();
  ClickOn(GUI_RomanticOffer::Instance()->RejectButton());
  EXPECT_EQ(other->GetAttraction(), 0.0f);
  EXPECT_FALSE(SIM_Romance::Instance().HasPartner());
}

TEST_F(RomanceWindowsTest, AGuestWhoLeftSinceTheDropDoesNotComeAndAnEveningLeftShortIsRefused) {
  StartGame();
  SIM_NPC* partner = AFriend();
  SIM_NPC* mate = AFriend(1);
  ASSERT_NE(mate, nullptr);
  SIM_Romance::Instance().SetPartner(partner);
  SIM_Finances::Instance().SetCash(500.0f);
  SIM_SIM::Instance().SetActs(2, 0);
  const auto chooserAt = [this](const char* kind) {
    CloseHints();
    ClickOn(GUI_ControlPanel::Instance().SocialButton());
    GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
    CloseHints();
    while (chooser && chooser->Current()->GetName() != kind && chooser->NextArrow()->IsVisible())
      Key(205);
    if (chooser) MoveMouse(chooser->GetRect().left + 50, chooser->GetRect().top + 50);
    return chooser && chooser->Current()->GetName() == kind ? chooser : nullptr;
  };
  const auto says = [](const char* key) {  // the message box on top says it
    const auto& modal = GUI_WindowManager::Instance().ModalWindows();
    auto* box = modal.empty() ? nullptr : dynamic_cast<GUI_Message*>(modal.back());
    return box && box->GetText() == Translate(key);
  };
  // Both dropped on the pub, the partner sent away through the heart: only the friend comes.
  GUI_SocialActivityChooser* chooser = chooserAt("pub");
  ASSERT_NE(chooser, nullptr);
  mate->SetCash(100.0f);
  for (SIM_NPC* guest : {partner, mate}) GUI_SocialActivityChooser::DropPerson(guest);
  ASSERT_EQ(chooser->Invitees().size(), 2u);
  Frame();
  const GUI_RomanceIcon& heart = GUI_RomanceIcon::Instance();
  Click(static_cast<int>(heart.CentreX()), static_cast<int>(heart.CentreY()));
  ASSERT_NE(GUI_RomanceSummary::Instance(), nullptr);
  ClickOn(GUI_RomanceSummary::Instance()->DumpButton());
  ClickOn(chooser->StartButton());
  ASSERT_FALSE(SIM_SocialiseInstance::All().empty());
  EXPECT_EQ(SIM_SocialiseInstance::All().back()->Invitees(), std::vector<SIM_Person*>{mate});
  GUI_PostMortem::Close();
  // A romantic outing whose partner ended it herself: a refused drop and a refused start both
  // say why, and the chooser stays.
  SIM_Romance::Instance().SetPartner(mate);
  chooser = chooserAt("candlelitdinner");
  ASSERT_NE(chooser, nullptr);
  GUI_SocialActivityChooser::DropPerson(mate);
  SIM_Romance::Instance().DumpedByPartner();
  Frame();  // her portrait leaves at once, and the greyed start says why
  EXPECT_TRUE(chooser->Invitees().empty());
  EXPECT_EQ(chooser->StartButton()->GetDisabledReason(), Translate("WHY_ROMANCE_OVER"));
  ClickOn(chooser->StartButton());
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), chooser);
  GUI_SocialActivityChooser::DropPerson(mate);
  EXPECT_TRUE(says("WHY_PARTNER_ONLY"));
}

TEST_F(RomanceWindowsTest, ASummaryOpenWhenTheNextDayLosesThePartnerCloses) {
  StartGame();
  SIM_NPC* npc = AFriend();
  ASSERT_NE(npc, nullptr);
  SIM_Romance::Instance().SetPartner(npc);
  SIM_Relationship* r = SIM_Vesk::Instance()->FindRelationship(npc);
  ASSERT_NE(r, nullptr);
  r->SetStrength(SIM_GlobalVariables::Instance().Get("GV_ROMANCE_BUSTUP_THRESHHOLD") + 0.001f);
  GUI_RomanceSummary::Open();
  ASSERT_NE(GUI_RomanceSummary::Instance(), nullptr);
  SIM_SIM::Instance().NextDay();  // the day's fading takes the bond below the bust-up
  EXPECT_FALSE(SIM_Romance::Instance().HasPartner());
  EXPECT_EQ(GUI_RomanceSummary::Instance(), nullptr);
  for (int i = 0; i < 3; ++i) Frame();  // and nothing draws the partner that was
}

}  // namespace
}  // namespace guitest
