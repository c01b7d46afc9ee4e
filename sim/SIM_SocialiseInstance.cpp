// Social evenings.
#include "sim/SIM_SocialiseInstance.h"

#include <algorithm>
#include <cmath>
#include <set>
#include <utility>

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Venues.h"

namespace {

std::vector<SIM_SocialiseInstance*>& Evenings() {
  static std::vector<SIM_SocialiseInstance*> evenings;
  return evenings;
}

float GV(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

// The shared result of the numbered and random texts is copied at once.
std::string Numbered(float fraction, const char* section) {
  return std::string(GetNumberedString(fraction, section));
}

std::string GenderWord(const SIM_Person* person, bool lower) {
  const bool female = person && person->GetGender() == kFemale;
  if (lower) return Translate(female ? "POSTMORTEM_SHE_LOWER" : "POSTMORTEM_HE_LOWER");
  return Translate(female ? "POSTMORTEM_SHE" : "POSTMORTEM_HE");
}

constexpr float kMaxTovelValue = 16.0f;

// Whether what the character does to the player is welcome: it moves the player's value the
// way that value is good to move (a value the player does not have counts as welcome).
bool IsWelcome(const SIM_CharacterType& character) {
  const SIM_Attribute* attribute = SIM_Attribute::Find(character.GetEffectName());
  return !attribute || (character.GetEffectAmount() > 0.0f) == attribute->IsRisingGood();
}

// A character's evening line may have a variant for an evening nobody paid for (its key with
// "_NOBILL"), used when its own line speaks of the bill.
std::string CharacterLineKey(const std::string& key, bool billed) {
  if (billed) return key;
  const std::string free = key + "_NOBILL";
  const ConfigFile* strings = GetCachedConfig("strings", kStringsFile);
  return strings && strings->HasKey(free) ? free : key;
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// Reports

SIM_SocialiseReport::SIM_SocialiseReport(SIM_Person* person, const SIM_SocialiseType* type)
    : person(person), type(type) {
  ReportAssertion(type != nullptr, "SIM_SocialiseInstance", __LINE__);
}

std::string SIM_SocialiseReport::GetChemistryText() const {
  std::string text;
  // A lone guest has chemistry 0.5 and nobody to have got on with.
  if (chemistry >= 0.5f && bestMatch && person) {
    text = GetRandomString("POSTMORTEM_COMMONINTEREST");
    ReplaceSubstring(text, "<PERSON>", bestMatch->GetFullName());
    ReplaceSubstring(text, "<INTEREST>", Translate(person->GetStrongestSharedInterest(bestMatch).c_str()));
  } else {
    text = GetRandomString("POSTMORTEM_NOCHEMISTRY");
  }
  ReplaceSubstring(text, "<GENDER>", GenderWord(person, false));
  return text;
}

std::string SIM_SocialiseReport::GetQualityText() const {
  std::string text = Numbered(quality, "SOCIALISE_EVENTQUALITY");
  ReplaceSubstring(text, "<NOUN>", type ? Translate(type->GetNoun().c_str()) : "");
  return text;
}

void SIM_SocialiseReport::BuildTexts() {
  overallText = Numbered(overall, "post_mortem_overall");
  ReplaceSubstring(overallText, "<NAME>", person ? person->GetFullName() : "");

  if (std::fabs(mood - 0.5f) < std::fabs(chemistry - 0.5f)) {
    chemistryOrMoodText = GetChemistryText();
  } else {
    // The line tells the player's mood through the guest's eyes: a guest who found the
    // evening poor saw the player at best as usual, one who liked it at worst as usual.
    const float seen = overall < 0.5f ? std::min(mood, 0.5f) : std::max(mood, 0.5f);
    chemistryOrMoodText = Numbered(seen, "post_mortem_mood");
    ReplaceSubstring(chemistryOrMoodText, "<GENDER>", GenderWord(person, false));
  }

  activityText = Numbered(activityMatch, "post_mortem_activitymatch");
  ReplaceSubstring(activityText, "<GENDER>", GenderWord(person, true));

  characterText.clear();
  const auto* npc = dynamic_cast<const SIM_NPC*>(person);
  if (characterShowed && npc) {
    // The table names the text by its key.
    const std::string key = CharacterLineKey(npc->GetCharacterType()->GetText(4), billed);
    characterText = Translate(key.c_str());
    ReplaceSubstring(characterText, "<NAME>", npc->GetFullName());
  }
}

// ---------------------------------------------------------------------------------------------
// Evenings

SIM_SocialiseInstance::SIM_SocialiseInstance() { Evenings().push_back(this); }

SIM_SocialiseInstance::~SIM_SocialiseInstance() { std::erase(Evenings(), this); }

const std::vector<SIM_SocialiseInstance*>& SIM_SocialiseInstance::All() { return Evenings(); }

void SIM_SocialiseInstance::DeleteAll() {
  if (Evenings().empty()) return;
  // The report and the venue windows read their evening: they go first, finishing nothing.
  Screens().ClosePostMortem();
  Screens().CloseVenueWindows();
  std::vector<SIM_SocialiseInstance*> all;
  all.swap(Evenings());
  for (SIM_SocialiseInstance* evening : all) delete evening;
}

namespace {

// The guests asked who still come when the evening starts (SIM_SocialiseType::StillComes):
// one rule for the player's own evenings and for those the player was invited to. The player,
// never a guest, is not among them.
template <typename Guest>
std::vector<SIM_Person*> WhoComes(const std::vector<Guest*>& asked, const SIM_SocialiseType* type) {
  std::vector<SIM_Person*> coming;
  for (Guest* guest : asked)
    if (type->StillComes(guest)) coming.push_back(guest);
  return coming;
}

}  // namespace

SIM_SocialiseInstance* SIM_SocialiseInstance::CreateForType(SIM_SocialiseType* type) {
  if (!type) {
    ReportAssertion(false, "SIM_SocialiseInstance", __LINE__);
    return nullptr;
  }
  SIM_SocialiseInstance* evening = nullptr;
  const std::string& category = type->GetCategory();
  if (category == "BEER") {
    evening = new SIM_BeerInstance();
  } else if (category == "NIGHTCLUB") {
    evening = new SIM_NightclubInstance();
  } else if (category == "GAME") {
    evening = new SIM_GameInstance();
  } else if (category == "ROULETTE") {
    evening = new SIM_RouletteInstance();
  } else if (category == "BOWLING") {
    evening = new SIM_BowlingInstance();
  } else if (category == "MOVIE") {
    evening = new SIM_MovieInstance();
  } else if (category == "RESTAURANT") {
    evening = new SIM_RestaurantInstance();
  } else {
    evening = new SIM_SocialiseInstance();
  }
  evening->type_ = type;
  if (!type->GetStartSound().empty()) SIM_Sounds::PlaySound("data/sounds/" + type->GetStartSound());
  return evening;
}

void SIM_SocialiseInstance::AddInvitee(SIM_Person* person) {
  if (!person) return;
  invitees_.push_back(person);
  if (auto* npc = dynamic_cast<SIM_NPC*>(person)) {
    npc->SetVeskDays(0);
    npc->SetSnubDelay(0);
  }
}

SIM_SocialiseInstance* SIM_SocialiseInstance::StartEvening(const std::vector<SIM_Person*>& persons,
                                                           SIM_SocialiseType* type,
                                                           SIM_Person* organiser,
                                                           std::vector<SIM_NPC*> subsidised) {
  if (!type) return CreateForType(type);
  const std::vector<SIM_Person*> guests = WhoComes(persons, type);
  // Left below its fewest (the player counts), the evening is called off, never run alone.
  if (guests.empty() || static_cast<int>(guests.size()) + 1 < type->minGuests) return nullptr;
  // Nobody is paid for who does not come.
  std::erase_if(subsidised, [&guests](SIM_NPC* npc) {
    return std::find(guests.begin(), guests.end(), npc) == guests.end();
  });
  SIM_SocialiseInstance* evening = CreateForType(type);
  if (!evening) return nullptr;
  for (SIM_Person* person : guests) evening->AddInvitee(person);
  evening->subsidised_ = std::move(subsidised);
  evening->organiser_ = organiser;
  evening->cost_ = type->cost;
  evening->Run();
  return evening;
}

SIM_SocialiseInstance* SIM_SocialiseInstance::StartFromInvitation(SIM_SocialInvitation* invitation,
                                                                  SIM_Person* organiser) {
  if (!invitation) {
    ReportAssertion(false, "SIM_SocialiseInstance", __LINE__);
    return nullptr;
  }
  // The same test the invitation's window makes: an evening that can no longer take place
  // (the inviter gone, or a romance ended since the letter came) is not run.
  if (!invitation->CanTakePlace()) return nullptr;
  SIM_SocialiseInstance* evening = CreateForType(invitation->GetType());
  if (!evening) return nullptr;
  for (SIM_Person* guest : WhoComes(invitation->GetGuests(), invitation->GetType()))
    evening->AddInvitee(guest);
  evening->organiser_ = organiser;
  // An inviter who pays leaves the player nothing to pay; otherwise the kind's own cost (a
  // venue that sets its price sets it on the evening).
  evening->cost_ = invitation->HasPayOffer() ? 0 : invitation->GetType()->cost;
  evening->Run();
  return evening;
}

bool SIM_SocialiseInstance::OrganisedByPlayer() const {
  return organiser_ && organiser_ == SIM_Vesk::Instance();
}

bool SIM_SocialiseInstance::IsDate(SIM_Person*& other) const {
  if (invitees_.size() != 1) return false;
  other = OrganisedByPlayer() || !organiser_ ? invitees_.front() : organiser_;
  if (!other) return false;
  if (other->GetGender() != SIM_Vesk::Instance()->GetGender()) return true;
  return SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableSameSex);
}

void SIM_SocialiseInstance::RateEvening() {
  quality_ = type_->EvaluateQuality();
  if (!OrganisedByPlayer() && quality_ < 0.5f) quality_ = 0.5f;
  mood_ = std::clamp(SIM_Vesk::Instance()->GetValue("happiness") + 0.1f, 0.0f, 1.0f);
}

void SIM_SocialiseInstance::Assess(SIM_Person* person) {
  auto report = std::make_unique<SIM_SocialiseReport>(person, type_);
  report->mood = mood_;
  report->quality = quality_;
  report->activityMatch = person->GetInterestIn(type_);
  if (person == organiser_ && report->activityMatch < 0.5f) report->activityMatch = 0.5f;

  report->chemistry = -1.0f;
  for (SIM_Person* other : invitees_) {
    if (other == person) continue;
    const float c = person->GetCompatibility(other);
    if (c > report->chemistry) {
      report->chemistry = c;
      report->bestMatch = other;
    }
  }
  if (invitees_.size() == 1) {
    report->chemistry = 0.5f;
    report->bestMatch = nullptr;
  }

  report->overall = std::clamp(
      (report->mood + report->quality + report->activityMatch + report->chemistry) * 0.25f, 0.0f,
      1.0f);
  const float step = (report->overall - 0.5f) / static_cast<float>(invitees_.size());
  float boost;
  if (step < 0.0f) {
    boost = step * 0.5f;
  } else {
    const float difficulty =
        SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
    boost = std::clamp(step * (GV("GV_SOCIALISE_BOOST_SCALAR") + difficulty * 0.2f - 0.1f), 0.0f,
                       1.0f);
  }
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_Relationship* r = player->FindRelationship(person);
  // A guest who left the player's world during the evening (the friend who brought them was
  // lost a moment ago) gets no new bond: nothing may hold on to someone who has gone.
  const auto* npc = dynamic_cast<const SIM_NPC*>(person);
  if (!r && !(npc && npc->IsRemoved())) r = SIM_Relationship::Create(player, person);
  if (r) r->ChangeStrength(boost);
  report->relationshipBoost = r ? boost : 0.0f;

  const bool friendOfPlayer = person->IsFriendOfPlayer();
  if (report->overall >= 0.5f && friendOfPlayer) {
    report->enjoyed = true;
    if (RandomChance(0.5f)) report->rumour = SIM_Rumour::PickRandom();
  }
  const SIM_CharacterType* character = npc ? npc->GetCharacterType() : nullptr;
  if (character && character->GetEffectAmount() != 0.0f && friendOfPlayer)
    report->characterShowed = (report->overall >= 0.5f) == IsWelcome(*character);
  report->billed = HasBill();
  report->BuildTexts();
  reports_.push_back(std::move(report));
}

bool SIM_SocialiseInstance::HasBill() const {
  return CostPerHead() > 0 ||
         (OrganisedByPlayer() && type_->hostCost != 0 && type_->GetHostCost() > 0);
}

int SIM_SocialiseInstance::CostPerHead() const {
  // A variable price that no venue set is paid at its usual value, never as the marker.
  return cost_ == SIM_SocialiseType::kVariableCost ? type_->GetCost() : cost_;
}

int SIM_SocialiseInstance::OwnShare(int costPerHead) const {
  return OrganisedByPlayer() && type_->hostCost != 0 ? type_->GetHostCost() : costPerHead;
}

int SIM_SocialiseInstance::PlayerBill(int costPerHead) const {
  return OwnShare(costPerHead) + costPerHead * static_cast<int>(subsidised_.size());
}

int SIM_SocialiseInstance::LeastBill(const SIM_SocialiseType* type, size_t paidFor) {
  if (!type) return 0;
  int perHead = type->GetCost();
  if (type->VenueSetsPrice()) {
    // The cheapest table to be had today; with none free today, the cheapest of the cuisine
    // (the restaurant chooser then says they are full).
    for (const bool todayOnly : {true, false}) {
      bool found = false;
      for (const auto& r : SIM_Restaurant::All()) {
        if (r->GetCuisine() != type->GetName() || (todayOnly && !r->HasTableToday())) continue;
        perHead = found ? std::min(perHead, r->GetCharge()) : r->GetCharge();
        found = true;
      }
      if (found) break;
    }
  }
  const int own = type->hostCost != 0 ? type->GetHostCost() : perHead;
  return own + perHead * static_cast<int>(paidFor);
}

void SIM_SocialiseInstance::Pay() {
  const int cost = CostPerHead();
  SIM_Finances::Instance().Spend(static_cast<float>(OwnShare(cost)));
  // A guest the player pays for pays nothing of their own: the player's money is their share.
  for (SIM_Person* person : invitees_)
    if (auto* npc = dynamic_cast<SIM_NPC*>(person))
      if (std::find(subsidised_.begin(), subsidised_.end(), npc) == subsidised_.end())
        npc->SpendCash(static_cast<float>(cost));
  SIM_Subsidies::PayFor(subsidised_, cost);
}

void SIM_SocialiseInstance::BoostMeetings() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  auto hidden = [player](const SIM_Person* p) {
    if (p == player) return false;
    const auto* npc = dynamic_cast<const SIM_NPC*>(p);
    return npc && npc->IsRemoved();
  };
  for (SIM_Person* person : invitees_) {
    if (hidden(person)) continue;
    SIM_Relationship* r = player->FindRelationship(person);
    ReportAssertion(r != nullptr, "SIM_SocialiseInstance", __LINE__);
    if (r) r->AddEveningTogether();
  }
  std::set<const SIM_Relationship*> handled;
  for (SIM_Person* a : invitees_) {
    for (SIM_Person* b : invitees_) {
      if (a == b) continue;
      if (hidden(a) || hidden(b)) {
        LogWarning("skipping hidden npc in boostmeeting", "SIM_SocialiseInstance", __LINE__);
        continue;
      }
      SIM_Relationship* r = a->FindRelationship(b);
      if (!r) {
        r = SIM_Relationship::Create(a, b);
        if (OrganisedByPlayer()) r->SetPlayerCreated(true);
      }
      if (!handled.insert(r).second) continue;
      r->AddEveningTogether();
      r->ChangeStrength(GV("GV_NPCREL_GAIN") * a->GetCompatibility(b));
    }
  }
}

bool SIM_SocialiseInstance::ComputeTovel() {
  tovelValue_ = 0.0f;
  noveltyBonus_ = 0.0f;
  for (const auto& report : reports_) {
    if (report->overall > 0.5f)
      tovelValue_ = tovelValue_ < 1.0f ? tovelValue_ + 2.0f : tovelValue_ * 2.0f;
    else
      tovelValue_ -= 1.0f;
  }
  tovelValue_ = std::min(tovelValue_, kMaxTovelValue);
  if (!SIM_Tovel::Instance().AddActivity(type_->GetName())) return false;
  noveltyBonus_ = 1.0f;
  return true;
}

float SIM_SocialiseInstance::GetBonusEarned() const {
  return std::clamp(bonusEarned_, 0.0f, noveltyBonus_);
}

void SIM_SocialiseInstance::CheckPartner() {
  SIM_NPC* partner = SIM_Romance::Instance().GetPartner();
  if (!partner || partner->IsRemoved()) return;
  if (std::find(invitees_.begin(), invitees_.end(), partner) != invitees_.end()) return;
  SIM_Relationship* r = SIM_Vesk::Instance()->FindRelationship(partner);
  if (!r) {
    LogWarning("No partner relationship", "SIM_SocialiseInstance", __LINE__);
    return;
  }
  SIM_Person* other = nullptr;
  if (!IsDate(other)) {
    r->ChangeStrength(GV("GV_SOCIALISE_SNUB_PARTNER"));
    return;
  }
  r->ChangeStrength(GV("GV_SOCIALISE_ALONE_WITHOUT_PARTNER"));
  std::string text = GetRandomString("ROMANCE_DATE_WITHOUT_ME");
  ReplaceSubstring(text, "<NPCNAME>", other ? other->GetFullName() : "");
  Screens().ShowNPCMessage(partner, text);
}

void SIM_SocialiseInstance::AfterEvening() {
  SIM_Vesk* player = SIM_Vesk::Instance();
  float loneliness = 0.0f;
  float step = 0.2f;
  for (size_t i = 0; i < invitees_.size(); ++i, step *= 0.5f) loneliness += step;
  if (loneliness > 0.0f) player->ModifyValue("loneliness", -loneliness, 0.5f, type_->GetGuiName());

  for (SIM_Person* person : invitees_) {
    if (SIM_Boredom* boredom = person->GetBoredom()) boredom->AddBoredom(type_->GetName(), 1.0f);
    if (auto* npc = dynamic_cast<SIM_NPC*>(person)) {
      npc->SetSnubCount(0);
      npc->SetIntroduced(true);
    }
  }

  for (const auto& report : reports_) {
    if (!report->characterShowed) continue;
    const auto* npc = dynamic_cast<const SIM_NPC*>(report->person);
    const SIM_CharacterType* character = npc ? npc->GetCharacterType() : nullptr;
    if (character && character->GetEffectAmount() != 0.0f)
      player->ModifyValue(character->GetEffectName(), character->GetEffectAmount(),
                          character->GetEffectDegrade(), npc->GetFullName());
  }
}

void SIM_SocialiseInstance::ShowPostMortem() { Screens().OpenPostMortem(this); }

void SIM_SocialiseInstance::Run() {
  TraceEvent("Socialised. activity: " + type_->GetGuiName() +
             " invitees: " + std::to_string(invitees_.size()));
  date_.CopyDate(CurrentDate());
  SIM_Vesk* player = SIM_Vesk::Instance();
  type_->ApplyModifiers(1.0f);
  RateEvening();
  for (SIM_Person* person : invitees_) Assess(person);
  ProcessBase::DeleteInactive();
  SIM_TimeChunk::Run();
  Pay();

  AfterEvening();
  for (const auto& report : reports_)
    if (auto* npc = dynamic_cast<SIM_NPC*>(report->person))
      if (SIM_Memory* memory = npc->GetMemory()) memory->Add(type_, report->overall);

  BoostMeetings();
  ComputeTovel();
  CheckPartner();

  if (invitees_.size() > 3 &&
      std::all_of(reports_.begin(), reports_.end(), [](const auto& r) { return r->overall >= 0.5f; }))
    player->ModifyValue("peopleskills", GV("SOCIAL_PEOPLESKILLS_BOOST"),
                        GV("SOCIAL_PEOPLESKILLS_DEGRADE"), "Socialising");
  // The report tells what reached the standing; the floor or the cap may have cut it short.
  // The bonus is credited only with what it changed: at the floor, a disliked evening's loss
  // would have been cut anyway, and the bonus that makes it up changes nothing.
  if (OrganisedByPlayer()) {
    SIM_Tovel& standing = SIM_Tovel::Instance();
    const float withoutBonus = standing.ChangeFor(tovelValue_);
    standingEarned_ = standing.Add(GetTotalTovel());
    bonusEarned_ = standingEarned_ - withoutBonus;
  }
  ShowPostMortem();
  SIM_Statistics::Instance().AddInt(1, 3);
  SIM_Statistics::Instance().CountActivity(type_->GetGuiName());
}
