// The headless player's evenings.
#include "sim/SIM_HeadlessPlayer.h"

#include <algorithm>
#include <map>
#include <functional>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

#include "engine/Random.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Date.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_JobOffer.h"
#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValue.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PetFood.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_Prerequisite.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialiseInstance.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Subsidies.h"
#include "sim/SIM_Vesk.h"

namespace headless {

namespace {

// A lone guest's chemistry, as the evening rates it.
constexpr float kLoneChemistry = 0.5f;
// A guest who rates the evening at one half or more thinks better of the player.
constexpr float kLiked = 0.5f;
// How much less tempting a kind of evening is for each evening of it had this year.
constexpr float kVarietyPull = 0.01f;
// How much more tempting a kind of evening not had yet this year is.
constexpr float kNovelty = 0.1f;
// The flat's dirt at which the player cleans: germs grow from one half.
constexpr float kTidyLine = 0.4f;
// How often a free slot goes on the book the player is reading.
constexpr float kReadChance = 0.15f;
constexpr float kFewestPages = 15.0f;

// The quality the evening's type promises today: its factors' values as the evening weighs
// them, and for a chance factor the middle of its draw (nothing is drawn here).
float ExpectedQuality(const SIM_SocialiseType& type) {
  const float difficulty = SIM_PlayerOptions::Instance().GetConfig(SIM_PlayerOptions::kDifficulty);
  float quality = 0.0f;
  for (const auto& factor : type.GetQualityFactors()) {
    float value = 0.0f;
    if (LookUpPlayerOrGlobalValue(factor->GetName(), value)) {
      quality += value * factor->GetThreshold();
    } else if (factor->GetName() == "_random") {
      quality += std::clamp(((1.0f - difficulty) + 0.5f) * 0.5f * factor->GetThreshold(), 0.0f,
                            1.0f);
    }
  }
  return quality;
}

// Promotion needs an average performance of a quarter; a job is only worth seeking with some
// room above that, since the player's mood comes and goes.
constexpr float kPromotable = 0.25f;
constexpr float kWorthSeeking = 0.27f;
// How often a free day slot is spent on an application when one is worth making.
constexpr float kApplyChance = 0.35f;

float HeldSalary() {
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  return held && held->GetJob() ? held->GetSalary() : 0.0f;
}

}  // namespace

namespace {

float ExpectedMood() {
  return std::clamp(SIM_Vesk::Instance()->GetValue("happiness") + 0.1f, 0.0f, 1.0f);
}

// ExpectedRating from the mood and the type's quality, which are the same for every guest.
float RatingFor(float mood, float quality, const SIM_SocialiseType& type, SIM_NPC& guest) {
  const float rating = (mood + quality + guest.GetInterestIn(&type) + kLoneChemistry) * 0.25f;
  return std::clamp(rating, 0.0f, 1.0f);
}

}  // namespace

float ExpectedRating(const SIM_SocialiseType& type, SIM_NPC& guest) {
  return RatingFor(ExpectedMood(), ExpectedQuality(type), type, guest);
}

bool AnyFilmToSee() {
  for (const SIM_Movie* film : SIM_Movie::Showing())
    if (film && !film->IsSeen()) return true;
  return false;
}

// The evenings of the type's kind (a restaurant of any cuisine, a game of any sort) the
// player has had this year.
int EveningsOfKindThisYear(const SIM_SocialiseType& type) {
  int evenings = 0;
  for (const auto& other : SIM_SocialiseType::All()) {
    if (other->category != type.category) continue;
    for (const auto& [name, count] : SIM_Statistics::Instance().Activities())
      if (name == other->GetGuiName()) evenings += count;
  }
  return evenings;
}

float AlcoholOf(const SIM_ModifierContainer& type) {
  float poured = 0.0f;
  for (const SIM_Modifier* m : type.GetModifiers())
    if (m->name == "alcohol" && m->amount > 0.0f) poured += m->amount;
  return poured;
}

SIM_SocialiseInstance* OrganiseEvening(Habits habits) {
  const bool drinker = habits == Habits::kDrinker;
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return nullptr;
  const float cash = SIM_Finances::Instance().GetCash();
  struct Choice {
    SIM_SocialiseType* type;
    SIM_NPC* guest;
    float rating;
  };
  std::vector<Choice> choices;
  // What does not depend on the friend asked is worked out once: the player's mood, and for
  // each type (when a friend first comes into question) its quality and the evenings of its
  // kind this year.
  const float mood = ExpectedMood();
  struct TypeFigures {
    float quality;
    int eveningsOfKind;
  };
  std::map<const SIM_SocialiseType*, TypeFigures> figures;
  auto figuresOf = [&figures](const SIM_SocialiseType& type) {
    auto it = figures.find(&type);
    if (it == figures.end())
      it = figures.emplace(&type, TypeFigures{ExpectedQuality(type), EveningsOfKindThisYear(type)})
               .first;
    return it->second;
  };
  for (const auto& type : SIM_SocialiseType::All()) {
    if (!type->IsAvailableToday() || cash < static_cast<float>(type->GetHostCost())) continue;
    if (type->minGuests > 2) continue;
    // With every film showing already seen there is nothing to watch.
    if (type->category == "MOVIE" && !AnyFilmToSee()) continue;
    const bool romantic = type->category == "ROMANTIC";
    for (SIM_NPC* npc : SIM_NPC::All()) {
      if (!npc->IsFriendOfPlayer() || npc->IsInvitedToday()) continue;
      if (romantic && !SIM_Romance::Instance().IsPartner(npc)) continue;
      // What the friend would turn down at once is not asked: another kind of evening is.
      // Short of the money, the friend is asked when the player could pay for them.
      if (npc->IsBoredWith(type.get()) || npc->HasBadMemoryOf(type.get()) ||
          (npc->CannotAfford(type.get()) && !CanPayFor(*type)) ||
          npc->IsTooGrubby(type.get()))
        continue;
      const TypeFigures typeFigures = figuresOf(*type);
      const float rating = RatingFor(mood, typeFigures.quality, *type, *npc);
      // A kind not had yet this year is worth a try with a friend who might like it.
      const bool untried = typeFigures.eveningsOfKind == 0;
      // A drinker asks along to a drink whether or not the friend will enjoy it.
      const bool drink = drinker && AlcoholOf(*type) > 0.0f;
      if (rating >= kLiked - (untried ? kNovelty : 0.0f) || drink)
        choices.push_back({type.get(), npc, rating + (untried ? kNovelty : 0.0f)});
    }
  }
  // A player who likes going out likes variety: each evening of a kind had this year makes
  // that kind a little less tempting than the friend's liking alone would make it.
  std::map<const SIM_SocialiseType*, float> appeal;
  for (const Choice& c : choices)
    if (!appeal.count(c.type))
      appeal[c.type] = -kVarietyPull * static_cast<float>(figuresOf(*c.type).eveningsOfKind);
  std::stable_sort(choices.begin(), choices.end(), [&appeal](const Choice& a, const Choice& b) {
    return a.rating + appeal[a.type] > b.rating + appeal[b.type];
  });
  // A player who has taken up bowling aims for the team: one day in three, when sober and
  // rested enough for the game to teach something, the alley comes first, until the team has
  // asked.
  SIM_Vesk* player = SIM_Vesk::Instance();
  const SIM_Date& today = CurrentDate();
  const int dayNumber = (today.GetYear() * SIM_Date::kMonthsPerYear + today.GetMonth()) *
                            SIM_Date::kDaysPerMonth + today.GetDay();
  if (!SIM_BowlingTeam::Instance().HasBeenOnTeam() && player->GetValue("bowling") > 0.0f &&
      player->GetValue("alcohol") < 0.2f && player->GetValue("_energy") > 0.5f &&
      dayNumber % 3 == 0)
    std::stable_partition(choices.begin(), choices.end(),
                          [](const Choice& c) { return c.type->category == "BOWLING"; });
  if (drinker)
    std::stable_partition(choices.begin(), choices.end(),
                          [](const Choice& c) { return AlcoholOf(*c.type) > 0.0f; });
  // A friend who says no (asked once today) is not asked again; the next best is.
  auto* screens = dynamic_cast<SIM_HeadlessScreens*>(&Screens());
  for (const Choice& choice : choices) {
    if (choice.guest->IsInvitedToday()) continue;
    std::vector<SIM_NPC*> paidFor;
    if (!choice.type->CanInvite({}, choice.guest)) {
      // A friend short of the money comes when the player answers the question by paying.
      if (!screens || screens->AnswerNoMoneyDialog() != choice.guest) {
        SIM_Subsidies::Clear();
        continue;
      }
      paidFor = SIM_Subsidies::Take();
    }
    SIM_SocialiseInstance* evening = SIM_SocialiseInstance::StartEvening(
        {choice.guest}, choice.type, player, std::move(paidFor));
    // A venue's own window (a restaurant, a film, the roulette table) answers at once.
    if (screens) screens->AnswerVenueWindows();
    return evening;
  }
  return nullptr;
}

bool CanPayFor(const SIM_SocialiseType& type) {
  if (type.cost == SIM_SocialiseType::kVariableCost ||
      type.hostCost == SIM_SocialiseType::kVariableCost)
    return false;
  // The bill the no-money question asks about: the player's share and one for everyone paid
  // for, this friend too.
  const int bill = SIM_SocialiseInstance::LeastBill(&type, SIM_Subsidies::All().size() + 1);
  return static_cast<float>(bill) <= SIM_Finances::Instance().GetCash();
}

float ExpectedPerformance(const SIM_JobBase& job) {
  float sum = 0.0f;
  for (int i = 0; i < 3; ++i) {
    const std::string& name = job.GetPromoteAttribute(i);
    if (name.empty()) continue;
    if (const SIM_NamedValue* value = SIM_Vesk::Instance()->GetNamedValue(name, false))
      sum += value->GetValue();
  }
  // The work day's own weighting.
  return 0.33f * sum;
}

bool HeldJobHasProspects() {
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  const SIM_JobBase* job = held ? held->GetJob() : nullptr;
  if (!job || job->IsDayFree() || held->IsTopLevel()) return false;
  if (job->GetMinSalary() == job->GetMaxSalary()) return false;
  if (held->GetHistoryCount() < SIM_JobInstance::kHistory) return true;
  return held->GetAveragePerformance() >= kPromotable;
}

float SalaryWorthMoving() {
  const SIM_JobInstance* held = SIM_Vesk::Instance()->GetJobInstance();
  const float salary = HeldSalary();
  if (!HeldJobHasProspects()) return 0.9f * salary;
  const SIM_JobBase* job = held->GetJob();
  return salary + (job->GetMaxSalary() - job->GetMinSalary()) / 5.0f;
}

SIM_JobBase* MaybeApplyForAJob() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return nullptr;
  if (!RandomChance(kApplyChance)) return nullptr;
  // Applying costs only the slot: the answer is weighed when it comes.
  const float least = std::min(SalaryWorthMoving(), HeldSalary());
  const SIM_JobBase* current = SIM_Vesk::Instance()->GetJob();
  std::vector<SIM_JobBase*> worth;
  for (SIM_JobBase* job : SIM_JobBase::All())
    if (job != current && job->CanApply() && job->GetMinSalary() >= least &&
        ExpectedPerformance(*job) >= kPromotable)
      worth.push_back(job);
  if (worth.empty()) return nullptr;
  SIM_JobBase* job = worth[RandomBelow(static_cast<int>(worth.size()))];
  SIM_JobOffer::Apply(job);
  job->StartApplyCooldown();
  sim.EndAct();
  return job;
}

int AnswerOffers() {
  int taken = 0;
  // Accepting deletes nothing, but a copy keeps the walk safe from the deletions below.
  const std::vector<SIM_JobOffer*> offers = SIM_JobOffer::All();
  for (SIM_JobOffer* offer : offers) {
    if (offer->IsPending()) continue;
    if (offer->IsSuccess()) {
      const float pay = offer->GetJob()->GetMinSalary();
      if (pay > HeldSalary() && pay >= SalaryWorthMoving() &&
          ExpectedPerformance(*offer->GetJob()) >= kWorthSeeking) {
        offer->Accept();
        ++taken;
      }
    }
    delete offer;
  }
  return taken;
}

namespace {

// What an activity's changes add to the job's promotion attributes in the long run: a daily
// change that keeps a share d of itself each day adds up to amount / (1 - d).
float WorthForJob(const SIM_SoloActivityType& type, const SIM_JobBase& job) {
  float worth = 0.0f;
  for (const SIM_Modifier* m : type.GetModifiers())
    for (int i = 0; i < 3; ++i)
      if (!m->name.empty() && m->name == job.GetPromoteAttribute(i))
        worth += m->amount / std::max(0.05f, 1.0f - m->limit);
  return worth;
}

// What an activity does for the player's mood in the long run: happiness up, and boredom,
// stress and loneliness down while they weigh on it.
float WorthForMood(const SIM_SoloActivityType& type) {
  const SIM_Vesk* player = SIM_Vesk::Instance();
  float worth = 0.0f;
  for (const SIM_Modifier* m : type.GetModifiers()) {
    const float lasting = m->amount / std::max(0.05f, 1.0f - m->limit);
    if (m->name == "happiness") {
      worth += lasting;
    } else if ((m->name == "boredom" || m->name == "stress" || m->name == "loneliness") &&
               player->GetValue(m->name) > 0.5f) {
      worth -= lasting;
    }
  }
  return worth;
}

SIM_SoloActivityType* Best(const std::vector<SIM_SoloActivityType*>& choices,
                           const std::function<float(const SIM_SoloActivityType&)>& worthOf) {
  SIM_SoloActivityType* best = nullptr;
  float bestWorth = 0.0f;
  for (SIM_SoloActivityType* type : choices) {
    const float worth = worthOf(*type);
    if (worth > bestWorth) {
      bestWorth = worth;
      best = type;
    }
  }
  return best;
}

// The activities that each take one step of a writing or research project, those that can
// earn royalties first.
struct ProjectActivity {
  const char* activity;
  SIM_AchievementBase& (*project)();
};
const ProjectActivity kProjectActivities[] = {
    {"writescreenplay", [] () -> SIM_AchievementBase& { return SIM_ScreenplayWriting::Instance(); }},
    {"writesong", [] () -> SIM_AchievementBase& { return SIM_SongWriting::Instance(); }},
    {"investigatestory", [] () -> SIM_AchievementBase& { return SIM_NewsStory::Instance(); }},
    {"developtheory", [] () -> SIM_AchievementBase& { return SIM_ScienceTheory::Instance(); }},
};

// A project is only finished by keeping at it: of the project activities offered, the one
// whose project is furthest on; of equals (every project just begun), the first of the list
// above, so a fresh start goes on a work that can earn royalties.
SIM_SoloActivityType* ProjectToWorkOn(const std::vector<SIM_SoloActivityType*>& choices) {
  SIM_SoloActivityType* best = nullptr;
  float furthest = -1.0f;
  for (const ProjectActivity& p : kProjectActivities)
    for (SIM_SoloActivityType* type : choices)
      if (type->GetTypeName() == p.activity && p.project().GetProgress() > furthest) {
        furthest = p.project().GetProgress();
        best = type;
      }
  return best;
}

}  // namespace

SIM_SoloActivityType* ChooseActivity() {
  std::vector<SIM_SoloActivityType*> choices;
  for (const auto& type : SIM_SoloActivityType::All())
    if (type->IsAvailableToday() && type->IsAffordable()) choices.push_back(type.get());
  if (choices.empty()) return nullptr;
  // A tidy player cleans before the flat breeds germs: dirt past the line makes them ill.
  const SIM_NamedValue* dirt = GlobalNamedValues().Find("glob_dirt");
  if (dirt && dirt->GetValue() >= kTidyLine) {
    if (SIM_SoloActivityType* cleaning = Best(choices, [](const SIM_SoloActivityType& type) {
          float worth = 0.0f;
          for (const SIM_Modifier* m : type.GetModifiers())
            if (m->name == "glob_dirt") worth -= m->amount;
          return worth;
        }))
      return cleaning;
  }
  const SIM_JobBase* job = SIM_Vesk::Instance()->GetJob();
  const float draw = RandomUnit();
  if (job && !job->IsDayFree() && draw < 0.4f) {
    if (SIM_SoloActivityType* best =
            Best(choices, [job](const SIM_SoloActivityType& type) { return WorthForJob(type, *job); }))
      return best;
  } else if (draw < 0.75f) {
    if (SIM_SoloActivityType* best = Best(choices, WorthForMood)) return best;
  } else if (draw < 0.85f) {
    if (SIM_SoloActivityType* project = ProjectToWorkOn(choices)) return project;
  } else if (draw < 0.88f) {
    for (SIM_SoloActivityType* type : choices)
      if (type->GetTypeName() == "watchtv") return type;
  }
  return choices[RandomBelow(static_cast<int>(choices.size()))];
}

SIM_Book* BookToRead() {
  for (SIM_Book* book : SIM_Book::All())
    if (book->IsOwned() && !book->IsFinished() && book->GetUseVerb() == "showdetails" &&
        book->AreRequiredSkillsMet())
      return book;
  return nullptr;
}

bool ReadABook() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  SIM_Book* book = BookToRead();
  // Only alert enough to get through a chapter: a tired reader would stare at the page.
  const float pages = SIM_GlobalVariables::Instance().Get("GV_BOOKPAGESPERDAY") *
                      SIM_Vesk::Instance()->GetAlertness();
  if (!book || pages < kFewestPages || !RandomChance(kReadChance)) return false;
  const int before = sim.GetActsUsed();
  // As a player does: the book's details, then its read button.
  book->OnSelect();
  if (auto* headless = dynamic_cast<SIM_HeadlessScreens*>(&Screens()))
    headless->AnswerHobbyWindows();
  return sim.GetActsUsed() > before;
}

SIM_SoloActivityType* DrinkToTake() {
  SIM_SoloActivityType* best = nullptr;
  float most = 0.0f;
  for (const auto& type : SIM_SoloActivityType::All()) {
    if (!type->IsAvailableToday() || !type->IsAffordable()) continue;
    const float poured = AlcoholOf(*type);
    if (poured > most) {
      most = poured;
      best = type.get();
    }
  }
  return best;
}

int FillTheDay(Habits habits) {
  SIM_SIM& sim = SIM_SIM::Instance();
  int matches = 0;
  while (sim.GetActsLeft() > 0) {
    if (habits == Habits::kDrinker) {
      if (SIM_SoloActivityType* drink = DrinkToTake()) {
        const int left = sim.GetActsLeft();
        drink->Start();
        if (sim.GetActsLeft() < left) continue;
      }
    }
    if (PlayTeamMatch()) {
      ++matches;
      continue;
    }
    if (AttendEveningClass()) continue;
    if (ReadABook()) continue;
    SIM_SoloActivityType* type = CourseToSignUpFor();
    if (!type) type = ChooseActivity();
    if (!type) break;
    type->Start();
    // A web or TV window the activity opened is answered at once, as a player would.
    if (auto* headless = dynamic_cast<SIM_HeadlessScreens*>(&Screens()))
      headless->AnswerHobbyWindows();
  }
  return matches;
}

namespace {
int g_classAttendances = 0;
}  // namespace

int ClassAttendances() { return g_classAttendances; }

bool AttendEveningClass() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0 || !sim.IsLastAct())
    return false;
  for (HOOK_EveningClassType* type : EnrolledEveningClasses()) {
    if (!type->IsAvailableToday() || !type->IsAffordable()) continue;
    type->Start();
    ++g_classAttendances;
    return true;
  }
  return false;
}

SIM_SoloActivityType* CourseToSignUpFor() {
  if (!EnrolledEveningClasses().empty()) return nullptr;
  SIM_SoloActivityType* enrolment = SIM_SoloActivityType::TryFind("eveningclasses");
  if (!enrolment || !enrolment->IsAvailableToday() || !enrolment->IsAffordable()) return nullptr;
  const auto& all = HOOK_EveningClassType::All();
  const bool open = std::any_of(all.begin(), all.end(), [](const auto& type) {
    return type->GetCategory() >= 0 && !type->IsCompleted() && type->IsAffordable() &&
           type->ArePrerequisitesMet();
  });
  return open ? enrolment : nullptr;
}

int FeedThePets() {
  // Most days no pet asks for food, and the catalogue is long to sort the food out of.
  const bool hungry = std::any_of(std::begin(Pets), std::end(Pets), [](const SIM_PetBase* pet) {
    return pet && pet->IsOwned() && pet->IsReminderUp();
  });
  if (!hungry) return 0;
  int packs = 0;
  for (SIM_Asset* asset : SIM_Asset::Catalogue()) {
    auto* food = dynamic_cast<SIM_PetFood*>(asset);
    if (!food) continue;
    const SIM_PetBase* pet = Pets[food->GetSpecies()];
    if (!pet || !pet->IsOwned() || !pet->IsReminderUp()) continue;
    if (food->GetPrice() > SIM_Finances::Instance().GetCash()) continue;
    food->Buy();
    ++packs;
  }
  return packs;
}

bool PlayTeamMatch() {
  SIM_SIM& sim = SIM_SIM::Instance();
  if (sim.GetPhase() != PHASE_ACTIVITIES || sim.GetActsLeft() <= 0) return false;
  if (!SIM_BowlingTeam::Instance().IsMember()) return false;
  SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind(SIM_BowlingTeam::kMatchType);
  if (!match || !match->IsAvailableToday()) return false;
  match->Start();
  return true;
}

int Shop() {
  const float cash = SIM_Finances::Instance().GetCash();
  int done = 0;
  if (RandomChance(0.04f)) {
    std::vector<SIM_Asset*> affordable;
    // What the shop offers (a gift only with a partner, a book not yet finished); food is
    // bought for the pets the player has (FeedThePets), not on a whim.
    for (SIM_Asset* asset : SIM_Asset::Catalogue())
      if (asset->IsRebuyable() && asset->GetPrice() <= cash / 3.0f &&
          asset->GetUpkeep() * 30.0f <= cash && !dynamic_cast<SIM_PetFood*>(asset))
        affordable.push_back(asset);
    if (!affordable.empty()) {
      affordable[static_cast<size_t>(RandomBelow(static_cast<int>(affordable.size())))]->Buy();
      done = 1;
    }
  } else if (RandomChance(1.0f / 60.0f)) {
    std::vector<SIM_Asset*> sellable;
    for (SIM_Asset* asset : SIM_Asset::Owned())
      if (asset->GetFlag(SIM_Asset::SELLABLE) || asset->GetFlag(SIM_Asset::SERVICE))
        sellable.push_back(asset);
    if (!sellable.empty()) {
      sellable[static_cast<size_t>(RandomBelow(static_cast<int>(sellable.size())))]->Sell();
      done = -1;
    }
  }
  FeedThePets();
  // The quickest way the player has the means for: own transport before the bus or a walk.
  for (const auto& method : SIM_CommuteMethod::All()) {
    if (method->TransportAssets().empty() || !method->IsAvailable()) continue;
    SIM_CommuteMethod::SelectByName(method->GetId());
    break;
  }
  return done;
}

bool AttendSpecialEvent() {
  auto* screens = dynamic_cast<SIM_HeadlessScreens*>(&Screens());
  if (!screens) return false;
  SIM_SpecialEvent* event = screens->PendingSpecialEvent();
  if (!event || !event->Attend()) return false;
  screens->AnswerSpecialEventResult();
  return true;
}

}  // namespace headless
