// The promotion note.
#include "gui/windows/GUI_Promotion.h"

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_Vesk.h"

GUI_Promotion* GUI_Promotion::instance = nullptr;

void GUI_Promotion::Open() {
  Close();
  new GUI_Promotion();
}

void GUI_Promotion::Close() { delete instance; }

std::string GUI_Promotion::Text() {
  std::string text = Translate("PROMOTION_TEXT");
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  const float salary = held ? held->GetSalary() : 0.0f;
  ReplaceSubstring(text, "<SALARY>", FormatThousands(ClampToInt(salary)));
  return text;
}

GUI_Promotion::GUI_Promotion() : GUI_Dialog(true) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  SetTitle(Translate("PROMOTION_TITLE"));
}

GUI_Promotion::~GUI_Promotion() {
  if (instance == this) instance = nullptr;
}

void GUI_Promotion::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  GUI_Services::QueueText(static_cast<float>(clientRect.left + 10),
                          static_cast<float>(clientRect.top + 10), Text(), "tahoma", 16,
                          clientRect.right - clientRect.left - 20, 0, 255, 255, 255);
  GUI_Services::FlushText();
}
