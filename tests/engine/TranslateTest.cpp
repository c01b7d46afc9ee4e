// Translations, numbered and random sections, tokens and the section cache.
#include <gtest/gtest.h>

#include <filesystem>
#include <limits>
#include <set>
#include <string>

#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "support/TestSupport.h"

using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class TranslateTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::filesystem::create_directories(dir.Path() / "data");
    std::filesystem::create_directories(dir.Path() / "debugdata");
    ResetStringTable();
    ReleaseStringCaches();
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath("./debugdata/debug.txt");
  }
  void TearDown() override {
    DebugLog::Instance().Close();
    ResetStringTable();
    ReleaseStringCaches();
  }
  void WriteStrings(const std::string& text) { WriteFile(dir.Path() / "data" / "strings.ini", text); }
  std::string Log() {
    DebugLog::Instance().Close();
    return ReadFile(dir.Path() / "debugdata" / "debug.txt");
  }

  TempDir dir;
  ScopedChdir cd{dir.Path()};
};

TEST_F(TranslateTest, KnownKeysGiveTheirTextsAndUnknownOnesThemselves) {
  WriteStrings(
      "[strings]\r\n"
      "HELLO=Hello there\r\n"
      "TWO WORDS=joined\r\n"
      "EMPTY=\r\n"
      "//a comment line\r\n"
      "9LIVES=cat\r\n"
      "[MonthNames]\r\n0=January\r\n");
  EXPECT_STREQ(Translate("HELLO"), "Hello there");
  EXPECT_STREQ(Translate("TWOWORDS"), "joined");
  EXPECT_STREQ(Translate("9LIVES"), "cat");
  const char* missing = "NO_SUCH_KEY";
  EXPECT_EQ(Translate(missing), missing);
  const char* empty = "EMPTY";
  EXPECT_EQ(Translate(empty), empty);
  EXPECT_STREQ(Translate(""), "");
  EXPECT_STREQ(Translate(nullptr), "");
  EXPECT_STREQ(Translate("0"), "0");  // other sections are not mixed in
}

// Without the table every text shows as its key: said once for the read, in the log and in a
// box (whose text always reaches stderr too), in words that need no table. A folder where
// the file should be, or a file without the texts' section, is the same.
TEST_F(TranslateTest, AMissingTableGivesEveryKeyItselfAndIsSaidOnce) {
  auto countIn = [](const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  auto count = [&countIn](const std::string& text) {
    return countIn(text, "could not be read from data/strings.ini");
  };
  DebugLog::Instance().Open();
  testing::internal::CaptureStderr();
  EXPECT_STREQ(Translate("HELLO"), "HELLO");
  EXPECT_STREQ(Translate("OTHER"), "OTHER");
  EXPECT_STREQ(GetNumberedString(0.5f, "MonthNames"), "");
  const std::string boxes = testing::internal::GetCapturedStderr();
  EXPECT_EQ(countIn(boxes, "[Missing texts] The game's texts could not be read"), 1) << boxes;
  EXPECT_EQ(count(Log()), 1);

  std::filesystem::create_directory(dir.Path() / "data" / "strings.ini");
  ResetStringTable();
  DebugLog::Instance().Open();
  EXPECT_STREQ(Translate("HELLO"), "HELLO");
  EXPECT_EQ(count(Log()), 1);
  std::filesystem::remove(dir.Path() / "data" / "strings.ini");

  WriteStrings("[MonthNames]\n0=January\n");
  ResetStringTable();
  DebugLog::Instance().Open();
  EXPECT_STREQ(Translate("HELLO"), "HELLO");
  EXPECT_EQ(count(Log()), 1);

  WriteStrings("[strings]\nHELLO=Hello\n");
  ResetStringTable();
  DebugLog::Instance().Open();
  EXPECT_STREQ(Translate("HELLO"), "Hello");
  EXPECT_EQ(count(Log()), 0);
}

TEST_F(TranslateTest, TheTableIsReadOnceUntilReset) {
  WriteStrings("[strings]\nA=one\n");
  EXPECT_STREQ(Translate("A"), "one");
  WriteStrings("[strings]\nA=two\n");
  EXPECT_STREQ(Translate("A"), "one");
  ResetStringTable();
  EXPECT_STREQ(Translate("A"), "two");
}

TEST_F(TranslateTest, NumberedEntriesByFraction) {
  WriteStrings("[QUAD]\n0=zero\n1=one\n2=two\n3=three\n[NONE]\n");
  EXPECT_STREQ(GetNumberedString(1.0f, "QUAD"), "three");
  EXPECT_STREQ(GetNumberedString(0.5f, "QUAD"), "two");
  EXPECT_STREQ(GetNumberedString(-0.2f, "QUAD"), "zero");
  EXPECT_STREQ(GetNumberedString(0.0f, "QUAD"), "zero");
  EXPECT_STREQ(GetNumberedString(0.74f, "QUAD"), "two");
  EXPECT_STREQ(GetNumberedString(7.0f, "QUAD"), "three");
  EXPECT_STREQ(GetNumberedString(1e30f, "QUAD"), "three");
  EXPECT_STREQ(GetNumberedString(std::numeric_limits<float>::quiet_NaN(), "QUAD"), "zero");
  EXPECT_STREQ(GetNumberedString(0.5f, "NONE"), "");
  EXPECT_STREQ(GetNumberedString(0.5f, "ABSENT"), "");
}

TEST_F(TranslateTest, RandomEntriesComeFromTheSection) {
  WriteStrings("[GREET]\n0=hi\n1=hello\n2=hey\n");
  WriteFile(dir.Path() / "data" / "fortunes.txt", "[cookies]\n0=luck\n");
  const uint32_t saved = GetRandomState();
  SeedRandom(77);
  std::set<std::string> seen;
  for (int i = 0; i < 200; ++i) seen.insert(GetRandomString("GREET"));
  EXPECT_EQ(seen, (std::set<std::string>{"hi", "hello", "hey"}));
  EXPECT_STREQ(GetRandomStringFromFile("cookies", "data/fortunes.txt"), "luck");
  SetRandomState(saved);

  DebugLog::Instance().Open();
  EXPECT_STREQ(GetRandomString("EMPTYSECTION"), "");
  EXPECT_NE(Log().find("WARNING - No random translation keys found"), std::string::npos);
}

TEST_F(TranslateTest, TokensFillPlaceholders) {
  WriteStrings(
      "[strings]\n"
      "MSG=Message from <NAME> about <THING>.\n"
      "PLAIN=no tokens\n");
  EXPECT_EQ(TranslateWithTokens("MSG", "NAME=Ann,THING=cake,"), "Message from Ann about cake.");
  EXPECT_EQ(GetToken("THING"), "cake");
  EXPECT_EQ(TranslateWithTokens("PLAIN", ""), "no tokens");
  EXPECT_EQ(TranslateWithTokens("UNKNOWN_KEY", "A=1,"), "UNKNOWN_KEY");
}

TEST_F(TranslateTest, LastPairWithoutCommaIsLostAndLogged) {
  WriteStrings("[strings]\nMSG=<A> and <B>\n");
  DebugLog::Instance().Open();
  EXPECT_EQ(TranslateWithTokens("MSG", "A=x,B=y"), "x and ");
  EXPECT_EQ(GetToken("A"), "x");
  EXPECT_NE(Log().find("failed to find token:B"), std::string::npos);
}

TEST_F(TranslateTest, LongValuesPassThroughTokensWhole) {
  // About 2,000 characters of text around one placeholder, and a value longer still.
  const std::string text(1000, 'w');
  const std::string longName(1500, 'n');
  WriteStrings("[strings]\nBIG=" + text + "<NAME>" + text + "\n");
  const std::string result = TranslateWithTokens("BIG", "NAME=" + longName + ",");
  EXPECT_EQ(result, text + longName + text);
  EXPECT_EQ(TranslateWithTokens("BIG", std::string(3000, 'z') + "=v,"), text + text);
}

TEST_F(TranslateTest, SectionCacheKeepsOneObjectPerSectionAndFile) {
  WriteStrings("[A]\n0=x\n[B]\n0=y\n");
  WriteFile(dir.Path() / "data" / "other.ini", "[A]\n0=z\n");
  ConfigFile* a = GetCachedConfig("A", "data/strings.ini");
  EXPECT_EQ(GetCachedConfig("A", "data/strings.ini"), a);
  EXPECT_NE(GetCachedConfig("B", "data/strings.ini"), a);
  EXPECT_STREQ(GetCachedConfig("A", "data/other.ini")->GetValue("0"), "z");
  EXPECT_STREQ(a->GetValue("0"), "x");
  // Cached: a change to the file is not seen until the caches are released.
  WriteStrings("[A]\n0=changed\n");
  EXPECT_STREQ(GetCachedConfig("A", "data/strings.ini")->GetValue("0"), "x");
  SetTokens("T=1,");
  ReleaseStringCaches();
  EXPECT_STREQ(GetCachedConfig("A", "data/strings.ini")->GetValue("0"), "changed");
  DebugLog::Instance().Open();
  EXPECT_EQ(GetToken("T"), "");
}

}  // namespace
