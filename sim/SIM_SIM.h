// The simulation root: loads the data tables once, builds a new game, frees everything at the
// end, and runs the day cycle. A day has one or two activity slots; each activity ends with
// EndAct, and the next-day button runs NextDay, which moves the world on one day in a fixed
// order.
#pragma once

#include <cstdint>
#include <string>

class SIM_JobBase;

// A hook for tracing game events; its body is empty by design (nothing is written).
void TraceEvent(const std::string& text);

// Seeds the game's random generator from the millisecond clock, or with the fixed seed a
// headless run asked for (both start-up seedings go through here, so one seed repeats a run).
void SeedRandomFromClock();
void SetFixedRandomSeed(uint32_t seed);
void ClearFixedRandomSeed();

// The phases of a day.
enum DayPhase {
  PHASE_DAYSTART = 0,   // from the start of NextDay until the work-day summary is closed
  PHASE_ACTIVITIES = 1, // activities are open
  PHASE_DAYOVER = 2,    // every slot of the day is used
};

class SIM_SIM {
 public:
  static SIM_SIM& Instance();
  SIM_SIM(const SIM_SIM&) = delete;
  SIM_SIM& operator=(const SIM_SIM&) = delete;

  // Once per run: game variables, player options, the seed and every data table. A second
  // call does nothing.
  void Init();
  void NewGame();
  // The one reset of the world a new game and a load both start with: every part of the
  // running game is thrown away and the tables a game changes are read again. It draws no
  // random number, so a seed plays the same new game whatever ran before.
  void ResetWorld();
  // Frees every table and instance and writes the player options; Init may run again after.
  void Shutdown();
  // Moves the world on one day. Stops after the date advance when that opened the end-game
  // screen: the rest of the day waits for the player's answer.
  void NextDay();
  // The end-game screen's "Keep on living": the tenth year is closed as a review's continue
  // closes one (SIM_Statistics::ResetYear), and the day the screen stopped is finished (its
  // slots, the daily grind, work, the summary, the autosave), as any other day. Nothing when
  // no day waits.
  void KeepOnLiving();
  // An activity has used its slot. The last slot ends the day's activities (DayOver). A call
  // when every slot is already used is a fault of the caller: it is reported and changes
  // nothing, so an activity can never use two slots or end the day twice.
  void EndAct();
  // Phase 2 and the day-over steps; loading calls it when the loaded slots are all used.
  void DayOver();
  // Phase 1 runs the special-event check.
  void SetPhase(int phase);
  // The phase alone, without the check: a load whose saved day had already run it.
  void RestorePhase(int phase);
  int GetPhase() const { return phase_; }
  // The coming slot is the day's last.
  bool IsLastAct() const;
  int GetActsLeft() const { return actsPerDay_ - actsUsed_; }
  // 1, or 2 for a player without work and on the weekend (days of the week 5 and 6).
  void ComputeActsPerDay();

  int GetActsPerDay() const { return actsPerDay_; }
  int GetActsUsed() const { return actsUsed_; }
  // The loader restores both from the save file.
  void SetActs(int actsPerDay, int actsUsed);

  // The player's work on the day NextDay last ran, as that day was: the job held when it
  // began (a contract that ran out that day has already moved the player to "unemployed"),
  // whether it was worked, and the benefit paid on a day without work. The work-day summary
  // tells the day from it. Emptied when a day begins, and by a new game or a load (the job
  // table is rebuilt under it).
  struct DayAtWork {
    bool recorded = false;             // a day has run since the game began
    const SIM_JobBase* job = nullptr;  // the job held when the day began
    bool worked = false;               // the player went to work
    int daysInJob = 0;                 // the days counted in that job after the day
    float salary = 0.0f;               // its salary after the day (a promotion's)
    float benefit = 0.0f;              // the unemployment benefit paid; 0 when none
  };
  const DayAtWork& GetDayAtWork() const { return dayAtWork_; }

  bool IsInitialised() const { return initialised_; }
  // Set when the end-game screen opens; cleared at new game.
  bool IsGameOver() const { return gameOver_; }
  void SetGameOver(bool gameOver) { gameOver_ = gameOver; }

 private:
  SIM_SIM() = default;
  bool initialised_ = false;
  bool gameOver_ = false;
  int phase_ = PHASE_ACTIVITIES;
  int actsPerDay_ = 1;
  int actsUsed_ = 0;
  DayAtWork dayAtWork_;
  // The end-game screen stopped NextDay after the date; KeepOnLiving finishes the day.
  bool dayWaitsOnEnd_ = false;
  // NextDay's steps after the date.
  void FinishDay();
};
