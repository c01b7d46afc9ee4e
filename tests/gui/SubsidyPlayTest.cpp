// Paying for a guest who cannot afford an evening, through play: the question about paying
// left alone by keys and the wheel while it is open, the evening the guest was paid for given
// up in each way the game allows (walking away, a venue window closed unfinished, a brawl),
// and the sum the question asks the player to cover.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_BeerPostMortem.h"
#include "gui/windows/GUI_MovieChooser.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kReturn = 28, kLeft = 203, kRight = 205;

class SubsidyPlayTest : public MenuPlayTest {
 protected:
  void TearDown() override {
    GUI_NoMoneyDialog::Close();
    GUI_SocialActivityChooser::Close();
    GUI_RestaurantChooser::Close();
    GUI_RestaurantInstance::Close();
    GUI_MovieChooser::Close();
    GUI_BeerPostMortem::Close();
    GUI_PostMortem::Close();
    if (SIM_Romance::Instance().HasPartner()) SIM_Romance::Instance().SetPartner(nullptr);
    SetGlobalValue("alcoholic", 0.0f);
    PlayTest::TearDown();
  }

  // A new game with slots and money for several evenings, and the player's friends.
  void Begin() {
    StartGame();
    SIM_SIM::Instance().SetActs(6, 0);
    SIM_Finances::Instance().SetCash(500.0f);
    for (SIM_NPC* npc : SIM_NPC::All())
      if (npc->IsFriendOfPlayer()) friends.push_back(npc);
  }
  // The control panel's social button, then the right arrow key up to the kind of evening.
  GUI_SocialActivityChooser* ChooserAt(const std::string& kind) {
    ClickOn(GUI_ControlPanel::Instance().SocialButton());
    GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
    if (!chooser) return nullptr;
    CloseHints();
    for (size_t i = 0; i < chooser->Available().size() && chooser->Current()->GetName() != kind; ++i)
      Key(kRight);
    return chooser->Current() && chooser->Current()->GetName() == kind ? chooser : nullptr;
  }
  // A contact icon dragged onto the chooser and released there.
  void Drop(SIM_NPC* person) {
    const auto& r = GUI_SocialActivityChooser::Instance()->GetRect();
    MoveMouse(r.left + 50, r.top + 50);
    GUI_SocialActivityChooser::DropPerson(person);
  }
  // A friend short of the money (without a penny unless told) is dropped on the chooser and
  // paid for with the question's button.
  void PayFor(SIM_NPC* guest, float cash = 0.0f) {
    guest->SetCash(cash);
    Drop(guest);
    ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
    Frame();
    ClickOn(GUI_NoMoneyDialog::Instance()->SubsidiseButton());
    ASSERT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  }
  // The chooser on the kind of evening with the friend paid for; null when a step failed.
  GUI_SocialActivityChooser* PaidForAt(const std::string& kind, SIM_NPC* guest, float cash = 0.0f) {
    GUI_SocialActivityChooser* chooser = ChooserAt(kind);
    if (!chooser) return nullptr;
    PayFor(guest, cash);
    const bool paid = chooser->Invitees() == std::vector<SIM_Person*>{guest} &&
                      SIM_Subsidies::All() == std::vector<SIM_NPC*>{guest};
    return paid ? chooser : nullptr;
  }
  // A friend's invitation to the pub, opened from its mail item and accepted, to its
  // report's continue; what the evening cost the player.
  float InvitedBy(SIM_NPC* host) {
    const float before = SIM_Finances::Instance().GetCash();
    host->SetCash(500.0f);
    GUI_SocialInvitation* window = OpenInvitationFrom(host, SIM_SocialiseType::FindByName("pub"));
    EXPECT_NE(window, nullptr);
    if (!window) return -1.0f;
    ClickOn(window->AcceptButton());
    EXPECT_TRUE(GUI_PostMortem::IsOpen());
    CloseHints();
    if (GUI_PostMortem::IsOpen()) ClickOn(GUI_PostMortem::Instance()->ContinueButton());
    Frame();
    return before - SIM_Finances::Instance().GetCash();
  }
  static float PubPrice() { return static_cast<float>(SIM_SocialiseType::FindByName("pub")->GetCost()); }
  // A known drinker, drunk, stressed and glum, whose next draw ends a pub evening in a brawl.
  static void SetUpABrawl() {
    SetGlobalValue("alcoholic", 1.0f);
    SIM_Vesk* player = SIM_Vesk::Instance();
    player->SetValue("alcohol", 1.0f);
    player->SetValue("stress", 1.0f);
    player->SetValue("happiness", 0.0f);
    ASSERT_FLOAT_EQ(SIM_BeerInstance::BrawlChance(), 0.8f);
    uint32_t state = GetRandomState();
    while (RandomUnit() >= 0.8f) state = GetRandomState();
    SetRandomState(state);
  }

  // What the player's money did for a friend: their cash and their bond with the player.
  struct Ledger {
    float cash;
    float strength;
    float balance;
    bool operator==(const Ledger&) const = default;
  };
  static Ledger LedgerOf(const SIM_NPC* npc) {
    const SIM_Relationship* bond = npc->FindRelationship(SIM_Vesk::Instance());
    return {npc->GetCash(), bond ? bond->GetStrength() : -1.0f, bond ? bond->GetBalance() : 0.0f};
  }

  std::vector<SIM_NPC*> friends;
};

TEST_F(SubsidyPlayTest, KeysAndTheWheelReachNothingBehindTheQuestionAboutPaying) {
  Begin();
  ASSERT_GE(friends.size(), 3u);
  GUI_SocialActivityChooser* chooser = ChooserAt("pub");
  ASSERT_NE(chooser, nullptr);
  // One friend comes on their own money; the next cannot pay, and the question opens.
  friends[0]->SetCash(500.0f);
  Drop(friends[0]);
  ASSERT_EQ(chooser->Invitees().size(), 1u);
  friends[1]->SetCash(0.0f);
  Drop(friends[1]);
  GUI_NoMoneyDialog* question = GUI_NoMoneyDialog::Instance();
  ASSERT_NE(question, nullptr);
  SIM_SocialiseType* pub = chooser->Current();

  const struct {
    const char* name;
    std::function<void()> press;
  } presses[] = {
      {"left arrow", [this] { Key(kLeft); }},
      {"right arrow", [this] { Key(kRight); }},
      {"wheel up", [] { GUI_GUI::Instance().OnWheelUp(); }},
      {"wheel down", [] { GUI_GUI::Instance().OnWheelDown(); }},
  };
  for (const auto& p : presses) {
    SCOPED_TRACE(p.name);
    p.press();
    Frame();
    // Nothing closed, started or stepped behind the question, which is still asked.
    ASSERT_EQ(GUI_SocialActivityChooser::Instance(), chooser);
    EXPECT_EQ(chooser->Current(), pub);
    EXPECT_EQ(chooser->Invitees().size(), 1u);
    EXPECT_EQ(GUI_NoMoneyDialog::Instance(), question);
    EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
    EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f);
    EXPECT_TRUE(SIM_Subsidies::All().empty());
  }

  // Escape is the question's no, and only the question hears it; Return is its yes, and the
  // friend is paid for on the evening the question was about.
  Key(kEscape);
  EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  ASSERT_EQ(GUI_SocialActivityChooser::Instance(), chooser);
  EXPECT_TRUE(SIM_Subsidies::All().empty());
  Drop(friends[1]);
  ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
  Key(kReturn);
  ASSERT_EQ(chooser->Invitees().size(), 2u);
  EXPECT_EQ(chooser->Current(), pub);
  EXPECT_EQ(SIM_Subsidies::All(), std::vector<SIM_NPC*>{friends[1]});

  // Walking away with Escape gives the evening up, and the friend paid for with it: the
  // next evening costs the player its own price and nobody else's.
  Key(kEscape);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  EXPECT_TRUE(SIM_Subsidies::All().empty());
  const Ledger absent = LedgerOf(friends[1]);
  EXPECT_FLOAT_EQ(InvitedBy(friends[2]), PubPrice());
  EXPECT_EQ(LedgerOf(friends[1]), absent);
}

// A romantic evening is for the partner alone, and its one place is the partner's: a friend
// who cannot pay is turned away before the question about paying comes up, and the question,
// however it was opened, never seats a guest the evening has no place for.
TEST_F(SubsidyPlayTest, ARomanticEveningTakesOnlyThePartnerEvenWhenThePlayerWouldPay) {
  Begin();
  ASSERT_GE(friends.size(), 3u);
  GUI_SocialActivityChooser* chooser = ChooserAt("candlelitdinner");
  ASSERT_NE(chooser, nullptr);
  ASSERT_EQ(chooser->Current()->category, "ROMANTIC");
  SIM_NPC* partner = friends[0];
  SIM_NPC* other = friends[1];
  SIM_NPC* third = friends[2];
  SIM_Romance::Instance().SetPartner(partner);
  for (SIM_NPC* npc : {partner, other, third}) npc->SetCash(0.0f);

  // A friend who is not the partner: no question about paying, nobody invited or paid for.
  Drop(other);
  EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  EXPECT_TRUE(chooser->Invitees().empty());
  EXPECT_TRUE(SIM_Subsidies::All().empty());

  // The question about that friend on the romantic evening: paying seats nobody.
  GUI_NoMoneyDialog::Open(chooser->Current(), other);
  ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
  Frame();
  ASSERT_TRUE(GUI_NoMoneyDialog::Instance()->SubsidiseButton()->IsEnabled());
  ClickOn(GUI_NoMoneyDialog::Instance()->SubsidiseButton());
  EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  EXPECT_TRUE(chooser->Invitees().empty());
  EXPECT_TRUE(SIM_Subsidies::All().empty());

  // The partner who cannot pay is asked about and paid for as usual.
  PayFor(partner);
  EXPECT_EQ(chooser->Invitees(), std::vector<SIM_Person*>{partner});
  EXPECT_EQ(SIM_Subsidies::All(), std::vector<SIM_NPC*>{partner});

  // A new partner: the old one, and her subsidy, leave the outing, and the new one is asked.
  SIM_Romance::Instance().SetPartner(third);
  GUI_NoMoneyDialog::Open(chooser->Current(), third);
  Frame();
  ClickOn(GUI_NoMoneyDialog::Instance()->SubsidiseButton());
  EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
  EXPECT_EQ(chooser->Invitees(), std::vector<SIM_Person*>{third});
  EXPECT_EQ(SIM_Subsidies::All(), std::vector<SIM_NPC*>{third});
}

// A venue's window closed without finishing: the evening never happened, so neither it nor
// any later evening pays for the friend who was to come.
struct UnfinishedVenue {
  const char* kind;
  std::function<GUI_Dialog*()> window;
};

class UnfinishedVenueTest : public SubsidyPlayTest,
                            public ::testing::WithParamInterface<UnfinishedVenue> {};

TEST_P(UnfinishedVenueTest, ClosingTheVenueWindowPaysForNobodyThenOrLater) {
  Begin();
  ASSERT_GE(friends.size(), 2u);
  SIM_NPC* absent = friends[0];
  GUI_SocialActivityChooser* chooser = PaidForAt(GetParam().kind, absent);
  ASSERT_NE(chooser, nullptr);
  Frame();
  ClickOn(chooser->StartButton());
  GUI_Dialog* window = GetParam().window();
  ASSERT_NE(window, nullptr);
  ASSERT_NE(window->GetCloseButton(), nullptr);
  const Ledger before = LedgerOf(absent);
  CloseHints();
  Frame();
  ClickOn(window->GetCloseButton());
  EXPECT_EQ(GetParam().window(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f);

  EXPECT_FLOAT_EQ(InvitedBy(friends[1]), PubPrice());
  EXPECT_EQ(LedgerOf(absent), before);
}

INSTANTIATE_TEST_SUITE_P(
    Venues, UnfinishedVenueTest,
    ::testing::Values(
        UnfinishedVenue{"chineserestaurant", [] { return static_cast<GUI_Dialog*>(GUI_RestaurantChooser::Instance()); }},
        UnfinishedVenue{"cinema", [] { return static_cast<GUI_Dialog*>(GUI_MovieChooser::Instance()); }}),
    [](const auto& venue) { return std::string(venue.param.kind); });

// A venue evening finished after its window waited pays for the friend then, once.
TEST_F(SubsidyPlayTest, ARestaurantEveningPaysForTheFriendWhenTheMealIsOrdered) {
  Begin();
  ASSERT_GE(friends.size(), 2u);
  SIM_NPC* guest = friends[0];
  // A few pounds in the friend's pocket, short of a meal.
  GUI_SocialActivityChooser* chooser = PaidForAt("chineserestaurant", guest, 5.0f);
  ASSERT_NE(chooser, nullptr);
  Frame();
  ClickOn(chooser->StartButton());
  auto* evening = dynamic_cast<SIM_RestaurantInstance*>(SIM_SocialiseInstance::All().back());
  ASSERT_NE(evening, nullptr);
  GUI_RestaurantChooser* restaurants = GUI_RestaurantChooser::Instance();
  ASSERT_NE(restaurants, nullptr);
  ASSERT_FALSE(evening->Candidates().empty());
  evening->Candidates().front()->SetTableToday(true);
  CloseHints();
  Frame();
  ClickOn(restaurants->BookButton());
  ASSERT_NE(GUI_RestaurantInstance::Instance(), nullptr);
  Frame();
  ClickOn(GUI_RestaurantInstance::Instance()->OrderButton());
  ASSERT_TRUE(GUI_PostMortem::IsOpen());
  // The player's own meal and the friend's; the friend neither pays nor pockets anything.
  const auto price = static_cast<float>(evening->GetCost());
  ASSERT_GT(price, 5.0f);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f - 2.0f * price);
  EXPECT_FLOAT_EQ(guest->GetCash(), 5.0f);
  CloseHints();
  ClickOn(GUI_PostMortem::Instance()->ContinueButton());

  // Paid for once: the next evening is the player's own price alone.
  EXPECT_FLOAT_EQ(InvitedBy(friends[1]), PubPrice());
  EXPECT_FLOAT_EQ(guest->GetCash(), 5.0f);
}

// Enough for one dear dinner: paying for a friend is offered (a cheaper table would do), but the
// dearest restaurant takes no booking the cash cannot cover twice over, and says why; the
// table the player can pay for bills both meals and leaves the cash above nothing.
TEST_F(SubsidyPlayTest, ATableIsBookedOnlyWhenTheCashCoversEveryMealPaidFor) {
  Begin();
  ASSERT_GE(friends.size(), 1u);
  SIM_NPC* guest = friends[0];
  SIM_Finances::Instance().SetCash(59.20f);
  GUI_SocialActivityChooser* chooser = PaidForAt("frenchrestaurant", guest);
  ASSERT_NE(chooser, nullptr);
  Frame();
  ClickOn(chooser->StartButton());
  auto* evening = dynamic_cast<SIM_RestaurantInstance*>(SIM_SocialiseInstance::All().back());
  GUI_RestaurantChooser* restaurants = GUI_RestaurantChooser::Instance();
  ASSERT_TRUE(evening && restaurants);
  int dearest = 0;
  for (SIM_Restaurant* r : evening->Candidates()) {
    r->SetTableToday(true);
    dearest = std::max(dearest, r->GetCharge());
  }
  ASSERT_EQ(dearest, 58);
  CloseHints();
  while (restaurants->Current()->GetCharge() != dearest) ClickOn(restaurants->NextArrow());
  Frame();
  EXPECT_FALSE(restaurants->BookButton()->IsEnabled());
  EXPECT_NE(restaurants->BookButton()->GetDisabledReason().find("\xA3 116"), std::string::npos);
  ClickOn(restaurants->BookButton());
  EXPECT_EQ(GUI_RestaurantInstance::Instance(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 59.20f);

  while (!restaurants->BookButton()->IsEnabled()) {
    ClickOn(restaurants->PreviousArrow());
    Frame();
  }
  const int charge = restaurants->Current()->GetCharge();
  ClickOn(restaurants->BookButton());
  ASSERT_NE(GUI_RestaurantInstance::Instance(), nullptr);
  Frame();
  ClickOn(GUI_RestaurantInstance::Instance()->OrderButton());
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 59.20f - 2.0f * static_cast<float>(charge));
  EXPECT_GE(SIM_Finances::Instance().GetCash(), 0.0f);
  EXPECT_FLOAT_EQ(guest->GetCash(), 0.0f);
}

TEST_F(SubsidyPlayTest, APubEveningEndingInABrawlPaysForNobodyThenOrLater) {
  Begin();
  ASSERT_GE(friends.size(), 2u);
  SIM_NPC* absent = friends[0];
  GUI_SocialActivityChooser* chooser = PaidForAt("pub", absent);
  ASSERT_NE(chooser, nullptr);
  Frame();
  SetUpABrawl();
  const Ledger before = LedgerOf(absent);
  ClickOn(chooser->StartButton());
  ASSERT_NE(GUI_BeerPostMortem::Instance(), nullptr);
  // The player pays what the quiet evening would have asked of them, and nothing for the
  // friend paid for, who gets nothing from it.
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f - PubPrice());
  const Ledger afterBrawl = LedgerOf(absent);
  EXPECT_FLOAT_EQ(afterBrawl.cash, before.cash);
  EXPECT_FLOAT_EQ(afterBrawl.balance, before.balance);
  Frame();
  ClickOn(GUI_BeerPostMortem::Instance()->GetCloseButton());
  ASSERT_EQ(GUI_BeerPostMortem::Instance(), nullptr);

  SetGlobalValue("alcoholic", 0.0f);
  EXPECT_FLOAT_EQ(InvitedBy(friends[1]), PubPrice());
  EXPECT_EQ(LedgerOf(absent), afterBrawl);
}

// A friend who offers to pay for the pub pays for a brawl there too: the player pays nothing.
TEST_F(SubsidyPlayTest, ABrawlAtAFriendsTreatCostsThePlayerNothing) {
  Begin();
  ASSERT_GE(friends.size(), 1u);
  friends[0]->SetCash(500.0f);
  GUI_SocialInvitation* window =
      OpenInvitationFrom(friends[0], SIM_SocialiseType::FindByName("pub"), true);
  ASSERT_NE(window, nullptr);
  SetUpABrawl();
  ClickOn(window->AcceptButton());
  ASSERT_NE(GUI_BeerPostMortem::Instance(), nullptr);
  EXPECT_FLOAT_EQ(SIM_Finances::Instance().GetCash(), 500.0f);
}

// The chooser shows and asks for a price as it will be charged: the casino's at its usual
// £ 20, never as one that varies, and an evening out to eat at the cheapest table to be had
// today, not at one that is full.
TEST_F(SubsidyPlayTest, TheChooserPricesEachKindAsItIsCharged) {
  Begin();
  ASSERT_GE(friends.size(), 1u);
  const SIM_SocialiseType* casino = SIM_SocialiseType::FindByName("casino");
  SIM_Vesk::Instance()->SetValue("confidence", 1.0f);  // what a night at the tables asks
  for (int day = 0; day < 7 && !casino->IsAvailableToday(); ++day) CurrentDate().SetDayOfWeek(day);
  ASSERT_NE(ChooserAt("casino"), nullptr);
  GUI_Services::SetRecording(true);
  Frame();
  EXPECT_TRUE(Queued("\xA3 20"));
  EXPECT_FALSE(Queued(Translate("VARIABLE")));
  GUI_Services::SetRecording(false);
  Key(kEscape);

  std::vector<SIM_Restaurant*> french;
  for (const auto& r : SIM_Restaurant::All())
    if (r->GetCuisine() == "frenchrestaurant") french.push_back(r.get());
  std::sort(french.begin(), french.end(),
            [](const auto* a, const auto* b) { return a->GetCharge() < b->GetCharge(); });
  ASSERT_GE(french.size(), 2u);
  ASSERT_LT(french[0]->GetCharge(), french[1]->GetCharge());
  for (SIM_Restaurant* r : french) r->SetTableToday(r != french[0]);
  GUI_SocialActivityChooser* chooser = ChooserAt("frenchrestaurant");
  ASSERT_NE(chooser, nullptr);
  friends[0]->SetCash(500.0f);
  Drop(friends[0]);
  for (const int cash : {french[1]->GetCharge() - 1, french[1]->GetCharge()}) {
    SIM_Finances::Instance().SetCash(static_cast<float>(cash));
    Frame();
    EXPECT_EQ(chooser->StartButton()->IsEnabled(), cash == french[1]->GetCharge()) << cash;
  }
}

// The question offers to pay only when the player's cash covers the cost per head for
// everyone already paid for and this friend, plus the player's own share (the organiser's
// price when there is one).
TEST_F(SubsidyPlayTest, TheQuestionOffersToPayOnlyWhenTheCashCoversEveryonePaidFor) {
  Begin();
  ASSERT_GE(friends.size(), 3u);
  SIM_SocialiseType* pub = SIM_SocialiseType::FindByName("pub");
  ASSERT_NE(pub, nullptr);
  // A kind of evening priced for the table; the shipped prices come back afterwards.
  struct Prices {
    SIM_SocialiseType* type;
    int cost, hostCost;
    ~Prices() {
      type->cost = cost;
      type->hostCost = hostCost;
    }
  } kept{pub, pub->cost, pub->hostCost};
  pub->cost = 30;

  const struct {
    const char* what;
    int hostCost;
    size_t alreadyPaidFor;
    float total;
  } cases[] = {
      {"the first friend paid for", 0, 0, 60.0f},          // 30 x 1 + 30
      {"two friends paid for already", 0, 2, 120.0f},      // 30 x 3 + 30
      {"an organiser's price of 45", 45, 1, 105.0f},       // 30 x 2 + 45
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    pub->hostCost = c.hostCost;
    SIM_Finances::Instance().SetCash(500.0f);
    GUI_SocialActivityChooser* chooser = ChooserAt("pub");
    ASSERT_NE(chooser, nullptr);
    for (size_t i = 0; i < c.alreadyPaidFor; ++i) PayFor(friends[i]);
    ASSERT_EQ(SIM_Subsidies::All().size(), c.alreadyPaidFor);
    SIM_NPC* last = friends[c.alreadyPaidFor];
    last->SetCash(0.0f);

    // A penny short: the offer cannot be taken, and only Reject answers.
    SIM_Finances::Instance().SetCash(c.total - 0.01f);
    Drop(last);
    ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
    Frame();
    ClickOn(GUI_NoMoneyDialog::Instance()->SubsidiseButton());
    ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
    EXPECT_EQ(chooser->Invitees().size(), c.alreadyPaidFor);
    ClickOn(GUI_NoMoneyDialog::Instance()->RejectButton());
    EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
    EXPECT_EQ(SIM_Subsidies::All().size(), c.alreadyPaidFor);

    // Exactly enough: paid for and invited.
    SIM_Finances::Instance().SetCash(c.total);
    Drop(last);
    ASSERT_NE(GUI_NoMoneyDialog::Instance(), nullptr);
    Frame();
    ClickOn(GUI_NoMoneyDialog::Instance()->SubsidiseButton());
    EXPECT_EQ(GUI_NoMoneyDialog::Instance(), nullptr);
    EXPECT_EQ(chooser->Invitees().size(), c.alreadyPaidFor + 1);
    EXPECT_EQ(SIM_Subsidies::All().size(), c.alreadyPaidFor + 1);
    Key(kEscape);
    ASSERT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
  }
}

}  // namespace
}  // namespace guitest
