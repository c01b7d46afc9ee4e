// The SDL scancode to DirectInput code table: the keys the screens test and the text-entry keys.
// SDL scancodes are written as numbers (USB usage ids) so the test stays free of SDL headers.
#include <gtest/gtest.h>

#include <set>

#include "platform/Window.h"

namespace {

TEST(DirectInputScanCodeTest, TheKeysTheGameTestsHaveTheirCodes) {
  struct Pair {
    int sdl, dik;
  };
  const Pair pairs[] = {
      {4, 30},   {20, 16},  {29, 44},  {16, 50},  // a, q, z, m by their place on the rows
      {30, 2},   {38, 10},  {39, 11},             // 1, 9, 0
      {41, 1},   {42, 14},  {40, 28},  {43, 15},  // Escape, Backspace, Return, Tab
      {44, 57},  {45, 12},  {54, 51},  {55, 52},  {52, 40},  // space - , . '
      {225, 42}, {229, 54}, {226, 56}, {230, 184}, {224, 29},  // shifts, alts, control
      {82, 200}, {81, 208}, {80, 203}, {79, 205},  // arrows
      {58, 59},  {67, 68},  {68, 87},  {69, 88},   // F1, F10, F11, F12
      {74, 199}, {77, 207}, {76, 211},             // Home, End, Delete
  };
  for (const Pair& p : pairs) EXPECT_EQ(plat::DirectInputScanCode(p.sdl), p.dik) << p.sdl;
  EXPECT_EQ(plat::DirectInputScanCode(0), 0);
  EXPECT_EQ(plat::DirectInputScanCode(500), 0);
}

TEST(DirectInputScanCodeTest, NoTwoLettersOrDigitsShareACode) {
  std::set<int> codes;
  for (int sdl = 4; sdl <= 39; ++sdl) {
    const int code = plat::DirectInputScanCode(sdl);
    EXPECT_GT(code, 0) << sdl;
    EXPECT_TRUE(codes.insert(code).second) << sdl;
  }
}

}  // namespace
