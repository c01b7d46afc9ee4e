// STAND-IN: the kinds of social outing (the table is not read yet).
#include "sim/SIM_SocialiseType.h"

#include <memory>

#include "engine/CallTrace.h"

namespace {

std::vector<std::unique_ptr<SIM_SocialiseType>>& Types() {
  static std::vector<std::unique_ptr<SIM_SocialiseType>> types;
  return types;
}

}  // namespace

void SIM_SocialiseType::Reload() { TraceCall("SIM_SocialiseType::Reload"); }
void SIM_SocialiseType::DeleteAll() { TraceCall("SIM_SocialiseType::DeleteAll"); }

SIM_SocialiseType* SIM_SocialiseType::ChooseForNpc(SIM_NPC*) {
  return Types().empty() ? nullptr : Types().front().get();
}

SIM_SocialiseType* SIM_SocialiseType::Add(const std::string& name) {
  Types().push_back(std::make_unique<SIM_SocialiseType>());
  Types().back()->name_ = name;
  return Types().back().get();
}

SIM_SocialiseType* SIM_SocialiseType::FindByName(const std::string& name) {
  for (const auto& type : Types())
    if (type->name_ == name) return type.get();
  return nullptr;
}

void SIM_SocialiseType::ClearForTesting() { Types().clear(); }
