// The answer to an application and a contact's job offer: their letters, the buttons that use
// up the offer and its mail item, and the item's end closing the window that holds it.
#include <gtest/gtest.h>

#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobUnlock.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

class JobOfferTest : public PlayTest {
 protected:
  void TearDown() override {
    GUI_JobOffer::Close();
    GUI_JobUnlock::Close();
    GUI_Email::DeleteAll();
    SIM_JobOffer::DeleteAll();
    PlayTest::TearDown();
  }
  // A table job the player does not hold, with a known salary.
  SIM_JobBase* Job() {
    for (SIM_JobBase* job : SIM_JobBase::All()) {
      if (job == SIM_Vesk::Instance()->GetJob() || job->GetName() == "unemployed" ||
          SIM_EntertainJob::IsEntertainmentIndustry(job->GetIndustryName()))
        continue;
      job->SetSalaryRange(23456.7f, 40000.0f);
      return job;
    }
    return nullptr;
  }
  // An offer as it arrives: delivered, with its mail item, and its window open and drawn.
  GUI_Email* Arrive(SIM_JobOffer* offer) {
    offer->Restore(false, 0, false);
    GUI_Email* item = GUI_Email::AddJobOffer(offer);
    GUI_JobOffer::Open(offer, item);
    if (GUI_JobOffer::Instance()) GUI_JobOffer::Instance()->Draw();
    return item;
  }
};

TEST_F(JobOfferTest, AcceptingTakesTheJobAndUsesUpOfferItemAndWindow) {
  SIM_JobBase* job = Job();
  ASSERT_NE(job, nullptr);
  SIM_JobOffer* offer = new SIM_JobOffer(job, true, SIM_JobOffer::kOther);
  Arrive(offer);
  GUI_JobOffer* window = GUI_JobOffer::Instance();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetTitle(), Translate("JOBOFFER_TITLE"));
  EXPECT_EQ(window->GetWidth(), GUI_JobOffer::kWidth);
  ClickOn(window->GetAcceptButton());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), job);
  EXPECT_TRUE(SIM_JobOffer::All().empty());
  EXPECT_TRUE(GUI_Email::Items().empty());
  EXPECT_FALSE(GUI_JobOffer::IsOpen());
}

TEST_F(JobOfferTest, RejectingUsesUpBothButKeepsTheJobAndClosingKeepsEverything) {
  SIM_JobBase* before = SIM_Vesk::Instance()->GetJob();
  SIM_JobOffer* offer = new SIM_JobOffer(Job(), true, SIM_JobOffer::kOther);
  GUI_Email* item = Arrive(offer);
  GUI_JobOffer::Close();
  EXPECT_TRUE(SIM_JobOffer::Exists(offer));
  ASSERT_EQ(GUI_Email::Items().size(), 1u);
  EXPECT_FALSE(item->HasHolder());

  GUI_JobOffer::Open(offer, item);  // the item opened again
  GUI_JobOffer::Instance()->Draw();
  ClickOn(GUI_JobOffer::Instance()->GetRejectButton());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), before);
  EXPECT_FALSE(SIM_JobOffer::Exists(offer));
  EXPECT_TRUE(GUI_Email::Items().empty());
}

TEST_F(JobOfferTest, TheOfferLetterNamesThePlayerSalaryAndEmployerOnce) {
  SIM_JobBase* job = Job();
  SIM_JobOffer offer(job, true, SIM_JobOffer::kOther);
  const std::string letter = GUI_JobOffer::BuildLetter(offer);
  EXPECT_NE(letter.find("\xA3" "23,456 "), std::string::npos);
  EXPECT_NE(letter.find(SIM_Vesk::Instance()->GetForename()), std::string::npos);
  EXPECT_NE(letter.find(job->GetEmployer()), std::string::npos);
  EXPECT_EQ(letter.find("<SALARY>"), std::string::npos);
  EXPECT_EQ(letter.find("<VESKSNAME>"), std::string::npos);

  // A salary beyond an int's range is shown at the limit, not wrapped round.
  job->SetSalaryRange(1e12f, 1e12f);
  EXPECT_NE(GUI_JobOffer::BuildLetter(offer).find("\xA3" "2,147,483,647"), std::string::npos);
}

TEST_F(JobOfferTest, ARejectionShowsTheReasonAndKnocksConfidenceOnceHoweverOftenRead) {
  SIM_JobOffer* offer = new SIM_JobOffer(Job(), false, SIM_JobOffer::kTiredness);
  SIM_Vesk::Instance()->SetValue("confidence", 0.9f);
  GUI_Email* item = Arrive(offer);
  GUI_JobOffer* window = GUI_JobOffer::Instance();
  ASSERT_NE(window, nullptr);
  EXPECT_EQ(window->GetTitle(), Translate("JOBOFFER_TITLE_REJECTED"));
  EXPECT_EQ(window->GetAcceptButton(), nullptr);
  EXPECT_NE(window->GetText().find(Translate("JOB_REASON_TIREDNESS")), std::string::npos);
  const float once = SIM_Vesk::Instance()->GetValue("confidence");
  EXPECT_LT(once, 0.9f);
  GUI_JobOffer::Close();
  GUI_JobOffer::Open(offer, item);
  EXPECT_FLOAT_EQ(SIM_Vesk::Instance()->GetValue("confidence"), once);

  // A reason outside the known ones leaves the placeholder filled with nothing known.
  SIM_JobOffer odd(Job(), false, 9);
  EXPECT_EQ(GUI_JobOffer::BuildLetter(odd).find("<REASON>"), std::string::npos);
}

TEST_F(JobOfferTest, TheDaysEndDeletingTheItemClosesTheWindowHoldingIt) {
  SIM_JobOffer* offer = new SIM_JobOffer(Job(), true, SIM_JobOffer::kOther);
  Arrive(offer);
  ASSERT_TRUE(GUI_JobOffer::IsOpen());
  GUI_Email::DeleteAll();
  EXPECT_FALSE(GUI_JobOffer::IsOpen());
  // A new game takes the offer; a window opened on it closes at its next frame.
  SIM_JobOffer* other = new SIM_JobOffer(Job(), true, SIM_JobOffer::kOther);
  Arrive(other);
  SIM_JobOffer::DeleteAll();
  GUI_WindowManager::Instance().DrawAll();
  EXPECT_FALSE(GUI_JobOffer::IsOpen());
}

TEST_F(JobOfferTest, ASecondOfferReplacesTheWindowAndTheFirstStays) {
  SIM_JobOffer* first = new SIM_JobOffer(Job(), true, SIM_JobOffer::kOther);
  GUI_Email* firstItem = Arrive(first);
  SIM_JobOffer* second = new SIM_JobOffer(Job(), true, SIM_JobOffer::kOther);
  Arrive(second);
  EXPECT_EQ(GUI_JobOffer::Instance()->GetOffer(), second);
  EXPECT_TRUE(SIM_JobOffer::Exists(first));
  EXPECT_FALSE(firstItem->HasHolder());
  EXPECT_EQ(GUI_Email::Items().size(), 2u);
  // Nothing opens without an offer or an item.
  GUI_JobOffer::Close();
  GUI_JobOffer::Open(nullptr, firstItem);
  GUI_JobOffer::Open(first, nullptr);
  EXPECT_FALSE(GUI_JobOffer::IsOpen());
  EXPECT_EQ(assertions.size(), 2u);
}

TEST_F(JobOfferTest, AContactsOfferShowsAndGrantsTheirUnlockableJob) {
  ASSERT_FALSE(SIM_NPC::All().empty());
  SIM_NPC* npc = SIM_NPC::All().front();
  SIM_JobBase* unlockable = Job();
  npc->SetUnlockableJob(unlockable);
  GUI_Email* item = GUI_Email::AddJobUnlock(npc, unlockable);
  GUI_JobUnlock::Open(npc, item);
  GUI_JobUnlock* window = GUI_JobUnlock::Instance();
  ASSERT_NE(window, nullptr);
  window->Draw();
  EXPECT_EQ(window->GetWidth(), GUI_JobUnlock::kWidth);
  EXPECT_NE(window->GetTitle().find(npc->GetFullName()), std::string::npos);
  EXPECT_EQ(window->GetJob(), unlockable);
  EXPECT_EQ(window->GetSalaryRow(), "\xA3 23,456");
  EXPECT_TRUE(Queued(window->GetEmployerRow()));

  // The close button keeps the item; the day's end closes a window holding it.
  GUI_JobUnlock::Close();
  EXPECT_EQ(GUI_Email::Items().size(), 1u);
  GUI_JobUnlock::Open(npc, item);
  GUI_JobUnlock::Instance()->Draw();
  ClickOn(GUI_JobUnlock::Instance()->GetAcceptButton());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), unlockable);
  EXPECT_TRUE(GUI_Email::Items().empty());
  EXPECT_FALSE(GUI_JobUnlock::IsOpen());
}

TEST_F(JobOfferTest, RejectingAContactsOfferKeepsTheJobAndTheDaysEndClosesIt) {
  SIM_NPC* npc = SIM_NPC::All().front();
  SIM_JobBase* before = SIM_Vesk::Instance()->GetJob();
  npc->SetUnlockableJob(Job());
  GUI_JobUnlock::Open(npc, GUI_Email::AddJobUnlock(npc, npc->GetUnlockableJob()));
  GUI_JobUnlock::Instance()->Draw();
  ClickOn(GUI_JobUnlock::Instance()->GetRejectButton());
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), before);
  EXPECT_TRUE(GUI_Email::Items().empty());

  GUI_JobUnlock::Open(npc, GUI_Email::AddJobUnlock(npc, npc->GetUnlockableJob()));
  GUI_Email::DeleteAll();
  EXPECT_FALSE(GUI_JobUnlock::IsOpen());
}

}  // namespace
}  // namespace guitest
