// Stand-in for the industries until they are built: a list that callers fill; resetting their
// global values records it.
#pragma once

#include <memory>
#include <string>
#include <vector>

class SIM_Industry {
 public:
  SIM_Industry(std::string name, std::string text, std::string offerPicture)
      : name_(std::move(name)), text_(std::move(text)), offerPicture_(std::move(offerPicture)) {}

  static void ResetGlobalValues();
  static const std::vector<SIM_Industry*>& All();
  // Appends an industry to the list (which owns it); returns it.
  static SIM_Industry* Add(std::unique_ptr<SIM_Industry> industry);
  static void DeleteAll();

  const std::string& GetName() const { return name_; }
  const std::string& GetText() const { return text_; }
  const std::string& GetOfferPicture() const { return offerPicture_; }
  std::string GetIconName() const { return "jobs_" + name_ + ".bmp"; }

 private:
  std::string name_;
  std::string text_;
  std::string offerPicture_;
};
