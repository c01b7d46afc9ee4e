// What a player without screens does with a day's social side: the headless bench and the
// tests' day driver both organise their evenings here, so they play the same way.
#pragma once

class SIM_Book;
class SIM_JobBase;
class SIM_ModifierContainer;
class SIM_NPC;
class SIM_SocialiseType;
class SIM_SoloActivityType;
class SIM_SocialiseInstance;

namespace headless {

// What the player is like beyond the default. A drinker takes a drink whenever it can: an
// evening that serves drink is asked for before any other (the friend still has to come),
// and every free slot goes on a drink at home while one is offered and affordable; the rest
// of its play is the default player's.
enum class Habits { kDefault, kDrinker };

// On a free slot of the activities part of the day, an evening for two: of the kinds offered
// today and affordable, with the friends not yet asked today, the pair the friend is expected
// to rate highest (the first found of equals), when that rating is at least one half (an
// evening liked, which strengthens the friendship) and the friend accepts. One day in three a
// player who has taken up bowling, sober and rested, goes bowling first until the team has
// asked. A venue's window is answered at once (headless screens). Returns the evening run, or
// null when none was organised. A drinker asks first for the evenings that serve drink,
// whether or not the friend is expected to like them.
//
// A friend short of the money is still asked when the player could pay for them
// (CanPayFor): the friend's answer puts the question about paying on the screens, and the
// headless screens' answer (SIM_HeadlessScreens::AnswerNoMoneyDialog) pays for them on that
// evening.
SIM_SocialiseInstance* OrganiseEvening(Habits habits = Habits::kDefault);
// Whether the player offers to pay for one more friend on an evening of the type: only at a
// fixed price, where the bill is known before the venue, and only when the cash covers the
// player's own share and one share for everyone paid for, that friend among them.
bool CanPayFor(const SIM_SocialiseType& type);
// How the guest is expected to rate a one-guest evening of the type: the player's mood, the
// type's quality (the middle of any chance in it), the guest's interest and a lone guest's
// chemistry, as the evening weighs them.
float ExpectedRating(const SIM_SocialiseType& type, SIM_NPC& guest);

// The work performance the player would give the job with today's values of its three
// promotion attributes (a missing one counts 0), as a held job's day scores it.
float ExpectedPerformance(const SIM_JobBase& job);
// Whether the held job still leads somewhere: below the top grade, and either too new to tell
// or performed well enough to be promoted.
bool HeldJobHasProspects();
// The least a job must pay to be worth applying for: with prospects where the player is, what
// the next grade would pay (a move restarts the climb); without, nine tenths of today's pay.
float SalaryWorthMoving();
// Now and then a free slot goes on a job application, as the job search spends it: a random
// job open to the player today that pays at least SalaryWorthMoving and in which the player
// would perform well enough to be promoted. Returns the job applied for, or null.
SIM_JobBase* MaybeApplyForAJob();
// The day's answers to applications: a success is accepted when it pays more than the held
// job, or when the held job leads nowhere and the offered one pays about as much; every
// answer is then put aside (its letter goes with the day's mail). Returns the jobs taken.
int AnswerOffers();

// What the day's free slot goes on: of the activities offered today and affordable, the one
// that cleans most while the flat's dirt is at 0.4 or more; otherwise two times in five
// (with a job) the one that does most for the job's promotion attributes, a third of
// the time the one that does most for the player's mood (happiness up; boredom, stress and
// loneliness down while they weigh on it), each by the lasting worth of its changes (the
// first found of equals); a tenth of the time a step of the writing or research project
// furthest on (one that can earn royalties first), and now and then the TV; else a random
// one. Null when there is none.
SIM_SoloActivityType* ChooseActivity();
// The first owned book not yet finished that the player can understand (a puzzle book is
// not read), or null.
SIM_Book* BookToRead();
// Now and then a free slot goes on reading: the book's details window and its read button
// (SIM_Book::Read through the headless screens). True when a slot was used.
bool ReadABook();
// Fills every free slot of the day: the team's match when it is offered, an enrolled class
// on the day's last slot, now and then the book being read, the enrolment while no course is
// enrolled (CourseToSignUpFor), else ChooseActivity's choice; a drinker's every free slot
// goes on DrinkToTake first while there is one. Returns the team matches played.
int FillTheDay(Habits habits = Habits::kDefault);
// How much drink an activity or evening pours: the sum of its rises of "alcohol".
float AlcoholOf(const SIM_ModifierContainer& type);
// Of the activities offered today and affordable, the one that pours the most drink (the
// first found of equals), or null when none pours any.
SIM_SoloActivityType* DrinkToTake();

// An enrolled class that meets today, when the day's last slot is free and the class is
// affordable: attended (the attendance uses the slot). True when one was attended.
bool AttendEveningClass();
// The "eveningclasses" activity, when no course is enrolled, it is offered today and some
// course is open to the player (affordable, its requirements met, not completed); else null.
SIM_SoloActivityType* CourseToSignUpFor();
// Classes attended that way in the run (a figure; kept through new games and loads).
int ClassAttendances();
// A pack of food for every owned pet whose food reminder is up (its stock is 2 days or
// less), when the cash covers it. Returns the packs bought.
int FeedThePets();

// A member of the bowling team plays the team's match when it is offered (the match day's
// last slot). True when it was played.
bool PlayTeamMatch();

// Now and then a trip to the shops: one day in twenty-five a possession the player can
// easily afford (at most a third of the cash, and a running cost cash covers for a month) is
// bought (never pet food, which FeedThePets buys); one day in sixty an owned asset that can
// be sold goes second-hand. Food is bought for the pets whose reminder is up. A way to work
// that the player now owns the means for, and that reaches the job, is taken. Returns 1 for
// a purchase, -1 for a sale, 0 otherwise.
int Shop();

// A triggered special event whose ticket waits is attended at once while a slot of the day
// is free, and its result answered with "continue". True when it was attended.
bool AttendSpecialEvent();

}  // namespace headless
