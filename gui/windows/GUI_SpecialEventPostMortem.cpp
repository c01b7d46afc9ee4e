// The special event's result.
#include "gui/windows/GUI_SpecialEventPostMortem.h"

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_SpecialEvent.h"

GUI_SpecialEventPostMortem* GUI_SpecialEventPostMortem::instance = nullptr;

namespace {

void OnContinue(void*) { GUI_SpecialEventPostMortem::Close(); }

}  // namespace

void GUI_SpecialEventPostMortem::Open(SIM_SpecialEvent* event) {
  Close();
  if (event) new GUI_SpecialEventPostMortem(event);
}

void GUI_SpecialEventPostMortem::Close() { delete instance; }

void GUI_SpecialEventPostMortem::DrawOpen() {
  if (instance) instance->Draw();
}

GUI_SpecialEventPostMortem::GUI_SpecialEventPostMortem(SIM_SpecialEvent* event)
    : GUI_Dialog(false), event_(event) {
  instance = this;
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, 0, w, h);
  GUI_WindowBase::Open();
  MakeModal();
  continue_ = new GUI_ButtonText(Translate("WORKDAY_CONTINUE"), OnContinue, nullptr);
  continue_->SetRect(w - 170, h - 30, w - 10, h - 8);
  AddButton(continue_);
}

GUI_SpecialEventPostMortem::~GUI_SpecialEventPostMortem() {
  if (instance == this) instance = nullptr;
  GUI_WindowManager::Instance().RemoveModal(this);
}

void GUI_SpecialEventPostMortem::Draw() {
  if (!visible) return;
  GUI_Backdrop::Instance().Draw();
  GUI_Avatar::Instance().Draw();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  // The room is bright by day: the name and the text lie on a dark veil.
  const std::string result = Translate(event_->GetResultKey().c_str());
  const float textBottom =
      200.0f + static_cast<float>(GUI_Services::MeasureHeight("tahoma bold", 16, result, 600));
  DrawTextVeil(90, 118, 710, textBottom + 10);
  DrawButtons();
  GUI_Services::QueueText(0, 128, Translate(event_->GetGuiName().c_str()), "tahoma bold", 24,
                          static_cast<int>(w), 1, 255, 255, 255);
  GUI_Services::QueueText(100, 200, result, "tahoma bold", 16, 600, 0, 255, 255, 255);
  GUI_Services::FlushText();
}
