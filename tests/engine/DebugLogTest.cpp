// The debug log and the fault reports.
#include <gtest/gtest.h>

#include <vector>

#include "engine/DebugLog.h"
#include "engine/Version.h"
#include "engine/Utilities.h"
#include "platform/System.h"
#include "support/TestSupport.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::TempDir;

namespace {

class DebugLogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath("./debugdata/debug.txt");
  }
  void TearDown() override {
    DebugLog::Instance().Close();
    SetAssertionHandler(nullptr);
    plat::SetShellOpenHandler(nullptr);
  }
  TempDir dir;
  ScopedChdir cd{dir.Path()};
};

TEST_F(DebugLogTest, NoLogWithoutTheDebugFolder) {
  DebugLog::Instance().Open();
  EXPECT_FALSE(DebugLog::Instance().IsOpen());
  DebugLog::Instance().Write("nothing");
  DebugLog::Instance().Close();
  EXPECT_FALSE(std::filesystem::exists("debugdata"));
}

// The console stands in for the debugger output: every log line ends its own line there, so
// it never runs into the next message; without the folder one line says how to keep a log.
TEST_F(DebugLogTest, EchoedLinesEndTheirLinesAndAMissingFolderIsExplained) {
  ::testing::internal::CaptureStderr();
  DebugLog::Instance().Open();
  const std::string note = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(note.find("debugdata"), std::string::npos);
  EXPECT_EQ(note.back(), '\n');
  std::filesystem::create_directory("debugdata");
  DebugLog::Instance().Open();
  ::testing::internal::CaptureStderr();
  DebugLog::Instance().Write("first");
  DebugLog::Instance().Write("second");
  plat::DebugOutput("ended\n");
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "first\nsecond\nended\n");
}

TEST_F(DebugLogTest, LogHasHeaderLinesAndFooterAndNothingAfterClose) {
  std::filesystem::create_directory("debugdata");
  DebugLog::Instance().Open();
  ASSERT_TRUE(DebugLog::Instance().IsOpen());
  DebugLog::Instance().Write("hello");
  // A file that is read while the game runs already holds every line written.
  EXPECT_EQ(ReadFile("debugdata/debug.txt"), "----DEBUG FILE----\nhello\n");
  DebugLog::Instance().Close();
  DebugLog::Instance().Write("late");
  EXPECT_EQ(ReadFile("debugdata/debug.txt"), "----DEBUG FILE----\nhello\nEND DEBUG---\n");
}

TEST_F(DebugLogTest, WarningsAreFollowedByAnEmptyLineAndAssertionsAreNot) {
  std::filesystem::create_directory("debugdata");
  std::vector<std::string> reports;
  SetAssertionHandler([&](const std::string& r) { reports.push_back(r); });
  DebugLog::Instance().Open();
  LogWarning("Not enough postit slots", "GUI_Postit", 42);
  ReportAssertion(true, "SIM_Asset", 10);
  EXPECT_TRUE(reports.empty());
  ReportAssertion(false, "SIM_Asset", 11);
  DebugLog::Instance().Close();
  ASSERT_EQ(reports.size(), 1u);
  const std::string report =
      std::string("Assertion failure:filename:SIM_Asset,linenum:11,build:") + kGameVersion;
  EXPECT_EQ(reports[0], report);
  EXPECT_EQ(LastAssertionReport(), reports[0]);
  EXPECT_EQ(ReadFile("debugdata/debug.txt"),
            "----DEBUG FILE----\nNot enough postit slots:GUI_Postit 42\n\n" + report +
                "\nEND DEBUG---\n");
}

TEST_F(DebugLogTest, AssertionWithoutADisplayNeverBlocks) {
  // The default dialog cannot be shown headless: the report is still logged and play goes on.
  std::filesystem::create_directory("debugdata");
  DebugLog::Instance().Open();
  ReportAssertion(false, "GUI_Button", 7);
  DebugLog::Instance().Close();
  EXPECT_NE(ReadFile("debugdata/debug.txt").find("linenum:7"), std::string::npos);
}

TEST_F(DebugLogTest, FatalErrorLogsAndStopsThroughTheHandler) {
  std::filesystem::create_directory("debugdata");
  DebugLog::Instance().Open();
  FatalCatcher catcher;
  bool after = false;
  try {
    FatalError("Missing Global variable", "SIM_GlobalVariables", 40);
    after = true;
  } catch (const FatalStop& stop) {
    EXPECT_EQ(stop.text, "Missing Global variable:SIM_GlobalVariables 40");
    EXPECT_NE(stop.exitCode, 0);
  }
  EXPECT_FALSE(after);
  DebugLog::Instance().Close();
  EXPECT_NE(ReadFile("debugdata/debug.txt").find("Missing Global variable:SIM_GlobalVariables 40\n"),
            std::string::npos);
}

TEST_F(DebugLogTest, FolderThatCannotBeMadeEndsWithTheSystemError) {
  FatalCatcher catcher;
  try {
    EnsureDirectoryExists("nothere/deeper");  // the parent is missing
    FAIL() << "EnsureDirectoryExists returned";
  } catch (const FatalStop& stop) {
    EXPECT_NE(stop.exitCode, 0);
    EXPECT_FALSE(stop.text.empty());
  }
}

TEST_F(DebugLogTest, MailToEncodesTheReport) {
  std::vector<std::string> opened;
  plat::SetShellOpenHandler([&](const std::string& t) { opened.push_back(t); });
  OpenMailTo("bugreport", "Assertion failure:filename:X,linenum:3,build:Tovel 1.25", "a@b.org");
  OpenMailTo("bugreport", "Assertion failure:filename:X,linenum:3,build:Tovel 1.25", "a@b.org");
  ASSERT_EQ(opened.size(), 2u);
  EXPECT_EQ(opened[0], opened[1]);
  EXPECT_EQ(opened[0],
            "mailto:a@b.org?subject=bugreport&body=Assertion%20failure:filename:X,linenum:3,"
            "build:Tovel%201.25");
}

}  // namespace

namespace {

TEST_F(DebugLogTest, ReportsNameTheSourceFileWithoutFolderOrExtension) {
  std::filesystem::create_directory("debugdata");
  DebugLog::Instance().Open();
  LogWarning("w", "/home/dev/tovel/sim/SIM_Vesk.cpp", 189);
  LogWarning("x", "GUI_Postit", 3);
  DebugLog::Instance().Close();
  const std::string log = ReadFile("debugdata/debug.txt");
  EXPECT_NE(log.find("w:SIM_Vesk 189\n"), std::string::npos);
  EXPECT_NE(log.find("x:GUI_Postit 3\n"), std::string::npos);
}

}  // namespace
