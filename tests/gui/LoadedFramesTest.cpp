// The frames drawn right after a game is loaded from the load menu, as the game's own frame
// loop draws them: the click that loads is handled inside a frame, as the message loop does,
// and each frame is looked at just before it is presented.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "engine/GdiText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_GameModeBase.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_Rain.h"
#include "gui/PlayFixture.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Weather.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

class LoadedFramesTest : public MenuPlayTest {
 protected:
  void SetUp() override {
    MenuPlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    SIM_SaveGame::SetFolder(saves.Str());
  }
  void TearDown() override {
    SIM_SaveGame::SetFolder("");
    GUI_Rain::Instance().ResetForTesting();
    MenuPlayTest::TearDown();
  }
  // A click left for the next frame's input step, as the message loop leaves it.
  static void QueueClickOn(const GUI_BaseElement* element) {
    const GUI_Rect& r = element->GetRect();
    for (plat::EventType type : {plat::EventType::MouseMove, plat::EventType::MouseButtonDown,
                                 plat::EventType::MouseButtonUp}) {
      plat::Event e;
      e.type = type;
      e.x = (r.left + r.right) / 2;
      e.y = (r.top + r.bottom) / 2;
      e.button = 0;
      CInput::Instance().QueueEvent(e);
    }
  }
  // One frame of the game's loop; the share of its pixels that are near white.
  double DrawFrame() {
    clock.Advance(16);
    engine.BeginRender();
    CInput::Instance().Update();
    GUI_GameModeBase* mode = Game::Instance().GetCurrentMode();
    mode->Update();
    mode->Draw();
    // As the game's loop does: the rain plays only under the in-game screen.
    if (mode != &GUI_GUI::Instance()) GUI_Rain::SilenceIfBuilt();
    engine.EndScene();
    FlushGdiText(-1);
    const double white = WhitePixels(0, 0, 1024, 768) / (1024.0 * 768.0);
    engine.Flip();
    return white;
  }
  testsupport::TempDir saves;
};

// A game saved in a storm (the fixture 400 days in) loads into its room, not into a screen
// whitened by a thunderclap on the storm's first frame; a second load is no different.
TEST_F(LoadedFramesTest, TheFramesAfterLoadingAStormyDayShowTheRoom) {
  std::filesystem::copy_file(std::string(TOVEL_SOURCE_DIR) + "/tests/saves/day-400.xml",
                             saves.Path() / "day-400.xml");
  for (int load = 0; load < 2; ++load) {
    SCOPED_TRACE(load);
    Game::Instance().SetMode(GAMEMODE_LOAD);
    DrawFrame();
    const auto& rows = GUI_MenuLoad::Instance().Rows();
    ASSERT_FALSE(rows.empty());
    ASSERT_EQ(rows.front()->GetName(), "day-400");
    QueueClickOn(rows.front());
    double whitest = 0.0;
    for (int i = 0; i < 10; ++i) whitest = std::max(whitest, DrawFrame());
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
    ASSERT_GE(SIM_Weather::Instance().GetIntensity(WEATHER_RAIN), GUI_Rain::kStormTarget);
    EXPECT_LT(whitest, 0.25);  // the room with its light walls is about a tenth
  }
}

}  // namespace
}  // namespace guitest
