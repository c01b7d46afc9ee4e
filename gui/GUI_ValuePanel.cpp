// The money and social-standing panels.
#include "gui/GUI_ValuePanel.h"

#include <cmath>
#include <limits>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Tovel.h"

namespace {

constexpr int kHeight = 35;
constexpr int kSpriteSize = 36;
constexpr int kLabelSize = 30, kValueSize = 18;
constexpr int kLabelTop = 5, kValueTop = 33;
constexpr int kTooltipDelay = 40;
constexpr const char* kFont = "tahoma bold";
constexpr const char kPound[] = "\xA3";

GUI_Cash* g_cash = nullptr;
GUI_Tovel* g_tovel = nullptr;

}  // namespace

GUI_ValuePanel::GUI_ValuePanel(const Look& look)
    : look_(look), texts_(std::make_unique<GdiTextList>()) {
  // The panels stay through new games; the in-game screen lays them out again.
  closeOnNewGame = false;
}

GUI_ValuePanel::~GUI_ValuePanel() = default;

void GUI_ValuePanel::SetUp() {
  const int w = D3DEngine::Instance().GetWidth();
  const auto left = static_cast<float>(w - look_.rightOffset);
  SetRect(left, 0.0f, left + static_cast<float>(look_.width), static_cast<float>(kHeight));
  if (!initialised_) {
    label_ = Translate(look_.labelKey);
    if (label_.size() > kMaxLabel) label_.resize(kMaxLabel);
    tooltip_ = std::make_unique<GUI_Tooltip>(Translate(look_.tooltipKey), kTooltipDelay);
    initialised_ = true;
  }
  if (!GUI_WindowManager::Instance().Contains(this)) Open();
  // The texts follow the new place and the new game's value at the next draw.
  shown_.reset();
}

void GUI_ValuePanel::Rebuild(double value) {
  shown_ = value;
  texts_->Clear();
  const auto x = static_cast<float>(rect.left + look_.textX);
  const auto top = static_cast<float>(rect.top);
  texts_->AddText(x, top + kLabelTop, label_, kFont, kLabelSize, 0, 0, 255, 255, 255);
  texts_->AddText(x, top + kValueTop, FormatValue(value), kFont, kValueSize, 0, 0, 255, 255, 255);
}

void GUI_ValuePanel::Draw() {
  if (!visible) return;
  if (!initialised_) SetUp();
  const double value = CurrentValue();
  if (!shown_ || *shown_ != value) Rebuild(value);
  const auto left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
  const auto right = static_cast<float>(rect.right);
  // The room behind is bright by day: the texts lie on a dark veil, kept a veil border
  // clear of the texts (the label ends well before the panel's right edge).
  DrawTextVeil(left - 4.0f, top - kTextVeilBorder, right + 12.0f,
               top + kValueTop + kValueSize + kTextVeilBorder);
  D3DEngine::Instance().SetTextureByName(look_.sprite);
  BaseSprite sprite;
  sprite.width = kSpriteSize;
  sprite.height = kSpriteSize;
  sprite.SetColourARGB(0xFFFFFFFFu);
  sprite.SetPosition(left + 24.0f, top + 26.0f);
  sprite.DrawQuad();
  tooltip_->Draw();
}

void GUI_ValuePanel::Update() {
  GUI_WindowBase::Update();
  if (initialised_ && visible && HasTheMouse()) {
    tooltip_->Trigger();
    tooltip_->PlaceAtMouse();
  }
}

void GUI_ValuePanel::DrawTexts() { texts_->DrawAll(255, 255, 255); }

// --- Money ---

GUI_Cash* GUI_Cash::Instance() {
  if (!g_cash) g_cash = new GUI_Cash();
  return g_cash;
}

GUI_Cash::GUI_Cash()
    : GUI_ValuePanel({.sprite = "coins.dds", .labelKey = "MONEY", .tooltipKey = "CASH_TOOLTIP",
                      .width = 180, .rightOffset = 340, .textX = 52}) {}

GUI_Cash::~GUI_Cash() {
  if (g_cash == this) g_cash = nullptr;
}

std::string GUI_Cash::FormatMoney(double amount) {
  // A debt keeps its sign, in front of the pound sign, and is written as a credit is.
  const bool debt = amount <= -0.005;
  const double magnitude = std::fabs(amount);
  std::string digits;
  if (magnitude < 100.0) {
    digits = FormatFixed(magnitude, 2);
  } else {
    digits = FormatThousands(ClampToInt(std::floor(magnitude)));
  }
  std::string text = debt ? "-" : "";
  text += kPound;
  text += digits;
  return text;
}

std::string GUI_Cash::FormatValue(double value) const { return FormatMoney(value); }

double GUI_Cash::CurrentValue() const { return SIM_Finances::Instance().GetCash(); }

// --- Social standing ---

GUI_Tovel* GUI_Tovel::Instance() {
  if (!g_tovel) g_tovel = new GUI_Tovel();
  return g_tovel;
}

GUI_Tovel::GUI_Tovel()
    : GUI_ValuePanel({.sprite = "tovel.dds", .labelKey = "TOVEL", .tooltipKey = "TOVEL_TOOLTIP",
                      .width = 150, .rightOffset = 150, .textX = 48}) {}

GUI_Tovel::~GUI_Tovel() {
  if (g_tovel == this) g_tovel = nullptr;
}

std::string GUI_Tovel::FormatValue(double value) const { return FormatFixed(value, 2); }

double GUI_Tovel::CurrentValue() const { return SIM_Tovel::Instance().GetTotal(); }
