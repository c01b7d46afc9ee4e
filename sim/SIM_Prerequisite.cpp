// Prerequisites.
#include "sim/SIM_Prerequisite.h"

#include <utility>

#include "engine/Translate.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

bool LookUpPlayerOrGlobalValue(const std::string& name, float& value) {
  if (SIM_Vesk::Instance()->LookUpValue(name, value)) return true;
  if (const SIM_NamedValue* global = GlobalNamedValues().Find(name)) {
    value = global->GetValue();
    return true;
  }
  return false;
}

SIM_Prerequisite::SIM_Prerequisite(const std::string& name, float threshold, bool first,
                                   bool below)
    : displayText_(Translate(("nv_" + name).c_str())),
      name_(name),
      threshold_(threshold),
      first_(first),
      below_(below) {}

SIM_Prerequisite::SIM_Prerequisite(std::string name, std::string displayText, float threshold,
                                   bool first, bool below)
    : displayText_(std::move(displayText)),
      name_(std::move(name)),
      threshold_(threshold),
      first_(first),
      below_(below) {}

void SIM_Prerequisite::Reset(const std::string& name, const std::string& displayText,
                             float threshold, bool first, bool below) {
  displayText_ = displayText;
  name_ = name;
  threshold_ = threshold;
  first_ = first;
  below_ = below;
}

bool SIM_Prerequisite::IsMet() const {
  if (name_ == "tovel") return SIM_Tovel::Instance().GetTotal() >= threshold_;
  float value = 0.0f;
  if (name_ == "income") {
    // The salary is a player value that no list holds: it is always there, 0 without a job.
    value = SIM_Vesk::Instance()->GetValue(name_);
  } else if (!LookUpPlayerOrGlobalValue(name_, value)) {
    return false;
  }
  return below_ ? value <= threshold_ : value >= threshold_;
}
