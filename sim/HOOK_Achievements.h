// Achievements and the four writing and research projects.
//
// The achievement list holds, once each and in unlock order, the "ACH_" keys of notable things
// the player has done; the save keeps it. The projects (a science theory, a news story, a
// screenplay, a song) advance one work step per activity: each step adds progress and records
// a step quality; at full progress the project is judged once (success with a chance equal to
// the average step quality), rewards or punishes the player, unlocks its achievement and
// starts anew with a new title. A successful screenplay or song starts a royalty stream.
#pragma once

#include <string>
#include <vector>

// The unlocked keys in unlock order.
const std::vector<std::string>& AchievementList();
// Appends the key unless an equal one is already there.
void UnlockAchievement(const char* key);
inline void UnlockAchievement(const std::string& key) { UnlockAchievement(key.c_str()); }
bool IsAchievementUnlocked(const std::string& key);
// Empties the list (a new game; before a load).
void ClearAchievements();

class SIM_AchievementBase {
 public:
  SIM_AchievementBase() = default;
  virtual ~SIM_AchievementBase() = default;
  SIM_AchievementBase(const SIM_AchievementBase&) = delete;
  SIM_AchievementBase& operator=(const SIM_AchievementBase&) = delete;

  // A new project: no progress, no steps and a new random title.
  virtual void Reset();
  // Judges the finished project, rewards or punishes, and starts a new one.
  virtual void Complete();
  // One work step: a step quality and progress worked out from the player's values.
  virtual void Work() = 0;

  // progress += RandomFloat(0.9, 1.1) x amount; completes at 1.0 or more.
  void AddProgress(float amount);
  // Appends a step quality, clamped to 0..1.
  void AddStepQuality(float quality);
  float GetAverageQuality() const;
  float GetProgress() const { return progress_; }
  float GetQuality() const { return quality_; }
  std::string GetTitle() const { return title_; }
  const std::vector<float>& GetStepQualities() const { return stepQualities_; }
  // The state a save holds, put back as it was (no random draw).
  void Restore(float progress, float quality, const std::string& title,
               const std::vector<float>& stepQualities);
  // Progress, quality, steps and title emptied without drawing a new title (the world's reset).
  void Clear();

  // The project's numbered title section of "data/strings.ini", the label key of its progress
  // panel and the placeholder its messages carry.
  virtual const char* TitleSection() const = 0;
  virtual const char* LabelKey() const = 0;

 protected:
  // The common judgement; the subclasses' tables fill in what differs.
  struct Outcome {
    float tovel = 0.0f;           // Tovel on success (failure costs a quarter when punished)
    bool tovelAfterSound = false;  // the success Tovel is given after the applause
    float confidence = 0.0f;      // confidence on success, 0 for none
    float confidenceDegrade = 0.0f;
    const char* confidenceSource = "";
    bool punishFailure = true;    // failure costs Tovel and confidence
    const char* failureSource = "";
    const char* placeholder = "";
    const char* successText = "";
    const char* successTitle = "";
    const char* failureText = "";
    const char* failureTitle = "";
    const char* successTalk = "";
    const char* failureTalk = "";
    const char* successKey = "";
    const char* failureKey = "";
    int royaltyType = -1;  // 0 song, 1 screenplay, -1 no royalty
    float minRoyalty = 0.0f;
    float maxRoyalty = 0.0f;
  };
  void Judge(const Outcome& outcome);

  float progress_ = 0.0f;
  float quality_ = 0.0f;
  std::vector<float> stepQualities_;
  std::string title_;
};

class SIM_ScienceTheory : public SIM_AchievementBase {
 public:
  static SIM_ScienceTheory& Instance();
  void Complete() override;
  void Work() override;
  const char* TitleSection() const override { return "sciencetheories"; }
  const char* LabelKey() const override { return "CURRENT_THEORY"; }
};

class SIM_NewsStory : public SIM_AchievementBase {
 public:
  static SIM_NewsStory& Instance();
  void Complete() override;
  void Work() override;
  const char* TitleSection() const override { return "newsstories"; }
  const char* LabelKey() const override { return "CURRENT_STORY"; }
};

class SIM_ScreenplayWriting : public SIM_AchievementBase {
 public:
  static SIM_ScreenplayWriting& Instance();
  void Complete() override;
  void Work() override;
  const char* TitleSection() const override { return "screenplays"; }
  const char* LabelKey() const override { return "CURRENT_TITLE"; }
};

class SIM_SongWriting : public SIM_AchievementBase {
 public:
  static SIM_SongWriting& Instance();
  void Complete() override;
  void Work() override;
  const char* TitleSection() const override { return "songtitles"; }
  const char* LabelKey() const override { return "CURRENT_SONG"; }
};

// The four projects in the save's order: song, screenplay, theory, story.
std::vector<SIM_AchievementBase*> AllProjects();
// Every project emptied, no title drawn (the world's reset draws no random number).
void ClearProjects();
// Every project started afresh with a new title (a new game).
void ResetProjects();
// Projects completed since the counter was last cleared (the bench reports it).
int ProjectsCompleted();
void ClearProjectsCompleted();

// The hooks of the four projects: one work step each. The solo activity that calls them uses
// the slot, pays and applies its own modifiers; a hook opens no window.
void HookDevelopTheory();
void HookInvestigateStory();
void HookWriteScreenplay();
void HookWriteSong();
