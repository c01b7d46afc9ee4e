// Placeholder for the royalty streams of the writing hobbies; records the weekly payment.
#pragma once

class SIM_RoyaltyStream {
 public:
  // Pays every stream once (the first day of each week).
  static void PayAll();
  static void DeleteAll();
};
