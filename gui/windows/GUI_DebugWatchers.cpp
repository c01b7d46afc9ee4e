// The boredom and memory watchers.
#include "gui/windows/GUI_DebugWatchers.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Boredom.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SocialiseType.h"

namespace {

std::vector<GUI_DebugWatcher*>& Watchers() {
  static std::vector<GUI_DebugWatcher*> watchers;
  return watchers;
}

void Row(float left, float y, const std::string& name, float value) {
  GUI_Services::QueueText(left + 25, y, name, "tahoma", 12, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(left + 150, y, FormatFixed(value, 3), "tahoma", 12, 0, 0, 255, 255, 255);
}

}  // namespace

GUI_DebugWatcher::GUI_DebugWatcher(SIM_NPC* person) : GUI_Dialog(true), person_(person) {
  SetSize(kWidth, kHeight);
  // Where a watcher opens is only a look: the presentation generator, never the game's.
  const int y = LookRandomBelow(32768);
  const int x = LookRandomBelow(32768);
  MoveTo(static_cast<float>(x % 400), static_cast<float>(y % 300));
  UpdateClientRect();
  Watchers().push_back(this);
}

GUI_DebugWatcher::~GUI_DebugWatcher() { std::erase(Watchers(), this); }

const std::vector<GUI_DebugWatcher*>& GUI_DebugWatcher::All() { return Watchers(); }

void GUI_DebugWatcher::CloseFor(const SIM_NPC* person) {
  for (;;) {
    auto it = std::find_if(Watchers().begin(), Watchers().end(),
                           [person](const GUI_DebugWatcher* w) { return w->person_ == person; });
    if (it == Watchers().end()) return;
    delete *it;
  }
}

void GUI_DebugWatcher::Draw() {
  GUI_Dialog::Draw();
  if (person_) DrawRows(static_cast<float>(rect.left), static_cast<float>(rect.top) + 40);
  GUI_Services::FlushText();
}

GUI_BoredomWatcher* GUI_BoredomWatcher::Open(SIM_NPC* person) {
  const bool ok = person && person->GetBoredom();
  ReportAssertion(ok, "GUI_BoredomWatcher", 23);
  return ok ? new GUI_BoredomWatcher(person) : nullptr;
}

void GUI_BoredomWatcher::DrawRows(float left, float top) {
  const SIM_Boredom* boredom = person_->GetBoredom();
  if (!boredom) return;
  float y = top;
  for (const auto& [name, value] : boredom->Items()) {
    Row(left, y, name, value);
    y += 12;
  }
}

GUI_MemoryWatcher* GUI_MemoryWatcher::Open(SIM_NPC* person) {
  const bool ok = person && person->GetMemory();
  ReportAssertion(ok, "GUI_MemoryWatcher", 25);
  return ok ? new GUI_MemoryWatcher(person) : nullptr;
}

GUI_MemoryWatcher::GUI_MemoryWatcher(SIM_NPC* person) : GUI_DebugWatcher(person) {
  SetTitle(person->GetFullName());
}

void GUI_MemoryWatcher::DrawRows(float left, float top) {
  const SIM_Memory* memory = person_->GetMemory();
  if (!memory) return;
  float y = top;
  for (const SIM_MemoryItem* item : memory->Items()) {
    Row(left, y, item->type ? item->type->GetTypeName() : std::string(), item->GetWeightedHappiness());
    y += 12;
  }
}
