// Headless game driver: starts the simulation from the game's data with a fixed seed, starts
// a new game and plays it day by day the way a player clicking through would: evenings with
// friends, job applications, every other free slot an activity the player can do and afford
// (leaning to what the job promotes on), then the next day, and every screen the day opens is
// answered with "continue". Every morning it also reads the job search as the player would find
// it: requirements_unshown counts what an application for a listed job tests that no row of the
// job page stands for, showbiz_open_min is the fewest acting and music jobs listed on a morning.
// Prints one "name value" line per figure; a figure
// whose rules are not in the game yet prints "n/a". It doubles as the soak test for crashes
// and leaks over a whole game.
//
//   tovel-bench [--days N] [--seed S] [--save-every N] [--save-at DAY PATH.xml]
//               [--player default|drinker] [--synced-saves]
//     (defaults: 840 days, ten game years; seed 1; no saving; the default player)
//
// The drinker is the default player who takes a drink whenever it can: the pub (or another
// evening that serves drink) before any other evening, a drink at home on every free slot
// it can afford (see SIM_HeadlessPlayer).
//
// The data is found the way the game finds it: the working folder when it holds data/, else
// the executable's folder or the nearest parent holding data/config.muf. So any copy of the
// game folder can be played by running the bench from inside it.
//
// The simulation and the saving are timed apart: ms_sim is the days without the daily
// autosave (which the bench writes itself, at the point of the day where the game writes it,
// when the player's autosave option is on), ms_autosave the autosaves. The per-day figures
// count the simulation only. The bench's saves are written without waiting for the disk:
// a synced write leaves the process to wake on cold caches, which would be charged to the
// next day's simulation. What the game's own synced autosave costs is ms_autosave_synced,
// the mean of a few synced autosaves of the last day. With --synced-saves every save of the
// run is synced as the game does it (the end-of-game figures are the same either way).
//
// With --save-every N the game is saved and loaded every N days, and the save written right
// after the load must be the one that was loaded (the play time aside); a difference is
// printed and the run exits 1. A game that loses nothing in the trip ends with the same
// figures as a run without --save-every.
//
// With --save-at DAY PATH.xml the game is saved once, after DAY days have been played, to
// PATH.xml through the save menu's own call (the file's folder stands in for the save folder
// for that one save; the load menu lists such a file when it lies in the save folder). The
// save changes nothing: the figures are those of a run without it. When fewer than DAY days
// are played (the game ended, or --days is smaller), nothing is written and the run ends
// with exit code 1 after its figures.
#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <map>
#include <random>
#include <fstream>
#include <string>
#include <vector>

#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_HeadlessPlayer.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_WebTV.h"

#include "HeadlessDay.h"

namespace {

constexpr int kDaysPerYear = 84;

using Clock = std::chrono::steady_clock;

double MicrosecondsSince(Clock::time_point start) {
  return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The peak resident set from the kernel's process status, in kB (0 when unavailable).
long PeakRssKb() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line))
    if (line.rfind("VmHWM:", 0) == 0) return std::strtol(line.c_str() + 6, nullptr, 10);
  return 0;
}

// The play time runs on between two saves of one state.
std::string MaskPlayTime(const std::string& text) {
  const size_t open = text.find("<elapsed>");
  const size_t close = text.find("</elapsed>", open);
  if (open == std::string::npos || close == std::string::npos) return text;
  return text.substr(0, open) + "<elapsed>*" + text.substr(close);
}

std::string SaveAndRead(const std::string& slot) {
  std::string text;
  if (!SIM_SaveGame::Save(slot) || !plat::ReadFileBytes(SIM_SaveGame::PathFor(slot), text))
    return "";
  return text;
}

// Save A, load A, save B: true when B is A.
bool SaveLoadTrip(int day) {
  const std::string a = SaveAndRead("bench_a");
  if (a.empty() || !SIM_LoadGame::Load("bench_a")) {
    std::fprintf(stderr, "day %d: save or load of A failed\n", day);
    return false;
  }
  const std::string b = SaveAndRead("bench_b");
  if (MaskPlayTime(a) != MaskPlayTime(b)) {
    std::fprintf(stderr, "day %d: the trip changed the save\n--- A\n%s--- B\n%s", day,
                 a.c_str(), b.c_str());
    return false;
  }
  return true;
}

// The game saved to `file` (which ends in ".xml", as every save does) with the save menu's
// call; the bench's own save folder is put back afterwards.
bool SaveTo(const std::filesystem::path& file) {
  const std::string folder = SIM_SaveGame::GetFolder();
  SIM_SaveGame::SetFolder(file.has_parent_path() ? file.parent_path().string() : ".");
  const bool saved = SIM_SaveGame::Save(file.stem().string());
  SIM_SaveGame::SetFolder(folder);
  if (!saved)
    std::fprintf(stderr, "the save to %s failed: %s\n", file.string().c_str(),
                 SIM_SaveGame::LastError().c_str());
  return saved;
}

std::string Average(double total, int count) {
  return count > 0 ? FormatFixed(total / count, 3) : "n/a";
}

}  // namespace

int main(int argc, char** argv) {
  int days = 840;
  unsigned long seed = 1;
  int saveEvery = 0;
  int saveAt = 0;
  bool syncedSaves = false;
  headless::Habits habits = headless::Habits::kDefault;
  std::filesystem::path saveAtFile;
  for (int i = 1; i < argc; ++i) {
    if (std::strcmp(argv[i], "--days") == 0 && i + 1 < argc) {
      days = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--seed") == 0 && i + 1 < argc) {
      seed = std::strtoul(argv[++i], nullptr, 10);
    } else if (std::strcmp(argv[i], "--save-every") == 0 && i + 1 < argc) {
      saveEvery = std::atoi(argv[++i]);
    } else if (std::strcmp(argv[i], "--save-at") == 0 && i + 2 < argc &&
               std::atoi(argv[i + 1]) > 0 &&
               std::filesystem::path(argv[i + 2]).extension() == ".xml") {
      saveAt = std::atoi(argv[++i]);
      saveAtFile = std::filesystem::absolute(argv[++i]);
    } else if (std::strcmp(argv[i], "--synced-saves") == 0) {
      syncedSaves = true;
    } else if (std::strcmp(argv[i], "--player") == 0 && i + 1 < argc &&
               (std::strcmp(argv[i + 1], "default") == 0 ||
                std::strcmp(argv[i + 1], "drinker") == 0)) {
      habits = std::strcmp(argv[++i], "drinker") == 0 ? headless::Habits::kDrinker
                                                       : headless::Habits::kDefault;
    } else {
      std::fprintf(stderr,
                   "usage: %s [--days N] [--seed S] [--save-every N] [--save-at DAY PATH.xml] "
                   "[--player default|drinker] [--synced-saves]\n",
                   argv[0]);
      return 2;
    }
  }

  setenv("SDL_VIDEODRIVER", "dummy", 0);
  setenv("SDL_AUDIODRIVER", "dummy", 0);
  plat::SetMessageBoxesEnabled(false);
  plat::FindGameFolder();
  // The player options go to a folder of the bench's own, never the player's.
  // A folder of this run's own, so runs side by side never share (or overwrite) saves.
  const std::filesystem::path home =
      std::filesystem::temp_directory_path() /
      ("tovel-bench-home-" + std::to_string(std::random_device{}()));
  std::filesystem::create_directories(home);
  SIM_PlayerOptions::Instance().SetFolder(home.string());
  // Saves likewise.
  std::filesystem::create_directories(home / "savegames");
  SIM_SaveGame::SetFolder((home / "savegames").string());

  SetFixedRandomSeed(static_cast<uint32_t>(seed));
  SIM_SIM& sim = SIM_SIM::Instance();
  sim.Init();
  bench::StartTheGame();
  // The bench writes the daily autosave itself, so the days are timed without it.
  SIM_PlayerOptions& options = SIM_PlayerOptions::Instance();
  const bool autosave = options.GetToggle(SIM_PlayerOptions::kEnableAutosave);
  options.SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  // Every way out puts the option back and leaves no folder behind.
  plat::SetDurableWrites(syncedSaves);
  auto finish = [&](int code) {
    plat::SetDurableWrites(true);
    options.SetToggle(SIM_PlayerOptions::kEnableAutosave, autosave);
    sim.Shutdown();
    std::error_code ignored;
    std::filesystem::remove_all(home, ignored);
    return code;
  };

  const auto start = Clock::now();
  double firstYearUs = 0.0, lastYearUs = 0.0, simUs = 0.0, autosaveUs = 0.0;
  std::vector<double> dayUs;
  int played = 0;
  bool over = false;
  int saveTrips = 0, autosaves = 0;
  double saveUs = 0.0;
  SIM_Relationship::ResetFriendsLost();
  int friendsMax = SIM_Vesk::Instance()->CountFriends();
  int daysIll = 0;
  int petsOwnedMax = 0;
  float dirtMax = 0.0f;
  // Drinking, watched day by day: the highest blood alcohol, and each time drink took hold.
  float bloodAlcoholMax = 0.0f;
  int alcoholicSpells = 0;
  bool wasAlcoholic = SIM_Alcohol::IsAlcoholic();
  // Promotions: a grade above the one held the day before in the same job.
  int promotions = 0;
  // By name: a load rebuilds the job types, so no pointer outlives a save trip.
  auto grade = [] {
    const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
    const SIM_JobBase* job = held ? held->GetJob() : nullptr;
    return std::make_pair(job ? job->GetName() : std::string(), held ? held->GetLevel() : 0);
  };
  auto lastGrade = grade();
  // The solo activities and social evenings of every year, summed here apart from the
  // statistics' own lifetime totals, which must agree.
  int soloCounted = 0, socialCounted = 0;
  int eventsAttended = 0;
  int applications = 0, jobChanges = 0, evenings = 0, bowlingMatches = 0;
  // Evenings by category (lower case), counted when they used their slot.
  std::map<std::string, int> eveningsBy;
  // The job search as the player finds it each morning: what an application for a listed job
  // tests that no row of the job page stands for, and the fewest acting and music jobs listed.
  long requirementsUnshown = 0;
  int showbizOpenMin = INT_MAX;
  auto lookAtTheJobSearch = [&] {
    int showbiz = 0;
    for (const SIM_Industry* industry : SIM_Industry::All()) {
      SIM_JobBase::SearchJobs(industry->GetName(), false);
      for (const SIM_JobBase* listed : SIM_JobBase::SearchResult()) {
        if (SIM_EntertainJob::IsEntertainmentIndustry(listed->GetIndustryName())) ++showbiz;
        const std::vector<SIM_JobBase::Requirement> rows = listed->Requirements();
        auto shown = [&](const SIM_Prerequisite* prerequisite) {
          return std::any_of(rows.begin(), rows.end(), [&](const SIM_JobBase::Requirement& row) {
            return row.prerequisite == prerequisite;
          });
        };
        for (const auto& prerequisite : listed->GetPrerequisites())
          if (!shown(prerequisite.get())) ++requirementsUnshown;
        if (listed->IsLocked() && !shown(nullptr)) ++requirementsUnshown;
      }
    }
    showbizOpenMin = std::min(showbizOpenMin, showbiz);
  };
  while (played < days && !over) {
    lookAtTheJobSearch();
    const auto dayStart = Clock::now();
    const bench::DayChoices choices = bench::PlayTheDay(habits);
    if (choices.applied) ++applications;
    if (!choices.eveningCategory.empty()) {
      ++evenings;
      ++eveningsBy[choices.eveningCategory];
    }
    bowlingMatches += choices.bowlingMatches;
    sim.NextDay();
    double us = MicrosecondsSince(dayStart);
    // Where the game writes it: at the end of the next-day step, before the summary closes.
    if (autosave) {
      const auto saveStart = Clock::now();
      if (!SIM_SaveGame::Autosave()) std::fprintf(stderr, "the autosave failed\n");
      autosaveUs += MicrosecondsSince(saveStart);
      ++autosaves;
    }
    // The year's counts as the review shows them, just before its continue clears them.
    if (SIM_HeadlessScreens::Instance().IsYearlyReviewOpen()) {
      soloCounted += SIM_Statistics::Instance().GetInt(2);
      socialCounted += SIM_Statistics::Instance().GetInt(3);
    }
    const auto answerStart = Clock::now();
    const bench::DayAnswers answers = bench::AnswerTheDay();
    over = answers.over;
    jobChanges += answers.jobChanges;
    if (answers.eventAttended) ++eventsAttended;
    us += MicrosecondsSince(answerStart);
    simUs += us;
    dayUs.push_back(us);
    friendsMax = std::max(friendsMax, SIM_Vesk::Instance()->CountFriends());
    if (!SIM_Health::Instance().IsHealthy()) ++daysIll;
    petsOwnedMax = std::max(petsOwnedMax, SIM_PetBase::CountOwned());
    if (const SIM_NamedValue* dirt = GlobalNamedValues().Find("glob_dirt"))
      dirtMax = std::max(dirtMax, dirt->GetValue());
    bloodAlcoholMax = std::max(bloodAlcoholMax, SIM_Alcohol::GetBloodAlcohol());
    if (SIM_Alcohol::IsAlcoholic() && !wasAlcoholic) ++alcoholicSpells;
    wasAlcoholic = SIM_Alcohol::IsAlcoholic();
    const auto nowGrade = grade();
    if (nowGrade.second > lastGrade.second && nowGrade.first == lastGrade.first)
      promotions += nowGrade.second - lastGrade.second;
    lastGrade = nowGrade;
    ++played;
    if (played == saveAt && !SaveTo(saveAtFile)) return finish(1);
    if (saveEvery > 0 && played % saveEvery == 0) {
      const auto tripStart = Clock::now();
      if (!SaveLoadTrip(played)) return finish(1);
      saveUs += MicrosecondsSince(tripStart);
      ++saveTrips;
    }
  }
  const double totalUs = MicrosecondsSince(start);
  // The synced autosave as the game writes it, timed on the last day's game.
  double syncedAutosaveMs = 0.0;
  constexpr int kSyncedAutosaves = 5;
  if (autosave) {
    plat::SetDurableWrites(true);
    const auto syncedStart = Clock::now();
    for (int i = 0; i < kSyncedAutosaves; ++i)
      if (!SIM_SaveGame::Autosave()) std::fprintf(stderr, "the autosave failed\n");
    syncedAutosaveMs = MicrosecondsSince(syncedStart) / 1000.0 / kSyncedAutosaves;
  }
  const bool savedAsAsked = played >= saveAt;
  if (!savedAsAsked)
    std::fprintf(stderr, "only %d days were played: no save at day %d\n", played, saveAt);

  const int firstCount = std::min(played, kDaysPerYear);
  for (int i = 0; i < firstCount; ++i) firstYearUs += dayUs[i];
  const int lastCount = std::min(played, kDaysPerYear);
  for (int i = played - lastCount; i < played; ++i) lastYearUs += dayUs[i];

  std::printf("days %d\n", played);
  std::printf("ms_total %s\n", FormatFixed(totalUs / 1000.0, 3).c_str());
  std::printf("ms_sim %s\n", FormatFixed(simUs / 1000.0, 3).c_str());
  std::printf("ms_autosave %s\n", FormatFixed(autosaveUs / 1000.0, 3).c_str());
  std::printf("autosaves %d\n", autosaves);
  std::printf("ms_autosave_synced %s\n",
              autosave ? FormatFixed(syncedAutosaveMs, 3).c_str() : "n/a");
  std::printf("us_per_day %s\n", Average(simUs, played).c_str());
  std::printf("us_per_day_first_year %s\n", Average(firstYearUs, firstCount).c_str());
  std::printf("us_per_day_last_year %s\n", Average(lastYearUs, lastCount).c_str());
  std::printf("peak_rss_kb %ld\n", PeakRssKb());
  std::printf("yearly_reviews %d\n", SIM_HeadlessScreens::Instance().YearlyReviewsShown());
  std::printf("game_over %d\n", sim.IsGameOver() ? 1 : 0);
  std::printf("cash %s\n", FormatFixed(SIM_Finances::Instance().GetCash(), 2).c_str());
  std::printf("npcs %zu\n", SIM_NPC::All().size());
  std::printf("friends %d\n", SIM_Vesk::Instance()->CountFriends());
  std::printf("friends_max %d\n", friendsMax);
  std::printf("friends_lost %d\n", SIM_Relationship::GetFriendsLost());
  std::printf("relationships %zu\n", SIM_Relationship::CountActive());
  std::printf("tovel %s\n", FormatFixed(SIM_Tovel::Instance().GetTotal(), 2).c_str());
  std::printf("happiness %s\n", FormatFixed(SIM_Vesk::Instance()->GetValue("happiness"), 3).c_str());
  std::printf("evenings %d\n", evenings);
  for (const char* category :
       {"restaurant", "movie", "roulette", "beer", "nightclub", "bowling", "game"})
    std::printf("evenings_%s %d\n", category, eveningsBy[category]);
  std::printf("bowling_matches %d\n", bowlingMatches);
  std::printf("brawls %d\n", SIM_HeadlessScreens::Instance().BrawlReports());
  std::printf("roulette_net %d\n", SIM_Statistics::Instance().GetInt(8));
  std::printf("films_seen %d\n", SIM_Statistics::Instance().GetInt(7));
  std::printf("invitations %d\n", SIM_SocialInvitation::ReceivedCount());
  std::printf("invitations_accepted %d\n", SIM_SocialInvitation::AcceptedCount());
  std::printf("invitations_lapsed %d\n", SIM_SocialInvitation::LapsedCount());
  std::printf("pay_offers %d\n", SIM_SocialInvitation::PayOfferCount());
  std::printf("romances %d\n", SIM_Romance::RomancesBegun());
  size_t memories = 0;
  for (const SIM_NPC* npc : SIM_NPC::All())
    if (npc->GetMemory()) memories += npc->GetMemory()->Items().size();
  std::printf("memories %zu\n", memories);
  const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  std::printf("job %s\n", job ? job->GetName().c_str() : "none");
  std::printf("promotions %d\n", promotions);
  std::printf("salary %s\n", FormatFixed(held ? held->GetSalary() : 0.0f, 2).c_str());
  std::printf("applications %d\n", applications);
  std::printf("requirements_unshown %ld\n", requirementsUnshown);
  std::printf("showbiz_open_min %d\n", showbizOpenMin == INT_MAX ? 0 : showbizOpenMin);
  std::printf("job_changes %d\n", jobChanges);
  std::printf("tv_watched %d\n", SIM_Statistics::Instance().GetInt(kStatTVWatched));
  std::printf("projects_completed %d\n", ProjectsCompleted());
  std::printf("achievements %zu\n", AchievementList().size());
  std::printf("royalty_cheques %d\n", SIM_RoyaltyStream::ChequesPaid());
  double royalties = 0.0;
  for (const auto& stream : SIM_RoyaltyStream::All()) royalties += stream->GetTotal();
  std::printf("royalties_total %s\n", FormatFixed(royalties, 2).c_str());
  // Mini-games the activities opened; the bench walks away from each (no success, no effects),
  // so none is left open.
  std::printf("minigames_opened %d\n", SIM_HeadlessScreens::Instance().MiniGamesOpened());
  std::printf("open_windows %d\n", SIM_HeadlessScreens::Instance().OpenWindows() +
                                     SIM_HeadlessScreens::Instance().MiniGamesOpen());
  // Statistics 12 and 11: possessions bought and sold.
  std::printf("assets_bought %d\n", SIM_Statistics::Instance().GetInt(12));
  std::printf("assets_sold %d\n", SIM_Statistics::Instance().GetInt(11));
  std::printf("assets_owned %zu\n", SIM_Asset::Owned().size());
  const SIM_CommuteMethod* commute = SIM_CommuteMethod::GetChosen();
  std::printf("commute %s\n", commute ? commute->GetId().c_str() : "none");
  std::printf("muggings %d\n", SIM_Crime::MuggingsTried());
  std::printf("burglaries %d\n", SIM_Crime::BurglariesTried());
  std::printf("days_ill %d\n", daysIll);
  std::printf("dirt_max %s\n", FormatFixed(dirtMax, 3).c_str());
  int classesCompleted = 0;
  for (const auto& type : HOOK_EveningClassType::All())
    if (type->IsCompleted()) ++classesCompleted;
  std::printf("class_attendances %d\n", headless::ClassAttendances());
  std::printf("classes_completed %d\n", classesCompleted);
  std::printf("classes_enrolled %zu\n", EnrolledEveningClasses().size());
  std::printf("pets_owned_max %d\n", petsOwnedMax);
  std::printf("pets_lost %d\n", SIM_PetBase::PetsLost());
  // Statistic 4: books read to the end; the pages read of every book; purchases in the shop
  // window (the shopping activity's, not the trips of headless::Shop).
  std::printf("books_read %d\n", SIM_Statistics::Instance().GetInt(4));
  long pagesRead = 0;
  for (const SIM_Book* book : SIM_Book::All()) pagesRead += book->GetPagesRead();
  std::printf("pages_read %ld\n", pagesRead);
  std::printf("shop_purchases %d\n", SIM_HeadlessScreens::Instance().ShopPurchases());
  std::printf("blood_alcohol_max %s\n", FormatFixed(bloodAlcoholMax, 3).c_str());
  std::printf("alcoholic_spells %d\n", alcoholicSpells);
  const SIM_Statistics& stats = SIM_Statistics::Instance();
  soloCounted += stats.GetInt(2);
  socialCounted += stats.GetInt(3);
  std::printf("solo_total %d\n", stats.GetLifetimeSolo());
  std::printf("social_total %d\n", stats.GetLifetimeSocial());
  std::printf("endgame_verdict %s\n", EndGameVerdictKey(stats.GetLifetimeSolo(), stats.GetLifetimeSocial()));
  int eventsTriggered = 0;
  for (const auto& event : SIM_SpecialEvent::All()) eventsTriggered += event->IsTriggered() ? 1 : 0;
  std::printf("special_events_triggered %d\n", eventsTriggered);
  std::printf("special_events_attended %d\n", eventsAttended);
  std::printf("avatar_description %s\n", SIM_AvatarDescription::GetText().c_str());
  const bool totalsAgree =
      soloCounted == stats.GetLifetimeSolo() && socialCounted == stats.GetLifetimeSocial();
  if (!totalsAgree)
    std::fprintf(stderr, "the lifetime totals (%d solo, %d social) are not the years' sums (%d, %d)\n",
                 stats.GetLifetimeSolo(), stats.GetLifetimeSocial(), soloCounted, socialCounted);
  // Keys the game looked up without finding a text: each would reach a player as the key.
  std::string missing;
  for (const MissingText& miss : MissingTexts()) missing += (missing.empty() ? "" : ",") + miss.key;
  std::printf("missing_texts %d\n", MissingTextCount());
  std::printf("missing_text_keys %s\n", missing.empty() ? "-" : missing.c_str());
  if (saveEvery > 0) {
    std::printf("save_trips %d\n", saveTrips);
    std::printf("us_per_save_trip %s\n", Average(saveUs, saveTrips).c_str());
  }

  return finish(totalsAgree && savedAsAsked ? 0 : 1);
}
