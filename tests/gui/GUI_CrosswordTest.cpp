// The crossword, played through the keyboard's scan codes against the window's stopwatch.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_Crossword.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "sim/SimTestWorld.h"

using testsupport::WriteFile;

namespace guitest {
namespace {

class CrosswordTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    poolBefore = CrosswordPool();
    CrosswordPool().clear();
    for (int code = 0; code < 256; ++code)
      if (const char c = ScanCodeToChar(code); c && !codes.count(c)) codes[c] = code;
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_SIM::Instance().SetPhase(1);
    GUI_GUI::Instance().StartGame();
    Frame();
  }
  void TearDown() override {
    GUI_Crossword::Close();
    CrosswordPool() = poolBefore;
    PlayTest::TearDown();
  }
  GUI_Crossword* Window() { return GUI_Crossword::Instance(); }
  void Frame(double ms = 12) {
    clock.Advance(ms);
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
  }
  void Type(const std::string& text) {
    for (char c : text) {
      ASSERT_TRUE(codes.count(c)) << c;
      Key(codes[c]);
    }
  }
  // The only word of the pool, so the window takes it.
  void OnlyWord(const std::string& answer) {
    CrosswordPool() = {{"Clue: \"a test\"", answer}};
  }
  int Revealed() {
    const auto& r = Window()->GetRevealed();
    return static_cast<int>(std::count(r.begin(), r.end(), true));
  }
  // A wrong letter for every position that is not given.
  std::string Wrong() {
    std::string typed;
    for (char c : Window()->GetWord().answer) typed += c == 'q' ? 'z' : 'q';
    return typed;
  }

  ManualTimerClock clock;
  std::map<char, int> codes;
  std::vector<CrosswordWord> poolBefore;
};

TEST_F(CrosswordTest, TheActivityOpensItAndTheTypedAnswerSolvesItOnceWithItsEffects) {
  WriteFile(user.Path() / "hints.txt", "[hints]\nsolo_dialog = 1\n");
  LoadHints();
  OnlyWord("kettle");
  const float knowledge = SIM_Vesk::Instance()->GetValue("iq_knowledge");
  const int solved = SIM_Statistics::Instance().GetInt(GUI_Crossword::kSolvedStatistic);
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser::SelectByName("crossword");
  Frame();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  ASSERT_NE(Window(), nullptr);
  EXPECT_TRUE(Window()->IsEasy());
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(SIM_Vesk::Instance()->GetValue("iq_knowledge"), knowledge);  // not yet
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), Window());
  EXPECT_TRUE(Window()->IsModal());
  EXPECT_NE(Window()->GetCloseButton(), nullptr);
  EXPECT_EQ(Window()->GetWord().answer, "kettle");
  EXPECT_TRUE(CrosswordPool().empty());  // the word left the pool
  EXPECT_GE(Revealed(), 1);
  EXPECT_LE(Revealed(), 2);
  EXPECT_EQ(CountSound(GUI_Crossword::kStopwatchSound), 1);
  EXPECT_EQ(GUI_Services::RecordedMusic(), std::vector<std::string>{"mute"});
  Frame();
  EXPECT_TRUE(Queued("Clue: \"a test\""));
  EXPECT_TRUE(Queued("24 " + std::string(Translate("CROSSWORD_TIMER"))));  // 12 ms gone

  // Solved with the last letter that is not given.
  const std::vector<bool> given = Window()->GetRevealed();
  size_t last = given.size() - 1;
  while (given[last]) --last;
  Type(std::string("kettle").substr(0, last));
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kPlaying);
  Type(std::string(1, "kettle"[last]));
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kSolved);
  const std::string typed = Window()->GetTyped();
  EXPECT_EQ(typed, std::string("kettle").substr(0, last + 1));
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(GUI_Crossword::kSolvedStatistic), solved + 1);
  const float after = SIM_Vesk::Instance()->GetValue("iq_knowledge");
  EXPECT_GT(after, knowledge);
  EXPECT_EQ(PlayerEffects("iq_knowledge", "crossword").size(), 1u);
  const std::vector<std::string> music = GUI_Services::RecordedMusic();
  ASSERT_FALSE(music.empty());
  EXPECT_EQ(music.back(), "restart");
  EXPECT_FALSE(GUI_Services::IsSoundPlaying(GUI_Crossword::kStopwatchSound));
  Frame();
  EXPECT_TRUE(Queued(Translate("CROSSWORD_CORRECT")));
  EXPECT_FALSE(Queued("24 " + std::string(Translate("CROSSWORD_TIMER"))));

  // Typing now changes nothing, and nothing more is applied or counted.
  Type("ab");
  Key(GUI_Crossword::kKeyBackspace);
  EXPECT_EQ(Window()->GetTyped(), typed);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(GUI_Crossword::kSolvedStatistic), solved + 1);
  EXPECT_EQ(SIM_Vesk::Instance()->GetValue("iq_knowledge"), after);
  EXPECT_EQ(PlayerEffects("iq_knowledge", "crossword").size(), 1u);

  // Closing gives the keys back and uses no slot; the music was restarted once.
  Frame();
  ClickOn(Window()->GetCloseButton());
  EXPECT_EQ(Window(), nullptr);
  EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(std::count(GUI_Services::RecordedMusic().begin(), GUI_Services::RecordedMusic().end(),
                       "restart"),
            1);
}

TEST_F(CrosswordTest, GivenLettersNeedNotBeTypedRightAndTheBoxesHoldOnlyTheAnswersLength) {
  OnlyWord("abcdefghij");
  GUI_Crossword::Open(true);
  ASSERT_TRUE(Window()->HasWord());
  Key(GUI_Crossword::kKeyBackspace);
  EXPECT_EQ(Window()->GetTyped(), "");
  // Escape and characters that are not letters or digits type nothing; nothing past the
  // tenth box.
  Key(GUI_Crossword::kKeyEscape);
  EXPECT_NE(Window(), nullptr);
  Type(" -.,");
  EXPECT_EQ(Window()->GetTyped(), "");
  const std::string wrong = Wrong();
  Type(wrong + "qqqq");
  EXPECT_EQ(Window()->GetTyped(), wrong);
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kPlaying);
  for (int i = 0; i < 12; ++i) Key(GUI_Crossword::kKeyBackspace);
  EXPECT_EQ(Window()->GetTyped(), "");

  // Every given position takes any key; the others must be right.
  std::string typed;
  const std::string& answer = Window()->GetWord().answer;
  for (size_t i = 0; i < answer.size(); ++i) typed += Window()->GetRevealed()[i] ? '7' : answer[i];
  Type(typed.substr(0, typed.size() - 1));
  EXPECT_EQ(Window()->GetState(), Window()->GetRevealed().back() ? GUI_Crossword::kSolved
                                                                 : GUI_Crossword::kPlaying);
  Type(typed.substr(typed.size() - 1));
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kSolved);

  // A short answer takes only as many keys as it has letters.
  OnlyWord("cat");
  GUI_Crossword::Open(false);
  EXPECT_FALSE(Window()->IsEasy());
  const std::string shortWrong = Wrong();
  Type(shortWrong + "qq");
  EXPECT_EQ(Window()->GetTyped(), shortWrong);
}

TEST_F(CrosswordTest, AfterTwentyFiveSecondsItTimesOutAndARightAnswerDoesNothing) {
  OnlyWord("garden");
  GUI_Crossword::Open(true);
  const int solved = SIM_Statistics::Instance().GetInt(GUI_Crossword::kSolvedStatistic);
  const float knowledge = SIM_Vesk::Instance()->GetValue("iq_knowledge");
  Frame(1500);
  EXPECT_TRUE(Queued("23 " + std::string(Translate("CROSSWORD_TIMER"))));
  Frame(25000 - 1500 - 1);
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kPlaying);
  EXPECT_EQ(GUI_Services::RecordedMusic(), std::vector<std::string>{"mute"});
  Frame(1);
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kTimedOut);
  EXPECT_EQ(GUI_Services::RecordedMusic().back(), "restart");
  Frame();
  EXPECT_TRUE(Queued(Translate("CROSSWORD_TIMEOUT")));
  EXPECT_TRUE(Queued("0 " + std::string(Translate("CROSSWORD_TIMER"))));
  Type("garden");
  EXPECT_EQ(Window()->GetState(), GUI_Crossword::kTimedOut);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(GUI_Crossword::kSolvedStatistic), solved);
  EXPECT_EQ(SIM_Vesk::Instance()->GetValue("iq_knowledge"), knowledge);
  EXPECT_TRUE(PlayerEffects("iq_knowledge", "crossword").empty());
  // The answer shows in full once the time is up.
  Frame();
  for (char c : std::string("GARDEN")) EXPECT_TRUE(Queued(std::string(1, c))) << c;
}

TEST_F(CrosswordTest, ACrypticCrosswordUsesEasyWordsLeftInThePoolAndLoadsTheHardListWhenEmpty) {
  LoadCrosswordWords(true);
  std::set<std::string> easy;
  for (const CrosswordWord& w : CrosswordPool()) easy.insert(w.answer);
  ASSERT_GE(easy.size(), 60u);
  const size_t loaded = CrosswordPool().size();
  GUI_Crossword::Open(false);
  ASSERT_TRUE(Window()->HasWord());
  EXPECT_TRUE(easy.count(Window()->GetWord().answer));
  EXPECT_EQ(CrosswordPool().size(), loaded - 1);

  CrosswordPool().clear();
  GUI_Crossword::Open(false);
  ASSERT_TRUE(Window()->HasWord());
  std::set<std::string> inPool{Window()->GetWord().answer};
  for (const CrosswordWord& w : CrosswordPool()) inPool.insert(w.answer);
  // The hard list's own words are there; the easy list's are not.
  EXPECT_TRUE(inPool.count("dormitory"));
  EXPECT_TRUE(inPool.count("astronomer"));
  EXPECT_FALSE(inPool.count("umbrella"));
  EXPECT_FALSE(inPool.count("kettle"));
}

TEST_F(CrosswordTest, WithEveryWordListMissingTheWindowShowsNoWordAndStillCloses) {
  testsupport::TempDir empty;
  {
    testsupport::ScopedChdir there(empty.Path());
    GUI_Crossword::Open(true);
    ASSERT_NE(Window(), nullptr);
    EXPECT_FALSE(Window()->HasWord());
    Type("abc");
    EXPECT_EQ(Window()->GetTyped(), "");
    Frame();
    Frame(30000);
    EXPECT_EQ(Window()->GetState(), GUI_Crossword::kTimedOut);  // the clock still runs down
    ClickOn(Window()->GetCloseButton());
    EXPECT_EQ(Window(), nullptr);
    EXPECT_EQ(GUI_GUI::Instance().GetKeyCapture(), nullptr);
  }
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
}

}  // namespace
}  // namespace guitest
