// Stand-in for the job offers until they are built: each operation records its call.
#pragma once

class SIM_JobOffer {
 public:
  static void DailyUpdate();
};
