// The movie chooser.
#include "gui/windows/GUI_MovieChooser.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CheckButton.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "sim/SIM_Movie.h"

GUI_MovieChooser* GUI_MovieChooser::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
// Texts stay this far from the arrow and the popcorn box beside them.
constexpr float kArrowGap = 6;
// The guide's line, below the client top; the review follows it.
constexpr float kGuideTop = 100;
// A long text is set smaller down to this size to keep to its box.
constexpr int kSmallestText = 12;

void OnNext(void*) {
  if (GUI_MovieChooser* w = GUI_MovieChooser::Instance()) w->Next();
}
void OnPrevious(void*) {
  if (GUI_MovieChooser* w = GUI_MovieChooser::Instance()) w->Previous();
}
void OnWatch(void*) {
  if (GUI_MovieChooser* w = GUI_MovieChooser::Instance()) w->Watch();
}
void OnPopcorn(void*) {
  if (GUI_MovieChooser* w = GUI_MovieChooser::Instance()) w->TogglePopcorn();
}

}  // namespace

void GUI_MovieChooser::Open(SIM_MovieInstance* evening) {
  Close();
  if (!evening) {
    ReportAssertion(false, "GUI_Movie", __LINE__);
    return;
  }
  new GUI_MovieChooser(evening);
}

void GUI_MovieChooser::Close() { delete instance; }

GUI_MovieChooser::GUI_MovieChooser(SIM_MovieInstance* evening)
    : GUI_Dialog(true), evening_(evening), guideText_(Translate("MOVIE_GUIDESAYS")) {
  instance = this;
  SetTitle(Translate("MOVIE_CHOOSE_TITLE"));
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  const auto l = static_cast<float>(rect.left), r = static_cast<float>(rect.right);
  const float mid = static_cast<float>(rect.top + rect.bottom) / 2;
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  next_ = new GUI_IconButton("right.dds", OnNext, nullptr);
  next_->SetHighlightTexture("right_h.dds");
  next_->SetRect(r - 39, mid - 30, r - 5, mid + 30);
  AddButton(next_);
  previous_ = new GUI_IconButton("left.dds", OnPrevious, nullptr);
  previous_->SetHighlightTexture("left_h.dds");
  previous_->SetRect(l + 5, mid - 30, l + 39, mid + 30);
  AddButton(previous_);
  watch_ = new GUI_ButtonText(Translate("WATCH_MOVIE"), OnWatch, nullptr);
  watch_->SetTooltipKey("WATCH_MOVIE_TOOLTIP", 60);
  watch_->SetRect(cl + 170, cb - 30, cr - 50, cb - 10);
  AddButton(watch_);
  popcorn_ = new GUI_CheckButton(Translate("MOVIE_POPCORN"), OnPopcorn, nullptr);
  popcorn_->SetTooltipKey("MOVIE_POPCORN_TOOLTIP", 60);
  popcorn_->SetRect(cl + 170, cb - 75, cr - 50, cb - 60);
  AddButton(popcorn_);
  popcornPicture_.width = 100;
  popcornPicture_.height = 200;
  popcornPicture_.SetTextureString("popcorn.dds");
  ShowHint("moviechoose_dialog");
  MakeModal();
  UpdateButtons();
}

GUI_MovieChooser::~GUI_MovieChooser() {
  if (instance == this) instance = nullptr;
}

SIM_Movie* GUI_MovieChooser::Current() const {
  return SIM_Movie::Showing()[static_cast<size_t>(index_)];
}

uint32_t GUI_MovieChooser::PopcornColour() const {
  return evening_->GetPopcorn() ? kPopcornOn : kPopcornOff;
}

void GUI_MovieChooser::UpdateButtons() {
  previous_->SetEnabled(index_ > 0);
  next_->SetEnabled(index_ < SIM_Movie::kShowing - 1);
  const SIM_Movie* film = Current();
  watch_->SetEnabled(film && !film->IsSeen());
  watch_->SetDisabledReason(film && film->IsSeen() ? Translate("WHY_FILM_SEEN") : std::string());
  popcorn_->SetChecked(evening_->GetPopcorn());
}

void GUI_MovieChooser::Next() {
  if (index_ < SIM_Movie::kShowing - 1) ++index_;
  UpdateButtons();
}

void GUI_MovieChooser::Previous() {
  if (index_ > 0) --index_;
  UpdateButtons();
}

void GUI_MovieChooser::TogglePopcorn() {
  evening_->SetPopcorn(!evening_->GetPopcorn());
  UpdateButtons();
}

void GUI_MovieChooser::Watch() {
  SIM_Movie* film = Current();
  ReportAssertion(film != nullptr, "GUI_Movie", __LINE__);
  if (!film || film->IsSeen()) return;
  SIM_MovieInstance* evening = evening_;
  evening->SetFilm(film);
  delete this;  // freed after the click; the report the evening opens is on top
  evening->Complete();
}

void GUI_MovieChooser::Draw() {
  if (!visible) return;
  UpdateButtons();
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cb = static_cast<float>(clientRect.bottom);
  const int width = clientRect.right - clientRect.left;
  // The film guide's words keep clear of the next arrow and end above the popcorn box.
  const float right = static_cast<float>(next_->GetRect().left) - kArrowGap;
  const float bottom = static_cast<float>(popcorn_->GetRect().top) - kArrowGap;
  if (const SIM_Movie* film = Current()) {
    const std::string title = FitTextToWidth(kFont, 22, film->GetTitle(), width - 20);
    const int titleWidth = GUI_Services::MeasureWidth(kFont, 22, title);
    GUI_Services::QueueText(cl + static_cast<float>(width - titleWidth) / 2, ct + 10, title, kFont,
                            22, 0, 0, 255, 255, 255);
    // The description ends above the guide's line; a long one is set smaller.
    const int textWidth = width - 40;
    const int size = FitSizeToBox(kFont, 16, kSmallestText, film->GetText(), textWidth,
                                  static_cast<int>(kGuideTop - 40 - kArrowGap));
    GUI_Services::QueueText(cl + 20, ct + 40, FitWordsToWidth(kFont, size, film->GetText(), textWidth),
                            kFont, size, textWidth, 0, 255, 255, 255);
  }
  popcornPicture_.SetColourARGB(PopcornColour());
  popcornPicture_.SetPosition(static_cast<float>(rect.left + 90), cb - 125);
  popcornPicture_.Draw();
  if (const SIM_Movie* film = Current()) {
    const float p = static_cast<float>(rect.left + 90) + popcornPicture_.width / 2;
    const int guideWidth = static_cast<int>(right - (p + 20));
    const std::string guide = FitWordsToWidth(kFont, 16, guideText_, guideWidth);
    GUI_Services::QueueText(p + 20, ct + kGuideTop, guide, kFont, 16, guideWidth, 0, 255, 255, 255);
    const float reviewTop = std::max(
        ct + kGuideTop + 20,
        ct + kGuideTop + static_cast<float>(GUI_Services::MeasureHeight(kFont, 16, guide, guideWidth)));
    const int reviewWidth = static_cast<int>(right - (p + 40));
    const std::string& review = film->GetReview();
    const int size = FitSizeToBox(kFont, 16, kSmallestText, review, reviewWidth,
                                  static_cast<int>(bottom - reviewTop));
    GUI_Services::QueueText(p + 40, reviewTop, FitWordsToWidth(kFont, size, review, reviewWidth),
                            kFont, size, reviewWidth, 0, 255, 255, 255);
  }
  GUI_Services::FlushText();
}
