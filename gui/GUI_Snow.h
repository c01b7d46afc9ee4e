// Snow over the main scene and behind the work-day summary: up to a thousand flakes, a share
// of them by the day's snow and the player's snowfall option; nine flakes in ten leave a
// small snowdrop blot where they reach the bottom of the screen, which shrinks away.
#pragma once

#include <array>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/Timer.h"

class GUI_SnowdropEffect {
 public:
  static constexpr int kBlots = 100;
  static constexpr float kShrink = 0.125f;
  static constexpr double kShrinkEveryMs = 100.0;

  static GUI_SnowdropEffect& Instance();
  GUI_SnowdropEffect();
  GUI_SnowdropEffect(const GUI_SnowdropEffect&) = delete;
  GUI_SnowdropEffect& operator=(const GUI_SnowdropEffect&) = delete;

  // Every blot gone (a new game).
  void Reset();
  // A blot at the flake's place, twice its half-size across; false (and nothing starts)
  // when all the blots are in use.
  bool Start(float x, float y, float halfSize);
  // Shrinks the blots by the time passed; draws them when `visible` and any is active.
  void Draw(bool visible);
  int ActiveCount() const;
  // The size of the first active blot (0 when none), for tests.
  float FirstActiveSize() const;

 private:
  struct Blot {
    bool active = false;
    float x = 0, y = 0, w = 0, h = 0;
  };
  void Shrink();

  std::array<Blot, kBlots> blots_{};
  double lastShrinkMs_ = 0.0;
  Timer clock_;
  std::vector<SpriteVertex> vertices_;
};

class GUI_Snow {
 public:
  static constexpr int kFlakes = 1000;
  static constexpr float kLeastSnowfall = 0.1f;

  static GUI_Snow& Instance();
  // The frame of the main scene and the work-day summary (with the weather effects on).
  static void Draw();
  // The main scene's snowdrops: cleared by each new game, drawn every frame.
  static void ResetSnowdrops();
  static void DrawSnowdrops();
  // The share of the flakes that fall: the day's snow by the snowfall option (at least 0.1),
  // at most the whole.
  static float Share(float snow, float snowfall);

  // Snowdrops go to `drops` (the main scene's unless given).
  explicit GUI_Snow(GUI_SnowdropEffect* drops = nullptr);
  GUI_Snow(const GUI_Snow&) = delete;
  GUI_Snow& operator=(const GUI_Snow&) = delete;

  // One frame with a share (0..1) of the flakes falling at a frame step.
  void DrawFrame(float share, float frameStep);
  int FallingFlakes() const { return falling_; }

 private:
  struct Flake {
    float x = 0, y = 0, spin = 0, half = 0, speed = 0, drift = 0;
    uint32_t colour = 0;
    bool mayLeaveDrop = false;
    bool landed = false;
  };
  void MakeFlakes(float w, float h);

  GUI_SnowdropEffect* drops_;
  bool made_ = false;
  int falling_ = 0;
  std::array<Flake, kFlakes> flakes_{};
  std::vector<SpriteVertex> vertices_;
};
