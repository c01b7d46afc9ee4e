// An industry groups job types for the job search: its name (also the name of the global
// value that marks the player's job in it), its display text key, the picture of a job offer
// from it and its 32x32 icon in the job search.
#pragma once

#include <string>
#include <vector>

class SIM_Industry {
 public:
  SIM_Industry(std::string name, std::string text, std::string offerPicture);

  // Reads the industries table (appended to the list).
  static void LoadAll(const std::string& file = "data/simulation/industries.csv");
  static void DeleteAll();
  static SIM_Industry* FindByName(const std::string& name);
  static const std::vector<SIM_Industry*>& All();
  // Every industry's global value back to 0 (the player is taking a job).
  static void ResetGlobalValues();

  const std::string& GetName() const { return name_; }
  const std::string& GetText() const { return text_; }
  const std::string& GetOfferPicture() const { return offerPicture_; }
  // "jobs_<name>.bmp".
  std::string GetIconName() const { return "jobs_" + name_ + ".bmp"; }

 private:
  std::string name_;
  std::string text_;
  std::string offerPicture_;
};
