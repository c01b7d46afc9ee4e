// Rain over the main scene and behind the work-day summary: drops that fade in and out with
// the day's rain, splashes where they land, the rain's own loop on the reserved rain channel,
// and in a storm thunder with a white flash. Everything is bounded: 512 drops, 24 splashes,
// one loop.
#pragma once

#include <array>
#include <vector>

#include "engine/BaseSprite.h"
#include "engine/Timer.h"
#include "platform/Audio.h"

class GUI_Rain {
 public:
  static constexpr int kMaxDrops = 512;
  static constexpr int kSplashes = 24;
  static constexpr float kFadePerFrame = 0.01f;
  static constexpr float kLowestVolume = 0.2f;
  static constexpr float kStormTarget = 0.25f;
  static constexpr float kFlashFade = 0.075f;
  static constexpr double kSplashLifeMs = 530.0;
  static constexpr const char* kLoopFile = "data/sounds/rain_loop.ogg";
  static constexpr const char* kThunderFile = "data/sounds/thunder.ogg";

  static GUI_Rain& Instance();
  // The frame of the main scene and the work-day summary: with the weather effects on, today's
  // rain at the in-game screen's frame step; with them off, nothing is drawn and the loop stops.
  static void Draw();
  // Stops the loop of the instance, if one was built (the frame loop calls it whenever the
  // in-game screen was not drawn, so rain never plays on in the menus).
  static void SilenceIfBuilt();

  GUI_Rain();
  ~GUI_Rain();
  GUI_Rain(const GUI_Rain&) = delete;
  GUI_Rain& operator=(const GUI_Rain&) = delete;

  // One frame towards the target intensity (0..1) at a frame step (12-ms units).
  void DrawFrame(float target, float frameStep);
  // Stops the channel; the next frame with rain starts it again.
  void StopLoop();
  // For tests only: dry, silent and calm, its clock started afresh on the clock in use.
  void ResetForTesting();
  // For tests only: the next frame of a storm thunders whatever the wait (a test that looks
  // at the flash cannot wait the seconds a storm's first thunder waits).
  void StrikeOnNextFrameForTesting() { strikeDue_ = true; }

  float GetIntensity() const { return intensity_; }
  float GetFlash() const { return flash_; }
  bool IsPlaying() const { return playing_; }
  int DrawnDrops() const { return drawnDrops_; }
  int ActiveSplashes() const;
  int ThunderCount() const { return thunders_; }
  double NowMs();

 private:
  struct Drop {
    bool live = false;
    float x = 0, y = 0, speed = 0, ground = 0;
  };
  struct Splash {
    bool active = false;
    float x = 0, y = 0;
    double startMs = 0;
  };

  void StartLoop(float target);
  void ResetDrop(Drop& drop, bool anywhere, float w, float h);
  void OfferSplash(float x, float y, double now);

  bool playing_ = false;
  plat::AudioStream loop_{plat::kRainChannel};
  float intensity_ = 0.0f;
  float target_ = 0.0f;
  double lastLightningMs_ = 0.0;
  double lightningDelayMs_ = 0.0;
  float flash_ = 0.0f;
  int thunders_ = 0;
  bool strikeDue_ = false;
  double lastSplashMs_ = -1e9;
  int drawnDrops_ = 0;
  std::array<Drop, kMaxDrops> drops_{};
  std::array<Splash, kSplashes> splashes_{};
  std::vector<SpriteVertex> dropVertices_;
  std::vector<SpriteVertex> splashVertices_;
  Timer clock_;
};
