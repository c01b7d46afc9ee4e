// Job-unlock window.
#include "gui/windows/GUI_JobUnlock.h"

#include <cmath>
#include <limits>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Vesk.h"

namespace {


}  // namespace

GUI_JobUnlock* GUI_JobUnlock::instance = nullptr;

void GUI_JobUnlock::Open(SIM_NPC* npc, GUI_Email* item) {
  ReportAssertion(npc != nullptr, "GUI_JobUnlock", 70);
  ReportAssertion(item != nullptr, "GUI_JobUnlock", 71);
  if (!npc || !item) return;
  // The offer is the character's unlockable job, whatever job the character holds.
  SIM_JobBase* job = npc->GetUnlockableJob();
  ReportAssertion(job != nullptr, "GUI_JobUnlock", 17);
  if (!job) return;
  Close();
  new GUI_JobUnlock(npc, job, item);
}

GUI_JobUnlock::GUI_JobUnlock(SIM_NPC* character, SIM_JobBase* unlockable, GUI_Email* mailItem)
    : GUI_Dialog(true), npc(character), job(unlockable), item(mailItem) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  std::string title = Translate("JOBUNLOCK_TITLE");
  const size_t at = title.find("<NAME>");
  if (at != std::string::npos) title.replace(at, 6, npc->GetFullName());
  SetTitle(title);
  acceptButton = new GUI_ButtonText(Translate("JOBUNLOCK_ACCEPT"), Accept, nullptr);
  acceptButton->SetTooltipKey("JOBUNLOCK_ACCEPT_TOOLTIP", 0);
  AddButton(acceptButton);
  rejectButton = new GUI_ButtonText(Translate("JOBUNLOCK_REJECT"), Reject, nullptr);
  rejectButton->SetTooltipKey("JOBUNLOCK_REJECT_TOOLTIP", 0);
  AddButton(rejectButton);
  text = Translate("JOBUNLOCK_TEXT");
  portrait.width = 64;
  portrait.height = 64;
  portrait.SetPosition(static_cast<float>(clientRect.left + 50),
                       static_cast<float>(clientRect.top + 50));
  item->SetHolder([] { GUI_JobUnlock::Close(); });
}

GUI_JobUnlock::~GUI_JobUnlock() {
  if (item) item->SetHolder(nullptr);
  if (instance == this) instance = nullptr;
}

void GUI_JobUnlock::Close(void* /*unused*/) { delete instance; }

void GUI_JobUnlock::Accept(void* /*unused*/) {
  if (instance) instance->Finish(true);
}

void GUI_JobUnlock::Reject(void* /*unused*/) {
  if (instance) instance->Finish(false);
}

void GUI_JobUnlock::Finish(bool accept) {
  GUI_Email* usedItem = item;
  usedItem->SetHolder(nullptr);
  item = nullptr;
  if (accept) SIM_Vesk::Instance()->SetJob(job);
  delete usedItem;
  delete this;
}

std::string GUI_JobUnlock::GetJobRow() const { return job->GetShownTitle(); }

std::string GUI_JobUnlock::GetEmployerRow() const { return job->GetEmployer(); }

std::string GUI_JobUnlock::GetSalaryRow() const {
  return "\xA3 " + FormatThousands(ClampToInt(job->GetMinSalary()));
}

void GUI_JobUnlock::Draw() {
  GUI_Dialog::Draw();
  const auto& c = clientRect;
  portrait.SetPosition(static_cast<float>(c.left + 50), static_cast<float>(c.top + 50));
  D3DEngine::Instance().SetTextureByName(npc->GetPortrait());
  portrait.Draw();
  acceptButton->SetRect(static_cast<float>(c.right - 170), static_cast<float>(c.bottom - 30),
                        static_cast<float>(c.right - 20), static_cast<float>(c.bottom - 10));
  rejectButton->SetRect(static_cast<float>(c.left + 20), static_cast<float>(c.bottom - 30),
                        static_cast<float>(c.left + 170), static_cast<float>(c.bottom - 10));
  GUI_Services::QueueText(portrait.right + 20.0f, static_cast<float>(c.top + 20), text,
                          "tahoma bold", 16, static_cast<int>(c.right - portrait.right - 40.0f), 0,
                          255, 255, 255);
  const std::pair<std::string, std::string> rows[] = {
      {Translate("JOB_TYPE"), GetJobRow()},
      {Translate("EMPLOYER"), GetEmployerRow()},
      {Translate("SALARY"), GetSalaryRow()},
  };
  float y = portrait.bottom + 10.0f;
  for (const auto& [label, value] : rows) {
    GUI_Services::QueueText(static_cast<float>(c.left + 20), y, label, "tahoma bold", 16, 0, 0,
                            255, 255, 255);
    GUI_Services::QueueText(static_cast<float>(c.left + 190), y, value, "tahoma bold", 16, 0, 0,
                            255, 255, 255);
    y += 20.0f;
  }
  GUI_Services::FlushText();
}
