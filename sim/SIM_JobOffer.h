// The answer to a job application. Applying rolls the interview at once; the answer, a success
// or a rejection, reaches the player as a mail item two next-day steps later, and the offer
// window lets the player accept a success. Offers never arise without an application.
//
// Every offer is a heap object in one list (the constructor appends it, the destructor removes
// it). An offer points at a job type of the catalogue, so the offers go whenever the catalogue
// is rebuilt: a new game and a load delete the running game's offers (a loaded game then gets
// the offers its file holds).
#pragma once

#include <string>
#include <vector>

class SIM_JobBase;
struct SaveJobOffer;

class SIM_JobOffer {
 public:
  // Why an interview went badly (the rejection letter's reason).
  enum Reason { kAlcohol = 0, kConfidence = 1, kTiredness = 2, kHappiness = 3, kIll = 4, kOther = 5 };
  static constexpr int kDaysToAnswer = 2;

  // Appends itself to the list. The job must not be null.
  SIM_JobOffer(SIM_JobBase* job, bool success, int reason);
  ~SIM_JobOffer();
  SIM_JobOffer(const SIM_JobOffer&) = delete;
  SIM_JobOffer& operator=(const SIM_JobOffer&) = delete;

  // The chance that an interview goes well now (not clamped; 0 for an ill player); sets the
  // last interview reason.
  static float GetInterviewChance();
  static int GetLastInterviewReason();
  // Rolls the interview for the job and makes the offer that carries its answer (null for a
  // null job, with a warning). The caller starts the job's apply cool-down.
  static SIM_JobOffer* Apply(SIM_JobBase* job);
  // The next-day step: every pending offer comes one day nearer; one that arrives is sent as a
  // mail item. Offers delivered before this step go first: the day's end took their items.
  static void DailyUpdate();
  // Every offer (a new game, a load, the end of the program).
  static void DeleteAll();
  // Sends the mail item of every delivered offer again (a loaded game's offers of the day).
  static void ResendDelivered();
  // The save's copy of the offers; a pool job is named by its place in the pool.
  static std::vector<SaveJobOffer> Capture();
  // A loaded game's offers (the running game's are gone already); an offer whose job cannot
  // be found is dropped with a warning (null in the result, which has one entry per saved
  // offer). With `resend` the delivered ones get their mail items back.
  static std::vector<SIM_JobOffer*> Restore(const std::vector<SaveJobOffer>& offers,
                                            bool resend = true);
  static const std::vector<SIM_JobOffer*>& All();
  // Whether the offer still exists (a window may outlive it).
  static bool Exists(const SIM_JobOffer* offer);
  // Whether an offer refers to the job (such a job must stay in the catalogue).
  static bool RefersTo(const SIM_JobBase* job);

  // A shown rejection lowers the player's confidence, once per offer.
  void ApplyRejection();
  // The player takes the job; the new job is stressful in proportion to missing confidence.
  void Accept();

  SIM_JobBase* GetJob() const { return job_; }
  bool IsSuccess() const { return success_; }
  bool IsPending() const { return pending_; }
  int GetDaysLeft() const { return daysLeft_; }
  int GetReason() const { return reason_; }
  bool IsRejectionApplied() const { return rejectionApplied_; }
  const std::string& GetPicture() const { return picture_; }

  // For a loaded game: the saved state of an offer.
  void Restore(bool pending, int daysLeft, bool rejectionApplied) {
    pending_ = pending;
    daysLeft_ = daysLeft;
    rejectionApplied_ = rejectionApplied;
  }

 private:
  SIM_JobBase* job_;
  bool success_;
  bool pending_ = true;
  int daysLeft_ = kDaysToAnswer;
  int reason_;
  bool rejectionApplied_ = false;
  std::string picture_;
};
