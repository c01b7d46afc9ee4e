// The end-game screen.
#include "gui/windows/GUI_EndGame.h"

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CommunityPage.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"

namespace {

void OnMainMenu(void*) { GUI_EndGame::Instance()->MainMenu(); }
void OnUpload(void*) { GUI_EndGame::Instance()->Upload(); }
void OnContinue(void*) { GUI_EndGame::Instance()->Continue(); }

struct Shown {
  const char* key;
  int statistic;
};

// Crosswords, books, television, films, roulette; invitations rejected and accepted,
// possessions sold and bought, clicks.
constexpr Shown kLeft[] = {{"STATISTIC_CROSSWORDS_FINISHED", 5},
                           {"STATISTIC_BOOKS_READ", 4},
                           {"STATISTIC_TV_WATCHED", 6},
                           {"STATISTIC_MOVIES_SEEN", 7},
                           {"STATISTIC_ROULETTE_WINNINGS", 8}};
constexpr Shown kRight[] = {{"STATISTIC_INVITES_REJECTED", 9},
                            {"STATISTIC_INVITES_ACCEPTED", 10},
                            {"STATISTIC_SOLD_OBJECTS", 11},
                            {"STATISTIC_PURCHASED_OBJECTS", 12},
                            {"STATISTIC_MCLICKS", 0}};

GUI_ButtonText* MakeButton(const char* key, const char* tooltip, GUI_ButtonCallback callback,
                           float left, float top, float right, float bottom) {
  auto* button = new GUI_ButtonText(Translate(key), callback, nullptr);
  button->SetRect(left, top, right, bottom);
  button->SetTooltipKey(tooltip, 60);
  button->SetVisible(false);
  return button;
}

}  // namespace

GUI_EndGame* GUI_EndGame::Instance() {
  // Never deleted: the window manager may hold it until the program ends.
  static GUI_EndGame* screen = new GUI_EndGame();
  return screen;
}

GUI_EndGame::GUI_EndGame() {
  visible = false;
  SetCloseOnNewGame(false);
}

void GUI_EndGame::Show() {
  showing_ = true;
  visible = true;
  SIM_Statistics::Instance().PausePlayTimer();
  if (!GUI_WindowManager::Instance().IsModal(this)) MakeModal();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, 0, w, h);
  ClearButtons();
  mainMenu_ = MakeButton("ENDGAME_MAINMENU", "ENDGAME_MAINMENU_TOOLTIP", OnMainMenu, w / 2 - 280,
                         h - 60, w / 2 - 100, h - 38);
  upload_ = MakeButton("ENDGAME_UPLOAD", "ENDGAME_UPLOAD_TOOLTIP", OnUpload, w / 2 + 100, h - 60,
                       w / 2 + 280, h - 38);
  continue_ = MakeButton("ENDGAME_CONTINUE", "ENDGAME_CONTINUE_TOOLTIP", OnContinue, w / 2 - 90,
                         h - 60, w / 2 + 90, h - 38);
  AddButton(mainMenu_);
  AddButton(upload_);
  AddButton(continue_);
  BuildTable();
  const SIM_Statistics& stats = SIM_Statistics::Instance();
  verdict_ = Translate(EndGameVerdictKey(stats.GetLifetimeSolo(), stats.GetLifetimeSocial()));
  GUI_Services::MuteMusic();
  fanfareSlot_ = GUI_Services::PlaySoundInSlot(kFanfare, false);
  timer_.Start();
}

void GUI_EndGame::BuildTable() {
  rows_.clear();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const float top = w / 1024.0f * 350;
  const SIM_Statistics& stats = SIM_Statistics::Instance();
  auto column = [&](const Shown (&shown)[5], float x) {
    float y = top;
    for (const Shown& s : shown) {
      rows_.push_back({x, y, Translate(s.key), stats.GetInt(s.statistic)});
      y += 20;
    }
  };
  column(kLeft, w / 2 - 400);
  column(kRight, w / 2 - 70);
}

void GUI_EndGame::Hide() {
  if (!showing_) return;
  showing_ = false;
  visible = false;
  GUI_WindowManager::Instance().RemoveModal(this);
  modal = false;
  ClearButtons();
  mainMenu_ = upload_ = continue_ = nullptr;
}

void GUI_EndGame::StopFanfare() {
  GUI_Services::StopSlot(fanfareSlot_);
  fanfareSlot_ = -1;
  GUI_Services::RefreshMusicVolume();
}

void GUI_EndGame::MainMenu() {
  Shell().SetInGame(false);
  Shell().SetMode(GAMEMODE_MAINMENU);
  StopFanfare();
  Hide();
}

void GUI_EndGame::Upload() {
  // The form body lives for the run, as the internet menu's does. The player pressed the
  // button: the upload is seen under way, and a failure said in the game's own box, as the
  // internet menu does it.
  static std::string body;
  DrawWorkingFrame([this] { Draw(); }, Translate("INTERNET_CONNECTING_PAGE"));
  const std::string failure = PostCommunityPage(body);
  if (failure.empty()) return;
  auto* box = new GUI_Message("IERROR:  " + failure);
  box->SetTitle("ERROR");
  messages_.push_back(box);
}

const std::vector<GUI_Message*>& GUI_EndGame::Messages() {
  // A box deletes itself by its close button or key: forget the ones the manager no longer
  // holds.
  const GUI_WindowManager& manager = GUI_WindowManager::Instance();
  std::erase_if(messages_, [&manager](GUI_Message* box) { return !manager.Contains(box); });
  return messages_;
}

void GUI_EndGame::Continue() {
  StopFanfare();
  SIM_Statistics::Instance().StartPlayTimer();
  Hide();
  // The day the screen stopped goes on: its slots, work and summary.
  SIM_SIM::Instance().KeepOnLiving();
}

bool GUI_EndGame::OnClick(float x, float y) {
  if (!showing_) return false;
  return GUI_WindowBase::OnClick(x, y);
}

void GUI_EndGame::Draw() {
  if (!showing_) return;
  timer_.Update();
  GUI_Backdrop::Instance().Draw();
  GUI_Avatar::Instance().Draw();
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  // The screen width over 1024, as the game's scale is.
  const float s = w / 1024.0f;
  // The room is bright by day: the page's texts lie on one dark veil.
  DrawTextVeil(w / 2 - 420, 190 * s, w / 2 + 420, 350 * s + 110);
  if (timer_.elapsed >= kButtonMs) {
    for (GUI_ButtonText* button : {mainMenu_, upload_, continue_})
      if (button) button->SetVisible(true);
    DrawButtons();
  }
  // The whole game's Tovel earned.
  GUI_YearlyReview::QueueHeading("ENDGAME_TITLE", verdict_,
                                 SIM_Statistics::Instance().GetFloat(0), timer_.elapsed);
  if (timer_.elapsed >= kFiguresMs) {
    for (const Row& row : rows_) {
      GUI_Services::QueueText(row.x, row.y, row.label, "tahoma", 14, 0, 0, 255, 255, 255);
      GUI_Services::QueueText(row.x + 200, row.y, ":" + std::to_string(row.value), "tahoma", 14, 0,
                              0, 255, 255, 255);
    }
  }
  // Its own boxes lie on it with every other box over a page: the in-game screen draws them.
  GUI_Services::FlushText();
}
