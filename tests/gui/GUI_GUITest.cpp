// The in-game screen: which one full-screen thing a frame shows, the main scene's order, key
// routing with the tutorial, key capture and dialogs, click routing, the frame step, the dirt
// overlay and the backdrop's choices.
#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "engine/CallTrace.h"
#include "engine/BaseSprite.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Calendar.h"
#include "gui/GUI_Date.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_ValuePanel.h"
#include "gui/GUI_WindowManager.h"
#include "gui/GuiFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Rumour.h"

namespace {

using guitest::GuiTest;

bool Called(const std::string& name) {
  const auto& calls = TracedCalls();
  return std::find(calls.begin(), calls.end(), name) != calls.end();
}

// Whether the names appear in this order (others may come between).
bool InOrder(const std::vector<std::string>& names) {
  const auto& calls = TracedCalls();
  auto it = calls.begin();
  for (const auto& name : names) {
    it = std::find(it, calls.end(), name);
    if (it == calls.end()) return false;
  }
  return true;
}

// A window that takes the keyboard and records what it is given.
class KeyWindow : public GUI_WindowBase {
 public:
  void OnKeyDown(int key) override { keys.push_back(key); }
  std::vector<int> keys;
};

class InGameTest : public GuiTest {
 protected:
  void SetUp() override {
    GuiTest::SetUp();
    testsupport::WriteFile("data/config.txt", "[config]\nGV_MAXDIRTSPRITES=12\n");
    SIM_GlobalVariables::Instance().Load("data/config.txt");
    GlobalNamedValues().Clear();
    ClearTracedCalls();
    CInput::Instance().keys.fill(0);
    GUI_GUI::SetToggleWindowedHandler([this] { ++toggles; });
    screen.SetMode(GUI_GUI::kMainScreen);
    screen.SetKeyCapture(nullptr);
    SIM_SIM::Instance().SetPhase(2);  // no special-event check, not the day's end
  }
  void TearDown() override {
    GUI_GUI::SetToggleWindowedHandler(nullptr);
    GUI_Tutorial::SetActive(false);
    GUI_PostMortem::Close();
    GUI_FMVScreen::SetActive(false);
    GUI_YearlyReview::Instance()->Close();
    screen.SetMode(GUI_GUI::kMainScreen);
    CInput::Instance().keys.fill(0);
    GlobalNamedValues().Clear();
    GUI_DirtSprites::Instance().Release();
    GuiTest::TearDown();
  }
  void Frame() {
    engine.BeginRender();
    screen.Draw();
    engine.EndScene();
  }
  GUI_GUI& screen = GUI_GUI::Instance();
  int toggles = 0;
};

TEST_F(InGameTest, MainSceneIsDrawnInItsOrder) {
  Frame();
  // The status panels are windows: that they lie over the scene and under the dialogs is
  // checked by what is drawn (GUI_StatusPanelsTest).
  EXPECT_TRUE(InOrder({"GUI_FishTank::DrawFlies", "GUI_FishTank::Draw", "GUI_Snow::Draw", "GUI_Snow::DrawSnowdrops", "GUI_Rain::Draw"}));
}

TEST_F(InGameTest, ExactlyOneFullScreenThingIsShown) {
  GUI_YearlyReview::Instance()->Show();
  ClearTracedCalls();
  Frame();
  EXPECT_TRUE(Called("GUI_YearlyReview::Draw"));
  EXPECT_FALSE(Called("GUI_FishTank::Draw"));
  GUI_YearlyReview::Instance()->Close();

  // The day's summary draws its room (with the weather) instead of the main scene.
  GUI_WorkDay::Instance()->Show();
  SIM_SIM::Instance().SetPhase(0);
  ClearTracedCalls();
  Frame();
  EXPECT_TRUE(Called("GUI_Rain::Draw"));
  EXPECT_FALSE(Called("GUI_FishTank::Draw"));
  GUI_Services::SetRecording(true);
  GUI_FMVScreen::Show("FMV_MUGGED");
  ClearTracedCalls();
  Frame();
  EXPECT_TRUE(Queued(Translate("FMV_MUGGED")));
  EXPECT_FALSE(Called("GUI_Rain::Draw"));
  GUI_FMVScreen::Close();
  GUI_Services::SetRecording(false);
  GUI_WorkDay::Instance()->Close();
  SIM_SIM::Instance().SetPhase(2);

  // The report stands in for the main scene (an evening-less report draws its page alone).
  GUI_PostMortem::Open(nullptr);
  ClearTracedCalls();
  Frame();
  EXPECT_TRUE(GUI_PostMortem::IsOpen());
  EXPECT_FALSE(Called("GUI_FishTank::Draw"));
  GUI_PostMortem::Close();

  screen.SetMode(GUI_GUI::kSocialStanding);
  ClearTracedCalls();
  Frame();
  // The standing screen alone: no scene, no weather.
  EXPECT_FALSE(Called("GUI_FishTank::Draw"));
  EXPECT_FALSE(Called("GUI_Rain::Draw"));
  screen.SetMode(5);
  ClearTracedCalls();
  Frame();
  EXPECT_TRUE(TracedCalls().empty());
}

TEST_F(InGameTest, SlowFrameStepIsCappedAtThree) {
  ManualTimerClock clock;
  screen.StartGame();  // the frame timer starts again on the test's clock
  Frame();
  clock.Advance(24);
  Frame();
  EXPECT_FLOAT_EQ(screen.GetFrameStep(), 2.0f);
  clock.Advance(60);
  Frame();
  EXPECT_FLOAT_EQ(screen.GetFrameStep(), 3.0f);
}

TEST_F(InGameTest, KeysGoToTheTutorialThenTheCaptureThenEscapeAndAltReturn) {
  auto* capture = new KeyWindow();
  capture->Open();
  screen.SetKeyCapture(capture);
  GUI_Tutorial::SetActive(true);
  screen.OnKeyDown(1);
  EXPECT_TRUE(Called("GUI_Tutorial::OnKeyDown 1"));
  EXPECT_TRUE(capture->keys.empty());
  GUI_Tutorial::SetActive(false);

  CInput::Instance().keys[56] = 0x80;
  screen.OnKeyDown(1);
  screen.OnKeyDown(28);
  EXPECT_EQ(capture->keys, (std::vector<int>{1, 28}));
  EXPECT_EQ(toggles, 0);
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);  // Escape went to the capture, not the quit

  // Another window cannot take back a capture it does not hold; closing the holder returns it.
  screen.ReleaseKeyCapture(nullptr);
  EXPECT_EQ(screen.GetKeyCapture(), capture);
  delete capture;
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);

  screen.OnKeyDown(28);
  EXPECT_EQ(toggles, 1);
  CInput::Instance().keys[56] = 0;
  screen.OnKeyDown(28);
  EXPECT_EQ(toggles, 1);
  screen.OnKeyDown(1);
  EXPECT_NE(GUI_ConfirmDialog::Instance(), nullptr);  // asks whether to quit
}

TEST_F(InGameTest, EscapeClosesOnlyTheTopDialog) {
  auto* lower = new GUI_Dialog(true);
  auto* upper = new GUI_Dialog(true);
  lower->Open();
  upper->Open();
  screen.OnKeyDown(1);
  EXPECT_TRUE(GUI_WindowManager::Instance().Contains(lower));
  EXPECT_FALSE(GUI_WindowManager::Instance().Contains(upper));
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
}

TEST_F(InGameTest, UnclaimedClicksReachTheIconsThenTheMailAndTheReviewAloneWhenShown) {
  const int before = SIM_Statistics::Instance().GetInt(0);
  GUI_Services::SetMouseForTesting(500.0f, 400.0f, false);
  // A rumour item under the mouse: opening it asks for a rumour (there is none, so no window).
  SIM_Rumour::DeleteAll();
  GUI_Email::AddRumour(nullptr)->MoveTo(480.0f, 390.0f);
  screen.OnLeftButtonDown();
  EXPECT_TRUE(GUI_Email::Items().front()->IsOpened());
  GUI_Email::DeleteAll();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(0), before + 1);

  GUI_YearlyReview::Instance()->Show();
  ClearTracedCalls();
  screen.OnLeftButtonDown();
  screen.Update();
  EXPECT_EQ(TracedCalls(), (std::vector<std::string>{"GUI_YearlyReview::OnClick", "GUI_YearlyReview::Update"}));

  GUI_YearlyReview::Instance()->Close();
  ClearTracedCalls();
  GUI_Tutorial::SetActive(true);
  screen.OnLeftButtonDown();
  EXPECT_TRUE(Called("GUI_Tutorial::OnClick"));

  // The right button reaches the icons only on the main screen.
  ClearTracedCalls();
  screen.SetMode(GUI_GUI::kSocialStanding);
  screen.OnRightButtonDown();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(0), before + 4);
}

// The choosers' steps by the wheel are checked with each chooser; with none open the wheel
// opens nothing.
TEST_F(InGameTest, WheelWithNoChooserOpenOpensNone) {
  screen.OnWheelUp();
  screen.OnWheelDown();
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
}

TEST_F(InGameTest, StartGameClosesWindowsDropsTheCaptureAndLoadsTheBackdrop) {
  auto* capture = new KeyWindow();
  capture->Open();
  screen.SetKeyCapture(capture);
  screen.SetMode(GUI_GUI::kSocialStanding);
  std::filesystem::create_directories("data/simulation");  // the hint table it reads
  std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/simulation/hints.csv",
                             "data/simulation/hints.csv");
  ClearHints();
  GUI_Email::AddRumour(nullptr);
  screen.StartGame();
  EXPECT_TRUE(GUI_Email::Items().empty());
  EXPECT_FALSE(GUI_WindowManager::Instance().Contains(capture));
  EXPECT_EQ(screen.GetKeyCapture(), nullptr);
  EXPECT_EQ(screen.GetMode(), GUI_GUI::kMainScreen);
  EXPECT_TRUE(GUI_Backdrop::Instance().IsLoaded());
  EXPECT_EQ(GUI_DirtSprites::Instance().GetBlotCount(), 12);
  EXPECT_TRUE(GUI_ControlPanel::Exists());
  EXPECT_FALSE(Hints().empty());
  // The owned-assets panel joins the main screen.
  EXPECT_TRUE(GUI_WindowManager::Instance().Contains(GUI_Assets::Instance()));
  // The status panels are registered once, whatever the number of games.
  screen.StartGame();
  for (const GUI_WindowBase* panel : std::vector<const GUI_WindowBase*>{
           GUI_Date::Instance(), GUI_Cash::Instance(), GUI_Tovel::Instance(), GUI_Calendar::Instance()})
    EXPECT_EQ(std::count(GUI_WindowManager::Instance().Windows().begin(),
                         GUI_WindowManager::Instance().Windows().end(), panel), 1);
  ClearHints();
}

TEST_F(InGameTest, DirtOverlayCountsAreClampedToTheSpritesMade) {
  GUI_DirtSprites& dirt = GUI_DirtSprites::Instance();
  dirt.SetUp(1024, 768);
  SetGlobalValue("glob_dirt", 0.0f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 0);
  EXPECT_EQ(dirt.GetPawPrintsShown(), 0);

  SetGlobalValue("glob_dirt", 0.05f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 0);  // 0.6 of a blot
  SetGlobalValue("glob_dirt", 0.09f);
  SetGlobalValue("dog", 1.0f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 1);
  EXPECT_EQ(dirt.GetPawPrintsShown(), 0);  // below the stain level

  SetGlobalValue("glob_dirt", 0.5f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 6);
  EXPECT_EQ(dirt.GetPawPrintsShown(), 6);
  EXPECT_EQ(dirt.GetPawPrintAlpha(), 150);
  EXPECT_EQ(dirt.GetStainAlpha(0), 64);
  EXPECT_EQ(dirt.GetStainAlpha(1), 75);
  SetGlobalValue("dog", 0.0f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetPawPrintsShown(), 0);

  // A modifier can push the value past either end.
  SetGlobalValue("cat", 1.0f);
  SetGlobalValue("glob_dirt", 3.5f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 12);
  EXPECT_EQ(dirt.GetPawPrintsShown(), GUI_DirtSprites::kPawPrints);
  EXPECT_EQ(dirt.GetPawPrintAlpha(), 255);
  SetGlobalValue("glob_dirt", -2.0f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 0);
  Frame();  // draws with any count without reading past the sprites

  // Before any set-up nothing is shown, whatever the dirt.
  dirt.Release();
  SetGlobalValue("glob_dirt", 1.0f);
  GUI_DirtSprites::Refresh();
  EXPECT_EQ(dirt.GetBlotsShown(), 0);
}

TEST_F(InGameTest, BackdropPicturesFollowTheAvatarTheWeatherAndTheDirt) {
  EXPECT_EQ(GUI_Backdrop::RoomPictureName("notset.dds"), "notset_background.dds");
  EXPECT_EQ(GUI_Backdrop::RoomPictureName("mods/ann.jpg"), "mods/ann_background.dds");
  EXPECT_EQ(GUI_Backdrop::RoomPictureName("ab"), "ab_background.dds");
  EXPECT_EQ(GUI_Backdrop::RoomPictureName(""), "_background.dds");
  EXPECT_STREQ(GUI_Backdrop::SkyPicture(0.0f, 0.0f), "composite_sun.jpg");
  EXPECT_STREQ(GUI_Backdrop::SkyPicture(0.0f, 0.4f), "composite_cloud.jpg");
  EXPECT_STREQ(GUI_Backdrop::SkyPicture(0.5f, 0.4f), "composite_rain.jpg");
  EXPECT_EQ(GUI_Backdrop::SkyGrey(0.5f), 191);
  EXPECT_EQ(GUI_Backdrop::SkyGrey(0.0f), 255);
  EXPECT_EQ(GUI_Backdrop::BandShade(), 0);  // no dirt value: black bands
  SetGlobalValue("glob_dirt", 0.5f);
  EXPECT_EQ(GUI_Backdrop::BandShade(), 127);
  SetGlobalValue("glob_dirt", 7.0f);
  EXPECT_EQ(GUI_Backdrop::BandShade(), 255);
}

TEST_F(InGameTest, WineGlassesFillOneAtATime) {
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.2f, 0), 255);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.2f, 1), 0);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.19f, 0), 242);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.5f, 1), 255);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.5f, 2), 127);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.5f, 3), 0);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(1.0f, 4), 255);
  EXPECT_EQ(GUI_Avatar::GlassAlpha(0.0f, 0), 0);
}

TEST_F(InGameTest, MoodPicksAThirdOfTheStripAndDrawWithMoodPutsItBack) {
  GUI_Avatar& avatar = GUI_Avatar::Instance();
  avatar.SetMood(1);
  EXPECT_FLOAT_EQ(avatar.GetSprite().vertices[0].tu, 0.333f);
  avatar.SetMood(7);  // stored, the picture stays
  EXPECT_FLOAT_EQ(avatar.GetSprite().vertices[0].tu, 0.333f);
  avatar.SetMood(0);
  engine.BeginRender();
  avatar.DrawWithMood(2);
  engine.EndScene();
  EXPECT_EQ(avatar.GetMood(), 0);
  EXPECT_FLOAT_EQ(avatar.GetSprite().vertices[0].tu, 0.0f);
}

}  // namespace
