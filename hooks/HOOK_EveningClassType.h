// Stand-in for the evening classes until they are built: each operation records its call.
#pragma once

// Empties the evening-class types and reads them again (new game).
void LoadEveningClassTypes();
// Puts up the reminder notes of the enrolled classes (after each slot and at day end).
void RefreshEveningClassReminders();
