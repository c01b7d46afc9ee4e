// The match-3 video game.
#include "gui/windows/GUI_Match3Game.h"

#include <algorithm>
#include <cstdlib>
#include <string>

#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_SoloActivityType.h"

GUI_Match3Game* GUI_Match3Game::instance = nullptr;

namespace {

constexpr const char* kFont = "tahoma bold";
// Gems move 6 px for each 12 ms of the in-game screen's frame step.
constexpr float kGemSpeed = 6.0f;
constexpr float kGemScale = 0.8f;
// The cursor is this cell of the gem sheet.
constexpr int kCursorCell = 6;

void OnStart(void*) {
  if (GUI_Match3Game* game = GUI_Match3Game::Instance()) game->Start();
}

void OnFinish(void*) { GUI_Match3Game::Close(); }

void Show(GUI_ButtonBase* button, bool on) {
  button->SetVisible(on);
  button->SetEnabled(on);
}

float Toward(float now, float target, float step) {
  if (now < target) return std::min(now + step, target);
  if (now > target) return std::max(now - step, target);
  return now;
}

}  // namespace

// --- Gems ---

M3_Gem::M3_Gem(int kind) {
  sprite_.SetTexture(kSheet);
  sprite_.width = sprite_.height = GUI_Match3Game::kCell * kGemScale;
  sprite_.SetColourARGB(0xFFFFFFFFu);
  SetKind(kind);
}

void M3_Gem::SetKind(int kind) {
  kind_ = ((kind % kKinds) + kKinds) % kKinds;
  sprite_.SetGridFrame(kSheetCells, kind_);
}

void M3_Gem::Place() { sprite_.SetPosition(x_, y_); }

bool M3_Gem::Move(float step) {
  const float oldX = x_, oldY = y_;
  x_ = Toward(x_, targetX_, step);
  y_ = Toward(y_, targetY_, step);
  Place();
  return x_ != oldX || y_ != oldY;
}

void M3_Gem::Draw(float boardTop) {
  if (y_ < boardTop) return;
  Place();
  sprite_.Draw();
}

// --- The game window ---

void GUI_Match3Game::Open() {
  delete instance;
  new GUI_Match3Game();
}

void GUI_Match3Game::Close() { delete instance; }

GUI_Match3Game::GUI_Match3Game() : GUI_Dialog(false) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  SetTitle("");
  MakeModal();
  UpdateClientRect();
  board_ = {clientRect.left + 34, clientRect.top + 10, clientRect.right - 10,
            clientRect.bottom - 10};
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  finish_ = new GUI_ButtonText(Translate("MATCH3GAME_FINISH"), OnFinish, nullptr);
  finish_->SetRect(cl + 20, cb - 32, cr - 20, cb - 10);
  AddButton(finish_);
  Show(finish_, false);
  start_ = new GUI_ButtonText(Translate("MATCH3GAME_START"), OnStart, nullptr);
  start_->SetRect(cl + 20, cb - 32, cr - 20, cb - 10);
  AddButton(start_);
  cursor_.SetTexture(M3_Gem::kSheet);
  cursor_.width = cursor_.height = kCell;
  cursor_.SetColourARGB(0xFFFFFFFFu);
  cursor_.SetGridFrame(M3_Gem::kSheetCells, kCursorCell);
  background_.SetTexture(kBackground);
  background_.width = 316;
  background_.height = 300;
  background_.SetColourARGB(0xFFFFFFFFu);
  NewBoard();
  // The gems cycle their kinds while the instructions show; the round's clock waits for Start.
  cycle_.Start();
}

GUI_Match3Game::~GUI_Match3Game() {
  DeleteGems();
  if (instance == this) instance = nullptr;
}

bool GUI_Match3Game::IsSettled() const {
  if (animating_ || checkPending_) return false;
  return std::all_of(cells_.begin(), cells_.end(),
                     [](const M3_Gem* gem) { return gem && gem->AtTarget(); });
}

float GUI_Match3Game::CellX(int column) const {
  return static_cast<float>(board_.left) + kCell * static_cast<float>(column) + kCell / 2;
}

float GUI_Match3Game::CellY(int row) const {
  return static_cast<float>(board_.top) + kCell * static_cast<float>(row) + kCell / 2;
}

int GUI_Match3Game::NewKind() {
  if (!planned_.empty()) {
    const int kind = planned_.front();
    planned_.pop_front();
    return kind;
  }
  return LookRandomBelow(M3_Gem::kKinds);
}

void GUI_Match3Game::DeleteGems() {
  for (M3_Gem*& gem : cells_) {
    delete gem;
    gem = nullptr;
  }
}

M3_Gem* GUI_Match3Game::NewFallingGem(int row, int column) {
  auto* gem = new M3_Gem(NewKind());
  gem->targetX_ = CellX(column);
  gem->targetY_ = CellY(row);
  gem->x_ = gem->targetX_;
  gem->y_ = static_cast<float>(board_.top) + kCell / 2 - static_cast<float>(LookRandomBelow(100));
  return gem;
}

void GUI_Match3Game::NewBoard() {
  DeleteGems();
  for (int r = 0; r < kSize; ++r)
    for (int c = 0; c < kSize; ++c) cells_[Index(r, c)] = NewFallingGem(r, c);
  // No board starts with a line: the middle of each line found takes another kind until
  // none is left.
  int row = 0, column = 0;
  bool horizontal = false;
  while (FindLine(row, column, horizontal)) {
    M3_Gem* middle = cells_[Index(row, column)];
    middle->SetKind(middle->GetKind() + 1 + LookRandomBelow(M3_Gem::kKinds - 1));
  }
  ClearSelection();
  animating_ = checkPending_ = false;
}

void GUI_Match3Game::SetBoardForTesting(const std::array<int, kSize * kSize>& kinds) {
  DeleteGems();
  for (int r = 0; r < kSize; ++r) {
    for (int c = 0; c < kSize; ++c) {
      auto* gem = new M3_Gem(kinds[static_cast<size_t>(Index(r, c))]);
      gem->x_ = gem->targetX_ = CellX(c);
      gem->y_ = gem->targetY_ = CellY(r);
      gem->Move(0);
      cells_[Index(r, c)] = gem;
    }
  }
  ClearSelection();
  animating_ = checkPending_ = false;
}

bool GUI_Match3Game::FindLine(int& row, int& column, bool& horizontal) const {
  auto same = [this](int a, int b, int c) {
    return cells_[a] && cells_[b] && cells_[c] && cells_[a]->GetKind() == cells_[b]->GetKind() &&
           cells_[b]->GetKind() == cells_[c]->GetKind();
  };
  for (int r = 0; r < kSize; ++r) {
    for (int c = 1; c < kSize - 1; ++c) {
      if (same(Index(r, c - 1), Index(r, c), Index(r, c + 1))) {
        row = r, column = c, horizontal = true;
        return true;
      }
    }
  }
  for (int c = 0; c < kSize; ++c) {
    for (int r = 1; r < kSize - 1; ++r) {
      if (same(Index(r - 1, c), Index(r, c), Index(r + 1, c))) {
        row = r, column = c, horizontal = false;
        return true;
      }
    }
  }
  return false;
}

void GUI_Match3Game::RemoveLines() {
  int row = 0, column = 0;
  bool horizontal = false;
  while (FindLine(row, column, horizontal)) {
    const int kind = cells_[Index(row, column)]->GetKind();
    const int dr = horizontal ? 0 : 1, dc = horizontal ? 1 : 0;
    auto remove = [this](int r, int c) {
      delete cells_[Index(r, c)];
      cells_[Index(r, c)] = nullptr;
    };
    for (int k = -1; k <= 1; ++k) remove(row + k * dr, column + k * dc);
    // The line goes on both ways while the gems are of its kind.
    for (int step : {-1, 1}) {
      int r = row + 2 * step * dr, c = column + 2 * step * dc;
      while (r >= 0 && r < kSize && c >= 0 && c < kSize && cells_[Index(r, c)] &&
             cells_[Index(r, c)]->GetKind() == kind) {
        remove(r, c);
        r += step * dr;
        c += step * dc;
      }
    }
  }
}

void GUI_Match3Game::Refill() {
  for (;;) {
    int empty = -1;
    for (int r = kSize - 1; r >= 0 && empty < 0; --r)
      for (int c = 0; c < kSize && empty < 0; ++c)
        if (!cells_[Index(r, c)]) empty = Index(r, c);
    if (empty < 0) return;
    const int row = empty / kSize, column = empty % kSize;
    int above = row - 1;
    while (above >= 0 && !cells_[Index(above, column)]) --above;
    if (above >= 0) {
      M3_Gem* gem = cells_[Index(above, column)];
      cells_[Index(above, column)] = nullptr;
      gem->targetX_ = CellX(column);
      gem->targetY_ = CellY(row);
      cells_[empty] = gem;
    } else {
      cells_[empty] = NewFallingGem(row, column);
    }
  }
}

void GUI_Match3Game::SwapCells(int a, int b) {
  std::swap(cells_[a], cells_[b]);
  if (cells_[a] && cells_[b]) {
    std::swap(cells_[a]->targetX_, cells_[b]->targetX_);
    std::swap(cells_[a]->targetY_, cells_[b]->targetY_);
  }
}

void GUI_Match3Game::ClearSelection() { firstRow_ = firstColumn_ = secondRow_ = secondColumn_ = -1; }

void GUI_Match3Game::Start() {
  bestBefore_ = GetVideoGameHiscore();
  round_.Start();
  cycle_.Start();
  state_ = kPlaying;
  Show(start_, false);
}

void GUI_Match3Game::SelectCell(int row, int column) {
  GUI_Services::PlaySound(kClickSound);
  if (secondRow_ >= 0) return;  // a swap waits for its check
  if (firstRow_ < 0) {
    firstRow_ = row;
    firstColumn_ = column;
    return;
  }
  const int dr = std::abs(row - firstRow_), dc = std::abs(column - firstColumn_);
  if (dr + dc == 1) {
    secondRow_ = row;
    secondColumn_ = column;
    SwapCells(Index(firstRow_, firstColumn_), Index(row, column));
    checkPending_ = true;
  } else {
    ClearSelection();
  }
}

bool GUI_Match3Game::OnClick(float x, float y) {
  if (visible && state_ == kPlaying && HitTest(x, y)) {
    if (!IsSettled()) return true;
    for (int r = 0; r < kSize; ++r) {
      for (int c = 0; c < kSize; ++c) {
        const M3_Gem* gem = cells_[Index(r, c)];
        if (gem && gem->ContainsPoint(x, y)) {
          SelectCell(r, c);
          return true;
        }
      }
    }
  }
  return GUI_Dialog::OnClick(x, y);
}

void GUI_Match3Game::SettledCheck() {
  checkPending_ = false;
  int row = 0, column = 0;
  bool horizontal = false;
  if (!FindLine(row, column, horizontal)) {
    if (firstRow_ >= 0 && secondRow_ >= 0)
      SwapCells(Index(firstRow_, firstColumn_), Index(secondRow_, secondColumn_));
    ClearSelection();
    return;
  }
  RemoveLines();
  ClearSelection();
  Refill();
  ++score_;
  if (score_ > GetVideoGameHiscore()) SetVideoGameHiscore(score_);
  GUI_Services::PlaySound(kScoreSound);
}

void GUI_Match3Game::EndRound() {
  state_ = kFinished;
  if (score_ >= kTarget)
    if (SIM_SoloActivityType* type = SIM_SoloActivityType::TryFind("playvideogames"))
      type->ApplyModifiers(1.0f);
  Show(finish_, true);
}

void GUI_Match3Game::PlayFrame() {
  const float midY = static_cast<float>(board_.top + board_.bottom) / 2;
  background_.SetPosition(static_cast<float>(board_.right) - 158, midY);
  background_.Draw();
  if (firstRow_ >= 0) {
    cursor_.SetPosition(CellX(firstColumn_), CellY(firstRow_));
    cursor_.Draw();
  }
  const float step = kGemSpeed * GUI_GUI::Instance().GetFrameStep();
  bool moved = false;
  for (M3_Gem* gem : cells_) {
    if (!gem) continue;
    moved = gem->Move(step) || moved;
    gem->Draw(static_cast<float>(board_.top));
  }
  animating_ = moved;
  if (moved) {
    checkPending_ = true;
    return;
  }
  if (!checkPending_) {
    cycle_.Update();
    if (cycle_.elapsed > kCycleMs) {
      cycle_.Start();
      for (M3_Gem* gem : cells_)
        if (gem) gem->SetKind(gem->GetKind() + 1);
    }
    round_.Update();
    if (state_ == kPlaying && round_.elapsed > kRoundMs) EndRound();
  }
  if (checkPending_) SettledCheck();

  const auto cl = static_cast<float>(clientRect.left), t = static_cast<float>(rect.top);
  GUI_Services::QueueText(cl + 15, t + 10,
                          std::string(Translate("MATCH3GAME_SCORE")) + " : " + std::to_string(score_),
                          kFont, 22, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(
      cl + 155, t + 10,
      std::string(Translate("MATCH3GAME_HISCORE")) + " : " + std::to_string(GetVideoGameHiscore()),
      kFont, 22, 0, 0, 255, 255, 255);
  const int barLeft = board_.left - 18, barTop = board_.top + 24;
  const int barRight = board_.left + 2, barBottom = board_.bottom - 29;
  const double left = 1.0 - round_.elapsed / kRoundMs;
  const double f = std::clamp(left, 0.0, 1.0);
  const int filledTop = barBottom - static_cast<int>(f * (barBottom - barTop));
  D3DEngine::Instance().FillRect(barLeft, filledTop, barRight, barBottom, 0xBEFFFFFFu);
}

const char* GUI_Match3Game::ResultKey() const {
  // The high score follows the round as it is played, so a new best is judged against the
  // best that stood when the round began.
  const bool best = score_ > bestBefore_;
  if (score_ >= kTarget) return best ? "MATCH3GAME_SUCCESS_BEST" : "MATCH3GAME_SUCCESS";
  return best ? "MATCH3GAME_FAILED_BEST" : "MATCH3GAME_FAILED";
}

void GUI_Match3Game::DrawPanel(const char* key, int textSize) {
  const auto l = static_cast<float>(rect.left) + 30, t = static_cast<float>(rect.top) + 90;
  const auto r = static_cast<float>(rect.right) - 30, b = static_cast<float>(rect.top) + 260;
  DrawFrameById(l, t, r, b, 5, 20, 1.0f);
  GUI_ButtonText* button = state_ == kFinished ? finish_ : start_;
  button->SetRect(l + 20, b - 32, r - 20, b - 10);
  GUI_Services::QueueText(l + 10, t + 10, Translate(key), kFont, textSize,
                          static_cast<int>(r - l) - 20, 0, 255, 255, 255);
}

void GUI_Match3Game::Draw() {
  UpdateClientRect();
  DrawFrameById(static_cast<float>(rect.left), static_cast<float>(rect.top),
                static_cast<float>(rect.right), static_cast<float>(rect.bottom), 0, 30, 1.0f);
  PlayFrame();
  if (state_ == kInstructions) DrawPanel("MATCH3GAME_INSTRUCTIONS", 16);
  if (state_ == kFinished) DrawPanel(ResultKey(), 18);
  DrawButtons();
  GUI_Services::FlushText();
}
