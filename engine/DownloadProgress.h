// The frame a download draws while the frame loop stands still.
#pragma once

#include <string>

// The progress frame the internet menu passes to SetProgressCallback: a whole frame of its own
// (the frame loop stands still while a download runs) showing the progress text, then a short
// sleep. It also keeps the last text and counts the frames. Without a renderer it only counts.
void ShowDownloadProgress(const std::string& text, float fraction);
// The frame's content, inside a scene the caller began: the text centred across the screen at
// half its height, white, in bold 18-point type, drawn at once.
void DrawDownloadProgress(const std::string& text, float fraction);
struct DownloadProgressFrame {
  std::string lastText;
  float lastFraction = 0.0f;
  int frames = 0;
};
DownloadProgressFrame& GetDownloadProgressFrame();
