// Test entry: every test runs headless and without boxes.
#include <gtest/gtest.h>

#include <cstdlib>

#include "app/AppShell.h"
#include "hooks/HOOK_Hooks.h"
#include "platform/MessageBox.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"
#include "support/RecordingScreens.h"
#include "support/RecordingSounds.h"

int main(int argc, char** argv) {
  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  // The layers are plugged together as the game does it, except that the simulation talks to
  // screens and a sound backend that record its requests; the screens' tests install the real
  // screens (GuiFixture, PlayFixture).
  InstallShell(&AppShell::Instance());
  InstallScreens(&testsupport::RecordingScreens::Instance());
  SIM_Sounds::SetBackend(testsupport::RecordingSounds());
  RegisterHobbyHooks();
  testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
