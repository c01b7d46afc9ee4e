// The bond between two persons (the player and a character, or two characters): strength
// 0..1, a money balance, a friendship flag and the evenings spent together. A daily process:
// it fades a little each day. Every change made by play goes through ChangeStrength, which
// makes and loses the player's friends and starts and ends romances.
#pragma once

#include <vector>

#include "engine/ProcessBase.h"

class SIM_Person;

class SIM_Relationship : public ProcessBase {
 public:
  // The only way relationships are made; a missing person is a fatal error.
  static SIM_Relationship* Create(SIM_Person* a, SIM_Person* b);
  ~SIM_Relationship() override;

  // Inactive from now on (deleted by the next daily run); persons forgotten, view deleted.
  virtual void End();
  // Takes the relationship out of both persons' lists, then ends it.
  void Detach();

  void Process() override;
  // Sets the strength as given and the friendship flag by the thresholds; nothing else.
  void SetStrength(float strength);
  void ChangeStrength(float amount);
  void CheckRomance();
  // This relationship's share of the social standing score.
  float GetTovel() const;
  void AddBalance(float amount) { balance_ += amount; }

  bool IsFriendship() const { return friendship_; }
  void SetFriendship(bool friendship) { friendship_ = friendship; }
  bool Involves(const SIM_Person* person) const {
    return person && (person1_ == person || person2_ == person);
  }
  SIM_Person* GetOther(const SIM_Person* person) const {
    return person == person1_ ? person2_ : person1_;
  }
  SIM_Person* GetPerson1() const { return person1_; }
  SIM_Person* GetPerson2() const { return person2_; }
  float GetStrength() const { return strength_; }
  float GetBalance() const { return balance_; }
  void SetBalance(float balance) { balance_ = balance; }
  int GetEveningsTogether() const { return eveningsTogether_; }
  void AddEveningTogether() { ++eveningsTogether_; }
  void SetEveningsTogether(int evenings) { eveningsTogether_ = evenings; }
  bool IsPlayerInvolved() const { return playerInvolved_; }
  bool IsPlayerCreated() const { return playerCreated_; }
  void SetPlayerCreated(bool created) { playerCreated_ = created; }

  static const std::vector<SIM_Relationship*>& All();
  // Active relationships only.
  static size_t CountActive();
  static void ClearFriendMadeToday();
  static void SetFriendMadeToday(bool made) { friendMadeToday_ = made; }
  static bool IsFriendMadeToday() { return friendMadeToday_; }
  // Friendships of the player lost since the counter was last reset (bench figure).
  static int GetFriendsLost() { return friendsLost_; }
  static void ResetFriendsLost() { friendsLost_ = 0; }

 private:
  SIM_Relationship(SIM_Person* a, SIM_Person* b);
  SIM_Person* PlayerSideOther() const;

  SIM_Person* person1_;
  SIM_Person* person2_;
  float strength_ = 0.0f;
  float balance_ = 0.0f;
  bool playerInvolved_ = false;
  bool friendship_ = false;
  int eveningsTogether_ = 0;
  bool playerCreated_ = false;

  static inline bool friendMadeToday_ = false;
  static inline int friendsLost_ = 0;
};
