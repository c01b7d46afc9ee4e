// Rumours.
#include "sim/SIM_Rumour.h"

#include <algorithm>

#include "engine/Random.h"

namespace {

// Never destroyed: the rumours it owns stay reachable until DeleteAll, whenever the run ends.
std::vector<SIM_Rumour*>& List() {
  static auto* list = new std::vector<SIM_Rumour*>();
  return *list;
}

}  // namespace

SIM_Rumour::SIM_Rumour(const std::string& text, int owner) : text_(text), owner_(owner) {
  List().push_back(this);
}

SIM_Rumour::~SIM_Rumour() { std::erase(List(), this); }

SIM_Rumour* SIM_Rumour::Create(const std::string& text, int owner) {
  return new SIM_Rumour(text, owner);
}

SIM_Rumour* SIM_Rumour::PickRandom() {
  if (List().empty()) return nullptr;
  return List()[static_cast<size_t>(RandomBelow(static_cast<int>(List().size())))];
}

std::string SIM_Rumour::TextOf(const SIM_Rumour* rumour) {
  if (!rumour) return "";
  const auto& list = List();
  if (std::find(list.begin(), list.end(), rumour) == list.end()) return "";
  return rumour->text_;
}

void SIM_Rumour::RemoveAllFor(int owner) {
  const std::vector<SIM_Rumour*> all = List();
  for (SIM_Rumour* rumour : all)
    if (rumour->owner_ == owner) delete rumour;
}

void SIM_Rumour::DeleteAll() {
  while (!List().empty()) delete List().back();
}

const std::vector<SIM_Rumour*>& SIM_Rumour::All() { return List(); }
