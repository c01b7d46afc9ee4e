// The installed screens and the headless ones.
#include "sim/SIM_Screens.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_TimeChunk.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_WebTV.h"
#include "sim/SIM_Venues.h"

namespace {

SIM_Screens*& Installed() {
  static SIM_Screens* screens = nullptr;
  return screens;
}

}  // namespace

SIM_Screens& Screens() {
  SIM_Screens* screens = Installed();
  return screens ? *screens : SIM_HeadlessScreens::Instance();
}

void InstallScreens(SIM_Screens* screens) { Installed() = screens; }

SIM_HeadlessScreens& SIM_HeadlessScreens::Instance() {
  static SIM_HeadlessScreens* screens = new SIM_HeadlessScreens();  // lives until the process ends
  return *screens;
}

bool SIM_HeadlessScreens::AnswerScreens() {
  AnswerHobbyWindows();
  AnswerVenueWindows();
  if (yearlyReviewOpen_) {
    yearlyReviewOpen_ = false;
    SIM_Statistics::Instance().CloseYear();
  }
  match3Open_ = crosswordOpen_ = false;
  postMortem_ = nullptr;
  specialEventResult_ = nullptr;
  noMoneyFor_ = nullptr;
  if (workDayOpen_) {
    workDayOpen_ = false;
    SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
  }
  if (!endGameOpen_ && AnswerInvitations()) {
    // The evening's own windows, as above.
    AnswerVenueWindows();
    postMortem_ = nullptr;
  }
  // A romance offered, even by the evening just answered, is accepted while its character is
  // still in the player's world and the player is free.
  if (SIM_NPC* npc = romanticOffer_) {
    romanticOffer_ = nullptr;
    SIM_Romance& romance = SIM_Romance::Instance();
    const auto& live = SIM_NPC::All();
    if (!romance.HasPartner() && !npc->IsRemoved() &&
        std::find(live.begin(), live.end(), npc) != live.end())
      romance.SetPartner(npc);
  }
  return endGameOpen_;
}

void SIM_HeadlessScreens::AnswerEveningClasses() {
  if (!classesOpen_) return;
  classesOpen_ = false;
  if (!EnrolledEveningClasses().empty()) return;
  for (const auto& type : HOOK_EveningClassType::All()) {
    if (type->GetCategory() < 0 || type->IsCompleted() || !type->IsAffordable() ||
        !type->ArePrerequisitesMet())
      continue;
    type->Enrol();
    // Opened from the control panel the window's enrol would use a slot; the headless player
    // only opens it through the activity, whose run has used it.
    if (!classesFromActivity_ && SIM_SIM::Instance().GetActsLeft() > 0) SIM_TimeChunk().Run();
    return;
  }
}

bool SIM_HeadlessScreens::AnswerInvitations() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  const std::vector<SIM_SocialInvitation*> all = SIM_SocialInvitation::All();
  for (const SIM_SocialInvitation* invitation : all)
    if (invitation->IsAccepted()) return false;  // one evening out a day
  for (SIM_SocialInvitation* invitation : all) {
    if (invitation->WhyNotAcceptable()) continue;
    if (SIM_Finances::Instance().GetCash() < static_cast<float>(invitation->GetPlayerCost()))
      continue;
    if (invitation->GetType()->IsTooTired()) continue;
    invitation->Accept();
    SIM_SocialiseInstance::StartFromInvitation(invitation, invitation->GetInviter());
    return true;
  }
  return false;
}

void SIM_HeadlessScreens::AnswerHobbyWindows() {
  AnswerEveningClasses();
  if (shopOpen_) {
    shopOpen_ = false;
    AnswerShop();
  }
  if (SIM_Book* book = bookDetails_) {
    bookDetails_ = nullptr;
    const SIM_SIM& sim = SIM_SIM::Instance();
    if (!book->IsFinished() && sim.GetPhase() != PHASE_DAYOVER && sim.GetActsLeft() > 0)
      book->Read();
  }
  readingOpen_ = false;
  if (surfWebOpen_) {
    surfWebOpen_ = false;
    if (!WebsiteList().empty()) ChooseWebsite(WebsiteList().front().get());
  }
  if (watchTVOpen_) {
    watchTVOpen_ = false;
    for (const auto& channel : TVChannelList()) {
      if (ChooseTVChannel(channel.get())) break;
    }
  }
}

namespace {

// How often a trip to the shop ends in a purchase, and what the player can easily afford: a
// third of the cash at most, and a running cost the cash covers for a month.
constexpr float kShopBuyChance = 0.5f;

bool EasilyAffordable(const SIM_Asset& asset, float cash) {
  return asset.GetPrice() <= cash / 3.0f && asset.GetUpkeep() * 30.0f <= cash;
}

bool HasABookToRead() {
  for (const SIM_Book* book : SIM_Book::All())
    if (book->IsOwned() && !book->IsFinished() && book->GetUseVerb() == "showdetails" &&
        book->AreRequiredSkillsMet())
      return true;
  return false;
}

}  // namespace

void SIM_HeadlessScreens::AnswerShop() {
  if (!RandomChance(kShopBuyChance)) return;
  const float cash = SIM_Finances::Instance().GetCash();
  std::vector<SIM_Asset*> affordable;
  std::vector<SIM_Asset*> books;
  for (int tab = 0; tab < SIM_Shop::kTabs; ++tab) {
    for (SIM_Asset* asset : SIM_Shop::Offered(SIM_Shop::TabCategory(tab))) {
      if (!EasilyAffordable(*asset, cash)) continue;
      affordable.push_back(asset);
      const auto* book = dynamic_cast<const SIM_Book*>(asset);
      if (book && book->GetUseVerb() == "showdetails" && book->AreRequiredSkillsMet())
        books.push_back(asset);
    }
  }
  const std::vector<SIM_Asset*>& choices =
      !books.empty() && !HasABookToRead() ? books : affordable;
  if (choices.empty()) return;
  SIM_Shop::Buy(choices[static_cast<size_t>(RandomBelow(static_cast<int>(choices.size())))]);
  ++shopPurchases_;
}

int SIM_HeadlessScreens::OpenWindows() const {
  return (workDayOpen_ ? 1 : 0) + (yearlyReviewOpen_ ? 1 : 0) + (postMortem_ ? 1 : 0) +
         (surfWebOpen_ ? 1 : 0) + (watchTVOpen_ ? 1 : 0) + (restaurant_ ? 1 : 0) +
         (meal_ ? 1 : 0) + (movie_ ? 1 : 0) + (roulette_ ? 1 : 0) + (teamInvite_ ? 1 : 0) +
         (classesOpen_ ? 1 : 0) + (shopOpen_ ? 1 : 0) + (bookDetails_ ? 1 : 0) +
         (readingOpen_ ? 1 : 0) + (specialEventResult_ ? 1 : 0) + (romanticOffer_ ? 1 : 0);
}

void SIM_HeadlessScreens::CloseVenueWindows() {
  restaurant_ = nullptr;
  meal_ = nullptr;
  movie_ = nullptr;
  roulette_ = nullptr;
  teamInvite_ = false;
}

void SIM_HeadlessScreens::AnswerVenueWindows() {
  if (SIM_RestaurantInstance* evening = restaurant_) {
    for (SIM_Restaurant* r : evening->Candidates()) {
      const auto bill = static_cast<float>(evening->PlayerBill(r->GetCharge()));
      if (!r->HasTableToday() || SIM_Finances::Instance().GetCash() < bill) continue;
      evening->SelectRestaurant(r);
      break;
    }
    // Nowhere to eat: the chooser is closed as its close button does.
    restaurant_ = nullptr;
  }
  if (SIM_RestaurantInstance* evening = meal_) {
    meal_ = nullptr;
    evening->SetMealChoice(SIM_RestaurantInstance::kHealthy);
    evening->Complete();
  }
  if (SIM_MovieInstance* evening = movie_) {
    movie_ = nullptr;
    for (SIM_Movie* film : SIM_Movie::Showing()) {
      if (!film || film->IsSeen()) continue;
      evening->SetFilm(film);
      evening->Complete();
      break;
    }
  }
  if (SIM_RouletteInstance* evening = roulette_) {
    roulette_ = nullptr;
    constexpr int kStake = 5;
    while (evening->CanSpin() && SIM_Finances::Instance().GetCash() >= kStake) {
      const int amount = RandomChance(0.5f) ? kStake : -kStake;
      SIM_Finances::Instance().Earn(static_cast<float>(amount));
      evening->AddSpinResult(amount);
    }
    evening->Complete();
  }
  if (teamInvite_) {
    teamInvite_ = false;
    SIM_BowlingTeam::Instance().Join();
  }
}

void SIM_HeadlessScreens::Reset() {
  shopOpen_ = false;
  bookDetails_ = nullptr;
  readingOpen_ = false;
  surfWebOpen_ = false;
  watchTVOpen_ = false;
  CloseVenueWindows();
  workDayOpen_ = false;
  yearlyReviewOpen_ = false;
  endGameOpen_ = false;
  postMortem_ = nullptr;
  match3Open_ = crosswordOpen_ = false;
  classesOpen_ = false;
  specialEvent_ = nullptr;
  specialEventResult_ = nullptr;
  romanticOffer_ = nullptr;
  noMoneyFor_ = nullptr;
}

SIM_NPC* SIM_HeadlessScreens::AnswerNoMoneyDialog() {
  SIM_NPC* npc = noMoneyFor_;
  const SIM_SocialiseType* type = noMoneyType_;
  noMoneyFor_ = nullptr;
  noMoneyType_ = nullptr;
  if (!npc || !type || !headless::CanPayFor(*type)) return nullptr;
  SIM_Subsidies::Add(npc);
  return npc;
}

std::vector<SIM_MailItem> SIM_HeadlessScreens::ListMail() {
  std::vector<SIM_MailItem> items;
  if (specialEvent_) {
    SIM_MailItem& ticket = items.emplace_back();
    ticket.kind = SIM_MailItem::kSpecialEvent;
    ticket.event = specialEvent_;
  }
  return items;
}

void SIM_HeadlessScreens::RestoreMail(const std::vector<SIM_MailItem>& items) {
  specialEvent_ = nullptr;
  for (const SIM_MailItem& item : items)
    if (item.kind == SIM_MailItem::kSpecialEvent && item.event) specialEvent_ = item.event;
}

void SIM_HeadlessScreens::ShowErrorBox(const std::string& title, const std::string& text) {
  // Nobody can answer a box here: the text goes where a maintainer will see it.
  std::fprintf(stderr, "%s: %s\n", title.c_str(), text.c_str());
}

void SIM_HeadlessScreens::ShowYearlyReview() {
  yearlyReviewOpen_ = true;
  ++yearlyReviewsShown_;
  SIM_Statistics::Instance().PausePlayTimer();
}

void SIM_HeadlessScreens::ShowEndGame() {
  endGameOpen_ = true;
  SIM_Statistics::Instance().PausePlayTimer();
}
