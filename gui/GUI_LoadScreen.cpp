// The loading screen.
#include "gui/GUI_LoadScreen.h"

#include <algorithm>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Utilities.h"
#include "platform/Clock.h"
#include "platform/Window.h"

GUI_LoadScreen& GUI_LoadScreen::Instance() {
  static GUI_LoadScreen screen;
  return screen;
}

GUI_LoadScreen::Bar GUI_LoadScreen::BarRect(int screenWidth, int screenHeight) {
  return Bar{screenWidth - 300, screenHeight - 35, screenWidth - 20, screenHeight - 20};
}

void GUI_LoadScreen::Draw(float progress) {
  lastProgress_ = progress;
  D3DEngine& engine = D3DEngine::Instance();
  if (!engine.IsInitialised()) return;
  // A caller's rounding may step a little past either end; the bar never grows out of its box.
  const float filled = std::clamp(progress, 0.0f, 1.0f);
  const Bar bar = BarRect(engine.GetWidth(), engine.GetHeight());

  engine.BeginRender();
  engine.DrawFullScreenImage(kPicture);
  const float width = static_cast<float>(bar.right - bar.left) * filled;
  if (width > 0.0f) {
    BaseSprite fill;
    fill.width = width;
    fill.height = static_cast<float>(bar.bottom - bar.top);
    fill.SetPosition(static_cast<float>(bar.left) + width / 2.0f,
                     static_cast<float>(bar.top) + fill.height / 2.0f);
    engine.SetTextureByName(kBarTexture);
    fill.DrawQuad();
  }
  engine.DrawRectOutline(bar.left, bar.top, bar.right, bar.bottom, 0xFFFFFFFFu);
  engine.EndScene();
  engine.Flip();
  // The loading steps run outside the message loop: let the system see the window is alive.
  plat::PumpEvents();
  plat::SleepMs(1);
}
