// The details of one attribute: its name and value, its description and, for intelligence and
// culture, a row with a bar for each of their parts. It opens beside the attribute's bar in
// the mind state; at most one is open, and a click on it or Escape closes it.
#pragma once

#include <string>
#include <vector>

#include "gui/GUI_WindowBase.h"

class SIM_Attribute;

class GUI_AttributeDetails : public GUI_WindowBase {
 public:
  static constexpr int kWidth = 230;
  static constexpr int kTextWidth = 210;

  // Replaces any open details window by one for the attribute.
  static void Open(SIM_Attribute* attribute);
  static void Close();
  static GUI_AttributeDetails* Instance();
  ~GUI_AttributeDetails() override;

  bool IsDialog() const override { return true; }
  void Draw() override;
  bool OnClick(float x, float y) override;

  const std::string& GetAttributeName() const { return name_; }
  // The parts listed in rows: intelligence's four, culture's three, else none.
  const std::vector<std::string>& SubAttributes() const;
  // The top of row i: the first row 25 px above the bottom, each further one 16 px higher.
  int RowTop(size_t i) const;
  // The room a row's name has before its bar.
  static int RowNameWidth();
  // The window's height for a description measured this high.
  static int HeightFor(const std::string& name, int descriptionHeight);

 private:
  explicit GUI_AttributeDetails(const SIM_Attribute& attribute);

  std::string name_;
  std::string description_;
  bool iq_ = false;
  bool culture_ = false;
};
