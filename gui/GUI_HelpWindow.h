// The help pop-up a dialog's "?" opens. Until the help window is built, a placeholder that
// records its calls.
#pragma once

// Opens the help text of the key beside (x, y), replacing an open one.
void ShowHelpPopup(const char* key, float x, float y);
