// A social evening through input events only: from the main menu to a new game, the control
// panel's social button, the chooser (stepping, inviting, starting), the report drawn in place
// of the main scene, and continue back to the main scene.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/GUI_Sounds.h"
#include "app/Game.h"
#include "engine/CallTrace.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Random.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/GUI_NightClubLights.h"
#include "gui/windows/GUI_PostMortem.h"
#include "platform/Audio.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kReturn = 28, kLeft = 203, kRight = 205;

class SocialEveningTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    GUI_SocialActivityChooser::Close();
    GUI_PostMortem::Close();
    GUI_Services::SetRecording(false);
    PlayTest::TearDown();
  }
  // Drops a person with the mouse at (x, y), as a dragged contact icon does when released.
  void Drop(SIM_Person* person, float x, float y) {
    MoveMouse(static_cast<int>(x), static_cast<int>(y));
    GUI_SocialActivityChooser::DropPerson(person);
  }
  static bool RecordedText(const std::string& text) {
    for (const auto& item : GUI_Services::RecordedTexts())
      if (item.text == text) return true;
    return false;
  }
};

TEST_F(SocialEveningTest, FromTheSocialButtonToTheReportAndBack) {
  StartGame();
  ASSERT_EQ(SIM_SIM::Instance().GetPhase(), 1);
  GUI_ControlPanel& panel = GUI_ControlPanel::Instance();
  ClickOn(panel.SocialButton());
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), chooser);
  CloseHints();
  Frame();
  ASSERT_GE(chooser->Available().size(), 2u);

  // The arrows and keys step without wrapping; the first kind hides the previous arrow.
  EXPECT_FALSE(chooser->PreviousArrow()->IsVisible());
  Key(kLeft);
  EXPECT_EQ(chooser->Current(), chooser->Available().front());
  ClickOn(chooser->NextArrow());
  EXPECT_EQ(chooser->Current(), chooser->Available()[1]);
  Key(kLeft);
  EXPECT_EQ(chooser->Current(), chooser->Available().front());
  GUI_GUI::Instance().OnWheelDown();
  EXPECT_EQ(chooser->Current(), chooser->Available()[1]);
  GUI_GUI::Instance().OnWheelUp();
  // A kind the player's friends will come to, a bowling night where there is one.
  SIM_SocialiseType* wanted = SIM_SocialiseType::FindByName("bowling");
  for (size_t i = 0; i < chooser->Available().size() && chooser->Current() != wanted; ++i) Key(kRight);
  if (chooser->Current() != wanted) {
    while (chooser->PreviousArrow()->IsVisible()) Key(kLeft);
    while (chooser->Current()->category == "ROMANTIC" || chooser->Current()->minGuests > 2)
      Key(kRight);
  }
  SIM_SocialiseType* type = chooser->Current();
  Frame();
  EXPECT_FALSE(chooser->StartButton()->IsEnabled());  // nobody invited
  const int places = std::min(type->maxGuests - 1, 10);
  ASSERT_EQ(static_cast<int>(chooser->Icons().size()), places);
  Key(kReturn);  // a disabled start: Return starts nothing either
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), chooser);

  // Invite: a drop outside the chooser is ignored, one over it joins, once (a second is
  // refused with a word).
  SIM_NPC* guest = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) guest = npc;
  ASSERT_NE(guest, nullptr);
  guest->SetCash(500.0f);
  const auto& r = chooser->GetRect();
  Drop(guest, static_cast<float>(r.right + 50), static_cast<float>(r.top + 50));
  EXPECT_TRUE(chooser->Invitees().empty());
  Drop(guest, static_cast<float>(r.left + 50), static_cast<float>(r.top + 50));
  ASSERT_EQ(chooser->Invitees().size(), 1u);
  Drop(guest, static_cast<float>(r.left + 50), static_cast<float>(r.top + 50));
  EXPECT_EQ(chooser->Invitees().size(), 1u);
  Key(kReturn);  // the box saying why takes the key and closes
  EXPECT_EQ(chooser->Icons().front()->GetPerson(), guest);
  EXPECT_EQ(static_cast<int>(chooser->Icons().size()), places);  // the guest took a place

  // Changing the kind drops the guests and the subsidies; stepping back, invite again.
  ClearTracedCalls();
  if (chooser->NextArrow()->IsVisible()) {
    SIM_Subsidies::Add(guest);
    Key(kRight);
    EXPECT_TRUE(chooser->Invitees().empty());
    EXPECT_TRUE(SIM_Subsidies::All().empty());
    Key(kLeft);
  }
  ASSERT_EQ(chooser->Current(), type);
  if (chooser->Invitees().empty()) Drop(guest, static_cast<float>(r.left + 50), static_cast<float>(r.top + 50));
  ASSERT_EQ(chooser->Invitees().size(), 1u);

  // Start: the slot is used, the cost paid, the report stands in for the main scene.
  SIM_Finances::Instance().SetCash(500.0f);
  Frame();
  ASSERT_TRUE(chooser->StartButton()->IsEnabled());
  const int used = SIM_SIM::Instance().GetActsUsed();
  ClickOn(chooser->StartButton());
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f - static_cast<float>(type->GetHostCost()));
  ASSERT_TRUE(GUI_PostMortem::IsOpen());
  GUI_PostMortem* report = GUI_PostMortem::Instance();
  ASSERT_EQ(report->Icons().size(), 1u);
  EXPECT_EQ(report->Selected(), report->GetEvening()->Reports()[0].get());

  // A click while a hint is open but on none of them beeps and reaches nothing: continue,
  // away from the hints, leaves the report open.
  ASSERT_TRUE(GUI_HintHelp::IsAnyOpen());
  GUI_Services::SetRecording(true);
  ClickOn(report->ContinueButton());
  EXPECT_EQ(GUI_Services::RecordedSounds(), std::vector<std::string>{"data/sounds/error.ogg"});
  EXPECT_TRUE(GUI_PostMortem::IsOpen());
  CloseHints();
  GUI_Services::SetRecording(true);
  Frame();
  EXPECT_TRUE(RecordedText(guest->GetFullName()));
  EXPECT_TRUE(RecordedText(report->GetEvening()->Reports()[0]->overallText));
  ClickOn(report->Icons().front());
  EXPECT_EQ(report->Selected(), report->GetEvening()->Reports()[0].get());

  ClickOn(report->ContinueButton());
  EXPECT_FALSE(GUI_PostMortem::IsOpen());
  Frame();
  EXPECT_TRUE(GUI_GUI::Instance().ShowsMainScene());
}

// The foot of the report shows the change the player's own evening made to the standing (none
// past the cap), and the bonus line, the part of it the bonus made, only for a kind of evening
// the player never organised before; an evening a character organised shows neither.
TEST_F(SocialEveningTest, TheNewActivityBonusLineShowsOnlyForAKindNeverOrganisedBefore) {
  StartGame();
  SIM_SIM::Instance().SetActs(6, 0);
  SIM_Finances::Instance().SetCash(500.0f);
  std::vector<SIM_NPC*> friends;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) friends.push_back(npc);
  ASSERT_GE(friends.size(), 3u);
  for (SIM_NPC* npc : friends) npc->SetCash(500.0f);

  // A bowling night with the friend, from the social button to the start button.
  auto bowlWith = [&](SIM_NPC* guest) {
    ClickOn(GUI_ControlPanel::Instance().SocialButton());
    GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
    ASSERT_NE(chooser, nullptr);
    CloseHints();
    while (chooser->Current()->GetName() != "bowling" && chooser->NextArrow()->IsVisible()) Key(kRight);
    ASSERT_EQ(chooser->Current()->GetName(), "bowling");
    const auto& r = chooser->GetRect();
    Drop(guest, static_cast<float>(r.left + 50), static_cast<float>(r.top + 50));
    Frame();
    ClickOn(chooser->StartButton());
  };
  // The friend's invitation to the pub, accepted.
  auto acceptInvitationFrom = [&](SIM_NPC* host) {
    GUI_SocialInvitation* window = OpenInvitationFrom(host, SIM_SocialiseType::FindByName("pub"));
    ASSERT_NE(window, nullptr);
    ClickOn(window->AcceptButton());
  };

  const std::string total = Translate("TOTAL_TOVEL_EARNED") + std::string(" : ");
  const std::string bonus = Translate("ACTIVITY_TOVEL_EARNED") + std::string(" : ");
  const struct {
    const char* what;
    std::function<void()> evening;
    bool totalLine;
    const char* bonusLine;  // null for none
    const char* totalFigure = nullptr;  // null for whatever the evening earned
  } cases[] = {
      // Above the floor, where the bonus counts in full whatever the guest thought of it.
      {"a kind never organised",
       [&] { SIM_Tovel::Instance().SetEarned(10.0f); bowlWith(friends[0]); }, true, "1.00"},
      {"the same kind again", [&] { bowlWith(friends[1]); }, true, nullptr},
      // The earned part far past its cap: whatever the evening was worth, nothing changed.
      {"the same kind at the cap",
       [&] {
         SIM_Tovel::Instance().SetEarned(400.0f);
         bowlWith(friends[2]);
       },
       true, nullptr, "0.00"},
      {"a character's evening", [&] { acceptInvitationFrom(friends[2]); }, false, nullptr},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    c.evening();
    ASSERT_TRUE(GUI_PostMortem::IsOpen());
    CloseHints();
    GUI_Services::SetRecording(true);
    Frame();
    std::vector<std::string> foot;
    for (const auto& item : GUI_Services::RecordedTexts())
      if (item.text.rfind(total, 0) == 0 || item.text.rfind(bonus, 0) == 0) foot.push_back(item.text);
    GUI_Services::SetRecording(false);
    ASSERT_EQ(foot.size(), (c.totalLine ? 1u : 0u) + (c.bonusLine ? 1u : 0u));
    if (c.totalLine) {
      EXPECT_EQ(foot.front().rfind(total, 0), 0u) << foot.front();
      if (c.totalFigure) {
        EXPECT_EQ(foot.front(), total + c.totalFigure);
      }
    }
    if (c.bonusLine) {
      EXPECT_EQ(foot.back(), bonus + c.bonusLine);
    }
    ClickOn(GUI_PostMortem::Instance()->ContinueButton());
    ASSERT_FALSE(GUI_PostMortem::IsOpen());
  }
}

TEST_F(SocialEveningTest, NoStartOutsideTheActivitiesAndAnEmptyDayOffersNothing) {
  StartGame();
  GUI_SocialActivityChooser::Open();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  CloseHints();
  SIM_NPC* guest = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) guest = npc;
  ASSERT_NE(guest, nullptr);
  while (chooser->Current() && chooser->Current()->category == "ROMANTIC") Key(kRight);
  GUI_SocialActivityChooser::AddInvitee(guest);
  SIM_Finances::Instance().SetCash(500.0f);
  SIM_SIM::Instance().SetPhase(2);
  Frame();
  EXPECT_FALSE(chooser->StartButton()->IsEnabled());
  Key(kReturn);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), chooser);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  SIM_SIM::Instance().SetPhase(1);
  Frame();
  EXPECT_TRUE(chooser->StartButton()->IsEnabled());
  GUI_SocialActivityChooser::Close();

  // No kind offered today: an empty page, a disabled start, arrows and Return doing nothing.
  SIM_SocialiseType::ClearForTesting();
  GUI_SocialActivityChooser::Open();
  chooser = GUI_SocialActivityChooser::Instance();
  CloseHints();
  Frame();
  EXPECT_EQ(chooser->Current(), nullptr);
  EXPECT_TRUE(chooser->Icons().empty());
  EXPECT_FALSE(chooser->StartButton()->IsEnabled());
  EXPECT_FALSE(chooser->NextArrow()->IsVisible());
  Key(kRight);
  Key(kReturn);
  GUI_SocialActivityChooser::DropPerson(guest);
  EXPECT_TRUE(chooser->Invitees().empty());
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), chooser);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
}

TEST_F(SocialEveningTest, PlacesFillTwoCentredRowsAndTheReportStacksItsGuests) {
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* party = SIM_SocialiseType::Add("party");
  checkShippedTexts = false;  // a kind of evening made here, without texts
  party->category = "BEER";
  party->maxGuests = 99;
  party->minGuests = 3;
  GUI_SocialActivityChooser::Open();
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  ASSERT_NE(chooser, nullptr);
  CloseHints();
  // Ten places at most, the first two required (three people counting the player).
  const auto& icons = chooser->Icons();
  ASSERT_EQ(icons.size(), 10u);
  EXPECT_TRUE(icons[0]->IsRequired());
  EXPECT_TRUE(icons[1]->IsRequired());
  EXPECT_FALSE(icons[2]->IsRequired());
  const auto& box = chooser->GetRect();
  const int centre = (box.left + box.right) / 2;
  EXPECT_NEAR(icons[0]->GetRect().left, centre - 5 * 45 / 2, 1);
  EXPECT_EQ(icons[4]->GetRect().left, icons[0]->GetRect().left + 4 * 45);
  EXPECT_EQ(icons[5]->GetRect().left, icons[0]->GetRect().left);
  EXPECT_EQ(icons[5]->GetRect().top, icons[0]->GetRect().top + 50);

  std::vector<SIM_NPC*> guests(SIM_NPC::All().begin(), SIM_NPC::All().end());
  ASSERT_GE(guests.size(), 3u);
  SIM_Finances::Instance().SetCash(500.0f);
  GUI_SocialActivityChooser::AddInvitee(guests[0]);
  Frame();
  EXPECT_FALSE(chooser->StartButton()->IsEnabled());  // two required places, one filled
  GUI_SocialActivityChooser::AddInvitee(guests[1]);
  GUI_SocialActivityChooser::AddInvitee(guests[2]);
  Frame();
  EXPECT_TRUE(chooser->StartButton()->IsEnabled());
  EXPECT_EQ(icons.size(), 10u);
  EXPECT_EQ(icons[0]->GetPerson(), guests[2]);  // the latest guest stands first
  ClickOn(chooser->StartButton());

  // Three guests: icons from the screen's middle less 78, 62 apart.
  GUI_PostMortem* report = GUI_PostMortem::Instance();
  ASSERT_NE(report, nullptr);
  ASSERT_EQ(report->Icons().size(), 3u);
  const int h = D3DEngine::Instance().GetHeight();
  for (int i = 0; i < 3; ++i) EXPECT_EQ(report->Icons()[i]->GetRect().top, h / 2 - 78 + 62 * i) << i;
  EXPECT_EQ(report->FortuneCookie(), nullptr);  // no Chinese meal, no cookie
  CloseHints();
  Frame();
  ClickOn(report->Icons()[2]);
  EXPECT_EQ(report->Selected(), report->GetEvening()->Reports()[2].get());
}

TEST_F(SocialEveningTest, AChineseMealLeavesACookieWithoutTouchingTheGamesDraws) {
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* chinese = SIM_SocialiseType::Add("chineserestaurant");
  checkShippedTexts = false;  // a kind of evening made here, without texts
  SIM_SocialiseInstance* evening = SIM_SocialiseInstance::CreateForType(chinese);
  ASSERT_NE(evening, nullptr);
  const uint32_t state = GetRandomState();
  GUI_PostMortem* report = GUI_PostMortem::Open(evening);
  EXPECT_EQ(GetRandomState(), state);
  ASSERT_NE(report->FortuneCookie(), nullptr);
  EXPECT_FALSE(report->Fortune().empty());
  EXPECT_EQ(report->Selected(), nullptr);  // nobody came: nothing to pick
  report->AddLine("first");
  report->AddLine("second");
  EXPECT_EQ(report->Lines().size(), 2u);
  CloseHints();
  Frame();  // an evening without guests draws its page alone
  GUI_PostMortem::Close();
  EXPECT_FALSE(GUI_PostMortem::IsOpen());
}

TEST_F(SocialEveningTest, ANightClubsReportPulsesItsLightsWhileTheMusicPlaysAndNoOtherDoes) {
  SIM_SocialiseType::ClearForTesting();
  SIM_SocialiseType* club = SIM_SocialiseType::Add("nightclub");
  checkShippedTexts = false;  // a kind of evening made here, without texts
  club->category = "NIGHTCLUB";
  SIM_SocialiseType* pub = SIM_SocialiseType::Add("pub");
  pub->category = "BEER";
  GUI_Sounds& sounds = GUI_Sounds::Instance();

  GUI_PostMortem* report = GUI_PostMortem::Open(SIM_SocialiseInstance::CreateForType(club));
  ASSERT_NE(report->Lights(), nullptr);
  CloseHints();
  Frame();  // no music yet: no lights
  EXPECT_EQ(report->Lights()->DrawnLights(), 0);
  sounds.PlayNightclubMusic("data/sounds/dancemusic.ogg");
  ASSERT_TRUE(sounds.IsNightclubPlaying());
  Frame();
  EXPECT_EQ(report->Lights()->DrawnLights(), GUI_NightClubLights::kLights);
  // The evening's track ends: the lights go out with it.
  plat::HaltChannel(plat::kNightclubChannel);
  sounds.UpdateSounds();
  Frame();
  EXPECT_EQ(report->Lights()->DrawnLights(), 0);

  // A pub evening has none, whatever plays.
  sounds.PlayNightclubMusic("data/sounds/dancemusic.ogg");
  report = GUI_PostMortem::Open(SIM_SocialiseInstance::CreateForType(pub));
  EXPECT_EQ(report->Lights(), nullptr);
  CloseHints();
  Frame();
  GUI_PostMortem::Close();
  plat::HaltChannel(plat::kNightclubChannel);
  sounds.UpdateSounds();
}

TEST_F(SocialEveningTest, TheReportHeadsTheGossipOnlyWhenThereIsSome) {
  StartGame();
  SIM_NPC* guest = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer()) guest = npc;
  ASSERT_NE(guest, nullptr);
  guest->SetCash(500.0f);
  SIM_Finances::Instance().SetCash(500.0f);
  SIM_SocialiseType* club = SIM_SocialiseType::FindByName("nightclub");
  ASSERT_NE(club, nullptr);
  SIM_SocialiseInstance* evening =
      SIM_SocialiseInstance::StartEvening({guest}, club, SIM_Vesk::Instance());
  ASSERT_NE(evening, nullptr);
  if (!GUI_PostMortem::IsOpen()) GUI_PostMortem::Open(evening);
  CloseHints();
  SIM_SocialiseReport* report = nullptr;
  for (const auto& r : evening->Reports())
    if (r->person == guest) report = r.get();
  ASSERT_NE(report, nullptr);
  SIM_Rumour* told = SIM_Rumour::Create("The vicar has taken up the drums.", SIM_Rumour::kFilms);
  SIM_Rumour* gone = SIM_Rumour::Create("The bakery is closing.", SIM_Rumour::kRestaurants);
  SIM_Rumour::RemoveAllFor(SIM_Rumour::kRestaurants);
  const struct {
    const char* what;
    SIM_Rumour* rumour;
    bool heading;
  } cases[] = {{"no gossip", nullptr, false}, {"gossip", told, true}, {"gossip since gone", gone, false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    report->rumour = c.rumour;
    GUI_Services::SetRecording(true);
    Frame();
    EXPECT_EQ(RecordedText(Translate("POSTMORTEM_GOSSIP")), c.heading);
    if (c.heading) {
      EXPECT_TRUE(RecordedText(c.rumour->GetText()));
    }
  }
  report->rumour = nullptr;
  SIM_Rumour::RemoveAllFor(SIM_Rumour::kFilms);
}

}  // namespace
}  // namespace guitest
