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
#include "engine/Random.h"
#include "engine/Timer.h"
#include "engine/Translate.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Calendar.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_Date.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_FishTank.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Rain.h"
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
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_Weather.h"

namespace {

using guitest::GuiTest;

bool Called(const std::string& name) {
  const auto& calls = TracedCalls();
  return std::find(calls.begin(), calls.end(), name) != calls.end();
}

// A window that takes the keyboard and records what it is given.
class KeyWindow : public GUI_WindowBase {
 public:
  KeyWindow() = default;
  // `gone` is set when the window is deleted: a later window may take its address.
  explicit KeyWindow(bool* gone) : gone_(gone) {}
  ~KeyWindow() override {
    if (gone_) *gone_ = true;
  }
  void OnKeyDown(int key) override { keys.push_back(key); }
  std::vector<int> keys;

 private:
  bool* gone_ = nullptr;
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
    GUI_YearlyReview::Instance()->Dismiss();
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

// The scene with fish kept, a dirty flat and a storm, on the test's clock: twelve ms a frame.
class AmbientSceneTest : public InGameTest {
 protected:
  void SetUp() override {
    InGameTest::SetUp();
    screen.StartGame();  // the frame timer starts again on the test's clock
    GUI_Rain::Instance().ResetForTesting();
    effects = SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableWeatherEffects);
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, true);
    SetGlobalValue("fish", 1.0f);
    SetGlobalValue("glob_dirt", 1.0f);
    SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 1.0f);
  }
  void TearDown() override {
    GUI_Rain::Instance().ResetForTesting();
    SIM_Weather::Instance().Clear();
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableWeatherEffects, effects);
    InGameTest::TearDown();
  }
  void Step() {
    clock.Advance(12);
    Frame();
  }
  static float FishX() { return GUI_FishTank::Instance().GetFish(0).x; }
  static float Rain() { return GUI_Rain::Instance().GetIntensity(); }

  ManualTimerClock clock;
  bool effects = false;
};

TEST_F(AmbientSceneTest, MainSceneRunsItsEffectsAndTheStormFlashesOverTheRoomUnderTheWindows) {
  // The shipped pictures, so the panels have their dark frames.
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  const uint32_t state = GetRandomState();
  Frame();
  const float fish = FishX();
  EXPECT_EQ(GUI_Insect::All().size(), 12u);  // the backdrop's flies
  EXPECT_FLOAT_EQ(Rain(), 0.01f);
  EXPECT_EQ(GUI_Rain::Instance().ThunderCount(), 0);  // the first thunder waits its delay
  GUI_Rain::Instance().StrikeOnNextFrameForTesting();
  clock.Advance(1);  // a short frame: the flash has hardly faded when it is drawn
  Frame();
  EXPECT_NE(FishX(), fish);
  EXPECT_EQ(GUI_Rain::Instance().ThunderCount(), 1);
  EXPECT_EQ(CountSound("data/sounds/thunder.ogg"), 1);
  EXPECT_EQ(GetRandomState(), state);  // drops, flies, fish and thunder drew only looks
  // The flash covers the room, the avatar, the flies and the fish drawn before it ...
  const uint32_t room = Pixel(512, 400);
  EXPECT_GE(room & 0xFF, 0xF0u);
  EXPECT_GE(room >> 8 & 0xFF, 0xF0u);
  // ... but the panels lie over it.
  const GUI_Rect& career = GUI_Career::Instance()->GetRect();
  const uint32_t panel = Pixel((career.left + career.right) / 2, (career.top + career.bottom) / 2);
  EXPECT_LT(panel & 0xFF, 0xC0u);
}

TEST_F(AmbientSceneTest, ExactlyOneFullScreenThingIsShown) {
  Step();  // the fish are spawned
  float fish = FishX(), rain = Rain();
  GUI_YearlyReview::Instance()->Show();
  ClearTracedCalls();
  GUI_Services::RecordedTexts().clear();
  Step();
  bool title = false;
  for (const auto& item : GUI_Services::RecordedTexts())
    title = title || item.text == Translate("YEAR_REVIEW_TITLE");
  EXPECT_TRUE(title);
  EXPECT_EQ(FishX(), fish);
  EXPECT_EQ(Rain(), rain);
  GUI_YearlyReview::Instance()->Dismiss();

  // The day's summary draws its room (with the weather) instead of the main scene.
  GUI_WorkDay::Instance()->Show();
  SIM_SIM::Instance().SetPhase(0);
  Step();
  EXPECT_GT(Rain(), rain);
  EXPECT_EQ(FishX(), fish);
  rain = Rain();
  GUI_FMVScreen::Show("FMV_MUGGED");
  Step();
  EXPECT_TRUE(Queued(Translate("FMV_MUGGED")));
  EXPECT_EQ(Rain(), rain);
  GUI_FMVScreen::Close();
  GUI_WorkDay::Instance()->Close();
  SIM_SIM::Instance().SetPhase(2);

  // The report stands in for the main scene (an evening-less report draws its page alone).
  GUI_PostMortem::Open(nullptr);
  Step();
  EXPECT_TRUE(GUI_PostMortem::IsOpen());
  EXPECT_EQ(FishX(), fish);
  EXPECT_EQ(Rain(), rain);
  GUI_PostMortem::Close();

  screen.SetMode(GUI_GUI::kSocialStanding);
  Step();
  // The standing screen alone: no scene, no weather.
  EXPECT_EQ(FishX(), fish);
  EXPECT_EQ(Rain(), rain);
  screen.SetMode(5);
  ClearTracedCalls();
  Step();
  EXPECT_TRUE(TracedCalls().empty());
  EXPECT_EQ(FishX(), fish);

  // Back on the main scene everything moves again.
  screen.SetMode(GUI_GUI::kMainScreen);
  Step();
  EXPECT_NE(FishX(), fish);
  EXPECT_GT(Rain(), rain);
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
  // A running tutorial without a step: Return does nothing, and no key gets past it.
  GUI_Tutorial::SetActive(true);
  screen.OnKeyDown(28);
  screen.OnKeyDown(30);
  EXPECT_TRUE(GUI_Tutorial::IsActive());
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

  // The review takes the click: the item under it is not opened.
  GUI_YearlyReview::Instance()->Show();
  GUI_Email::AddRumour(nullptr)->MoveTo(480.0f, 390.0f);
  ClearTracedCalls();
  screen.OnLeftButtonDown();
  screen.Update();
  EXPECT_FALSE(Called("SIM_Rumour::PickRandom"));
  EXPECT_FALSE(GUI_Email::Items().front()->IsOpened());
  GUI_Email::DeleteAll();

  GUI_YearlyReview::Instance()->Dismiss();
  // The tutorial's window lies above the mail: a click on it goes no further.
  GUI_Email::AddRumour(nullptr)->MoveTo(480.0f, 390.0f);
  GUI_Tutorial::SetActive(true);
  auto* tutorialWindow = new GUI_TutorialWindow(TutorialStep{});
  ASSERT_TRUE(tutorialWindow->HitTest(500.0f, 400.0f));
  screen.OnLeftButtonDown();
  EXPECT_FALSE(GUI_Email::Items().front()->IsOpened());
  delete tutorialWindow;
  GUI_Tutorial::SetActive(false);
  screen.OnLeftButtonDown();
  EXPECT_TRUE(GUI_Email::Items().front()->IsOpened());
  GUI_Email::DeleteAll();

  // The right button reaches the icons only on the main screen.
  ClearTracedCalls();
  screen.SetMode(GUI_GUI::kSocialStanding);
  screen.OnRightButtonDown();
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(0), before + 5);
}

// The choosers' steps by the wheel are checked with each chooser; with none open the wheel
// opens nothing.
TEST_F(InGameTest, WheelWithNoChooserOpenOpensNone) {
  screen.OnWheelUp();
  screen.OnWheelDown();
  EXPECT_EQ(GUI_SoloActivityChooser::Instance(), nullptr);
  EXPECT_EQ(GUI_SocialActivityChooser::Instance(), nullptr);
}

TEST_F(InGameTest, StartGameClosesWindowsDropsTheCaptureKeepsTheMailAndLoadsTheBackdrop) {
  bool captureGone = false;
  auto* capture = new KeyWindow(&captureGone);
  capture->Open();
  screen.SetKeyCapture(capture);
  screen.SetMode(GUI_GUI::kSocialStanding);
  std::filesystem::create_directories("data/simulation");  // the hint table it reads
  std::filesystem::copy_file(std::filesystem::path(TOVEL_SOURCE_DIR) / "data/simulation/hints.csv",
                             "data/simulation/hints.csv");
  ClearHints();
  // A loaded game's day has made its mail before the screen starts; it stays.
  GUI_Email::AddRumour(nullptr);
  screen.StartGame();
  EXPECT_EQ(GUI_Email::Items().size(), 1u);
  GUI_Email::DeleteAll();
  EXPECT_TRUE(captureGone);
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
