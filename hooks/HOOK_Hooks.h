// The hook functions of the hobby windows and mini-games, reached by name through
// SIM_FunctionTable.
//
// A hook reached from a solo activity must not spend the activity's cost, apply its
// modifiers or end the slot: the solo activity's run does each of those exactly once (see
// docs/architecture.md, "One activity, one slot").
#pragma once

// The writing projects' hooks, the web and TV hooks, the shop's and the support group's
// belong to the simulation (sim/HOOK_Achievements.h, sim/SIM_WebTV.h, sim/SIM_Shop.h,
// sim/SIM_Alcohol.h), which puts them in the table itself.
//
// Puts the hobby hooks into the simulation's function table (once, at start-up).
void RegisterHobbyHooks();

void HookEasyCrossword();
void HookCrypticCrossword();
void HookVideoGame();
// Opens the evening-class enrolment window; enrolling uses no further slot.
void HookEveningClasses();
