// The no-money dialog.
#include "gui/windows/GUI_NoMoneyDialog.h"

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Vesk.h"

GUI_NoMoneyDialog* GUI_NoMoneyDialog::instance = nullptr;

namespace {

void OnSubsidise(void*) {
  if (GUI_NoMoneyDialog* dialog = GUI_NoMoneyDialog::Instance()) dialog->Subsidise();
}
void OnReject(void*) {
  if (GUI_NoMoneyDialog* dialog = GUI_NoMoneyDialog::Instance()) dialog->Reject();
}

}  // namespace

void GUI_NoMoneyDialog::Open(SIM_SocialiseType* type, SIM_NPC* npc) {
  ReportAssertion(npc != nullptr, "GUI_NoMoneyDialog", 85);
  ReportAssertion(type != nullptr, "GUI_NoMoneyDialog", 86);
  if (!npc || !type) return;
  Close();
  new GUI_NoMoneyDialog(type, npc);
}

void GUI_NoMoneyDialog::Close() { delete instance; }

void GUI_NoMoneyDialog::CloseFor(const SIM_NPC* npc) {
  if (instance && instance->npc_ == npc) Close();
}

int GUI_NoMoneyDialog::TotalCost(const SIM_SocialiseType* type) {
  // Everyone paid for already, this character, and the player's own share.
  return SIM_SocialiseInstance::LeastBill(type, SIM_Subsidies::All().size() + 1);
}

GUI_NoMoneyDialog::GUI_NoMoneyDialog(SIM_SocialiseType* type, SIM_NPC* npc)
    : GUI_Dialog(false), npc_(npc) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(Translate("NPC_NOTENOUGHMONEY_TITLE"));
  GUI_WindowBase::Open();
  MakeModal();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  reject_ = new GUI_ButtonText(Translate("NPCNOMONEY_REJECT"), OnReject, nullptr);
  reject_->SetRect(cl + 10, cb - 34, cl + 190, cb - 10);
  AddButton(reject_);
  subsidise_ = new GUI_ButtonText(Translate("NPCNOMONEY_SUBSIDISE"), OnSubsidise, nullptr);
  subsidise_->SetRect(cr - 190, cb - 34, cr - 15, cb - 10);
  AddButton(subsidise_);
  // Paying is the question's yes (when the cash covers it), leaving them out its cancel.
  SetKeyAnswers(subsidise_, reject_);
  portrait_.width = 80;
  portrait_.height = 80;
  text_ = Translate("NPCNOMONEY_TEXT");
  ReplaceSubstring(text_, "<VESKSNAME>", SIM_Vesk::Instance()->GetForename());
  const int total = TotalCost(type);
  ReportAssertion(total > 0, "GUI_NoMoneyDialog", 61);
  subsidise_->SetEnabled(static_cast<float>(total) <= SIM_Finances::Instance().GetCash());
  subsidise_->SetDisabledReason(Translate("WHY_NOT_ENOUGH_MONEY"));
}

GUI_NoMoneyDialog::~GUI_NoMoneyDialog() {
  if (instance == this) instance = nullptr;
}

void GUI_NoMoneyDialog::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto ct = static_cast<float>(clientRect.top);
  portrait_.SetPosition(cl + 50, ct + 50);
  D3DEngine::Instance().SetTextureByName(npc_->GetPortrait());
  portrait_.SetColour(255, 255, 255, 255);
  portrait_.Draw();
  const float r = portrait_.right;
  GUI_Services::QueueText(r + 10, ct + 30, text_, "tahoma bold", 16, static_cast<int>(cr - r - 20),
                          0, 255, 255, 255);
  GUI_Services::FlushText();
}

void GUI_NoMoneyDialog::Subsidise() {
  if (!subsidise_->IsEnabled()) return;
  SIM_NPC* npc = npc_;
  delete this;  // freed after the click
  // Paid for only as a guest of the evening being organised, and only when that evening
  // still has a place for them (the guest limit, a romantic outing's partner): with no
  // chooser to take them, or no place, there is nobody to pay for. Money alone is what the
  // player's offer answers, so it is not asked again.
  GUI_SocialActivityChooser* chooser = GUI_SocialActivityChooser::Instance();
  if (!chooser || !chooser->HasPlaceFor(npc)) return;
  if (GUI_SocialActivityChooser::AddInvitee(npc)) SIM_Subsidies::Add(npc);
}

void GUI_NoMoneyDialog::Reject() { delete this; }
