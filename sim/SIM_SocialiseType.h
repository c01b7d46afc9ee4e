// Stand-in for the kinds of social evening until they are built. A kind carries what people
// code asks of it (name, category, costs, party size, home flag and the interests it appeals
// to); none exist unless a test adds them, so characters choose none.
#pragma once

#include <string>
#include <utility>
#include <vector>

class SIM_NPC;

class SIM_SocialiseType {
 public:
  static void Reload();
  static void DeleteAll();
  // A kind the character would host; null when there is none.
  static SIM_SocialiseType* ChooseForNpc(SIM_NPC* npc);
  static SIM_SocialiseType* Add(const std::string& name);
  // The kind of that name, or null (a saved memory of a kind the game no longer has).
  static SIM_SocialiseType* FindByName(const std::string& name);
  static void ClearForTesting();

  const std::string& GetName() const { return name_; }
  std::string category;
  bool homeBased = false;
  // -99 marks a kind whose price varies; GetCost then answers the usual 20.
  float cost = 0.0f;
  float hostCost = 0.0f;
  int maxGuests = 4;
  std::vector<std::pair<std::string, float>> interests;

  float GetCost() const { return cost == -99.0f ? 20.0f : cost; }
  float GetHostCost() const { return hostCost == -99.0f ? 20.0f : hostCost; }
  const std::vector<std::pair<std::string, float>>& GetInterests() const { return interests; }

 private:
  std::string name_;
};
