// Stand-in for the player's hold on a job until it is built: the salary is what a test sets
// (0 otherwise); the daily step records its call.
#pragma once

class SIM_JobBase;
class SIM_NamedValue;

class SIM_JobInstance {
 public:
  static void DailyUpdate();
  static SIM_JobInstance* Create(SIM_JobBase* job) { return new SIM_JobInstance(job); }

  SIM_JobBase* GetJob() const { return job_; }
  float GetSalary() const { return salary_; }
  void SetSalary(float salary) { salary_ = salary; }
  void SetCommuteDistance(float distance) { commuteDistance_ = distance; }
  float GetCommuteDistance() const { return commuteDistance_; }
  void SetDaysInJob(int days) { daysInJob_ = days; }
  int GetDaysInJob() const { return daysInJob_; }
  int GetLevel() const { return level_; }
  void SetLevel(int level) { level_ = level; }
  float GetAveragePerformance() const { return 0.5f; }
  bool IsTopLevel() const { return level_ >= 5; }
  bool IsPromotionTooSoon() const { return daysSincePromotion_ < 20; }
  void SetDaysSincePromotion(int days) { daysSincePromotion_ = days; }
  const SIM_NamedValue* GetBoundAttribute(int) const { return nullptr; }

 private:
  explicit SIM_JobInstance(SIM_JobBase* job) : job_(job) {}
  SIM_JobBase* job_;
  float salary_ = 0.0f;
  float commuteDistance_ = 0.0f;
  int daysInJob_ = 0;
  int level_ = 0;
  int daysSincePromotion_ = 0;
};
