// Confirmation dialog.
#include "gui/windows/GUI_ConfirmDialog.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"

GUI_ConfirmDialog* GUI_ConfirmDialog::instance = nullptr;

namespace {
constexpr const char* kFont = "tahoma bold";
constexpr int kFontSize = 16;
constexpr int kMinWidth = 360, kMinHeight = 140, kWiden = 100;

// The text is wrapped 20 px inside each side of the client area (itself 10 px inside the
// frame); the window is its title band, the text, a gap and the buttons' row under it.
int WrapWidth(int windowWidth) { return windowWidth - 2 * 10 - 40; }
int HeightFor(const std::string& text, int windowWidth) {
  const int textHeight =
      GUI_Services::MeasureHeight(kFont, kFontSize, text, WrapWidth(windowWidth));
  return std::max(kMinHeight, 35 + 10 + textHeight + 10 + 30 + 10);
}
}  // namespace

GUI_ConfirmDialog::GUI_ConfirmDialog(const std::string& title, const std::string& message,
                                     GUI_ButtonCallback cb)
    : GUI_Dialog(true), text(message), callback(cb) {
  instance = this;
  SetTitle(title);
  // Sized to its wrapped text, so the text ends above the buttons; a text too long for the
  // screen at the usual width takes a wider box rather than running off the screen.
  const D3DEngine& engine = D3DEngine::Instance();
  int w = kMinWidth, h = HeightFor(text, w);
  while (h > engine.GetHeight() && w + kWiden <= engine.GetWidth()) {
    w += kWiden;
    h = HeightFor(text, w);
  }
  SetSize(static_cast<float>(w), static_cast<float>(h));
  CentreOnScreen();
  ClampToScreen();
  UpdateClientRect();
  MakeModal();
  ReportAssertion(cb != nullptr, "GUI_ConfirmDialog", 22);
  const auto& c = clientRect;
  okButton = new GUI_ButtonText(Translate("CONFIRM_OK"), OnOk, nullptr);
  okButton->SetRect(static_cast<float>(c.right - 160), static_cast<float>(c.bottom - 30),
                    static_cast<float>(c.right - 15), static_cast<float>(c.bottom - 9));
  AddButton(okButton);
  cancelButton = new GUI_ButtonText(Translate("CONFIRM_CANCEL"), Close, nullptr);
  cancelButton->SetRect(static_cast<float>(c.left + 15), static_cast<float>(c.bottom - 30),
                        static_cast<float>(c.left + 160), static_cast<float>(c.bottom - 9));
  AddButton(cancelButton);
  SetKeyAnswers(okButton, cancelButton);
}

GUI_ConfirmDialog::~GUI_ConfirmDialog() {
  if (instance == this) instance = nullptr;
}

void GUI_ConfirmDialog::OnOk(void* /*unused*/) {
  GUI_ConfirmDialog* self = instance;
  if (!self) return;
  // The callback may open another confirmation, which deletes this one first: copy what is
  // needed, and afterwards close only the dialog that is still this one.
  const GUI_ButtonCallback cb = self->callback;
  if (cb) cb(nullptr);
  if (instance == self) delete self;
}

void GUI_ConfirmDialog::Close(void* /*unused*/) {
  delete instance;  // the destructor clears the pointer
}

void GUI_ConfirmDialog::Draw() {
  GUI_Dialog::Draw();
  GUI_Services::QueueText(static_cast<float>(clientRect.left + 20),
                          static_cast<float>(clientRect.top + 10), text, "tahoma bold", 16,
                          WrapWidth(width), 0, 255, 255, 255);
  GUI_Services::FlushText();
}

void ShowConfirm(std::string title, std::string text, GUI_ButtonCallback callback) {
  GUI_ConfirmDialog::Close();
  new GUI_ConfirmDialog(title, text, callback);
}
