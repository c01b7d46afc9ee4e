// The new-game menu and the intro, driven through the keyboard and the mouse.
#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>

#include "app/Game.h"
#include "engine/CallTrace.h"
#include "engine/Timer.h"
#include "gui/GUI_Services.h"
#include "engine/Translate.h"
#include "gui/GUI_AttribAdjuster.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/PlayFixture.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Names.h"

namespace guitest {
namespace {

constexpr int kEscape = 1, kBackspace = 14;
// Scan codes of the keys typed below.
constexpr int kA = 30, kB = 48, kE = 18, kM = 50, kOne = 2, kSpace = 57, kComma = 51, kDot = 52,
              kHyphen = 12, kApostrophe = 40;

class MenuNewTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    SIM_GameConfig::Instance().Reset();
    Menu().BuildAvatarList();
    Menu().SetName("");
    Game::Instance().SetMode(GAMEMODE_NEWGAME);
  }
  GUI_MenuNew& Menu() { return GUI_MenuNew::Instance(); }
  int Percent(int i) { return SIM_GameConfig::Instance().GetPercent(i); }
  static bool IsIn(const std::vector<SIM_Names::Entry>& list, const std::string& name) {
    return std::any_of(list.begin(), list.end(), [&](const auto& e) { return e.name == name; });
  }
};

TEST_F(MenuNewTest, TheAvatarsAreTheShippedPicturesInOrderAndWrapBothWays) {
  const std::vector<std::string>& avatars = Menu().Avatars();
  ASSERT_GE(avatars.size(), 2u);
  EXPECT_TRUE(std::is_sorted(avatars.begin(), avatars.end()));
  bool male = false, female = false;
  for (const std::string& name : avatars) {
    EXPECT_EQ(name.find('/'), std::string::npos);  // plain names: textures are found by name
    EXPECT_EQ(name.find("_background"), std::string::npos);
    male |= name[0] == 'm';
    female |= name[0] == 'f';
  }
  EXPECT_TRUE(male && female);
  EXPECT_EQ(Menu().GetAvatar(), avatars.front());
  Menu().Draw();
  ClickOn(Menu().PreviousButton());
  EXPECT_EQ(Menu().GetAvatar(), avatars.back());  // up from the first shows the last
  Game::Instance().OnWheelDown();
  EXPECT_EQ(Menu().GetAvatar(), avatars.front());  // down from the last shows the first
  ClickOn(Menu().NextButton());
  EXPECT_EQ(Menu().GetAvatar(), avatars[1]);
  Game::Instance().OnWheelUp();
  EXPECT_EQ(Menu().GetAvatar(), avatars.front());
}

TEST_F(MenuNewTest, TypingTakesLettersApostrophesAndHyphensUpTo62) {
  for (int key : {kB, kE, kOne, kSpace, kComma, kDot, kA, kApostrophe, kHyphen}) Key(key);
  EXPECT_EQ(Menu().GetName(), "Bea'-");  // the first letter upper case, the rest as typed
  Key(kBackspace);
  EXPECT_EQ(Menu().GetName(), "Bea'");
  for (int i = 0; i < 5; ++i) Key(kBackspace);  // past empty does nothing
  EXPECT_EQ(Menu().GetName(), "");
  for (int i = 0; i < 70; ++i) Key(kA);
  EXPECT_EQ(Menu().GetName().size(), 62u);
  EXPECT_EQ(Menu().GetName().substr(0, 2), "Aa");
}

// A name wider than the picture shows "..." and its end, centred under the picture, with the
// caret right after the last shown letter; the name itself stays whole.
TEST_F(MenuNewTest, ALongNameShowsItsEndCentredWithTheCaretAfterIt) {
  GUI_Services::SetMeasurer(nullptr, nullptr);  // the real font, as drawn
  ManualTimerClock clock;
  for (int i = 0; i < 62; ++i) Key(i % 3 == 2 ? kHyphen : kM);
  ASSERT_EQ(Menu().GetName().size(), 62u);
  const float w = static_cast<float>(engine.GetWidth()), h = static_cast<float>(engine.GetHeight());
  const float pictureWidth = 170.0f * w / 1024.0f;
  const float bottom = h / 2 + 256.0f * w / 1024.0f;
  // Two frames 200 ms apart: the caret blinks, so only its pixels differ between them.
  uint32_t caretPixel[2] = {0, 0};
  for (uint32_t& pixel : caretPixel) {
    GUI_Services::SetRecording(true);
    Menu().Draw();
    const GUI_Services::TextItem* item = nullptr;
    for (const auto& t : GUI_Services::RecordedTexts())
      if (t.y == bottom + 10) item = &t;
    ASSERT_NE(item, nullptr);
    const std::string& end = item->text;
    ASSERT_GT(end.size(), 3u);
    EXPECT_EQ(end, "..." + Menu().GetName().substr(62 - (end.size() - 3)));
    const int width = GUI_Services::MeasureWidth("tahoma bold", 24, end);
    EXPECT_LE(width, static_cast<int>(pictureWidth));
    EXPECT_EQ(item->x, w / 2 - pictureWidth / 2);  // centred in the picture's width
    EXPECT_EQ(item->wrapWidth, static_cast<int>(pictureWidth));
    EXPECT_EQ(item->align, 1);
    pixel = Pixel(static_cast<int>(w / 2 + static_cast<float>(width) / 2) + 3,
                  static_cast<int>(bottom + 22));
    clock.Advance(200);
  }
  EXPECT_NE(caretPixel[0], caretPixel[1]);
}

TEST_F(MenuNewTest, TheRandomNameFollowsThePicturesGender) {
  const auto& avatars = Menu().Avatars();
  const size_t male = static_cast<size_t>(
      std::find_if(avatars.begin(), avatars.end(), [](const std::string& n) { return n[0] == 'm'; }) -
      avatars.begin());
  ASSERT_LT(male, avatars.size());
  Menu().Draw();
  for (size_t i = 0; i < male; ++i) ClickOn(Menu().NextButton());
  for (int i = 0; i < 10; ++i) {
    ClickOn(Menu().RandomButton());
    EXPECT_TRUE(IsIn(SIM_Names::MaleForenames(), Menu().GetName())) << Menu().GetName();
  }
  ClickOn(Menu().NextButton());
  while (Menu().GetAvatar()[0] == 'm') ClickOn(Menu().NextButton());
  for (int i = 0; i < 10; ++i) {
    ClickOn(Menu().RandomButton());
    EXPECT_TRUE(IsIn(SIM_Names::FemaleForenames(), Menu().GetName())) << Menu().GetName();
  }
}

TEST_F(MenuNewTest, TheAdjustersKeepThePercentagesEvenAndSummingTo200) {
  Menu().Draw();
  const int order[] = {0, 0, 2, 3, 3, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 2, 1, 3};
  for (int i : order) {
    ClickOn(Menu().Adjuster(i)->RaiseButton());
    int sum = 0;
    for (int j = 0; j < 4; ++j) {
      EXPECT_EQ(Percent(j) % 2, 0);
      EXPECT_GE(Percent(j), 0);
      EXPECT_LE(Percent(j), 100);
      EXPECT_LE(Menu().Adjuster(j)->CellCount(), 24);
      sum += Percent(j);
    }
    EXPECT_EQ(sum, 200);
  }
  for (int k = 0; k < 40; ++k) ClickOn(Menu().Adjuster(0)->RaiseButton());
  EXPECT_EQ(Percent(0), 100);
  EXPECT_EQ(Menu().Adjuster(0)->CellCount(), 24);
  EXPECT_EQ(Percent(1) + Percent(2) + Percent(3), 100);
}

TEST_F(MenuNewTest, StartStoresTheChoicesAndTheIntroBeginsTheGame) {
  Menu().Draw();
  ClickOn(Menu().NextButton());
  const std::string avatar = Menu().GetAvatar();
  for (int key : {kM, kA, kE}) Key(key);
  ClickOn(Menu().StartButton());
  EXPECT_EQ(SIM_GameConfig::Instance().GetAvatarName(), avatar);
  EXPECT_EQ(SIM_GameConfig::Instance().GetName(), "Mae");
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuIntro::Instance());

  // The intro: no start button for three seconds, the text typing two characters a frame.
  ManualTimerClock clock;
  GUI_MenuIntro& intro = GUI_MenuIntro::Instance();
  intro.OnEnter();
  GUI_Services::RecordedTexts().clear();
  intro.Draw();
  EXPECT_FALSE(intro.StartButton()->IsVisible());
  EXPECT_FLOAT_EQ(intro.GetBudget(), 2);
  ASSERT_NE(FindText(Translate("INTRO_TEXT")), nullptr);
  ClickOn(intro.StartButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuIntro::Instance());
  clock.Advance(2999);
  intro.Draw();
  EXPECT_FALSE(intro.StartButton()->IsEnabled());
  clock.Advance(2);
  intro.Draw();
  EXPECT_TRUE(intro.StartButton()->IsVisible());
  EXPECT_TRUE(intro.StartButton()->IsEnabled());
  EXPECT_FLOAT_EQ(intro.GetBudget(), 6);
  ClickOn(intro.StartButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  EXPECT_TRUE(Game::Instance().IsInGame());
}

TEST_F(MenuNewTest, TheIntroTextAppearsOnScreenAFewLettersAFrame) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  GUI_Avatar::Instance().SetTextureName("f_bea.dds");  // the room behind the text is a picture
  GUI_MenuIntro& intro = GUI_MenuIntro::Instance();
  intro.OnEnter();
  // The text's box: 600 wide from the middle's left, from 100 above the middle.
  auto frame = [&] {
    engine.BeginRender();
    engine.FillRect(0, 0, 1024, 768, 0xFF000000u);
    intro.Draw();
    engine.EndScene();
    return WhitePixels(512 - 300, 384 - 100, 512 + 300, 384 + 200);
  };
  const int first = frame();
  int later = first;
  for (int i = 0; i < 30; ++i) later = frame();
  EXPECT_GT(later, first + 150);
}

TEST_F(MenuNewTest, AnEmptyNameStartsWithARandomOneAsTheButtonGives) {
  const auto& avatars = Menu().Avatars();
  ASSERT_FALSE(avatars.empty());
  ASSERT_EQ(Menu().GetName(), "");
  const bool male = Menu().GetAvatar()[0] == 'm';
  ClickOn(Menu().StartButton());
  const std::string name = SIM_GameConfig::Instance().GetName();
  EXPECT_FALSE(name.empty());
  EXPECT_EQ(Menu().GetName(), name);
  EXPECT_TRUE(IsIn(male ? SIM_Names::MaleForenames() : SIM_Names::FemaleForenames(), name)) << name;
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuIntro::Instance());
}

TEST_F(MenuNewTest, EscapeLeavesTheMenuAndTheIntroForTheMainMenu) {
  Key(kEscape);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  Game::Instance().SetMode(GAMEMODE_INTRO);
  GUI_MenuIntro::Instance().Draw();
  EXPECT_GT(GUI_MenuIntro::Instance().GetBudget(), 0);
  Key(kEscape);
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  Game::Instance().SetMode(GAMEMODE_INTRO);  // a new visit types from the start
  EXPECT_FLOAT_EQ(GUI_MenuIntro::Instance().GetBudget(), 0);
  EXPECT_FALSE(GUI_MenuIntro::Instance().StartButton()->IsVisible());
  EXPECT_FALSE(Game::Instance().IsInGame());
}

TEST_F(MenuNewTest, WithoutAvatarsTheArrowsAndStartDoNothing) {
  {
    testsupport::ScopedChdir empty{user.Path()};
    Menu().BuildAvatarList();
  }
  EXPECT_TRUE(Menu().Avatars().empty());
  EXPECT_EQ(assertions.size(), 1u);
  Menu().Draw();
  ClickOn(Menu().NextButton());
  ClickOn(Menu().PreviousButton());
  ClickOn(Menu().RandomButton());
  EXPECT_TRUE(IsIn(SIM_Names::FemaleForenames(), Menu().GetName()));
  EXPECT_EQ(Menu().GetAvatar(), "");
  ClickOn(Menu().StartButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuNew::Instance());
  Menu().BuildAvatarList();
  EXPECT_FALSE(Menu().Avatars().empty());
}

}  // namespace
}  // namespace guitest
