// The common base of the player and of every other character: names, portraits, gender,
// social class, birth date, interests, boredom, relationships, job type and save identity.
// Every person is in one global (non-owning) list for its whole life.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "engine/RefCounted.h"

class SIM_Boredom;
class SIM_Date;
class SIM_Interest;
class SIM_InterestType;
class SIM_JobBase;
class SIM_Relationship;
class SIM_SocialiseType;

enum SocialClass { kWorkingClass = 0, kMiddleClass = 1, kUpperClass = 2 };
enum Gender { kMale = 0, kFemale = 1 };

// How much a person leans towards one interest type when interests are drawn.
struct SIM_InterestWeight {
  SIM_InterestType* type = nullptr;
  float weight = 0.0f;
};

class SIM_Person : public RefCounted {
 public:
  SIM_Person();

  virtual bool IsIntroduced() const { return false; }
  virtual void SetJob(SIM_JobBase* job) { job_ = job; }
  // 0..1: the summed weights of the type's interest entries this person has.
  virtual float GetInterestIn(const SIM_SocialiseType* type) const;

  void SetSocialClass(int socialClass) { socialClass_ = socialClass; }
  int GetSocialClass() const { return socialClass_; }
  // Stores the gender and picks a portrait of that gender.
  void SetGender(int gender);
  void SetRandomGender();
  // Only the gender: a loaded person brings its own portraits, and picking one would use up a
  // portrait the new people of the game should still get.
  void RestoreGender(int gender) { gender_ = gender; }
  int GetGender() const { return gender_; }
  void PickNames();

  // Appends; one already there is reported and not added again.
  void AddRelationship(SIM_Relationship* relationship);
  void RemoveRelationship(SIM_Relationship* relationship);
  SIM_Relationship* FindRelationship(const SIM_Person* other) const;
  int CountFriends() const;
  bool IsFriendOfPlayer() const;
  // Takes every relationship of this person out of both persons' lists and ends it. The one
  // way a person leaves the others: dropping, deleting and snubbing all come here.
  void EndAllRelationships();
  const std::vector<SIM_Relationship*>& GetRelationships() const { return relationships_; }

  bool LikesActivity(const SIM_SocialiseType* type) const { return GetInterestIn(type) >= 0.5f; }
  float GetCompatibility(const SIM_Person* other) const;
  std::string GetStrongestSharedInterest(const SIM_Person* other) const;

  // Interests (owned). Adding one of a type the person has already is refused.
  bool HasInterest(const SIM_InterestType* type) const;
  bool HasInterestNamed(const std::string& name) const;
  void AddInterest(SIM_InterestType* type);
  void ClearInterests();
  const std::vector<SIM_Interest*>& GetInterests() const { return interests_; }
  std::vector<SIM_InterestWeight>& InterestWeights() { return interestWeights_; }

  const std::string& GetForename() const { return forename_; }
  const std::string& GetSurname() const { return surname_; }
  const std::string& GetFullName() const { return fullName_; }
  void SetNames(const std::string& forename, const std::string& surname);
  // The shown name as saved (it need not be forename and surname).
  void SetFullName(const std::string& fullName) { fullName_ = fullName; }
  // The portrait's picture names. The screens draw them by name: the renderer loads a
  // picture when first used and again after the device is replaced, so a person holds no
  // texture of its own.
  const std::string& GetPortrait() const { return portrait_; }
  const std::string& GetGreyPortrait() const { return greyPortrait_; }
  void SetPortraits(const std::string& portrait, const std::string& grey);
  SIM_Date* GetBirthDate() const { return birthDate_; }
  SIM_Boredom* GetBoredom() const { return boredom_; }
  SIM_JobBase* GetJob() const { return job_; }
  int GetSLID() const { return slid_; }
  void SetSLID(int slid) { slid_ = slid; }

  // The grey twin of a portrait file: the name cut at its first '.' plus "_grey.dds".
  static std::string GreyNameOf(const std::string& portrait);

  static const std::vector<SIM_Person*>& All();
  static SIM_Person* FindBySLID(int slid);

 protected:
  ~SIM_Person() override;

  std::vector<SIM_Relationship*> relationships_;
  std::vector<SIM_Interest*> interests_;
  std::vector<SIM_InterestWeight> interestWeights_;
  std::string forename_;
  std::string surname_;
  std::string fullName_;
  std::string portrait_;
  std::string greyPortrait_;
  SIM_Date* birthDate_ = nullptr;
  int socialClass_ = kWorkingClass;
  int gender_ = kMale;
  std::string furtherText_;
  SIM_Boredom* boredom_ = nullptr;
  SIM_JobBase* job_ = nullptr;
  int slid_ = 0;
};

// Mean compatibility over every ordered pair of two different persons; 0.5 (neutral) when
// there are fewer than two persons, where there is no pair to measure.
float GetGroupChemistry(const std::vector<SIM_Person*>& persons);
SIM_Person* FindPersonBySLID(int slid);
