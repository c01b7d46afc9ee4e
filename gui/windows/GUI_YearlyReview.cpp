// The yearly review.
#include "gui/windows/GUI_YearlyReview.h"

#include <cstdio>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"

namespace {

void OnContinue(void*) { GUI_YearlyReview::Instance()->Close(); }

}  // namespace

void GUI_YearlyReview::QueueHeading(const char* titleKey, const std::string& verdict,
                                    float earned, double elapsed) {
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const float s = w / 1024.0f;
  GUI_Services::QueueText(0, 200 * s, Translate(titleKey), "tahoma bold", 26, static_cast<int>(w),
                          1, 255, 255, 255);
  if (elapsed >= kVerdictMs)
    GUI_Services::QueueText(150, 240 * s, verdict, "tahoma bold", 16, static_cast<int>(w - 400), 0,
                            255, 255, 255);
  if (elapsed < kFiguresMs) return;
  char line[256];
  std::snprintf(line, sizeof line, "%s : %.2f", Translate("ENDGAME_TOVELEARNED"),
                static_cast<double>(earned));
  GUI_Services::QueueText(0, 300 * s, line, "tahoma bold", 20, static_cast<int>(w), 1, 255, 255,
                          255);
}

GUI_YearlyReview* GUI_YearlyReview::Instance() {
  // Never deleted: the window manager may hold it until the program ends.
  static GUI_YearlyReview* review = new GUI_YearlyReview();
  return review;
}

GUI_YearlyReview::GUI_YearlyReview() {
  visible = false;
  SetCloseOnNewGame(false);
}

void GUI_YearlyReview::Show() {
  SIM_Statistics& stats = SIM_Statistics::Instance();
  active_ = true;
  visible = true;
  ++timesShown_;
  stats.PausePlayTimer();
  if (!GUI_WindowManager::Instance().IsModal(this)) MakeModal();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, 0, w, h);
  ClearButtons();
  continue_ = new GUI_ButtonText(Translate("WORKDAY_CONTINUE"), OnContinue, nullptr);
  continue_->SetRect(w / 2 - 80, h - 60, w / 2 + 80, h - 38);
  // Not drawn, and so not clickable, until its time.
  continue_->SetVisible(false);
  AddButton(continue_);
  GUI_Services::MuteMusic();
  fanfareSlot_ = GUI_Services::PlaySoundInSlot(kFanfare, false);
  shares_ = YearShares(stats.GetInt(1), stats.GetInt(2), stats.GetInt(3));
  verdict_ = Translate(YearVerdictKey(shares_));
  socialisingLabel_ = Translate("YEAR_REVIEW_SOCIALISING");
  aloneLabel_ = Translate("YEAR_REVIEW_ALONE");
  classesLabel_ = Translate("YEAR_REVIEW_CLASSES");
  favourite_ = std::string(Translate("YEAR_REVIEW_FAVORITE")) + " : " +
               Translate(stats.GetFavouriteActivity().c_str());
  timer_.Start();
}

void GUI_YearlyReview::Dismiss() {
  if (!active_) return;
  GUI_Services::StopSlot(fanfareSlot_);
  fanfareSlot_ = -1;
  active_ = false;
  visible = false;
  GUI_WindowManager::Instance().RemoveModal(this);
  modal = false;
  ClearButtons();
  continue_ = nullptr;
}

void GUI_YearlyReview::Close() {
  if (!active_) return;
  Dismiss();
  GUI_Services::RestartMusic();
  SIM_Statistics::Instance().CloseYear();
}

void GUI_YearlyReview::Update() {
  if (!active_) return;
  GUI_WindowBase::Update();
}

bool GUI_YearlyReview::OnClick(float x, float y) {
  if (!active_) return false;
  return GUI_WindowBase::OnClick(x, y);
}

void GUI_YearlyReview::DrawShare(const std::string& label, float y, float share, float scale) {
  D3DEngine& engine = D3DEngine::Instance();
  GUI_Services::QueueText(170 * scale, y, label, "tahoma bold", 18, 0, 0, 255, 255, 255);
  const float left = 600 * scale, width = 300 * scale;
  const auto l = static_cast<int>(left), t = static_cast<int>(y);
  engine.FillRect(l, t, static_cast<int>(left + share * width), t + 17, kBarColour);
  engine.DrawRectOutline(l, t, static_cast<int>(left + width), t + 17, 0xFFFFFFFFu);
  char percent[32];
  std::snprintf(percent, sizeof percent, "%.0f%%", static_cast<double>(share * 100.0f));
  GUI_Services::QueueText(left, y, percent, "tahoma bold", 14, static_cast<int>(width), 1, 255,
                          255, 255);
}

void GUI_YearlyReview::Draw() {
  if (!active_) return;
  timer_.Update();
  GUI_Backdrop::Instance().Draw();
  GUI_Avatar::Instance().Draw();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  // The screen width over 1024, as the game's scale is.
  const float s = w / 1024.0f;
  // The room is bright by day: the page's texts and bars lie on one dark veil.
  DrawTextVeil(100 * s, 190 * s, w - 100 * s, 350 * s + 170);
  if (timer_.elapsed >= kButtonMs && continue_) {
    continue_->SetVisible(true);
    DrawButtons();
  }
  QueueHeading("YEAR_REVIEW_TITLE", verdict_, SIM_Statistics::Instance().GetYearEarned(),
               timer_.elapsed);
  if (timer_.elapsed >= kFiguresMs) {
    DrawShare(socialisingLabel_, 350 * s, shares_.socialising, s);
    DrawShare(aloneLabel_, 350 * s + 40, shares_.alone, s);
    DrawShare(classesLabel_, 350 * s + 80, shares_.classes, s);
    GUI_Services::QueueText(0, 350 * s + 132, favourite_, "tahoma bold", 20, static_cast<int>(w), 1,
                            255, 255, 255);
  }
  GUI_Services::FlushText();
}
