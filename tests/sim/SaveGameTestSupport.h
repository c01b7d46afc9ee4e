// Helpers shared by the save and load tests: a started game with a save folder, days played
// the way the headless driver plays them, and text edits of a save.
#pragma once

#include <regex>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SoloActivityType.h"
#include "SimTestWorld.h"
#include "support/PlayDays.h"

class SaveWorldTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_SaveGame::SetFolder(saves.Str());
  }
  void TearDown() override {
    SIM_SaveGame::SetFolder("");
    SimWorldTest::TearDown();
  }

  static void PlayDays(int days) { testsupport::PlayDays(days); }

  testsupport::TempDir saves;
};

// The play time moves on between two saves of the same state.
inline std::string MaskPlayTime(const std::string& text) {
  static const std::regex elapsed("<elapsed>[^<]*</elapsed>");
  return std::regex_replace(text, elapsed, "<elapsed>*</elapsed>");
}

// The text with the first occurrence of `what` replaced.
inline std::string ReplaceFirst(std::string text, const std::string& what, const std::string& with) {
  const size_t at = text.find(what);
  if (at != std::string::npos) text.replace(at, what.size(), with);
  return text;
}

// The text without the first element "<tag>...</tag>" and its line end.
inline std::string RemoveElement(std::string text, const std::string& tag) {
  const size_t start = text.find("<" + tag + ">");
  const std::string close = "</" + tag + ">\n";
  const size_t end = text.find(close, start);
  if (start != std::string::npos && end != std::string::npos)
    text.erase(start, end + close.size() - start);
  return text;
}
