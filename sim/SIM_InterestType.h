// The kinds of interest people can have, from the interests table: a name, a shown name, a
// compatibility weight, two affinity levels (culture and intelligence) and an optional parent
// interest that comes with it.
#pragma once

#include <string>
#include <vector>

struct SIM_InterestWeight;

class SIM_InterestType {
 public:
  enum Level { kLow = 0, kMedium = 1, kHigh = 2, kNone = 3 };

  SIM_InterestType() = default;
  SIM_InterestType(const SIM_InterestType&) = delete;
  SIM_InterestType& operator=(const SIM_InterestType&) = delete;

  static void LoadAll(const std::string& path = "data/simulation/interests.csv");
  static void DeleteAll();
  static SIM_InterestType* Find(const std::string& name);
  // Old spellings ("card games", "museums") first; a miss is reported and gives null.
  static SIM_InterestType* FindWithAliases(const std::string& name);
  // By weight from a person's list. An empty or all-zero list is a fatal error; a walk that
  // ends short of the draw takes the last record.
  static SIM_InterestType* ChooseRandom(const std::vector<SIM_InterestWeight>& weights);
  static const std::vector<SIM_InterestType*>& All();
  static int ParseLevel(const std::string& word);

  const std::string& GetName() const { return name_; }
  const std::string& GetGuiName() const { return guiName_; }
  const std::string& GetCategory() const { return category_; }
  float GetProbability() const { return probability_; }
  int GetLevel1() const { return level1_; }
  int GetLevel2() const { return level2_; }

  // For tests and tools that build types without a table.
  static SIM_InterestType* Add(const std::string& name, float probability, int level1 = kNone,
                               int level2 = kNone, const std::string& category = "");

 private:
  std::string category_;
  std::string name_;
  std::string guiName_;
  float probability_ = 0.25f;
  int level1_ = kNone;
  int level2_ = kNone;
};

// How strongly a level suits a demand of 0..1 (bands below 0.33, below 0.66, and above).
float InterestAffinityFactor(int level, float value);
