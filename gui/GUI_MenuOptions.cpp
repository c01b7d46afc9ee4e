// The options menu.
#include "gui/GUI_MenuOptions.h"

#include <algorithm>

#include "gui/GUI_Shell.h"
#include "engine/DisplaySettings.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_SliderControl.h"
#include "gui/GUI_Tooltip.h"
#include "sim/SIM_PlayerOptions.h"

namespace {

constexpr int kScanEscape = 1;
constexpr int kScanReturn = 28;
constexpr int kSliderLabelHeight = 16;  // "tahoma bold" 16

SIM_PlayerOptions& Options() { return SIM_PlayerOptions::Instance(); }

void GoToMainMenu(void*) { GUI_MenuOptions::Instance().Leave(GAMEMODE_MAINMENU); }

void FlipToggle(void* arg) {
  const int i = static_cast<int>(reinterpret_cast<intptr_t>(arg));
  Options().SetToggle(i, !Options().GetToggle(i));
}

void FlipMusic(void*) {
  const bool on = !Options().GetToggle(SIM_PlayerOptions::kEnableMusic);
  Options().SetToggle(SIM_PlayerOptions::kEnableMusic, on);
  if (on) {
    Shell().RestartMusic();
  } else {
    Shell().StopMusic();
  }
}

void FlipFullScreen(void*) {
  Shell().ToggleWindowed();
  GUI_MenuOptions::Instance().ShowDisplayMode();
}

void Difficulty(void* arg) {
  GUI_MenuOptions::Instance().ChooseDifficulty(static_cast<int>(reinterpret_cast<intptr_t>(arg)));
}

void MouseSpeedChanged() {
  Shell().SetMouseSensitivity(Options().GetConfig(SIM_PlayerOptions::kMouseSpeed));
}
void MusicVolumeChanged() { Shell().RefreshMusicVolume(); }
void MasterVolumeChanged() { Shell().SetMasterVolume(); }

void* Arg(int i) { return reinterpret_cast<void*>(static_cast<intptr_t>(i)); }

struct CheckSpec {
  const char* label;
  const char* tooltip;
  GUI_ButtonCallback action;
  int arg;
};

const CheckSpec kChecks[GUI_MenuOptions::kCheckCount] = {
    {"OPTIONS_FULLSCREEN", "OPTIONS_TOOLTIP_FULLSCREEN", FlipFullScreen, 0},
    {"OPTIONS_NEWMAIL", "OPTIONS_NEWMAIL_TOOLTIP", FlipToggle, SIM_PlayerOptions::kNewMailSound},
    {"OPTIONS_WEATHER", "OPTIONS_WEATHER_TOOLTIP", FlipToggle,
     SIM_PlayerOptions::kEnableWeatherEffects},
    {"OPTIONS_TOGGLEMUSIC", "OPTIONS_TOGGLEMUSIC_TOOLTIP", FlipMusic, 0},
    {"OPTIONS_TOGGLEAUTOSAVE", "OPTIONS_TOGGLEAUTOSAVE_TOOLTIP", FlipToggle,
     SIM_PlayerOptions::kEnableAutosave},
    {"OPTIONS_TOGGLESAMESEX", "OPTIONS_TOGGLESAMESEX_TOOLTIP", FlipToggle,
     SIM_PlayerOptions::kEnableSameSex},
    {"OPTIONS_TOGGLEBACKDROP", "OPTIONS_TOGGLEBACKDROP_TOOLTIP", FlipToggle,
     SIM_PlayerOptions::kEnableCompBackdrops},
    {"OPTIONS_DIFF_EASY", "OPTIONS_OPTIONS_DIFF_EASY", Difficulty, 0},
    {"OPTIONS_DIFF_NORMAL", "OPTIONS_OPTIONS_DIFF_NORMAL", Difficulty, 1},
    {"OPTIONS_DIFF_HARD", "OPTIONS_OPTIONS_DIFF_HARD", Difficulty, 2},
};

// Rectangles (left, top, right, bottom) in the order of the checks above.
const int kCheckRects[GUI_MenuOptions::kCheckCount][4] = {
    {200, 440, 456, 462}, {200, 480, 456, 502}, {200, 520, 456, 542}, {600, 440, 856, 462},
    {600, 480, 856, 502}, {600, 520, 856, 542}, {600, 560, 856, 582}, {200, 400, 400, 422},
    {400, 400, 600, 422}, {600, 400, 800, 422},
};

}  // namespace

GUI_MenuOptions& GUI_MenuOptions::Instance() {
  static GUI_MenuOptions menu;
  return menu;
}

GUI_MenuOptions::GUI_MenuOptions() {
  mainMenu_ = new GUI_ButtonText(Translate("MENU_MAINMENU"), GoToMainMenu, nullptr);
  mainMenu_->SetTooltipKey("TOOLTIP_MENU_MAINMENU", 60);
  AddButton(mainMenu_);
  for (int i = 0; i < kCheckCount; ++i) {
    checks_[i] = new GUI_CheckButton(Translate(kChecks[i].label), kChecks[i].action, Arg(kChecks[i].arg));
    checks_[i]->SetTooltipKey(kChecks[i].tooltip, 60);
    checks_[i]->SetRect(static_cast<float>(kCheckRects[i][0]), static_cast<float>(kCheckRects[i][1]),
                        static_cast<float>(kCheckRects[i][2]), static_cast<float>(kCheckRects[i][3]));
    AddButton(checks_[i]);
  }
  SIM_PlayerOptions& o = Options();
  sliders_[kSnowfall] = std::make_unique<GUI_SliderControl>(
      o.ConfigPointer(SIM_PlayerOptions::kSnowfall), Translate("OPTIONS_SNOWFALL"), nullptr);
  sliders_[kMouseSpeed] = std::make_unique<GUI_SliderControl>(
      o.ConfigPointer(SIM_PlayerOptions::kMouseSpeed), Translate("OPTIONS_MOUSESPEED"), MouseSpeedChanged);
  sliders_[kMusicVolume] = std::make_unique<GUI_SliderControl>(
      o.ConfigPointer(SIM_PlayerOptions::kMusicVolume), Translate("OPTIONS_MUSIC_VOLUME"), MusicVolumeChanged);
  sliders_[kMasterVolume] = std::make_unique<GUI_SliderControl>(
      o.ConfigPointer(SIM_PlayerOptions::kMasterVolume), Translate("OPTIONS_MASTER_VOLUME"),
      MasterVolumeChanged);
  for (int i = 0; i < kSliderCount; ++i) {
    const float top = 200.0f + 50.0f * static_cast<float>(i);
    sliders_[i]->SetRect(400, top, 600, top + 22);
  }
}

GUI_MenuOptions::~GUI_MenuOptions() = default;

GUI_ButtonBase* GUI_MenuOptions::GetMainMenuButton() const { return mainMenu_; }

void GUI_MenuOptions::Layout() {
  const float w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const float h = static_cast<float>(D3DEngine::Instance().GetHeight());
  mainMenu_->SetRect(w - 200, h - 65, w - 20, h - 40);
}

void GUI_MenuOptions::OnEnter() {
  Layout();
  ShowDisplayMode();
  const SIM_PlayerOptions& o = Options();
  checks_[kNewMail]->SetChecked(o.GetToggle(SIM_PlayerOptions::kNewMailSound));
  checks_[kMusic]->SetChecked(o.GetToggle(SIM_PlayerOptions::kEnableMusic));
  checks_[kWeather]->SetChecked(o.GetToggle(SIM_PlayerOptions::kEnableWeatherEffects));
  checks_[kAutosave]->SetChecked(o.GetToggle(SIM_PlayerOptions::kEnableAutosave));
  checks_[kSameSex]->SetChecked(o.GetToggle(SIM_PlayerOptions::kEnableSameSex));
  checks_[kBackdrop]->SetChecked(o.GetToggle(SIM_PlayerOptions::kEnableCompBackdrops));
  const float d = o.GetConfig(SIM_PlayerOptions::kDifficulty);
  checks_[kEasy]->SetChecked(d == 0.0f);
  checks_[kHard]->SetChecked(d == 1.0f);
  checks_[kNormal]->SetChecked(d != 0.0f && d != 1.0f);
}

void GUI_MenuOptions::ShowDisplayMode() {
  checks_[kFullScreen]->SetChecked(DisplaySettings::GetInt("config", "IsWindowed", 0) == 0);
}

void GUI_MenuOptions::ChooseDifficulty(int choice) {
  if (choice < 0 || choice > 2) return;
  for (int i = 0; i < 3; ++i) checks_[kEasy + i]->SetChecked(i == choice);
  Options().SetConfig(SIM_PlayerOptions::kDifficulty, 0.5f * static_cast<float>(choice));
}

void GUI_MenuOptions::Leave(int mode) {
  Options().Save();
  Shell().SetMode(mode);
}

void GUI_MenuOptions::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) {
    ShowDisplayMode();  // the box shows what the key switched to
    return;
  }
  if (scanCode == kScanEscape) {
    Leave(GAMEMODE_MAINMENU);
  } else if (scanCode == kScanReturn) {
    // Back to the game only when there is one to go back to.
    Leave(Shell().IsInGame() ? GAMEMODE_INGAME : GAMEMODE_MAINMENU);
  }
}

void GUI_MenuOptions::Update() {
  GUIButtonList::Update();
  for (auto& slider : sliders_) slider->Update();
}

void GUI_MenuOptions::Draw() {
  DrawMenuBackground();
  // One veil under the check boxes and the sliders with their labels (a slider's label lies
  // 20 px below its track).
  GUI_Rect area = checks_[0]->GetRect();
  auto take = [&area](int l, int t, int r, int b) {
    area = {std::min(area.left, l), std::min(area.top, t), std::max(area.right, r),
            std::max(area.bottom, b)};
  };
  for (const GUI_CheckButton* check : checks_) {
    const GUI_Rect& r = check->GetRect();
    take(r.left, r.top, r.right, r.bottom);
  }
  for (const auto& slider : sliders_) {
    const GUI_Rect& r = slider->GetRect();
    take(r.left, r.top, r.right, r.top + 20 + kSliderLabelHeight);
  }
  const float pad = kTextVeilBorder + 8.0f;
  DrawTextVeil(static_cast<float>(area.left) - pad, static_cast<float>(area.top) - pad,
               static_cast<float>(area.right) + pad, static_cast<float>(area.bottom) + pad);
  DrawButtons();
  for (auto& slider : sliders_) slider->Draw();
  GUI_Services::FlushText();
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}
