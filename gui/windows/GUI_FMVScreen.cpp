// The full-screen interlude.
#include "gui/windows/GUI_FMVScreen.h"

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_WorkDay.h"

namespace {

void OnContinue(void*) { GUI_FMVScreen::Close(); }

}  // namespace

GUI_FMVScreen* GUI_FMVScreen::Instance() {
  // Never deleted: the window manager may hold it until the program ends.
  static GUI_FMVScreen* instance = new GUI_FMVScreen();
  return instance;
}

GUI_FMVScreen::GUI_FMVScreen() {
  visible = false;
  SetCloseOnNewGame(false);
}

bool GUI_FMVScreen::IsActive() { return Instance()->active_; }

void GUI_FMVScreen::SetActive(bool active) {
  GUI_FMVScreen* screen = Instance();
  screen->active_ = active;
  screen->visible = active;
}

int GUI_FMVScreen::GreyAt(double elapsedMs) {
  if (elapsedMs < 0.0) return 0;
  if (elapsedMs >= kFadeMs) return 255;
  return static_cast<int>(elapsedMs / kFadeMs * 255.0);
}

void GUI_FMVScreen::Show(const std::string& key) {
  GUI_FMVScreen* screen = Instance();
  SetActive(true);
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  screen->SetRect(0, 0, w, h);
  screen->ClearButtons();
  screen->continue_ = new GUI_ButtonText(Translate("WORKDAY_CONTINUE"), OnContinue, nullptr);
  const float centre = w / 2.0f;
  screen->continue_->SetRect(centre - 80, h - 30, centre + 80, h - 8);
  screen->AddButton(screen->continue_);
  // Listed once, however many interludes the day brings, so one Close always frees the
  // screen's clicks.
  if (!GUI_WindowManager::Instance().IsModal(screen)) screen->MakeModal();
  screen->text_ = Translate(key.c_str());
  screen->timer_.Start();
  screen->continue_->SetVisible(false);
  screen->continue_->SetEnabled(false);
  GUI_WorkDay::Instance()->SetVisible(false);
}

void GUI_FMVScreen::Close() {
  GUI_FMVScreen* screen = Instance();
  SetActive(false);
  GUI_WindowManager::Instance().RemoveModal(screen);
  screen->modal = false;
  GUI_WorkDay::Instance()->SetVisible(true);
}

void GUI_FMVScreen::Draw() {
  if (!active_) return;
  timer_.Update();
  if (timer_.elapsed >= kButtonMs && continue_) {
    continue_->SetVisible(true);
    continue_->SetEnabled(true);
  }
  const int grey = GreyAt(timer_.elapsed);
  D3DEngine& engine = D3DEngine::Instance();
  engine.FillScreenBlack();
  const int width = engine.GetWidth();
  const float middle = static_cast<float>(rect.top + rect.bottom) / 2.0f;
  GUI_Services::QueueText(200, middle - 60, text_, "tahoma bold", 32, width - 400, 0, grey, grey,
                          grey);
  GUI_Services::FlushText();
  GUI_WindowBase::Draw();
}
