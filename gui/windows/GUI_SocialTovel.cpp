// The social standing screen.
#include "gui/windows/GUI_SocialTovel.h"

#include <algorithm>
#include <cmath>

#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Person.h"
#include "sim/SIM_Relationship.h"

namespace {

constexpr int kEscape = 1, kReturn = 28;

float ScreenW() { return static_cast<float>(D3DEngine::Instance().GetWidth()); }
float ScreenH() { return static_cast<float>(D3DEngine::Instance().GetHeight()); }

void OnQuit(void*) { GUI_SocialTovel::Close(); }

void DrawPortrait(const SIM_Person* person, float cx, float cy, bool highlighted) {
  if (!person) return;
  CTexturedSprite portrait;
  portrait.SetTextureString(highlighted ? person->GetPortrait() : person->GetGreyPortrait());
  portrait.width = 48;
  portrait.height = 48;
  portrait.SetColour(255, 255, 255, highlighted ? 255 : 128);
  portrait.SetPosition(cx, cy);
  portrait.Draw();
  // One line centred under the portrait, cut to the room between this portrait and the
  // nearest one of the card beside it, so neighbouring names never run into each other.
  const float half = GUI_ST_Relate::kNameWidth / 2.0f;
  GUI_Services::QueueText(cx - half, cy + 24,
                          FitTextToWidth("tahoma bold", 14, person->GetForename(),
                                         GUI_ST_Relate::kNameWidth),
                          "tahoma bold", 14, GUI_ST_Relate::kNameWidth, 1, 255, 255, 255);
}

}  // namespace

// ---------------------------------------------------------------------------------------------
// A card

GUI_ST_Relate::GUI_ST_Relate(SIM_Relationship* relationship, bool highlighted)
    : relationship_(relationship), highlighted_(highlighted) {
  ReportAssertion(relationship != nullptr, "GUI_SocialTovel", 15);
  SetSize(kWidth, kHeight);
}

void GUI_ST_Relate::Draw() {
  // The bond may have ended (or its world been replaced) while the screen was up: a card
  // whose bond is gone draws nothing rather than reading freed memory.
  const auto& live = SIM_Relationship::All();
  if (!relationship_ || std::find(live.begin(), live.end(), relationship_) == live.end()) return;
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  const float cx = (l + r) / 2.0f, cy = (t + b) / 2.0f;
  // The names and the figure lie on the room picture: a veil keeps them readable.
  DrawTextVeil(l - 10, t - 10, r + 10, b + 16);
  // A strength a save brought in from outside 0..1 still gives an opacity within range.
  float strength = relationship_->GetStrength();
  strength = std::isnan(strength) ? 0.0f : std::clamp(strength, 0.0f, 1.0f);
  bandAlpha_ = static_cast<int>(std::trunc(strength * 128.0f));
  CTexturedSprite band;
  band.width = 22;
  band.height = 100;
  band.Rotate(90);
  band.SetTexture("relationship.dds");
  band.SetColour(255, 255, 255, bandAlpha_);
  band.SetPosition(cx, cy);
  band.Draw();
  if (highlighted_) {
    band.SetTexture("relationship_lines.dds");
    band.SetColour(255, 255, 255, 255);
    band.SetPosition(cx, cy);
    band.Draw();
  }
  DrawPortrait(relationship_->GetPerson1(), l + 34, t + 24, highlighted_);
  DrawPortrait(relationship_->GetPerson2(), r - 34, t + 24, highlighted_);
  GUI_Services::QueueText(l, cy - 7, FormatFixed(relationship_->GetTovel(), 1), "tahoma bold", 14,
                          width, 1, 255, 255, 255);
}

// ---------------------------------------------------------------------------------------------
// The screen

GUI_SocialTovel& GUI_SocialTovel::Instance() {
  static GUI_SocialTovel* screen = new GUI_SocialTovel();  // lives until the process ends
  return *screen;
}

GUI_SocialTovel::GUI_SocialTovel() {
  closeOnNewGame = false;
  quit_ = new GUI_IconButton("button_quit.dds", OnQuit, nullptr);
  quit_->SetHighlightTexture("button_quit_h.dds");
  quit_->SetTooltipKey("TOOLTIP_QUITSOCIALNETWORK", 0);
  AddButton(quit_);
}

bool GUI_SocialTovel::IsShown() { return Instance().shown_; }

void GUI_SocialTovel::Show() {
  GUI_SocialTovel& screen = Instance();
  screen.MakeModal();
  GUI_GUI::Instance().SetMode(GUI_GUI::kSocialStanding);
  screen.Build();
  GUI_GUI& gui = GUI_GUI::Instance();
  if (gui.GetKeyCapture() != &screen) screen.previousCapture_ = gui.GetKeyCapture();
  gui.SetKeyCapture(&screen);
  screen.shown_ = true;
}

void GUI_SocialTovel::Build() {
  const float w = ScreenW(), h = ScreenH();
  SetRect(0, 0, w, h);
  quit_->SetRect(w - 60, h - 70, w, h - 10);
  title_ = Translate("SOCIAL_TOVEL_TITLE");
  help_ = Translate("SOCIAL_TOVEL_HELP");
  DeleteChildren();
  totalValue_ = 0.0f;
  int count = 0;
  for (SIM_Relationship* relationship : SIM_Relationship::All()) {
    if (!relationship->active || !(relationship->GetTovel() > 0.0f)) continue;
    totalValue_ += relationship->GetTovel();
    if (count < kMaxCards) AddChild(new GUI_ST_Relate(relationship, true));
    ++count;
  }
  for (SIM_Relationship* relationship : SIM_Relationship::All()) {
    if (!relationship->active || relationship->GetTovel() != 0.0f ||
        !relationship->IsPlayerCreated() || !(relationship->GetStrength() > 0.0f))
      continue;
    if (count < kMaxCards) AddChild(new GUI_ST_Relate(relationship, false));
    ++count;
  }
  total_ = std::string(Translate("SOCIAL_TOVEL_TOTAL")) + " " + FormatFixed(totalValue_, 2);

  // Rows of four, each row centred.
  const int n = static_cast<int>(children.size());
  float y = 148;
  for (int i = 0; i < n; i += 4) {
    const int remaining = n - i;
    const float left = remaining < 4 ? w / 2.0f - static_cast<float>(remaining) * 90.0f
                                     : w / 2.0f - 360.0f;
    for (int j = 0; j < 4 && i + j < n; ++j)
      children[static_cast<size_t>(i + j)]->MoveTo(
          left + static_cast<float>(j * GUI_ST_Relate::kWidth), y);
    y += 74;
  }
}

void GUI_SocialTovel::Close() {
  GUI_SocialTovel& screen = Instance();
  GUI_WindowManager::Instance().RemoveModal(&screen);
  screen.modal = false;
  screen.shown_ = false;
  GUI_GUI& gui = GUI_GUI::Instance();
  gui.SetMode(GUI_GUI::kMainScreen);
  // The keys go back to whoever held them before, if that window is still open.
  gui.ReleaseKeyCapture(&screen);
  GUI_WindowBase* previous = screen.previousCapture_;
  screen.previousCapture_ = nullptr;
  if (previous && !gui.GetKeyCapture() && GUI_WindowManager::Instance().Contains(previous))
    gui.SetKeyCapture(previous);
}

void GUI_SocialTovel::OnKeyDown(int key) {
  if (key == kEscape || key == kReturn) Close();
}

void GUI_SocialTovel::DrawOpen() { Instance().Draw(); }


void GUI_SocialTovel::Draw() {
  const float w = ScreenW(), h = ScreenH();
  GUI_Backdrop::Instance().Draw();
  const float helpHeight = static_cast<float>(
      GUI_Services::MeasureHeight("tahoma", 18, help_, static_cast<int>(w - 80)));
  DrawTextVeil(20, 44, w - 20, 64 + helpHeight + 20);
  DrawButtons();
  DrawChildren();
  GUI_Services::QueueText(0, 32, title_, "tahoma bold", 24, static_cast<int>(w), 1, 255, 255, 255);
  GUI_Services::QueueText(40, 64, help_, "tahoma", 18, static_cast<int>(w - 80), 0, 255, 255, 255);
  GUI_Services::QueueText(0, h - 64.0f * Shell().GetUIScale(), total_, "tahoma", 24,
                          static_cast<int>(w), 1, 255, 255, 255);
  GUI_Services::FlushText();
}
