// The build string: a six-character prefix and the version number. Save files keep the
// number from the seventh character on, so the prefix length must not change.
#pragma once

inline constexpr const char* kGameVersion = "Tovel 1.27";
inline constexpr int kGameVersionPrefixLength = 6;
