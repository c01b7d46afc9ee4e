// Message boxes that can be shown before the window exists and after it is gone, and that
// never block when no display can show them.
#pragma once

#include <functional>
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

// The system's boxes break lines only where the text does, so a long line makes a box wider
// than the screen. The text with every line longer than `most` characters broken at the last
// blank within it (a word longer than a line at that length); lines already broken stay.
std::string BreakBoxLines(const std::string& text, size_t most);
// The longest line a box shows: about half the desktop's width in the boxes' letters.
size_t BoxLineLength();

// Shows a box with an OK button. While a handler is installed (the game's own box, once its
// window and screens are up) the handler shows it and the call returns at once: a system box
// would hold the game, its window's close and a termination signal until answered.
// Otherwise the system's box, see ShowSystemMessageBox.
bool ShowMessageBox(const std::string& title, const std::string& text, BoxIcon icon);
// The system's own box whatever handler is installed, waiting for it: for what comes before
// the window and for a stop that ends the game, where a box of the game's would never be seen.
// The text always goes to stderr too, whole; the box shows it broken into lines of
// BoxLineLength().
// Text is the game's Windows-1252. False when no box reached the screen (headless, boxes
// turned off, or the system could not show one), so the caller can say it another way.
bool ShowSystemMessageBox(const std::string& title, const std::string& text, BoxIcon icon);

// Where ShowMessageBox's boxes go; empty: the system's box. Returns the handler replaced.
using MessageBoxHandler =
    std::function<void(const std::string& title, const std::string& text, BoxIcon icon)>;
MessageBoxHandler SetMessageBoxHandler(MessageBoxHandler handler);

// Shows a box with the given buttons (left to right) and waits; the index of the button
// pressed, or -1 when the box was closed or could not be shown.
int ShowButtonsBox(const std::string& title, const std::string& text,
                   const std::vector<std::string>& buttons, BoxIcon icon);

}  // namespace plat
