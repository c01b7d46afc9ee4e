// The arcade shooter, opened directly and played through held keys.
#include <gtest/gtest.h>

#include "app/CInput.h"
#include "engine/Translate.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_VideoGame.h"
#include "sim/SIM_SIM.h"

namespace guitest {
namespace {

class VideoGameTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    SIM_SIM::Instance().SetActs(2, 1);
    SIM_SIM::Instance().SetPhase(1);
    GUI_GUI::Instance().StartGame();
    Frame();
    GUI_VideoGame::Open();
    // Bombs fall only where a test drops them.
    Game()->SetBombChanceForTesting(0);
  }
  void TearDown() override {
    for (int key : {GUI_VideoGame::kKeyLeft, GUI_VideoGame::kKeyRight, GUI_VideoGame::kKeySpace})
      Release(key);
    GUI_VideoGame::Close();
    PlayTest::TearDown();
  }
  GUI_VideoGame* Game() { return GUI_VideoGame::Instance(); }
  void Frame(double ms = 12) {
    clock.Advance(ms);
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
  }
  void Release(int key) {
    plat::Event e;
    e.type = plat::EventType::KeyUp;
    e.key = key;
    CInput::Instance().QueueEvent(e);
    CInput::Instance().Update();
  }
  // The aliens keep out of the way: all but `keep` gone from the wave, that one parked high
  // in the ship's column (or far to the side).
  void ClearTheSkyBut(int keep, bool aboveTheShip) {
    for (int i = 0; i < GUI_VideoGame::kAliens; ++i)
      Game()->PlaceAlienForTesting(i, 0, 0, false);
    const auto& play = Game()->PlayField();
    Game()->PlaceAlienForTesting(keep, aboveTheShip ? Game()->ShipX() : static_cast<float>(play.left) + 40,
                                 static_cast<float>(play.top) + 60, true);
  }

  ManualTimerClock clock;
};

TEST_F(VideoGameTest, TheArrowsMoveTheShipAtTheirOwnSpeedsWithinThePlayField) {
  ASSERT_NE(Game(), nullptr);
  EXPECT_TRUE(Game()->IsModal());
  EXPECT_EQ(Game()->GetRect().right - Game()->GetRect().left, 400);
  EXPECT_EQ(Game()->AliensAlive(), 10);
  const float start = Game()->ShipX();
  Key(GUI_VideoGame::kKeyRight);
  for (int i = 0; i < 10; ++i) Frame();  // 12 ms a frame: one frame step
  EXPECT_FLOAT_EQ(Game()->ShipX(), start + 20);
  Release(GUI_VideoGame::kKeyRight);
  Key(GUI_VideoGame::kKeyLeft);
  for (int i = 0; i < 10; ++i) Frame();
  EXPECT_FLOAT_EQ(Game()->ShipX(), start - 10);
  for (int i = 0; i < 200; ++i) Frame();
  EXPECT_FLOAT_EQ(Game()->ShipX(), static_cast<float>(Game()->PlayField().left) + 24);
  Release(GUI_VideoGame::kKeyLeft);
  Key(GUI_VideoGame::kKeyRight);
  for (int i = 0; i < 400; ++i) Frame();
  EXPECT_FLOAT_EQ(Game()->ShipX(), static_cast<float>(Game()->PlayField().right) - 24);
}

TEST_F(VideoGameTest, SpaceFiresTwiceASecondAndNeverMoreThanSixBulletsFly) {
  ClearTheSkyBut(0, false);
  Key(GUI_VideoGame::kKeySpace);
  Frame();
  EXPECT_EQ(Game()->ActiveBullets(), 1);
  for (int i = 0; i < 20; ++i) Frame(12);  // 240 ms: too soon for another
  EXPECT_EQ(Game()->ActiveBullets(), 1);
  // Long frames: each moves a bullet only three steps, so they stay in flight.
  for (int i = 0; i < 10; ++i) Frame(500);
  EXPECT_EQ(Game()->ActiveBullets(), 6);
  EXPECT_EQ(CountSound(GUI_VideoGame::kLaserSound), 6);
  for (const auto& bullet : Game()->Bullets()) EXPECT_LT(bullet.y, Game()->ShipY());
}

TEST_F(VideoGameTest, AHitScoresTenAndTheLastAlienBringsANewWave) {
  ClearTheSkyBut(3, true);
  Key(GUI_VideoGame::kKeySpace);
  Frame();
  Release(GUI_VideoGame::kKeySpace);
  for (int i = 0; i < 200 && Game()->GetScore() == 0; ++i) {
    Game()->PlaceAlienForTesting(3, Game()->ShipX(), Game()->Aliens()[3].y, true);
    Frame();
  }
  EXPECT_EQ(Game()->GetScore(), 10);
  EXPECT_EQ(CountSound(GUI_VideoGame::kBangSound), 1);
  EXPECT_EQ(Game()->ActiveBullets(), 0);
  // The fresh wave: ten aliens in two rows of five, 60 px apart.
  EXPECT_EQ(Game()->AliensAlive(), 10);
  const auto& aliens = Game()->Aliens();
  EXPECT_FLOAT_EQ(aliens[1].x - aliens[0].x, 60);
  EXPECT_FLOAT_EQ(aliens[5].y - aliens[0].y, 50);
  EXPECT_FLOAT_EQ(aliens[5].x, aliens[0].x);
  Frame();
  EXPECT_TRUE(Queued("10"));
}

TEST_F(VideoGameTest, ABombOnTheShipEndsTheGameAndLaterKeysAndHitsChangeNothing) {
  ClearTheSkyBut(0, true);
  Game()->DropBombForTesting(0, Game()->ShipX(), Game()->ShipY() - 60);
  for (int i = 0; i < 100 && !Game()->IsGameOver(); ++i) Frame();
  ASSERT_TRUE(Game()->IsGameOver());
  EXPECT_EQ(CountSound(GUI_VideoGame::kExplodeSound), 1);
  Frame();
  EXPECT_TRUE(Queued(Translate("VIDEOGAME_GAMEOVER")));
  const float x = Game()->ShipX();
  Key(GUI_VideoGame::kKeyRight);
  Key(GUI_VideoGame::kKeySpace);
  for (int i = 0; i < 60; ++i) {
    Game()->PlaceAlienForTesting(0, Game()->ShipX(), Game()->ShipY() - 40, true);
    Frame(100);
  }
  EXPECT_EQ(Game()->ShipX(), x);
  EXPECT_EQ(Game()->ActiveBullets(), 0);
  EXPECT_EQ(Game()->GetScore(), 0);
  EXPECT_EQ(CountSound(GUI_VideoGame::kLaserSound), 0);
  // The close button closes it and leaves the day's slots alone.
  ClickOn(Game()->GetCloseButton());
  EXPECT_EQ(Game(), nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
}

}  // namespace
}  // namespace guitest
