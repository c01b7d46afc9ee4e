// A hover tooltip. Owners trigger it every frame the mouse is over them; once the mouse has
// rested longer than the delay it shows, and when the hover ends it fades in two frames.
// Drawing only queues it: the screen draws the queue at the very end of its frame, and only
// the first visible tooltip of the frame shows.
#pragma once

#include <string>

#include "gui/GUI_BaseElement.h"

class GUI_Tooltip : public GUI_BaseElement {
 public:
  GUI_Tooltip(const char* text, int delay);
  // Leaves the draw queue, so a tooltip deleted between queueing and drawing is never drawn.
  ~GUI_Tooltip() override;
  GUI_Tooltip(const GUI_Tooltip&) = delete;
  GUI_Tooltip& operator=(const GUI_Tooltip&) = delete;

  // Measured width + 6; from 241 px on the text wraps at 240. The text is measured when it
  // changes, not each time it is set.
  void SetText(const char* text);
  void Trigger();
  void PlaceAtMouse();
  // Queues the tooltip for this frame's DrawTooltips.
  void Draw() override;
  // Draws it now; returns the alpha it drew at.
  float DrawQueued();

  const std::string& GetText() const { return text_; }
  float GetFade() const { return fade_; }
  int GetDelay() const { return delay_; }
  void SetFollowMouse(bool follow) { followMouse_ = follow; }

  // The size for a text measuring `measured` px on one line and `wrappedHeight` px when
  // wrapped at 240.
  static void SizeFor(int measured, int wrappedHeight, int& outWidth, int& outHeight);
  static size_t QueuedCount();

 private:
  std::string text_;
  float alpha_ = 0.0f;
  int delay_ = 0;
  float fade_ = 0.0f;
  bool followMouse_ = false;
  bool measured_ = false;
};

// Draws the frame's queued tooltips (only the first visible one shows) and empties the queue.
void DrawTooltips();
