// The rolling pool of short-lived acting and music jobs, 20 of each. Each is a job type made
// at random from a quality level and the word lists of data/simulation/entertainment.txt: its
// name, employer, salary, prerequisites and effects. They show up in the job search like any
// other job, live two days unless the player applies for or holds one, and are topped up
// daily.
//
// The catalogue owns them like every other job type (they all share the name
// "procedural_job"; a save tells them by their industry, "acting" or "music"). Three lists
// point at them: every entertainment job, the acting jobs and the music jobs; each job joins
// its lists when made and leaves them when deleted.
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_JobBase.h"

struct SaveEntertainJob;

class SIM_EntertainJob : public SIM_JobBase {
 public:
  static constexpr int kPoolSize = 20;
  static constexpr int kLifeDays = 2;
  static constexpr const char* kName = "procedural_job";
  static constexpr const char* kWordFile = "data/simulation/entertainment.txt";

  // A prerequisite's value name as the rules of a data row read it, with the text the player
  // sees for it: looked up once and shared by every job that asks for it.
  struct RequiredValue {
    std::string name;
    std::string displayText;
    bool kept = false;  // false for a name the rules drop (under 2 characters)
  };

  ~SIM_EntertainJob() override;
  // The pool saves its jobs whole (they share one name), apart from the catalogue's day.
  bool IsCatalogueJob() const override { return false; }

  // The day's step (also new game and load): every job ages a day; the old ones nobody
  // applied for or holds go; the pool is topped up, music first, each new job rolling its
  // opening for the day it is made on.
  static void UpdatePool();
  // Makes one job of the family and puts it into the catalogue (returns it).
  static SIM_EntertainJob* MakeActing();
  static SIM_EntertainJob* MakeMusic();
  // A loaded game's job: the family's kind with the saved record's fields (not generated).
  static std::unique_ptr<SIM_EntertainJob> MakeForIndustry(const std::string& industry);
  static bool IsEntertainmentIndustry(const std::string& industry) {
    return industry == "acting" || industry == "music";
  }

  // The save's copy of the pool in its order, and the place of the player's job in it (-1).
  static std::vector<SaveEntertainJob> CapturePool(int& held);
  // A loaded game's pool in place of the running one's (put into the catalogue). Returns the
  // job at `held` (null for -1 or a place outside the pool).
  static SIM_EntertainJob* RestorePool(const std::vector<SaveEntertainJob>& pool, int held);
  // A loaded job from its record (not in the catalogue); null when the industry is neither.
  static std::unique_ptr<SIM_EntertainJob> FromSave(const SaveEntertainJob& record);

  static const std::vector<SIM_EntertainJob*>& All();
  static const std::vector<SIM_EntertainJob*>& Acting();
  static const std::vector<SIM_EntertainJob*>& Music();

  // Draws the specialty and the employer from the word lists, then gives the job its texts,
  // prerequisites (with figures drawn from the level) and effects.
  virtual void Generate() = 0;

  int GetAge() const { return age_; }
  void SetAge(int age) { age_ = age; }
  float GetLevel() const { return level_; }
  void SetLevel(float level) { level_ = level; }
  const std::string& GetSpecialty() const { return specialty_; }
  void SetSpecialty(const std::string& specialty) { specialty_ = specialty; }
  const std::string& GetFamily() const { return family_; }
  void SetFamily(const std::string& family) { family_ = family; }

  // The salary a level gives before the final spread of 10 per cent either way (the middle
  // of the spread below a level of 0.8).
  static float BaseSalary(float level);

 protected:
  // Draws the level and the salary (`draw` false: a loaded job whose fields come from its
  // record draws nothing).
  explicit SIM_EntertainJob(bool draw);

  // Appends a prerequisite on the value (nothing for a dropped name).
  void Require(const RequiredValue& value, float threshold, bool first = false,
               bool below = false);
  // Appends a copy of an effect parsed once for every job, as this job's own.
  void AddEffect(const SIM_Modifier& effect);
  // Takes an old job out of the catalogue, keeping its effects for the next jobs made.
  static void Retire(SIM_EntertainJob* job);

  int age_ = 0;
  float level_ = 0.0f;
  std::string specialty_;
  std::string family_;
};

class SIM_ActingJob : public SIM_EntertainJob {
 public:
  explicit SIM_ActingJob(bool draw = true);
  ~SIM_ActingJob() override;

  void Generate() override;
};

class SIM_MusicJob : public SIM_EntertainJob {
 public:
  explicit SIM_MusicJob(bool draw = true);
  ~SIM_MusicJob() override;

  void Generate() override;
};
