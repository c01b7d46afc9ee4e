// A front-end menu's shared key handling.
#include "gui/GUI_MenuBase.h"

#include "gui/GUI_GUI.h"
#include "gui/GUI_Shell.h"

namespace {
constexpr int kScanReturn = 28;
constexpr int kScanLeftAlt = 56;
constexpr int kScanRightAlt = 184;
}  // namespace

bool GUI_MenuBase::ToggleWindowedOnAltReturn(int scanCode) {
  if (scanCode != kScanReturn || !(Shell().IsKeyDown(kScanLeftAlt) || Shell().IsKeyDown(kScanRightAlt)))
    return false;
  GUI_GUI::ToggleWindowed();
  return true;
}
