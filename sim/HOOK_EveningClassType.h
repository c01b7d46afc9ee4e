// Stand-in for the evening classes until they are built: each operation records its call.
#pragma once

#include <vector>

class SIM_SoloActivityType;

// Empties the evening-class types and reads them again (new game).
void LoadEveningClassTypes();
// Puts up the reminder notes of the enrolled classes (after each slot and at day end).
void RefreshEveningClassReminders();
// The classes the player is enrolled in, in enrolment order (each a solo activity type).
// Empty until the classes are built; tests put types in it.
std::vector<SIM_SoloActivityType*>& EnrolledEveningClasses();
