// The new-game menu.
#include "gui/GUI_MenuNew.h"

#include <algorithm>
#include <cctype>

#include "gui/GUI_Shell.h"
#include "engine/CallTrace.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_AttribAdjuster.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_Tooltip.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Names.h"

namespace {

constexpr int kEscape = 1, kBackspace = 14;

void OnStart(void*) { GUI_MenuNew::Instance().Start(); }
void OnMainMenu(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }
void OnNext(void*) { GUI_MenuNew::Instance().NextAvatar(); }
void OnPrevious(void*) { GUI_MenuNew::Instance().PreviousAvatar(); }
void OnRandom(void*) { GUI_MenuNew::Instance().RandomName(); }

GUI_ButtonBase* TextButton(const char* key, const char* tooltip, GUI_ButtonCallback callback) {
  auto* button = new GUI_ButtonText(Translate(key), callback, nullptr);
  button->SetTooltipKey(tooltip, 60);
  return button;
}

GUI_ButtonBase* Arrow(const char* texture, const char* hover, GUI_ButtonCallback callback) {
  auto* button = new GUI_IconButton(texture, callback, nullptr);
  button->SetHighlightTexture(hover);
  return button;
}

// Sorted ignoring case, so the order is the same on every file system.
std::vector<std::string> ListAvatars(const std::string& pattern) {
  FileList list;
  list.AddFiles(pattern);
  std::vector<std::string> names;
  for (const std::string& file : list.files) {
    const size_t slash = file.find_last_of("/\\");
    names.push_back(slash == std::string::npos ? file : file.substr(slash + 1));
  }
  std::sort(names.begin(), names.end(), [](const std::string& a, const std::string& b) {
    return ToLowerString(a) < ToLowerString(b);
  });
  return names;
}

}  // namespace

GUI_MenuNew& GUI_MenuNew::Instance() {
  // Never destroyed: singletons do no teardown at exit, when the screens its windows would
  // report to may be gone.
  static GUI_MenuNew* menu = new GUI_MenuNew();
  return *menu;
}

GUI_MenuNew::GUI_MenuNew() {
  startButton = TextButton("MENU_START", "TOOLTIP_MENU_START", OnStart);
  mainMenuButton = TextButton("MENU_MAINMENU", "TOOLTIP_MENU_MAINMENU", OnMainMenu);
  nextButton = Arrow("right.dds", "right_h.dds", OnNext);
  previousButton = Arrow("left.dds", "left_h.dds", OnPrevious);
  randomButton = TextButton("NAME_RANDOMISE", "NAME_RANDOMISE_MAINMENU", OnRandom);
  for (GUI_ButtonBase* button :
       {startButton, mainMenuButton, nextButton, previousButton, randomButton})
    AddButton(button);
  avatarSprite.SetUV(0, 0, 0.333f, 1);
  BuildAvatarList();
  SetName(SIM_Names::PickForename(0, 1, "English", false));
  static const char* kLabels[4] = {"ATTRIBADJ_IQ", "ATTRIBADJ_CULTURE", "ATTRIBADJ_HAPPINESS",
                                   "ATTRIBADJ_CONFIDENCE"};
  for (int i = 0; i < 4; ++i) adjusters.push_back(new GUI_AttribAdjuster(i, kLabels[i]));
  Layout();
  caretTimer.Start();
}

void GUI_MenuNew::Layout() {
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  const float s = w / 1024.0f, cx = w / 2, cy = h / 2;
  startButton->SetRect(w - 200, h - 45, w - 20, h - 20);
  mainMenuButton->SetRect(20, h - 45, 220, h - 20);
  nextButton->SetRect(cx + 100 * s, cy - 30 * s, cx + 130 * s, cy + 30 * s);
  previousButton->SetRect(cx - 130 * s, cy - 30 * s, cx - 100 * s, cy + 30 * s);
  randomButton->SetRect(cx - 85 * s, cy + 300 * s, cx + 85 * s, cy + 300 * s + 25);
  avatarSprite.width = 170 * s;
  avatarSprite.height = 512 * s;
  float y = cy + 40 * s;
  for (GUI_AttribAdjuster* adjuster : adjusters) {
    adjuster->SetRect(w - 240, y, w - 40, y + 34);
    y += 45;
  }
}

// The choices stay as they were; only the layout follows a display that changed size since.
void GUI_MenuNew::OnEnter() { Layout(); }

void GUI_MenuNew::BuildAvatarList() {
  avatars = ListAvatars("data/bitmaps/avatars/*.dds");
  const std::string mods = Shell().GetUserFolder() + "/mods/avatars";
  for (const std::string& mod : ListAvatars(mods + "/*.dds")) {
    // A picture that will not decode would be a blank here and in play: it is not offered.
    if (GUI_Avatar::Decodes(mods + "/" + mod))
      avatars.push_back(mod);
    else
      LogWarning(("Avatar picture unreadable, not offered: " + mod).c_str(), "GUI_MenuNew",
                 __LINE__);
  }
  // A room background is not a picture of the player.
  avatars.erase(std::remove_if(avatars.begin(), avatars.end(),
                               [](const std::string& n) {
                                 return ToLowerString(n).find("_background.") != std::string::npos;
                               }),
                avatars.end());
  ReportAssertion(!avatars.empty(), "GUI_MenuNew", 142);
  current = 0;
}

std::string GUI_MenuNew::GetAvatar() const {
  return current < avatars.size() ? avatars[current] : std::string();
}

void GUI_MenuNew::NextAvatar() {
  if (avatars.empty()) return;
  current = current + 1 >= avatars.size() ? 0 : current + 1;
}

void GUI_MenuNew::PreviousAvatar() {
  if (avatars.empty()) return;
  current = current == 0 ? avatars.size() - 1 : current - 1;
}

void GUI_MenuNew::RandomName() {
  const std::string avatar = GetAvatar();
  const int gender = !avatar.empty() && avatar[0] == 'm' ? 0 : 1;
  SetName(SIM_Names::PickForename(0, gender, "English", false));
}

void GUI_MenuNew::Start() {
  if (avatars.empty()) return;
  // Nobody starts a life without a name: an empty one gets a random one, as the button gives.
  if (name.empty()) RandomName();
  SIM_GameConfig& config = SIM_GameConfig::Instance();
  config.SetAvatarName(GetAvatar());
  config.SetName(name);
  GUI_Avatar::Instance().SetTextureName(GetAvatar());
  SIM_Dirt::Instance().Reset();
  GUI_DirtSprites::Refresh();
  Shell().SetMode(GAMEMODE_INTRO);
}

void GUI_MenuNew::OnKeyDown(int scanCode) {
  if (ToggleWindowedOnAltReturn(scanCode)) return;
  if (scanCode == kEscape) {
    Shell().SetMode(GAMEMODE_MAINMENU);
    return;
  }
  if (scanCode == kBackspace) {
    if (!name.empty()) name.pop_back();
    return;
  }
  char c = ScanCodeToChar(scanCode);
  const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
  if (!letter && c != '\'' && c != '-') return;
  if (name.size() >= kMaxName) return;
  if (name.empty() && letter) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  name.push_back(c);
}

void GUI_MenuNew::OnLeftButtonDown() {
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  for (GUI_AttribAdjuster* adjuster : adjusters)
    if (adjuster->OnClick(x, y)) return;
  ClickButtons();
}

void GUI_MenuNew::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  const auto w = static_cast<float>(engine.GetWidth());
  const auto h = static_cast<float>(engine.GetHeight());
  const float cx = w / 2, cy = h / 2;
  engine.DrawFullScreenImage("loadscreen.jpg");
  avatarSprite.SetPosition(cx, cy);
  const float left = cx - avatarSprite.width / 2, right = cx + avatarSprite.width / 2;
  const float top = cy - avatarSprite.height / 2, bottom = cy + avatarSprite.height / 2;
  // Veils, before the avatar's band, under the texts that lie on the picture: the heading
  // over the avatar and the adjusters' labels (their buttons reach 8 px below them).
  const std::string heading = Translate("MENU_CHOOSE_AVATAR");
  const float headingHalf =
      static_cast<float>(GUI_Services::MeasureWidth("tahoma bold", 20, heading)) / 2 + kTextVeilBorder;
  DrawTextVeil(cx - headingHalf, top - 30 - kTextVeilBorder, cx + headingHalf,
               top - 10 + kTextVeilBorder);
  if (!adjusters.empty()) {
    const GUI_Rect& first = adjusters.front()->GetRect();
    const GUI_Rect& last = adjusters.back()->GetRect();
    DrawTextVeil(static_cast<float>(first.left) - kTextVeilBorder,
                 static_cast<float>(first.top) - kTextVeilBorder,
                 static_cast<float>(first.right) + kTextVeilBorder,
                 static_cast<float>(last.bottom + 8) + kTextVeilBorder);
  }
  engine.FillRect(static_cast<int>(left - 5), 0, static_cast<int>(right + 5), static_cast<int>(h),
                  0xC8000000u);
  const std::string avatar = GetAvatar();
  if (!avatar.empty()) {
    engine.SetTextureByName(avatar.c_str());
    avatarSprite.SetColourARGB(0xFFFFFFFFu);
    avatarSprite.DrawQuad();
  }
  for (GUI_AttribAdjuster* adjuster : adjusters) adjuster->Draw();
  DrawButtons();
  GUI_Services::QueueText(left - 200, top - 30, heading, "tahoma bold", 20,
                          static_cast<int>(avatarSprite.width + 400), 1, 255, 255, 255);
  // A name wider than the picture shows its end, so the caret follows the last letter typed.
  const std::string shown =
      FitTextEndToWidth("tahoma bold", 24, name, static_cast<int>(avatarSprite.width));
  GUI_Services::QueueText(left, bottom + 10, shown, "tahoma bold", 24,
                          static_cast<int>(avatarSprite.width), 1, 255, 255, 255);
  const int nameWidth = GUI_Services::MeasureWidth("tahoma bold", 24, shown);
  GUI_Services::FlushText();
  caretTimer.Update();
  if (caretTimer.elapsed >= 200.0) {
    caretTimer.Start();
    caretShown = !caretShown;
  }
  if (caretShown) {
    const float x = cx + static_cast<float>(nameWidth) / 2;
    engine.FillRect(static_cast<int>(x + 2), static_cast<int>(bottom + 15), static_cast<int>(x + 5),
                    static_cast<int>(bottom + 30), 0xE0FFFFFFu);
  }
  DrawTooltips();
  GUI_Cursor::Instance().Draw();
}
