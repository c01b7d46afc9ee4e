// The in-game screen drawn headless with the shipped pictures, as the player sees it: the room
// and the portrait, the pointer, the tooltips after the hover delay, and the quit question
// asked over the work-day summary.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "app/Game.h"
#include "engine/BaseSprite.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_WorkDay.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Vesk.h"

namespace guitest {
namespace {

constexpr int kEscape = 1;

class InGameDrawTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
    GUI_Avatar::Instance().SetTextureName("f_bea.dds");
    screen.StartGame();
    SIM_SIM::Instance().SetPhase(1);
  }
  void TearDown() override {
    GUI_ConfirmDialog::Close();
    GUI_Avatar::Instance().SetTextureName(GUI_Avatar::kDefaultTexture);
    PlayTest::TearDown();
  }
  void Frame() {
    NewFrame();
    screen.Update();
    engine.BeginRender();
    engine.FillRect(0, 0, 1024, 768, 0xFF000000u);
    screen.Draw();
    engine.EndScene();
  }
  GUI_GUI& screen = GUI_GUI::Instance();
};

TEST_F(InGameDrawTest, TheMainSceneShowsTheRoomAndThePortrait) {
  Frame();
  ASSERT_TRUE(screen.ShowsMainScene());
  // The room picture fills the screen behind the panels.
  const std::vector<uint32_t> room = Screen();
  int lit = 0;
  for (int y = 100; y < 500; y += 20)
    for (int x = 40; x < 500; x += 20) lit += (room[static_cast<size_t>(y * 1024 + x)] & 0xFFFFFF) != 0 ? 1 : 0;
  EXPECT_GT(lit, 300);

  // The portrait: another mood (another third of the picture strip) changes its place on
  // screen and nothing else.
  GUI_Avatar::SetMood(0);
  // A few frames first: a still panel is kept as a picture from its second frame on, which
  // rounds a step apart from drawing it piece by piece.
  for (int i = 0; i < 3; ++i) Frame();
  const std::vector<uint32_t> calm = Screen();
  GUI_Avatar::SetMood(2);
  Frame();
  GUI_Avatar::SetMood(0);
  const std::vector<uint32_t> cross = Screen();
  const BaseSprite& sprite = GUI_Avatar::Instance().GetSprite();
  const int left = static_cast<int>(sprite.vertices[0].x), top = static_cast<int>(sprite.vertices[0].y);
  const int right = static_cast<int>(sprite.vertices[3].x), bottom = static_cast<int>(sprite.vertices[3].y);
  ASSERT_GT(right - left, 50);
  int changed = 0, changedOutside = 0;
  for (int y = 0; y < 768; ++y)
    for (int x = 0; x < 1024; ++x) {
      const size_t i = static_cast<size_t>(y * 1024 + x);
      if (calm[i] == cross[i]) continue;
      (x >= left && x < right && y >= top && y < bottom ? changed : changedOutside) += 1;
    }
  EXPECT_GT(changed, 1000);
  EXPECT_LT(changedOutside, changed / 4);
}

TEST_F(InGameDrawTest, TheScreenDrawsThePointerOverItsPagesAndTheScene) {
  EXPECT_TRUE(FrameShowsCursor([this] { screen.Draw(); }, 300, 300));
  SIM_SIM::Instance().SetPhase(0);
  GUI_WorkDay::Instance()->Show();
  EXPECT_TRUE(FrameShowsCursor([this] { screen.Draw(); }, 300, 300));
}

TEST_F(InGameDrawTest, AButtonsTooltipShowsOnlyAfterTheMouseHasRested) {
  const GUI_Rect r = GUI_ControlPanel::Instance().QuitButton()->GetRect();
  GUI_Services::SetMouseForTesting(static_cast<float>(r.left + r.right) / 2,
                                   static_cast<float>(r.top + r.bottom) / 2, false);
  const std::string tip = Translate("TOOLTIP_QUITGAMEBUTTON");
  GUI_Services::SetRestFramesForTesting(10);
  Frame();
  EXPECT_FALSE(Queued(tip));
  GUI_Services::SetRestFramesForTesting(61);
  Frame();
  const GUI_Services::TextItem* item = FindText(tip);
  ASSERT_NE(item, nullptr);
  EXPECT_LT(item->x, static_cast<float>(r.left));  // turned back at the screen's right edge
}

TEST_F(InGameDrawTest, EscapeOverTheWorkDaySummaryAsksWhereItCanBeAnswered) {
  SIM_SIM::Instance().SetPhase(0);
  GUI_WorkDay::Instance()->Show();
  Frame();
  Key(kEscape);
  GUI_ConfirmDialog* question = GUI_ConfirmDialog::Instance();
  ASSERT_NE(question, nullptr);
  GUI_Services::RecordedTexts().clear();
  Frame();
  EXPECT_TRUE(Queued(Translate("CONFIRM_ATTEMPT_QUIT_TEXT")));
  EXPECT_TRUE(Queued(Translate("CONFIRM_OK")));
  // Drawn over the summary: once answered, the middle of the screen is the summary again.
  const GUI_Rect q = question->GetRect();
  const size_t centre = static_cast<size_t>((q.top + q.bottom) / 2 * 1024 + (q.left + q.right) / 2);
  const uint32_t asked = Screen()[centre];
  ClickOn(question->GetCancelButton());
  EXPECT_EQ(GUI_ConfirmDialog::Instance(), nullptr);
  EXPECT_TRUE(GUI_WorkDay::Instance()->IsOpen());
  Frame();
  EXPECT_NE(Screen()[centre], asked);

  Key(kEscape);
  ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
  Frame();
  ClickOn(GUI_ConfirmDialog::Instance()->GetOkButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
}

TEST_F(InGameDrawTest, TheSceneShowsTheFriendsWithTheirNamesAndBands) {
  LayOutNPCIcons();
  std::vector<GUI_NPCIcon*> shown;
  for (GUI_NPCIcon* icon : AllNPCIcons())
    if (icon->IsShown()) shown.push_back(icon);
  ASSERT_GE(shown.size(), 2u);
  Frame();
  const std::vector<uint32_t> with = Screen();
  for (GUI_NPCIcon* icon : shown) icon->SetShown(false);
  Frame();
  const std::vector<uint32_t> without = Screen();
  for (GUI_NPCIcon* icon : shown) icon->SetShown(true);

  const BaseSprite& avatar = GUI_Avatar::Instance().GetSprite();
  const float ax = (avatar.vertices[0].x + avatar.vertices[3].x) / 2.0f;
  const float ay = (avatar.vertices[0].y + avatar.vertices[3].y) / 2.0f;
  auto differs = [&](int x, int y) {
    const size_t i = static_cast<size_t>(y * 1024 + x);
    return with[i] != without[i];
  };
  for (const GUI_NPCIcon* icon : shown) {
    SCOPED_TRACE(icon->GetNPC()->GetFullName());
    // The portrait covers most of its square.
    const GUI_Rect& r = icon->GetRect();
    int changed = 0;
    for (int y = r.top; y < r.bottom; ++y)
      for (int x = r.left; x < r.right; ++x) changed += differs(x, y) ? 1 : 0;
    EXPECT_GT(changed, (r.right - r.left) * (r.bottom - r.top) / 2);
    // The band lies along the line from the portrait of the player to the icon.
    const int bx = static_cast<int>(ax + (icon->GetCentreX() - ax) * 0.6f);
    const int by = static_cast<int>(ay + (icon->GetCentreY() - ay) * 0.6f);
    EXPECT_TRUE(differs(bx, by)) << bx << "," << by;
    // The name, right-aligned, ends just left of the icon.
    int name = 0;
    for (int y = static_cast<int>(icon->GetCentreY()) + 10; y < static_cast<int>(icon->GetCentreY()) + 24; ++y)
      for (int x = r.left - 60; x < r.left - 10; ++x) name += differs(x, y) ? 1 : 0;
    EXPECT_GT(name, 20);
  }
}

// A picture downloaded into the mods folder, a game saved with it, the picture deleted: the
// game loads with one of the game's own pictures of a man in the room, no renderer error, and
// the player told once however often the game is loaded.
TEST_F(InGameDrawTest, AGameWhoseDownloadedPictureIsGoneLoadsWithOneOfTheGamesOwn) {
  namespace fs = std::filesystem;
  const std::string downloaded = "m_" + user.Path().filename().string() + ".dds";
  const fs::path mods = user.Path() / "mods" / "avatars";
  fs::create_directories(mods);
  fs::copy_file(fs::path(TOVEL_SOURCE_DIR) / "data/bitmaps/avatars/m_ravi.dds", mods / downloaded);
  engine.AddTextureFolder(user.Str());
  GUI_Avatar::Instance().SetTextureName(downloaded);  // as the new-game menu does
  testsupport::TempDir saves;
  SIM_SaveGame::SetFolder(saves.Str());
  ASSERT_TRUE(SIM_SaveGame::Save("mine"));
  fs::remove(mods / downloaded);

  std::vector<std::string> engineErrors;
  engine.SetErrorBoxHandler(
      [&engineErrors](const std::string&, const std::string& text) { engineErrors.push_back(text); });
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath((user.Path() / "debug.txt").string());
  DebugLog::Instance().Open();
  testing::internal::CaptureStderr();
  int told = 0;  // in the game's own box, not the system's, which holds the game until answered
  for (int load = 0; load < 2; ++load) {
    ASSERT_TRUE(SIM_LoadGame::Load("mine")) << SIM_LoadGame::LastError();
    screen.StartGame();
    SIM_SIM::Instance().SetPhase(1);  // past the work-day summary, where the box can show
    Frame();
    Frame();
    for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
      if (auto* box = dynamic_cast<GUI_Message*>(window))
        told += box->GetText().find(downloaded) != std::string::npos ? 1 : 0;
  }
  const std::string boxes = testing::internal::GetCapturedStderr();
  engine.SetErrorBoxHandler([](const std::string&, const std::string&) {});
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath("./debugdata/debug.txt");
  SIM_SaveGame::SetFolder("");

  EXPECT_TRUE(engineErrors.empty()) << engineErrors.front();
  EXPECT_EQ(GUI_Avatar::Instance().GetTextureName(), "m_alex.dds");
  EXPECT_EQ(SIM_Vesk::Instance()->GetGender(), kMale);
  // The choice stays, so the picture downloaded again comes back.
  EXPECT_EQ(SIM_GameConfig::Instance().GetAvatarName(), downloaded);
  auto count = [](const std::string& text, const std::string& what) {
    int n = 0;
    for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
    return n;
  };
  EXPECT_EQ(count(boxes, Translate("AVATAR_MISSING_TITLE")), 0) << boxes;
  EXPECT_EQ(told, 1);
  EXPECT_EQ(count(testsupport::ReadFile(user.Path() / "debug.txt"), downloaded), 1);
}

// A downloaded picture that came without its room: the game's own room is drawn, with no
// renderer error (whose box would hide any later one) and one line in the log.
TEST_F(InGameDrawTest, ADownloadedPictureWithoutItsRoomShowsTheGamesOwnRoom) {
  namespace fs = std::filesystem;
  const std::string downloaded = "f_" + user.Path().filename().string() + ".dds";
  const fs::path mods = user.Path() / "mods" / "avatars";
  fs::create_directories(mods);
  fs::copy_file(fs::path(TOVEL_SOURCE_DIR) / "data/bitmaps/avatars/f_bea.dds", mods / downloaded);
  engine.AddTextureFolder(user.Str());
  GUI_Avatar::Instance().SetTextureName(downloaded);
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath((user.Path() / "debug.txt").string());
  DebugLog::Instance().Open();
  for (int i = 0; i < 3; ++i) Frame();
  DebugLog::Instance().Close();
  DebugLog::Instance().SetPath("./debugdata/debug.txt");

  // The renderer's box shows only its first error; its log tells of every one.
  const std::string room = GUI_Backdrop::RoomPictureName(downloaded);
  engine.SetLogPath((dir.Path() / "debugdata/drawdebug.txt").string());  // written out
  EXPECT_EQ(testsupport::ReadFile(dir.Path() / "debugdata/drawdebug.txt").find(room),
            std::string::npos);
  EXPECT_EQ(GUI_Avatar::Instance().GetTextureName(), downloaded);
  EXPECT_EQ(GUI_Backdrop::Instance().ShownRoomPicture(), "notset_background.dds");
  const std::string log = testsupport::ReadFile(user.Path() / "debug.txt");
  EXPECT_EQ(log.find(room), log.rfind(room));
  EXPECT_NE(log.find(room), std::string::npos);
}

// A room picture cut short (a download that stopped) is as damaged as one no decoder reads: it
// shows the game's own room, with no renderer error, until a whole one is downloaded in its
// place.
TEST_F(InGameDrawTest, ARoomPictureCutShortShowsTheGamesOwnRoomUntilAWholeOneComes) {
  namespace fs = std::filesystem;
  const std::string downloaded = "f_" + user.Path().filename().string() + ".dds";
  const std::string room = GUI_Backdrop::RoomPictureName(downloaded);
  const fs::path mods = user.Path() / "mods" / "avatars";
  const fs::path shipped = fs::path(TOVEL_SOURCE_DIR) / "data/bitmaps/avatars";
  fs::create_directories(mods);
  fs::copy_file(shipped / "f_bea.dds", mods / downloaded);
  testsupport::WriteFile(mods / room,
                         testsupport::ReadFile(shipped / "f_bea_background.dds").substr(0, 60000));
  engine.AddTextureFolder(user.Str());
  GUI_Avatar::Instance().SetTextureName(downloaded);
  std::vector<std::string> engineErrors;
  engine.SetErrorBoxHandler(
      [&engineErrors](const std::string&, const std::string& text) { engineErrors.push_back(text); });
  for (int i = 0; i < 3; ++i) Frame();
  EXPECT_EQ(GUI_Avatar::Instance().GetTextureName(), downloaded);
  EXPECT_EQ(GUI_Backdrop::Instance().ShownRoomPicture(), "notset_background.dds");
  fs::copy_file(shipped / "f_bea_background.dds", mods / room, fs::copy_options::overwrite_existing);
  engine.ReleaseTexturesAndSurfaces();  // as the window's focus coming back does
  Frame();
  engine.SetErrorBoxHandler([](const std::string&, const std::string&) {});
  EXPECT_EQ(GUI_Backdrop::Instance().ShownRoomPicture(), room);
  EXPECT_TRUE(engineErrors.empty()) << engineErrors.front();
}

}  // namespace
}  // namespace guitest
