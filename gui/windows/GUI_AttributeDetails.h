// The details window of one attribute. Until the window is built, a placeholder that records
// its calls.
#pragma once

class SIM_Attribute;

class GUI_AttributeDetails {
 public:
  // Replaces any open details window by one for the attribute.
  static void Open(SIM_Attribute* attribute);
};
