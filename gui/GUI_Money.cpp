// Money texts of the career windows.
#include "gui/GUI_Money.h"

#include <cmath>
#include <limits>

#include "engine/Utilities.h"

int WholePounds(double amount) {
  if (std::isnan(amount)) return 0;
  const double whole = std::trunc(amount);
  if (whole >= static_cast<double>(std::numeric_limits<int>::max()))
    return std::numeric_limits<int>::max();
  if (whole <= static_cast<double>(std::numeric_limits<int>::min()))
    return std::numeric_limits<int>::min();
  return static_cast<int>(whole);
}

std::string FormatWholePounds(double amount, bool blank) {
  return std::string("\xA3") + (blank ? " " : "") + FormatThousands(WholePounds(amount));
}
