// The player's one-line description, shown under the date and on the community page: the
// template "AVATAR_DESCRIPTION" with two adjectives and a noun. The adjectives are the two
// strongest of candidates scored from the attributes, dirt, cash, skills, drinking, friends
// and possessions; the noun is the job's description for the player's gender. An ill player
// is described by "AVATAR_DESCRIPTION_ILL" alone. Rebuilt at a new game, each day and at a
// change of job; a save keeps it as shown, since the day may have moved the values it reads.
#pragma once

#include <string>
#include <utility>
#include <vector>

class SIM_AvatarDescription {
 public:
  static SIM_AvatarDescription& Instance();
  SIM_AvatarDescription(const SIM_AvatarDescription&) = delete;
  SIM_AvatarDescription& operator=(const SIM_AvatarDescription&) = delete;

  // Builds the description again from the player as they are now (Instance().Update()).
  static void Rebuild();
  // The finished description.
  static const std::string& GetText();
  // The description as a save kept it.
  static void Restore(const std::string& text) { Instance().description_ = text; }

  void ClearAdjectives() { candidates_.clear(); }
  void AddAdjective(const std::string& text, float weight) { candidates_.emplace_back(text, weight); }
  // Gathers the candidates, chooses the two adjectives and the noun, and fills the template.
  void Update();
  // The candidates' list gathered from the player (the first step of Update).
  void GatherAdjectives();
  // The strongest candidate, then the strongest of the others (the first of equals wins);
  // empty where there are too few.
  void ChooseAdjectives();

  const std::vector<std::pair<std::string, float>>& Candidates() const { return candidates_; }
  const std::string& GetAdjective1() const { return adjective1_; }
  const std::string& GetAdjective2() const { return adjective2_; }
  const std::string& GetNoun() const { return noun_; }
  const std::string& GetDescription() const { return description_; }

 private:
  SIM_AvatarDescription() = default;

  std::vector<std::pair<std::string, float>> candidates_;
  std::string adjective1_;
  std::string adjective2_;
  std::string noun_;
  std::string description_;
};
