// Simulation root.
#include "sim/SIM_SIM.h"

#include <optional>

#include "engine/CallTrace.h"
#include "engine/DebugLog.h"
#include "engine/ProcessBase.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_LoadScreen.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_RestaurantChooser.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "hooks/GUI_BookDetails.h"
#include "hooks/GUI_RoyaltyReport.h"
#include "hooks/HOOK_Achievements.h"
#include "hooks/HOOK_EveningClassType.h"
#include "hooks/SIM_Alcohol.h"
#include "hooks/SIM_PetBase.h"
#include "hooks/SIM_PetFood.h"
#include "hooks/SIM_RoyaltyStream.h"
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

void Progress(float progress) { GUI_LoadScreen::Instance().Draw(progress); }

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
  TraceCall("SIM_SIM::Init");
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
  initialised_ = true;
}

void SIM_SIM::NewGame() {
  TraceCall("SIM_SIM::NewGame");
  gameOver_ = false;
  ClearAchievements();
  SIM_JobBase::LoadAll();
  GlobalNamedValues().Clear();
  SIM_Attribute::ClearRegistry();
  Progress(0.0f);

  SIM_Statistics::Instance().Reset();
  SIM_Relationship::ClearFriendMadeToday();  // a friend made in the last game's day does not count here
  SIM_SocialInvitation::DeleteAll();
  SetStartDate();
  // The last game's weather spell does not run on into the new one: the first day rolls.
  SIM_Weather::Instance().SetDaysToChange(0);
  SIM_Romance::Reset();
  SIM_BowlingTeam::Instance().Reset();
  SIM_PortraitDatabase::Load();
  SIM_EventCalendar::Instance().Reset();
  Progress(0.125f);

  SIM_RoyaltyStream::DeleteAll();
  SIM_Finances::Instance().NewGameCash();
  SIM_Dirt::Instance().Reset();
  SIM_Vesk::Instance()->NewGame();
  SIM_SocialiseInstance::DeleteAll();
  SIM_SoloActivityInstance::DeleteAll();
  Progress(0.25f);

  SIM_Tovel::Instance().Reset();
  SIM_NPC::ResetAll();
  Progress(0.375f);

  LoadEveningClassTypes();
  SIM_Health::Instance().Reset();
  GUI_DirtSprites::Refresh();
  SIM_Crime::ResetTimers();
  Progress(0.5f);

  SIM_Rumour::DeleteAll();
  SIM_Restaurant::LoadAll();
  Progress(0.6f);
  SIM_Movie::LoadAll();
  SIM_SpecialEvent::LoadAll();
  Progress(0.75f);

  SIM_PetFood::ClearStocks();
  LoadAssets();
  SIM_Vesk::Instance()->Recalculate();
  SIM_Tovel::Instance().DailyUpdate();
  SIM_EntertainJob::UpdatePool();
  SIM_Sounds::ResetPersonSoundTimer();
  SIM_SmallTalk::Clear();
  LayOutNPCIcons();
  LayOutNPCIcons();
  SIM_AvatarDescription::Rebuild();

  phase_ = PHASE_ACTIVITIES;
  actsPerDay_ = 1;
  actsUsed_ = 0;
  LoadCheats();
  Progress(1.0f);
}

void SIM_SIM::Shutdown() {
  TraceCall("SIM_SIM::Shutdown");
  SIM_SpecialEvent::DeleteAll();
  SIM_CommuteMethod::DeleteAll();
  SIM_Movie::DeleteAll();
  SIM_Rumour::DeleteAll();
  SIM_JobBase::DeleteAll();
  SIM_Vesk::Instance()->SetJob(nullptr);  // the job types are gone
  SIM_SmallTalk::Clear();
  SIM_Asset::DeleteAll();
  SIM_SoloActivityInstance::DeleteAll();
  SIM_SoloActivityType::DeleteAll();
  SIM_SocialiseType::DeleteAll();
  SIM_SocialiseInstance::DeleteAll();
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
  TraceCall("SIM_SIM::NextDay");
  // 1. Close what belongs to the day that ends. The day's unopened e-mail items (special
  // events, invitations) go with it.
  GUI_SoloActivityChooser::Close();
  GUI_RestaurantChooser::Close();
  GUI_BookDetails::Close();
  GUI_RoyaltyReport::Close();
  GUI_Email::DeleteAll();
  SIM_Sounds::StopSound("data/sounds/telephone.ogg");
  SIM_SocialInvitation::DeleteAll();
  GUI_SocialInvitation::CloseAll();
  GUI_PostMortem::Close();

  // 2. The daily processes.
  SIM_Effect::DailyUpdateAll();
  GUI_DirtSprites::Refresh();
  SIM_JobOffer::DailyUpdate();
  SIM_JobBase::RollOpenings();
  ProcessBase::ProcessAll();

  // 3. The date; nothing more happens once the game has ended.
  CurrentDate().AdvanceDay(1);
  if (GUI_EndGame::Instance()->IsOpen()) return;

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

  // 7.
  phase_ = PHASE_DAYSTART;

  // 8. Work, on a weekday for a well player with a job.
  const bool noJob = PlayerHasNoJob();
  SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  if (SIM_Health::Instance().IsHealthy() && job && !noJob && CurrentDate().GetDayOfWeek() < 5) {
    SIM_Commute::DailyCommute();
    job->WorkDay();
    SIM_JobInstance::DailyUpdate();
  }

  // 9. A day without work.
  if (noJob) {
    SIM_Finances::Instance().Earn(SIM_GlobalVariables::Instance().Get("GV_UNEMPLOYMENT_BENEFIT"));
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
  LayOutNPCIcons();

  // 11. The summary, whose closing opens the activities.
  GUI_WorkDay::Instance()->Show();

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
  GUI_ControlPanel::OnActsUsedUp();
}

void SIM_SIM::SetPhase(int phase) {
  phase_ = phase;
  if (phase == PHASE_ACTIVITIES) SIM_SpecialEvent::TriggerCheck();
}

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
