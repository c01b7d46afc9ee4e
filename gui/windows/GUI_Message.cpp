// Message box.
#include "gui/windows/GUI_Message.h"

#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Vesk.h"

namespace {
// The player's forename as messages address the player; "You" until the character has a
// name.
std::string PlayerForename() {
  const std::string& forename = SIM_Vesk::Instance()->GetForename();
  return forename.empty() ? "You" : forename;
}
}  // namespace

GUI_Message::GUI_Message(const std::string& message) : GUI_Dialog(true) {
  SetText(message);
  MakeModal();
  SetKeyAnswers(closeButton, closeButton);
}

GUI_Message::~GUI_Message() = default;

void GUI_Message::SetText(const std::string& message) {
  std::string work = message.substr(0, kMaxText);
  const std::string token = "<VESKSNAME>";
  const size_t at = work.find(token);
  if (at != std::string::npos) work.replace(at, token.size(), PlayerForename());
  text = work.substr(0, kMaxText);
  laidOut = false;
  SetSize(420, 220);
  CentreOnScreen();
  UpdateClientRect();
}

void GUI_Message::Draw() {
  if (!laidOut) {
    const int wrap = clientRect.right - clientRect.left - 20;
    const int h = GUI_Services::MeasureHeight("tahoma bold", 16, text, wrap);
    rect.bottom = rect.top + h + 90;
    height = rect.bottom - rect.top;
    UpdateClientRect();
    laidOut = true;
  }
  GUI_Dialog::Draw();
  GUI_Services::QueueText(static_cast<float>(clientRect.left + 10),
                          static_cast<float>(clientRect.top + 20), text, "tahoma bold", 16,
                          clientRect.right - clientRect.left - 20, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

void ShowMessage(std::string text, std::string title) {
  auto* box = new GUI_Message(text);
  box->SetTitle(title);
}
