// One interest of a person: a named value carrying its interest type.
#pragma once

#include "sim/SIM_NamedValue.h"

class SIM_InterestType;
class SIM_Person;
class SIM_NPC;

class SIM_Interest : public SIM_NamedValue {
 public:
  explicit SIM_Interest(SIM_InterestType* type);
  SIM_InterestType* GetType() const { return type_; }

  // Replaces the person's interests with a few drawn by the person's affinities (from the
  // character's culture and intelligence demands); each draw may bring its parent interest.
  static void GiveRandomInterests(SIM_NPC* person);

 private:
  SIM_InterestType* type_;
};
