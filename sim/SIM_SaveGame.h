// Saving the running game, and the identifiers (SLIDs) that persons carry in a save.
//
// A save is built in two steps: Capture copies what a save keeps of the running game into a
// SaveGameData record, and Serialize turns the record into the file's text through the save
// format (SIM_SaveFormat), whose one description per record the reader walks too: a loaded
// file is read back into the same record before it touches the game. Parts of the game that
// are not built yet keep their new-game defaults in the record (lists empty), so every
// element is always written.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <utility>
#include <vector>

struct SaveEffect {
  std::string debugName;
  float degrade = 0.0f;
  float amount = 0.0f;
  bool operator==(const SaveEffect&) const = default;
};

struct SaveAttribute {
  std::string name;
  std::string guiName;
  std::string description;
  float base = 0.0f;  // the base, never base + effects: the effects are saved beside it
  bool alwaysShow = false;
  bool highIsGood = false;
  int criteria = 0;
  float warnLimit = 0.0f;
  std::string highDesc;
  std::string lowDesc;
  std::vector<SaveEffect> effects;
  float value = 0.0f;  // as last worked out; from 1.24 on
  bool operator==(const SaveAttribute&) const = default;
};

// A skill or a global value.
struct SaveNamedValue {
  std::string name;
  std::string guiName;
  float value = 0.0f;
  bool operator==(const SaveNamedValue&) const = default;
};

struct SaveBoredomItem {
  std::string name;
  float value = 0.0f;
  bool operator==(const SaveBoredomItem&) const = default;
};

struct SavePlayer {
  int slid = 0;
  std::string forename;
  std::vector<SaveAttribute> attributes;
  std::vector<SaveNamedValue> skills;
  std::vector<SaveBoredomItem> boredom;
  std::string avatarTexture;
  int socialClass = 0;  // from 1.24 on
  bool operator==(const SavePlayer&) const = default;
};

struct SaveInterest {
  std::string category;
  std::string name;
  std::string guiName;
  bool operator==(const SaveInterest&) const = default;
};

struct SaveMemory {
  std::string type;
  float happiness = 0.0f;
  float strength = 0.0f;
  bool operator==(const SaveMemory&) const = default;
};

struct SaveNPC {
  int slid = 0;
  std::string forename;
  std::string surname;
  std::string fullName;
  std::string portrait;
  std::string greyed;
  float tovel = 0.0f;
  float iq = 0.0f;
  float culture = 0.0f;
  bool introduced = false;
  int snubDelay = 0;
  int snubCount = 0;
  int veskDays = 0;
  int inviteDays = 0;
  bool unlockOffered = false;
  float romanticCompatibility = 0.0f;
  float cashPerWeek = 0.0f;
  float cash = 0.0f;
  int birthDay = 0;
  int birthMonth = 0;
  int birthYear = 0;
  int gender = 0;
  std::string unlockable = "NULL";
  std::vector<SaveInterest> interests;
  std::vector<SaveNamedValue> skills;
  std::string characterType;
  std::vector<SaveBoredomItem> boredom;
  std::vector<SaveMemory> memories;
  bool invitedToday = false;  // from 1.24 on
  int socialClass = 0;        // from 1.24 on
  bool hasHeldJob = false;    // the file holds the job the character works in
  std::string heldJob = "NULL";
  int heldJobPool = -1;
  bool operator==(const SaveNPC&) const = default;
};

struct SaveRelationship {
  int person1 = 0;
  int person2 = 0;
  float strength = 0.0f;
  float balance = 0.0f;
  bool playerCreated = false;
  bool friendship = false;
  int evenings = 0;  // evenings spent together, from 1.24 on
  bool operator==(const SaveRelationship&) const = default;
};

struct SaveJobPerf {
  bool valid = false;
  float value = 0.0f;
  bool operator==(const SaveJobPerf&) const = default;
};

struct SaveJobInstance {
  int grade = 0;
  int daysInJob = 0;
  int daysSincePromotion = 0;
  std::array<SaveJobPerf, 10> perf = {};
  bool operator==(const SaveJobInstance&) const = default;
};

struct SaveModifier {
  std::string name;       // the value it changes
  std::string debugName;  // its source
  float degrade = 0.0f;   // its limit
  float value = 0.0f;     // its amount
  bool operator==(const SaveModifier&) const = default;
};

struct SaveJobType {
  std::string promote[3];
  std::string name = "unemployed";
  std::string guiName;
  std::string employerName;
  std::string industryName;
  std::string workplace;
  std::string maleDesc;
  std::string femaleDesc;
  float commuteDistance = 0.0f;
  float minTip = 0.0f;
  float maxTip = 0.0f;
  float minSalary = 0.0f;
  float maxSalary = 0.0f;
  int duration = 0;
  int daysSinceLastFriend = 0;
  int locked = 0;
  float rarity = 0.0f;
  float sociability = 0.0f;
  std::vector<SaveModifier> modifiers;
  bool operator==(const SaveJobType&) const = default;
};

// A catalogue job's state of the day (see st::kJobStates).
struct SaveJobState {
  std::string name;
  bool openToday = false;
  float commuteDistance = -1.0f;  // below 0: not drawn yet
  int daysSinceLastFriend = 0;
  bool inLockedList = false;
  bool operator==(const SaveJobState&) const = default;
};

struct SaveLegalCase {
  bool present = false;
  float difficulty = 0.0f;
  std::string title;
  int length = 5;
  int daysInto = 0;
  float value = 0.0f;
  bool operator==(const SaveLegalCase&) const = default;
};

struct SaveJobApplication {
  std::string name;
  int timer = 0;
  bool operator==(const SaveJobApplication&) const = default;
};

struct SaveProject {
  float progress = 0.0f;
  float quality = 0.0f;
  std::string guiName;
  std::vector<float> chunks;
  bool operator==(const SaveProject&) const = default;
};

struct SaveRoyalty {
  float income = 0.0f;
  float total = 0.0f;
  float lastCheque = 0.0f;
  std::string guiName;
  int type = 0;
  bool operator==(const SaveRoyalty&) const = default;
};

struct SavePet {
  int burglars = 0;  // the dog only
  int noFood = 0;
  std::string name;
  int age = 0;  // the hamster only
  int reminder = 0;  // the food reminder: 1 up, 0 not, -1 not in the file (the stock decides)
  bool operator==(const SavePet&) const = default;
};

struct SavePrerequisite {
  std::string name;
  float value = 0.0f;
  bool first = false;
  bool below = false;
  bool operator==(const SavePrerequisite&) const = default;
};

// One acting or music job, whole: the pool's jobs are made at random, so nothing of them can
// be read again from the tables.
struct SaveEntertainJob {
  std::string industryName;  // "acting" or "music": which kind of job it is
  std::string guiName;
  std::string employerName;
  std::string workplace;
  std::string maleDesc;
  std::string femaleDesc;
  std::string rejectionText;
  std::string specialty;
  std::string family;
  float level = 0.0f;
  int age = 0;
  int cooldown = 0;
  bool openToday = false;
  float commuteDistance = 0.0f;
  float minSalary = 0.0f;
  float maxSalary = 0.0f;
  int duration = -1;
  int daysSinceLastFriend = 0;
  float rarity = 0.0f;
  float sociability = 0.0f;
  float socialTovel = 0.0f;
  std::vector<SavePrerequisite> prereqs;
  std::vector<SaveModifier> modifiers;
  bool operator==(const SaveEntertainJob&) const = default;
};

// The answer to an application, on its way or delivered today.
struct SaveJobOffer {
  std::string job;  // the catalogue job's name
  int pool = -1;    // else the place of the pool job in the pool
  bool success = false;
  bool pending = true;
  int daysLeft = 0;
  int reason = 0;
  bool rejectionApplied = false;
  bool operator==(const SaveJobOffer&) const = default;
};

// Everything a save holds, in file order.
// A film's state, in table order.
struct SaveMovie {
  float quality = 0.0f;
  float threshold = 0.0f;
  bool seen = false;
  bool operator==(const SaveMovie&) const = default;
};

// A restaurant's day, in table order.
struct SaveRestaurant {
  bool table = false;
  float rating = 0.5f;
  bool operator==(const SaveRestaurant&) const = default;
};

// An invitation of the day, open or answered.
struct SaveInvitation {
  int inviter = 0;          // SLID
  std::string type;         // the kind of evening, by name
  int kind = 0;
  std::vector<int> guests;  // SLIDs, the inviter first
  bool accepted = false;
  bool lapsed = false;
  bool payOffer = false;
  int playerCost = 0;
  std::string text;
  bool operator==(const SaveInvitation&) const = default;
};

struct SaveNews {
  std::string key;
  int days = 0;
  bool operator==(const SaveNews&) const = default;
};

struct SaveRumour {
  std::string text;
  int owner = 0;
  bool operator==(const SaveRumour&) const = default;
};

// A mail or phone item of the day, its owner named as the file names it (see st::kMail).
struct SaveMail {
  int kind = 0;
  int owner = -1;
  std::string name;
  std::string text;
  std::string title;
  std::string picture;
  bool opened = false;
  bool laptop = false;
  bool operator==(const SaveMail&) const = default;
};

struct SaveGameData {
  std::string version;     // the header text
  float fileVersion = 0;   // the number read from it (reading only)

  SavePlayer player;
  float cash = 0.0f;
  std::vector<SaveNPC> npcs;
  std::vector<SaveRelationship> relationships;
  SaveJobInstance jobInstance;
  SaveJobType jobType;
  std::vector<SaveJobApplication> jobsApplied;  // every job in its apply cool-down
  bool hasJobStates = false;                    // false for files without the element
  std::vector<SaveJobState> jobStates;
  SaveLegalCase legalCase;
  float tovelEarned = 0.0f;
  std::vector<std::string> tovelActivities;
  std::string commute = "walk";
  // The owned assets in the order owned, then the shop's in its order.
  std::vector<std::pair<std::string, bool>> assets;
  std::vector<std::string> assetsWithdrawn;  // sold, not to be bought again
  int daysToMugging = 0;
  int daysToBurglary = 0;

  int day = 0, dayOfWeek = 0, daysToFullMoon = 15, month = 0, year = 0;
  int reviewDay = 0, reviewMonth = 0, reviewYear = 0;
  int endDay = 0, endMonth = 0, endYear = 0;
  bool tenYearsUp = false;

  std::vector<SaveNamedValue> globals;
  int healthState = 0;
  int healthDuration = 0;
  int partner = -1;
  int romanceDuration = 0;
  float cynicism = 0.0f;

  std::array<int, 13> statInts = {};
  std::array<float, 6> statFloats = {};
  float elapsed = 0.0f;  // play time in ms
  std::vector<std::pair<std::string, int>> statActivities;
  int pastSolo = 0;    // the past years' solo activities (1.25 on)
  int pastSocial = 0;  // and social evenings
  bool reviewDue = false;  // saved with the year's review open (1.25 on)
  bool hasPastEarned = false;  // the file has the next (1.27 on; every save of the game has)
  float pastEarned = 0.0f;     // Tovel earned before the year

  float addictionStrength = 0.0f;
  bool alcoholic = false;
  float bloodAlcohol = 0.0f;
  std::vector<std::pair<std::string, int>> books;
  std::vector<std::pair<std::string, bool>> events;
  int eventCooldown = 0;         // checks the special events still skip (1.25 on)
  bool eventDayChecked = false;  // the saved day had its check (1.25 on)
  std::array<SaveProject, 4> projects;  // song, screenplay, theory, story
  std::vector<SaveRoyalty> royalties;
  std::vector<std::string> achievements;  // unlocked keys in unlock order

  int practiceNight = 0;
  bool onTeam = false;
  bool beenOnTeam = false;
  std::vector<std::string> classes;
  int hiscore = 0;
  SavePet dog, cat, fish, parrot, hamster;
  std::array<int, 5> petFood = {};  // cat, dog, fish, parrot, hamster
  bool hasSimSim = true;  // false for files of 1.17 and below
  int maxActs = 1;
  int acts = 0;
  int topSLID = 0;
  // From 1.24 on:
  uint32_t randomState = 0;      // the random generator's state
  int weatherDays = 0;           // days the weather holds; 0 rolls a new one the next day
  bool friendMadeToday = false;  // the day has made its one friend
  std::vector<std::string> portraitsUsed;  // handed out to characters, dropped ones included
  // After misc; files without them have no offers and make a new pool:
  bool hasEntertainJobs = false;
  std::vector<SaveEntertainJob> entertainJobs;  // the pool in its order
  int heldPoolJob = -1;                         // the player's job's place in it, or -1
  std::vector<SaveJobOffer> jobOffers;
  // After the pool; files without them draw the films and restaurants anew:
  bool hasVenues = false;
  bool bowlingDue = false;
  int moviePosition = 0;
  std::vector<int> movieRelease;  // table indices in release order
  std::vector<SaveMovie> movies;
  std::vector<SaveRestaurant> restaurants;
  // After the venues; files without them have no invitations or rumours and an empty
  // small-talk store:
  bool hasSocial = false;
  std::vector<SaveInvitation> invitations;
  std::vector<std::string> smallTalkTopics;
  std::vector<SaveNews> smallTalkNews;
  std::vector<SaveRumour> rumours;
  // After the social news (1.26 on): the day's mail in screen order. Files without it show
  // the open invitations and the delivered offers again.
  bool hasMail = false;
  std::vector<SaveMail> mail;
  std::string avatarDescription;  // as shown (1.26 on); empty: built anew

  bool operator==(const SaveGameData&) const = default;
};

class SIM_SaveGame {
 public:
  // The folder saves go to (the shell sets the user's save folder at start). Without one,
  // saving fails and says so.
  static void SetFolder(const std::string& folder);
  static const std::string& GetFolder();
  // "<folder>/<slot>.xml".
  static std::string PathFor(const std::string& slot);

  // A slot name the player may use: not empty or blank, no '/' or '\', not starting with
  // '.'. On refusal `why` gets the translation key of the reason.
  static bool IsValidSlotName(const std::string& slot, std::string* why = nullptr);

  // Writes the running game to the slot through a temporary file and a rename, so a failed
  // write keeps an older save of that name whole. On failure the player is told (each time)
  // and the result is false.
  static bool Save(const std::string& slot);
  // The end-of-day save to "autosave". Every failure is logged, but the player is told only
  // of the first until a save works again.
  static bool Autosave();
  // Deletes what saves cut off before their rename left in the save folder (this game's own
  // "<slot>.xml.tmp<process id>" files, nothing else); run at start. The number removed.
  static int RemoveInterruptedSaves();
  // The key of the last failure's reason ("" after a success).
  static const std::string& LastError();

  // What a save keeps of the running game.
  static SaveGameData Capture();
  // The file text of a record; numbers with '.' whatever the locale.
  static std::string Serialize(const SaveGameData& data);
  // The text of the running game. A value the game drove past what a save holds (a data
  // table's extreme number) is written at its bound, so the game's own saves always load.
  static std::string BuildText();

  // The shortest decimal text (with a '.', never an exponent) that reads back as the same
  // float, so a game saved and loaded plays on exactly as before.
  static std::string FormatNumber(float value);

  // '<' and '&' as "&lt;" and "&amp;".
  static std::string EncodeValue(const std::string& text);

  // SLIDs: every person takes the next one when made; a load continues from the file's
  // counter.
  static int NewSLID();
  static void SetNextSLID(int next);
  static int GetNextSLID();

 private:
  static bool Write(const std::string& slot, bool autosave);
};
