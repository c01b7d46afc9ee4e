// The other people of the game world: friends, their friends, colleagues and partners. They
// have demands that decide whether they accept the player's invitations, a weekly budget, a
// character type, memories of past evenings, and counters that drive their own invitations
// and their reaction to snubs. One that is no longer connected to the player through
// friendship is dropped from the world: its relationships end at once, and the object itself
// lives on in the dropped list until every character is deleted.
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Person.h"

class SIM_CharacterType;
class SIM_Memory;
class SIM_SocialInvitation;

class SIM_NPC : public SIM_Person {
 public:
  // A new character of class 0; gender 0 or 1, or 2 for a random one; names picked.
  static SIM_NPC* Create(int gender);
  // Constructor defaults only (the save reader fills it).
  static SIM_NPC* CreateEmpty();

  bool IsIntroduced() const override { return introduced_; }
  // 1 for a romantic kind of evening, else the person's rule.
  float GetInterestIn(const SIM_SocialiseType* type) const override;

  void RandomiseTraits();
  void SetCashPerWeek();
  void RefillCash() { cash_ = cashPerWeek_; }
  static void RefillAllCash();
  void SpendCash(float amount);
  void AddCash(float amount) { cash_ += amount; }

  bool CannotAfford(const SIM_SocialiseType* type) const;
  bool IsTooGrubby(const SIM_SocialiseType* type) const;
  bool IsBoredWith(const SIM_SocialiseType* type) const;
  bool HasBadMemoryOf(const SIM_SocialiseType* type) const;
  // Whether the character comes when the inviter (the player or another character) asks;
  // refusals to the player show the character's reason.
  bool AcceptsInvitation(SIM_SocialiseType* type, SIM_Person* inviter);

  float GetNamedValue(const std::string& name) const;
  void ModifyNamedValue(const std::string& name, float amount);
  SIM_NamedValueList& NamedValues() { return namedValues_; }

  void SetUnlockableJob(SIM_JobBase* job) {
    unlockable_ = job;
    unlockOffered_ = false;
  }
  SIM_JobBase* GetUnlockableJob() const { return unlockable_; }
  static void InvalidateJobUnlock(SIM_JobBase* job);

  void BecomeFriend();
  void LoseFriend();
  // Drops the character from the world (see the class comment), then every character no
  // longer connected to the player.
  void Remove();
  bool IsConnected() const;
  void OnSnubbed(SIM_SocialInvitation* invitation);
  void OnSnubbed(bool important);
  // Returns whether an invitation was sent.
  bool InvitePlayer();

  static void DailyAll();
  static void ClearInvitedToday();
  // Deletes every character, live and dropped, with its relationships.
  static void DeleteAll();
  // DeleteAll, then the starting friends.
  static void ResetAll();
  static const std::vector<SIM_NPC*>& All();
  static const std::vector<SIM_NPC*>& Dropped();

  bool IsRemoved() const { return removed_; }
  bool IsInvitedToday() const { return invitedToday_; }
  void SetInvitedToday(bool invited) { invitedToday_ = invited; }
  float GetCashPerWeek() const { return cashPerWeek_; }
  void SetCashPerWeekValue(float cash) { cashPerWeek_ = cash; }
  float GetCash() const { return cash_; }
  void SetCash(float cash) { cash_ = cash; }
  float GetTovelDemand() const { return tovelDemand_; }
  float GetIQDemand() const { return iqDemand_; }
  float GetCultureDemand() const { return cultureDemand_; }
  void SetDemands(float tovel, float iq, float culture) {
    tovelDemand_ = tovel;
    iqDemand_ = iq;
    cultureDemand_ = culture;
  }
  float GetAttraction() const { return attraction_; }
  void SetAttraction(float attraction) { attraction_ = attraction; }
  int GetVeskDays() const { return veskDays_; }
  void SetVeskDays(int days) { veskDays_ = days; }
  int GetInviteDays() const { return inviteDays_; }
  void SetInviteDays(int days) { inviteDays_ = days; }
  int GetSnubDelay() const { return snubDelay_; }
  void SetSnubDelay(int days) { snubDelay_ = days; }
  int GetSnubCount() const { return snubCount_; }
  void SetSnubCount(int count) { snubCount_ = count; }
  void SetIntroduced(bool introduced) { introduced_ = introduced; }
  bool IsUnlockOffered() const { return unlockOffered_; }
  void SetUnlockOffered(bool offered) { unlockOffered_ = offered; }
  SIM_CharacterType* GetCharacterType() const { return characterType_; }
  void SetCharacterType(SIM_CharacterType* type) { characterType_ = type; }
  SIM_Memory* GetMemory() const { return memory_; }

 protected:
  SIM_NPC();
  ~SIM_NPC() override;

 private:
  bool ConsiderInvitation();
  void ConsiderJobUnlock();
  // Out of every list and every relationship; the romance forgets it.
  void Unlink();

  bool removed_ = false;
  bool invitedToday_ = false;
  float cashPerWeek_ = 0.0f;
  float cash_ = 0.0f;
  float tovelDemand_ = 0.0f;
  float iqDemand_ = 0.0f;
  float cultureDemand_ = 0.0f;
  float attraction_ = 0.0f;
  int veskDays_ = 0;
  int inviteDays_ = 0;
  int snubDelay_ = 0;
  int snubCount_ = 0;
  bool introduced_ = false;
  SIM_JobBase* unlockable_ = nullptr;
  bool unlockOffered_ = false;
  SIM_CharacterType* characterType_ = nullptr;
  SIM_Memory* memory_ = nullptr;
  SIM_NamedValueList namedValues_{"npc_skills"};
};
