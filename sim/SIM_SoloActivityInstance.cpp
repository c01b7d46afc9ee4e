// Solo activities being done.
#include "sim/SIM_SoloActivityInstance.h"

#include <algorithm>
#include <vector>

#include "sim/SIM_Finances.h"
#include "sim/SIM_FunctionTable.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Screens.h"

namespace {

std::vector<SIM_SoloActivityInstance*>& Instances() {
  static std::vector<SIM_SoloActivityInstance*> instances;
  return instances;
}

}  // namespace

SIM_SoloActivityInstance::SIM_SoloActivityInstance(SIM_SoloActivityType* type) : type_(type) {
  Instances().push_back(this);
}

SIM_SoloActivityInstance::~SIM_SoloActivityInstance() {
  auto& all = Instances();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
}

void SIM_SoloActivityInstance::DeleteAll() {
  std::vector<SIM_SoloActivityInstance*> all;
  all.swap(Instances());
  for (SIM_SoloActivityInstance* instance : all) delete instance;
}

size_t SIM_SoloActivityInstance::Count() { return Instances().size(); }

void SIM_SoloActivityInstance::Run() {
  TraceEvent("Solo activity chosen: " + type_->GetGuiName());

  const std::string& action = type_->GetAction();
  if (!action.empty()) {
    const size_t blank = action.find(' ');
    const std::string verb = blank == std::string::npos ? action : action.substr(0, blank);
    const std::string argument = blank == std::string::npos ? action : action.substr(blank + 1);
    if (verb == "call") {
      SIM_FunctionTable::Instance().CallHook(argument);
    } else if (verb == "play") {
      SIM_Sounds::PlaySound("data/sounds/" + argument);
    }
  }

  SIM_Finances::Instance().Spend(type_->GetCost());
  if (!type_->GetSkipModifiers()) type_->ApplyModifiers(1.0f);
  SIM_TimeChunk::Run();
  Screens().RefreshDirtSprites();
  type_->TryMeetNewFriend();
  SIM_Statistics::Instance().AddInt(1, 2);
  SIM_Statistics::Instance().CountActivity(type_->GetGuiName());
}
