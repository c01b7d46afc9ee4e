// A game saved in one run and loaded in the next, as a player does it: each step is its own
// process, started the way the game's entry starts (window, renderer, every table read at
// start-up) with the user's folders under a folder of the test's.
//
//   tovel_restart save <home> <day1|midyear|yearend>
//     A new game is played to the scenario's day; the last next-day writes the autosave
//     while its screens wait. Then the work-day summary is answered as its continue does
//     and the game as it stands is kept in "continued.txt" (the state a load of the autosave
//     must give). Then a letter of each kind the player can answer arrives (an invitation, a
//     delivered job offer, a job unlock, a special event's ticket) and the save menu's call
//     writes the slot "restart", kept beside it in "restart.txt".
//   tovel_restart load <home> <autosave|restart>
//     The load menu loads the slot by a click on its row; the game must come back as
//     expected, with the same mail on screen, each item opening its window.
//
// Exits 0 when every check holds; otherwise prints each failed check and exits 1.
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/CInput.h"
#include "app/Game.h"
#include "app/MainWindow.h"
#include "engine/Random.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_MenuLoad.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_SimScreens.h"
#include "gui/windows/GUI_JobOffer.h"
#include "gui/windows/GUI_JobUnlock.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "platform/MessageBox.h"
#include "platform/Window.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "support/PlayDays.h"

namespace fs = std::filesystem;

namespace {

int g_failures = 0;

void Check(bool ok, const std::string& what) {
  if (ok) return;
  ++g_failures;
  std::fprintf(stderr, "FAILED: %s\n", what.c_str());
}

std::string ReadText(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

void WriteText(const fs::path& path, const std::string& text) {
  std::ofstream(path, std::ios::binary) << text;
}

// The play time goes on between two runs; everything else of a save must agree.
std::string WithoutPlayTime(std::string text) {
  const size_t open = text.find("<elapsed>");
  const size_t close = text.find("</elapsed>");
  if (open != std::string::npos && close != std::string::npos) text.erase(open, close - open);
  return text;
}

// The play time a save holds, in ms; -1 when it holds none.
double SavedPlayTime(const std::string& text) {
  const size_t open = text.find("<elapsed>");
  if (open == std::string::npos) return -1.0;
  return ParseFloatPrefix(text.c_str() + open + std::string("<elapsed>").size());
}

// What the first run has played before its saves: an hour.
constexpr double kPlayedMs = 3600000.0;

// The day's mail as the screen shows it: one line per item, its kind and whether opened.
std::string MailOnScreen() {
  std::string lines;
  for (const GUI_Email* item : GUI_Email::Items())
    lines += std::to_string(item->GetType()) + (item->IsOpened() ? " opened\n" : "\n");
  return lines;
}

// The game's start, as its entry does it.
bool StartTheGame(const fs::path& home) {
  setenv("HOME", home.c_str(), 1);
  unsetenv("XDG_DOCUMENTS_DIR");
  unsetenv("XDG_CONFIG_HOME");
  plat::SetMessageBoxesEnabled(false);
  // A desktop larger than the configured screen, so start-up leaves the display file alone.
  plat::OverrideDesktopSize(1280, 1024);
  std::string error;
  if (!plat::InitVideo(error)) {
    std::fprintf(stderr, "no video: %s\n", error.c_str());
    return false;
  }
  g_mainWindow = plat::CreatePlatformWindow("Tovel", 1024, 768, "", error);
  if (!g_mainWindow) {
    std::fprintf(stderr, "no window: %s\n", error.c_str());
    return false;
  }
  SetFixedRandomSeed(4242);
  g_appActive = Game::Instance().Init();
  g_appInitialised = g_appActive;
  return g_appActive;
}

void StopTheGame() {
  Game::Instance().Shutdown();
  plat::DestroyPlatformWindow(g_mainWindow);
  g_mainWindow = nullptr;
  plat::ShutdownPlatform();
}

// A left click at the element's centre, delivered through the input as the message loop
// delivers it, and the frame that handles it.
void ClickOn(const GUI_BaseElement* element) {
  const GUI_Rect& r = element->GetRect();
  const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
  for (plat::EventType type : {plat::EventType::MouseMove, plat::EventType::MouseButtonDown,
                               plat::EventType::MouseButtonUp}) {
    plat::Event e;
    e.type = type;
    e.x = x;
    e.y = y;
    e.button = 0;
    CInput::Instance().QueueEvent(e);
  }
  Game::Instance().Frame();
}

// ---- The first run ----

int Save(const fs::path& home, const std::string& scenario) {
  fs::remove_all(home);
  fs::create_directories(home);
  if (!StartTheGame(home)) return 1;
  SIM_GameConfig::Instance().SetName("Robin Restart");
  SIM_GameConfig::Instance().SetAvatarName("f_bea.dds");
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, true);
  if (scenario == "day1") {
    Game::Instance().StartNewGame();
  } else {
    // The days before the last one are played as the headless player plays them, on screens
    // of its own; the game they make is then taken up by the screens as a load does.
    InstallScreens(&SIM_HeadlessScreens::Instance());
    SIM_SIM::Instance().NewGame();
    if (scenario == "midyear") testsupport::PlayDays(40);
    for (int d = 0; scenario == "yearend" && d < 200; ++d) {
      const SIM_Date tomorrow = CurrentDate().DaysLater(1);
      const SIM_Date& review = NextReviewDate();
      if (tomorrow.Equals(review.GetDay(), review.GetMonth(), review.GetYear())) break;
      testsupport::PlayDays(1);
    }
    Check(SIM_SaveGame::Save("early"), "the early save");
    InstallScreens(&GUI_SimScreens::Instance());
    Check(SIM_LoadGame::Load("early"), "the early load");
    GUI_GUI::Instance().StartGame();
    Game::Instance().SetMode(GAMEMODE_INGAME);
  }
  // An hour played already, so that a load counting the time from 0 again shows.
  SIM_Statistics::Instance().SetPlayTime(kPlayedMs);
  SIM_Statistics::Instance().StartPlayTimer();
  Game::Instance().Frame();

  // The last day ends; the autosave is written while its screens wait.
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() == PHASE_ACTIVITIES) {
    sim.SetActs(sim.GetActsPerDay(), sim.GetActsPerDay() - 1);
    sim.EndAct();
  }
  sim.NextDay();
  Game::Instance().Frame();
  Check(fs::exists(fs::path(Game::Instance().GetSaveFolder()) / "autosave.xml"),
        "the day's end wrote the autosave");
  if (scenario == "yearend") Check(GUI_YearlyReview::Instance()->IsOpen(), "the review is open");
  // Its continue, as the button does it (a click would count one more click than the
  // autosave holds; and the year's review, drawn over it, is left open).
  if (GUI_WorkDay::Instance() && GUI_WorkDay::Instance()->IsOpen())
    GUI_WorkDay::Instance()->ContinueButton()->Activate();
  Game::Instance().Frame();
  Check(sim.GetPhase() == PHASE_ACTIVITIES, "the day's activities are open");
  WriteText(home / "continued.txt", SIM_SaveGame::BuildText());
  WriteText(home / "continued-mail.txt", MailOnScreen());

  // A letter of every kind the player can still answer.
  SIM_NPC* npc = SIM_NPC::All().front();
  SIM_SocialiseType* type = SIM_SocialiseType::All().front().get();
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(npc, type, 0);
  invitation->BuildText();
  Screens().AddInvitation(invitation);
  SIM_JobBase* job = SIM_JobBase::FindDefaultJob();
  SIM_JobOffer* offer = new SIM_JobOffer(job, true, 0);
  offer->Restore(false, SIM_JobOffer::kDaysToAnswer, false);
  Screens().AddJobOffer(offer);
  for (SIM_NPC* other : SIM_NPC::All()) {
    if (!other->GetUnlockableJob()) continue;
    Screens().AddJobUnlock(other, other->GetUnlockableJob());
    break;
  }
  for (const auto& event : SIM_SpecialEvent::All()) {
    if (event->IsTriggered()) continue;
    event->Trigger();
    break;
  }
  GUI_Email::Items().front()->Open();  // one opened, to see it kept so
  Game::Instance().Frame();
  Check(SIM_SaveGame::Save("restart"), "the save menu's save");
  WriteText(home / "restart.txt", ReadText(fs::path(Game::Instance().GetSaveFolder()) / "restart.xml"));
  WriteText(home / "restart-mail.txt", MailOnScreen());
  StopTheGame();
  return g_failures == 0 ? 0 : 1;
}

// ---- The next run ----

int Load(const fs::path& home, const std::string& slot) {
  if (!StartTheGame(home)) return 1;
  const std::string expected = slot == "autosave" ? "continued" : "restart";
  const std::string want = ReadText(home / (expected + ".txt"));
  const std::string wantMail = ReadText(home / (expected + "-mail.txt"));
  Check(!want.empty(), "the first run left its game");

  // A new game played a moment first (its play time running), then from the main menu to
  // the load menu, and a click on the slot's row.
  Game::Instance().StartNewGame();
  Game::Instance().Frame();
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  Game::Instance().Frame();
  ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::LOADGAME));
  GUI_MenuLoad& menu = GUI_MenuLoad::Instance();
  Check(Game::Instance().GetCurrentMode() == &menu, "the load menu is open");
  Game::Instance().Frame();
  const GUI_LoadGameSlot* row = nullptr;
  for (const GUI_LoadGameSlot* r : menu.Rows())
    if (r->GetName() == slot) row = r;
  Check(row != nullptr, "the load menu lists " + slot);
  if (!row) return 1;
  ClickOn(row);
  Check(SIM_LoadGame::LastError().empty(), "the load: " + SIM_LoadGame::LastError());
  Check(Game::Instance().GetCurrentMode() == &GUI_GUI::Instance(), "the game is entered");
  Game::Instance().Frame();

  // The play time goes on from the one in the slot's file (the first run's record of the
  // autosaved game was taken a moment after the save).
  const double saved =
      SavedPlayTime(ReadText(fs::path(Game::Instance().GetSaveFolder()) / (slot + ".xml")));
  Check(saved >= kPlayedMs, "the save holds the hour played");
  Check(SIM_Statistics::Instance().GetPlayTime() >= saved,
        "the play time goes on from the saved " + std::to_string(saved) + " ms, not from " +
            std::to_string(SIM_Statistics::Instance().GetPlayTime()));

  // The game as it was, and the mail on screen as it was.
  const std::string now = SIM_SaveGame::BuildText();
  Check(WithoutPlayTime(now) == WithoutPlayTime(want), "the loaded game is the saved one");
  if (WithoutPlayTime(now) != WithoutPlayTime(want)) WriteText(home / (slot + "-got.txt"), now);
  Check(MailOnScreen() == wantMail,
        "the mail on screen:\n" + MailOnScreen() + "expected:\n" + wantMail);

  // Each letter opens its window, ready to be answered.
  const std::vector<GUI_Email*> items(GUI_Email::Items().begin(), GUI_Email::Items().end());
  for (GUI_Email* item : items) {
    const GUI_EmailType type = item->GetType();
    item->Open();
    Game::Instance().Frame();
    if (type == EMAIL_JOBOFFER) Check(GUI_JobOffer::IsOpen(), "the offer opens");
    if (type == EMAIL_JOBUNLOCK) Check(GUI_JobUnlock::IsOpen(), "the unlock opens");
    if (type == EMAIL_INVITATION) Check(GUI_SocialInvitation::Instance(), "the invitation opens");
    if (type == EMAIL_SPECIALEVENT) {
      const GUI_SpecialEvent* ticket = GUI_SpecialEvent::Instance();
      Check(ticket && ticket->AttendButton()->IsEnabled(), "the ticket opens and can be used");
    }
  }
  StopTheGame();
  return g_failures == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s save <home> <day1|midyear|yearend> | load <home> <slot>\n",
                 argv[0]);
    return 2;
  }
  const std::string step = argv[1];
  const fs::path home = fs::absolute(argv[2]);
  if (step == "save") return Save(home, argv[3]);
  if (step == "load") return Load(home, argv[3]);
  return 2;
}
