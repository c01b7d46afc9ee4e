// Achievements and the writing and research projects.
#include "sim/HOOK_Achievements.h"

#include <algorithm>
#include <cmath>

#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

namespace {

std::vector<std::string>& Keys() {
  static std::vector<std::string> keys;
  return keys;
}

int g_completed = 0;

// News of a finished project stays fresh for four days.
constexpr int kNewsDays = 4;

float Gv(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }
float Value(const char* name) { return SIM_Vesk::Instance()->GetValue(name); }

// The translated text with the first placeholder replaced by the title.
std::string WithTitle(const char* key, const char* placeholder, const std::string& title) {
  std::string text = Translate(key);
  const size_t at = text.find(placeholder);
  if (at != std::string::npos) text.replace(at, std::string(placeholder).size(), title);
  return text;
}

}  // namespace

const std::vector<std::string>& AchievementList() { return Keys(); }

void UnlockAchievement(const char* key) {
  if (!key || IsAchievementUnlocked(key)) return;
  Keys().emplace_back(key);
}

bool IsAchievementUnlocked(const std::string& key) {
  return std::find(Keys().begin(), Keys().end(), key) != Keys().end();
}

void ClearAchievements() { Keys().clear(); }

// ---- the common part of the projects ----

void SIM_AchievementBase::Reset() {
  Clear();
  title_ = GetRandomStringFromFile(TitleSection(), kStringsFile);
}

void SIM_AchievementBase::Clear() {
  progress_ = 0.0f;
  quality_ = 0.0f;
  stepQualities_.clear();
  title_.clear();
}

void SIM_AchievementBase::Complete() { Reset(); }

void SIM_AchievementBase::AddProgress(float amount) {
  progress_ += RandomFloat(0.9f, 1.1f) * amount;
  if (progress_ >= 1.0f) Complete();
}

void SIM_AchievementBase::AddStepQuality(float quality) {
  // A value that is not a number (a broken tuning value) counts as the worst step.
  if (!(quality > 0.0f)) quality = 0.0f;
  stepQualities_.push_back(std::min(quality, 1.0f));
}

float SIM_AchievementBase::GetAverageQuality() const {
  // A project completed without any recorded step (a restored one) has no quality.
  if (stepQualities_.empty()) return 0.0f;
  double sum = 0.0;
  for (float q : stepQualities_) sum += q;
  return static_cast<float>(sum / static_cast<double>(stepQualities_.size()));
}

void SIM_AchievementBase::Restore(float progress, float quality, const std::string& title,
                                  const std::vector<float>& stepQualities) {
  progress_ = progress;
  quality_ = quality;
  title_ = title;
  stepQualities_ = stepQualities;
}

void SIM_AchievementBase::Judge(const Outcome& o) {
  ++g_completed;
  quality_ = GetAverageQuality();
  SIM_Vesk* player = SIM_Vesk::Instance();
  // The chance test alone fails a perfect project on the generator's top draw (a unit draw
  // of exactly 1 is not below 1): a project whose every step was perfect always succeeds.
  const bool success = RandomChance(quality_) || quality_ >= 1.0f;
  if (success) {
    if (!o.tovelAfterSound) SIM_Tovel::Instance().Add(o.tovel);
    if (o.confidence != 0.0f)
      player->ModifyValue("confidence", o.confidence, o.confidenceDegrade, o.confidenceSource);
    if (o.royaltyType >= 0)
      CreateRoyaltyStream(title_, RandomFloat(o.minRoyalty, o.maxRoyalty * quality_),
                          o.royaltyType);
    Screens().ShowMessage(WithTitle(o.successText, o.placeholder, title_),
                          Translate(o.successTitle));
    SIM_SmallTalk::AddNews(o.successTalk, kNewsDays);
    SIM_Sounds::PlaySound("data/sounds/applause.ogg");
    if (o.tovelAfterSound) SIM_Tovel::Instance().Add(o.tovel);
    UnlockAchievement(o.successKey);
  } else {
    if (o.punishFailure) {
      SIM_Tovel::Instance().Add(-0.25f * SIM_Tovel::Instance().GetTotal());
      player->ModifyValue("confidence", -0.4f, 0.65f, o.failureSource);
    }
    Screens().ShowMessage(WithTitle(o.failureText, o.placeholder, title_),
                          Translate(o.failureTitle));
    SIM_SmallTalk::AddNews(o.failureTalk, kNewsDays);
    UnlockAchievement(o.failureKey);
  }
  Reset();
}

// ---- science theory ----

SIM_ScienceTheory& SIM_ScienceTheory::Instance() {
  static SIM_ScienceTheory project;
  return project;
}

void SIM_ScienceTheory::Work() {
  const float disc = Gv("GV_DISC_THEORY_PROG");
  const float amount = Gv("GV_BASE_THEORY_PROG") + disc * Value("basic_chemistry") +
                       disc * Value("basic_biology") + disc * Value("basic_physics");
  AddStepQuality(0.5f + 0.5f * Value("iq") - 0.5f * Value("alcohol") -
                 0.25f * Value("tiredness") - 0.25f * Value("stress"));
  SIM_Sounds::PlaySound("data/sounds/laboratory.ogg");
  AddProgress(amount);
}

void SIM_ScienceTheory::Complete() {
  Outcome o;
  o.tovel = Gv("GV_THEORY_TOVEL_BOOST");
  o.confidence = 0.4f;
  o.confidenceDegrade = 0.65f;
  o.confidenceSource = "good theory";
  o.failureSource = "bad theory";
  o.placeholder = "<THEORYNAME>";
  o.successText = "THEORY_SUCCESS_TEXT";
  o.successTitle = "THEORY_SUCCESS_TITLE";
  o.failureText = "THEORY_FAILURE_TEXT";
  o.failureTitle = "THEORY_FAILURE_TITLE";
  o.successTalk = "SMALLTALK_THEORY_SUCCESS";
  o.failureTalk = "SMALLTALK_THEORY_FAILURE";
  o.successKey = "ACH_THEORY_SUC";
  o.failureKey = "ACH_THEORY_FAI";
  Judge(o);
}

// ---- news story ----

SIM_NewsStory& SIM_NewsStory::Instance() {
  static SIM_NewsStory project;
  return project;
}

void SIM_NewsStory::Work() {
  const float amount = Gv("GV_BASE_NEWSSTORY_PROG") * RandomFloat(0.9f, 1.1f);
  AddStepQuality(0.25f + 0.05f * static_cast<float>(SIM_Vesk::Instance()->CountFriends()));
  SIM_Sounds::PlaySound("data/sounds/typing.ogg");
  AddProgress(amount);
}

void SIM_NewsStory::Complete() {
  Outcome o;
  o.tovel = Gv("GV_NEWSSTORY_TOVEL");
  o.confidence = 0.3f;
  o.confidenceDegrade = 0.8f;
  o.confidenceSource = "news story";
  o.failureSource = "bad theory";
  o.placeholder = "<STORYNAME>";
  o.successText = "NEWSSTORY_SUCCESS_TEXT";
  o.successTitle = "NEWSSTORY_SUCCESS_TITLE";
  o.failureText = "NEWSSTORY_FAILURE_TEXT";
  o.failureTitle = "NEWSSTORY_FAILURE_TITLE";
  o.successTalk = "SMALLTALK_NEWSSTORY_SUCCESS";
  o.failureTalk = "SMALLTALK_NEWSSTORY_FAILURE";
  o.successKey = "ACH_STORY_SUC";
  o.failureKey = "ACH_STORY_FAI";
  Judge(o);
}

// ---- screenplay ----

SIM_ScreenplayWriting& SIM_ScreenplayWriting::Instance() {
  static SIM_ScreenplayWriting project;
  return project;
}

void SIM_ScreenplayWriting::Work() {
  const float amount = Gv("GV_SCREENPLAY_PROGBASE") + Gv("GV_SCREENPLAY_CULTMULT") * Value("culture");
  AddStepQuality((Gv("GV_SCREENPLAY_QUALBASE") + Gv("GV_SCREENPLAY_QUALGAIN") * Value("xp_writing")) *
                 RandomFloat(0.8f, 1.2f));
  AddProgress(amount);
  SIM_Sounds::PlaySound("data/sounds/typing.ogg");
}

void SIM_ScreenplayWriting::Complete() {
  // Finishing a screenplay teaches writing, whatever the critics say.
  SIM_Vesk::Instance()->ModifyValue("xp_writing", Gv("GV_SCREENPLAY_XPPERBOOK"), 1.0f, "screenplay");
  Outcome o;
  o.tovel = Gv("GV_SCREENPLAY_TOVEL_BOOST");
  o.tovelAfterSound = true;
  o.failureSource = "bad screenplay";
  o.placeholder = "<SCREENPLAYNAME>";
  o.successText = "SCREENPLAY_SUCCESS_TEXT";
  o.successTitle = "SCREENPLAY_SUCCESS_TITLE";
  o.failureText = "SCREENPLAY_FAILURE_TEXT";
  o.failureTitle = "SCREENPLAY_FAILURE_TITLE";
  o.successTalk = "SMALLTALK_SCREENPLAY_SUCCESS";
  o.failureTalk = "SMALLTALK_SCREENPLAY_FAILURE";
  o.successKey = "ACH_SCRE_SUC";
  o.failureKey = "ACH_SCRE_FAI";
  o.royaltyType = SIM_RoyaltyStream::kScreenplay;
  o.minRoyalty = Gv("GV_SCREENPLAY_MINROYALTY");
  o.maxRoyalty = Gv("GV_SCREENPLAY_MAXROYALTY");
  Judge(o);
}

// ---- song ----

SIM_SongWriting& SIM_SongWriting::Instance() {
  static SIM_SongWriting project;
  return project;
}

void SIM_SongWriting::Work() {
  const float inst = Gv("GV_INST_SONGWRITE_PROG");
  const float amount = Gv("GV_BASE_SONGWRITE_PROG") + inst * Value("music_guitar") +
                       inst * Value("music_piano") + inst * Value("music_saxophone");
  // A song wants strong feelings, happy or sad: the middle writes nothing worth hearing.
  AddStepQuality(2.0f * std::fabs(Value("happiness") - 0.5f) * RandomFloat(0.95f, 1.05f));
  AddProgress(amount);
}

void SIM_SongWriting::Complete() {
  Outcome o;
  o.tovel = Gv("GV_SONG_TOVEL_BOOST");
  o.tovelAfterSound = true;
  o.punishFailure = false;
  o.placeholder = "<SONGNAME>";
  o.successText = "SONGWRITING_SUCCESS_TEXT";
  o.successTitle = "SONGWRITING_SUCCESS_TITLE";
  o.failureText = "SONGWRITING_FAILED_TEXT";
  o.failureTitle = "SONGWRITING_FAILED_TITLE";
  o.successTalk = "SMALLTALK_SONGWRITE_SUCCESS";
  o.failureTalk = "SMALLTALK_SONGWRITE_FAILURE";
  o.successKey = "ACH_SON_SUC";
  o.failureKey = "ACH_SON_FAI";
  o.royaltyType = SIM_RoyaltyStream::kSong;
  o.minRoyalty = Gv("GV_SONG_MINROYALTY");
  o.maxRoyalty = Gv("GV_SONG_MAXROYALTY");
  Judge(o);
}

// ---- all four ----

std::vector<SIM_AchievementBase*> AllProjects() {
  return {&SIM_SongWriting::Instance(), &SIM_ScreenplayWriting::Instance(),
          &SIM_ScienceTheory::Instance(), &SIM_NewsStory::Instance()};
}

void ClearProjects() {
  for (SIM_AchievementBase* p : AllProjects()) p->Clear();
}

void ResetProjects() {
  for (SIM_AchievementBase* p : AllProjects()) p->Reset();
}

int ProjectsCompleted() { return g_completed; }
void ClearProjectsCompleted() { g_completed = 0; }

void HookDevelopTheory() { SIM_ScienceTheory::Instance().Work(); }
void HookInvestigateStory() { SIM_NewsStory::Instance().Work(); }
void HookWriteScreenplay() { SIM_ScreenplayWriting::Instance().Work(); }
void HookWriteSong() { SIM_SongWriting::Instance().Work(); }
