// Persons.
#include "sim/SIM_Person.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Interest.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<SIM_Person*>& PersonList() {
  static std::vector<SIM_Person*> list;
  return list;
}

}  // namespace

SIM_Person::SIM_Person() {
  // A day of the week's range (0..6): a month has only 7 days.
  const int day = RandomBelow(SIM_Date::kDaysPerMonth);
  const int month = RandomBelow(12);
  const int year = 1950 + RandomBelow(30);
  birthDate_ = new SIM_Date(day, month, year);
  boredom_ = new SIM_Boredom();
  job_ = SIM_JobBase::FindDefaultJob();
  slid_ = SIM_SaveGame::NewSLID();
  PersonList().push_back(this);
}

SIM_Person::~SIM_Person() {
  delete boredom_;
  delete birthDate_;
  ClearInterests();
  auto& list = PersonList();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

void SIM_Person::SetGender(int gender) {
  gender_ = gender;
  const std::string portrait = gender == kFemale ? SIM_PortraitDatabase::PickFemale()
                                                 : SIM_PortraitDatabase::PickMale();
  SetPortraits(portrait, GreyNameOf(portrait));
}

void SIM_Person::SetRandomGender() { SetGender(RandomUnit() >= 0.5f ? kFemale : kMale); }

void SIM_Person::PickNames() {
  const std::string surname = SIM_Names::PickSurname(socialClass_, "English");
  const std::string forename = SIM_Names::PickForename(socialClass_, gender_, "English", true);
  SetNames(forename, surname);
}

void SIM_Person::SetNames(const std::string& forename, const std::string& surname) {
  forename_ = forename;
  surname_ = surname;
  fullName_ = forename + " " + surname;
}

void SIM_Person::SetPortraits(const std::string& portrait, const std::string& grey) {
  portrait_ = portrait;
  greyPortrait_ = grey;
}

std::string SIM_Person::GreyNameOf(const std::string& portrait) {
  if (portrait.empty()) return "";
  return portrait.substr(0, portrait.find('.')) + "_grey.dds";
}

void SIM_Person::AddRelationship(SIM_Relationship* relationship) {
  if (!relationship) return;
  if (std::find(relationships_.begin(), relationships_.end(), relationship) !=
      relationships_.end()) {
    LogWarning("relationship already added", __FILE__, __LINE__);
    ReportAssertion(false, __FILE__, __LINE__);
    return;
  }
  relationships_.push_back(relationship);
}

void SIM_Person::RemoveRelationship(SIM_Relationship* relationship) {
  relationships_.erase(std::remove(relationships_.begin(), relationships_.end(), relationship),
                       relationships_.end());
}

SIM_Relationship* SIM_Person::FindRelationship(const SIM_Person* other) const {
  for (SIM_Relationship* r : relationships_)
    if (r->Involves(other)) return r;
  return nullptr;
}

int SIM_Person::CountFriends() const {
  int n = 0;
  for (const SIM_Relationship* r : relationships_)
    if (r->IsFriendship()) ++n;
  return n;
}

bool SIM_Person::IsFriendOfPlayer() const {
  const SIM_Relationship* r = FindRelationship(SIM_Vesk::Instance());
  return r && r->IsFriendship();
}

void SIM_Person::EndAllRelationships() {
  // Detach works on a copy: it changes this person's list as it goes.
  const std::vector<SIM_Relationship*> copy = relationships_;
  for (SIM_Relationship* r : copy) r->Detach();
  relationships_.clear();
}

float SIM_Person::GetInterestIn(const SIM_SocialiseType* type) const {
  if (!type) return 0.0f;
  float sum = 0.0f;
  for (const auto& [name, weight] : type->GetInterests())
    if (HasInterestNamed(name)) sum += weight;
  return std::clamp(sum, 0.0f, 1.0f);
}

float SIM_Person::GetCompatibility(const SIM_Person* other) const {
  const SIM_Person* player = SIM_Vesk::Instance();
  if (this == player || other == player) return 0.5f;
  float sum = 0.0f;
  for (const SIM_Interest* interest : interests_)
    if (other->HasInterest(interest->GetType())) sum += interest->GetType()->GetProbability();
  return std::clamp(sum, 0.0f, 1.0f);
}

std::string SIM_Person::GetStrongestSharedInterest(const SIM_Person* other) const {
  const SIM_Interest* best = nullptr;
  for (const SIM_Interest* interest : interests_) {
    if (!other->HasInterest(interest->GetType())) continue;
    if (!best || interest->GetType()->GetProbability() > best->GetType()->GetProbability())
      best = interest;
  }
  return best ? best->GetGuiName() : "";
}

bool SIM_Person::HasInterest(const SIM_InterestType* type) const {
  for (const SIM_Interest* interest : interests_)
    if (interest->GetType() == type) return true;
  return false;
}

bool SIM_Person::HasInterestNamed(const std::string& name) const {
  for (const SIM_Interest* interest : interests_)
    if (interest->GetName() == name) return true;
  return false;
}

void SIM_Person::AddInterest(SIM_InterestType* type) {
  // A type that did not resolve (old or edited data) gives no interest at all.
  if (!type || HasInterest(type)) return;
  interests_.push_back(new SIM_Interest(type));
}

void SIM_Person::ClearInterests() {
  for (SIM_Interest* interest : interests_) delete interest;
  interests_.clear();
}

const std::vector<SIM_Person*>& SIM_Person::All() { return PersonList(); }

SIM_Person* SIM_Person::FindBySLID(int slid) {
  for (SIM_Person* person : PersonList())
    if (person->slid_ == slid) return person;
  return nullptr;
}

SIM_Person* FindPersonBySLID(int slid) { return SIM_Person::FindBySLID(slid); }

float GetGroupChemistry(const std::vector<SIM_Person*>& persons) {
  float sum = 0.0f;
  int pairs = 0;
  for (SIM_Person* a : persons) {
    for (SIM_Person* b : persons) {
      if (a == b) continue;
      sum += a->GetCompatibility(b);
      ++pairs;
    }
  }
  return pairs == 0 ? 0.5f : sum / static_cast<float>(pairs);
}
