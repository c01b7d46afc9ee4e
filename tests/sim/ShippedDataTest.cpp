// The shipped data is complete: every game variable, text and parent the game looks up is
// there, so no lookup in play can stop the game. Later tables join these checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

#include "engine/ConfigFile.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "platform/Files.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Gift.h"
#include "sim/SIM_Shop.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Gift.h"
#include "sim/SIM_Gym.h"
#include "sim/SIM_LotteryTicket.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_CommuteMethod.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_GlobalVariables.h"
#include "gui/GUI_Tutorial.h"
#include "gui/windows/GUI_RestaurantInstance.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_WebTV.h"
#include "sim/SIM_Weather.h"
#include "support/TestSupport.h"

using testsupport::FatalCatcher;
using testsupport::ScopedChdir;

namespace {

const char* const kVariables[] = {
    "SLEEP_DURATION", "SPECIAL_EVENT_TRIGGER", "SOCIAL_PEOPLESKILLS_BOOST",
    "SOCIAL_PEOPLESKILLS_DEGRADE",
    "GV_STARTINGCASH", "GV_UNEMPLOYMENT_BENEFIT", "GV_FIN_DISPOSABLEPERC", "GV_FRIENDSCASH_MIN",
    "GV_FRIENDSCASH_MAX", "GV_PROMOTION_MINGAP", "GV_PROMOTION_TOVELGAIN", "GV_NEWJOB_STRESS",
    "GV_JOBFRIEND_FREQUENCY", "GV_INITIALFRIENDS", "GV_INTERESTS_MIN", "GV_INTERESTS_MAX",
    "GV_EVENT_MEMORY_DECAY", "GV_BADMEMORY_THRESHHOLD", "GV_SNUBRELEFFECT",
    "GV_IMPORTANT_INVITE_DELAY", "GV_NPC_INVITEPROB", "GV_IMPORTANTINVITE_ACCEPT_BOOST",
    "GV_FRIEND_GAIN_THRESHHOLD", "GV_FRIEND_LOST_THRESHHOLD", "GV_REL_DEGRADERATE",
    "GV_MINREL_SELFSUSTAIN", "GV_NPCREL_GAIN", "GV_SUBSIDISED_REL_BOOST",
    "GV_ROMANCE_BEGIN_THRESHHOLD", "GV_ROMANCE_BEGIN_ATTRACT_SCALAR",
    "GV_ROMANCE_BUSTUP_THRESHHOLD", "GV_ROMANCE_HAPP_EFFECT", "GV_ROMANCE_LONE_EFFECT",
    "GV_ROMANCE_CONF_EFFECT", "GV_GIFT_REL_BOOST", "GV_GIFT_CYNICISM", "GV_DUMPED_HAPP_EFFECT",
    "GV_DUMPED_HAPP_DEGRADE", "GV_DUMPED_CONF_EFFECT", "GV_DUMPED_CONF_DEGRADE",
    "GV_DUMPED_LONE_EFFECT", "GV_DUMPED_LONE_DEGRADE", "GV_SOCIALISE_ALONE_WITHOUT_PARTNER",
    "GV_SOCIALISE_SNUB_PARTNER", "GV_SOCIALISE_BOOST_SCALAR", "GV_GAMESKILL_GAIN",
    "GV_WINGAME_CONFIDENCE", "GV_LOSEGAME_CONFIDENCE", "GV_BRAWL_TOVELLOSS",
    "GV_BRAWL_RELATION_LOSS", "GV_BOWLINGTEAM_TOVEL", "GV_HIP_RESTAURANT_TOVEL",
    "GV_SNOOTY_RESTAURANT_TOVEL", "GV_CHEAPO_RESTAURANT_TOVEL", "GV_TOVEL_DEGRADE",
    "GV_MUGGING_INTERVAL_MIN", "GV_MUGGING_INTERVAL_MAX", "GV_BURGLARY_INTERVAL_MIN",
    "GV_BURGLARY_INTERVAL_MAX", "GV_MUGGED_TOVEL", "GV_MUGGER_ARREST_TOVEL",
    "GV_MUGGER_DEFEAT_TOVEL", "GV_DIRT_ACCUMULATE_RATE", "GV_DIRT_PET_BONUS",
    "GV_GERM_ACCUMULATE_RATE", "GV_MAXDIRTSPRITES", "GV_BOOKPAGESPERDAY", "GV_BASE_THEORY_PROG",
    "GV_DISC_THEORY_PROG", "GV_THEORY_TOVEL_BOOST", "GV_BASE_NEWSSTORY_PROG", "GV_NEWSSTORY_TOVEL",
    "GV_SCREENPLAY_PROGBASE", "GV_SCREENPLAY_CULTMULT", "GV_SCREENPLAY_QUALBASE",
    "GV_SCREENPLAY_QUALGAIN", "GV_SCREENPLAY_XPPERBOOK", "GV_SCREENPLAY_MINROYALTY",
    "GV_SCREENPLAY_MAXROYALTY", "GV_SCREENPLAY_TOVEL_BOOST", "GV_BASE_SONGWRITE_PROG",
    "GV_INST_SONGWRITE_PROG", "GV_SONG_MINROYALTY", "GV_SONG_MAXROYALTY", "GV_SONG_TOVEL_BOOST",
    "GV_ROYALTY_DEGRADE", "GV_LOSTCAT_TOVELFINE", "GV_LOSTDOG_TOVELFINE", "GV_LOSTFISH_TOVELFINE",
    "GV_LOSTHAMSTER_TOVELFINE", "GV_LOSTPARROT_TOVELFINE", "GV_HAMSTER_SUDDENDEATH_EFFECT",
    "GV_HAMSTER_SUDDENDEATH_DEGRADE", "GV_BLOODALCOHOL_GAINRATE", "GV_BLOODALCOHOL_RECOVER",
    "GV_ALCOHOLIC_RECOVERY"};

// The attributes the player's rules read by name.
const char* const kAttributes[] = {
    "happiness", "confidence", "tiredness", "stress", "fitness", "loneliness", "boredom",
    "alcohol", "iq", "iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving", "culture",
    "culture_arts", "culture_literature", "culture_knowledge", "_energy", "_sobriety"};

bool HasText(const std::string& key) {
  return std::string(Translate(key.c_str())) != key;
}

class ShippedDataTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetStringTable();
    SIM_GlobalVariables::Instance().Load();
  }
  ScopedChdir cd{TOVEL_SOURCE_DIR};
};

TEST_F(ShippedDataTest, ConfigHoldsEveryVariableTheGameLooksUp) {
  const auto& gv = SIM_GlobalVariables::Instance();
  EXPECT_EQ(sizeof(kVariables) / sizeof(kVariables[0]), 96u);
  for (const char* name : kVariables) EXPECT_TRUE(gv.Has(name)) << name;
  EXPECT_GT(gv.Get("SLEEP_DURATION"), 0.0f);
  EXPECT_GT(gv.Get("GV_STARTINGCASH"), 0.0f);
  // Every line is NAME=value with no blank before '=' and a value of at most 30 characters.
  std::string text;
  ASSERT_TRUE(plat::ReadTextFile("data/config.txt", text));
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty() || line == "[config]") continue;
    const size_t eq = line.find('=');
    ASSERT_NE(eq, std::string::npos) << line;
    EXPECT_NE(line[eq - 1], ' ') << line;
    EXPECT_LE(line.size() - eq - 1, 30u) << line;
  }
}

TEST_F(ShippedDataTest, EveryModifierAndPrerequisiteInEveryTableResolves) {
  // Modifier and prerequisite fields are the quoted "name,amount[,limit]" fields of a row.
  int checked = 0;
  for (const plat::DirEntry& entry : plat::ListMatching("data/simulation/*.csv")) {
    // The social events' quoted fields are also interest pairs and quality factors: their
    // own test reads them through the table's reader.
    if (entry.name == "social_events.csv") continue;
    const auto table = LoadSpreadsheet("data/simulation/" + entry.name);
    // Restaurants carry no effects, only quoted descriptions.
    if (entry.name == "restaurants.csv") continue;
    // The jobs table's quoted descriptions and tip pairs come before its prerequisites; a
    // film's quoted description comes before its effects.
    int firstEffectColumn = entry.name == "jobs.csv" ? 20 : 0;
    // The possessions' quoted flag lists come before their modifiers.
    if (entry.name == "assets.csv") firstEffectColumn = 15;
    if (entry.name == "movies.csv") firstEffectColumn = 4;
    StringTokenizer row;
    for (const std::string& line : *table) {
      row.SetText(line);
      for (int column = 0; !row.AtEnd(); ++column) {
        const std::string field = TrimField(row.NextString());
        if (column < firstEffectColumn || field.find(',') == std::string::npos) continue;
        StringTokenizer parts;
        parts.SetText(field);
        const std::string name = parts.NextString();
        EXPECT_TRUE(HasText("nv_" + name)) << entry.name << ": nv_" << name;
        while (!parts.AtEnd()) {
          const std::string value = TrimField(parts.NextString());
          if (!value.empty() && value[0] == '_') {
            EXPECT_TRUE(SIM_GlobalVariables::Instance().Has(value)) << entry.name << ": " << value;
          }
        }
        ++checked;
      }
    }
  }
  // No shipped table carries modifiers yet; the count grows as the tables arrive.
  EXPECT_GE(checked, 0);
}

TEST_F(ShippedDataTest, AttributesLoadWithTextsAndParents) {
  SIM_NamedValueList list("attributes");
  {
    FatalCatcher catcher;
    SIM_Attribute::LoadTable("data/simulation/attributes.csv", list);
  }
  for (const char* name : kAttributes) EXPECT_TRUE(list.Has(name)) << name;
  for (SIM_NamedValue* value : list.Values()) {
    auto* a = dynamic_cast<SIM_Attribute*>(value);
    ASSERT_NE(a, nullptr);
    EXPECT_TRUE(HasText("nv_" + a->GetName())) << a->GetName();
    EXPECT_TRUE(HasText(a->GetGuiName())) << a->GetGuiName();
    for (int i = 0; i < 3; ++i) EXPECT_TRUE(HasText(a->GetDescription(i))) << a->GetDescription(i);
    if (!a->GetParentName().empty()) {
      EXPECT_NE(a->GetParent(), nullptr) << a->GetName();
    }
    EXPECT_GE(a->GetBase(), 0.0f);
    EXPECT_LE(a->GetBase(), 1.0f);
  }
  SIM_Attribute::ClearRegistry();
}

TEST_F(ShippedDataTest, WeatherTableLoadsAndEveryRowReachesOne) {
  FatalCatcher catcher;
  SIM_Weather::Instance().Load();
  for (int m = 0; m < 12; ++m) {
    float sum = 0.0f;
    for (int k = 0; k < 4; ++k) sum += SIM_Weather::Instance().GetShare(m, k);
    EXPECT_GE(sum, 1.0f) << "month " << m;  // a draw of exactly 1 still finds a kind
  }
}

TEST_F(ShippedDataTest, MonthNamesAndGlobalValueTexts) {
  const ConfigFile* months = GetCachedConfig("MonthNames", kStringsFile);
  ASSERT_NE(months, nullptr);
  for (int m = 0; m < 12; ++m) EXPECT_STRNE(months->GetValue(std::to_string(m)), "") << m;
  for (const char* name : {"tovel", "glob_dirt", "glob_germs", "glob_outdoors", "weather_sun",
                           "weather_cloud", "weather_rain", "weather_snow"})
    EXPECT_TRUE(HasText(std::string("nv_") + name)) << name;
  EXPECT_FALSE(plat::PathExists("data/cheats.txt"));
}

TEST_F(ShippedDataTest, SocialEventsCoverEveryCategoryWithKnownInterestsValuesAndSounds) {
  FatalCatcher catcher;
  SIM_InterestType::LoadAll();
  SIM_SocialiseType::Reload();
  std::set<std::string> categories;
  bool energy = false;
  for (const auto& type : SIM_SocialiseType::All()) {
    const std::string& name = type->GetName();
    categories.insert(type->GetCategory());
    EXPECT_TRUE(HasText(type->GetGuiName())) << name;
    EXPECT_TRUE(HasText(type->GetText())) << name;
    EXPECT_TRUE(HasText(type->GetNoun())) << name;
    EXPECT_TRUE(HasText(type->GetInviteText())) << name;
    EXPECT_FALSE(type->GetInterests().empty()) << name;
    for (const auto& [interest, weight] : type->GetInterests()) {
      EXPECT_NE(SIM_InterestType::Find(interest), nullptr) << name << ": " << interest;
      EXPECT_GT(weight, 0.0f) << name << ": " << interest;
    }
    for (const SIM_Modifier* modifier : type->GetModifiers())
      EXPECT_TRUE(HasText("nv_" + modifier->name)) << name << ": " << modifier->name;
    for (const auto& prerequisite : type->GetPrerequisites()) {
      EXPECT_TRUE(HasText("nv_" + prerequisite->GetName())) << name;
      if (prerequisite->GetName() == "_energy") energy = true;
    }
    for (const auto& factor : type->GetQualityFactors())
      EXPECT_TRUE(factor->GetName() == "_random" || HasText("nv_" + factor->GetName())) << name;
    if (!type->GetStartSound().empty()) {
      EXPECT_TRUE(plat::PathExists("data/sounds/" + type->GetStartSound())) << name;
    }
    EXPECT_GE(type->minGuests, 2) << name;
    EXPECT_GE(type->maxGuests, type->minGuests) << name;
  }
  EXPECT_EQ(categories, (std::set<std::string>{"RESTAURANT", "MOVIE", "ROULETTE", "BEER",
                                               "NIGHTCLUB", "BOWLING", "GAME", "ROMANTIC"}));
  EXPECT_TRUE(energy);
  ASSERT_NE(SIM_SocialiseType::FindByName("chineserestaurant"), nullptr);
  ASSERT_NE(SIM_SocialiseType::FindByName("bowling"), nullptr);
  EXPECT_EQ(SIM_SocialiseType::FindByName("bowling")->GetCategory(), "BOWLING");
  SIM_SocialiseType::DeleteAll();
  SIM_InterestType::DeleteAll();
}

TEST_F(ShippedDataTest, EveningTextsFortunesAndTheirPicturesAreShipped) {
  EXPECT_GE(GetCachedConfig("cookies", "data/simulation/fortunes.txt")->GetEntries().size(), 40u);
  for (const char* section :
       {"post_mortem_overall", "post_mortem_mood", "post_mortem_activitymatch",
        "SOCIALISE_EVENTQUALITY", "POSTMORTEM_COMMONINTEREST", "POSTMORTEM_NOCHEMISTRY",
        "ROMANCE_DATE_WITHOUT_ME"}) {
    const ConfigFile* texts = GetCachedConfig(section, kStringsFile);
    ASSERT_FALSE(texts->GetEntries().empty()) << section;
    for (const ConfigEntry& entry : texts->GetEntries()) EXPECT_FALSE(entry.value.empty()) << section;
  }
  for (const char* picture : {"blank_person.dds", "link_direct.dds", "link_indirect.dds", "fortune.dds"})
    EXPECT_TRUE(plat::PathExists(std::string("data/bitmaps/gui/") + picture)) << picture;
}

TEST_F(ShippedDataTest, WebSitesAndChannelsFitTheirWindowsWithTheirPicturesAndTitlesAreShipped) {
  ForgetWebTVLists();
  const auto& sites = WebsiteList();
  const auto& channels = TVChannelList();
  // The web window holds four picture buttons and the TV window seven.
  EXPECT_GE(sites.size(), 1u);
  EXPECT_LE(sites.size(), 4u);
  EXPECT_GE(channels.size(), 1u);
  EXPECT_LE(channels.size(), 7u);
  int cable = 0;
  auto check = [](const auto& entry) {
    EXPECT_FALSE(entry->name.empty());
    EXPECT_FALSE(entry->tooltip.empty()) << entry->name;
    EXPECT_FALSE(entry->GetModifiers().empty()) << entry->name;
    EXPECT_TRUE(plat::PathExists("data/bitmaps/gui/" + entry->texture)) << entry->texture;
  };
  for (const auto& site : sites) check(site);
  for (const auto& channel : channels) {
    check(channel);
    if (channel->needsCable) ++cable;
  }
  // Some channels need cable TV, and some can be watched without it.
  EXPECT_GE(cable, 2);
  EXPECT_LT(cable, static_cast<int>(channels.size()));
  ForgetWebTVLists();

  for (const char* section : {"sciencetheories", "newsstories", "screenplays", "songtitles"}) {
    const ConfigFile* titles = GetCachedConfig(section, kStringsFile);
    EXPECT_GE(titles->GetEntries().size(), 10u) << section;
    for (const ConfigEntry& entry : titles->GetEntries()) EXPECT_FALSE(entry.value.empty()) << section;
  }
}

TEST_F(ShippedDataTest, CrosswordListsHoldTypeableAnswersWithCluesAndEnoughWords) {
  const std::vector<CrosswordWord> before = CrosswordPool();
  const std::pair<std::string, size_t> lists[] = {
      {kEasyCrosswordFile, 60},
      {kHardCrosswordFile, 60},
      {CrosswordIndustryFile("science"), 15},
      {CrosswordIndustryFile("acting"), 15},
      {CrosswordIndustryFile("medicine"), 15},
      {CrosswordIndustryFile("legal"), 15}};
  std::set<std::string> files;
  for (const auto& [file, least] : lists) {
    ASSERT_FALSE(file.empty());
    files.insert(file);
    const auto table = LoadSpreadsheet(file);
    EXPECT_GE(table->size(), least) << file;
    std::set<std::string> answers;
    for (const std::string& line : *table) {
      StringTokenizer tokens;
      tokens.SetText(line);
      tokens.NextString();
      const std::string answer = tokens.NextTrimmedString();
      const std::string clue = tokens.NextTrimmedString();
      // Lower-case letters and digits only: the keys the window types.
      EXPECT_TRUE(!answer.empty() && answer.size() <= kMaxCrosswordAnswer &&
                  std::all_of(answer.begin(), answer.end(), [](char c) {
                    return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
                  }))
          << file << ": " << answer;
      EXPECT_FALSE(clue.empty()) << file << ": " << answer;
      EXPECT_TRUE(answers.insert(answer).second) << file << ": " << answer << " twice";
    }
    // The reader keeps every record.
    CrosswordPool().clear();
    EXPECT_EQ(AppendCrosswordWords(file), static_cast<int>(table->size())) << file;
  }
  EXPECT_EQ(files.size(), 6u);
  // The industries the lists follow are the table's own.
  std::set<std::string> industries;
  const auto industryTable = LoadSpreadsheet("data/simulation/industries.csv");
  for (const std::string& line : *industryTable) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextString();
    industries.insert(tokens.NextString());
  }
  for (const char* industry : {"science", "medicine", "legal"})
    EXPECT_TRUE(industries.count(industry)) << industry;
  CrosswordPool() = before;
}

TEST_F(ShippedDataTest, EveningClassesSitInKnownSchoolsRequireCoursesAndHaveTheirTexts) {
  // The raw rows first: a school word the reader does not know would hide the class.
  const auto table = LoadSpreadsheet(HOOK_EveningClassType::kTableFile);
  ASSERT_FALSE(table->empty());
  for (const std::string& row : *table) {
    StringTokenizer tokens;
    tokens.SetText(row);
    tokens.NextToken();
    EXPECT_GE(HOOK_EveningClassType::CategoryOf(TrimField(tokens.NextString())), 0) << row;
  }
  HOOK_EveningClassType::LoadAll();
  ASSERT_EQ(HOOK_EveningClassType::All().size(), table->size());
  for (int c = 0; c < HOOK_EveningClassType::kCategoryCount; ++c)
    EXPECT_GE(HOOK_EveningClassType::InCategory(c).size(), 3u) << c;
  for (const auto& type : HOOK_EveningClassType::All()) {
    const std::string& name = type->GetName();
    // The course's skill is its own value: its text, its description, a study amount that
    // completes it, and requirements that are other courses (the skills classes teach).
    EXPECT_NE(Translate(("nv_" + name).c_str()), "nv_" + name) << name;
    EXPECT_NE(Translate(type->GetDescriptionKey().c_str()), type->GetDescriptionKey()) << name;
    ASSERT_EQ(type->GetModifiers().size(), 3u) << name;
    EXPECT_EQ(type->GetModifiers()[0]->name, name);
    EXPECT_GT(type->GetModifiers()[0]->amount, 0.0f) << name;
    EXPECT_GT(type->GetCost(), 0.0f) << name;
    bool meets = false;
    for (int day = 0; day < 7; ++day) meets |= type->MeetsOn(day);
    EXPECT_TRUE(meets) << name;
    for (const auto& requirement : type->GetPrerequisites()) {
      const HOOK_EveningClassType* course = HOOK_EveningClassType::FindByName(requirement->GetName());
      EXPECT_NE(course, nullptr) << name << " requires " << requirement->GetName();
      EXPECT_NE(course, type.get()) << name;
    }
  }
  // Some course in every school needs none, so every school can be started.
  for (int c = 0; c < HOOK_EveningClassType::kCategoryCount; ++c) {
    const auto& list = HOOK_EveningClassType::InCategory(c);
    EXPECT_TRUE(std::any_of(list.begin(), list.end(),
                            [](const HOOK_EveningClassType* t) { return t->GetPrerequisites().empty(); }))
        << c;
  }
  HOOK_EveningClassType::DeleteAll();
}

TEST_F(ShippedDataTest, ThePossessionsTheRulesReadAreSoldWithTheirPicturesAndSounds) {
  LoadAssets();
  LoadCommuteMethods();
  // Owning these sets the values that the commute, crime, dirt, mail and television read.
  for (const char* name : {"cheapcar", "expensivecar", "bicycle", "motorbike", "skateboard",
                           "mp3player", "cleaner", "alarm", "guitar", "laptop", "cabletv", "dog",
                           "cat", "fish", "hamster", "parrot", "dogfood", "catfood", "fishfood",
                           "hamsterfood", "parrotfood"})
    EXPECT_NE(SIM_Asset::FindByName(name), nullptr) << name;
  std::set<std::string> tabs;
  for (const SIM_Asset* asset : SIM_Asset::All()) {
    tabs.insert(asset->GetCategory());
    EXPECT_TRUE(plat::PathExists("data/bitmaps/assets/" + asset->GetPicture())) << asset->GetName();
    if (!asset->GetSound().empty()) {
      EXPECT_TRUE(plat::PathExists(asset->GetSound())) << asset->GetName();
    }
  }
  for (const char* tab : {"general", "music", "pets"}) EXPECT_TRUE(tabs.count(tab)) << tab;
  EXPECT_GE(SIM_Asset::All().size(), 60u);
  // The shop offers only what can be bought again after a sale: every possession of a new
  // game is on its shelves (a book while it is unread; a gift waits for a partner).
  for (SIM_Asset* asset : SIM_Asset::All()) {
    if (dynamic_cast<SIM_Gift*>(asset)) continue;
    const std::vector<SIM_Asset*> shelf = SIM_Shop::Offered(asset->GetCategory());
    EXPECT_NE(std::find(shelf.begin(), shelf.end(), asset), shelf.end()) << asset->GetName();
  }
  // Walking and the bus need nothing; every other way's transport is something the shop sells.
  ASSERT_NE(SIM_CommuteMethod::FindByName("walk"), nullptr);
  ASSERT_NE(SIM_CommuteMethod::FindByName("bus"), nullptr);
  for (const auto& method : SIM_CommuteMethod::All()) {
    EXPECT_TRUE(plat::PathExists("data/bitmaps/commute/" + method->GetPicture())) << method->GetId();
    for (const std::string& transport : method->TransportAssets()) {
      const SIM_Asset* asset = SIM_Asset::FindByName(transport);
      ASSERT_NE(asset, nullptr) << transport;
      EXPECT_TRUE(asset->GetFlag(SIM_Asset::MEANSOFTRANSPORT)) << transport;
    }
  }
  SIM_Asset::DeleteAll();
  SIM_CommuteMethod::DeleteAll();
}

TEST_F(ShippedDataTest, TheBooksTabHasBooksWhoseSkillsCanBeLearntAndWhoseVerbsLeadSomewhere) {
  LoadAssets();
  SIM_SocialiseType::Reload();
  SIM_SoloActivityType::Reload();
  // The skills a player learns in play: a game's own (the game evenings and bowling), and
  // the people skills of evenings out.
  std::set<std::string> skills = {"peopleskills"};
  for (const auto& type : SIM_SocialiseType::All())
    if (type->GetCategory() == "GAME" || type->GetCategory() == "BOWLING") skills.insert(type->GetName());
  SIM_NamedValueList attributes("attributes");
  {
    FatalCatcher catcher;
    SIM_Attribute::LoadTable("data/simulation/attributes.csv", attributes);
  }
  int books = 0, withSkills = 0, readable = 0;
  for (const SIM_Book* book : SIM_Book::All()) {
    ++books;
    EXPECT_EQ(book->GetCategory(), "books") << book->GetName();
    EXPECT_GT(book->GetPageCount(), 0) << book->GetName();
    EXPECT_TRUE(book->GetUseVerb() == "showdetails" || book->GetUseVerb() == "sudoku") << book->GetName();
    if (book->GetUseVerb() == "sudoku") {
      EXPECT_NE(SIM_SoloActivityType::TryFind("sudoku"), nullptr);
    } else {
      ++readable;
    }
    if (!book->GetRequiredSkills().empty()) ++withSkills;
    for (const SIM_Book::RequiredSkill& skill : book->GetRequiredSkills()) {
      EXPECT_TRUE(skills.count(skill.name)) << book->GetName() << ": " << skill.name;
      EXPECT_FALSE(attributes.Has(skill.name)) << skill.name;
      EXPECT_TRUE(HasText("nv_" + skill.name)) << skill.name;
    }
  }
  EXPECT_GE(readable, 20);
  EXPECT_GT(withSkills, 0);
  EXPECT_GT(books - withSkills, withSkills);  // most books need nothing but the reader
  for (const SIM_Asset* asset : SIM_Asset::All()) {
    if (asset->GetCategory() == "books") {
      EXPECT_NE(dynamic_cast<const SIM_Book*>(asset), nullptr) << asset->GetName();
    }
  }
  // The gym's use has its activity, and the shop sells gifts and tickets.
  EXPECT_NE(SIM_SoloActivityType::TryFind(SIM_Gym::kActivity), nullptr);
  EXPECT_NE(dynamic_cast<const SIM_Gym*>(SIM_Asset::FindByName("gymmembership")), nullptr);
  EXPECT_NE(dynamic_cast<const SIM_LotteryTicket*>(SIM_Asset::FindByName("lotteryticket")), nullptr);
  EXPECT_TRUE(std::any_of(SIM_Asset::All().begin(), SIM_Asset::All().end(),
                          [](const SIM_Asset* a) { return dynamic_cast<const SIM_Gift*>(a); }));
  SIM_Attribute::ClearRegistry();
  SIM_SocialiseType::DeleteAll();
  SIM_Asset::DeleteAll();
}

}  // namespace

namespace {

// A picture anywhere under the textures' folder, as the renderer finds it by name.
bool PictureShipped(const std::string& name) {
  for (const char* folder : {"gui", "venues", "room", "jobs"})
    if (plat::PathExists("data/bitmaps/" + std::string(folder) + "/" + name)) return true;
  return false;
}

}  // namespace

TEST_F(ShippedDataTest, FilmsAndRestaurantsCoverEveryCuisineWithTheirTextsPicturesAndSounds) {
  SIM_Movie::LoadAll();
  EXPECT_GE(SIM_Movie::All().size(), 15u);
  std::set<std::string> titles;
  for (const auto& film : SIM_Movie::All()) {
    EXPECT_FALSE(film->GetTitle().empty());
    EXPECT_FALSE(film->GetText().empty()) << film->GetTitle();
    EXPECT_FALSE(film->GetModifiers().empty()) << film->GetTitle();
    EXPECT_TRUE(titles.insert(film->GetTitle()).second) << film->GetTitle();
  }
  SIM_Movie::DeleteAll();

  SIM_InterestType::LoadAll();
  SIM_SocialiseType::Reload();
  SIM_Restaurant::LoadAll();
  EXPECT_GE(SIM_Restaurant::All().size(), 12u);
  std::set<int> styles;
  for (const auto& r : SIM_Restaurant::All()) {
    EXPECT_NE(r->GetStyle(), RESTAURANT_INVALID) << r->GetName();
    styles.insert(r->GetStyle());
    EXPECT_GT(r->GetPrice(), 0.0f) << r->GetName();
    const SIM_SocialiseType* type = SIM_SocialiseType::FindByName(r->GetCuisine());
    ASSERT_NE(type, nullptr) << r->GetCuisine();
    EXPECT_EQ(type->GetCategory(), "RESTAURANT");
  }
  EXPECT_EQ(styles.size(), 4u);
  for (const auto& type : SIM_SocialiseType::All()) {
    if (type->GetCategory() != "RESTAURANT") continue;
    int candidates = 0;
    for (const auto& r : SIM_Restaurant::All()) candidates += r->GetCuisine() == type->GetName();
    EXPECT_GT(candidates, 0) << type->GetName();
    EXPECT_TRUE(PictureShipped(GUI_RestaurantInstance::HealthyPicture(type->GetName())));
    EXPECT_TRUE(PictureShipped(GUI_RestaurantInstance::IndulgentPicture(type->GetName())));
  }
  for (const auto& own : GUI_RestaurantInstance::OwnMealPictures()) {
    EXPECT_TRUE(PictureShipped(own.healthy)) << own.typeName;
    EXPECT_TRUE(PictureShipped(own.indulgent)) << own.typeName;
  }
  EXPECT_TRUE(PictureShipped(GUI_RestaurantInstance::HealthyPicture("other")));
  EXPECT_TRUE(PictureShipped(GUI_RestaurantInstance::IndulgentPicture("other")));
  SIM_Restaurant::DeleteAll();
  SIM_SocialiseType::DeleteAll();
  SIM_InterestType::DeleteAll();

  for (const char* picture : {"bowlingteam.bmp", "bowlingteam_leave.bmp", "bar_brawl.dds",
                              "roulette_wheel.bmp", "popcorn.dds", "nightclub.jpg"})
    EXPECT_TRUE(PictureShipped(picture)) << picture;
  for (const char* sound : {"cash.ogg", "ooh.ogg", "ahh.ogg", "bowling.ogg", "projector.ogg",
                            "wine.ogg", "police.wav", "dancemusic.ogg"})
    EXPECT_TRUE(plat::PathExists(std::string("data/sounds/") + sound)) << sound;
  for (const char* section :
       {"MOVIE_REVIEW", "RUMOUR_BAD_MOVIE", "RUMOUR_GOOD_MOVIE", "RUMOUR_CHEAPO_RESTAURANT",
        "RUMOUR_MIDRANGE_RESTAURANT", "RUMOUR_SNOOTY_RESTAURANT", "RUMOUR_HIP_RESTAURANT"})
    EXPECT_GE(GetCachedConfig(section, "data/strings.ini")->GetEntries().size(), 2u) << section;
}

namespace {

// The lines of a numbered section, "0" upwards, as the random and numbered draws read them.
std::vector<std::string> SectionLines(const std::string& section) {
  std::vector<std::string> lines;
  const ConfigFile* config = GetCachedConfig(section, kStringsFile);
  for (size_t i = 0; i < config->GetEntries().size(); ++i)
    lines.emplace_back(config->GetValue(std::to_string(i)));
  return lines;
}

// Every value a row of the shipped tables raises when it is played: the modifiers of the
// evenings, solo activities, channels, sites, possessions, jobs, events and films, and each
// evening class's own skill.
std::set<std::string> ValuesTheDataRaises() {
  std::set<std::string> raised;
  auto add = [&raised](const SIM_ModifierContainer& row) {
    for (const SIM_Modifier* m : row.GetModifiers())
      if (m->amount > 0.0f) raised.insert(m->name);
  };
  FatalCatcher catcher;
  const bool soloTypesWereLoaded = !SIM_SoloActivityType::All().empty();
  SIM_InterestType::LoadAll();
  SIM_SocialiseType::Reload();
  SIM_SoloActivityType::Reload();
  LoadAssets();
  HOOK_EveningClassType::LoadAll();
  SIM_SpecialEvent::LoadAll();
  SIM_Movie::LoadAll(SIM_Movie::kTableFile, false);
  ForgetWebTVLists();
  for (const auto& type : SIM_SocialiseType::All()) add(*type);
  for (const auto& type : SIM_SoloActivityType::All()) add(*type);
  for (const SIM_Asset* asset : SIM_Asset::All()) add(*asset);
  // Jobs row by row, outside the catalogue a player's job may belong to.
  const auto jobs = LoadSpreadsheet("data/simulation/jobs.csv");
  for (const std::string& row : *jobs)
    if (const auto job = SIM_JobBase::ReadCsvRow(row)) add(*job);
  for (const auto& type : HOOK_EveningClassType::All()) add(*type);
  for (const auto& event : SIM_SpecialEvent::All()) add(*event);
  for (const auto& film : SIM_Movie::All()) add(*film);
  for (const auto& site : WebsiteList()) add(*site);
  for (const auto& channel : TVChannelList()) add(*channel);
  ForgetWebTVLists();
  SIM_Movie::DeleteAll();
  SIM_SpecialEvent::DeleteAll();
  HOOK_EveningClassType::DeleteAll();
  SIM_Asset::DeleteAll();
  if (!soloTypesWereLoaded) SIM_SoloActivityType::DeleteAll();
  SIM_SocialiseType::DeleteAll();
  SIM_InterestType::DeleteAll();
  return raised;
}

}  // namespace

// The restaurants' rules key on cuisine tags and read the player's taste for each and what
// the player knows of cooking; the meal window keys its pictures on tags too. Each tag is a
// kind of evening the tables ship with restaurants to book, and each value something play
// raises, or the rule would only ever see 0 and the pictures never show.
TEST_F(ShippedDataTest, TheRestaurantRulesAndMealPicturesFindTheirCuisinesAndTastesInTheData) {
  std::map<std::string, int> restaurants;
  const auto table = LoadSpreadsheet(SIM_Restaurant::kTableFile);
  for (const std::string& row : *table) {
    StringTokenizer fields;
    fields.SetText(row);
    fields.NextToken();
    ++restaurants[TrimField(fields.NextString())];
  }
  std::map<std::string, std::string> categories;
  {
    FatalCatcher catcher;
    SIM_InterestType::LoadAll();
    SIM_SocialiseType::Reload();
    for (const auto& type : SIM_SocialiseType::All()) categories[type->GetName()] = type->GetCategory();
    SIM_SocialiseType::DeleteAll();
    SIM_InterestType::DeleteAll();
  }
  auto shipped = [&](const std::string& tag) {
    EXPECT_EQ(categories[tag], "RESTAURANT") << tag;
    EXPECT_GE(restaurants[tag], 4) << tag;  // a place of each style
  };
  ASSERT_FALSE(SIM_Restaurant::CuisineTastes().empty());
  for (const auto& taste : SIM_Restaurant::CuisineTastes()) shipped(taste.cuisine);
  for (const auto& own : GUI_RestaurantInstance::OwnMealPictures()) shipped(own.typeName);

  const std::set<std::string> raised = ValuesTheDataRaises();
  for (const auto& taste : SIM_Restaurant::CuisineTastes())
    EXPECT_TRUE(raised.count(taste.playerValue)) << taste.cuisine << " reads " << taste.playerValue;
  EXPECT_TRUE(raised.count(SIM_Restaurant::kCookingValue));
  // What play raises shows as the player's skills: each has its name.
  for (const std::string& value : raised) EXPECT_TRUE(HasText("nv_" + value)) << value;
}

// The film guide: a player who goes to the cinema every other week of the first year and
// watches the film programme every week can read most reviews by its end (a film's review
// needs more knowledge than its own threshold, drawn between 0 and 1); a player who has done
// neither reads none.
TEST_F(ShippedDataTest, ACinemaGoerWhoWatchesFilmProgrammesReadsReviewsInTheFirstYear) {
  const std::string knowledge = "glob_movieknowledge";
  auto teach = [&knowledge](SIM_ModifierContainer& row) {
    int taught = 0;
    for (const SIM_Modifier* m : row.GetModifiers())
      if (m->name == knowledge && m->amount > 0.0f) {
        row.ApplyModifier(*m, 1.0f);
        ++taught;
      }
    return taught;
  };
  SIM_NamedValueList& globals = GlobalNamedValues();
  SIM_NamedValue* before = globals.Find(knowledge);
  if (before) globals.Remove(before);
  const uint32_t randomState = GetRandomState();
  SeedRandom(41);
  FatalCatcher catcher;
  SIM_InterestType::LoadAll();
  SIM_SocialiseType::Reload();
  ForgetWebTVLists();
  SIM_Movie::LoadAll(SIM_Movie::kTableFile, false);
  auto readable = [] {
    int n = 0;
    for (const auto& film : SIM_Movie::All()) n += film->GetReview() != "?";
    return n;
  };
  EXPECT_EQ(readable(), 0);

  SIM_SocialiseType* cinema = nullptr;
  for (const auto& type : SIM_SocialiseType::All())
    if (type->GetCategory() == "MOVIE") cinema = type.get();
  ASSERT_NE(cinema, nullptr);
  SIM_TVChannel* filmChannel = nullptr;
  for (const auto& channel : TVChannelList())
    for (const SIM_Modifier* m : channel->GetModifiers())
      if (m->name == knowledge && !filmChannel) filmChannel = channel.get();
  ASSERT_NE(filmChannel, nullptr);
  const int weeks = SIM_Date::kMonthsPerYear * SIM_Date::kDaysPerMonth / 7;
  for (int week = 0; week < weeks; ++week) {
    if (week % 2 == 0) {
      EXPECT_EQ(teach(*cinema), 1);
    }
    EXPECT_EQ(teach(*filmChannel), 1);
  }
  const int films = static_cast<int>(SIM_Movie::All().size());
  EXPECT_GE(readable() * 2, films) << readable() << " of " << films;

  if (SIM_NamedValue* learnt = globals.Find(knowledge)) {
    globals.Remove(learnt);
    delete learnt;
  }
  if (before) globals.Add(before);
  SIM_Movie::DeleteAll();
  ForgetWebTVLists();
  SIM_SocialiseType::DeleteAll();
  SIM_InterestType::DeleteAll();
  SetRandomState(randomState);
}

// The evening report's person word is "She" or "He" in the mood and chemistry lines and
// "she" or "he" in the activity lines: each line puts it once, where its case reads right.
TEST_F(ShippedDataTest, ThePersonWordInAnEveningsReportStandsWhereItsCaseReadsRight) {
  const struct {
    const char* section;
    bool capitalised;
  } sections[] = {{"post_mortem_mood", true},
                  {"POSTMORTEM_COMMONINTEREST", true},
                  {"POSTMORTEM_NOCHEMISTRY", true},
                  {"post_mortem_activitymatch", false}};
  ASSERT_EQ(std::string(Translate("POSTMORTEM_SHE")), "She");
  ASSERT_EQ(std::string(Translate("POSTMORTEM_HE_LOWER")), "he");
  for (const auto& [section, capitalised] : sections) {
    const std::vector<std::string> lines = SectionLines(section);
    ASSERT_FALSE(lines.empty()) << section;
    for (const std::string& line : lines) {
      const size_t at = line.find("<GENDER>");
      ASSERT_NE(at, std::string::npos) << section << ": " << line;
      EXPECT_EQ(line.find("<GENDER>", at + 1), std::string::npos) << section << ": " << line;
      const bool opensSentence =
          at == 0 || (at >= 2 && line[at - 1] == ' ' && std::string(".!?").find(line[at - 2]) != std::string::npos);
      EXPECT_EQ(opensSentence, capitalised) << section << ": " << line;
    }
  }
}

// Every small-talk topic the game raises (the news other parts add, the pets, the weather and
// the day's traits) is a section of lines: a topic without one opens a letter with nothing.
// The topics are read from the game's sources: every topic literal, and every call that adds
// news, whose topic must be a literal or come from a file that spells its topics out.
TEST_F(ShippedDataTest, EverySmallTalkTopicTheGameRaisesHasLinesToSay) {
  namespace fs = std::filesystem;
  const std::regex topic(R"re("(SMALLTALK_[A-Z0-9_]+)")re");
  const std::regex addNews(R"(\bAddNews\s*\()");
  const std::regex literalCall(R"re(^AddNews\s*\(\s*"(SMALLTALK_[A-Z0-9_]+)")re");
  const std::regex definition(R"((void\s+(\w+::)?AddNews\s*\($))");
  const std::regex comment(R"(//[^\n]*)");
  std::set<std::string> topics;
  std::vector<std::string> unreadable;
  int calls = 0;
  for (const char* folder : {"app", "engine", "gui", "hooks", "sim"}) {
    for (const auto& entry : fs::recursive_directory_iterator(fs::path(TOVEL_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
      std::string text = testsupport::ReadFile(entry.path());
      if (text.find("SMALLTALK_") == std::string::npos && text.find("AddNews") == std::string::npos) continue;
      text = std::regex_replace(text, comment, "");
      std::set<std::string> spelt;
      for (std::sregex_iterator it(text.begin(), text.end(), topic), end; it != end; ++it)
        spelt.insert((*it)[1]);
      topics.insert(spelt.begin(), spelt.end());
      for (std::sregex_iterator it(text.begin(), text.end(), addNews), end; it != end; ++it) {
        const size_t at = static_cast<size_t>(it->position());
        const size_t from = at >= 40 ? at - 40 : 0;
        if (std::regex_search(text.substr(from, at - from) + it->str(), definition)) continue;
        ++calls;
        std::smatch m;
        const std::string rest = text.substr(at, 120);
        if (!std::regex_search(rest, m, literalCall) && spelt.empty())
          unreadable.push_back(entry.path().filename().string() + ": " + rest.substr(0, rest.find(';')));
      }
    }
  }
  EXPECT_GE(calls, 10);  // the scan itself works
  EXPECT_TRUE(unreadable.empty()) << "topics the check cannot read: " << ::testing::PrintToString(unreadable);
  for (const std::string& key : topics) {
    const std::vector<std::string> lines = SectionLines(key);
    EXPECT_FALSE(lines.empty()) << key;
    for (const std::string& line : lines) EXPECT_FALSE(line.empty()) << key;
  }
}

TEST_F(ShippedDataTest, SpecialEventsHaveTheirTextsAndScoreOnPlayerValues) {
  // The player values a weight or a modifier may name: the attributes, and the two the
  // player reads apart from them.
  std::set<std::string> values = {"tovel", "income"};
  const auto attributes = LoadSpreadsheet("data/simulation/attributes.csv");
  for (const std::string& row : *attributes) {
    StringTokenizer fields;
    fields.SetText(row);
    fields.NextToken();
    values.insert(TrimField(fields.NextString()));
  }
  SIM_SpecialEvent::LoadAll();
  const auto& events = SIM_SpecialEvent::All();
  EXPECT_GE(events.size(), 10u);
  std::set<std::string> names;
  for (const auto& event : events) {
    const std::string& name = event->GetTypeName();
    EXPECT_TRUE(names.insert(name).second) << "two events named " << name;
    for (const std::string& key : {event->GetGuiName(), event->GetInvitationKey(), event->GetResultKey()})
      EXPECT_TRUE(HasText(key)) << name << ": " << key;
    EXPECT_FALSE(event->GetWeights().empty()) << name;
    for (const auto& weight : event->GetWeights()) {
      EXPECT_TRUE(values.count(weight.name)) << name << ": weight on " << weight.name;
      EXPECT_GT(weight.weight, 0.0f) << name;
    }
    for (const auto& prerequisite : event->GetPrerequisites())
      EXPECT_TRUE(values.count(prerequisite->GetName())) << name << ": " << prerequisite->GetName();
    EXPECT_FALSE(event->GetModifiers().empty()) << name;
    for (const SIM_Modifier* modifier : event->GetModifiers())
      EXPECT_TRUE(values.count(modifier->name) || modifier->name.find("glob_") != std::string::npos)
          << name << ": modifier on " << modifier->name;
  }
  SIM_SpecialEvent::DeleteAll();
}

// The tutorial's script: every title and text it shows is in the strings file, every command
// it names is one the tutorial knows, and every region lies on the 1024 x 768 screen.
TEST_F(ShippedDataTest, TheTutorialScriptsTextsCommandsAndRegionsExist) {
  const std::vector<TutorialStep> steps = ReadTutorialScript("data/tutorial.csv");
  ASSERT_FALSE(steps.empty());
  for (const TutorialStep& step : steps) {
    EXPECT_TRUE(HasText(step.title)) << step.title;
    EXPECT_TRUE(HasText(step.body)) << step.body;
    for (const std::string& command : SplitTutorialCommands(step.commands))
      EXPECT_NE(std::find(std::begin(kTutorialCommands), std::end(kTutorialCommands), command),
                std::end(kTutorialCommands))
          << command;
  }
  EXPECT_TRUE(steps.back().hasNext) << "the last step must lead out";
  EXPECT_TRUE(HasText("TUTORIAL_NEXT"));
  const TutorialRegions regions = ReadTutorialRegions("data/tutorial.ini");
  for (int i = 0; i < kTutorialRegionCount; ++i) {
    const auto& r = regions[static_cast<size_t>(i)];
    EXPECT_LT(r.left, r.right) << kTutorialRegionKeys[i];
    EXPECT_LT(r.top, r.bottom) << kTutorialRegionKeys[i];
    EXPECT_GE(r.left, 0);
    EXPECT_LE(r.right, 1024);
    EXPECT_LE(r.bottom, 768);
  }
}
