// Every value a shipped requirement reads can be brought about in play: some effect row, class,
// possession, activity or rule of the game raises it, and the thing that raises it can itself
// be reached. A requirement on a value nothing raises shuts the player out of a job, an
// activity, a class or an occasion for good, and nothing else would tell.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/Translate.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_CharacterType.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_Industry.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Prerequisite.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_WebTV.h"
#include "sim/SIM_Weather.h"
#include "sim/SimTestWorld.h"

namespace {

// Values the game's code sets by name, not through an effect row of a table.
struct SetByCode {
  const char* name;
  const char* where;
};
const SetByCode kSetByCode[] = {
    {"tovel", "SIM_Tovel, the social standing score (SIM_Prerequisite::IsMet reads it)"},
    {"income", "SIM_Vesk::GetValue, the salary of the player's job"},
    {"weather_sun", "SIM_Weather::SetWeather"},
    {"weather_cloud", "SIM_Weather::SetWeather"},
    {"weather_rain", "SIM_Weather::SetWeather"},
    {"weather_snow", "SIM_Weather::SetWeather"},
    {"alcoholic", "SIM_Alcohol::BecomeAlcoholic"},
    {"_romance", "SIM_Romance, while the player has a partner"},
    {"bowlingteam", "SIM_BowlingTeam::Join"},
    {"peopleskills", "SIM_SocialiseInstance, after an evening out"},
    {"xp_writing", "HOOK_Achievements, a finished screenplay"},
    {"weight", "SIM_Movie (popcorn) and SIM_Restaurant (meals)"},
    {"glob_dirt", "SIM_Dirt"},
    {"glob_germs", "SIM_Health"},
};
// Also set by code, from the tables: the industry of the job the player takes
// (SIM_Vesk::SetJob) and a game evening's own skill (SIM_SocialiseType::ApplyGameSkillGain,
// SIM_GameInstance::PlayMatch); both are added with their sources below.

// What a requirement asks: one of the names (a way to work needs any one of its vehicles) at
// least, or with `below` at most, the threshold.
struct Need {
  std::vector<std::string> anyOf;
  float threshold = 1.0f;
  bool below = false;
};

// Something the player can do, hold or own: what it asks and the values it raises.
struct Source {
  std::string what;
  std::vector<Need> needs;
  std::set<std::string> raises;
};

Need NeedOf(const SIM_Prerequisite& p) { return {{p.GetName()}, p.GetThreshold(), p.IsBelow()}; }

void AddNeeds(Source& source, const SIM_TimeChunkType& type) {
  for (const auto& p : type.GetPrerequisites()) source.needs.push_back(NeedOf(*p));
}

// A value raises only by a change upwards.
void AddRaises(Source& source, const SIM_ModifierContainer& container) {
  for (const SIM_Modifier* m : container.GetModifiers())
    if (m->amount > 0.0f) source.raises.insert(m->name);
}

// The names a need asks for and which way, without the threshold.
std::string Describe(const Need& need) {
  std::string names;
  for (const std::string& name : need.anyOf) names += (names.empty() ? "" : " or ") + name;
  return names + (need.below ? " at most" : " at least");
}

// A numbered word list of the entertainment jobs' word file, read as the jobs read it.
std::vector<std::string> Words(const std::string& section) {
  std::vector<std::string> words;
  const ConfigFile* config = GetCachedConfig(section, SIM_EntertainJob::kWordFile);
  for (size_t i = 0; i < config->GetEntries().size(); ++i)
    words.push_back(config->GetValue(std::to_string(i)));
  return words;
}

class RequirementsReachTest : public SimWorldTest {
 protected:
  void TearDown() override {
    SIM_Movie::DeleteAll();
    ForgetWebTVLists();
    SimWorldTest::TearDown();
  }

  // The player's attributes as a new game has them: they exist from the start.
  std::map<std::string, float> AttributeBases() const {
    std::map<std::string, float> bases;
    for (const SIM_NamedValue* value : SIM_Vesk::Instance()->Attributes().Values())
      if (const auto* attribute = dynamic_cast<const SIM_Attribute*>(value))
        bases[attribute->GetName()] = attribute->GetBase();
    return bases;
  }

  // Pool jobs made as the day's step makes them, at a low, a middle and a high level: enough
  // of them that every word of the family's list comes up at every level (the test checks).
  template <class Job>
  void AddPoolJobs(const char* family, std::vector<Source>& sources) {
    for (const float level : kLevels) {
      for (int made = 0; made < 300; ++made) {
        Job job(false);
        job.SetLevel(level);
        job.Generate();
        Source source{std::string(family) + " job " + job.GetSpecialty() + " at level " +
                          std::to_string(level).substr(0, 3),
                      {},
                      {job.GetIndustryName()}};
        AddNeeds(source, job);
        AddRaises(source, job);
        sources.push_back(std::move(source));
        specialtiesSeen_[family].insert(job.GetSpecialty() + "@" + std::to_string(level));
      }
    }
  }

  static constexpr float kLevels[] = {0.1f, 0.5f, 0.9f};
  std::map<std::string, std::set<std::string>> specialtiesSeen_;
};

TEST_F(RequirementsReachTest, EveryValueARequirementReadsIsRaisedBySomethingThePlayerCanReach) {
  SIM_Movie::LoadAll(SIM_Movie::kTableFile, false);
  ForgetWebTVLists();
  const std::map<std::string, float> attributes = AttributeBases();
  ASSERT_TRUE(attributes.count("happiness"));

  std::vector<Source> sources;
  Source code{"the game's rules", {}, {}};
  for (const SetByCode& value : kSetByCode) code.raises.insert(value.name);
  sources.push_back(code);

  int books = 0;
  for (const SIM_Asset* asset : SIM_Asset::All()) {
    // Owning sets the value of its name; a book's changes come from reading it, which needs
    // the book's skills.
    Source owned{"owning " + asset->GetName(), {}, {asset->GetName()}};
    if (const auto* book = dynamic_cast<const SIM_Book*>(asset)) {
      ++books;
      Source read{"reading " + asset->GetName(), {}, {}};
      for (const SIM_Book::RequiredSkill& skill : book->GetRequiredSkills())
        read.needs.push_back({{skill.name}, skill.threshold, false});
      AddRaises(read, *asset);
      sources.push_back(std::move(read));
    } else {
      AddRaises(owned, *asset);
    }
    sources.push_back(std::move(owned));
  }
  for (const auto& type : SIM_SoloActivityType::All()) {
    if (dynamic_cast<const HOOK_EveningClassType*>(type.get())) continue;  // below
    Source source{"solo activity " + type->GetName(), {}, {}};
    AddNeeds(source, *type);
    AddRaises(source, *type);
    sources.push_back(std::move(source));
  }
  for (const auto& type : HOOK_EveningClassType::All()) {
    Source source{"evening class " + type->GetName(), {}, {type->GetName()}};
    AddNeeds(source, *type);
    AddRaises(source, *type);
    sources.push_back(std::move(source));
  }
  for (const auto& type : SIM_SocialiseType::All()) {
    Source source{"social evening " + type->GetName(), {}, {}};
    AddNeeds(source, *type);
    AddRaises(source, *type);
    if (type->GetCategory() == "GAME" || type->GetCategory() == "BOWLING")
      source.raises.insert(type->GetName());
    sources.push_back(std::move(source));
  }
  int jobs = 0;
  for (const SIM_JobBase* job : SIM_JobBase::All()) {
    if (!job->IsCatalogueJob()) continue;  // the pool's jobs are made below, every kind of them
    ++jobs;
    Source source{"job " + job->GetName(), {}, {job->GetIndustryName()}};
    AddNeeds(source, *job);
    AddRaises(source, *job);
    sources.push_back(std::move(source));
  }
  const std::vector<std::string> genres = Words("actor_genre");
  const std::vector<std::string> skills = Words("musician_skill");
  AddPoolJobs<SIM_ActingJob>("acting", sources);
  AddPoolJobs<SIM_MusicJob>("music", sources);
  for (const auto& event : SIM_SpecialEvent::All()) {
    Source source{"special event " + event->GetTypeName(), {}, {}};
    AddNeeds(source, *event);
    AddRaises(source, *event);
    sources.push_back(std::move(source));
  }
  for (const auto& film : SIM_Movie::All()) {
    Source source{"film " + film->GetTitle(), {}, {}};
    AddRaises(source, *film);
    sources.push_back(std::move(source));
  }
  for (const auto& site : WebsiteList()) {
    Source source{"web site " + site->name, {}, {}};
    AddRaises(source, *site);
    sources.push_back(std::move(source));
  }
  for (const auto& channel : TVChannelList()) {
    Source source{"TV channel " + channel->name, {}, {}};
    if (channel->needsCable) source.needs.push_back({{"cabletv"}, 1.0f, false});
    AddRaises(source, *channel);
    sources.push_back(std::move(source));
  }
  for (const SIM_CharacterType* character : SIM_CharacterType::All())
    if (character->GetEffectAmount() > 0.0f)
      sources.push_back({"company of a " + character->GetName(), {}, {character->GetEffectName()}});
  for (const auto& method : SIM_CommuteMethod::All()) {
    Source source{"commute by " + method->GetId(), {}, {}};
    if (method->GetRequiredValue().size() >= 2)
      source.needs.push_back({{method->GetRequiredValue()}, 1.0f, false});
    if (!method->TransportAssets().empty()) source.needs.push_back({method->TransportAssets(), 1.0f, false});
    sources.push_back(std::move(source));
  }

  // The pool's word lists were all walked: every genre and every musical skill at every level.
  for (const auto& [family, words] : {std::pair{"acting", genres}, std::pair{"music", skills}}) {
    EXPECT_GE(words.size(), 3u) << family;
    for (const std::string& word : words)
      for (const float level : kLevels)
        EXPECT_TRUE(specialtiesSeen_[family].count(word + "@" + std::to_string(level)))
            << family << " " << word << " at " << level;
  }

  // What can be reached grows from the attributes: a source whose needs are all met adds what
  // it raises, until nothing more is added.
  std::set<std::string> reached;
  for (const auto& [name, base] : attributes) reached.insert(name);
  auto met = [&](const Need& need) {
    for (const std::string& name : need.anyOf) {
      if (need.below) {
        // An upper limit holds from the start for an attribute below it; any other value holds
        // it once something brings it into being (it starts from its first small change).
        auto attribute = attributes.find(name);
        if (attribute != attributes.end() ? attribute->second <= need.threshold : reached.count(name) > 0)
          return true;
      } else if (reached.count(name)) {
        return true;
      }
    }
    return false;
  };
  std::vector<bool> done(sources.size(), false);
  for (bool grew = true; grew;) {
    grew = false;
    for (size_t i = 0; i < sources.size(); ++i) {
      if (done[i]) continue;
      bool all = true;
      for (const Need& need : sources[i].needs) all = all && met(need);
      if (!all) continue;
      done[i] = grew = true;
      reached.insert(sources[i].raises.begin(), sources[i].raises.end());
    }
  }

  // Each value nothing raises, once, with the most any requirement asks of it and who asks.
  struct Unmet {
    float threshold = 0.0f;
    std::set<std::string> askedBy;
  };
  std::map<std::string, Unmet> unmet;
  size_t needs = 0;
  for (const Source& source : sources) {
    needs += source.needs.size();
    for (const Need& need : source.needs) {
      if (met(need)) continue;
      Unmet& value = unmet[Describe(need)];
      if (value.askedBy.empty()) value.threshold = need.threshold;
      value.threshold = need.below ? std::min(value.threshold, need.threshold)
                                   : std::max(value.threshold, need.threshold);
      value.askedBy.insert(source.what);
    }
  }
  // The walk itself saw the tables.
  EXPECT_GT(books, 10);
  EXPECT_GT(jobs, 20);
  EXPECT_GT(HOOK_EveningClassType::All().size(), 20u);
  EXPECT_GT(needs, 200u);
  std::ostringstream list;
  for (const auto& [value, found] : unmet) {
    list << "\n  " << value << " " << found.threshold << ", asked by:";
    for (const std::string& who : found.askedBy) list << " " << who << ";";
  }
  EXPECT_TRUE(unmet.empty()) << "nothing the player can reach raises:" << list.str();
}

TEST_F(RequirementsReachTest, TheValuesTheRulesSetAreSeenByARequirement) {
  // The rules' own values must be visible to a requirement's test, or the list above vouches
  // for values play never finds.
  auto holds = [](const std::string& name, float threshold, bool below = false) {
    return SIM_Prerequisite(name, threshold, false, below).IsMet();
  };
  SIM_Vesk* player = SIM_Vesk::Instance();
  const float salary = player->GetValue("income");
  ASSERT_GT(salary, 1000.0f);  // a new game starts in work
  EXPECT_TRUE(holds("income", salary));
  EXPECT_FALSE(holds("income", salary + 1.0f));
  EXPECT_TRUE(holds("income", salary, true));

  SIM_Tovel::Instance().Add(5.0f);
  EXPECT_TRUE(holds("tovel", SIM_Tovel::Instance().GetTotal()));
  EXPECT_FALSE(holds("tovel", SIM_Tovel::Instance().GetTotal() + 1.0f));

  SIM_Weather::Instance().SetWeather(WEATHER_RAIN, 0.6f);
  EXPECT_TRUE(holds("weather_rain", 0.6f));
  EXPECT_TRUE(holds("weather_sun", 0.0f, true));

  // The job's industry, set on taking it.
  const std::string industry = player->GetJob()->GetIndustryName();
  ASSERT_FALSE(industry.empty());
  EXPECT_TRUE(holds(industry, 1.0f));
}

}  // namespace
