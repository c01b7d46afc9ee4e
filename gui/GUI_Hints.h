// Stand-in for the hints until they are built: which hints the player has seen.
#pragma once

// Reads the hints already shown from the user folder; empties the list.
void LoadHints();
void ClearHints();
