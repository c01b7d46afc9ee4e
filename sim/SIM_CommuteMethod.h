// The ways of getting to work, read from "data/simulation/commute.csv", and the player's
// choice among them. Some need an owned means of transport (seen through the global value of
// the asset's name) or a player value of at least 1; some have a longest distance they cover.
#pragma once

#include <memory>
#include <string>
#include <vector>

class SIM_CommuteMethod {
 public:
  // A method with no transport, value or weather effects (tests and the chooser's tables).
  SIM_CommuteMethod(const std::string& name, const std::string& description,
                    const std::string& picture, float maxDistance, float costPerMile);
  SIM_CommuteMethod(const SIM_CommuteMethod&) = delete;
  SIM_CommuteMethod& operator=(const SIM_CommuteMethod&) = delete;
  virtual ~SIM_CommuteMethod() = default;

  // One table row (the whole line, '#' marker field first).
  static std::unique_ptr<SIM_CommuteMethod> FromLine(const std::string& line);

  static void DeleteAll();
  // The chosen way is checked against what the player owns and the job's distance: an
  // unavailable one falls back to "walk", and a walk too far for the job to "bus".
  static void ValidateChoice();
  // Chooses the method of that exact name; false (and nothing changes) when there is none.
  static bool SelectByName(const std::string& name);
  static SIM_CommuteMethod* FindByName(const std::string& name);
  // The chosen method is neither "car" nor "motorbike".
  static bool IsNotMotorised();

  // Every method, in table order.
  static const std::vector<std::unique_ptr<SIM_CommuteMethod>>& All();
  // Appends a method (the table's reader); returns it.
  static SIM_CommuteMethod* Add(std::unique_ptr<SIM_CommuteMethod> method);
  // The player's chosen method's place in the list; -1, or any place outside the list, is
  // none.
  static int GetChosenIndex();
  static void SetChosenIndex(int index);
  // The chosen method, or null when the index names none.
  static SIM_CommuteMethod* GetChosen();

  // The method's identity ("walk", "bus", "car", ...), as saved.
  const std::string& GetId() const { return id_; }
  // The display name's text key (career panel and chooser).
  const std::string& GetName() const { return guiName_; }
  const std::string& GetDescription() const { return description_; }
  const std::string& GetPicture() const { return picture_; }
  // The text key of the summary's "you <verb> to work".
  const std::string& GetVerb() const { return verb_; }
  // Miles; negative = unlimited.
  float GetMaxDistance() const { return maxDistance_; }
  float GetCostPerMile() const { return costPerMile_; }
  float GetTirednessPerMile() const { return tirednessPerMile_; }
  float GetBoredomPerMile() const { return boredomPerMile_; }
  float GetFitnessPerMile() const { return fitnessPerMile_; }
  // Stress per mile in weather of that kind (sun, cloud, rain, snow); 0 for any other.
  float GetStressPerMile(int weather) const;
  bool HasMp3() const { return mp3_; }
  const std::string& GetRequiredValue() const { return requiredValue_; }

  // The player owns the means of transport the method needs (none for most).
  bool HasTransport() const;
  // Transport, the required player value, and the job's distance within range.
  bool IsAvailable() const;
  // The text key of the first thing that keeps the player from using it; null when available.
  const char* WhyUnavailable() const;
  // The asset names that count as the transport this method needs (empty: none needed).
  std::vector<std::string> TransportAssets() const;

 private:
  SIM_CommuteMethod() = default;

  std::string id_;
  std::string verb_;
  std::string guiName_;
  std::string description_;
  std::string picture_;
  std::string column6_;
  std::string requiredValue_;
  float maxDistance_ = -1.0f;
  float costPerMile_ = 0.0f;
  float tirednessPerMile_ = 0.0f;
  float boredomPerMile_ = 0.0f;
  float fitnessPerMile_ = 0.0f;
  float stressPerMile_[4] = {};
  bool mp3_ = false;
};

// Reads the commute methods table (start-up); the first method is chosen.
void LoadCommuteMethods(const std::string& path = "data/simulation/commute.csv");
// The chosen method's verb text key; empty when none is chosen.
std::string GetCurrentCommuteText();
