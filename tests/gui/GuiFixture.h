// A headless 1024 x 768 software renderer, an empty window manager, recorded texts and
// sounds, a fixed text measure (8 px a character, 20 px a line) and recorded assertions.
#pragma once

#include <gtest/gtest.h>

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
  bool Queued(const std::string& text) const;
  const GUI_Services::TextItem* FindText(const std::string& text) const;
  int CountSound(const std::string& file) const;

  testsupport::TempDir dir;
  testsupport::ScopedChdir cd{dir.Path()};
  std::vector<std::string> assertions;
  D3DEngine& engine = D3DEngine::Instance();
};

}  // namespace guitest
