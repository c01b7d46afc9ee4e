// The kinds of social evening the player can organise or be invited to: a restaurant meal, a
// film, roulette, the pub, a nightclub, bowling, a game night, a romantic outing. They come
// from "data/simulation/social_events.csv", one row each, read once at start and kept until
// shutdown: characters' memories point at them, so a type is never deleted while a game runs.
#pragma once

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "sim/SIM_TimeChunkType.h"

class SIM_NPC;
class SIM_Person;

class SIM_SocialiseType : public SIM_TimeChunkType {
 public:
  static constexpr const char* kTableFile = "data\\simulation\\social_events.csv";
  // The stored cost of a kind whose price the venue sets ("VARIABLE" in the table).
  static constexpr int kVariableCost = -99;
  // What a variable price counts as wherever a number is needed before the venue sets it.
  static constexpr int kVariableCostValue = 20;

  SIM_SocialiseType() = default;

  // Reads the table; a table that cannot be opened leaves no types (a warning, not fatal).
  static void LoadAll(const std::string& file = kTableFile);
  // DeleteAll, then LoadAll.
  static void Reload(const std::string& file = kTableFile);
  static void DeleteAll();
  // One table row; null when the row has no name.
  static std::unique_ptr<SIM_SocialiseType> FromRow(const std::string& row);
  // The first type of exactly that name; null with a warning when there is none (a saved
  // memory of a kind the game no longer has).
  static SIM_SocialiseType* FindByName(const std::string& name);
  // A type at random; null when there are none.
  static SIM_SocialiseType* PickRandom();
  static const std::vector<std::unique_ptr<SIM_SocialiseType>>& All();
  // The type the character would host for the player: the best liked by the character and
  // its friends among those offered today that it can pay and is not bored of; romantic
  // outings only from the player's partner. Null when none scores above 0.
  static SIM_SocialiseType* ChooseForNpc(SIM_NPC* npc);

  // Tests build types by hand: a blank type of that name appended to the registry, and a way
  // to empty it.
  static SIM_SocialiseType* Add(const std::string& name);
  static void ClearForTesting() { DeleteAll(); }

  // Whether a person may join invitees of an evening of this type organised by the player:
  // HasPlaceFor, then accepting (which may show a refusal or the no-money dialog). The
  // chooser and the headless player both ask this.
  bool CanInvite(const std::vector<SIM_Person*>& invitees, SIM_Person* person);
  // The evening's own rules, without asking the person: not already there, a place left
  // (the player counts; at most 10 guests), introduced, still in the world, and for a
  // romantic outing only the partner. Tested before the person is asked, so nobody is
  // offered (or paid for) a place the evening cannot give them.
  bool HasPlaceFor(const std::vector<SIM_Person*>& invitees, SIM_Person* person) const;
  // The key of the text saying which of those rules keeps the person out, so a refused drop
  // can say why; null when there is a place for them.
  const char* WhyNoPlaceFor(const std::vector<SIM_Person*>& invitees, SIM_Person* person) const;
  // Whether the person may share an evening of this kind with the player at all: a romantic
  // outing is for the player's partner alone, so it ends the moment the romance does. Every
  // road onto an evening asks it: the booking, paying for a guest, an invitation's window
  // and its start, and the characters choosing what to invite the player to.
  bool IsFor(const SIM_Person* person) const;
  // Whether a guest asked to an evening of this kind still comes when it starts: a character
  // still in the player's world whom the kind is still for. Someone dropped since the asking
  // (a partner sent away, a friend lost) or an ex on a romantic outing stays at home; every
  // start and the chooser's own list ask the same.
  bool StillComes(const SIM_Person* person) const;

  // True when an "_energy" prerequisite's threshold is at or above the player's energy.
  bool IsTooTired() const;
  // Game and bowling evenings: the guest gets a little better at the game.
  void ApplyGameSkillGain(SIM_Person* person) const;

  const std::string& GetCategory() const { return category; }
  // The stored cost with a variable price counted as 20.
  int GetCost() const { return cost == kVariableCost ? kVariableCostValue : cost; }
  // What the organiser pays, and what the chooser compares with the cash: the host cost when
  // there is one, else the cost (variable resolved).
  int GetHostCost() const {
    if (hostCost == 0) return GetCost();
    return hostCost == kVariableCost ? kVariableCostValue : hostCost;
  }
  // A venue names the price once it is chosen (a restaurant's menu); until then the price is
  // not known. A variable price no venue sets is paid at its usual value.
  bool VenueSetsPrice() const { return cost == kVariableCost && category == "RESTAURANT"; }
  // The interests the evening appeals to, with weights: what people's interest in it sums.
  const std::vector<std::pair<std::string, float>>& GetInterests() const { return interests; }
  const std::string& GetNoun() const { return noun; }
  const std::string& GetInviteText() const { return inviteText; }
  const std::string& GetStartSound() const { return startSound; }

  // The table's fields (set by the reader; tests set them directly).
  std::string category;
  bool homeBased = false;
  int cost = 0;
  int hostCost = 0;
  // Both count the player.
  int minGuests = 0;
  int maxGuests = 0;
  std::string inviteText;
  std::string noun;
  std::string startSound;
  std::vector<std::pair<std::string, float>> interests;
};
