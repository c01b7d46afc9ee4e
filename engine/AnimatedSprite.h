// A sprite that steps through the cells of a square sprite sheet on a timer, once, and then
// disappears until played again.
#pragma once

#include "engine/Timer.h"
#include "engine/WorldSprite.h"

class AnimatedSprite : public WorldSprite {
 public:
  AnimatedSprite();
  // Shows `frames` cells over `totalMs` from the first; fewer than one frame is one.
  void Play(float totalMs, int frames);
  // Advances the frame when its time is up and draws it; nothing when not playing or finished.
  void Draw() override;

  int GetFrame() const { return frame_; }
  bool IsPlaying() const { return playing_; }
  bool IsFinished() const { return finished_; }

 private:
  int frame_ = 0;
  Timer timer_;
  float frameTime_ = 0.0f;
  int frameCount_ = 0;
  bool playing_ = false;
  bool finished_ = false;
};
