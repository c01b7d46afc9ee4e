// Saving: the save -> load -> save round trip of played games, the record's trip through the
// file text for every section, value encoding, slot names, the atomic write and SLIDs.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>

#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <limits>
#include <set>
#include <sstream>
#include <string>

#include "SaveGameTestSupport.h"
#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_EventCalendar.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_EntertainJob.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Rumour.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_SocialInvitation.h"
#include "engine/ProcessBase.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_MiniGames.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_BowlingTeam.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_SoloActivityType.h"
#include "support/TestSupport.h"
#include "support/RecordingScreens.h"

namespace fs = std::filesystem;
using testsupport::ReadFile;

namespace {

// A record with something other than the default in every element of every section.
SaveGameData FullRecord() {
  SaveGameData d;
  d.version = "Tovel 1.25";
  d.fileVersion = 1.25f;
  d.player.slid = 3;
  d.player.forename = "Ann";
  SaveAttribute a{"happiness", "nv_happiness", "desc_happiness", 0.625f, true, true, 1, 0.25f,
                  "hi", "lo", {{"dailygrind", 0.5f, -0.125f}, {"film", 0.75f, 0.25f}}};
  d.player.attributes = {a, SaveAttribute{"iq", "nv_iq", "", 0.5f, false, false, 2, 0.0f, "", "", {}}};
  d.player.skills = {{"guitar", "nv_guitar", 0.375f}};
  d.player.boredom = {{"watchtv", 0.5f}, {"reading", 0.125f}};
  d.player.avatarTexture = "f_avatar2.dds";
  d.cash = -42.5f;
  SaveNPC n;
  n.slid = 7;
  n.forename = "Bo";
  n.surname = "Reed";
  n.fullName = "Bo Reed";
  n.portrait = "m_12.dds";
  n.greyed = "m_12_grey.dds";
  n.tovel = 0.25f;
  n.iq = 0.5f;
  n.culture = 0.75f;
  n.introduced = true;
  n.snubDelay = 2;
  n.snubCount = 1;
  n.veskDays = 30;
  n.inviteDays = 4;
  n.unlockOffered = true;
  n.romanticCompatibility = 0.875f;
  n.cashPerWeek = 120.0f;
  n.cash = 35.5f;
  n.birthDay = 3;
  n.birthMonth = 11;
  n.birthYear = 1979;
  n.gender = 1;
  n.unlockable = "waiter_0";
  n.interests = {{"music", "jazz", "INTEREST_JAZZ"}};
  n.skills = {{"piano", "nv_piano", 0.5f}};
  n.characterType = "joker";
  n.boredom = {{"pub", 0.25f}};
  n.memories = {{"pub", 0.5f, 0.125f}, {"cinema", -0.25f, 1.0f}};
  d.npcs = {n, SaveNPC{}};
  d.npcs[1].slid = 8;
  d.relationships = {{3, 7, 0.5f, -0.25f, true, true}, {7, 8, 0.125f, 0.0f, false, false}};
  d.jobInstance.grade = 2;
  d.jobInstance.daysInJob = 100;
  d.jobInstance.daysSincePromotion = 12;
  for (int i = 0; i < 10; ++i) d.jobInstance.perf[i] = {i % 2 == 0, 0.125f * static_cast<float>(i % 8)};
  d.jobType.promote[0] = "iq";
  d.jobType.promote[1] = "confidence";
  d.jobType.promote[2] = "fitness";
  d.jobType.name = "clerk_1";
  d.jobType.guiName = "JOB_CLERK";
  d.jobType.employerName = "Hollow & Sons";
  d.jobType.industryName = "office";
  d.jobType.workplace = "office.dds";
  d.jobType.maleDesc = "He files <things>";
  d.jobType.femaleDesc = "She files &lt;things&gt;";
  d.jobType.commuteDistance = 2.5f;
  d.jobType.minTip = 1.0f;
  d.jobType.maxTip = 3.0f;
  d.jobType.minSalary = 100.0f;
  d.jobType.maxSalary = 400.0f;
  d.jobType.duration = 5;
  d.jobType.daysSinceLastFriend = 9;
  d.jobType.locked = 1;
  d.jobType.rarity = 0.5f;
  d.jobType.sociability = 0.25f;
  d.jobType.modifiers = {{"stress", "clerk_1", 0.5f, 0.125f}};
  d.jobsApplied = {{"chef_0", 3}};
  d.tovelEarned = 0.375f;
  d.tovelActivities = {"pub", "opera"};
  d.commute = "bicycle";
  d.assets = {{"tv", true}, {"piano", false}};
  d.daysToMugging = 40;
  d.daysToBurglary = 80;
  d.day = 4;
  d.dayOfWeek = 6;
  d.daysToFullMoon = 30;
  d.month = 11;
  d.year = 2009;
  d.reviewDay = 3;
  d.reviewMonth = 3;
  d.reviewYear = 2010;
  d.endDay = 3;
  d.endMonth = 3;
  d.endYear = 2016;
  d.tenYearsUp = true;
  d.globals = {{"glob_dirt", "Dirt", 0.25f}, {"weather_rain", "", 1.5f}};
  d.healthState = 2;
  d.healthDuration = 3;
  d.partner = 7;
  d.romanceDuration = 14;
  d.cynicism = 0.5f;
  for (int i = 0; i < 13; ++i) d.statInts[i] = i * 3 - 4;
  for (int i = 0; i < 6; ++i) d.statFloats[i] = 0.25f * static_cast<float>(i) + 1000.0f;
  d.elapsed = 123456.5f;
  d.statActivities = {{"SOLO_YOGA_TITLE", 4}, {"SOLO_STARGAZING_TITLE", 1}};
  d.addictionStrength = 0.125f;
  d.alcoholic = true;
  d.bloodAlcohol = 0.05f;
  d.books = {{"book_war", 120}};
  d.events = {{"lottery", true}, {"flood", false}};
  d.eventCooldown = 5;
  d.eventDayChecked = true;
  d.pastSolo = 400;
  d.pastSocial = 170;
  d.reviewDue = true;
  d.projects[0] = {0.5f, 0.25f, "My Song", {0.125f, 0.5f, 1.0f}};
  d.projects[3] = {1.0f, 0.75f, "Scoop", {}};
  d.royalties = {{10.0f, 120.5f, 2.25f, "My Song", 1}};
  d.achievements = {"ACH_FIRST", "ACH_SECOND"};
  d.practiceNight = 3;
  d.onTeam = true;
  d.beenOnTeam = true;
  d.classes = {"pottery", "french"};
  d.hiscore = 9001;
  d.dog = {2, 1, "Rex", 0, 1};
  d.cat = {0, 3, "Tom", 0};
  d.fish = {0, 0, "Bubbles", 0};
  d.parrot = {0, 0, "", 0};
  d.hamster = {0, 2, "Nibbles", 4};
  d.petFood = {1, 2, 3, 4, 5};
  d.hasSimSim = true;
  d.maxActs = 2;
  d.acts = 1;
  d.topSLID = 9;
  d.player.attributes[0].value = 0.5f;
  d.player.socialClass = 2;
  d.npcs[0].invitedToday = true;
  d.npcs[0].socialClass = 1;
  d.npcs[0].hasHeldJob = true;
  d.npcs[0].heldJob = "procedural_job";
  d.npcs[0].heldJobPool = 3;
  d.relationships[0].evenings = 3;
  d.randomState = 4000000000u;
  d.weatherDays = 2;
  d.friendMadeToday = true;
  d.portraitsUsed = {"m_12.dds", "f_03.dds"};
  d.hasEntertainJobs = true;
  SaveEntertainJob acting;
  acting.industryName = "acting";
  acting.guiName = "Drama Actor";
  acting.employerName = "Harbour <Lights> & co";
  acting.specialty = "drama";
  acting.family = "acting";
  acting.level = 0.71875f;
  acting.age = 1;
  acting.cooldown = 6;
  acting.openToday = true;
  acting.minSalary = acting.maxSalary = 27123.5f;
  acting.duration = 12;
  acting.prereqs = {{"weight", 0.5f, false, true}, {"tovel", 43.125f, false, false}};
  acting.modifiers = {{"boredom", "procedural_job", 0.25f, 0.125f}};
  d.entertainJobs = {acting, acting};
  d.entertainJobs[1].industryName = "music";
  d.heldPoolJob = 1;
  d.jobOffers = {{"clerk_1", -1, true, true, 1, 3, false}, {"procedural_job", 0, false, false, 0, 1, true}};
  d.hasJobStates = true;
  d.jobStates = {{"waiter_0", true, 2.5f, 3, false}, {"food_critic", false, -1.0f, 0, true}};
  d.legalCase = {true, 1.125f, "People vs Crane", 5, 2, 18.0f};
  d.hasSocial = true;
  d.invitations = {{3, "pub", 1, {3, 7}, false, true, true, 0, "Fancy <the> pub & a chat?"},
                   {7, "bowling", 0, {7}, true, false, false, 20, ""}};
  d.smallTalkTopics = {"SMALLTALK_DEFAULT", "SMALLTALK_PROMOTION"};
  d.smallTalkNews = {{"SMALLTALK_PROMOTION", 3}};
  d.rumours = {{"The <film> & the popcorn", 0}, {"Cheap eats", 1}};
  return d;
}

}  // namespace

TEST(SaveRecordTest, EverySectionSurvivesTheTripThroughTheFileText) {
  const SaveGameData written = FullRecord();
  const std::string text = SIM_SaveGame::Serialize(written);
  SaveGameData read;
  std::string error;
  ASSERT_TRUE(SIM_LoadGame::Parse(text, read, error)) << error;
  EXPECT_EQ(read, written);
  // And the text of what was read is the text that was written.
  EXPECT_EQ(SIM_SaveGame::Serialize(read), text);
}

TEST(SaveRecordTest, EveryTagIsSpeltAndPlacedAsTheFormatHasIt) {
  // Every element name of the format in the order it first appears; spelt out here, not
  // taken from the writer's table, so a misspelt or misplaced tag shows.
  const std::string expected =
      "xml header version vesk SLID forename attributes attribute name guiname description "
      "basevalue alwaysshow highisgood criteria warnlimit highdesc lowdesc sim_effect debugname "
      "degrade effect value skills skill boredom boredom_item avatar_texture socialclass finances "
      "cash npcs npc surname fullname portrait greyed tovel iq culture bintroduced snubdelay "
      "snubcount veskdays invitedays unlockoffered romanticcompatibility cashperweek dob gender "
      "unlockable interests interest category character_type memories memory type happiness "
      "strength invitedtoday heldjob heldjobpool relationships relationship pers1_id pers2_id balance playercreated "
      "friendship evenings job_instance grade daysinjob dayssincepromotion jobperf data job_type "
      "promote1 promote2 promote3 employername industryname workplace maledesc femaledesc "
      "commutedistance mintip maxtip minsalary maxsalary duration dayasincelastfriend locked "
      "rarity sociability modifiers modifier jobs_applied job appliedtimer job_states job_state "
      "opentoday inlockedlist legal_case difficulty title length daysinto casevalue earned activity "
      "commute assets asset owned crime daystonextmugging daystonextburglary date day dayofweek "
      "daystofullmoon month year yearend_day yearend_month yearend_year gameend_day "
      "gameend_month gameend_year tenyearsup globals global health state romance partner "
      "cynicism statistics ints floats elapsed activities count pastsolo pastsocial reviewdue "
      "alcohol addictionstrength alcoholic bloodalcohol books book read events event triggered cooldown "
      "daychecked achievements song progress "
      "quality chunks screenplay theory story royalties royalty income total lastcheque strings "
      "string key bowling practicenight onteam beenonteam classes class videogame_hiscore score "
      "dog burglars nofood foodreminder cat fish parrot hamster age petfood catfood dogfood fishfood "
      "parrotfood hamsterfood SIM_SIM max_acts acts misc TopSLID random weatherdays friendtoday "
      "portraitsused entertainment_jobs held entertainment_job rejectiontext specialty family "
      "level socialtovel prereqs prereq first below job_offers job_offer pool "
      "success pending daysleft reason rejectionapplied social invitations invitation inviter "
      "kind guests guest accepted lapsed payoffer playercost text smalltalk topics topic news "
      "days rumours rumour owner";
  const std::string text = SIM_SaveGame::Serialize(FullRecord());
  std::string found;
  std::set<std::string> seen;
  for (size_t at = text.find('<'); at != std::string::npos; at = text.find('<', at + 1)) {
    const std::string tag = text.substr(at + 1, text.find('>', at) - at - 1);
    if (tag[0] != '/' && seen.insert(tag).second) found += (found.empty() ? "" : " ") + tag;
  }
  EXPECT_EQ(found, expected);
  // Which value stands under which name, for the elements whose neighbours share a kind.
  EXPECT_NE(text.find("<description>desc_happiness</description>\n<basevalue>0.625</basevalue>\n"
                      "<alwaysshow>1</alwaysshow>\n<highisgood>1</highisgood>\n<criteria>1</criteria>\n"
                      "<warnlimit>0.25</warnlimit>\n<highdesc>hi</highdesc>\n<lowdesc>lo</lowdesc>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<pers1_id>3</pers1_id>\n<pers2_id>7</pers2_id>\n<strength>0.5</strength>\n"
                      "<balance>-0.25</balance>\n<playercreated>1</playercreated>\n"
                      "<friendship>1</friendship>\n<evenings>3</evenings>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<name>stress</name>\n<debugname>clerk_1</debugname>\n<degrade>0.5</degrade>\n"
                      "<value>0.125</value>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<TopSLID>9</TopSLID>\n<random>4000000000</random>\n<weatherdays>2</weatherdays>\n"
                      "<friendtoday>1</friendtoday>\n<portraitsused>\n<name>m_12.dds</name>\n"
                      "<name>f_03.dds</name>\n</portraitsused>\n</misc>\n"),
            std::string::npos);
}

TEST(SaveRecordTest, TheFileHasTheFixedShape) {
  const std::string text = SIM_SaveGame::Serialize(SaveGameData{});
  // One element per line, containers on their own lines, no indentation, "\n" line ends.
  EXPECT_EQ(text.rfind("<xml>\n<header>\n<version></version>\n</header>\n<vesk>\n<SLID>0</SLID>\n", 0), 0u);
  EXPECT_NE(text.find("<finances>\n<cash>0</cash>\n</finances>\n"), std::string::npos);
  EXPECT_NE(text.find("<npcs>\n</npcs>\n<relationships>\n</relationships>\n"), std::string::npos);
  EXPECT_NE(text.find("<partner>-1</partner>"), std::string::npos);
  EXPECT_NE(text.find("<ints>0,0,0,0,0,0,0,0,0,0,0,0,0,</ints>"), std::string::npos);
  EXPECT_NE(text.find("<floats>0,0,0,0,0,0,</floats>"), std::string::npos);
  EXPECT_NE(text.find("<jobperf>\n<data>0,0</data>\n</jobperf>\n"), std::string::npos);
  EXPECT_NE(text.find("<misc>\n<TopSLID>0</TopSLID>\n<random>0</random>\n<weatherdays>0</weatherdays>\n"
                      "<friendtoday>0</friendtoday>\n<portraitsused>\n</portraitsused>\n</misc>\n</xml>\n"),
            std::string::npos);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.find("\n "), std::string::npos);
  // Ten job performance entries, always.
  size_t count = 0;
  for (size_t at = text.find("<jobperf>"); at != std::string::npos; at = text.find("<jobperf>", at + 1))
    ++count;
  EXPECT_EQ(count, 10u);
}

TEST(SaveRecordTest, AnyTextSurvivesIncludingALongDescriptionFullOfMarkup) {
  SaveGameData d;
  d.version = "Tovel 1.25";
  std::string description;
  const std::string pieces[] = {"&", "<", "&lt;", "&amp;", "a&b", "</maledesc>", "<x>", "&&<<"};
  for (size_t i = 0; description.size() < 2047; ++i) description += pieces[i % 8];
  description.resize(2047);
  d.jobType.maleDesc = description;
  d.player.forename = "<Zed> & &lt;co&gt;";
  d.npcs.emplace_back();
  d.npcs[0].unlockable = "NULL";
  d.npcs[0].fullName = std::string(5000, '&');

  const std::string text = SIM_SaveGame::Serialize(d);
  // Neither '<' nor a bare '&' of the values reaches the file.
  EXPECT_NE(text.find("<forename>&lt;Zed> &amp; &amp;lt;co&amp;gt;</forename>"), std::string::npos);
  SaveGameData read;
  std::string error;
  ASSERT_TRUE(SIM_LoadGame::Parse(text, read, error)) << error;
  EXPECT_EQ(read.jobType.maleDesc, description);
  EXPECT_EQ(read.player.forename, d.player.forename);
  EXPECT_EQ(read.npcs[0].fullName, d.npcs[0].fullName);
}

TEST(SaveRecordTest, ANumberGoneWrongIsSavedAsZeroSoTheSaveStaysReadable) {
  SaveGameData d;
  d.version = "Tovel 1.25";
  d.cash = std::numeric_limits<float>::quiet_NaN();
  d.statFloats[2] = std::numeric_limits<float>::infinity();
  d.projects[1].chunks = {0.5f, -std::numeric_limits<float>::infinity()};
  SaveGameData read;
  std::string error;
  ASSERT_TRUE(SIM_LoadGame::Parse(SIM_SaveGame::Serialize(d), read, error)) << error;
  EXPECT_EQ(read.cash, 0.0f);
  EXPECT_EQ(read.statFloats[2], 0.0f);
  EXPECT_EQ(read.projects[1].chunks, (std::vector<float>{0.5f, 0.0f}));
}

TEST(SaveRecordTest, DecodingTouchesOnlyTheTwoSequences) {
  EXPECT_EQ(SIM_LoadGame::DecodeValue("Tom & Jerry &gt; &quot; &"), "Tom & Jerry &gt; &quot; &");
  EXPECT_EQ(SIM_LoadGame::DecodeValue("&amp;lt;"), "&lt;");
  EXPECT_EQ(SIM_LoadGame::DecodeValue("&lt;&amp;&lt"), "<&&lt");
  EXPECT_EQ(SIM_SaveGame::EncodeValue("<&>"), "&lt;&amp;>");
}

TEST(SaveRecordTest, NumbersAreWrittenWithAPointWhateverTheLocale) {
  const char* names[] = {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8", "nl_NL.UTF-8",
                         "ru_RU.UTF-8", "de_DE", "fr_FR"};
  const std::string old = std::setlocale(LC_NUMERIC, nullptr);
  const char* found = nullptr;
  for (const char* name : names)
    if (std::setlocale(LC_NUMERIC, name)) {
      found = name;
      break;
    }
  // None installed: build one from the system's locale sources into a folder of the test's.
  testsupport::TempDir localeDir;
  testsupport::ScopedEnv locpath("LOCPATH", localeDir.Str().c_str());
  if (!found) {
    const std::string command = "localedef -i de_DE -f UTF-8 '" + localeDir.Str() +
                                "/de_DE.UTF-8' >/dev/null 2>&1";
    if (std::system(command.c_str()) >= 0 && std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
      found = "de_DE.UTF-8 (built)";
  }
  if (!found) GTEST_SKIP() << "no locale with a decimal comma can be had";
  ASSERT_EQ(*std::localeconv()->decimal_point, ',');
  SaveGameData d;
  d.version = "Tovel 1.25";
  d.cash = 1234.5f;
  d.statFloats[0] = 0.25f;
  d.projects[0].chunks = {0.5f, 1.25f};
  const std::string text = SIM_SaveGame::Serialize(d);
  SaveGameData read;
  std::string error;
  const bool parsed = SIM_LoadGame::Parse(text, read, error);
  std::setlocale(LC_NUMERIC, old.c_str());
  EXPECT_NE(text.find("<cash>1234.5</cash>"), std::string::npos) << found;
  EXPECT_NE(text.find("<chunks>0.5,1.25,</chunks>"), std::string::npos);
  ASSERT_TRUE(parsed) << error;
  EXPECT_EQ(read.cash, 1234.5f);
  EXPECT_EQ(read.projects[0].chunks, d.projects[0].chunks);
}

TEST(SaveRecordTest, SlotNamesThatCannotBeSavedOrListedAreRefused) {
  std::string why;
  for (const char* bad : {"", "   ", "\t", "a/b", "a\\b", "..", ".hidden", "/abs"}) {
    EXPECT_FALSE(SIM_SaveGame::IsValidSlotName(bad, &why)) << bad;
    EXPECT_FALSE(why.empty());
  }
  EXPECT_TRUE(SIM_SaveGame::IsValidSlotName("autosave", &why));
  EXPECT_TRUE(why.empty());
  EXPECT_TRUE(SIM_SaveGame::IsValidSlotName("my game. 2", &why));
}

TEST(SaveRecordTest, SLIDsComeFromOneCounter) {
  // Only ever forward: a counter moved back would hand out the SLIDs of living persons.
  const int start = SIM_SaveGame::GetNextSLID() + 5;
  SIM_SaveGame::SetNextSLID(start);
  EXPECT_EQ(SIM_SaveGame::NewSLID(), start);
  EXPECT_EQ(SIM_SaveGame::NewSLID(), start + 1);
  EXPECT_EQ(SIM_SaveGame::GetNextSLID(), start + 2);
}

// ---- Saving a running game ----

class SIM_SaveGameTest : public SaveWorldTest {};

TEST_F(SIM_SaveGameTest, ASaveIsWrittenToItsSlotAndReplacesAnOlderOne) {
  ASSERT_TRUE(SIM_SaveGame::Save("first"));
  const fs::path file = saves.Path() / "first.xml";
  ASSERT_TRUE(fs::exists(file));
  EXPECT_EQ(MaskPlayTime(ReadFile(file)), MaskPlayTime(SIM_SaveGame::BuildText()));

  SIM_Finances::Instance().SetCash(777.0f);
  ASSERT_TRUE(SIM_SaveGame::Save("first"));
  EXPECT_NE(ReadFile(file).find("<cash>777</cash>"), std::string::npos);
  // Nothing but the save is left in the folder.
  int entries = 0;
  for (const auto& entry : fs::directory_iterator(saves.Path())) {
    (void)entry;
    ++entries;
  }
  EXPECT_EQ(entries, 1);
}

TEST_F(SIM_SaveGameTest, ARefusedNameWritesNothing) {
  EXPECT_FALSE(SIM_SaveGame::Save(""));
  EXPECT_EQ(SIM_SaveGame::LastError(), "SAVEGAME_NAME_EMPTY");
  EXPECT_FALSE(SIM_SaveGame::Save("../escape"));
  EXPECT_EQ(SIM_SaveGame::LastError(), "SAVEGAME_NAME_BAD");
  EXPECT_TRUE(fs::is_empty(saves.Path()));
  EXPECT_FALSE(fs::exists(saves.Path().parent_path() / "escape.xml"));
}

TEST_F(SIM_SaveGameTest, AFailedWriteKeepsTheOldSaveAndReportsFailure) {
  ASSERT_TRUE(SIM_SaveGame::Save("slot"));
  const fs::path file = saves.Path() / "slot.xml";
  const std::string before = ReadFile(file);

  SIM_Finances::Instance().SetCash(5.0f);
  fs::permissions(saves.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  // A privileged user writes into read-only folders; block the temporary file's name instead
  // (a folder there makes its creation fail just the same).
  const fs::path probe = saves.Path() / "probe";
  bool readOnlyHolds = true;
  {
    std::error_code ec;
    testsupport::WriteFile(probe, "x");
    if (fs::exists(probe)) {
      readOnlyHolds = false;
      fs::remove(probe, ec);
    }
  }
  if (!readOnlyHolds) {
    fs::permissions(saves.Path(), fs::perms::owner_all);
    const std::string pid = fs::read_symlink("/proc/self").string();
    fs::create_directory(saves.Path() / ("slot.xml.tmp" + pid));
  }
  EXPECT_FALSE(SIM_SaveGame::Save("slot"));
  EXPECT_EQ(SIM_SaveGame::LastError(), "SAVEGAME_WRITE_FAILED");
  fs::permissions(saves.Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadFile(file), before);
  // No half-written file is left next to it.
  for (const auto& entry : fs::directory_iterator(saves.Path()))
    if (entry.is_regular_file()) {
      EXPECT_EQ(entry.path().filename(), "slot.xml");
    }
}

TEST_F(SIM_SaveGameTest, EachAttributeTextIsSavedUnderItsOwnName) {
  // The description (what the details window shows), then the texts for a high and a low
  // value, as the table has them.
  const std::string text = SIM_SaveGame::BuildText();
  EXPECT_NE(text.find("<name>happiness</name>\n<guiname>nv_happiness</guiname>\n"
                      "<description>ATTR_HAPPINESS_DESC</description>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<highdesc>ATTR_HAPPINESS_HIGH</highdesc>\n<lowdesc>ATTR_HAPPINESS_LOW</lowdesc>\n"),
            std::string::npos);
  EXPECT_NE(text.find("<highdesc>ATTR_STRESS_HIGH</highdesc>\n<lowdesc>ATTR_STRESS_LOW</lowdesc>\n"),
            std::string::npos);
}

// Makes saving into the folder fail: read-only, or (for a user who writes anywhere) with a
// folder standing where the slot's temporary file would go.
void BlockSaving(const fs::path& folder, const std::string& slot) {
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
  const fs::path probe = folder / "probe";
  testsupport::WriteFile(probe, "x");
  if (!fs::exists(probe)) return;
  std::error_code ec;
  fs::remove(probe, ec);
  fs::permissions(folder, fs::perms::owner_all);
  fs::create_directory(folder / (slot + ".xml.tmp" + fs::read_symlink("/proc/self").string()));
}

size_t Occurrences(const std::string& text, const std::string& what) {
  size_t n = 0;
  for (size_t at = text.find(what); at != std::string::npos; at = text.find(what, at + 1)) ++n;
  return n;
}

TEST_F(SIM_SaveGameTest, AFailingAutosaveTellsThePlayerOnceAndLogsEveryDay) {
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, true);
  PlayDays(1);
  ASSERT_TRUE(SIM_SaveGame::Save("mine"));
  const std::string autosave = ReadFile(saves.Path() / "autosave.xml");
  const std::string mine = ReadFile(saves.Path() / "mine.xml");
  BlockSaving(saves.Path(), "autosave");
  // The boxes the player sees, counted by the tests' screens.
  auto boxes = [] { return testsupport::RecordingScreens::Instance().ErrorBoxes(); };
  int before = boxes();

  // The box names the save that failed: the player did not ask for the autosave.
  const auto told = [](const char* key) {
    const std::string box =
        std::string("ShowErrorBox ") + Translate("SAVEGAME_TITLE") + "|" + Translate(key);
    return std::count(TracedCalls().begin(), TracedCalls().end(), box);
  };
  ClearTracedCalls();

  testing::internal::CaptureStderr();
  PlayDays(5);
  const std::string days = testing::internal::GetCapturedStderr();
  EXPECT_EQ(boxes() - before, 1);
  EXPECT_EQ(told("SAVEGAME_AUTOSAVE_FAILED"), 1);
  EXPECT_EQ(Occurrences(days, "Save failed (SAVEGAME_WRITE_FAILED): autosave"), 5u);

  // A save the player asks for says so every time.
  BlockSaving(saves.Path(), "mine");
  before = boxes();
  EXPECT_FALSE(SIM_SaveGame::Save("mine"));
  EXPECT_FALSE(SIM_SaveGame::Save("mine"));
  EXPECT_EQ(boxes() - before, 2);
  EXPECT_EQ(told("SAVEGAME_WRITE_FAILED"), 2);

  fs::permissions(saves.Path(), fs::perms::owner_all);
  EXPECT_EQ(ReadFile(saves.Path() / "autosave.xml"), autosave);
  EXPECT_EQ(ReadFile(saves.Path() / "mine.xml"), mine);
  // Once a save works again, the next failing autosave is told again.
  ASSERT_TRUE(SIM_SaveGame::Save("other"));
  BlockSaving(saves.Path(), "autosave");
  before = boxes();
  PlayDays(1);
  EXPECT_EQ(boxes() - before, 1);
  fs::permissions(saves.Path(), fs::perms::owner_all);
  EXPECT_TRUE(SIM_SaveGame::Save("other"));  // and the next test starts from a working save
}

TEST_F(SIM_SaveGameTest, WhatAnInterruptedSaveLeftIsRemovedAtStart) {
  ASSERT_TRUE(SIM_SaveGame::Save("slot"));
  const std::string slot = ReadFile(saves.Path() / "slot.xml");
  testsupport::WriteFile(saves.Path() / "slot.xml.tmp4242", "<xml>\n<hea");
  testsupport::WriteFile(saves.Path() / "autosave.xml.tmp7", "");
  // Names the game never writes are someone else's.
  for (const char* other : {"notes.txt", "slot.xml.tmp", "slot.xml.tmp12a", "slot.txt.tmp5"})
    testsupport::WriteFile(saves.Path() / other, other);

  EXPECT_EQ(SIM_SaveGame::RemoveInterruptedSaves(), 2);
  EXPECT_FALSE(fs::exists(saves.Path() / "slot.xml.tmp4242"));
  EXPECT_FALSE(fs::exists(saves.Path() / "autosave.xml.tmp7"));
  EXPECT_EQ(ReadFile(saves.Path() / "slot.xml"), slot);
  for (const char* other : {"notes.txt", "slot.xml.tmp", "slot.xml.tmp12a", "slot.txt.tmp5"})
    EXPECT_EQ(ReadFile(saves.Path() / other), other);
}

TEST_F(SIM_SaveGameTest, WithoutASaveFolderSavingFails) {
  SIM_SaveGame::SetFolder("");
  EXPECT_FALSE(SIM_SaveGame::Save("slot"));
  EXPECT_EQ(SIM_SaveGame::LastError(), "SAVEGAME_WRITE_FAILED");
}

TEST_F(SIM_SaveGameTest, TheAutosaveWritesItsSlotWhenTheToggleIsOn) {
  SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, true);
  PlayDays(1);
  EXPECT_TRUE(fs::exists(saves.Path() / "autosave.xml"));
}

// ---- The round trip: new game -> N days -> save A -> (30 days) and load A -> save B -> 30 days ----

class SaveRoundTripTest : public SaveWorldTest, public ::testing::WithParamInterface<int> {};

TEST_P(SaveRoundTripTest, ALoadedGameIsTheSavedOneAndPlaysOnAsIfNeverSaved) {
  SIM_Vesk::Instance()->SetNames("Pat <the> & cat", "");
  SIM_GameConfig::Instance().SetAvatarName("f_avatar1.dds");
  // As the new-game screen does: the player's gender follows the picture (a load takes it
  // from the picture too, so a gender left from an earlier game would play on differently).
  SIM_Vesk::Instance()->SetGenderFromAvatar("f_avatar1.dds");
  PlayDays(GetParam());
  // Two projects under way, a royalty stream part paid and two achievements.
  SIM_ScreenplayWriting::Instance().Restore(0.375f, 0.0f, "Rain on the Pier", {0.25f, 0.875f});
  SIM_NewsStory::Instance().Restore(0.5f, 0.0f, "Swans <at> & Night", {0.125f, 1.0f, 0.5f});
  SIM_RoyaltyStream* stream = CreateRoyaltyStream("Kettle Blues", 150.0f, SIM_RoyaltyStream::kSong);
  stream->Pay();
  UnlockAchievement("ACH_SCRE_SUC");
  UnlockAchievement("ACH_MUGGED");
  // A romance under way, with a gift behind it; news in the small talk and a rumour.
  SIM_NPC* partner = nullptr;
  for (SIM_NPC* npc : SIM_NPC::All())
    if (npc->IsFriendOfPlayer() && !SIM_Romance::Instance().IsPartner(npc)) partner = npc;
  ASSERT_NE(partner, nullptr);
  partner->FindRelationship(SIM_Vesk::Instance())->SetStrength(0.9f);  // well above the bust-up
  SIM_Romance::Instance().SetPartner(partner);
  SIM_Romance::Instance().GiveGift();
  ProcessBase::ProcessAll();
  SIM_SmallTalk::AddNews("SMALLTALK_PROMOTION", 3);
  SIM_Rumour::Create("The <pier> & the cafe", SIM_Rumour::kRestaurants);
  const int partnerSlid = partner->GetSLID();
  const int romanceDays = SIM_Romance::Instance().GetDuration();
  const float cynicism = SIM_Romance::Instance().GetCynicism();
  ASSERT_GE(romanceDays, 1);
  ASSERT_GT(cynicism, 0.0f);
  const std::vector<std::string> topicsBefore = SIM_SmallTalk::Topics();
  const size_t newsBefore = SIM_SmallTalk::AllNews().size();
  const size_t rumoursBefore = SIM_Rumour::All().size();
  const size_t invitationsBefore = SIM_SocialInvitation::All().size();
  const std::string songTitle = SIM_SongWriting::Instance().GetTitle();
  const float streamIncome = stream->GetIncome(), streamTotal = stream->GetTotal();
  const size_t streamsBefore = SIM_RoyaltyStream::All().size();
  // An evening class (its notes as a slot's refresh leaves them), a named dog that saw a
  // burglar off, an old hamster, and food in stock with one reminder up.
  HOOK_EveningClassType* course = HOOK_EveningClassType::FindByName("pottery");
  ASSERT_NE(course, nullptr);
  course->Enrol();
  RefreshEveningClassReminders();
  SIM_Finances::Instance().Earn(1000.0f);
  auto* dog = dynamic_cast<SIM_Dog*>(Pets[PET_DOG]);
  auto* hamster = dynamic_cast<SIM_Hamster*>(Pets[PET_HAMSTER]);
  ASSERT_TRUE(dog && hamster);
  if (!dog->IsOwned()) dog->Buy();
  if (!hamster->IsOwned()) hamster->Buy();
  dog->SetPetName("Biscuit <&> Jr");
  dog->SetBurglarsAttacked(0);
  SIM_Dog::CountBurglarAttack();
  hamster->SetDaysOwned(20);
  hamster->SetDaysWithoutFood(2);
  PetFoodStock[PET_DOG] = 2;
  dog->ShowReminder();
  PetFoodStock[PET_HAMSTER] = 0;
  PetFoodStock[PET_CAT] = 7;
  const auto classNames = [] {
    std::vector<std::pair<std::string, bool>> names;
    for (const HOOK_EveningClassType* type : EnrolledEveningClasses())
      names.emplace_back(type->GetName(), type->HasNote());
    return names;
  };
  const auto classesBefore = classNames();
  // The day's own invitations may have taken its last slot: the day is then over.
  const int phaseBefore = SIM_SIM::Instance().GetPhase();
  ASSERT_EQ(std::count(classesBefore.begin(), classesBefore.end(),
                       std::make_pair(std::string("pottery"), course->HasNote())),
            1);
  const size_t calendarBefore = SIM_EventCalendar::Instance().Entries().size();
  struct PetState {
    bool owned;
    std::string name;
    int noFood;
    bool reminder;
    int stock;
    bool operator==(const PetState&) const = default;
  };
  const auto petStates = [] {
    std::vector<PetState> states;
    for (int species = 0; species < kPetSpeciesCount; ++species)
      states.push_back({Pets[species]->IsOwned(), Pets[species]->GetPetName(),
                        Pets[species]->GetDaysWithoutFood(), Pets[species]->IsReminderUp(),
                        PetFoodStock[species]});
    return states;
  };
  const std::vector<PetState> petsBefore = petStates();
  const std::vector<std::string> achievementsBefore = AchievementList();
  // A book partly read, and a drinker well on the way to recovery.
  SIM_Book* book = SIM_Book::FindByName("riversofempire");
  ASSERT_NE(book, nullptr);
  if (!book->IsOwned()) book->Buy();
  book->SetPagesRead(123);
  SIM_Alcohol::Restore(0.35f, true, 1.05f);

  const SIM_Date dateBefore = CurrentDate();
  const size_t npcsBefore = SIM_NPC::All().size();
  const size_t relationshipsBefore = SIM_Relationship::CountActive();
  const int friendsBefore = SIM_Vesk::Instance()->CountFriends();
  const float tovelBefore = SIM_Tovel::Instance().GetTotal();
  std::vector<std::pair<std::string, float>> valuesBefore;
  for (const SIM_NamedValue* v : SIM_Vesk::Instance()->Attributes().Values())
    valuesBefore.emplace_back(v->GetName(), v->GetValue());
  ASSERT_FALSE(valuesBefore.empty());
  ASSERT_GT(npcsBefore, 0u);
  const float cashBefore = SIM_Finances::Instance().GetCash();
  const std::vector<std::string> triedBefore = SIM_Tovel::Instance().ActivitiesTried();
  size_t memoriesBefore = 0;
  for (const SIM_NPC* npc : SIM_NPC::All()) memoriesBefore += npc->GetMemory()->Items().size();
  if (GetParam() >= 400) {
    // A long game has had its evenings: their kinds are among the activities tried, and the
    // characters remember some of them.
    EXPECT_TRUE(std::any_of(triedBefore.begin(), triedBefore.end(), [](const std::string& name) {
      return SIM_SocialiseType::FindByName(name) != nullptr;
    }));
    EXPECT_GT(memoriesBefore, 0u);
  }

  // The video game's best score goes with the save; a later best is not the saved one.
  struct HiscoreGuard {
    int before = GetVideoGameHiscore();
    ~HiscoreGuard() { SetVideoGameHiscore(before); }
  } hiscoreGuard;
  SetVideoGameHiscore(17 + GetParam());
  // A special event the save must remember as triggered, with the cooldown it started.
  const auto triggeredNames = [] {
    std::vector<std::string> names;
    for (const auto& event : SIM_SpecialEvent::All())
      if (event->IsTriggered()) names.push_back(event->GetTypeName());
    return names;
  };
  SIM_SpecialEvent* fresh = nullptr;
  for (const auto& event : SIM_SpecialEvent::All())
    if (!event->IsTriggered()) fresh = event.get();
  ASSERT_NE(fresh, nullptr);
  fresh->Trigger();
  const std::vector<std::string> triggeredBefore = triggeredNames();
  ASSERT_NE(std::find(triggeredBefore.begin(), triggeredBefore.end(), fresh->GetTypeName()),
            triggeredBefore.end());
  const int cooldownBefore = SIM_SpecialEvent::GetCooldown();
  const SIM_Statistics& stats = SIM_Statistics::Instance();
  const int soloBefore = stats.GetLifetimeSolo(), socialBefore = stats.GetLifetimeSocial();
  const int pastSoloBefore = stats.GetPastSolo();
  const float pastEarnedBefore = stats.GetPastEarned();
  // Years gone by are in the totals.
  if (GetParam() >= 400) {
    EXPECT_GT(pastSoloBefore, 0);
    EXPECT_GT(pastEarnedBefore, 0.0f);
  }
  ASSERT_TRUE(SIM_SaveGame::Save("A"));
  const std::string a = ReadFile(saves.Path() / "A.xml");
  // The game played on without a trip through the file.
  PlayDays(30);
  ASSERT_TRUE(SIM_SaveGame::Save("straight"));
  const std::string straight = ReadFile(saves.Path() / "straight.xml");
  SetVideoGameHiscore(99);

  ASSERT_TRUE(SIM_LoadGame::Load("A")) << SIM_LoadGame::LastError();
  // The loaded game is the saved one, to the last bit.
  EXPECT_TRUE(CurrentDate().Equals(dateBefore.GetDay(), dateBefore.GetMonth(), dateBefore.GetYear()));
  EXPECT_EQ(CurrentDate().GetDayOfWeek(), dateBefore.GetDayOfWeek());
  EXPECT_EQ(CurrentDate().GetDaysToFullMoon(), dateBefore.GetDaysToFullMoon());
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), cashBefore);
  EXPECT_EQ(SIM_Vesk::Instance()->GetForename(), "Pat <the> & cat");
  EXPECT_EQ(SIM_NPC::All().size(), npcsBefore);
  EXPECT_EQ(SIM_Relationship::CountActive(), relationshipsBefore);
  EXPECT_EQ(SIM_Vesk::Instance()->CountFriends(), friendsBefore);
  EXPECT_EQ(SIM_Tovel::Instance().GetTotal(), tovelBefore);
  for (const auto& [name, value] : valuesBefore)
    EXPECT_EQ(SIM_Vesk::Instance()->GetValue(name), value) << name;
  for (const SIM_NPC* npc : SIM_NPC::All()) EXPECT_NE(npc->GetCharacterType(), nullptr);
  EXPECT_EQ(SIM_Tovel::Instance().ActivitiesTried(), triedBefore);
  // Memories come back, all of them, holding the game's own kinds of evening.
  size_t memoriesAfter = 0;
  for (const SIM_NPC* npc : SIM_NPC::All()) {
    memoriesAfter += npc->GetMemory()->Items().size();
    for (const SIM_MemoryItem* memory : npc->GetMemory()->Items())
      EXPECT_EQ(memory->type, SIM_SocialiseType::FindByName(memory->type->GetName()));
  }
  EXPECT_EQ(memoriesAfter, memoriesBefore);
  ASSERT_NE(SIM_Vesk::Instance()->GetJob(), nullptr);
  EXPECT_EQ(SIM_Vesk::Instance()->GetJob(), SIM_JobBase::FindByName(SIM_Vesk::Instance()->GetJob()->GetName()));
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), phaseBefore);
  // The projects, the royalties (the ones paid since the save gone) and the achievements.
  const SIM_ScreenplayWriting& screenplay = SIM_ScreenplayWriting::Instance();
  EXPECT_EQ(screenplay.GetProgress(), 0.375f);
  EXPECT_EQ(screenplay.GetTitle(), "Rain on the Pier");
  EXPECT_EQ(screenplay.GetStepQualities(), (std::vector<float>{0.25f, 0.875f}));
  EXPECT_EQ(SIM_NewsStory::Instance().GetTitle(), "Swans <at> & Night");
  EXPECT_EQ(SIM_NewsStory::Instance().GetStepQualities(), (std::vector<float>{0.125f, 1.0f, 0.5f}));
  EXPECT_EQ(SIM_SongWriting::Instance().GetTitle(), songTitle);
  ASSERT_EQ(SIM_RoyaltyStream::All().size(), streamsBefore);
  const SIM_RoyaltyStream& loaded = *SIM_RoyaltyStream::All().back();
  EXPECT_EQ(loaded.GetTitle(), "Kettle Blues");
  EXPECT_EQ(loaded.GetIncome(), streamIncome);
  EXPECT_EQ(loaded.GetTotal(), streamTotal);
  EXPECT_EQ(loaded.GetLastCheque(), streamTotal);
  EXPECT_EQ(loaded.GetType(), SIM_RoyaltyStream::kSong);
  EXPECT_EQ(AchievementList(), achievementsBefore);
  EXPECT_EQ(GetVideoGameHiscore(), 17 + GetParam());
  // The classes, once each with their notes and calendar entries; the pets as saved.
  if (phaseBefore == PHASE_ACTIVITIES) {
    EXPECT_EQ(classNames(), classesBefore);
  } else {
    // With the day over nothing is left to remind of: the classes come back without notes.
    std::vector<std::pair<std::string, bool>> unnoted;
    for (const auto& [name, note] : classesBefore) unnoted.emplace_back(name, false);
    EXPECT_EQ(classNames(), unnoted);
  }
  EXPECT_EQ(SIM_EventCalendar::Instance().Entries().size(), calendarBefore);
  EXPECT_EQ(petStates(), petsBefore);
  auto* loadedDog = dynamic_cast<SIM_Dog*>(Pets[PET_DOG]);
  auto* loadedHamster = dynamic_cast<SIM_Hamster*>(Pets[PET_HAMSTER]);
  ASSERT_TRUE(loadedDog && loadedHamster);
  EXPECT_EQ(loadedDog->GetPetName(), "Biscuit <&> Jr");
  EXPECT_EQ(loadedDog->GetBurglarsAttacked(), 1);
  EXPECT_TRUE(loadedDog->IsReminderUp());
  EXPECT_EQ(loadedHamster->GetDaysOwned(), 20);
  EXPECT_EQ(loadedHamster->GetDaysWithoutFood(), 2);
  // The book (found by name among the new game's books) and the drinking state.
  SIM_Book* loadedBook = SIM_Book::FindByName("riversofempire");
  ASSERT_NE(loadedBook, nullptr);
  EXPECT_TRUE(loadedBook->IsOwned());
  EXPECT_EQ(loadedBook->GetPagesRead(), 123);
  EXPECT_TRUE(SIM_Alcohol::IsAlcoholic());
  EXPECT_EQ(SIM_Alcohol::GetAddictionStrength(), 0.35f);
  EXPECT_EQ(SIM_Alcohol::GetBloodAlcohol(), 1.05f);
  // The events, the cooldown (a load in the day's activities runs no second check) and the
  // lifetime totals.
  EXPECT_EQ(triggeredNames(), triggeredBefore);
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), cooldownBefore);
  EXPECT_TRUE(SIM_SpecialEvent::IsDayChecked());
  EXPECT_EQ(stats.GetLifetimeSolo(), soloBefore);
  EXPECT_EQ(stats.GetLifetimeSocial(), socialBefore);
  EXPECT_EQ(stats.GetPastSolo(), pastSoloBefore);
  EXPECT_EQ(stats.GetPastEarned(), pastEarnedBefore);
  // The romance, the small talk, the rumours and the day's invitations.
  ASSERT_NE(SIM_Romance::Instance().GetPartner(), nullptr);
  EXPECT_EQ(SIM_Romance::Instance().GetPartner()->GetSLID(), partnerSlid);
  EXPECT_EQ(SIM_Romance::Instance().GetDuration(), romanceDays);
  EXPECT_EQ(SIM_Romance::Instance().GetCynicism(), cynicism);
  EXPECT_EQ(SIM_SmallTalk::Topics(), topicsBefore);
  EXPECT_EQ(SIM_SmallTalk::AllNews().size(), newsBefore);
  EXPECT_EQ(SIM_Rumour::All().size(), rumoursBefore);
  EXPECT_EQ(SIM_Rumour::All().back()->GetText(), "The <pier> & the cafe");
  EXPECT_EQ(SIM_SocialInvitation::All().size(), invitationsBefore);

  // Saved again at once, it is the same save, the person counter included.
  ASSERT_TRUE(SIM_SaveGame::Save("B"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "B.xml")), MaskPlayTime(a));

  // And the same 30 days give the same game.
  PlayDays(30);
  ASSERT_TRUE(SIM_SaveGame::Save("tripped"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "tripped.xml")), MaskPlayTime(straight));

  // Small talk straight after a load has the day's topics (and never divides by nothing).
  ASSERT_TRUE(SIM_LoadGame::Load("A"));
  EXPECT_EQ(SIM_SmallTalk::Topics(), topicsBefore);
  EXPECT_FALSE(SIM_SmallTalk::GetLine(SIM_Romance::Instance().GetPartner()).empty());
}

INSTANTIATE_TEST_SUITE_P(Days, SaveRoundTripTest, ::testing::Values(0, 30, 400));

// The kinds of job the player can hold through a save: a table job well up its grades, a job
// from a mod file in the user folder, a job of the acting pool, and a table job after a
// music one (whose industry's mark stays behind).
enum class HeldJobKind { kTableGraded, kMod, kActing, kAfterMusic };

class JobSaveRoundTripTest : public SaveWorldTest,
                             public ::testing::WithParamInterface<HeldJobKind> {
 protected:
  void TearDown() override {
    SIM_JobBase::SetUserFolder("");
    SaveWorldTest::TearDown();
  }
};

TEST_P(JobSaveRoundTripTest, TheHeldJobComesBackWithItsGradeAndPlaysOnAsIfNeverSaved) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  // A game some days in, whose world values came before the job taken now.
  PlayDays(5);
  SIM_JobBase* job = nullptr;
  switch (GetParam()) {
    case HeldJobKind::kTableGraded:
      job = SIM_JobBase::FindByName("secretary", true);
      break;
    case HeldJobKind::kMod:
      SIM_JobBase::SetUserFolder(std::string(TOVEL_SOURCE_DIR) + "/tests/data");
      SIM_JobBase::LoadAll();
      SIM_JobBase::RollOpenings();
      job = SIM_JobBase::FindByName("lighthouse_keeper", true);
      break;
    case HeldJobKind::kActing:
      ASSERT_FALSE(SIM_EntertainJob::Acting().empty());
      // Not the first of the pool: the load must find this very one again.
      job = SIM_EntertainJob::Acting()[SIM_EntertainJob::Acting().size() / 2];
      break;
    case HeldJobKind::kAfterMusic:
      ASSERT_FALSE(SIM_EntertainJob::Music().empty());
      player->SetJob(SIM_EntertainJob::Music().front());
      PlayDays(2);
      job = SIM_JobBase::FindByName("secretary", true);
      break;
  }
  ASSERT_NE(job, nullptr);
  player->SetJob(job);
  SIM_JobInstance* held = player->GetJobInstance();
  ASSERT_EQ(held->GetJob(), job);
  // A colleague works in the same job.
  const int colleague = job->MakeColleague()->GetSLID();
  held->SetLevel(GetParam() == HeldJobKind::kTableGraded ? 2 : 1);
  held->SetDaysSincePromotion(5);
  std::array<SIM_JobInstance::Performance, SIM_JobInstance::kHistory> history = {};
  for (int i = 0; i < 7; ++i) history[i] = {true, 0.2f + 0.05f * static_cast<float>(i)};
  held->SetHistory(history);
  const std::string name = job->GetName();
  const std::string industry = job->GetIndustryName();
  const std::string title = job->GetGuiName();
  const float salary = held->GetSalary();
  const int level = held->GetLevel();
  const float average = held->GetAveragePerformance();

  ASSERT_TRUE(SIM_SaveGame::Save("A"));
  const std::string a = ReadFile(saves.Path() / "A.xml");
  PlayDays(30);
  ASSERT_TRUE(SIM_SaveGame::Save("straight"));
  const std::string straight = ReadFile(saves.Path() / "straight.xml");

  ASSERT_TRUE(SIM_LoadGame::Load("A")) << SIM_LoadGame::LastError();
  const SIM_JobInstance* loaded = player->GetJobInstance();
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->GetJob(), player->GetJob());
  EXPECT_EQ(loaded->GetJob()->GetName(), name);
  EXPECT_EQ(loaded->GetJob()->GetIndustryName(), industry);
  EXPECT_EQ(loaded->GetJob()->GetGuiName(), title);
  EXPECT_EQ(loaded->GetLevel(), level);
  EXPECT_EQ(loaded->GetSalary(), salary);
  EXPECT_EQ(loaded->GetDaysSincePromotion(), 5);
  EXPECT_EQ(loaded->GetHistoryCount(), 7);
  EXPECT_EQ(loaded->GetAveragePerformance(), average);
  // The held job is one the game knows, not a stray copy.
  const auto all = SIM_JobBase::All();
  EXPECT_NE(std::find(all.begin(), all.end(), loaded->GetJob()), all.end());
  if (GetParam() == HeldJobKind::kActing) {
    const auto& acting = SIM_EntertainJob::Acting();
    EXPECT_NE(std::find(acting.begin(), acting.end(), loaded->GetJob()), acting.end());
  }
  const auto npcs = SIM_NPC::All();
  const auto mate = std::find_if(npcs.begin(), npcs.end(),
                                 [&](const SIM_NPC* npc) { return npc->GetSLID() == colleague; });
  ASSERT_NE(mate, npcs.end());
  EXPECT_EQ((*mate)->GetJob(), loaded->GetJob());

  ASSERT_TRUE(SIM_SaveGame::Save("B"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "B.xml")), MaskPlayTime(a));
  PlayDays(30);
  ASSERT_TRUE(SIM_SaveGame::Save("tripped"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "tripped.xml")), MaskPlayTime(straight));
}

TEST_F(SaveWorldTest, TheTeamTheFilmsAndTheRestaurantsComeBackAsTheyWere) {
  PlayDays(12);  // the programme has moved on at least once
  ASSERT_GT(SIM_Movie::GetPosition(), 0);
  SIM_BowlingTeam::Instance().Join();
  SIM_Movie* seen = SIM_Movie::Showing()[1];
  ASSERT_NE(seen, nullptr);
  seen->SetSeen(true);
  const std::string seenTitle = seen->GetTitle();
  const float membership = SIM_Tovel::Instance().GetComponent(3);
  const int matchDay = SIM_BowlingTeam::Instance().GetMatchDay();
  std::vector<std::string> showing;
  for (const SIM_Movie* film : SIM_Movie::Showing()) showing.push_back(film->GetTitle());
  std::vector<std::pair<bool, float>> tables;
  for (const auto& r : SIM_Restaurant::All()) tables.emplace_back(r->HasTableToday(), r->GetRating());
  auto offeredDays = [] {
    const SIM_SoloActivityType* match = SIM_SoloActivityType::TryFind("bowlingmatch");
    int days = 0;
    for (int d = 0; d < 7; ++d) days += match && match->IsDayEnabled(d) ? 1 : 0;
    return days;
  };

  ASSERT_TRUE(SIM_SaveGame::Save("A"));
  const std::string a = ReadFile(saves.Path() / "A.xml");
  PlayDays(20);
  ASSERT_TRUE(SIM_SaveGame::Save("straight"));
  const std::string straight = ReadFile(saves.Path() / "straight.xml");

  for (int trip = 0; trip < 2; ++trip) {
    ASSERT_TRUE(SIM_LoadGame::Load("A")) << SIM_LoadGame::LastError();
    EXPECT_TRUE(SIM_BowlingTeam::Instance().IsMember());
    EXPECT_EQ(SIM_BowlingTeam::Instance().GetMatchDay(), matchDay);
    EXPECT_EQ(SIM_Tovel::Instance().GetComponent(3), membership);
    EXPECT_EQ(offeredDays(), 1);
    std::vector<std::string> showingNow;
    for (const SIM_Movie* film : SIM_Movie::Showing()) showingNow.push_back(film->GetTitle());
    EXPECT_EQ(showingNow, showing);
    EXPECT_TRUE(SIM_Movie::Showing()[1]->IsSeen());
    EXPECT_EQ(SIM_Movie::Showing()[1]->GetTitle(), seenTitle);
    std::vector<std::pair<bool, float>> tablesNow;
    for (const auto& r : SIM_Restaurant::All()) tablesNow.emplace_back(r->HasTableToday(), r->GetRating());
    EXPECT_EQ(tablesNow, tables);
  }
  ASSERT_TRUE(SIM_SaveGame::Save("B"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "B.xml")), MaskPlayTime(a));
  PlayDays(20);
  ASSERT_TRUE(SIM_SaveGame::Save("tripped"));
  EXPECT_EQ(MaskPlayTime(ReadFile(saves.Path() / "tripped.xml")), MaskPlayTime(straight));
}

INSTANTIATE_TEST_SUITE_P(Kinds, JobSaveRoundTripTest,
                         ::testing::Values(HeldJobKind::kTableGraded, HeldJobKind::kMod,
                                           HeldJobKind::kActing, HeldJobKind::kAfterMusic),
                         [](const ::testing::TestParamInfo<HeldJobKind>& param) {
                           switch (param.param) {
                             case HeldJobKind::kTableGraded: return std::string("TableGraded");
                             case HeldJobKind::kMod: return std::string("Mod");
                             case HeldJobKind::kActing: return std::string("Acting");
                             case HeldJobKind::kAfterMusic: return std::string("AfterMusic");
                           }
                           return std::string("Unknown");
                         });

TEST_F(SaveWorldTest, AFileWithoutTheVenuesDrawsThemAnewAndKeepsTheTeam) {
  SIM_BowlingTeam::Instance().Join();
  std::string text = SIM_SaveGame::BuildText();
  const size_t from = text.find("<venues>");
  const size_t to = text.find("</venues>");
  ASSERT_NE(from, std::string::npos);
  text.erase(from, to + std::string("</venues>\n").size() - from);
  ASSERT_EQ(text.find("<movies>"), std::string::npos);
  ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
  EXPECT_TRUE(SIM_BowlingTeam::Instance().IsMember());
  EXPECT_FALSE(SIM_BowlingTeam::Instance().IsMatchDue());
  EXPECT_FALSE(SIM_Movie::All().empty());
  for (const SIM_Movie* film : SIM_Movie::Showing()) EXPECT_NE(film, nullptr);
}

TEST_F(SIM_SaveGameTest, AGameSavedBeforeNumbersWereExactStillLoadsAndPlays) {
  // Written by an earlier build: three decimals, no random state, no day's state.
  // Found beside this test's source, so the test can run from any game folder.
  const std::string old = ReadFile(std::filesystem::path(TOVEL_SOURCE_DIR) /
                                   "tests/sim/saves/written-before-exact-numbers.xml");
  ASSERT_NE(old.find("<version>Tovel 1.23</version>"), std::string::npos);
  ASSERT_TRUE(SIM_LoadGame::LoadText(old)) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Vesk::Instance()->GetForename(), "Sam Bench");
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 467.0f);
  ASSERT_EQ(SIM_NPC::All().size(), 4u);
  EXPECT_EQ(SIM_NPC::All()[0]->GetForename(), "Lisa");
  EXPECT_EQ(SIM_NPC::All()[0]->GetCash(), 27.394f);
  EXPECT_EQ(SIM_Relationship::CountActive(), 4u);
  // Its attribute texts stood under each other's names; the table's own are kept.
  const auto* happiness = dynamic_cast<const SIM_Attribute*>(SIM_Vesk::Instance()->Attributes().Find("happiness"));
  ASSERT_NE(happiness, nullptr);
  EXPECT_EQ(happiness->GetDescription(SIM_Attribute::kDescription), "ATTR_HAPPINESS_DESC");
  EXPECT_EQ(happiness->GetDescription(SIM_Attribute::kDescriptionLow), "ATTR_HAPPINESS_LOW");
  PlayDays(5);
  // Saved in today's form, it loads back to the same save.
  const std::string now = SIM_SaveGame::BuildText();
  ASSERT_TRUE(SIM_LoadGame::LoadText(now)) << SIM_LoadGame::LastError();
  EXPECT_EQ(MaskPlayTime(SIM_SaveGame::BuildText()), MaskPlayTime(now));
}

// Where two save texts part: the line number and a few lines of each from there, or "" when
// they are the same.
std::string FirstDifference(const std::string& a, const std::string& b) {
  std::istringstream sa(a), sb(b);
  std::string la, lb;
  for (int line = 1;; ++line) {
    const bool moreA = static_cast<bool>(std::getline(sa, la));
    const bool moreB = static_cast<bool>(std::getline(sb, lb));
    if (!moreA && !moreB) return "";
    if (moreA && moreB && la == lb) continue;
    std::string out = "line " + std::to_string(line) + ":\n- " + la + "\n+ " + lb;
    for (int i = 0; i < 4 && std::getline(sa, la) && std::getline(sb, lb); ++i)
      out += "\n- " + la + "\n+ " + lb;
    return out;
  }
}

// A new game is a function of its seed alone: whatever games ran before it in the program
// (their characters, people counter, weather, pools and random draws), the same seed gives
// the same world and the same days.
TEST_F(SIM_SaveGameTest, TwoNewGamesOfOneSeedAreTheSameWhateverCameBefore) {
  auto fresh = [] {
    SeedRandom(4321);
    SIM_SIM::Instance().NewGame();
    const std::string start = MaskPlayTime(SIM_SaveGame::BuildText());
    testsupport::PlayDays(12);
    return std::make_pair(start, MaskPlayTime(SIM_SaveGame::BuildText()));
  };
  PlayDays(20);  // the fixture's own game, some way in
  const auto first = fresh();
  PlayDays(9);
  const auto second = fresh();
  EXPECT_EQ(FirstDifference(first.first, second.first), "");
  EXPECT_EQ(FirstDifference(first.second, second.second), "");
}

// The daily autosave is written while the work-day summary shows, before the day's special
// event check: its load runs the check the summary's continue would have run, once.
TEST_F(SaveWorldTest, ASaveBeforeTheDaysCheckRunsItOnLoadingAndOnlyThen) {
  SIM_SpecialEvent::SetCooldown(3);
  SIM_SIM::Instance().NextDay();
  ASSERT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYSTART);
  ASSERT_FALSE(SIM_SpecialEvent::IsDayChecked());
  ASSERT_TRUE(SIM_SaveGame::Save("summary"));
  ASSERT_TRUE(SIM_LoadGame::Load("summary")) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 2);
  EXPECT_TRUE(SIM_SpecialEvent::IsDayChecked());
  // Saved again now, the check is done: loading that runs none.
  ASSERT_TRUE(SIM_SaveGame::Save("checked"));
  ASSERT_TRUE(SIM_LoadGame::Load("checked")) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 2);
}

// The autosave is also written with the year's review open: its load opens the review again,
// whose continue clears the year the unsaved game cleared.
TEST_F(SaveWorldTest, ASaveWithTheReviewWaitingOpensItAgain) {
  SIM_Date tomorrow = CurrentDate();
  tomorrow.AddDays(1);
  NextReviewDate() = tomorrow;
  SIM_Statistics& stats = SIM_Statistics::Instance();
  stats.AddInt(4, 2);
  SIM_SIM::Instance().NextDay();
  auto& screens = testsupport::RecordingScreens::Instance();
  ASSERT_TRUE(screens.IsYearlyReviewOpen());
  const int solo = stats.GetInt(2);
  ASSERT_TRUE(SIM_SaveGame::Save("review"));
  screens.AnswerScreens();
  EXPECT_FALSE(stats.IsYearReviewDue());
  ASSERT_TRUE(SIM_LoadGame::Load("review")) << SIM_LoadGame::LastError();
  EXPECT_TRUE(screens.IsYearlyReviewOpen());
  EXPECT_EQ(stats.GetInt(2), solo);
  screens.AnswerScreens();
  EXPECT_EQ(stats.GetInt(2), 0);
  EXPECT_EQ(stats.GetPastSolo(), solo);
  // Saved after the continue, the load opens no review.
  ASSERT_TRUE(SIM_SaveGame::Save("after"));
  ASSERT_TRUE(SIM_LoadGame::Load("after")) << SIM_LoadGame::LastError();
  EXPECT_FALSE(screens.IsYearlyReviewOpen());
}
