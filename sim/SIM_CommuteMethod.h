// The ways of getting to work. The methods and the player's choice are kept here; the table
// that fills the list, the transport a method needs and the choosing by name come with the
// possessions (their operations below still record their calls). Until then the list is
// empty and no method is chosen.
#pragma once

#include <memory>
#include <string>
#include <vector>

class SIM_CommuteMethod {
 public:
  SIM_CommuteMethod(const std::string& name, const std::string& description,
                    const std::string& picture, float maxDistance, float costPerMile);
  SIM_CommuteMethod(const SIM_CommuteMethod&) = delete;
  SIM_CommuteMethod& operator=(const SIM_CommuteMethod&) = delete;

  static void DeleteAll();
  // The chosen way to work is checked against the new job.
  static void ValidateChoice();
  static void SelectByName(const std::string& name);

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

  const std::string& GetName() const { return name_; }
  const std::string& GetDescription() const { return description_; }
  const std::string& GetPicture() const { return picture_; }
  // Miles; negative = unlimited.
  float GetMaxDistance() const { return maxDistance_; }
  float GetCostPerMile() const { return costPerMile_; }
  // The player can use it: the job's commute lies within its range. (Owning the transport it
  // needs is tested once possessions exist.)
  bool IsAvailable() const;

 private:
  std::string name_;
  std::string description_;
  std::string picture_;
  float maxDistance_;
  float costPerMile_;
};

// Reads the commute methods table (start-up).
void LoadCommuteMethods();
