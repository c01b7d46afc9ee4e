// Test entry: every test runs headless and without boxes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/MessageBox.h"

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
