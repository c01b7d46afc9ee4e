// The hook table.
#include "sim/SIM_FunctionTable.h"

#include "engine/DebugLog.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_WebTV.h"
#include "sim/SIM_Screens.h"

SIM_FunctionTable& SIM_FunctionTable::Instance() {
  static SIM_FunctionTable table;
  return table;
}

SIM_FunctionTable::SIM_FunctionTable() {
  // Every name the data may call is known from the start; the hobbies, which open windows,
  // fill in their functions at start-up (RegisterHobbyHooks). Until then, or in a run
  // without screens, a hobby's hook does nothing.
  // The writing projects are simulation alone; the web, TV and shopping hooks ask the
  // screens for their windows.
  AddHook("investigatestory", HookInvestigateStory);
  AddHook("watchtv", HookWatchTV);
  AddHook("surfweb", HookSurfWeb);
  AddHook("bowlingmatch", HookBowlingMatch);
  AddHook("writescreenplay", HookWriteScreenplay);
  AddHook("writesong", HookWriteSong);
  AddHook("developtheory", HookDevelopTheory);
  AddHook("shopping", HookShopping);
  // The mini-games go through the installed screens, so a run without them (the bench)
  // still sees the windows opened and walked away from.
  AddHook("easycrossword", [] { Screens().OpenCrossword(true); });
  AddHook("crypticcrossword", [] { Screens().OpenCrossword(false); });
  AddHook("videogame", [] { Screens().OpenMatch3Game(); });
  // The activity's run has used the slot: enrolling from the window it opens uses none.
  AddHook("eveningclasses", [] { Screens().OpenEveningClasses(true); });
  // The support-group meeting is simulation alone; its solo row pays for it and ends the slot.
  AddHook("alcoholicsmeeting", HookAlcoholicsMeeting);
}

void SIM_FunctionTable::AddHook(const std::string& name, Hook hook) {
  hooks_.emplace_back(name, std::move(hook));
}

void SIM_FunctionTable::CallHook(const std::string& name) {
  for (auto& [hookName, hook] : hooks_) {
    if (hookName == name) {
      if (hook) hook();
      return;
    }
  }
  const std::string message = "Hook not found: " + name;
  FatalError(message.c_str(), "SIM_FunctionTable", 76);
}

bool SIM_FunctionTable::HasHook(const std::string& name) const {
  for (const auto& entry : hooks_)
    if (entry.first == name) return true;
  return false;
}

std::vector<std::string> SIM_FunctionTable::Names() const {
  std::vector<std::string> names;
  for (const auto& entry : hooks_) names.push_back(entry.first);
  return names;
}

SIM_FunctionTable::Hook SIM_FunctionTable::ReplaceHook(const std::string& name, Hook hook) {
  for (auto& entry : hooks_) {
    if (entry.first == name) {
      Hook old = std::move(entry.second);
      entry.second = std::move(hook);
      return old;
    }
  }
  return {};
}
