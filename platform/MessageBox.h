// Message boxes that can be shown before the window exists and after it is gone, and that
// never block when no display can show them.
#pragma once

#include <string>
#include <vector>

namespace plat {

// True when no window or box can reach a screen: the dummy or offscreen video driver,
// or neither an X nor a Wayland display.
bool IsHeadless();

enum class BoxIcon { Error, Warning, Information };

// False when boxes cannot reach a screen (headless) or tests turned them off.
bool CanShowMessageBoxes();
void SetMessageBoxesEnabled(bool enabled);

// Shows a box with an OK button and waits for it. The text always goes to stderr too.
// Text is the game's Windows-1252. False when no box reached the screen (headless, boxes
// turned off, or the system could not show one), so the caller can say it another way.
bool ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon);

// Shows a box with the given buttons (left to right) and waits; the index of the button
// pressed, or -1 when the box was closed or could not be shown.
int ShowButtonsBox(const std::string& title, const std::string& text,
                   const std::vector<std::string>& buttons, BoxIcon icon);

}  // namespace plat
