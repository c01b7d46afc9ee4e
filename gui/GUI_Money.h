// Money as the career windows write it: whole pounds with thousands separators after the
// pound sign (byte 0xA3 of the game's code page), a negative amount with its minus sign.
#pragma once

#include <string>

// An amount's whole pounds: truncated toward zero, held within int's range (NaN gives 0), so
// a huge or broken salary never turns into an undefined conversion.
int WholePounds(double amount);
// "£1,234" or, with the blank, "£ 1,234"; a debt "£ -1,234".
std::string FormatWholePounds(double amount, bool blank);
