// Simulation root.
#include "sim/SIM_SIM.h"

#include <optional>

#include "engine/DebugLog.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PetFood.h"
#include "sim/SIM_RoyaltyStream.h"
#include "platform/Clock.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_Commute.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Crime.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Names.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityInstance.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace {

std::optional<uint32_t>& FixedSeed() {
  static std::optional<uint32_t> seed;
  return seed;
}

void Progress(float progress) { Screens().DrawLoadScreen(progress); }

bool PlayerHasNoJob() {
  const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  return job && job->IsDayFree();
}

}  // namespace

void TraceEvent(const std::string& text) {}

void SeedRandomFromClock() { SeedRandom(FixedSeed() ? *FixedSeed() : plat::TickMs()); }
void SetFixedRandomSeed(uint32_t seed) { FixedSeed() = seed; }
void ClearFixedRandomSeed() { FixedSeed().reset(); }

SIM_SIM& SIM_SIM::Instance() {
  static SIM_SIM* sim = new SIM_SIM();  // lives until the process ends
  return *sim;
}

void SIM_SIM::Init() {
  if (initialised_) return;
  SIM_GlobalVariables::Instance().Load();
  SIM_PlayerOptions::Instance().Load();
  SeedRandomFromClock();
  SIM_PetBase::ClearPets();
  LoadMonthNames();
  SIM_InterestType::LoadAll();
  SIM_Names::Load();
  Progress(0.35f);
  SIM_CharacterType::LoadAll();
  SIM_SocialiseType::Reload();
  SIM_SoloActivityType::Reload();
  Progress(0.4f);
  LoadAssets();
  SIM_Weather::Instance().Load();
  LoadCommuteMethods();
  // The tables a game rebuilds are read now too: a save chosen from the load menu before any
  // game has started is checked against them before the running world is thrown away.
  SIM_JobBase::LoadAll();
  SIM_SpecialEvent::LoadAll();
  LoadEveningClassTypes();
  initialised_ = true;
}

void SIM_SIM::ResetWorld() {
  // Throws the running game away and rebuilds the tables a game changes; nothing here draws
  // a random number. Both a new game and a load start here; what each then builds on top
  // (new characters and a start date, or the saved ones) is theirs.
  gameOver_ = false;
  dayWaitsOnEnd_ = false;
  dayAtWork_ = DayAtWork{};
  // The last game's mail goes before what it carries; a load then makes the saved day's again.
  Screens().DeleteAllEmail();
  // The characters go first: they point at job types, and the job table is rebuilt under them.
  SIM_NPC::DeleteAll();
  SIM_Vesk::Instance()->SetJob(nullptr);
  // The offers point into the job table: they go before it is read again.
  SIM_JobOffer::DeleteAll();
  SIM_JobBase::LoadAll();
  ClearAchievements();
  ClearProjects();
  GlobalNamedValues().Clear();
  // Today's weather follows the (now empty) published values, as a load's follows the file's:
  // a kind left from the last game would steer the first commute's stress in one and not the
  // other.
  SIM_Weather::Instance().RestoreFromGlobals();
  SIM_Attribute::ClearRegistry();
  SIM_Statistics::Instance().Reset();
  SIM_Relationship::ClearFriendMadeToday();  // a friend made in the last game's day does not count here
  SIM_SocialInvitation::DeleteAll();
  SIM_Romance::Reset();
  SIM_BowlingTeam::Instance().Reset();
  SIM_PortraitDatabase::Load();
  SIM_EventCalendar::Instance().Reset();
  SIM_RoyaltyStream::DeleteAll();
  SIM_Dirt::Instance().Reset();
  SIM_SocialiseInstance::DeleteAll();
  SIM_SoloActivityInstance::DeleteAll();
  SIM_Tovel::Instance().Reset();
  LoadEveningClassTypes();
  SIM_Health::Instance().Reset();
  Screens().RefreshDirtSprites();
  SIM_Commute::Instance().Reset();
  SIM_Rumour::DeleteAll();
  // The films and restaurants are drawn by the new game (or restored by the load) once the
  // player they roll for is there; nothing of the last game's is left to point at.
  SIM_Restaurant::DeleteAll();
  SIM_Movie::DeleteAll();
  SIM_SpecialEvent::LoadAll();
  SIM_PetFood::ClearStocks();
  SIM_Alcohol::Reset();
  LoadAssets();
  // The ways to work too, so a game never starts on a list a tool or a test left behind.
  LoadCommuteMethods();
  SIM_Sounds::ResetPersonSoundTimer();
  // A run without screens answers its windows itself; nothing of the last game stays open.
  if (auto* headless = dynamic_cast<SIM_HeadlessScreens*>(&Screens())) headless->Reset();
}

void SIM_SIM::NewGame() {
  Progress(0.0f);
  ResetWorld();
  // The people of the last game are gone: their SLIDs start again right after the player's,
  // so a new game does not depend on how many characters earlier games made.
  SIM_SaveGame::SetNextSLID(SIM_Vesk::Instance()->GetSLID() + 1);
  SIM_Weather::Instance().Clear();
  // The standing's count of kinds tried would otherwise keep the last game's until the first
  // day's recount, and the new game's people take their demands from the standing.
  SIM_Tovel::Instance().RecountActivities();
  SIM_JobBase::RollOpenings();
  ResetProjects();
  Progress(0.25f);

  SetStartDate();
  SIM_Crime::ResetTimers();
  SIM_Finances::Instance().NewGameCash();
  SIM_Vesk::Instance()->NewGame();
  Progress(0.5f);
  SIM_NPC::ResetAll();
  Progress(0.75f);

  SIM_Vesk::Instance()->Recalculate();
  SIM_Tovel::Instance().DailyUpdate();
  SIM_EntertainJob::UpdatePool();
  SIM_SmallTalk::Clear();
  SIM_BowlingTeam::Instance().PickMatchDay();
  SIM_Restaurant::LoadAll();
  SIM_Movie::LoadAll();
  Screens().LayOutNPCIcons();
  Screens().LayOutNPCIcons();
  SIM_AvatarDescription::Rebuild();

  phase_ = PHASE_ACTIVITIES;
  // The first day opens without a check, and none is due.
  SIM_SpecialEvent::SetDayChecked(true);
  actsPerDay_ = 1;
  actsUsed_ = 0;
  LoadCheats();
  Progress(1.0f);
}

void SIM_SIM::Shutdown() {
  // The day's mail carries what goes below; a game quit with letters waiting frees them.
  Screens().DeleteAllEmail();
  SIM_SpecialEvent::DeleteAll();
  SIM_CommuteMethod::DeleteAll();
  SIM_Movie::DeleteAll();
  SIM_Rumour::DeleteAll();
  SIM_JobOffer::DeleteAll();
  dayAtWork_ = DayAtWork{};
  SIM_JobBase::DeleteAll();
  SIM_Vesk::Instance()->SetJob(nullptr);  // the job types are gone
  SIM_SmallTalk::Clear();
  SIM_Asset::DeleteAll();
  SIM_SoloActivityInstance::DeleteAll();
  SIM_SoloActivityType::DeleteAll();
  HOOK_EveningClassType::DeleteAll();
  // Invitations hold characters and kinds of evening: they go before either.
  SIM_SocialInvitation::DeleteAll();
  SIM_SocialiseInstance::DeleteAll();
  SIM_SocialiseType::DeleteAll();
  SIM_NPC::DeleteAll();
  SIM_InterestType::DeleteAll();
  SIM_Names::Clear();
  SIM_CharacterType::DeleteAll();
  ReleaseStringCaches();
  SIM_PlayerOptions::Instance().Save();
  SIM_Sounds::StopMusic();
  initialised_ = false;
}

void SIM_SIM::NextDay() {
  // 1. Close what belongs to the day that ends. The day's unopened e-mail items (special
  // events, invitations) go with it.
  SIM_Screens& screens = Screens();
  screens.CloseSoloActivityChooser();
  screens.CloseRestaurantChooser();
  screens.CloseBookDetails();
  screens.CloseRoyaltyReport();
  screens.DeleteAllEmail();
  SIM_Sounds::StopSound("data/sounds/telephone.ogg");
  SIM_SocialInvitation::DeleteAll();
  screens.CloseSocialInvitations();
  screens.ClosePostMortem();

  dayAtWork_ = DayAtWork{};

  // 2. The daily processes.
  SIM_Effect::DailyUpdateAll();
  screens.RefreshDirtSprites();
  SIM_JobOffer::DailyUpdate();
  SIM_JobBase::RollOpenings();
  ProcessBase::ProcessAll();

  // 3. The date. The end-game screen holds the rest of the day until the player leaves the
  // game or keeps on living, which finishes it.
  CurrentDate().AdvanceDay(1);
  if (screens.IsEndGameOpen()) {
    dayWaitsOnEnd_ = true;
    return;
  }
  FinishDay();
}

void SIM_SIM::KeepOnLiving() {
  if (!dayWaitsOnEnd_) return;
  dayWaitsOnEnd_ = false;
  // The end-game screen took the place of the tenth year's review, so leaving it closes that
  // year as the review's continue would, and the next review covers one year, not two. Before
  // the rest of the day, whose autosave must hold the closed year.
  SIM_Statistics::Instance().ResetYear();
  FinishDay();
}

void SIM_SIM::FinishDay() {
  SIM_Screens& screens = Screens();
  // 4. The new day's slots.
  actsUsed_ = 0;
  ComputeActsPerDay();

  // 5. The daily grind.
  const float difficulty = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  const float grind = (difficulty + 0.5f) * 0.1f;
  SIM_Vesk::Instance()->ModifyValue("loneliness", grind, 0.5f, "dailygrind");
  SIM_Vesk::Instance()->ModifyValue("boredom", grind, 0.5f, "dailygrind");

  // 6. The world's day.
  SIM_EntertainJob::UpdatePool();
  SIM_Crime::DailyUpdate();
  SIM_SmallTalk::DailyUpdate();
  SIM_BowlingTeam::Instance().ShowReminder();
  RefreshEveningClassReminders();
  SIM_Restaurant::DailyUpdateAll();

  // 7. The new day has not had its special-event check yet.
  phase_ = PHASE_DAYSTART;
  SIM_SpecialEvent::SetDayChecked(false);

  // 8. Work, on a weekday for a well player with a job. The day is recorded as it was worked:
  // a contract that runs out today moves the player to "unemployed" right after the update,
  // yet today was still a work day in the old job, with its pay and no benefit.
  const bool noJob = PlayerHasNoJob();
  SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  dayAtWork_.recorded = true;
  dayAtWork_.job = job;
  if (SIM_Health::Instance().IsHealthy() && job && !noJob && CurrentDate().GetDayOfWeek() < 5) {
    SIM_Commute::DailyCommute();
    job->WorkDay();
    const SIM_JobInstance::DayEnd end = SIM_JobInstance::DailyUpdatePlayer();
    dayAtWork_.worked = true;
    dayAtWork_.daysInJob = end.daysInJob;
    dayAtWork_.salary = end.salary;
  } else if (const SIM_JobInstance* instance = SIM_Vesk::Instance()->GetJobInstance()) {
    dayAtWork_.daysInJob = instance->GetDaysInJob();
    dayAtWork_.salary = instance->GetSalary();
  }

  // 9. A day without work.
  if (noJob) {
    const float benefit = SIM_GlobalVariables::Instance().Get("GV_UNEMPLOYMENT_BENEFIT");
    SIM_Finances::Instance().Earn(benefit);
    dayAtWork_.benefit = benefit;
    job->ApplyModifiers(1.0f);
  }

  // 10. Possessions, the player and the other characters.
  SIM_Asset::DailyUpdateAll();
  SIM_Alcohol::DailyUpdate();
  SIM_Vesk::Instance()->Recalculate();
  SIM_NPC::DailyAll();
  SIM_Tovel::Instance().DailyUpdate();
  SIM_Relationship::ClearFriendMadeToday();
  SIM_AvatarDescription::Rebuild();
  screens.LayOutNPCIcons();

  // 11. The summary, whose closing opens the activities.
  screens.ShowWorkDay();

  // 12.
  if (SIM_PlayerOptions::Instance().GetToggle(SIM_PlayerOptions::kEnableAutosave))
    SIM_SaveGame::Autosave();

  // 13.
  TraceEvent("Next Day, Finance is " + FormatFixed(SIM_Finances::Instance().GetCash(), 6) +
             " Tovel is " + FormatFixed(SIM_Tovel::Instance().GetTotal(), 6));
}

void SIM_SIM::EndAct() {
  if (actsUsed_ >= actsPerDay_) {
    // A second end for one activity (or an activity after the last slot) would overdraw the
    // day and repeat the day-over steps.
    LogWarning("EndAct with no slot left", "SIM_SIM", 230);
    return;
  }
  ++actsUsed_;
  if (actsUsed_ < actsPerDay_) {
    RefreshEveningClassReminders();
    SIM_BowlingTeam::Instance().ShowReminder();
  } else {
    DayOver();
  }
}

void SIM_SIM::DayOver() {
  phase_ = PHASE_DAYOVER;
  SIM_NPC::ClearInvitedToday();
  SIM_SocialInvitation::LapseAllOpen();
  // The last slot went to something else: a class's note would still call the player to it.
  RefreshEveningClassReminders();
  Screens().OnActsUsedUp();
}

void SIM_SIM::SetPhase(int phase) {
  phase_ = phase;
  if (phase == PHASE_ACTIVITIES) SIM_SpecialEvent::TriggerCheck();
}

void SIM_SIM::RestorePhase(int phase) { phase_ = phase; }

bool SIM_SIM::IsLastAct() const {
  if (actsPerDay_ <= 1) return true;
  return actsUsed_ == actsPerDay_ - 1;
}

void SIM_SIM::ComputeActsPerDay() {
  actsPerDay_ = 1;
  if (PlayerHasNoJob()) actsPerDay_ = 2;
  const int dayOfWeek = CurrentDate().GetDayOfWeek();
  if (dayOfWeek == 5 || dayOfWeek == 6) actsPerDay_ = 2;
}

void SIM_SIM::SetActs(int actsPerDay, int actsUsed) {
  actsPerDay_ = actsPerDay;
  actsUsed_ = actsUsed;
}
