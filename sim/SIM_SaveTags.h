// The element names, version gates and limits of a saved game, shared by the writer
// (SIM_SaveGame) and the reader (SIM_LoadGame) so the two can never drift apart.
//
// A save is a small fixed subset of XML: tags without attributes, one value per element, no
// indentation. A value element is one line "<name>text</name>"; a container has its opening
// and closing tags on lines of their own. Lists have no count: the reader reads entries while
// the next tag is the entry's opening tag. In values, '<' and '&' are written as "&lt;" and
// "&amp;", so any text survives the trip.
#pragma once

#include <cstddef>

namespace savetag {

// ---- Version gates: elements read only from files at least (or above) this version ----
inline constexpr float kVersionLocked = 1.09f;      // job_type/locked, from 1.09 on
inline constexpr float kVersionTenYearsUp = 1.14f;  // date/tenyearsup, from 1.14 on
inline constexpr float kVersionStrings = 1.14f;     // achievements/strings, from 1.14 on
inline constexpr float kVersionCynicism = 1.15f;    // romance/cynicism, from 1.15 on
inline constexpr double kVersionSimSim = 1.17;      // SIM_SIM, only above 1.17 (strictly)
// From 1.24 on numbers are written exactly and the file holds the state a game needs to play
// on as if it had never been saved (misc/random, ...). Older files load these with their
// new-game defaults.
inline constexpr float kVersionExact = 1.24f;
// From 1.25 on the statistics hold the past years' solo and social totals, and the events
// the check's cooldown and whether the saved day had its check. Older files start the totals
// from the year's counters, the cooldown at 0, and run the day's check on loading.
inline constexpr float kVersionLifetime = 1.25f;
// From 1.26 on the day's mail and phone items follow the social news, in screen order.
// Older files show only the open invitations and the delivered job offers again.
inline constexpr float kVersionMail = 1.26f;
// From 1.26 on the player's description as shown follows the mail; older files build it anew.
inline constexpr float kVersionDescription = 1.26f;
// The version number starts at this character of the header's version text.
inline constexpr size_t kVersionOffset = 6;

// ---- Limits ----
inline constexpr size_t kMaxTagLength = 127;
// Far above anything the writer produces (a job description is at most 2,047 characters); a
// longer value means a damaged file.
inline constexpr size_t kMaxValueLength = 65536;
// Performance history entries of a job instance, always all written.
inline constexpr int kJobPerfCount = 10;
inline constexpr const char* kNullJob = "NULL";
inline constexpr const char* kNoJob = "unemployed";
inline constexpr const char* kAutosave = "autosave";
inline constexpr const char* kExtension = ".xml";

// ---- Top level ----
inline constexpr const char* kXml = "xml";
inline constexpr const char* kHeader = "header";
inline constexpr const char* kVersion = "version";

// ---- Entries shared by several sections ----
inline constexpr const char* kName = "name";
inline constexpr const char* kGuiName = "guiname";
inline constexpr const char* kValue = "value";
inline constexpr const char* kSLID = "SLID";
inline constexpr const char* kForename = "forename";
inline constexpr const char* kSkills = "skills";
inline constexpr const char* kSkill = "skill";
inline constexpr const char* kBoredom = "boredom";
inline constexpr const char* kBoredomItem = "boredom_item";
inline constexpr const char* kNoFood = "nofood";
inline constexpr const char* kActivity = "activity";

// ---- The player ----
inline constexpr const char* kVesk = "vesk";
inline constexpr const char* kAttributes = "attributes";
inline constexpr const char* kAttribute = "attribute";
inline constexpr const char* kDescription = "description";
inline constexpr const char* kBaseValue = "basevalue";
inline constexpr const char* kAlwaysShow = "alwaysshow";
inline constexpr const char* kHighIsGood = "highisgood";
inline constexpr const char* kCriteria = "criteria";
inline constexpr const char* kWarnLimit = "warnlimit";
inline constexpr const char* kHighDesc = "highdesc";
inline constexpr const char* kLowDesc = "lowdesc";
inline constexpr const char* kSimEffect = "sim_effect";
inline constexpr const char* kDebugName = "debugname";
inline constexpr const char* kDegrade = "degrade";
inline constexpr const char* kEffect = "effect";
inline constexpr const char* kAvatarTexture = "avatar_texture";
inline constexpr const char* kSocialClass = "socialclass";  // the player's and each character's
// An attribute's value as the game last worked it out (kValue, after its effects), from 1.24 on.

// ---- Cash ----
inline constexpr const char* kFinances = "finances";
inline constexpr const char* kCash = "cash";

// ---- Non-player characters ----
inline constexpr const char* kNPCs = "npcs";
inline constexpr const char* kNPC = "npc";
inline constexpr const char* kSurname = "surname";
inline constexpr const char* kFullName = "fullname";
inline constexpr const char* kPortrait = "portrait";
inline constexpr const char* kGreyed = "greyed";
inline constexpr const char* kTovel = "tovel";
inline constexpr const char* kIQ = "iq";
inline constexpr const char* kCulture = "culture";
inline constexpr const char* kIntroduced = "bintroduced";
inline constexpr const char* kSnubDelay = "snubdelay";
inline constexpr const char* kSnubCount = "snubcount";
inline constexpr const char* kVeskDays = "veskdays";
inline constexpr const char* kInviteDays = "invitedays";
inline constexpr const char* kUnlockOffered = "unlockoffered";
inline constexpr const char* kRomanticCompatibility = "romanticcompatibility";
inline constexpr const char* kCashPerWeek = "cashperweek";
inline constexpr const char* kDateOfBirth = "dob";
inline constexpr const char* kGender = "gender";
inline constexpr const char* kUnlockable = "unlockable";
inline constexpr const char* kInterests = "interests";
inline constexpr const char* kInterest = "interest";
inline constexpr const char* kCategory = "category";
inline constexpr const char* kCharacterType = "character_type";
inline constexpr const char* kMemories = "memories";
inline constexpr const char* kMemory = "memory";
inline constexpr const char* kType = "type";
inline constexpr const char* kHappiness = "happiness";
inline constexpr const char* kStrength = "strength";
inline constexpr const char* kInvitedToday = "invitedtoday";
// The job the character works in (a colleague's is the player's job of the time): the job's
// name, or "NULL" for none, and for an acting or music job its place in the pool, else -1.
// Older files lack both; their characters keep the default job.
inline constexpr const char* kHeldJob = "heldjob";
inline constexpr const char* kHeldJobPool = "heldjobpool";

// ---- Relationships ----
inline constexpr const char* kRelationships = "relationships";
inline constexpr const char* kRelationship = "relationship";
inline constexpr const char* kPerson1 = "pers1_id";
inline constexpr const char* kPerson2 = "pers2_id";
inline constexpr const char* kBalance = "balance";
inline constexpr const char* kPlayerCreated = "playercreated";
inline constexpr const char* kFriendship = "friendship";
inline constexpr const char* kEvenings = "evenings";

// ---- The job: ten <jobperf> containers, each holding one <data> "valid,performance" ----
inline constexpr const char* kJobInstance = "job_instance";
inline constexpr const char* kGrade = "grade";
inline constexpr const char* kDaysInJob = "daysinjob";
inline constexpr const char* kDaysSincePromotion = "dayssincepromotion";
inline constexpr const char* kJobPerf = "jobperf";
inline constexpr const char* kData = "data";
inline constexpr const char* kJobType = "job_type";
inline constexpr const char* kPromote1 = "promote1";
inline constexpr const char* kPromote2 = "promote2";
inline constexpr const char* kPromote3 = "promote3";
inline constexpr const char* kEmployerName = "employername";
inline constexpr const char* kIndustryName = "industryname";
inline constexpr const char* kWorkplace = "workplace";
inline constexpr const char* kMaleDesc = "maledesc";
inline constexpr const char* kFemaleDesc = "femaledesc";
inline constexpr const char* kCommuteDistance = "commutedistance";
inline constexpr const char* kMinTip = "mintip";
inline constexpr const char* kMaxTip = "maxtip";
inline constexpr const char* kMinSalary = "minsalary";
inline constexpr const char* kMaxSalary = "maxsalary";
inline constexpr const char* kDuration = "duration";
inline constexpr const char* kDaysSinceLastFriend = "dayasincelastfriend";
inline constexpr const char* kLocked = "locked";
inline constexpr const char* kRarity = "rarity";
inline constexpr const char* kSociability = "sociability";
inline constexpr const char* kModifiers = "modifiers";
inline constexpr const char* kModifier = "modifier";
inline constexpr const char* kJobsApplied = "jobs_applied";
inline constexpr const char* kJob = "job";
inline constexpr const char* kAppliedTimer = "appliedtimer";
// Career state the original layout leaves out; files without these elements load without it.
// Every catalogue job's open-today flag, drawn commute distance, colleague counter and whether
// it still waits in the list of jobs contacts can unlock; the current legal case.
inline constexpr const char* kJobStates = "job_states";
inline constexpr const char* kJobState = "job_state";
inline constexpr const char* kOpenToday = "opentoday";
inline constexpr const char* kInLockedList = "inlockedlist";
inline constexpr const char* kLegalCase = "legal_case";
inline constexpr const char* kCaseDifficulty = "difficulty";
inline constexpr const char* kCaseTitle = "title";
inline constexpr const char* kCaseLength = "length";
inline constexpr const char* kDaysIntoCase = "daysinto";
inline constexpr const char* kCaseValue = "casevalue";

// ---- Social standing (reuses kTovel), commute, possessions, crime ----
inline constexpr const char* kEarned = "earned";
inline constexpr const char* kCommute = "commute";
inline constexpr const char* kAssets = "assets";
inline constexpr const char* kAsset = "asset";
inline constexpr const char* kOwned = "owned";
// A sold asset that cannot be bought again (off the shop's shelves).
inline constexpr const char* kWithdrawn = "withdrawn";
inline constexpr const char* kCrime = "crime";
inline constexpr const char* kDaysToMugging = "daystonextmugging";
inline constexpr const char* kDaysToBurglary = "daystonextburglary";

// ---- Date ----
inline constexpr const char* kDate = "date";
inline constexpr const char* kDay = "day";
inline constexpr const char* kDayOfWeek = "dayofweek";
inline constexpr const char* kDaysToFullMoon = "daystofullmoon";
inline constexpr const char* kMonth = "month";
inline constexpr const char* kYear = "year";
inline constexpr const char* kYearEndDay = "yearend_day";
inline constexpr const char* kYearEndMonth = "yearend_month";
inline constexpr const char* kYearEndYear = "yearend_year";
inline constexpr const char* kGameEndDay = "gameend_day";
inline constexpr const char* kGameEndMonth = "gameend_month";
inline constexpr const char* kGameEndYear = "gameend_year";
inline constexpr const char* kTenYearsUp = "tenyearsup";

// ---- Globals, health, romance ----
inline constexpr const char* kGlobals = "globals";
inline constexpr const char* kGlobal = "global";
inline constexpr const char* kHealth = "health";
inline constexpr const char* kState = "state";
inline constexpr const char* kRomance = "romance";
inline constexpr const char* kPartner = "partner";
inline constexpr const char* kCynicism = "cynicism";

// ---- Statistics ----
inline constexpr const char* kStatistics = "statistics";
inline constexpr const char* kInts = "ints";
inline constexpr const char* kFloats = "floats";
inline constexpr const char* kElapsed = "elapsed";
inline constexpr const char* kActivities = "activities";
inline constexpr const char* kCount = "count";

// ---- Drinking, books, events ----
inline constexpr const char* kAlcohol = "alcohol";
inline constexpr const char* kAddictionStrength = "addictionstrength";
inline constexpr const char* kAlcoholic = "alcoholic";
inline constexpr const char* kBloodAlcohol = "bloodalcohol";
inline constexpr const char* kBooks = "books";
inline constexpr const char* kBook = "book";
inline constexpr const char* kRead = "read";
inline constexpr const char* kEvents = "events";
inline constexpr const char* kEvent = "event";
inline constexpr const char* kTriggered = "triggered";
// From 1.25 on (kVersionLifetime).
inline constexpr const char* kPastSolo = "pastsolo";
inline constexpr const char* kPastSocial = "pastsocial";
inline constexpr const char* kReviewDue = "reviewdue";
// kCooldown ("cooldown") is shared with the entertainment jobs below.
inline constexpr const char* kDayChecked = "daychecked";

// ---- Achievements: four projects, royalties, unlocked keys ----
inline constexpr const char* kAchievements = "achievements";
inline constexpr const char* kSong = "song";
inline constexpr const char* kScreenplay = "screenplay";
inline constexpr const char* kTheory = "theory";
inline constexpr const char* kStory = "story";
inline constexpr const char* kProgress = "progress";
inline constexpr const char* kQuality = "quality";
inline constexpr const char* kChunks = "chunks";
inline constexpr const char* kRoyalties = "royalties";
inline constexpr const char* kRoyalty = "royalty";
inline constexpr const char* kIncome = "income";
inline constexpr const char* kTotal = "total";
inline constexpr const char* kLastCheque = "lastcheque";
inline constexpr const char* kStrings = "strings";
inline constexpr const char* kString = "string";
inline constexpr const char* kKey = "key";

// ---- Bowling, classes ----
inline constexpr const char* kBowling = "bowling";
inline constexpr const char* kPracticeNight = "practicenight";
inline constexpr const char* kOnTeam = "onteam";
inline constexpr const char* kBeenOnTeam = "beenonteam";
inline constexpr const char* kClasses = "classes";
inline constexpr const char* kClass = "class";

// ---- The closing block ----
inline constexpr const char* kHiscore = "videogame_hiscore";
inline constexpr const char* kScore = "score";
inline constexpr const char* kDog = "dog";
inline constexpr const char* kBurglars = "burglars";
inline constexpr const char* kCat = "cat";
inline constexpr const char* kFish = "fish";
inline constexpr const char* kParrot = "parrot";
inline constexpr const char* kHamster = "hamster";
inline constexpr const char* kAge = "age";
// A pet's food reminder is up (files before it hold none: the stock decides).
inline constexpr const char* kFoodReminder = "foodreminder";
inline constexpr const char* kPetFood = "petfood";
inline constexpr const char* kCatFood = "catfood";
inline constexpr const char* kDogFood = "dogfood";
inline constexpr const char* kFishFood = "fishfood";
inline constexpr const char* kParrotFood = "parrotfood";
inline constexpr const char* kHamsterFood = "hamsterfood";
inline constexpr const char* kSimSim = "SIM_SIM";
inline constexpr const char* kMaxActs = "max_acts";
inline constexpr const char* kActs = "acts";
inline constexpr const char* kMisc = "misc";
inline constexpr const char* kTopSLID = "TopSLID";
inline constexpr const char* kRandom = "random";
inline constexpr const char* kWeatherDays = "weatherdays";
inline constexpr const char* kFriendToday = "friendtoday";
// The portraits handed out so far: a container of name entries.
inline constexpr const char* kPortraitsUsed = "portraitsused";

}  // namespace savetag

namespace savetag {

// ---- Offers and the acting and music pool (files without them load as a new day's) ----
// After misc: the answers to applications and every entertainment job, whole. An offer names
// its job (a pool job by its place in the pool, -1 for a catalogue job).
inline constexpr const char* kJobOffers = "job_offers";
inline constexpr const char* kJobOffer = "job_offer";
inline constexpr const char* kPoolIndex = "pool";
inline constexpr const char* kSuccess = "success";
inline constexpr const char* kPending = "pending";
inline constexpr const char* kDaysLeft = "daysleft";
inline constexpr const char* kReason = "reason";
inline constexpr const char* kRejectionApplied = "rejectionapplied";
inline constexpr const char* kEntertainJobs = "entertainment_jobs";
inline constexpr const char* kHeldPoolJob = "held";
inline constexpr const char* kEntertainJob = "entertainment_job";
inline constexpr const char* kLevel = "level";
inline constexpr const char* kSpecialty = "specialty";
inline constexpr const char* kFamily = "family";
inline constexpr const char* kCooldown = "cooldown";
inline constexpr const char* kSocialTovel = "socialtovel";
inline constexpr const char* kRejectionText = "rejectiontext";
inline constexpr const char* kPrereqs = "prereqs";
inline constexpr const char* kPrereq = "prereq";
inline constexpr const char* kFirst = "first";
inline constexpr const char* kBelow = "below";

}  // namespace savetag

namespace savetag {

// ---- Venues (files without the element draw the films and restaurants anew) ----
// After the career pool: the bowling match's due flag, the films (release order by table
// index, the programme's position, each film's quality, review threshold and seen flag, in
// table order) and each restaurant's table today and rating, in table order.
inline constexpr const char* kVenues = "venues";
inline constexpr const char* kMatchDue = "matchdue";
inline constexpr const char* kMovies = "movies";
inline constexpr const char* kPosition = "position";
inline constexpr const char* kRelease = "release";
inline constexpr const char* kIndex = "index";
inline constexpr const char* kMovie = "movie";
inline constexpr const char* kThreshold = "threshold";
inline constexpr const char* kSeen = "seen";
inline constexpr const char* kRestaurants = "restaurants";
inline constexpr const char* kRestaurant = "restaurant";
inline constexpr const char* kTable = "table";
inline constexpr const char* kRating = "rating";

}  // namespace savetag

namespace savetag {

// ---- The day's social news (files without the element have no invitations or rumours and
// an empty small-talk store) ----
// After the venues: the open invitations of the day in list order (the inviter's SLID, the
// kind of evening by name, the kind, every guest's SLID with the inviter first, the accepted
// and lapsed flags, the pay offer, the player's cost and the letter), the small-talk store
// (the day's topics and the news records with their days left) and the rumours in order.
inline constexpr const char* kSocial = "social";
inline constexpr const char* kInvitations = "invitations";
inline constexpr const char* kInvitation = "invitation";
inline constexpr const char* kInviter = "inviter";
inline constexpr const char* kInviteKind = "kind";
inline constexpr const char* kGuests = "guests";
inline constexpr const char* kGuest = "guest";
inline constexpr const char* kAccepted = "accepted";
inline constexpr const char* kLapsed = "lapsed";
inline constexpr const char* kPayOffer = "payoffer";
inline constexpr const char* kPlayerCost = "playercost";
inline constexpr const char* kText = "text";
inline constexpr const char* kSmallTalk = "smalltalk";
inline constexpr const char* kTopics = "topics";
inline constexpr const char* kTopic = "topic";
inline constexpr const char* kNews = "news";
inline constexpr const char* kDays = "days";
inline constexpr const char* kRumours = "rumours";
inline constexpr const char* kRumour = "rumour";
inline constexpr const char* kOwner = "owner";

}  // namespace savetag

namespace savetag {

// ---- The day's mail (1.26 on) ----
// After the social news: every mail and phone item in screen order, with its kind (the
// screens' numbering), its owner (a character's SLID; an offer's, an invitation's or a
// royalty stream's place in the file's own list; -1 for none), the event's name for a ticket,
// a message's text, a picture message's title and picture, and its look.
inline constexpr const char* kMail = "mail";
inline constexpr const char* kItem = "item";
inline constexpr const char* kMailKind = "kind";
inline constexpr const char* kTitle = "title";
inline constexpr const char* kPicture = "picture";
inline constexpr const char* kOpened = "opened";
inline constexpr const char* kLaptop = "laptop";
inline constexpr const char* kAvatarDescription = "avatardescription";

}  // namespace savetag
