// The download progress frame.
#include "engine/DownloadProgress.h"

#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/InternetRequest.h"
#include "platform/Clock.h"

DownloadProgressFrame& GetDownloadProgressFrame() {
  static DownloadProgressFrame frame;
  return frame;
}

void DrawDownloadProgress(const std::string& text, float fraction) {
  const D3DEngine& engine = D3DEngine::Instance();
  const auto width = static_cast<float>(engine.GetWidth());
  const auto middle = static_cast<float>(engine.GetHeight() / 2);
  QueueTextString(0.0f, middle, FormatDownloadProgress(text, fraction), "tahoma bold", 18, width,
                  1, 255, 255, 255);
  FlushGdiText(-1);
}

void ShowDownloadProgress(const std::string& text, float fraction) {
  DownloadProgressFrame& frame = GetDownloadProgressFrame();
  frame.lastText = FormatDownloadProgress(text, fraction);
  frame.lastFraction = fraction;
  ++frame.frames;
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.IsInitialised()) return;
  // The back buffer is cleared after every present, so the frame starts black.
  engine.BeginRender();
  DrawDownloadProgress(text, fraction);
  engine.EndScene();
  engine.Flip();
  plat::SleepMs(1);
}
