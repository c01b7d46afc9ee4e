// A started game for the screens of a day of play: the GUI fixture's headless renderer and
// recordings, run from the source folder so the shipped tables and texts are read, with the
// player options and the hints file in a temporary folder, a fixed seed and a new game.
#pragma once

#include <string>

#include "engine/Timer.h"
#include "gui/GuiFixture.h"
#include "support/TestSupport.h"

class GUI_SocialInvitation;
class SIM_NPC;
class SIM_SocialiseType;

namespace guitest {

class PlayTest : public GuiTest {
 protected:
  void SetUp() override;
  void TearDown() override;

  // A left click at (x, y) through the input object, as the message loop delivers it.
  void Click(int x, int y);
  // A key press through the input object.
  void Key(int scanCode);
  // Clicks the centre of an element.
  template <typename T>
  void ClickOn(const T* element) {
    const auto& r = element->GetRect();
    Click((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  }
  // How often a call was recorded since the last clear.
  static int TracedCount(const std::string& call);
  // Runs the in-game screen's update and draw once, as a frame does.
  void InGameFrame();

  testsupport::TempDir user;
  testsupport::ScopedChdir source{TOVEL_SOURCE_DIR};

 private:
  // The player's gender as the test found it: a game loaded with a man's picture changes it,
  // and a later test's new game without a picture would keep it.
  int playerGender_ = 1;
};

// A play test that goes through the game's own modes: each frame is the whole frame of the
// current mode on the test's clock, and a new game starts from the main menu by its buttons.
class MenuPlayTest : public PlayTest {
 protected:
  // One frame of the current mode, 16 ms on.
  void Frame();
  // Closes every one-time hint by its button.
  void CloseHints();
  // From the main menu to the first day of a new game.
  void StartGame();
  // The character's invitation (with themselves as the guest) to an evening of the kind, the
  // character paying when payOffer is set, mailed and opened from its item as the player opens
  // it; the invitation window, or null.
  GUI_SocialInvitation* OpenInvitationFrom(SIM_NPC* host, SIM_SocialiseType* kind,
                                           bool payOffer = false);

  ManualTimerClock clock;
};

}  // namespace guitest
