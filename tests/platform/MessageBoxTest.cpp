// The system boxes' text is broken into lines a screen can hold.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "platform/MessageBox.h"

namespace {

std::vector<std::string> Split(const std::string& text, char at) {
  std::vector<std::string> parts;
  std::istringstream in(text);
  for (std::string part; std::getline(in, part, at);) parts.push_back(part);
  return parts;
}

TEST(MessageBoxTest, ALongLineIsBrokenAtBlanksIntoLinesNoLongerThanABoxHolds) {
  // A list of missing text keys ran to one line of 196 characters, 1,318 pixels wide.
  std::string list = "These texts are missing from data/strings.ini:";
  for (int i = 0; i < 12; ++i) list += " MISSING_KEY_" + std::to_string(i);
  const std::string word(150, 'w');  // no blank to break at
  const std::string text = list + "\nA short line stays.\n" + word;
  const size_t most = plat::BoxLineLength();
  ASSERT_GT(list.size(), most);
  const std::string broken = plat::BreakBoxLines(text, most);
  for (const std::string& line : Split(broken, '\n')) EXPECT_LE(line.size(), most) << line;
  EXPECT_NE(broken.find("\nA short line stays.\n"), std::string::npos);
  // Only blanks became breaks, and the long word was cut, nothing lost.
  std::string joined = broken;
  for (char& c : joined)
    if (c == '\n') c = ' ';
  std::string expected = text;
  for (char& c : expected)
    if (c == '\n') c = ' ';
  std::erase(joined, ' ');
  std::erase(expected, ' ');
  EXPECT_EQ(joined, expected);
}

}  // namespace
