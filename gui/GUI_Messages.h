// Stand-ins for the main screen's hints and picture messages until they are built: each
// records its call with its text.
#pragma once

#include <string>

// The one-time hint of the key.
void ShowHint(const std::string& key);
// A message box with a picture.
void ShowTextureMessage(const std::string& picture, const std::string& text,
                        const std::string& title);
