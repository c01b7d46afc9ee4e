// GUI test fixture.
#include "gui/GuiFixture.h"

#include <cxxabi.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/CInput.h"
#include "app/GUI_Sounds.h"
#include "app/Game.h"
#include "engine/DebugLog.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowBase.h"
#include "gui/GUI_WindowManager.h"
#include "gui/GUI_SimScreens.h"
#include "support/RecordingScreens.h"

namespace guitest {

namespace {
std::string Demangled(const char* name) {
  int status = 0;
  char* plain = abi::__cxa_demangle(name, nullptr, nullptr, &status);
  std::string result = status == 0 && plain ? plain : name;
  std::free(plain);
  return result;
}
}  // namespace

void GuiTest::SetUp() {
  // Screen tests see the simulation talk to the real screens.
  InstallScreens(&GUI_SimScreens::Instance());
  GUI_SimScreens::Instance().PruneViews();
  std::filesystem::create_directory(dir.Path() / "debugdata");
  engine.ResetForTesting();
  engine.SetLogPath((dir.Path() / "debugdata/drawdebug.txt").string());
  engine.SetErrorBoxHandler([](const std::string&, const std::string&) {});
  ASSERT_TRUE(engine.InitOffscreen(1024, 768));
  // The scale a 1024-wide display gives, whatever display an earlier test started.
  Game::Instance().SetUIScaleForTesting(1.0f);
  SetAssertionHandler([this](const std::string& report) { assertions.push_back(report); });
  GUI_Services::ResetForTesting();
  GUI_Services::SetRecording(true);
  GUI_Services::SetMeasurer(
      [](const std::string&, int, const std::string& text, int) {
        return static_cast<int>(text.size()) * 8;
      },
      [](const std::string&, int, const std::string& text, int width) {
        const int w = static_cast<int>(text.size()) * 8;
        return width > 0 ? 20 * ((w + width - 1) / width) : 20;
      });
  GUI_WindowManager::Instance().ResetForTesting();
  // A bare dialog frame stands for a window in some tests; the game's dialogs draw their
  // texts on it and flush them, which the check holds them to.
  GUI_WindowManager::SetWindowDrawnHookForTesting([this](const char* type) {
    const std::string name = Demangled(type);
    if (QueuedGdiTextCount() != 0 && name != "GUI_Dialog") windowsLeavingText.insert(name);
  });
  GUI_Cursor::Instance().SetDragged(nullptr);
  Game::Instance().SetInGame(false);
  ResetMissingTexts();
  WatchDisabledButtons();
  CInput::Instance().ClearBuffers();
  ReleaseLeft(0, 0);
}

void GuiTest::ExpectNoMissingTexts() {
  // Only lookups in the shipped texts count: a test's own data folder has texts of its own.
  std::string keys;
  for (const MissingText& miss : MissingTexts()) {
    std::error_code error;
    if (std::filesystem::equivalent(miss.folder, TOVEL_SOURCE_DIR, error)) keys += " " + miss.key;
  }
  EXPECT_TRUE(keys.empty()) << "keys without a text in data/strings.ini:" << keys;
}

void GuiTest::ExpectNoWordWiderThanItsLine() {
  for (const auto& item : GUI_Services::RecordedTexts()) {
    if (item.wrapWidth <= 0) continue;
    size_t at = 0;
    while (at < item.text.size()) {
      const size_t end = std::min(item.text.find(' ', at), item.text.size());
      const std::string word = item.text.substr(at, end - at);
      EXPECT_LE(GUI_Services::MeasureWidth(item.font.c_str(), item.size, word), item.wrapWidth)
          << '"' << word << '"';
      at = end + 1;
    }
  }
}

void GuiTest::WatchDisabledButtons() {
  silentDisabledButtons.clear();
  GUI_ButtonText::SetDrawnObserver([this](const GUI_ButtonText& button) {
    if (button.IsEnabled() || !button.GetDisabledReason().empty()) return;
    // Labels that are themselves the reason.
    for (const char* key : {"INSUFFICIENT_CASH", "TOO_TIRED"})
      if (button.GetText() == Translate(key)) return;
    const std::string what = '"' + button.GetText() + '"';
    if (std::find(silentDisabledButtons.begin(), silentDisabledButtons.end(), what) ==
        silentDisabledButtons.end())
      silentDisabledButtons.push_back(what);
  });
}

void GuiTest::ExpectDisabledButtonsSayWhy() {
  GUI_ButtonText::SetDrawnObserver(nullptr);
  std::string buttons;
  for (const std::string& what : silentDisabledButtons) buttons += " " + what;
  EXPECT_TRUE(buttons.empty()) << "disabled buttons that do not say why:" << buttons;
}

void GuiTest::TearDown() {
  if (checkShippedTexts) ExpectNoMissingTexts();
  ExpectDisabledButtonsSayWhy();
  GUI_WindowManager::SetWindowDrawnHookForTesting(nullptr);
  std::string leaving;
  for (const std::string& window : windowsLeavingText) leaving += " " + window;
  EXPECT_TRUE(leaving.empty()) << "windows that left texts queued, to be drawn over the windows "
                                  "drawn after them:"
                               << leaving;
  InstallScreens(&testsupport::RecordingScreens::Instance());
  // Whatever a test left open goes now, while the renderer still exists.
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  while (!manager.Windows().empty()) delete manager.Windows().front();
  manager.ResetForTesting();
  DrawTooltips();
  GUI_Services::ResetForTesting();
  // Clicks may have built the sound manager and drawing may have queued texts: neither may
  // reach the next test.
  GUI_Sounds::DestroyInstanceForTesting();
  ResetGdiTextState();
  SetAssertionHandler(nullptr);
  engine.Release();
  engine.ResetForTesting();
  engine.SetErrorBoxHandler(nullptr);
  engine.SetLogPath(D3DEngine::kLogFile);
}

void GuiTest::MoveMouse(int x, int y) {
  plat::Event e;
  e.type = plat::EventType::MouseMove;
  e.x = x;
  e.y = y;
  CInput::Instance().QueueEvent(e);
  CInput::Instance().Update();
}

void GuiTest::PressLeft(int x, int y) {
  MoveMouse(x, y);
  plat::Event e;
  e.type = plat::EventType::MouseButtonDown;
  e.x = x;
  e.y = y;
  e.button = 0;
  CInput::Instance().QueueEvent(e);
  CInput::Instance().Update();
}

void GuiTest::ReleaseLeft(int x, int y) {
  plat::Event e;
  e.type = plat::EventType::MouseButtonUp;
  e.x = x;
  e.y = y;
  e.button = 0;
  CInput::Instance().QueueEvent(e);
  CInput::Instance().Update();
}

void GuiTest::NewFrame() { GUI_Services::BeginInputFrame(); }

uint32_t GuiTest::Pixel(int x, int y) {
  std::vector<uint32_t> pixels;
  int w = 0, h = 0;
  std::string error;
  if (!engine.GetDevice() || !engine.GetDevice()->ReadPixels(pixels, w, h, error)) return 0xDEADBEEF;
  if (x < 0 || y < 0 || x >= w || y >= h) return 0;
  return pixels[static_cast<size_t>(y * w + x)];
}

std::vector<uint32_t> GuiTest::Screen() {
  std::vector<uint32_t> pixels;
  int w = 0, h = 0;
  std::string error;
  if (engine.GetDevice()) engine.GetDevice()->ReadPixels(pixels, w, h, error);
  return pixels;
}

int GuiTest::WhitePixels(int left, int top, int right, int bottom) {
  std::vector<uint32_t> pixels;
  int w = 0, h = 0;
  std::string error;
  if (!engine.GetDevice() || !engine.GetDevice()->ReadPixels(pixels, w, h, error)) return -1;
  int n = 0;
  for (int y = std::max(top, 0); y < std::min(bottom, h); ++y)
    for (int x = std::max(left, 0); x < std::min(right, w); ++x) {
      const uint32_t c = pixels[static_cast<size_t>(y * w + x)];
      n += (c >> 16 & 0xFF) > 200 && (c >> 8 & 0xFF) > 200 && (c & 0xFF) > 200 ? 1 : 0;
    }
  return n;
}

bool GuiTest::FrameShowsCursor(const std::function<void()>& frame, int x, int y) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  GUI_Services::SetMouseForTesting(static_cast<float>(x), static_cast<float>(y), false);
  const int size = static_cast<int>(GUI_Cursor::kSize * Game::Instance().GetUIScale());
  auto shot = [&](bool hidden) {
    GUI_Cursor::Instance().SetHidden(hidden);
    engine.BeginRender();
    engine.FillRect(0, 0, engine.GetWidth(), engine.GetHeight(), 0xFF000000u);
    frame();
    engine.EndScene();
    std::vector<uint32_t> pixels, square;
    int w = 0, h = 0;
    std::string error;
    if (!engine.GetDevice() || !engine.GetDevice()->ReadPixels(pixels, w, h, error)) return square;
    for (int j = y; j < std::min(y + size, h); ++j)
      for (int i = x; i < std::min(x + size, w); ++i) square.push_back(pixels[static_cast<size_t>(j * w + i)]);
    return square;
  };
  const std::vector<uint32_t> without = shot(true);
  const std::vector<uint32_t> with = shot(false);
  GUI_Cursor::Instance().SetHidden(false);
  return with != without;
}

const GUI_Services::TextItem* GuiTest::FindText(const std::string& text) const {
  for (const auto& item : GUI_Services::RecordedTexts())
    if (item.text == text) return &item;
  return nullptr;
}

bool GuiTest::Queued(const std::string& text) const { return FindText(text) != nullptr; }

int GuiTest::CountSound(const std::string& file) const {
  int n = 0;
  for (const auto& s : GUI_Services::RecordedSounds()) n += s == file ? 1 : 0;
  return n;
}

}  // namespace guitest
