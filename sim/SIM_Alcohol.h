// Drinking. The player's value "alcohol" rises with pubs and wine; day after day of heavy
// drinking builds up blood alcohol, and past 1.0 the player becomes an alcoholic: sober days
// bring withdrawal, and the addiction fades with sober days and support-group meetings until
// the player recovers.
//
// The state is one per game: a new game and a load reset it first (a load then restores it).
// The global value "alcoholic" mirrors the flag (1 or 0) for the rules and texts that read it.
#pragma once

class SIM_Alcohol {
 public:
  // Once a day, after the possessions' day.
  static void DailyUpdate();
  // Everything 0, not alcoholic.
  static void Reset();
  // A saved state (the global "alcoholic" follows the flag).
  static void Restore(float addictionStrength, bool alcoholic, float bloodAlcohol);

  // The addiction's strength (1 on becoming an alcoholic, 0 once recovered) and the blood
  // alcohol (0..1 while sober; above 1 makes an alcoholic). The avatar and the debug line
  // read them.
  static float GetAddictionStrength();
  static float GetBloodAlcohol();
  static bool IsAlcoholic();

  // The day the drink takes hold: the message, the news, the interlude and the achievement.
  static void BecomeAlcoholic();
  // The addiction is beaten; the interlude says how long the player has been dry.
  static void Recover();
  // The interlude's text for recovering after that many sober days in a row: the support
  // group's doing (under two), a few days, a week, weeks, months, a year.
  static const char* RecoveryText(int daysDry);
  // A sober alcoholic's bad day (only while the player's alcohol is below one half).
  static void ApplyWithdrawal();
  // A support-group meeting weakens the addiction by five sober days' worth.
  static void AttendMeeting();
};

// The hook "alcoholicsmeeting": the meeting's own consequence only. Its cost, modifiers and
// slot belong to the solo activity "alcoholicsmeeting" that calls it.
void HookAlcoholicsMeeting();
