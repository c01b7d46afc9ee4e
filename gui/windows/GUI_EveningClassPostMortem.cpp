// The evening class result window.
#include "gui/windows/GUI_EveningClassPostMortem.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_ValueBar.h"
#include "sim/HOOK_EveningClassType.h"

GUI_EveningClassPostMortem* GUI_EveningClassPostMortem::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";

void OnOk(void* window) { delete static_cast<GUI_EveningClassPostMortem*>(window); }

}  // namespace

void GUI_EveningClassPostMortem::Open(HOOK_EveningClassType* type, float concentration) {
  ReportAssertion(type != nullptr, "GUI_EveningClassPostMortem", 18);
  if (!type) return;
  Close();
  new GUI_EveningClassPostMortem(type, concentration);
}

void GUI_EveningClassPostMortem::Close() { delete instance; }

GUI_EveningClassPostMortem::GUI_EveningClassPostMortem(HOOK_EveningClassType* type,
                                                       float concentration)
    : GUI_Dialog(true), concentration_(concentration) {
  instance = this;
  SetSize(kWidth, kHeight);
  // What the window shows is fixed when it opens: the class may complete and the types may be
  // read again while it stays open.
  displayText_ = type->GetDisplayText();
  progress_ = type->GetProgress();
  SetTitle(displayText_);
  CentreOnScreen();
  concentrationLabel_ = Translate("CONCENTRATION");
  low_ = Translate("LOW");
  high_ = Translate("HIGH");
  UpdateClientRect();
  const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
  const auto cb = static_cast<float>(clientRect.bottom);
  ok_ = new GUI_ButtonText(Translate("OK"), OnOk, this);
  ok_->SetTooltipKey("COURSE_OK_TOOLTIP", 60);
  ok_->SetRect(cx - 80, cb - 30, cx + 80, cb - 10);
  AddButton(ok_);
  SetKeyAnswers(ok_, closeButton);
  if (progress_ >= 1.0f) {
    mode_ = kCompleted;
    result_ = Translate("class_course_finished");
    GUI_Services::PlaySound("data/sounds/applause.ogg");
  } else {
    mode_ = kInProgress;
    result_ = Translate(concentration < 0.3f   ? "class_concentration_low"
                        : concentration < 0.6f ? "class_concentration_med"
                                               : "class_concentration_high");
  }
  diploma_.SetTexture("diploma.bmp");
  diploma_.width = 382;
  diploma_.height = 125;
  GUI_WindowBase::Open();
}

GUI_EveningClassPostMortem::~GUI_EveningClassPostMortem() {
  if (instance == this) instance = nullptr;
}

std::string GUI_EveningClassPostMortem::ProgressText() const {
  return displayText_ + " (" + FormatFixed(progress_ * 100.0f, 2) + "%)";
}

void GUI_EveningClassPostMortem::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cb = static_cast<float>(clientRect.bottom);
  const int cw = clientRect.right - clientRect.left;
  const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
  GUI_Services::QueueText(cl + 20, ct + 20, result_, kFont, 16, cw - 40, 0, 255, 255, 255);
  if (mode_ == kCompleted) {
    diploma_.SetColourARGB(0xFFFFFFFFu);
    diploma_.SetPosition(cx, cb - 100);
    diploma_.Draw();
  } else {
    GUI_Services::QueueText(cx - 150, ct + 102, ProgressText(), kFont, 16, 300, 1, 255, 255, 255);
    DrawValueBar(cx - 90, ct + 120, progress_, 180, 1.0f, false);
    GUI_Services::QueueText(cx - 100, ct + 150, concentrationLabel_, kFont, 14, 200, 1, 255, 255,
                            255);
    DrawValueBar(cx - 90, ct + 168, concentration_, 180, 1.0f, concentration_ < 0.2f);
    GUI_Services::QueueText(cx - 140, ct + 164, low_, kFont, 14, 40, 2, 255, 255, 255);
    GUI_Services::QueueText(cx + 100, ct + 164, high_, kFont, 14, 0, 0, 255, 255, 255);
  }
  GUI_Services::FlushText();
}
