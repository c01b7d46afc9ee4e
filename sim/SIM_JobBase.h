// A job type: one kind of employment the player can apply for or hold. Its texts, employer,
// industry, salary range, tips, rarity, prerequisites and the effects of a work day. The
// catalogue comes from the jobs table and the user's job mod files; it also keeps the day's
// openings, the apply cool-downs, the list of locked jobs that contacts can open to the
// player, the job search and the work-day mechanics (pay, performance, colleagues).
//
// The catalogue owns every job type (table, mod and loaded ones, and the entertainment jobs
// built on top). It is rebuilt by a new game and by a load; nothing may keep a pointer into it
// across a rebuild (see SetRebuildHook for the pending offers).
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_TimeChunkType.h"

class SIM_NPC;
struct SaveJobType;

class SIM_JobBase : public SIM_TimeChunkType {
 public:
  static constexpr int kApplyCooldownDays = 7;
  static constexpr int kColleagueFriendCap = 10;
  // The salary is yearly; a year holds this many working days (365 * 5 / 7 in single
  // precision).
  static constexpr float kWorkingDaysPerYear = 260.714294f;

  explicit SIM_JobBase(const std::string& name);
  ~SIM_JobBase() override;

  // ---- The catalogue ----
  // Deletes every job type and industry, reads the tables and the mod files. The day's
  // openings are not rolled here (no random number is drawn): a new game rolls them, a load
  // restores them.
  static void LoadAll(const std::string& jobsFile = "data/simulation/jobs.csv",
                      const std::string& industriesFile = "data/simulation/industries.csv");
  // Reads every "<user folder>/mods/jobs/*.txt", sorted by name.
  static void LoadMods();
  // The folder whose "mods/jobs" holds the player's own job files ("" for none).
  static void SetUserFolder(const std::string& folder);
  static void DeleteAll();
  // One job type from a table row (null for a row without a name) or a mod file (null when
  // it cannot be read or has no name). Neither joins the catalogue.
  static std::unique_ptr<SIM_JobBase> ReadCsvRow(const std::string& line);
  static std::unique_ptr<SIM_JobBase> ReadModFile(const std::string& path);
  // Takes ownership of a job type (appended to the catalogue; a locked table job also joins
  // the locked list when `lockedList` is set). Returns it.
  static SIM_JobBase* Add(std::unique_ptr<SIM_JobBase> job, bool lockedList = false);
  // Exact, case-sensitive; the first of that name in catalogue order. Null on a miss, and
  // with `report` set a miss is the fatal "Could not find job".
  static SIM_JobBase* FindByName(const std::string& name, bool report = false);
  // The starting job, "waiter_0": reported when a loaded catalogue lacks it; null before the
  // catalogue is read (characters made before any game start without a job).
  static SIM_JobBase* FindDefaultJob() { return FindByName("waiter_0", !All().empty()); }
  // Every job type in catalogue order (not owned by the caller).
  static std::vector<SIM_JobBase*> All();
  // Deletes the catalogue's job of that name (every character holding it loses it first) so
  // a loaded record can take its place. Never deletes `keep` (a freshly loaded job). False
  // when there is none.
  static bool DeleteExisting(const std::string& name, const SIM_JobBase* keep = nullptr);
  // Puts a job read from a save in the place of the catalogue's job of its name (characters
  // holding that one move to it), or at the end when there is none. Returns it.
  static SIM_JobBase* Install(std::unique_ptr<SIM_JobBase> job);
  // Copies the catalogue twin's prerequisites (and what the save does not carry: the colleague
  // standing and the rejection text) into a job read from a save. False when there is no twin.
  bool CopyPrerequisites();
  // Called with no arguments right before the catalogue is deleted (new game, load,
  // shutdown); the job offers clear themselves there so nothing keeps a freed job.
  static void SetRebuildHook(std::function<void()> hook);

  // ---- The day ----
  // Every job's open-today flag is rolled from its rarity, then the cool-downs count down.
  static void RollOpenings();
  static void CountDownCooldowns();
  void StartApplyCooldown() { applyCooldown_ = kApplyCooldownDays; }
  int GetApplyCooldown() const { return applyCooldown_; }
  void SetApplyCooldown(int days) { applyCooldown_ = days; }
  bool IsOpenToday() const { return openToday_; }
  void SetOpenToday(bool open) { openToday_ = open; }
  // Every requirement met, no cool-down, open today.
  bool CanApply() const;

  // ---- The job search ----
  // Fills SearchResult() with the industry's jobs in catalogue order: never the player's
  // current job type or one in cool-down; always open today; with `qualifiedOnly` also not
  // locked and with the prerequisites met.
  static void SearchJobs(const std::string& industry, bool qualifiedOnly);
  static const std::vector<SIM_JobBase*>& SearchResult();
  // One thing an application for the job tests, as the job search lists it: the text of its
  // row, the figure beside it ("" for none; `below` puts "less than" before it), whether the
  // player meets it, and the prerequisite it stands for (null for the contact a locked job
  // needs).
  struct Requirement {
    std::string label;
    std::string value;
    bool below = false;
    bool met = false;
    const SIM_Prerequisite* prerequisite = nullptr;
  };
  // What the job asks of an applicant, in order: its prerequisites, then for a locked job the
  // contact it needs, which the search can never satisfy. The job search draws these rows
  // and its apply button follows them, so nothing an application tests goes unshown.
  std::vector<Requirement> Requirements() const;
  // Every requirement met.
  bool RequirementsMet() const;

  // ---- Locked jobs ----
  static const std::vector<SIM_JobBase*>& LockedJobs();
  // Restoring a saved list: emptied, then refilled in catalogue order.
  static void ClearLockedList();
  static void AddToLockedList(SIM_JobBase* job);
  static void RemoveFromLockedList(const SIM_JobBase* job);
  // Gives the character a random locked job (taken off the locked list) it can later open to
  // the player; nothing when the list is empty.
  static void AssignLockedJobToNpc(SIM_NPC* npc);

  // ---- The work day ----
  // The day's pay: the disposable share of the player's salary per working day, plus a tip
  // that follows the player's mood when the job has tips.
  float ComputeDailyPay();
  // Pay, the job's effects, the performance and its happiness effect, the colleague step.
  // Nothing at weekends.
  void WorkDay();
  // Days since the last colleague grows; now and then a colleague becomes a friend. The
  // colleague made (null when none).
  SIM_NPC* ColleagueStep();
  SIM_NPC* MakeColleague();

  // ---- Fields ----
  const std::string& GetGuiName() const { return guiName_; }
  const std::string& GetEmployer() const { return employer_; }
  const std::string& GetIndustryName() const { return industry_; }
  void SetIndustryName(const std::string& industry) { industry_ = industry; }
  const std::string& GetWorkplace() const { return workplace_; }
  // The female description when `female` is set, else the male one.
  const std::string& GetDescription(bool female) const { return female ? femaleDesc_ : maleDesc_; }
  const std::string& GetMaleDescription() const { return maleDesc_; }
  const std::string& GetFemaleDescription() const { return femaleDesc_; }
  // The job's own rejection text, else the translated general one.
  std::string GetRejectionText() const;
  // The title and the workplace as the player reads them. A job of the tables or the mods
  // holds text keys (a job without a title key shows its name); a pool job of acting or music
  // holds the texts it was made with, as its save record keeps them, and shows them as they are.
  std::string GetShownTitle() const;
  std::string GetShownWorkplace() const;
  const std::string& GetPromoteAttribute(int i) const { return promote_[i]; }
  float GetMinSalary() const { return minSalary_; }
  float GetMaxSalary() const { return maxSalary_; }
  void SetSalaryRange(float minSalary, float maxSalary) {
    minSalary_ = minSalary;
    maxSalary_ = maxSalary;
  }
  float GetMinTip() const { return minTip_; }
  float GetMaxTip() const { return maxTip_; }
  void SetTips(float minTip, float maxTip) {
    minTip_ = minTip;
    maxTip_ = maxTip;
  }
  // The tip of the last work day; -1 before any.
  float GetTodaysTip() const { return todaysTip_; }
  float GetLastPay() const { return lastPay_; }
  bool IsLocked() const { return locked_; }
  void SetLocked(bool locked) { locked_ = locked; }
  float GetRarity() const { return rarity_; }
  float GetSociability() const { return sociability_; }
  float GetSocialTovel() const { return socialTovel_; }
  // Miles to work; below 0 until the job is first taken (drawn then, so reading the tables
  // draws no random number).
  float GetCommuteDistance() const { return commuteDistance_; }
  void SetCommuteDistance(float miles) { commuteDistance_ = miles; }
  // Draws the distance when it has none yet; returns it.
  float EnsureCommuteDistance();
  int GetDuration() const { return duration_; }
  void SetDuration(int days) { duration_ = days; }
  int GetDaysSinceLastColleague() const { return daysSinceLastColleague_; }
  void SetDaysSinceLastColleague(int days) { daysSinceLastColleague_ = days; }
  SIM_NPC* GetColleague() const { return colleague_; }
  void ForgetColleague() { colleague_ = nullptr; }
  // Whether the day is free of work (only "unemployed" after a contract end).
  bool IsDayFree() const { return !worksInTheDay_; }
  void SetWorksInTheDay(bool works) { worksInTheDay_ = works; }
  // True for a job restored from a save (the catalogue never deletes it to make room).
  bool IsLoaded() const { return loaded_; }
  // False for jobs that are not the tables' or the mods' (the generated entertainment jobs,
  // which keep their own save record).
  virtual bool IsCatalogueJob() const { return true; }

  // The save record and back. FromSave builds a loaded job (not in the catalogue).
  void ToSave(SaveJobType& out) const;
  static std::unique_ptr<SIM_JobBase> FromSave(const SaveJobType& in);

 protected:
  std::string promote_[3] = {"confidence", "confidence", "confidence"};
  std::string employer_;
  std::string industry_;
  std::string workplace_;
  std::string maleDesc_;
  std::string femaleDesc_;
  float lastPay_ = 0.0f;
  std::string rejectionText_;
  bool openToday_ = false;
  float rarity_ = 0.0f;
  float sociability_ = 0.0f;
  float socialTovel_ = 0.0f;
  float commuteDistance_ = -1.0f;
  float minTip_ = 0.0f;
  float maxTip_ = 0.0f;
  float todaysTip_ = -1.0f;
  SIM_NPC* colleague_ = nullptr;
  float minSalary_ = 0.0f;
  float maxSalary_ = 0.0f;
  int applyCooldown_ = 0;
  bool locked_ = false;
  bool worksInTheDay_ = true;
  int duration_ = -1;
  int daysSinceLastColleague_ = 0;
  bool loaded_ = false;

 public:
  // ---- The acting and music pool ----
  // Deletes one job type of the catalogue (characters holding it lose it first; the player
  // never holds a job deleted here).
  static void Remove(SIM_JobBase* job);
};
