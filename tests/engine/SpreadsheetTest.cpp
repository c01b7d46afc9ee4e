// Loading data tables.
#include <gtest/gtest.h>

#include <string>

#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class SpreadsheetTest : public ::testing::Test {
 protected:
  TempDir dir;
  ScopedChdir cd{dir.Path()};
};

TEST_F(SpreadsheetTest, KeepsOnlyRecordLinesWithTheirNewlines) {
  WriteFile(dir.Path() / "table.csv",
            "header,line\r\n#,a,1\r\n\r\n  #,indented\r\n//comment\n#,b,2\n#,last");
  const auto sheet = LoadSpreadsheet("table.csv");
  ASSERT_EQ(sheet->size(), 3u);
  EXPECT_EQ((*sheet)[0], "#,a,1\n");
  EXPECT_EQ((*sheet)[1], "#,b,2\n");
  EXPECT_EQ((*sheet)[2], "#,last");
}

TEST_F(SpreadsheetTest, PathsIgnoreCaseAndBackslashes) {
  std::filesystem::create_directories(dir.Path() / "Data" / "Simulation");
  WriteFile(dir.Path() / "Data" / "Simulation" / "Jobs.CSV", "#,waiter\n");
  const auto sheet = LoadSpreadsheet("data\\simulation\\jobs.csv");
  ASSERT_EQ(sheet->size(), 1u);
  EXPECT_EQ((*sheet)[0], "#,waiter\n");
}

TEST_F(SpreadsheetTest, LongLinesStayWhole) {
  // A long row whose 2047th character is '#': cut into pieces, that piece would be a record.
  const std::string row = "#," + std::string(2044, 'x') + "#,bogus\n";
  WriteFile(dir.Path() / "long.csv", row + "not a record " + std::string(3000, 'y') + "\n");
  const auto sheet = LoadSpreadsheet("long.csv");
  ASSERT_EQ(sheet->size(), 1u);
  EXPECT_EQ((*sheet)[0], row);
}

TEST_F(SpreadsheetTest, MissingFileIsLoggedAndEmpty) {
  std::filesystem::create_directories(dir.Path() / "debugdata");
  DebugLog::Instance().SetPath("./debugdata/debug.txt");
  DebugLog::Instance().Open();
  const auto sheet = LoadSpreadsheet("nothere.csv");
  DebugLog::Instance().Close();
  EXPECT_TRUE(sheet->empty());
  EXPECT_NE(ReadFile(dir.Path() / "debugdata" / "debug.txt")
                .find("Failed to find spreadsheet: nothere.csv"),
            std::string::npos);
  EXPECT_TRUE(LoadSpreadsheet("")->empty());
  EXPECT_TRUE(LoadSpreadsheet("x")->empty());
}

}  // namespace
