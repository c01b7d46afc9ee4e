// Stand-in for the job offers until they are built: each operation records its call.
#pragma once

class SIM_JobBase;

class SIM_JobOffer {
 public:
  static void DailyUpdate();
  // The player applies for the job; the answer comes later as a letter.
  static void Apply(SIM_JobBase* job);
};
