// The main road through input events only: from the main menu to a new game (name, picture,
// starting attributes), the intro, then seven days of choosing solo activities, pressing next
// day and reading the work-day summary.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>

#include "app/CInput.h"
#include "gui/GUI_GameModeBase.h"
#include "app/Game.h"
#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Timer.h"
#include "gui/GUI_AttribAdjuster.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

constexpr int kBackspace = 14, kR = 19, kO = 24, kS = 31, kReturn = 28, kRight = 205;

// Frames are the steps of Game::Frame (which does nothing once an earlier test in the process
// has shut the game down): input, the mode's update and draw, the text, the present.
class PlayADayTest : public MenuPlayTest {
 protected:
  // Closes the hints and the message boxes (a new friend's picture message) the way a player
  // does, with their close buttons.
  void CloseHints() {
    while (GUI_HintHelp::IsAnyOpen()) {
      Frame();
      ClickOn(GUI_HintHelp::OpenHints().front()->Buttons().front());
    }
    for (GUI_Message* box = OpenMessage(); box; box = OpenMessage()) {
      Frame();
      ASSERT_FALSE(box->Buttons().empty());
      ClickOn(box->Buttons().front());
      ASSERT_NE(OpenMessage(), box);
      ++messagesClosed;
    }
  }
  static GUI_Message* OpenMessage() {
    for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
      if (auto* box = dynamic_cast<GUI_Message*>(window)) return box;
    return nullptr;
  }
  int messagesClosed = 0;
};

TEST_F(PlayADayTest, FromTheMainMenuThroughSevenDays) {
  SIM_GameConfig::Instance().Reset();
  GUI_MenuNew& menu = GUI_MenuNew::Instance();
  menu.BuildAvatarList();
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  Frame();
  ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::STARTGAME));
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
  Frame();
  for (int i = 0; i < 64; ++i) Key(kBackspace);
  for (int key : {kR, kO, kS, kS}) Key(key);
  ClickOn(menu.NextButton());
  const std::string avatar = menu.GetAvatar();
  for (int i = 0; i < 3; ++i) ClickOn(menu.Adjuster(1)->RaiseButton());
  Frame();
  ClickOn(menu.StartButton());
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuIntro::Instance());
  EXPECT_EQ(SIM_GameConfig::Instance().GetPercent(1), 68);

  // The intro's button comes after three seconds.
  for (int i = 0; i < 200; ++i) Frame();
  ClickOn(GUI_MenuIntro::Instance().StartButton());
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  EXPECT_EQ(SIM_Vesk::Instance()->GetForename(), "Ross");
  EXPECT_EQ(SIM_Vesk::Instance()->GetGender(), avatar[0] == 'm' ? 0 : 1);
  ASSERT_TRUE(GUI_ControlPanel::Exists());
  GUI_ControlPanel& panel = GUI_ControlPanel::Instance();

  const SIM_Date start = CurrentDate();
  int activities = 0, summaries = 0;
  for (int day = 0; day < 7; ++day) {
    Frame();
    ASSERT_EQ(SIM_SIM::Instance().GetPhase(), 1) << "day " << day;
    const int slots = SIM_SIM::Instance().GetActsPerDay();
    for (int slot = 0; slot < slots; ++slot) {
      ClickOn(panel.SoloButton());
      ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
      CloseHints();
      Frame();
      GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
      // Step on to something affordable (every list has free activities).
      for (size_t i = 0; i < chooser->Available().size() && !chooser->StartButton()->IsEnabled();
           ++i) {
        Key(kRight);
        Frame();
      }
      ASSERT_TRUE(chooser->StartButton()->IsEnabled());
      const float cash = SIM_Finances::Instance().GetCash();
      const float cost = chooser->Current()->GetCost();
      const int used = SIM_SIM::Instance().GetActsUsed();
      if (slot % 2 == 0) {
        ClickOn(chooser->StartButton());
      } else {
        Key(kReturn);
      }
      EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
      EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
      if (cost > 0) {
        EXPECT_NEAR(SIM_Finances::Instance().GetCash(), cash - cost, 0.01f);
      }
      ++activities;
      Frame();
      CloseHints();  // a new friend met on the way is announced in a picture message
    }
    ASSERT_EQ(SIM_SIM::Instance().GetPhase(), 2);
    Frame();
    ClickOn(panel.SoloButton());  // no activity once the day is over
    EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
    ClickOn(panel.NextDayButton());
    ASSERT_EQ(SIM_SIM::Instance().GetPhase(), 0);
    ASSERT_TRUE(GUI_WorkDay::Instance()->IsOpen());
    if (summaries == 0) {
      // A box raised as the summary opens (a failed autosave's) lies over it and answers first.
      Game::Instance().ShowBox("Save game", "The autosave failed.");
      GUI_Services::RecordedTexts().clear();
      Frame();
      const auto& texts = GUI_Services::RecordedTexts();
      EXPECT_TRUE(std::any_of(texts.begin(), texts.end(),
                              [](const auto& t) { return t.text == "The autosave failed."; }));
      Key(kReturn);
      Frame();
      EXPECT_TRUE(Game::Instance().OpenBoxes().empty());
      ASSERT_TRUE(GUI_WorkDay::Instance()->IsOpen());
    }
    ++summaries;
    for (int i = 0; i < 30; ++i) Frame();
    ClickOn(GUI_WorkDay::Instance()->ContinueButton());
    EXPECT_FALSE(GUI_WorkDay::Instance()->IsOpen());
  }
  Frame();
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), 1);
  EXPECT_EQ(summaries, 7);
  EXPECT_GE(activities, 7);
  // A week later: the same day of the week, one month on (a month has seven days).
  EXPECT_EQ(CurrentDate().GetDayOfWeek(), start.GetDayOfWeek());
  EXPECT_EQ((CurrentDate().GetMonth() + 12 - start.GetMonth()) % 12, 1);
  EXPECT_TRUE(Game::Instance().IsInGame());
}

// The same seed and the same choices give the same game however many frames are drawn
// between them: what only looks random (ambient sounds, icicles, dirt blots) draws from a
// generator of its own.
TEST_F(PlayADayTest, FramesBetweenTheInputsDoNotChangeTheGame) {
  testsupport::TempDir saves;
  SIM_SaveGame::SetFolder(saves.Str());
  auto play = [&](int framesBetween) {
    auto frames = [&] {
      for (int i = 0; i < framesBetween; ++i) Frame();
    };
    SeedRandom(4242);
    SIM_Weather::Instance().SetDaysToChange(0);
    SIM_SaveGame::SetNextSLID(1);  // the person counter runs on across games in one run
    std::filesystem::remove(HintUserFile());  // each run meets the same first-time hints
    LoadHints();
    Game::Instance().StartNewGame();
    GUI_ControlPanel& panel = GUI_ControlPanel::Instance();
    for (int day = 0; day < 4; ++day) {
      frames();
      while (SIM_SIM::Instance().GetActsLeft() > 0) {
        ClickOn(panel.SoloButton());
        CloseHints();
        frames();
        GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance();
        if (!chooser) break;
        for (size_t i = 0; i < chooser->Available().size() && !chooser->StartButton()->IsEnabled(); ++i)
          Key(kRight);
        Key(kReturn);
        frames();
        CloseHints();
      }
      ClickOn(panel.NextDayButton());
      frames();
      ClickOn(GUI_WorkDay::Instance()->ContinueButton());
    }
    EXPECT_TRUE(SIM_SaveGame::Save("frames"));
    std::string text = testsupport::ReadFile(SIM_SaveGame::PathFor("frames"));
    const size_t open = text.find("<elapsed>");
    const size_t close = text.find("</elapsed>", open);
    if (open != std::string::npos && close != std::string::npos) text.erase(open, close - open);
    return text;
  };
  const std::string few = play(1);
  const std::string many = play(7);
  EXPECT_FALSE(few.empty());
  EXPECT_EQ(few, many);
  SIM_SaveGame::SetFolder("");
}

// The screens draw a character's portraits by their picture names; every name the portrait
// table hands out is a picture the renderer finds, and finds again after the device is
// replaced.
TEST_F(PlayTest, EveryCharactersPortraitsAreFoundByTheirNames) {
  ASSERT_FALSE(SIM_NPC::All().empty());
  D3DEngine& engine = D3DEngine::Instance();
  engine.AddTextureFolder("data/bitmaps");  // as the game's start-up does
  for (int pass = 0; pass < 2; ++pass) {
    for (const SIM_NPC* npc : SIM_NPC::All()) {
      EXPECT_NE(engine.GetTexture(npc->GetPortrait()), nullptr) << npc->GetPortrait();
      EXPECT_NE(engine.GetTexture(npc->GetGreyPortrait()), nullptr) << npc->GetGreyPortrait();
    }
    engine.ReleaseTexturesAndSurfaces();
    engine.RestoreSurfaces();
  }
}

}  // namespace
}  // namespace guitest
