// The match-3 video game, played through the mouse on a board laid out by the test.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_Match3Game.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SimTestWorld.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"

using testsupport::WriteFile;

namespace guitest {
namespace {

using Board = std::array<int, GUI_Match3Game::kSize * GUI_Match3Game::kSize>;

// A board without a line: kind (2 r + c) mod 6. Rows and columns never repeat a kind three
// times running.
Board Plain() {
  Board b{};
  for (int r = 0; r < 6; ++r)
    for (int c = 0; c < 6; ++c) b[static_cast<size_t>(r * 6 + c)] = (2 * r + c) % 6;
  return b;
}

// The plain board with three gems changed so that swapping (4,2) and (5,2) lines up three 3s
// along the bottom row. After the line goes and the gems fall, new gems of kinds 1, 2, 0 in
// the top row make no further line.
Board OneSwapFromALine() {
  Board b = Plain();
  b[5 * 6 + 0] = 3;
  b[5 * 6 + 1] = 3;
  b[4 * 6 + 2] = 3;
  return b;
}

class Match3Test : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    hiscoreBefore = GetVideoGameHiscore();
    SetVideoGameHiscore(0);
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_SIM::Instance().SetPhase(1);
    GUI_GUI::Instance().StartGame();  // the frame timer starts again on the test's clock
    Frame();
  }
  void TearDown() override {
    GUI_Match3Game::Close();
    SetVideoGameHiscore(hiscoreBefore);
    PlayTest::TearDown();
  }
  GUI_Match3Game* Game() { return GUI_Match3Game::Instance(); }
  void Frame(double ms = 12) {
    clock.Advance(ms);
    sinceStart += ms;
    InGameFrame();
  }
  // Frames until every gem rests and the board has been examined.
  void Settle() {
    for (int i = 0; i < 400 && !Game()->IsSettled(); ++i) Frame();
    ASSERT_TRUE(Game()->IsSettled());
  }
  void ClickGem(int row, int column) {
    Click(static_cast<int>(Game()->CellX(column)), static_cast<int>(Game()->CellY(row)));
  }
  void OpenAndStart() {
    GUI_Match3Game::Open();
    ASSERT_NE(Game(), nullptr);
    Frame();
    ClickOn(Game()->StartButton());
    sinceStart = 0;
    ASSERT_EQ(Game()->GetState(), GUI_Match3Game::kPlaying);
    Settle();  // the new board's gems fall in
  }
  // One scoring swap on a fresh board, with no cascade.
  void ScoreOnce() {
    Game()->SetBoardForTesting(OneSwapFromALine());
    Game()->PlanKindsForTesting({1, 2, 0});
    ClickGem(4, 2);
    ClickGem(5, 2);
    Settle();
  }
  Board Kinds() {
    Board b{};
    for (int r = 0; r < 6; ++r)
      for (int c = 0; c < 6; ++c) b[static_cast<size_t>(r * 6 + c)] = Game()->GemAt(r, c)->GetKind();
    return b;
  }
  std::pair<float, float> Effects() {
    return {SIM_Vesk::Instance()->GetValue("boredom"), SIM_Vesk::Instance()->GetValue("fitness")};
  }

  ManualTimerClock clock;
  double sinceStart = 0;  // ms of the clock since the start button
  int hiscoreBefore = 0;
};

TEST_F(Match3Test, TheActivityOpensTheGameOnItsInstructionsAndUsesOneSlotHoweverItEnds) {
  WriteFile(user.Path() / "hints.txt", "[hints]\nsolo_dialog = 1\n");
  LoadHints();
  const auto before = Effects();
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser::SelectByName("playvideogames");
  Frame();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  // Starting the activity alone changes nothing: the effects wait for the round.
  EXPECT_EQ(Effects(), before);
  EXPECT_TRUE(PlayerEffects("fitness", "playvideogames").empty());
  EXPECT_EQ(Game()->GetCloseButton(), nullptr);
  EXPECT_TRUE(Game()->IsModal());
  EXPECT_EQ(Game()->GetRect().right - Game()->GetRect().left, 352);
  EXPECT_EQ(Game()->GetRect().bottom - Game()->GetRect().top, 353);
  Frame();
  EXPECT_EQ(Game()->GetState(), GUI_Match3Game::kInstructions);
  EXPECT_TRUE(Queued(Translate("MATCH3GAME_INSTRUCTIONS")));
  EXPECT_TRUE(Game()->StartButton()->IsVisible());
  EXPECT_FALSE(Game()->FinishButton()->IsVisible());
  // No gem is taken before the round starts.
  Settle();
  const Board kinds = Kinds();
  ClickGem(0, 0);
  ClickGem(0, 1);
  EXPECT_FALSE(Game()->IsCheckPending());
  EXPECT_EQ(Kinds(), kinds);

  ClickOn(Game()->StartButton());
  EXPECT_EQ(Game()->GetState(), GUI_Match3Game::kPlaying);
  EXPECT_FALSE(Game()->StartButton()->IsVisible());
  // Opening a second game replaces the first; neither ends a slot. The new window may well
  // take the freed one's address, so the two are told apart by what they show: the game in
  // play is gone and a fresh one waits on its instructions, the only game the manager holds.
  GUI_Match3Game::Open();
  ASSERT_NE(Game(), nullptr);
  EXPECT_EQ(Game()->GetState(), GUI_Match3Game::kInstructions);
  const auto& windows = GUI_WindowManager::Instance().Windows();
  EXPECT_EQ(std::count_if(windows.begin(), windows.end(),
                          [](const GUI_WindowBase* w) { return dynamic_cast<const GUI_Match3Game*>(w); }),
            1);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  GUI_Match3Game::Close();
  EXPECT_EQ(Game(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
}

TEST_F(Match3Test, ANewBoardNeverHoldsALine) {
  for (int i = 0; i < 40; ++i) {
    GUI_Match3Game::Open();
    int row = 0, column = 0;
    bool horizontal = false;
    EXPECT_FALSE(Game()->FindLine(row, column, horizontal)) << "board " << i;
    // Every gem starts above or at its cell and falls straight down into it.
    for (int r = 0; r < 6; ++r) {
      for (int c = 0; c < 6; ++c) {
        const M3_Gem* gem = Game()->GemAt(r, c);
        ASSERT_NE(gem, nullptr);
        EXPECT_EQ(gem->x_, Game()->CellX(c));
        EXPECT_LE(gem->y_, Game()->CellY(0));
        EXPECT_EQ(gem->targetY_, Game()->CellY(r));
      }
    }
  }
}

TEST_F(Match3Test, ASwapThatLinesUpScoresOnceWhenSettledAndEachCascadeOnceMore) {
  OpenAndStart();
  ScoreOnce();
  EXPECT_EQ(Game()->GetScore(), 1);
  EXPECT_EQ(GetVideoGameHiscore(), 1);
  EXPECT_EQ(CountSound(GUI_Match3Game::kScoreSound), 1);
  // The bottom row took the gems that stood above it; the new ones came in at the top.
  EXPECT_EQ(Game()->GemAt(5, 0)->GetKind(), 2);
  EXPECT_EQ(Game()->GemAt(5, 2)->GetKind(), 0);  // the gem swapped up, fallen back down
  EXPECT_EQ(Game()->GemAt(0, 0)->GetKind(), 1);
  EXPECT_EQ(Game()->GemAt(0, 2)->GetKind(), 0);
  int row = 0, column = 0;
  bool horizontal = false;
  EXPECT_FALSE(Game()->FindLine(row, column, horizontal));

  // New gems that line up along the top are a cascade: one more point once they settle.
  Game()->SetBoardForTesting(OneSwapFromALine());
  Game()->PlanKindsForTesting({5, 5, 5, 1, 2, 0});
  ClickGem(4, 2);
  ClickGem(5, 2);
  Settle();
  EXPECT_EQ(Game()->GetScore(), 3);
  EXPECT_EQ(GetVideoGameHiscore(), 3);
  EXPECT_FALSE(Game()->FindLine(row, column, horizontal));

  // A line of four goes whole for one point.
  Board four = OneSwapFromALine();
  four[5 * 6 + 3] = 3;
  four[5 * 6 + 4] = 1;  // keeps the row from reaching five
  Game()->SetBoardForTesting(four);
  Game()->PlanKindsForTesting({1, 2, 0, 3});
  ClickGem(4, 2);
  ClickGem(5, 2);
  Settle();
  EXPECT_EQ(Game()->GetScore(), 4);
  EXPECT_EQ(Game()->GemAt(0, 3)->GetKind(), 3);  // four new gems came in
}

TEST_F(Match3Test, ASwapWithoutALineSwapsBackAndPicksThatAreNotNeighboursAreDropped) {
  OpenAndStart();
  const Board plain = Plain();
  Game()->SetBoardForTesting(plain);
  ClickGem(0, 0);
  ClickGem(0, 1);
  EXPECT_TRUE(Game()->IsCheckPending());
  Settle();
  EXPECT_EQ(Kinds(), plain);
  EXPECT_EQ(Game()->GetScore(), 0);
  EXPECT_EQ(CountSound(GUI_Match3Game::kScoreSound), 0);
  EXPECT_EQ(Game()->GemAt(0, 0)->x_, Game()->CellX(0));

  // Two cells away: the pick is dropped, so the next click starts a new pick rather than a
  // swap; the same gem twice likewise.
  Game()->SetBoardForTesting(OneSwapFromALine());
  Game()->PlanKindsForTesting({1, 2, 0});
  ClickGem(4, 0);
  ClickGem(4, 2);
  EXPECT_FALSE(Game()->IsCheckPending());
  ClickGem(5, 2);
  EXPECT_FALSE(Game()->IsCheckPending());
  ClickGem(5, 2);
  ClickGem(4, 2);
  EXPECT_FALSE(Game()->IsCheckPending());
  // Diagonal neighbours are not neighbours.
  ClickGem(5, 3);
  EXPECT_FALSE(Game()->IsCheckPending());
  ClickGem(4, 2);
  ClickGem(5, 2);  // a real neighbour: the swap goes through
  EXPECT_TRUE(Game()->IsCheckPending());
  Settle();
  EXPECT_EQ(Game()->GetScore(), 1);
}

TEST_F(Match3Test, EveryFiveSecondsEveryGemTakesTheNextKind) {
  OpenAndStart();
  Game()->SetBoardForTesting(Plain());
  Frame(4950 - sinceStart);
  EXPECT_EQ(Kinds(), Plain());
  Frame(100);
  Board next = Plain();
  for (int& k : next) k = (k + 1) % 6;
  EXPECT_EQ(Kinds(), next);
  // A cycle that makes a line removes nothing until a swap is examined.
  EXPECT_EQ(Game()->GetScore(), 0);
  Frame(5100);
  for (int& k : next) k = (k + 1) % 6;
  EXPECT_EQ(Kinds(), next);
}

TEST_F(Match3Test, NineAtTheEndOfTheRoundFailsWithoutEffects) {
  SetVideoGameHiscore(12);  // a better score stands
  OpenAndStart();
  for (int i = 0; i < 9; ++i) ScoreOnce();
  ASSERT_EQ(Game()->GetScore(), 9);
  const auto before = Effects();
  for (int i = 0; i < 40 && Game()->GetState() == GUI_Match3Game::kPlaying; ++i) Frame(1000);
  EXPECT_EQ(Game()->GetState(), GUI_Match3Game::kFinished);
  Frame();
  EXPECT_TRUE(Queued(Translate("MATCH3GAME_FAILED")));
  EXPECT_FALSE(Queued(Translate("MATCH3GAME_SUCCESS")));
  EXPECT_EQ(Effects(), before);
  EXPECT_TRUE(PlayerEffects("fitness", "playvideogames").empty());
  EXPECT_FALSE(Queued(Translate("MATCH3GAME_FAILED_BEST")));
  EXPECT_EQ(GetVideoGameHiscore(), 12);
  // Clicks on the finished board do nothing.
  const Board kinds = Kinds();
  ClickGem(4, 2);
  ClickGem(5, 2);
  EXPECT_FALSE(Game()->IsCheckPending());
  EXPECT_EQ(Kinds(), kinds);
}

TEST_F(Match3Test, TenAtTheEndOfTheRoundAppliesTheActivitysEffectsOnceAndFinishCloses) {
  SetVideoGameHiscore(25);  // a better score stands
  OpenAndStart();
  for (int i = 0; i < 10; ++i) ScoreOnce();
  ASSERT_EQ(Game()->GetScore(), 10);
  EXPECT_EQ(GetVideoGameHiscore(), 25);
  const auto before = Effects();
  for (int i = 0; i < 40 && Game()->GetState() == GUI_Match3Game::kPlaying; ++i) Frame(1000);
  ASSERT_EQ(Game()->GetState(), GUI_Match3Game::kFinished);
  const auto after = Effects();
  EXPECT_NE(after, before);
  for (int i = 0; i < 10; ++i) Frame(1000);
  EXPECT_TRUE(Queued(Translate("MATCH3GAME_SUCCESS")));
  EXPECT_FALSE(Queued(Translate("MATCH3GAME_SUCCESS_BEST")));
  EXPECT_EQ(Effects(), after);  // once only
  EXPECT_EQ(PlayerEffects("fitness", "playvideogames").size(), 1u);
  EXPECT_EQ(PlayerEffects("boredom", "playvideogames").size(), 1u);
  ASSERT_TRUE(Game()->FinishButton()->IsVisible());
  ClickOn(Game()->FinishButton());
  EXPECT_EQ(Game(), nullptr);
  EXPECT_EQ(Effects(), after);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
}

// A round that beats the best score that stood when it began says so, whether or not it
// reached the target; one that only equals the best does not.
TEST_F(Match3Test, ARoundThatSetsTheBestScoreIsToldSo) {
  const struct {
    int best, score;
    const char* key;
    const char* notKey;
  } rounds[] = {{5, 9, "MATCH3GAME_FAILED_BEST", "MATCH3GAME_FAILED"},
                {9, 9, "MATCH3GAME_FAILED", "MATCH3GAME_FAILED_BEST"},
                {9, 10, "MATCH3GAME_SUCCESS_BEST", "MATCH3GAME_SUCCESS"}};
  for (const auto& round : rounds) {
    SCOPED_TRACE(round.key);
    SetVideoGameHiscore(round.best);
    OpenAndStart();
    for (int i = 0; i < round.score; ++i) ScoreOnce();
    ASSERT_EQ(Game()->GetScore(), round.score);
    for (int i = 0; i < 40 && Game()->GetState() == GUI_Match3Game::kPlaying; ++i) Frame(1000);
    ASSERT_EQ(Game()->GetState(), GUI_Match3Game::kFinished);
    GUI_Services::RecordedTexts().clear();
    Frame();
    EXPECT_TRUE(Queued(Translate(round.key)));
    EXPECT_FALSE(Queued(Translate(round.notKey)));
    EXPECT_EQ(GetVideoGameHiscore(), std::max(round.best, round.score));
    GUI_Match3Game::Close();
  }
}

}  // namespace
}  // namespace guitest
