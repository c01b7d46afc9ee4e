// The crossword.
#include "gui/windows/GUI_Crossword.h"

#include <algorithm>
#include <cctype>
#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"

GUI_Crossword* GUI_Crossword::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kBox = 25;

char Upper(char c) { return static_cast<char>(std::toupper(static_cast<unsigned char>(c))); }

}  // namespace

void GUI_Crossword::Open(bool easy) {
  delete instance;
  new GUI_Crossword(easy);
}

void GUI_Crossword::Close() { delete instance; }

GUI_Crossword::GUI_Crossword(bool easy) : GUI_Dialog(true), easy_(easy) {
  // The instance and its kind are set before the word is picked, so a cryptic crossword that
  // finds the pool empty loads the hard list.
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  MakeModal();
  GUI_GUI::Instance().SetKeyCapture(this);
  SetTitle(Translate("CROSSWORD_TITLE"));
  PickWord();
  stopwatchSlot_ = GUI_Services::PlaySoundInSlot(kStopwatchSound, true);
  ticking_ = true;
  clock_.Start();
  GUI_Services::MuteMusic();
}

GUI_Crossword::~GUI_Crossword() {
  StopStopwatch();
  GUI_GUI::Instance().ReleaseKeyCapture(this);
  if (instance == this) instance = nullptr;
}

void GUI_Crossword::PickWord() {
  hasWord_ = PickCrosswordWord(easy_, word_);
  revealed_.assign(hasWord_ ? word_.answer.size() : 0, false);
  if (!hasWord_) return;
  // Two letters given; both draws may land on the same one.
  const int length = static_cast<int>(word_.answer.size());
  for (int i = 0; i < 2; ++i) revealed_[static_cast<size_t>(LookRandomBelow(length))] = true;
}

void GUI_Crossword::StopStopwatch() {
  if (!ticking_) return;
  ticking_ = false;
  if (stopwatchSlot_ >= 0 && GUI_Services::IsSoundPlaying(kStopwatchSound))
    GUI_Services::StopSlot(stopwatchSlot_);
  stopwatchSlot_ = -1;
  GUI_Services::RestartMusic();
}

int GUI_Crossword::SecondsLeft() const {
  const double left = (kTimeMs - clock_.elapsed) / 1000.0;
  return left > 0 ? static_cast<int>(std::trunc(left)) : 0;
}

void GUI_Crossword::CheckTime() {
  clock_.Update();
  if (state_ == kPlaying && clock_.elapsed >= kTimeMs) {
    StopStopwatch();
    state_ = kTimedOut;
  }
}

void GUI_Crossword::OnKeyDown(int key) {
  CheckTime();
  if (!hasWord_ || state_ != kPlaying || key == kKeyEscape) return;
  if (key == kKeyBackspace) {
    if (!typed_.empty()) typed_.pop_back();
  } else {
    // The boxes hold the answer's letters, never more than the longest answer there is.
    const size_t room = std::min(kMaxCrosswordAnswer, word_.answer.size());
    const char c = ScanCodeToChar(key);
    if (std::isalnum(static_cast<unsigned char>(c)) && typed_.size() < room) typed_ += c;
  }
  CheckAnswer();
}

void GUI_Crossword::CheckAnswer() {
  if (state_ != kPlaying || !CrosswordSolved(word_.answer, typed_, revealed_)) return;
  state_ = kSolved;
  SIM_Statistics::Instance().AddInt(1, kSolvedStatistic);
  if (SIM_SoloActivityType* type =
          SIM_SoloActivityType::TryFind(easy_ ? "crossword" : "crypticcrossword"))
    type->ApplyModifiers(1.0f);
  StopStopwatch();
}

void GUI_Crossword::Draw() {
  GUI_Dialog::Draw();
  CheckTime();
  if (!hasWord_) {
    GUI_Services::FlushText();
    return;
  }
  D3DEngine& engine = D3DEngine::Instance();
  const int count = static_cast<int>(word_.answer.size());
  const int middle = (rect.left + rect.right) / 2;
  const int rowLeft = middle - count * kBox / 2;
  const int top = clientRect.top + 112;
  const auto cl = static_cast<float>(clientRect.left);
  const int clientWidth = clientRect.right - clientRect.left;
  for (int i = 0; i < count; ++i) {
    const auto index = static_cast<size_t>(i);
    const int left = rowLeft + i * kBox;
    const bool given = revealed_[index];
    engine.FillRect(left, top, left + kBox, top + kBox,
                    given && state_ == kPlaying ? 0xFFDCDCDCu : 0xFFF5F5F5u);
    engine.DrawRectOutline(left, top, left + kBox, top + kBox, 0xFF080808u);
    if (state_ == kPlaying && i == static_cast<int>(typed_.size())) {
      engine.FillRect(left + 4, top + 2, left + kBox - 4, top + 5, 0xFF0C0C0Cu);
      engine.FillRect(left + 4, top + kBox - 5, left + kBox - 4, top + kBox - 2, 0xFF0C0C0Cu);
    }
    if (state_ != kPlaying || given) {
      GUI_Services::QueueText(static_cast<float>(left + 4), static_cast<float>(top),
                              std::string(1, Upper(word_.answer[index])), kFont, 23, 0, 0, 0, 0, 0);
    } else if (index < typed_.size()) {
      GUI_Services::QueueText(static_cast<float>(left + 4), static_cast<float>(top),
                              std::string(1, Upper(typed_[index])), kFont, 23, 0, 0, 224, 16, 16);
    }
  }
  if (state_ != kSolved)
    GUI_Services::QueueText(cl, static_cast<float>(clientRect.top + 25),
                            std::to_string(SecondsLeft()) + " " + Translate("CROSSWORD_TIMER"),
                            kFont, 23, clientWidth, 1, 255, 255, 255);
  GUI_Services::QueueText(cl + 20, static_cast<float>(clientRect.top + 60), word_.text, kFont, 16,
                          clientWidth - 40, 0, 255, 255, 255);
  if (state_ == kPlaying) {
    GUI_Services::QueueText(cl + 20, static_cast<float>(clientRect.top + 200),
                            Translate("CROSSWORD_HELP"), kFont, 20, clientWidth - 40, 0, 255, 255,
                            255);
  } else {
    const bool solved = state_ == kSolved;
    GUI_Services::QueueText(cl, static_cast<float>(clientRect.top + 170),
                            Translate(solved ? "CROSSWORD_CORRECT" : "CROSSWORD_TIMEOUT"), kFont,
                            28, clientWidth, 1, 255, 255, 255);
    GUI_Services::QueueText(cl, static_cast<float>(clientRect.top + 200),
                            Translate(solved ? "CROSSWORD_CORRECT_TEXT" : "CROSSWORD_TIMEOUT_TEXT"),
                            kFont, 20, clientWidth, 1, 255, 255, 255);
  }
  GUI_Services::FlushText();
}
