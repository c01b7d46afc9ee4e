// The evening classes table of any bytes. Whatever it holds, every class read has a name and
// is found by it, sits in its school's list only, has the two default modifiers after at most
// one study modifier (which raises the class's own name, within -1..1), and enrolling twice
// enrols once; completing takes it off the enrolled list.
#include <algorithm>
#include <cmath>
#include <string>

#include "FuzzSupport.h"
#include "sim/HOOK_EveningClassType.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("hook_eveningclasses.csv", data, size);
  HOOK_EveningClassType::LoadAll(path);
  for (const auto& type : HOOK_EveningClassType::All()) {
    FUZZ_CHECK(type != nullptr && !type->GetName().empty());
    FUZZ_CHECK(HOOK_EveningClassType::FindByName(type->GetName()) != nullptr);
    for (int c = 0; c < HOOK_EveningClassType::kCategoryCount; ++c) {
      const auto& list = HOOK_EveningClassType::InCategory(c);
      const bool listed = std::find(list.begin(), list.end(), type.get()) != list.end();
      FUZZ_CHECK(listed == (type->GetCategory() == c));
    }
    const auto& modifiers = type->GetModifiers();
    FUZZ_CHECK(modifiers.size() == 2 || modifiers.size() == 3);
    FUZZ_CHECK(modifiers[modifiers.size() - 2]->name == "boredom");
    FUZZ_CHECK(modifiers.back()->name == "loneliness");
    if (modifiers.size() == 3) FUZZ_CHECK(modifiers.front()->name == type->GetName());
    for (const SIM_Modifier* m : modifiers)
      FUZZ_CHECK(std::isfinite(m->amount) && m->amount >= -1.0f && m->amount <= 1.0f);
    for (const auto& requirement : type->GetPrerequisites())
      FUZZ_CHECK(requirement->GetName().size() > 1);
    FUZZ_CHECK(std::isfinite(type->GetCost()) || type->GetCost() == 0.0f);
  }
  if (!HOOK_EveningClassType::All().empty()) {
    HOOK_EveningClassType* first = HOOK_EveningClassType::All().front().get();
    first->Enrol();
    first->Enrol();
    FUZZ_CHECK(EnrolledEveningClasses().size() == 1);
    RefreshEveningClassReminders();
    first->Complete();
    FUZZ_CHECK(EnrolledEveningClasses().empty());
  }
  HOOK_EveningClassType::DeleteAll();
  FUZZ_CHECK(HOOK_EveningClassType::All().empty() && EnrolledEveningClasses().empty());
  return 0;
}
