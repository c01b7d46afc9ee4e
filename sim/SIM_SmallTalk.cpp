// Small talk.
#include "sim/SIM_SmallTalk.h"

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_Weather.h"

namespace {

constexpr const char* kDefault = "SMALLTALK_DEFAULT";

struct Store {
  std::vector<std::string> topics;
  std::vector<SIM_SmallTalk::News> news;
};

Store& TheStore() {
  static Store store;
  return store;
}

// A random line of a numbered section, copied at once.
std::string RandomLine(const std::string& section) {
  return std::string(GetRandomStringFromFile(section, kStringsFile));
}

const char* WeatherTopic(int kind) {
  switch (kind) {
    case WEATHER_SUN: return "SMALLTALK_WEATHER_SUN";
    case WEATHER_CLOUD: return "SMALLTALK_WEATHER_CLOUD";
    case WEATHER_RAIN: return "SMALLTALK_WEATHER_RAIN";
    case WEATHER_SNOW: return "SMALLTALK_WEATHER_SNOW";
    default: break;
  }
  // The weather never gives another kind; talk of something else rather than stop.
  ReportAssertion(false, "SIM_SmallTalk", __LINE__);
  return nullptr;
}

float CultureOf(const SIM_Person* person) {
  if (const auto* npc = dynamic_cast<const SIM_NPC*>(person)) return npc->GetCultureDemand();
  if (person == SIM_Vesk::Instance()) return SIM_Vesk::Instance()->GetValue("culture");
  return 0.0f;
}

}  // namespace

void SIM_SmallTalk::AddNews(const std::string& key, int days) {
  TheStore().news.push_back({key, days});
}

void SIM_SmallTalk::DailyUpdate() {
  Store& store = TheStore();
  // 1. The news count down once; what falls below a day goes.
  for (News& n : store.news) --n.days;
  std::erase_if(store.news, [](const News& n) { return n.days < 1; });
  // 2. The home.
  store.topics.clear();
  const SIM_NamedValueList& globals = GlobalNamedValues();
  if (globals.IsSet("dog")) store.topics.emplace_back("SMALLTALK_DOG");
  if (globals.IsSet("cat")) store.topics.emplace_back("SMALLTALK_CAT");
  if (globals.IsSet("guitar")) store.topics.emplace_back("SMALLTALK_GUITAR");
  // 3. and 4. Today's weather and the player's traits, for today only.
  if (const char* weather = WeatherTopic(SIM_Weather::Instance().GetType())) AddNews(weather, 1);
  const SIM_Vesk* player = SIM_Vesk::Instance();
  if (SIM_Finances::Instance().GetCash() > 1000.0f) AddNews("SMALLTALK_WEALTHY", 1);
  if (player->GetValue("weight") > 0.8f) AddNews("SMALLTALK_FAT", 1);
  if (player->GetValue("iq") > 0.8f) AddNews("SMALLTALK_CLEVER", 1);
  // 5. and 6.
  store.topics.emplace_back(kDefault);
  for (const News& n : store.news) {
    ReportAssertion(!n.key.empty(), "SIM_SmallTalk", __LINE__);
    if (!n.key.empty()) store.topics.push_back(n.key);
  }
}

std::string SIM_SmallTalk::GetLine(const SIM_Person* person) {
  const std::vector<std::string>& topics = TheStore().topics;
  const std::string topic =
      topics.empty() ? std::string(kDefault)
                     : topics[static_cast<size_t>(RandomBelow(static_cast<int>(topics.size())))];
  std::string line = RandomLine(topic);
  ReplaceSubstring(line, "<VESKSNAME>", SIM_Vesk::Instance()->GetForename());
  const std::string salutation = GetSalutation(person);
  ReplaceSubstring(line, "<SALUTATION>", salutation);
  return line;
}

std::string SIM_SmallTalk::GetSalutation(const SIM_Person* person) {
  const float culture = CultureOf(person);
  if (culture < 0.33f) return RandomLine("SMALLTALK_SALUTATION_LOWER");
  if (culture < 0.66f) return RandomLine("SMALLTALK_SALUTATION_MIDDLE");
  return RandomLine("SMALLTALK_SALUTATION_UPPER");
}

void SIM_SmallTalk::Clear() {
  TheStore().topics.clear();
  TheStore().news.clear();
}

const std::vector<std::string>& SIM_SmallTalk::Topics() { return TheStore().topics; }
const std::vector<SIM_SmallTalk::News>& SIM_SmallTalk::AllNews() { return TheStore().news; }

void SIM_SmallTalk::Restore(const std::vector<std::string>& topics, const std::vector<News>& news) {
  TheStore().topics = topics;
  TheStore().news = news;
}
