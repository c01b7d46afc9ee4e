// A headless 1024 x 768 software renderer, an empty window manager, recorded texts and
// sounds, a fixed text measure (8 px a character, 20 px a line) and recorded assertions.
#pragma once

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "engine/D3DEngine.h"
#include "gui/GUI_Services.h"
#include "support/TestSupport.h"

namespace guitest {

class GuiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Moves the mouse through the input object's event buffer, as the message loop would.
  void MoveMouse(int x, int y);
  void PressLeft(int x, int y);
  void ReleaseLeft(int x, int y);
  // A frame's input step for the toolkit (rest counter, mouse-taken flag).
  void NewFrame();
  uint32_t Pixel(int x, int y);
  // The whole back buffer, rows top-down (read once; Pixel reads it on every call).
  std::vector<uint32_t> Screen();
  // Pixels of the rectangle (right and bottom exclusive) whose colour is near white.
  int WhitePixels(int left, int top, int right, int bottom);
  // Whether drawing a frame (inside a scene begun on a black screen) shows the game's cursor
  // with the mouse at (x, y): the cursor's square differs from the same frame with the cursor
  // hidden. The shipped pictures are used, so the cursor has its real face.
  bool FrameShowsCursor(const std::function<void()>& frame, int x, int y);
  // No word of a recorded wrapped text is wider than its lines: it would be clipped there,
  // cut off mid-letter without a sign.
  static void ExpectNoWordWiderThanItsLine();
  bool Queued(const std::string& text) const;
  const GUI_Services::TextItem* FindText(const std::string& text) const;
  int CountSound(const std::string& file) const;

  // Whether the test ran on the shipped texts (from the source folder) and looked up a key
  // that has none: a player would read the key. Checked after every such test; a test that
  // looks up made-up keys on purpose clears checkShippedTexts.
  void ExpectNoMissingTexts();
  bool checkShippedTexts = true;

  // Every disabled text button drawn while the test ran said why it cannot be used: a reason
  // in its tooltip, or a label that says it. Watched from SetUp, checked after every test.
  void WatchDisabledButtons();
  void ExpectDisabledButtonsSayWhy();
  std::vector<std::string> silentDisabledButtons;
  // The windows after whose drawing texts were still queued: the next window's flush would
  // draw them over that window. Every window the tests draw is watched; checked after each
  // test.
  std::set<std::string> windowsLeavingText;

  testsupport::TempDir dir;
  testsupport::ScopedChdir cd{dir.Path()};
  std::vector<std::string> assertions;
  D3DEngine& engine = D3DEngine::Instance();
};

}  // namespace guitest
