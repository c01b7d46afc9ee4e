// A small arcade shooter played in a window: the ship moves along the bottom (the arrow keys)
// and fires upward (Space) at a wave of ten aliens that march from side to side and drop
// bombs. Each alien hit scores 10; a cleared wave is replaced at once; a bomb on the ship ends
// the game, after which the aliens march on and the player can only close the window. The
// game keeps nothing beyond its window and ends no activity slot.
#pragma once

#include <array>

#include "engine/AnimatedSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/Timer.h"
#include "gui/GUI_Dialog.h"

class GUI_VideoGame : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400, kHeight = 500;
  static constexpr int kBullets = 6, kAliens = 10;
  static constexpr double kShotGapMs = 500.0, kAlienStepMs = 100.0;
  static constexpr float kAlienStep = 4.0f;
  static constexpr float kBombChance = 0.01f;
  static constexpr int kKeyLeft = 203, kKeyRight = 205, kKeySpace = 57;
  static constexpr const char* kLaserSound = "data/sounds/laser.wav";
  static constexpr const char* kBangSound = "data/sounds/bang.wav";
  static constexpr const char* kExplodeSound = "data/sounds/explode.wav";

  // An explosion: the animated sheet at a random turn, played once over 500 ms.
  struct Explosion {
    AnimatedSprite sprite;
    void Start(float x, float y, float size);
    void Draw();
  };
  struct Bomb {
    float x = 0, y = 0;
    bool active = false;
    CTexturedSprite sprite;
  };
  struct Alien {
    float x = 0, y = 0;
    bool alive = false;
    CTexturedSprite sprite;
    Explosion explosion;
    Bomb bomb;
  };
  struct Bullet {
    float x = 0, y = 0;
    bool active = false;
    CTexturedSprite sprite;
  };

  // Replaces an open game with a new one.
  static void Open();
  static void Close();
  static GUI_VideoGame* Instance() { return instance; }

  ~GUI_VideoGame() override;
  // The game's step for the frame, then the picture.
  void Draw() override;

  int GetScore() const { return score_; }
  bool IsGameOver() const { return gameOver_; }
  float ShipX() const { return shipX_; }
  float ShipY() const { return shipY_; }
  const GUI_Rect& PlayField() const { return play_; }
  const std::array<Bullet, kBullets>& Bullets() const { return bullets_; }
  const std::array<Alien, kAliens>& Aliens() const { return aliens_; }
  int AliensAlive() const;
  int ActiveBullets() const;

  // Tests put an alien where they want it, or drop a bomb from it at a point.
  void PlaceAlienForTesting(int index, float x, float y, bool alive);
  void DropBombForTesting(int index, float x, float y);
  // The chance of a bomb at each alien step (0 keeps the sky clear).
  void SetBombChanceForTesting(float chance) { bombChance_ = chance; }

 private:
  GUI_VideoGame();
  void SetUpWave();
  void Step();
  void MoveAliens();
  void CheckHits();
  void DrawSprite(CTexturedSprite& sprite, float x, float y);

  static GUI_VideoGame* instance;

  GUI_Rect play_;
  CTexturedSprite backdrop_;
  float shipX_ = 0, shipY_ = 0;
  bool shipAlive_ = true;
  CTexturedSprite ship_;
  Explosion shipExplosion_;
  std::array<Bullet, kBullets> bullets_;
  std::array<Alien, kAliens> aliens_;
  int direction_ = 1;  // +1 marching right, -1 left
  int score_ = 0;
  bool gameOver_ = false;
  Timer clock_;
  double lastAlienStep_ = 0;
  double lastShot_ = -kShotGapMs;
  float bombChance_ = kBombChance;
};
