// The attributes' bars.
#include "gui/GUI_Indicator.h"

#include <map>

namespace {

std::map<const SIM_Attribute*, GUI_Indicator*>& Bars() {
  static std::map<const SIM_Attribute*, GUI_Indicator*> bars;
  return bars;
}

}  // namespace

void GUI_Indicator::Bind(const SIM_Attribute* attribute, GUI_Indicator* bar) {
  if (bar) Bars()[attribute] = bar;
  else Bars().erase(attribute);
}

GUI_Indicator* GUI_Indicator::Find(const SIM_Attribute* attribute) {
  const auto it = Bars().find(attribute);
  return it == Bars().end() ? nullptr : it->second;
}
