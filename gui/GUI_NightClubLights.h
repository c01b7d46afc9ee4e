// The night club's ten disco lights: fixed places on the screen (in pixels, unscaled), each
// pulsing from its base size to twice it over its own short period, and shown only while the
// dance music plays. The night-club evening's report owns one and draws it over its page.
#pragma once

#include <array>

#include "engine/BaseSprite.h"
#include "engine/Timer.h"

class GUI_NightClubLights {
 public:
  static constexpr int kLights = 10;
  static constexpr const char* kMusic = "data/sounds/dancemusic.ogg";
  static constexpr const char* kTexture = "discolight.dds";

  GUI_NightClubLights();
  virtual ~GUI_NightClubLights() = default;
  GUI_NightClubLights(const GUI_NightClubLights&) = delete;
  GUI_NightClubLights& operator=(const GUI_NightClubLights&) = delete;

  // Draws the lights while the dance music plays; nothing otherwise.
  virtual void Draw();
  // Draws them whatever plays (the bench, and Draw once the music is heard).
  void DrawPulses();

  // A light's size now: from its base size up to (not reaching) twice it, every period.
  float SizeOf(int light);
  float PeriodOf(int light) const;
  int DrawnLights() const { return drawn_; }

 private:
  struct Light {
    double startMs = 0;
    float base = 0, period = 0, x = 0, y = 0;
    uint32_t colour = 0xFFFFFFFFu;
  };
  double NowMs();

  std::array<Light, kLights> lights_{};
  int drawn_ = 0;
  Timer clock_;
};
