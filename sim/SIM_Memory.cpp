// Memories.
#include "sim/SIM_Memory.h"

#include "sim/SIM_GlobalVariables.h"

void SIM_Memory::Add(const SIM_SocialiseType* type, float happiness, float strength) {
  if (!type) return;
  Forget(type);
  items_.push_back(new SIM_MemoryItem(type, happiness, strength));
}

float SIM_Memory::GetHappinessFor(const SIM_SocialiseType* type) const {
  for (const SIM_MemoryItem* item : items_)
    if (item->type == type) return item->GetWeightedHappiness();
  return 0.5f;
}

void SIM_Memory::Forget(const SIM_SocialiseType* type) {
  std::erase_if(items_, [type](SIM_MemoryItem* item) {
    if (item->type != type) return false;
    delete item;
    return true;
  });
}

void SIM_Memory::DailyUpdate() {
  const float keep = 1.0f - SIM_GlobalVariables::Instance().Get("GV_EVENT_MEMORY_DECAY");
  for (SIM_MemoryItem* item : items_) item->strength *= keep;
  std::erase_if(items_, [](SIM_MemoryItem* item) {
    if (item->strength >= 0.05f) return false;
    delete item;
    return true;
  });
}

void SIM_Memory::Clear() {
  for (SIM_MemoryItem* item : items_) delete item;
  items_.clear();
}
