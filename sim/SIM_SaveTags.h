// The version gates and limits of a saved game, shared by the format (SIM_SaveFormat), the
// capture of the running game (SIM_SaveGame) and its restoring (SIM_LoadGame). The element
// names live with the fields they hold, in the format's record descriptions.
#pragma once

#include <cstddef>

namespace savetag {

// ---- Version gates: elements read only from files at least (or above) this version ----
inline constexpr float kVersionLocked = 1.09f;      // job_type/locked, from 1.09 on
inline constexpr float kVersionTenYearsUp = 1.14f;  // date/tenyearsup, from 1.14 on
inline constexpr float kVersionStrings = 1.14f;     // achievements/strings, from 1.14 on
inline constexpr float kVersionCynicism = 1.15f;    // romance/cynicism, from 1.15 on
inline constexpr double kVersionSimSim = 1.17;      // SIM_SIM, only above 1.17 (strictly)
// From 1.24 on numbers are written exactly and the file holds the state a game needs to play
// on as if it had never been saved (misc/random, ...). Older files load these with their
// new-game defaults.
inline constexpr float kVersionExact = 1.24f;
// From 1.25 on the statistics hold the past years' solo and social totals, and the events
// the check's cooldown and whether the saved day had its check. Older files start the totals
// from the year's counters, the cooldown at 0, and run the day's check on loading.
inline constexpr float kVersionLifetime = 1.25f;
// From 1.26 on the day's mail and phone items follow the social news, in screen order.
// Older files show only the open invitations and the delivered job offers again.
inline constexpr float kVersionMail = 1.26f;
// From 1.26 on the player's description as shown follows the mail; older files build it anew.
inline constexpr float kVersionDescription = 1.26f;
// From 1.27 on the statistics end with the Tovel earned before the year began, from which
// the yearly review shows the year's own figure. Older files start it at 0.
inline constexpr float kVersionPastEarned = 1.27f;
// The version number starts at this character of the header's version text.
inline constexpr size_t kVersionOffset = 6;

// ---- Limits ----
inline constexpr size_t kMaxTagLength = 127;
// Far above anything the writer produces (a job description is at most 2,047 characters); a
// longer value means a damaged file.
inline constexpr size_t kMaxValueLength = 65536;

// ---- Values with a meaning of their own ----
inline constexpr const char* kNullJob = "NULL";      // no job (a character's unlockable, ...)
inline constexpr const char* kNoJob = "unemployed";  // the job of a player without one
inline constexpr const char* kAutosave = "autosave";
inline constexpr const char* kExtension = ".xml";

}  // namespace savetag
