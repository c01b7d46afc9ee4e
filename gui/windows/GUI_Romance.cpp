// The romance windows.
#include "gui/windows/GUI_Romance.h"

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_NPC.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Romance.h"

GUI_RomanticOffer* GUI_RomanticOffer::instance = nullptr;
GUI_RomanceSummary* GUI_RomanceSummary::instance = nullptr;

namespace {

void OnAcceptOffer(void*) {
  if (GUI_RomanticOffer* offer = GUI_RomanticOffer::Instance()) offer->Accept();
}
void OnRejectOffer(void*) {
  if (GUI_RomanticOffer* offer = GUI_RomanticOffer::Instance()) offer->Reject();
}
void OnDump(void*) {
  if (GUI_RomanceSummary* summary = GUI_RomanceSummary::Instance()) summary->Dump();
}

void DrawPortrait(BaseSprite& sprite, const SIM_NPC* npc) {
  if (!npc) return;
  D3DEngine::Instance().SetTextureByName(npc->GetPortrait());
  sprite.SetColour(255, 255, 255, 255);
  sprite.Draw();
}

}  // namespace

// ---- The offer ----

void GUI_RomanticOffer::Open(SIM_NPC* npc) {
  ReportAssertion(npc != nullptr, "GUI_Romance", 60);
  if (!npc) return;
  Close();
  new GUI_RomanticOffer(npc);
}

void GUI_RomanticOffer::Close() { delete instance; }

void GUI_RomanticOffer::CloseFor(const SIM_NPC* npc) {
  if (instance && instance->npc_ == npc) Close();
}

GUI_RomanticOffer::GUI_RomanticOffer(SIM_NPC* npc) : GUI_Dialog(false), npc_(npc) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  MakeModal();
  UpdateClientRect();
  SetTitle(Translate("ROMANCE_OFFER_TITLE"));
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  const float mid = static_cast<float>(rect.left + rect.right) / 2.0f;
  portrait_.width = 64;
  portrait_.height = 64;
  portrait_.SetPosition(cl + 50, ct + 50);
  accept_ = new GUI_ButtonText(Translate("ROMANCE_ACCEPT"), OnAcceptOffer, nullptr);
  accept_->SetTooltipKey("ROMANCE_ACCEPT_TOOLTIP", 0);
  accept_->SetRect(mid + 5, cb - 35, cr - 10, cb - 11);
  AddButton(accept_);
  reject_ = new GUI_ButtonText(Translate("ROMANCE_REJECT"), OnRejectOffer, nullptr);
  reject_->SetTooltipKey("ROMANCE_REJECT_TOOLTIP", 0);
  reject_->SetRect(cl + 10, cb - 35, mid - 5, cb - 11);
  AddButton(reject_);
  SetKeyAnswers(accept_, reject_);
}

GUI_RomanticOffer::~GUI_RomanticOffer() {
  if (instance == this) instance = nullptr;
}

void GUI_RomanticOffer::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top);
  portrait_.SetPosition(cl + 50, ct + 50);
  DrawPortrait(portrait_, npc_);
  const float r = portrait_.right;
  GUI_Services::QueueText(r + 20, ct + 20, Translate("ROMANCE_OFFER_TEXT"), "tahoma bold", 16,
                          static_cast<int>(cr - r - 40), 0, 255, 255, 255);
  GUI_Services::FlushText();
}

bool GUI_RomanticOffer::OnClick(float x, float y) {
  if (portrait_.ContainsPoint(x, y)) {
    GUI_NPC::Open(npc_);
    // Opened over a modal offer, the character's window is modal too, so it can be closed
    // before the offer is answered.
    if (GUI_NPC* window = GUI_NPC::FindFor(npc_)) window->MakeModal();
    return true;
  }
  return GUI_Dialog::OnClick(x, y);
}

void GUI_RomanticOffer::Accept() {
  SIM_NPC* npc = npc_;
  delete this;  // freed after the click
  if (!SIM_Romance::Instance().HasPartner() && !npc->IsRemoved())
    SIM_Romance::Instance().SetPartner(npc);
}

void GUI_RomanticOffer::Reject() {
  npc_->SetAttraction(0.0f);
  delete this;
}

// ---- The heart ----

GUI_RomanceIcon& GUI_RomanceIcon::Instance() {
  static GUI_RomanceIcon* icon = new GUI_RomanceIcon();  // lives for the run
  return *icon;
}

GUI_RomanceIcon::GUI_RomanceIcon() {
  heart_.SetTexture("heart.dds");
  heart_.width = heart_.height = 24;
}

bool GUI_RomanceIcon::Place() {
  const SIM_NPC* partner = SIM_Romance::Instance().GetPartner();
  const GUI_NPCIcon* icon = partner ? FindNPCIcon(partner) : nullptr;
  if (!icon || !icon->IsShown()) return false;
  centreX_ = static_cast<float>(icon->GetRect().right) + 32.0f;
  centreY_ = icon->GetCentreY();
  return true;
}

void GUI_RomanceIcon::Draw() {
  drawn_ = Place();
  if (!drawn_) return;
  // Hovering is judged on the larger heart, so it does not flicker at the edge.
  heart_.width = heart_.height = 29;
  heart_.SetPosition(centreX_, centreY_);
  const bool over = heart_.ContainsPoint(GUI_Services::MouseX(), GUI_Services::MouseY());
  heart_.width = heart_.height = over ? 29.0f : 24.0f;
  heart_.SetColour(255, 255, 255, over ? 255 : 210);
  heart_.SetPosition(centreX_, centreY_);
  heart_.Draw();
}

bool GUI_RomanceIcon::OnClick(float x, float y) {
  if (!Place()) return false;
  heart_.width = heart_.height = 29;
  heart_.SetPosition(centreX_, centreY_);
  if (!heart_.ContainsPoint(x, y)) return false;
  GUI_RomanceSummary::Open();
  return true;
}

// ---- The summary ----

void GUI_RomanceSummary::Open() {
  Close();
  if (!SIM_Romance::Instance().HasPartner()) return;
  new GUI_RomanceSummary();
}

void GUI_RomanceSummary::Close() { delete instance; }

GUI_RomanceSummary::GUI_RomanceSummary()
    : GUI_Dialog(true), partner_(SIM_Romance::Instance().GetPartner()) {
  instance = this;
  SetTitle(Translate("ROMANCESUMMARY_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  portrait_.width = 64;
  portrait_.height = 64;
  portrait_.SetPosition(cl + 42, (ct + cb) / 2);
  dump_ = new GUI_ButtonText(Translate("ROMANCE_DUMPBUTTON"), OnDump, nullptr);
  dump_->SetTooltipKey("ROMANCE_DUMPBUTTON_TOOLTIP", 0);
  dump_->SetRect(portrait_.right + 10, cb - 30, cr - 20, cb - 10);
  AddButton(dump_);
  nameLine_ = std::string(Translate("ROMANCE_NAME")) + " " + partner_->GetFullName();
  durationLine_ = Translate("ROMANCE_DURATION");
  ReplaceSubstring(durationLine_, "<DAYS>", std::to_string(SIM_Romance::Instance().GetDuration()));
  help_ = Translate("ROMANCE_HELP");
}

GUI_RomanceSummary::~GUI_RomanceSummary() {
  if (instance == this) instance = nullptr;
}

void GUI_RomanceSummary::Draw() {
  // The summary closes with every change of partner; a partner gone all the same draws nothing.
  if (!visible || !SIM_Romance::Instance().IsPartner(partner_)) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top), cb = static_cast<float>(clientRect.bottom);
  portrait_.SetPosition(cl + 42, (ct + cb) / 2);
  DrawPortrait(portrait_, partner_);
  const float r = portrait_.right;
  GUI_Services::QueueText(r + 10, ct + 20, nameLine_, "tahoma bold", 18, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(r + 10, ct + 40, durationLine_, "tahoma bold", 14, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(r + 10, ct + 60, help_, "tahoma bold", 14, static_cast<int>(cr - r - 20),
                          0, 255, 255, 255);
  GUI_Services::FlushText();
}

void GUI_RomanceSummary::Dump() {
  delete this;  // freed after the click
  if (SIM_Romance::Instance().HasPartner()) SIM_Romance::Instance().DumpPartner();
}
