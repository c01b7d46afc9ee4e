// The main screen's mail and phone items in a started game: where they slide, what they ring,
// what a click opens, and that the day's end takes them (and the dialogs holding them) away.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "app/GUI_Sounds.h"
#include "engine/CallTrace.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_Email.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "sim/SIM_RoyaltyStream.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_TextureMessage.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobUnlock.h"
#include "gui/windows/GUI_NPCMessage.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "gui/windows/GUI_SocialInvitation.h"

namespace guitest {
namespace {

constexpr const char* kTelephone = "data/sounds/telephone.ogg";
constexpr const char* kMail = "data/sounds/youhavemail.ogg";

class EmailTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    ASSERT_NE(SIM_SIM::Instance().GetPhase(), 0);
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kNewMailSound, true);
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
    // The screen's start measures frames from here, on the test clock: each Advance(12) is
    // one frame step.
    GUI_GUI::Instance().StartGame();
    GUI_Email::DrawAll();  // no batch left pending from before
    GUI_Services::SetRecording(true);
  }
  void TearDown() override {
    GUI_JobOffer::Close();
    GUI_JobUnlock::Close();
    GUI_Email::DeleteAll();
    PlayTest::TearDown();
  }
  // Frames of 12 ms (one frame step each) until every item stands at its target.
  void SlideHome() {
    for (int i = 0; i < 200; ++i) {
      clock.Advance(12);
      InGameFrame();
    }
  }
  static SIM_NPC* AnyNpc() { return SIM_NPC::All().front(); }
  static GUI_TextureMessage* OpenPictureMessage() {
    for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
      if (auto* box = dynamic_cast<GUI_TextureMessage*>(window)) return box;
    return nullptr;
  }
  static int Stops(const std::string& file) {
    const auto& stops = GUI_Services::RecordedStops();
    return static_cast<int>(std::count(stops.begin(), stops.end(), file));
  }

  ManualTimerClock clock;
  const float w = 1024.0f;
};

TEST_F(EmailTest, NewFriendRingsOnceSlidesInOpensTheGreetingAndGoesWithTheDay) {
  ASSERT_FALSE(SIM_NPC::All().empty());
  SIM_NPC* npc = AnyNpc();
  npc->BecomeFriend();
  ASSERT_EQ(GUI_Email::Items().size(), 1u);
  GUI_Email* item = GUI_Email::Items().front();
  EXPECT_EQ(item->GetType(), EMAIL_NEWFRIEND);
  // Made just off the right edge, below the avatar's anchor.
  EXPECT_EQ(item->GetRect().left, 1024 + 41);
  EXPECT_EQ(item->GetRect().top, 768 / 2 + 266);
  EXPECT_EQ(item->GetRect().right - item->GetRect().left, 41);

  clock.Advance(12);
  InGameFrame();
  EXPECT_EQ(item->GetRect().left, 1024 + 41 - 12);  // 12 px a frame step
  SlideHome();
  EXPECT_EQ(item->GetRect().left, 512 + 41);
  EXPECT_EQ(CountSound(kTelephone), 1);
  EXPECT_EQ(item->GetIcon(false), std::string("telephone.dds"));

  ClickOn(item);
  EXPECT_TRUE(item->IsOpened());
  EXPECT_EQ(item->GetIcon(false), std::string("telephone_answered.dds"));
  EXPECT_EQ(Stops(kTelephone), 1);  // answering stops the ringing
  GUI_TextureMessage* box = OpenPictureMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetPicture(), npc->GetGreyPortrait());
  EXPECT_EQ(box->GetText(), Translate("EMAIL_NEWFRIEND"));
  EXPECT_EQ(box->GetTitle(), CutTextureMessageTitle(TranslateWithTokens(
                                 "NPCMESSAGEFROM", "NAME=" + npc->GetFullName() + ",")));
  // Opened, it stays until the day ends.
  InGameFrame();
  ASSERT_EQ(GUI_Email::Items().size(), 1u);
  SIM_SIM::Instance().NextDay();
  // The greeting went with the day; what the new day brings (a character's invitation, as
  // the day's draws decide) is its own.
  for (const GUI_Email* left : GUI_Email::Items()) EXPECT_EQ(left->GetType(), EMAIL_INVITATION);
}

// In the main scene the items lie over the room and under every window.
TEST_F(EmailTest, ItemsAreDrawnOverTheSceneAndUnderTheWindows) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  auto frame = [this] {
    clock.Advance(12);
    NewFrame();
    GUI_GUI::Instance().Update();
    engine.BeginRender();
    GUI_GUI::Instance().Draw();
    engine.EndScene();
  };
  const int x = 512 + 41 + 20, y = 768 / 2 + 266 + 20;  // the first item's middle
  frame();
  const uint32_t scene = Pixel(x, y);
  GUI_Email::AddTextureMessage("p.dds", "text", "title");
  SlideHome();
  frame();
  const uint32_t item = Pixel(x, y);
  EXPECT_NE(item, scene);
  auto* window = new GUI_Dialog(false);
  window->SetRect(static_cast<float>(x - 60), static_cast<float>(y - 60),
                  static_cast<float>(x + 60), static_cast<float>(y + 60));
  window->Open();
  frame();
  EXPECT_NE(Pixel(x, y), item);
  delete window;
  frame();
  EXPECT_EQ(Pixel(x, y), item);
}

TEST_F(EmailTest, ThreeItemsSlideToTheirPlacesAndCloseUpAfterADeletion) {
  for (int i = 0; i < 3; ++i) GUI_Email::AddTextureMessage("p.dds", "text", "title");
  std::vector<GUI_Email*> items(GUI_Email::Items().begin(), GUI_Email::Items().end());
  for (int i = 0; i < 3; ++i) {
    EXPECT_EQ(items[i]->GetTargetX(), w / 2 + 41.0f * static_cast<float>(i + 1));
    EXPECT_EQ(items[i]->GetRect().left, 1024 + 41 * (i + 1));
  }
  SlideHome();
  EXPECT_EQ(items[2]->GetRect().left, 512 + 123);

  delete items[0];
  // The rest line up from the right edge, then slide back to the places they were made for.
  EXPECT_EQ(items[1]->GetRect().left, 1024 - 41 - 20);
  EXPECT_EQ(items[2]->GetRect().left, 1024 - 41 - 20 - 41);
  SlideHome();
  EXPECT_EQ(items[1]->GetRect().left, 512 + 82);
  EXPECT_EQ(items[2]->GetRect().left, 512 + 123);
}

TEST_F(EmailTest, ALaptopGivesEnvelopesAndTheMailSoundAndLeavesTheTelephoneRinging) {
  GUI_Email* phone = GUI_Email::AddTextureMessage("p.dds", "ring", "t");
  GUI_Email::DrawAll();
  SetGlobalValue("laptop", 1.0f);
  GUI_Email* letter = GUI_Email::AddTextureMessage("p.dds", "mail", "t");
  GUI_Email::DrawAll();
  GUI_Email::DrawAll();  // once per batch
  EXPECT_EQ(CountSound(kTelephone), 1);
  EXPECT_EQ(CountSound(kMail), 1);
  // The look is the one each was made with.
  EXPECT_FALSE(phone->IsLaptop());
  EXPECT_EQ(letter->GetIcon(false), std::string("envelope_closed.dds"));
  EXPECT_EQ(letter->GetIcon(true), std::string("envelope_closed_h.dds"));

  letter->Open();
  EXPECT_EQ(letter->GetIcon(false), std::string("envelope_open.dds"));
  EXPECT_EQ(Stops(kTelephone), 0);
  EXPECT_TRUE(GUI_Sounds::Instance().IsSoundPlaying(kTelephone));  // still ringing (2 s long)
  phone->Open();
  EXPECT_EQ(Stops(kTelephone), 1);
  EXPECT_FALSE(GUI_Sounds::Instance().IsSoundPlaying(kTelephone));
}

TEST_F(EmailTest, WithTheSoundOffTheBatchWaitsForIt) {
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kNewMailSound, false);
  GUI_Email::AddTextureMessage("p.dds", "a", "t");
  GUI_Email::DrawAll();
  EXPECT_EQ(CountSound(kTelephone), 0);
  EXPECT_TRUE(GUI_Email::HasNewMail());
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kNewMailSound, true);
  GUI_Email::DrawAll();
  EXPECT_EQ(CountSound(kTelephone), 1);
  EXPECT_FALSE(GUI_Email::HasNewMail());
}

// The job dialogs keep the item they answer with. The day's end deletes every item; the
// dialog holding one closes with it instead of answering through a freed item later.
TEST_F(EmailTest, TheDaysEndClosesTheJobDialogsHoldingTheirItems) {
  SIM_JobBase* job = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(job, nullptr);
  GUI_Email* offer = GUI_Email::AddJobOffer(new SIM_JobOffer(job, true, SIM_JobOffer::kOther));
  offer->Open();
  ASSERT_TRUE(GUI_JobOffer::IsOpen());
  EXPECT_EQ(GUI_JobOffer::HeldItem(), offer);
  AnyNpc()->SetUnlockableJob(job);
  GUI_Email::AddJobUnlock(AnyNpc(), job)->Open();
  ASSERT_TRUE(GUI_JobUnlock::IsOpen());

  SIM_SIM::Instance().NextDay();
  // The day's own mail (a character's invitation) may have come; the job items are gone.
  for (const GUI_Email* item : GUI_Email::Items()) {
    EXPECT_NE(item->GetType(), EMAIL_JOBOFFER);
    EXPECT_NE(item->GetType(), EMAIL_JOBUNLOCK);
  }
  EXPECT_FALSE(GUI_JobOffer::IsOpen());
  EXPECT_FALSE(GUI_JobUnlock::IsOpen());
  EXPECT_EQ(GUI_JobOffer::HeldItem(), nullptr);
  GUI_JobOffer::Accept();  // nothing left to answer through
  GUI_JobUnlock::Accept();
  for (const GUI_Email* item : GUI_Email::Items()) {
    EXPECT_NE(item->GetType(), EMAIL_JOBOFFER);
    EXPECT_NE(item->GetType(), EMAIL_JOBUNLOCK);
  }
}

TEST_F(EmailTest, ADialogClosedWithoutAnAnswerNoLongerHangsOnItsItem) {
  SIM_JobBase* job = SIM_JobBase::FindByName("waiter_0");
  ASSERT_NE(job, nullptr);
  AnyNpc()->SetUnlockableJob(job);
  GUI_Email* first = GUI_Email::AddJobUnlock(AnyNpc(), job);
  GUI_Email* second = GUI_Email::AddJobUnlock(AnyNpc(), job);
  first->Open();
  GUI_JobUnlock::Close();  // the close button keeps the item
  EXPECT_FALSE(first->HasHolder());
  second->Open();
  delete first;  // not the held one: the dialog stays
  EXPECT_TRUE(GUI_JobUnlock::IsOpen());
  GUI_JobUnlock::Reject();  // the answer uses up the item it holds
  EXPECT_FALSE(GUI_JobUnlock::IsOpen());
  EXPECT_TRUE(GUI_Email::Items().empty());
}

TEST_F(EmailTest, EachTypeOpensItsWindowAndAnAnsweredInvitationLeaves) {
  SIM_SocialiseType* type = SIM_SocialiseType::All().empty()
                                ? SIM_SocialiseType::Add("drinks")
                                : SIM_SocialiseType::All().front().get();
  SIM_SocialInvitation* a = SIM_SocialInvitation::Create(AnyNpc(), type, 0);
  SIM_SocialInvitation* b = SIM_SocialInvitation::Create(AnyNpc(), type, 0);
  a->AddGuest(AnyNpc());
  GUI_Email::AddInvitation(a)->Open();
  ASSERT_NE(GUI_SocialInvitation::Instance(), nullptr);
  EXPECT_EQ(GUI_SocialInvitation::Instance()->GetInvitation(), a);
  GUI_SocialInvitation::CloseAll();
  GUI_Email* other = GUI_Email::AddInvitation(b);
  SIM_RoyaltyStream* stream = CreateRoyaltyStream("Kettle Blues", 10.0f, SIM_RoyaltyStream::kSong);
  GUI_Email::AddRoyaltyReport(stream)->Open();
  ASSERT_NE(GUI_RoyaltyReport::Instance(), nullptr);
  EXPECT_EQ(GUI_RoyaltyReport::Instance()->GetStream(), stream);
  GUI_RoyaltyReport::Close();
  SIM_RoyaltyStream::DeleteAll();
  GUI_Email::AddSpecialEvent(nullptr)->Open();
  SIM_Rumour::DeleteAll();
  GUI_Email* rumour = GUI_Email::AddRumour(AnyNpc());
  rumour->Open();  // no rumour: only marked opened
  EXPECT_TRUE(rumour->IsOpened());
  EXPECT_EQ(GUI_SpecialEvent::Instance(), nullptr);  // no event, no ticket
  EXPECT_EQ(OpenPictureMessage(), nullptr);

  Screens().RemoveInvitation(a);  // as the simulation says it
  EXPECT_EQ(GUI_Email::Items().front(), other);
  EXPECT_EQ(GUI_Email::Items().size(), 4u);

  GUI_Email::AddNPCMessage(AnyNpc(), "See you soon")->Open();
  ASSERT_NE(OpenPictureMessage(), nullptr);
  EXPECT_EQ(OpenPictureMessage()->GetText(), "See you soon");
  SIM_SocialInvitation::DeleteAll();
}

TEST_F(EmailTest, ACharactersMessageIsTitledWithTheNameCutToFit) {
  SIM_NPC* npc = AnyNpc();
  npc->SetFullName("Bartholomew Fotheringay-Smythe");
  ShowNPCMessage(npc, "Hello");
  GUI_TextureMessage* box = OpenPictureMessage();
  ASSERT_NE(box, nullptr);
  EXPECT_EQ(box->GetTitle(), "Message from Bartholomew Foth...");
  EXPECT_EQ(box->GetPicture(), npc->GetGreyPortrait());

  delete box;
  ShowNPCMessage(nullptr, "Hello");
  EXPECT_EQ(assertions.size(), 1u);
  EXPECT_EQ(OpenPictureMessage(), nullptr);
}

}  // namespace
}  // namespace guitest
