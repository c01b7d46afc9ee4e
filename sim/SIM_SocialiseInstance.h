// One social evening: the player and one or more characters spend one of the day's slots
// together. Running it rates the evening, assesses every invitee, moves money, loneliness,
// boredom, memories, relationships, the partner's feelings, the player's people skills and
// the social standing, uses the slot and opens the report. Evenings are kept in one list
// until the next new game, load or shutdown (the report reads them); they are not saved.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_Date.h"
#include "sim/SIM_TimeChunk.h"

class SIM_NPC;
class SIM_Person;
class SIM_Rumour;
class SIM_SocialInvitation;
class SIM_SocialiseType;

// One invitee's share of an evening: how it went for them and the report's lines.
class SIM_SocialiseReport {
 public:
  SIM_SocialiseReport(SIM_Person* person, const SIM_SocialiseType* type);

  // "Got on with <PERSON> over <INTEREST>" when the chemistry is good and there was someone
  // to get on with; otherwise the no-chemistry text.
  std::string GetChemistryText() const;
  // The evening's quality in words, with the type's noun.
  std::string GetQualityText() const;
  // The four report lines from the numbers (the organiser is not the player for the
  // character text). Each agrees with the guest's verdict: the mood line never has a guest
  // who had a poor evening love it, nor one who had a good one keep out of the player's way.
  void BuildTexts();

  SIM_Person* person;
  float mood = 0.0f;
  float quality = 0.0f;
  float activityMatch = 0.0f;
  float chemistry = 0.0f;
  float overall = 0.0f;
  const SIM_SocialiseType* type;
  SIM_Rumour* rumour = nullptr;
  bool enjoyed = false;
  // The guest's character showed, its line is reported and its effect reaches the player: a
  // friend's welcome ways (a joker's laughter) on an evening they enjoyed, their unwelcome
  // ones (a grump's complaints, a worrier's fretting) on one they did not.
  bool characterShowed = false;
  // Somebody had something to pay for the evening (a character's line may speak of the bill).
  bool billed = false;
  SIM_Person* bestMatch = nullptr;
  std::string overallText;
  std::string chemistryOrMoodText;
  std::string activityText;
  std::string characterText;
  // The change made to the player's relationship with the person.
  float relationshipBoost = 0.0f;
};

class SIM_SocialiseInstance : public SIM_TimeChunk {
 public:
  SIM_SocialiseInstance();
  ~SIM_SocialiseInstance() override;

  // The evening of the type's category (a venue's own kind, else a plain evening); plays the
  // type's start sound. Null for no type.
  static SIM_SocialiseInstance* CreateForType(SIM_SocialiseType* type);
  // The chooser's start: the persons who still come as invitees, the type's own cost, then
  // the run. The subsidised are the invitees the player pays for; they are this evening's
  // alone, paid for when it is paid for, and forgotten with it when it ends otherwise (a
  // brawl, a venue window closed unfinished). Null, with nothing run, when those who still
  // come are fewer than the kind's fewest.
  static SIM_SocialiseInstance* StartEvening(const std::vector<SIM_Person*>& persons,
                                             SIM_SocialiseType* type, SIM_Person* organiser,
                                             std::vector<SIM_NPC*> subsidised = {});
  // The player accepted an invitation: its guests who still come, type and cost. Null, with
  // nothing run, when its evening can no longer take place (SIM_SocialInvitation::CanTakePlace).
  static SIM_SocialiseInstance* StartFromInvitation(SIM_SocialInvitation* invitation,
                                                    SIM_Person* organiser);
  static void DeleteAll();
  static const std::vector<SIM_SocialiseInstance*>& All();
  // The least the player's own evening of the kind can cost with that many guests paid for,
  // before a venue is chosen: exact for a fixed price, the cheapest table where the venue
  // names it.
  static int LeastBill(const SIM_SocialiseType* type, size_t paidFor);

  void Run() override;
  virtual void ShowPostMortem();
  virtual void RateEvening();
  // The standing earned from the guests' verdicts (2, 4, 8, 16 for liked evenings; a
  // disliked one takes 1 off) and the novelty bonus; true when the type is new to the player.
  virtual bool ComputeTovel();

  // True for exactly one other person of a sex the player may date; other receives them.
  bool IsDate(SIM_Person*& other) const;

  void AddInvitee(SIM_Person* person);
  void SetType(SIM_SocialiseType* type) { type_ = type; }
  void SetOrganiser(SIM_Person* organiser) { organiser_ = organiser; }
  void SetCost(int cost) { cost_ = cost; }
  // What the player pays at a price per head: their own share (the organiser's price when the
  // kind has one and the player organised) and one share for each guest paid for.
  int PlayerBill(int costPerHead) const;
  // The player's bill at the evening's own price, paid when the evening ends.
  int BillDue() const { return PlayerBill(CostPerHead()); }

  const std::vector<std::unique_ptr<SIM_SocialiseReport>>& Reports() const { return reports_; }
  const std::vector<SIM_Person*>& Invitees() const { return invitees_; }
  SIM_Person* GetOrganiser() const { return organiser_; }
  bool OrganisedByPlayer() const;
  SIM_SocialiseType* GetType() const { return type_; }
  const SIM_Date& GetDate() const { return date_; }
  float GetMood() const { return mood_; }
  float GetQuality() const { return quality_; }
  const std::string& GetPicture() const { return picture_; }
  float GetTovelValue() const { return tovelValue_; }
  float GetNoveltyBonus() const { return noveltyBonus_; }
  float GetTotalTovel() const { return tovelValue_ + noveltyBonus_; }
  // The change the evening made to the player's standing: its own value and the bonus as far
  // as the floor and the cap let them through (0 for an evening the player did not organise).
  float GetStandingEarned() const { return standingEarned_; }
  // The part of that change the novelty bonus made: the change less the one the evening's own
  // value would have made alone (nothing where the floor or the cap took the bonus).
  float GetBonusEarned() const;
  int GetCost() const { return cost_; }

 protected:
  void Assess(SIM_Person* person);
  void Pay();
  // The player's own share at a price per head.
  int OwnShare(int costPerHead) const;
  // The price per head, a variable one no venue set counted at its usual value.
  int CostPerHead() const;
  // Somebody pays for the evening: the guests' cost, or the host cost the player pays.
  bool HasBill() const;
  void BoostMeetings();
  void CheckPartner();
  // The loneliness eased by the company, the guests' boredom with the kind of evening, the
  // met flags, and the character effects of the guests whose character showed.
  void AfterEvening();

  std::vector<std::unique_ptr<SIM_SocialiseReport>> reports_;
  std::vector<SIM_Person*> invitees_;
  std::vector<SIM_NPC*> subsidised_;
  SIM_Person* organiser_ = nullptr;
  SIM_Date date_;
  SIM_SocialiseType* type_ = nullptr;
  float mood_ = 0.0f;
  float quality_ = 0.0f;
  std::string picture_ = "loadscreen.jpg";
  float tovelValue_ = 0.0f;
  float noveltyBonus_ = 0.0f;
  float standingEarned_ = 0.0f;
  float bonusEarned_ = 0.0f;
  int cost_ = 0;
};
