// The player's hold on one job type: the level reached (0..5), a ten-day history of work
// performance, the attributes that make up that performance, the days worked and the days
// since the last promotion. Taking a job replaces it; a job of the "legal" industry gets a
// SIM_LegalJob, which also runs court cases.
#pragma once

#include <array>
#include <string>

class SIM_JobBase;
class SIM_NamedValue;

class SIM_JobInstance {
 public:
  static constexpr int kHistory = 10;
  static constexpr int kTopLevel = 5;
  struct Performance {
    bool valid = false;
    float value = 0.0f;
  };

  // A SIM_LegalJob for the "legal" industry, else a plain instance.
  static SIM_JobInstance* Create(SIM_JobBase* job);
  explicit SIM_JobInstance(SIM_JobBase* job);
  virtual ~SIM_JobInstance() = default;

  // Looks up the player's values named by the job's three promotion attributes. A missing
  // one counts as 0 (one warning per job and name).
  void BindAttributes();
  // Minimum salary plus a fifth of the range per level (0 without a job).
  float GetSalary() const;
  bool IsTopLevel() const { return level_ >= kTopLevel; }
  bool IsPromotionTooSoon() const;
  // What keeps the next promotion off for now: the top grade; too soon after the last
  // promotion; too few days in this job (a player never promoted here still inside the gap,
  // which counts from the job's first day, or a history not yet full). None when only the
  // work itself (and luck) decides.
  enum class PromotionHold { kNone, kTopLevel, kTooNew, kTooSoon };
  PromotionHold GetPromotionHold() const;

  // The day's update: history, average, promotion, days counters, highest-salary statistic.
  // A contract that runs out is only recorded here (ContractEnded); the caller acts on it
  // after the update (EndContractIfDue), since ending it replaces this very object.
  virtual void DailyUpdate();
  bool TryPromotion();
  void Promote();
  // Counts the day in the job; true when the contract runs out today.
  bool EndContract();
  bool ContractEnded() const { return contractEnded_; }
  // The player's job as its day's update left it, taken before a contract end replaced it.
  struct DayEnd {
    bool updated = false;  // the player had a job instance to update
    int daysInJob = 0;
    float salary = 0.0f;
    bool contractEnded = false;
  };
  // Runs the player's instance's day and then, when its contract ran out, moves the player to
  // "unemployed" with the contract-end message. Returns the job's day as it ended.
  static DayEnd DailyUpdatePlayer();

  SIM_JobBase* GetJob() const { return job_; }
  int GetLevel() const { return level_; }
  void SetLevel(int level);
  float GetAveragePerformance() const { return average_; }
  int GetHistoryCount() const { return historyCount_; }
  const std::array<Performance, kHistory>& GetHistory() const { return history_; }
  void SetHistory(const std::array<Performance, kHistory>& history);
  // The current value of bound attribute i (0 for a missing one).
  float GetAttributeValue(int i) const;
  const SIM_NamedValue* GetBoundAttribute(int i) const { return attributes_[i]; }
  int GetDaysSincePromotion() const { return daysSincePromotion_; }
  void SetDaysSincePromotion(int days) { daysSincePromotion_ = days; }
  void SetDaysInJob(int days) { daysInJob_ = days; }
  int GetDaysInJob() const { return daysInJob_; }
  // The miles to work are the job type's.
  float GetCommuteDistance() const;
  void SetCommuteDistance(float distance);

 protected:
  void ComputeAveragePerformance();

  SIM_JobBase* job_;
  int level_ = 0;
  std::array<Performance, kHistory> history_ = {};
  float average_ = 0.5f;
  std::array<SIM_NamedValue*, 3> attributes_ = {};
  int historyCount_ = 0;
  int daysSincePromotion_ = 0;
  int daysInJob_ = 0;
  bool contractEnded_ = false;
};

// A lawyer's job: besides the plain instance, a court case every five days.
class SIM_LegalJob : public SIM_JobInstance {
 public:
  static constexpr int kCaseLength = 5;
  explicit SIM_LegalJob(SIM_JobBase* job);
  void DailyUpdate() override;
  void NewCase();

  float GetCaseDifficulty() const { return caseDifficulty_; }
  const std::string& GetCaseTitle() const { return caseTitle_; }
  int GetCaseLength() const { return caseLength_; }
  int GetDaysIntoCase() const { return daysIntoCase_; }
  float GetCaseValue() const { return caseValue_; }
  // Restoring a saved case.
  void SetCase(float difficulty, const std::string& title, int length, int daysInto, float value);

 private:
  float caseDifficulty_ = 0.0f;
  std::string caseTitle_;
  int caseLength_ = kCaseLength;
  int daysIntoCase_ = 0;
  float caseValue_ = 0.0f;
};
