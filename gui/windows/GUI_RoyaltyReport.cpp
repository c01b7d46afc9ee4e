// The royalty report window.
#include "gui/windows/GUI_RoyaltyReport.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_RoyaltyStream.h"

GUI_RoyaltyReport* GUI_RoyaltyReport::instance = nullptr;

namespace {

// Pounds and pence after the pound sign (a Windows-1252 byte, converted when drawn).
std::string Pounds(float amount) {
  std::string text(1, '\xA3');
  text += FormatFixed(amount, 2);
  return text;
}

}  // namespace

void GUI_RoyaltyReport::Open(SIM_RoyaltyStream* stream) {
  Close();
  new GUI_RoyaltyReport(stream);
}

void GUI_RoyaltyReport::Close() {
  delete instance;
  instance = nullptr;
}

GUI_RoyaltyReport::GUI_RoyaltyReport(SIM_RoyaltyStream* stream) : GUI_Dialog(true), stream_(stream) {
  ReportAssertion(stream != nullptr, "GUI_RoyaltyReport", __LINE__);
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(Translate("ROYALTY_REPORT_TITLE"));
  // A statement only informs: Return and Escape both close it, as its close button does.
  SetKeyAnswers(closeButton, closeButton);
  GUI_Services::PlaySound("data/sounds/cash.ogg");
}

GUI_RoyaltyReport::~GUI_RoyaltyReport() {
  if (instance == this) instance = nullptr;
}

void GUI_RoyaltyReport::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const float x = static_cast<float>(clientRect.left) + 20;
  float y = static_cast<float>(clientRect.top) + 20;
  const std::string title = stream_ ? stream_->GetTitle() : std::string();
  const float last = stream_ ? stream_->GetLastCheque() : 0.0f;
  const float total = stream_ ? stream_->GetTotal() : 0.0f;
  const std::pair<const char*, std::string> lines[] = {
      {"ROYALTY_REPORT_TEXT1", title},
      {"ROYALTY_REPORT_TEXT2", Pounds(last)},
      {"ROYALTY_REPORT_TEXT3", Pounds(total)}};
  for (const auto& [label, value] : lines) {
    GUI_Services::QueueText(x, y, Translate(label), "tahoma bold", 18, 0, 0, 255, 255, 255);
    GUI_Services::QueueText(x + 140, y, value, "tahoma bold", 18, 0, 0, 255, 255, 255);
    y += 20;
  }
  GUI_Services::FlushText();
}
