// The crossword's word lists and answer check, and the video game's high score in a save.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "SimTestWorld.h"
#include "engine/Random.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SoloActivityType.h"
#include "support/RecordingScreens.h"
#include "support/TestSupport.h"

using testsupport::WriteFile;

namespace {

class CrosswordWordsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    before = CrosswordPool();
    CrosswordPool().clear();
  }
  void TearDown() override { CrosswordPool() = before; }
  std::vector<std::string> Answers() {
    std::vector<std::string> out;
    for (const CrosswordWord& w : CrosswordPool()) out.push_back(w.answer);
    return out;
  }
  testsupport::TempDir dir;
  std::vector<CrosswordWord> before;
};

TEST_F(CrosswordWordsTest, ListsKeepOnlyAnswersTheBoxesCanHoldAndTheKeysCanType) {
  const auto path = (dir.Path() / "words.txt").string();
  WriteFile(dir.Path() / "words.txt",
            "A comment line, not a record\n"
            "#,kettle,It boils water   \n"
            "#,abcdefghij,Ten letters\n"
            "#,abcdefghijk,Eleven letters\n"
            "#,,No answer\n"
            "#,Lemon  ,Sour fruit\r\n"
            "#,two words,A blank inside\n"
            "#,it's,An apostrophe\n"
            "#,12,\"Months, in a year\"\n");
  EXPECT_EQ(AppendCrosswordWords(path), 4);
  EXPECT_EQ(Answers(), (std::vector<std::string>{"kettle", "abcdefghij", "lemon", "12"}));
  // The clue keeps its commas inside quotes and loses trailing blanks; the caption leads.
  const std::string& first = CrosswordPool()[0].text;
  EXPECT_EQ(first.substr(first.size() - std::string("\"It boils water\"").size()),
            "\"It boils water\"");
  EXPECT_NE(CrosswordPool()[3].text.find("\"Months, in a year\""), std::string::npos);
  // A missing list adds nothing.
  EXPECT_EQ(AppendCrosswordWords((dir.Path() / "none.txt").string()), 0);
  EXPECT_EQ(CrosswordPool().size(), 4u);
}

TEST_F(CrosswordWordsTest, APickTakesTheWordOutOfThePoolAndAnEmptyPoolWithoutFilesGivesNone) {
  testsupport::ScopedChdir cd(dir.Path());
  CrosswordWord word;
  EXPECT_FALSE(PickCrosswordWord(true, word));
  EXPECT_FALSE(PickCrosswordWord(false, word));
  CrosswordPool() = {{"a", "one"}, {"b", "two"}, {"c", "three"}};
  std::vector<std::string> picked;
  for (int i = 0; i < 3; ++i) {
    ASSERT_TRUE(PickCrosswordWord(true, word));
    picked.push_back(word.answer);
  }
  std::sort(picked.begin(), picked.end());
  EXPECT_EQ(picked, (std::vector<std::string>{"one", "three", "two"}));
  EXPECT_TRUE(CrosswordPool().empty());
  // The list is read again only once the pool is empty: here from the working folder's data.
  WriteFile(dir.Path() / "data/simulation/easy_crossword.txt", "#,tea,Drink\n");
  WriteFile(dir.Path() / "data/simulation/hard_crossword.txt", "#,coffee,Drink\n");
  ASSERT_TRUE(PickCrosswordWord(false, word));
  EXPECT_EQ(word.answer, "coffee");
  ASSERT_TRUE(PickCrosswordWord(true, word));
  EXPECT_EQ(word.answer, "tea");
}

TEST(CrosswordSolvedTest, GivenPositionsTakeAnyKeyAndTheRestMustMatchIgnoringCase) {
  // Three letters with the ends given: right once the middle is typed in its place.
  const std::vector<bool> ends{true, false, true};
  EXPECT_FALSE(CrosswordSolved("cat", "", ends));
  EXPECT_FALSE(CrosswordSolved("cat", "x", ends));
  EXPECT_TRUE(CrosswordSolved("cat", "xa", ends));
  EXPECT_TRUE(CrosswordSolved("cat", "xA", ends));
  EXPECT_FALSE(CrosswordSolved("cat", "xb", ends));
  const std::vector<bool> none(3, false);
  EXPECT_FALSE(CrosswordSolved("cat", "ca", none));
  EXPECT_TRUE(CrosswordSolved("cat", "cat", none));
  EXPECT_FALSE(CrosswordSolved("cat", "cot", none));
  EXPECT_FALSE(CrosswordSolved("", "", {}));
}

TEST(CrosswordIndustryTest, TheIndustryListsFollowTheIndustriesTablesNames) {
  EXPECT_EQ(CrosswordIndustryFile("science"), "data/simulation/science_crossword.txt");
  EXPECT_EQ(CrosswordIndustryFile("medicine"), "data/simulation/medical_crossword.txt");
  EXPECT_EQ(CrosswordIndustryFile("legal"), "data/simulation/legal_crossword.txt");
  EXPECT_EQ(CrosswordIndustryFile("acting"), "data/simulation/entertainment_crossword.txt");
  EXPECT_EQ(CrosswordIndustryFile("music"), "data/simulation/entertainment_crossword.txt");
  EXPECT_EQ(CrosswordIndustryFile("retail"), "");
  EXPECT_EQ(CrosswordIndustryFile(""), "");
}

class MiniGameActivityTest : public SimWorldTest {};

TEST_F(MiniGameActivityTest, EachOpensItsGameUsesOneSlotAndLeavesTheEffectsToTheGame) {
  struct Case {
    const char* type;
    const char* opened;
    const char* attribute;
  };
  for (const Case& c : {Case{"playvideogames", "GUI_Match3Game::Open", "fitness"},
                        Case{"crossword", "GUI_Crossword::Open easy", "iq_knowledge"},
                        Case{"crypticcrossword", "GUI_Crossword::Open cryptic", "iq_problemsolving"}}) {
    SIM_SIM::Instance().SetActs(2, 0);
    ClearTracedCalls();
    SIM_SoloActivityType* type = SIM_SoloActivityType::FindByName(c.type);
    ASSERT_TRUE(type->GetSkipModifiers()) << c.type;
    type->Start();
    EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1) << c.type;
    EXPECT_EQ(std::count(TracedCalls().begin(), TracedCalls().end(), c.opened), 1) << c.type;
    EXPECT_TRUE(PlayerEffects(c.attribute, c.type).empty()) << c.type;
  }
}

TEST_F(MiniGameActivityTest, WithoutScreensTheGamesAreCountedAndWalkedAwayFrom) {
  SIM_HeadlessScreens& headless = SIM_HeadlessScreens::Instance();
  testsupport::ScopedScreens screens(&headless);
  const int opened = headless.MiniGamesOpened();
  headless.AnswerScreens();
  SIM_SIM::Instance().SetActs(2, 0);
  SIM_SoloActivityType::FindByName("playvideogames")->Start();
  SIM_SoloActivityType::FindByName("crossword")->Start();
  EXPECT_EQ(headless.MiniGamesOpened(), opened + 2);
  EXPECT_EQ(headless.MiniGamesOpen(), 2);
  headless.AnswerScreens();
  EXPECT_EQ(headless.MiniGamesOpen(), 0);
  EXPECT_EQ(headless.MiniGamesOpened(), opened + 2);  // a run's count, kept
  EXPECT_TRUE(PlayerEffects("fitness", "playvideogames").empty());
  EXPECT_TRUE(PlayerEffects("iq_knowledge", "crossword").empty());
}

}  // namespace
