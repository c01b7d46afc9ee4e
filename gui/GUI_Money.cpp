// Money texts of the career windows.
#include "gui/GUI_Money.h"

#include <cmath>
#include <limits>

#include "engine/Utilities.h"

int WholePounds(double amount) { return ClampToInt(amount); }

std::string FormatWholePounds(double amount, bool blank) {
  return std::string("\xA3") + (blank ? " " : "") + FormatThousands(WholePounds(amount));
}
