#include "engine/AnimatedSprite.h"

#include <algorithm>

AnimatedSprite::AnimatedSprite() { timer_.Start(); }

void AnimatedSprite::Play(float totalMs, int frames) {
  frameCount_ = std::max(frames, 1);
  frameTime_ = totalMs / static_cast<float>(frameCount_);
  frame_ = 0;
  playing_ = true;
  finished_ = false;
  timer_.Start();
  SetGridFrame(frameCount_, 0);
}

void AnimatedSprite::Draw() {
  if (!playing_) return;
  timer_.Update();
  if (timer_.elapsed > frameTime_) {
    timer_.Start();
    ++frame_;
    if (frame_ < frameCount_)
      SetGridFrame(frameCount_, frame_);
    else
      finished_ = true;
  }
  if (finished_) return;
  BaseSprite::Draw();
}
