// The roulette window.
#include "gui/windows/GUI_Roulette.h"

#include "engine/CTexturedSprite.h"
#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Venues.h"

GUI_Roulette* GUI_Roulette::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kSize = 16;

void OnSpin(void*) {
  if (GUI_Roulette* w = GUI_Roulette::Instance()) w->Spin();
}
void OnStop(void*) {
  if (GUI_Roulette* w = GUI_Roulette::Instance()) w->Stop();
}
void OnRaise(void*) {
  if (GUI_Roulette* w = GUI_Roulette::Instance()) w->Raise();
}
void OnLower(void*) {
  if (GUI_Roulette* w = GUI_Roulette::Instance()) w->Lower();
}

void Text(float x, float y, const std::string& text) {
  GUI_Services::QueueText(x, y, text, kFont, kSize, 0, 0, 255, 255, 255);
}

// Centred in the field of the width starting at x.
void Centred(float x, float width, float y, const std::string& text) {
  Text(x + (width - static_cast<float>(GUI_Services::MeasureWidth(kFont, kSize, text))) / 2, y, text);
}

// Right-aligned in the field of the width starting at x.
void Right(float x, float width, float y, const std::string& text) {
  Text(x + width - static_cast<float>(GUI_Services::MeasureWidth(kFont, kSize, text)), y, text);
}

}  // namespace

void GUI_Roulette::Open(SIM_RouletteInstance* evening) {
  Close();
  if (!evening) {
    ReportAssertion(false, "GUI_Roulette", __LINE__);
    return;
  }
  new GUI_Roulette(evening);
}

void GUI_Roulette::Close() { delete instance; }

std::string GUI_Roulette::MoneyText(int amount) { return "\xA3 " + std::to_string(amount); }

std::string GUI_Roulette::SpinText(int amount) { return amount == 0 ? "--" : MoneyText(amount); }

GUI_Roulette::GUI_Roulette(SIM_RouletteInstance* evening) : GUI_Dialog(false), evening_(evening) {
  instance = this;
  SetTitle(Translate("ROULETTE_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right), cb = static_cast<float>(clientRect.bottom);
  const float mid = static_cast<float>(rect.left + rect.right) / 2;
  spin_ = new GUI_ButtonText(Translate("ROULETTE_SPIN"), OnSpin, nullptr);
  spin_->SetTooltipKey("ROULETTE_SPIN_TOOLTIP", 60);
  spin_->SetRect(cl + 10, cb - 30, mid - 10, cb - 8);
  AddButton(spin_);
  stop_ = new GUI_ButtonText(Translate("ROULETTE_STOP"), OnStop, nullptr);
  stop_->SetTooltipKey("ROULETTE_STOP_TOOLTIP", 60);
  stop_->SetRect(mid + 10, cb - 30, cr - 10, cb - 8);
  AddButton(stop_);
  raise_ = new GUI_IconButton("raisestake.dds", OnRaise, nullptr);
  raise_->SetHighlightTexture("raisestake_h.dds");
  raise_->SetTooltipKey("ROULETTE_RAISESTAKE_TOOLTIP", 60);
  raise_->SetRect(cr - 35, ct + 32, cr - 13, ct + 54);
  AddButton(raise_);
  lower_ = new GUI_IconButton("lowerstake.dds", OnLower, nullptr);
  lower_->SetHighlightTexture("lowerstake_h.dds");
  lower_->SetTooltipKey("ROULETTE_LOWERSTAKE_TOOLTIP", 60);
  lower_->SetRect(cr - 120, ct + 32, cr - 98, ct + 54);
  AddButton(lower_);
  MakeModal();
  UpdateButtons();
}

GUI_Roulette::~GUI_Roulette() {
  // Only clean-up: the evening is finished by Stop, never here (it may be gone already).
  if (instance == this) instance = nullptr;
}

void GUI_Roulette::Raise() {
  if (stake_ < kMaxStake) stake_ += kStakeStep;
  UpdateButtons();
}

void GUI_Roulette::Lower() {
  if (stake_ > kMinStake) stake_ -= kStakeStep;
  UpdateButtons();
}

void GUI_Roulette::UpdateButtons() {
  const bool canSpin = evening_->CanSpin();
  // The evening's bill is paid as it ends: a stake risks only what is left over it, so a lost
  // spin never leaves the bill short.
  const float spare = SIM_Finances::Instance().GetCash() - static_cast<float>(evening_->BillDue());
  spin_->SetEnabled(canSpin && static_cast<float>(stake_) <= spare);
  // At the least stake there is nothing to lower: the bill leaves too little to play.
  if (!canSpin)
    spin_->SetDisabledReason(Translate("WHY_NO_SPINS_LEFT"));
  else if (stake_ <= kMinStake)
    spin_->SetDisabledReason(Translate("WHY_NO_CASH_FOR_A_STAKE"));
  else
    spin_->SetDisabledReason(Translate("WHY_STAKE_TOO_HIGH"));
}

void GUI_Roulette::Spin() {
  UpdateButtons();
  if (!spin_->IsEnabled()) return;
  const int amount = RandomChance(0.5f) ? stake_ : -stake_;
  SIM_Finances::Instance().Earn(static_cast<float>(amount));
  evening_->AddSpinResult(amount);
  UpdateButtons();
}

void GUI_Roulette::Stop() {
  SIM_RouletteInstance* evening = evening_;
  delete this;  // freed after the click
  evening->Complete();
}

void GUI_Roulette::Draw() {
  if (!visible) return;
  UpdateButtons();
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right);
  CTexturedSprite wheel;
  wheel.width = 270;
  wheel.height = 183;
  wheel.SetColourARGB(0xFFFFFFFFu);
  wheel.SetTextureString("roulette_wheel.bmp");
  wheel.SetPosition(cl + 145, ct + 102);
  wheel.Draw();

  const float x0 = cr - 125, y0 = ct + 15;
  Centred(x0, 125, y0, Translate("ROULETTE_STAKE"));
  Centred(x0, 125, y0 + 20, MoneyText(stake_));
  Text(cr - 105, y0 + 40, Translate("ROULETTE_TABLE_SPIN"));
  Text(cr - 65, y0 + 40, Translate("ROULETTE_TABLE_WIN"));
  float y = y0 + 60;
  for (unsigned i = 0; i < SIM_RouletteInstance::kSpins; ++i, y += 20) {
    Text(cr - 105, y, std::to_string(i + 1));
    Right(cr - 95, 55, y, SpinText(evening_->GetSpinResult(i)));
  }
  y += 3;
  Text(cr - 115, y, Translate("ROULETTE_TOTAL"));
  Right(cr - 85, 65, y, MoneyText(evening_->GetTotalWinnings()));
  GUI_Services::FlushText();
}
