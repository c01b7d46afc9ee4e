// The daily process registry.
#include "engine/ProcessBase.h"

#include <algorithm>
#include <vector>

namespace {

std::vector<ProcessBase*>& Registry() {
  static std::vector<ProcessBase*> registry;
  return registry;
}

// While a walk runs, destroyed processes leave a null slot instead of shifting the list
// under the walk; the outermost walk compacts afterwards.
int g_walkDepth = 0;

void Compact() {
  auto& reg = Registry();
  reg.erase(std::remove(reg.begin(), reg.end(), nullptr), reg.end());
}

}  // namespace

ProcessBase::ProcessBase() { Registry().push_back(this); }

ProcessBase::~ProcessBase() {
  auto& reg = Registry();
  if (g_walkDepth > 0) {
    std::replace(reg.begin(), reg.end(), static_cast<ProcessBase*>(this),
                 static_cast<ProcessBase*>(nullptr));
  } else {
    reg.erase(std::remove(reg.begin(), reg.end(), this), reg.end());
  }
}

void ProcessBase::DeleteInactive() {
  // Deleting one process may delete others it owns, so look again from the front each time.
  for (;;) {
    ProcessBase* found = nullptr;
    for (ProcessBase* p : Registry()) {
      if (p && !p->active) {
        found = p;
        break;
      }
    }
    if (!found) return;
    delete found;
  }
}

void ProcessBase::ProcessAll() {
  DeleteInactive();
  ++g_walkDepth;
  // An index walk over the live vector: appended processes are reached, and the size is
  // re-read every step.
  for (size_t i = 0; i < Registry().size(); ++i) {
    if (ProcessBase* p = Registry()[i]) p->Process();
  }
  if (--g_walkDepth == 0) Compact();
}

size_t ProcessBase::RegisteredCount() {
  const auto& reg = Registry();
  return static_cast<size_t>(std::count_if(reg.begin(), reg.end(), [](const ProcessBase* p) { return p != nullptr; }));
}
