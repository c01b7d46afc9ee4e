// Loading: version gates of older files, and every kind of bad file failing cleanly with the
// running game left exactly as it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <string>

#include "SaveGameTestSupport.h"
#include "engine/CallTrace.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Memory.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_PortraitDatabase.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Relationship.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_SpecialEvent.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_InterestType.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;

namespace {

// A saved game as text, with something in the elements the version gates leave out.
std::string SampleText() {
  SaveGameData d;
  d.version = "Tovel 1.27";
  d.jobType.name = "waiter_0";
  d.jobType.locked = 1;
  d.tenYearsUp = true;
  d.achievements = {"ACH_ONE"};
  d.cynicism = 0.5f;
  d.maxActs = 2;
  d.acts = 1;
  d.cash = 321.0f;
  d.day = 2;
  d.month = 5;
  d.year = 2008;
  d.dayOfWeek = 5;
  d.globals = {{"glob_dirt", "Dirt", 0.5f}};
  d.player.socialClass = 2;
  d.randomState = 77;
  d.weatherDays = 3;
  d.friendMadeToday = true;
  d.portraitsUsed = {"m_01.dds"};
  d.pastSolo = 120;
  d.pastSocial = 45;
  d.hasPastEarned = true;
  d.pastEarned = 60.5f;
  d.eventCooldown = 4;
  d.eventDayChecked = true;
  d.statActivities = {{"Reading", 3}};
  d.hasMail = true;
  d.mail = {{SIM_MailItem::kTextureMessage, -1, "", "a note", "Hello", "note.dds", true, false}};
  return SIM_SaveGame::Serialize(d);
}

// The sample as a file of an older version: the header says so and the elements that version
// did not have are gone.
std::string AsVersion(const std::string& version) {
  std::string text = ReplaceFirst(SampleText(), "Tovel 1.27", "Tovel " + version);
  const float v = std::stof(version);
  if (v < 1.09f) text = RemoveElement(text, "locked");
  if (v < 1.14f) text = RemoveElement(RemoveElement(text, "tenyearsup"), "strings");
  if (v < 1.15f) text = RemoveElement(text, "cynicism");
  if (static_cast<double>(v) <= 1.17) text = RemoveElement(text, "SIM_SIM");
  if (v < 1.24f)
    for (const char* tag : {"socialclass", "random", "weatherdays", "friendtoday", "portraitsused"})
      text = RemoveElement(text, tag);
  if (v < 1.25f)
    for (const char* tag : {"pastsolo", "pastsocial", "reviewdue", "cooldown", "daychecked"})
      text = RemoveElement(text, tag);
  if (v < 1.26f) text = RemoveElement(RemoveElement(text, "mail"), "avatardescription");
  if (v < 1.27f) text = RemoveElement(text, "pastearned");
  return text;
}

SaveGameData MustParse(const std::string& text) {
  SaveGameData d;
  std::string error;
  EXPECT_TRUE(SIM_LoadGame::Parse(text, d, error)) << error;
  return d;
}

std::string ParseError(const std::string& text) {
  SaveGameData d;
  std::string error;
  EXPECT_FALSE(SIM_LoadGame::Parse(text, d, error));
  return error;
}

}  // namespace

TEST(LoadVersionTest, TheVersionIsTheNumberFromTheSeventhCharacterOn) {
  float v = 0.0f;
  EXPECT_TRUE(SIM_LoadGame::ParseVersion("Tovel 1.23", v));
  EXPECT_FLOAT_EQ(v, 1.23f);
  EXPECT_TRUE(SIM_LoadGame::ParseVersion("abcdef1.05beta", v));
  EXPECT_FLOAT_EQ(v, 1.05f);
  for (const char* bad : {"", "Tovel", "Tovel ", "Tovel x1.2", "Tovel -1.0", "Tovel .", "Tovel nan"})
    EXPECT_FALSE(SIM_LoadGame::ParseVersion(bad, v)) << bad;
}

TEST(LoadVersionTest, OlderFilesLackTheGatedElementsAndReadWithoutThem) {
  const SaveGameData v108 = MustParse(AsVersion("1.08"));
  EXPECT_EQ(v108.jobType.locked, 0);
  EXPECT_FALSE(v108.tenYearsUp);
  EXPECT_TRUE(v108.achievements.empty());
  EXPECT_EQ(v108.cynicism, 0.0f);
  EXPECT_FALSE(v108.hasSimSim);

  const SaveGameData v110 = MustParse(AsVersion("1.10"));
  EXPECT_EQ(v110.jobType.locked, 1);
  EXPECT_FALSE(v110.tenYearsUp);
  EXPECT_EQ(v110.cynicism, 0.0f);

  const SaveGameData v114 = MustParse(AsVersion("1.14"));
  EXPECT_TRUE(v114.tenYearsUp);
  EXPECT_EQ(v114.achievements, std::vector<std::string>{"ACH_ONE"});
  EXPECT_EQ(v114.cynicism, 0.0f);
  EXPECT_FALSE(v114.hasSimSim);

  // 1.17 as a float is just under the double 1.17: still no slots.
  const SaveGameData v117 = MustParse(AsVersion("1.17"));
  EXPECT_EQ(v117.cynicism, 0.5f);
  EXPECT_FALSE(v117.hasSimSim);

  const SaveGameData v118 = MustParse(AsVersion("1.18"));
  EXPECT_TRUE(v118.hasSimSim);
  EXPECT_EQ(v118.maxActs, 2);
  EXPECT_EQ(v118.acts, 1);

  // Before 1.24 the state a game needs to play on exactly is not in the file.
  const SaveGameData v123 = MustParse(AsVersion("1.23"));
  EXPECT_EQ(v123.player.socialClass, 0);
  EXPECT_EQ(v123.weatherDays, 0);
  EXPECT_FALSE(v123.friendMadeToday);
  EXPECT_TRUE(v123.portraitsUsed.empty());
  const SaveGameData v124 = MustParse(AsVersion("1.24"));
  EXPECT_EQ(v124.player.socialClass, 2);
  EXPECT_EQ(v124.randomState, 77u);
  EXPECT_EQ(v124.weatherDays, 3);
  EXPECT_TRUE(v124.friendMadeToday);
  EXPECT_EQ(v124.portraitsUsed, std::vector<std::string>{"m_01.dds"});
  // Before 1.25 no lifetime totals, no cooldown, and the day's check still to run.
  EXPECT_EQ(v124.pastSolo, 0);
  EXPECT_EQ(v124.pastSocial, 0);
  EXPECT_EQ(v124.eventCooldown, 0);
  EXPECT_FALSE(v124.eventDayChecked);
  const SaveGameData v125 = MustParse(SampleText());
  EXPECT_EQ(v125.pastSolo, 120);
  EXPECT_EQ(v125.pastSocial, 45);
  EXPECT_EQ(v125.eventCooldown, 4);
  EXPECT_TRUE(v125.eventDayChecked);
  // Before 1.27 the year starts from no Tovel earned.
  EXPECT_EQ(MustParse(AsVersion("1.26")).pastEarned, 0.0f);
  EXPECT_EQ(v125.pastEarned, 60.5f);

  // A gated element the version does not have is a wrong tag when present.
  EXPECT_NE(ParseError(ReplaceFirst(AsVersion("1.23"), "Tovel 1.23", "Tovel 1.10")).find("tenyearsup"),
            std::string::npos);
  EXPECT_NE(ParseError(ReplaceFirst(SampleText(), "Tovel 1.27", "Tovel 1.23")).find("socialclass"),
            std::string::npos);
}

TEST(LoadTextTest, ACrlfFileReadsTheSameAndAFileWithoutTheClosingTagIsCut) {
  const std::string text = SampleText();
  std::string crlf;
  for (char c : text) {
    if (c == '\n') crlf += '\r';
    crlf += c;
  }
  EXPECT_EQ(MustParse(crlf), MustParse(text));
  ParseError(ReplaceFirst(text, "</xml>\n", ""));
  // The mail came with the version that brought it; an older file has none.
  EXPECT_EQ(MustParse(text).mail.size(), 1u);
  EXPECT_EQ(MustParse(text).mail[0].title, "Hello");
  EXPECT_FALSE(MustParse(AsVersion("1.25")).hasMail);
}

TEST(LoadTextTest, ValuesAreCheckedForNumbersAndLengths) {
  const std::string text = SampleText();
  // Numbers must be whole numbers (a cut or mangled number is not silently 0).
  EXPECT_NE(ParseError(ReplaceFirst(text, "<cash>321</cash>", "<cash>12abc</cash>")).find("cash"),
            std::string::npos);
  ParseError(ReplaceFirst(text, "<cash>321</cash>", "<cash></cash>"));
  ParseError(ReplaceFirst(text, "<cash>321</cash>", "<cash>321,000</cash>"));
  ParseError(ReplaceFirst(text, "<day>2</day>", "<day>2.5</day>"));
  ParseError(ReplaceFirst(text, "<day>2</day>", "<day>99999999999</day>"));
  ParseError(ReplaceFirst(text, "<ints>0,0,0,0,0,0,0,0,0,0,0,0,0,</ints>", "<ints>0,0,</ints>"));
  ParseError(ReplaceFirst(text, "<data>0,0</data>", "<data>0</data>"));
  // A 5,000-character text is a text like any other; as a number it is damage.
  const std::string longName(5000, 'x');
  EXPECT_EQ(MustParse(ReplaceFirst(text, "<forename></forename>", "<forename>" + longName + "</forename>"))
                .player.forename,
            longName);
  ParseError(ReplaceFirst(text, "<cash>321</cash>", "<cash>" + std::string(5000, '9') + "</cash>"));
  // Past the cap, and a tag name past its cap.
  EXPECT_NE(ParseError(ReplaceFirst(text, "<forename></forename>",
                                    "<forename>" + std::string(70000, 'y') + "</forename>"))
                .find("too long"),
            std::string::npos);
  EXPECT_NE(ParseError(ReplaceFirst(text, "<forename>", "<" + std::string(200, 'f') + ">")).find("too long"),
            std::string::npos);
}

TEST(LoadTextTest, BrokenStructureFails) {
  const std::string text = SampleText();
  EXPECT_NE(ParseError(ReplaceFirst(text, "<finances>", "<finance>")).find("finances expected, found finance"),
            std::string::npos);
  // A '<' that was never encoded ends the value early and leaves a stray tag.
  ParseError(ReplaceFirst(text, "<forename></forename>", "<forename>a<b</forename>"));
  ParseError(ReplaceFirst(text, "<version>Tovel 1.27</version>", "<version>Tovel</version>"));
  ParseError(ReplaceFirst(text, "<version>Tovel 1.27</version>", "<version>Tovel x</version>"));
  ParseError("");
  ParseError("garbage without tags");
  ParseError("<xml>\n<header>\n<version>Tovel 1.27</vers");
}

TEST(LoadTextTest, AFileCutAnywhereBeforeItsClosingTagFails) {
  const std::string text = SampleText();
  const size_t end = text.find("</xml>") + std::string("</xml>").size();
  for (size_t cut = 0; cut < end; cut += 7) ParseError(text.substr(0, cut));
  ParseError(text.substr(0, end - 1));
  MustParse(text.substr(0, end));
}

// ---- Loading into a running game ----

class SIM_LoadGameTest : public SaveWorldTest {
 protected:
  // What a failed load must leave alone.
  void ExpectGameUntouched() {
    EXPECT_EQ(SIM_Finances::Instance().GetCash(), 999.0f);
    EXPECT_TRUE(CurrentDate().Equals(3, 3, 2006));
    EXPECT_EQ(GlobalNamedValues().GetValue("glob_marker"), 0.25f);
    EXPECT_EQ(SIM_GameConfig::Instance().GetName(), "Running");
    // The load never began: its loading screen was not shown.
    for (const std::string& call : TracedCalls()) EXPECT_NE(call, "GUI_LoadScreen::Draw");
    EXPECT_FALSE(SIM_LoadGame::LastError().empty());
  }
  void MarkGame() {
    SIM_Finances::Instance().SetCash(999.0f);
    SetGlobalValue("glob_marker", 0.25f);
    SIM_GameConfig::Instance().SetName("Running");
    ClearTracedCalls();
  }
};

TEST_F(SIM_LoadGameTest, AGoodFileReplacesTheGame) {
  MarkGame();
  ASSERT_TRUE(SIM_LoadGame::LoadText(SampleText())) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 321.0f);
  EXPECT_TRUE(CurrentDate().Equals(2, 5, 2008));
  EXPECT_EQ(CurrentDate().GetDayOfWeek(), 5);
  EXPECT_FALSE(GlobalNamedValues().Has("glob_marker"));
  EXPECT_EQ(GlobalNamedValues().GetValue("glob_dirt"), 0.5f);
  EXPECT_EQ(GlobalNamedValues().Find("glob_dirt")->GetGuiName(), "Dirt");
  EXPECT_TRUE(SIM_SIM::Instance().IsGameOver());
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 2);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 1);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  EXPECT_TRUE(SIM_LoadGame::LastError().empty());
}

TEST_F(SIM_LoadGameTest, EveryKindOfBadFileLeavesTheGameAsItWas) {
  const std::string text = SampleText();
  const std::string bad[] = {
      text.substr(0, text.size() / 3),
      text.substr(0, text.find("<globals>") + 4),
      ReplaceFirst(text, "<date>", "<dat>"),
      ReplaceFirst(text, "<cash>321</cash>", "<cash>" + std::string(5000, '7') + "x</cash>"),
      ReplaceFirst(text, "<forename></forename>", "<forename>a<b</forename>"),
      ReplaceFirst(text, "<version>Tovel 1.27</version>", "<version>Tov</version>"),
      ReplaceFirst(text, "<day>2</day>", "<day>9</day>"),            // out of the month
      ReplaceFirst(text, "<acts>1</acts>", "<acts>3</acts>"),        // more used than the day has
      ReplaceFirst(text, "<TopSLID>0</TopSLID>", "<TopSLID>-4</TopSLID>"),
      // Counts a day's play would overflow, or that no play gives; money past what any sum
      // of the game reaches; a file cut just before its closing tag.
      ReplaceFirst(text, "<count>3</count>", "<count>2147483647</count>"),
      ReplaceFirst(text, "<count>3</count>", "<count>-1</count>"),
      ReplaceFirst(text, "<ints>0,", "<ints>-2,"),
      ReplaceFirst(text, "<cash>321</cash>", "<cash>-100000000000</cash>"),
      ReplaceFirst(text, "<kind>6</kind>", "<kind>9</kind>"),
      text.substr(0, text.rfind("</xml>")),
  };
  for (const std::string& file : bad) {
    MarkGame();
    EXPECT_FALSE(SIM_LoadGame::LoadText(file));
    ExpectGameUntouched();
  }
}

// A player who starts the game and loads at once has read the tables start-up reads, and no
// game has read those a game rebuilds.
TEST_F(SIM_LoadGameTest, ASaveLoadsBeforeAnyGameHasStarted) {
  PlayDays(3);
  const std::string text = SIM_SaveGame::BuildText();
  SIM_SIM::Instance().Shutdown();
  SIM_SIM::Instance().Init();
  ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
  EXPECT_EQ(MaskPlayTime(SIM_SaveGame::BuildText()), MaskPlayTime(text));
}

// A newer game may have changed anything after the header: its file is refused before the
// rest is read, and the player is told why rather than that the file is damaged.
TEST_F(SIM_LoadGameTest, AGameSavedByANewerVersionIsRefusedAsSuch) {
  const std::string newer = ReplaceFirst(SampleText(), "Tovel 1.27", "Tovel 9.99");
  const size_t header = newer.find("</header>\n") + std::string("</header>\n").size();
  for (const std::string& file : {newer, newer.substr(0, header) + "<vesk2>\n</xml>\n"}) {
    MarkGame();
    ClearTracedCalls();
    EXPECT_FALSE(SIM_LoadGame::LoadText(file));
    ExpectGameUntouched();
    const std::string& why = SIM_LoadGame::LastError();
    EXPECT_NE(why.find("9.99"), std::string::npos) << why;
    EXPECT_NE(why.find("1.27"), std::string::npos) << why;
    EXPECT_EQ(why.find("LOADGAME_NEWER_VERSION"), std::string::npos) << why;  // a text, not its key
    const std::vector<std::string> calls = TracedCalls();
    EXPECT_NE(std::find_if(calls.begin(), calls.end(),
                           [&why](const std::string& c) { return c.find(why) != std::string::npos; }),
              calls.end());
  }
}

TEST_F(SIM_LoadGameTest, AMissingOrUnreadableSaveFails) {
  MarkGame();
  EXPECT_FALSE(SIM_LoadGame::Load("nothing"));
  ExpectGameUntouched();
  EXPECT_FALSE(SIM_LoadGame::Load(""));
  EXPECT_FALSE(SIM_LoadGame::Load("../x"));
  fs::create_directory(saves.Path() / "folder.xml");
  EXPECT_FALSE(SIM_LoadGame::Load("folder"));
  ExpectGameUntouched();
}

TEST_F(SIM_LoadGameTest, AnyListedFileLoadsWhateverTheCaseOfItsExtension) {
  // The menus list "*.xml" ignoring case and dot-files included; each such file must load.
  testsupport::WriteFile(saves.Path() / "Upper.XML", SampleText());
  testsupport::WriteFile(saves.Path() / ".dotted.xml", SampleText());
  ASSERT_TRUE(SIM_LoadGame::Load("Upper")) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 321.0f);
  SIM_Finances::Instance().SetCash(0.0f);
  ASSERT_TRUE(SIM_LoadGame::Load(".dotted")) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Finances::Instance().GetCash(), 321.0f);
}

TEST_F(SIM_LoadGameTest, AnOldFileWithoutSlotsStartsTheDayAfresh) {
  // A previous game ended its day: every slot used.
  SIM_SIM::Instance().SetActs(1, 1);
  ASSERT_TRUE(SIM_LoadGame::LoadText(AsVersion("1.10")));
  // Saturday: two slots, none used, activities open (not the day over at once).
  EXPECT_EQ(SIM_SIM::Instance().GetActsPerDay(), 2);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), 0);
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_ACTIVITIES);
  EXPECT_FALSE(SIM_SIM::Instance().IsGameOver());
}

TEST_F(SIM_LoadGameTest, ADaySavedWithEverySlotUsedOpensWithTheDayOver) {
  const std::string full = ReplaceFirst(SampleText(), "<acts>1</acts>", "<acts>2</acts>");
  ASSERT_TRUE(SIM_LoadGame::LoadText(full));
  EXPECT_EQ(SIM_SIM::Instance().GetPhase(), PHASE_DAYOVER);
}

TEST_F(SIM_LoadGameTest, PersonsMadeAfterALoadGetFreshSLIDs) {
  // SLIDs above any this run has handed out, so the test leaves the counter only higher.
  const int base = SIM_SaveGame::GetNextSLID() + 100;
  SaveGameData d = MustParse(SampleText());
  d.player.slid = base + 4;
  d.npcs.resize(2);
  d.npcs[0].slid = base + 11;
  d.npcs[1].slid = base + 2;
  d.topSLID = base + 5;  // behind a saved person
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_EQ(SIM_SaveGame::NewSLID(), base + 12);

  // Two persons with one SLID, or an unlockable job the tables do not have, fail the check.
  d.npcs[1].slid = base + 11;
  EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  d.npcs[1].slid = base + 2;
  d.npcs[1].unlockable = "astronaut_9";
  EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
}

// ---- The people ----

class LoadPeopleTest : public SaveWorldTest {
 protected:
  SaveGameData Saved() { return MustParse(SIM_SaveGame::BuildText()); }
};

TEST_F(LoadPeopleTest, AnAttributeKeepsItsBaseAndEffectsOverManyTrips) {
  auto* confidence = dynamic_cast<SIM_Attribute*>(SIM_Vesk::Instance()->Attributes().Find("confidence"));
  ASSERT_NE(confidence, nullptr);
  confidence->SetBase(0.375f);
  confidence->AddEffect(0.25f, 0.5f, "party");
  const float value = confidence->GetValue();
  for (int trip = 0; trip < 3; ++trip) ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::BuildText()));
  confidence = dynamic_cast<SIM_Attribute*>(SIM_Vesk::Instance()->Attributes().Find("confidence"));
  ASSERT_NE(confidence, nullptr);
  // The effect is added to the base once, however often the game is saved and loaded.
  EXPECT_FLOAT_EQ(confidence->GetBase(), 0.375f);
  EXPECT_NEAR(confidence->GetValue(), value, 0.001f);
  ASSERT_EQ(confidence->GetEffects().size(), 1u);
  EXPECT_EQ(confidence->GetEffects()[0]->GetDebugName(), "party");
}

TEST_F(LoadPeopleTest, CharactersComeBackWithTheirSLIDsAndTheirBonds) {
  SaveGameData d = Saved();
  ASSERT_GE(d.npcs.size(), 2u);
  ASSERT_FALSE(d.relationships.empty());
  SIM_SocialiseType::Add("pub_night");
  d.npcs[0].memories = {{"pub_night", 0.75f, 0.5f}, {"no_such_evening", 0.1f, 1.0f}};
  d.npcs[0].interests.push_back({"x", "no_such_interest", "X"});
  d.partner = d.npcs[1].slid;
  // One bond names a person who is not in the file, one names the same pair twice.
  d.relationships.push_back({d.player.slid, 9999, 0.5f, 0.0f, true, true});
  d.relationships.push_back(d.relationships.front());
  const size_t goodBonds = d.relationships.size() - 2;

  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d))) << SIM_LoadGame::LastError();
  ASSERT_EQ(SIM_NPC::All().size(), d.npcs.size());
  for (size_t i = 0; i < d.npcs.size(); ++i) {
    EXPECT_EQ(SIM_NPC::All()[i]->GetSLID(), d.npcs[i].slid);
    EXPECT_EQ(SIM_Person::FindBySLID(d.npcs[i].slid), SIM_NPC::All()[i]);
  }
  EXPECT_EQ(SIM_Relationship::CountActive(), goodBonds);
  // The unknown kind of evening and the unknown interest are left out, the rest kept.
  const SIM_NPC* first = SIM_NPC::All()[0];
  ASSERT_EQ(first->GetMemory()->Items().size(), 1u);
  EXPECT_EQ(first->GetMemory()->Items()[0]->type->GetName(), "pub_night");
  EXPECT_EQ(first->GetInterests().size(), d.npcs[0].interests.size() - 1);
  EXPECT_EQ(SIM_Romance::Instance().GetPartner(), SIM_NPC::All()[1]);
  SIM_SocialiseType::ClearForTesting();
}

TEST_F(LoadPeopleTest, ALoadedGameHandsOutTheFacesTheSavedGameWouldHave) {
  // The faces already given (to dropped characters too) are not given again; the running
  // game's own count does not carry over.
  ASSERT_FALSE(SIM_NPC::All().empty());
  const size_t unusedMale = SIM_PortraitDatabase::UnusedMale();
  const size_t unusedFemale = SIM_PortraitDatabase::UnusedFemale();
  ASSERT_LT(unusedMale + unusedFemale,
            SIM_PortraitDatabase::AllMale().size() + SIM_PortraitDatabase::AllFemale().size());
  const std::string saved = SIM_SaveGame::BuildText();
  SIM_PortraitDatabase::Load();
  ASSERT_TRUE(SIM_LoadGame::LoadText(saved)) << SIM_LoadGame::LastError();
  ASSERT_FALSE(SIM_NPC::All().empty());
  EXPECT_EQ(SIM_PortraitDatabase::UnusedMale(), unusedMale);
  EXPECT_EQ(SIM_PortraitDatabase::UnusedFemale(), unusedFemale);
  for (const SIM_NPC* npc : SIM_NPC::All()) {
    EXPECT_FALSE(npc->GetPortrait().empty());
    EXPECT_EQ(npc->GetPortrait()[0], npc->GetGender() == kFemale ? 'f' : 'm');
  }
}

TEST_F(LoadPeopleTest, ThePlayersClassComesFromTheLoadedCultureNotTheLastGame) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  ASSERT_LT(player->GetValue("culture"), 0.5f);
  const std::string working = SIM_SaveGame::BuildText();
  for (const char* n : {"culture_arts", "culture_literature", "culture_knowledge"})
    player->SetValue(n, 0.9f);
  player->Recalculate();
  ASSERT_EQ(player->GetSocialClass(), kUpperClass);
  const std::string upper = SIM_SaveGame::BuildText();

  ASSERT_TRUE(SIM_LoadGame::LoadText(working)) << SIM_LoadGame::LastError();
  EXPECT_EQ(player->GetSocialClass(), kWorkingClass);
  ASSERT_TRUE(SIM_LoadGame::LoadText(upper)) << SIM_LoadGame::LastError();
  EXPECT_EQ(player->GetSocialClass(), kUpperClass);
}

TEST_F(LoadPeopleTest, CountersThatWouldOverflowFailTheCheck) {
  const SaveGameData good = Saved();
  ASSERT_FALSE(good.npcs.empty());
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(good)));
  constexpr int kTop = 2147483647;
  const std::vector<std::function<void(SaveGameData&)>> edits = {
      [](SaveGameData& d) { d.year = kTop; },
      [](SaveGameData& d) { d.reviewYear = kTop; },
      [](SaveGameData& d) { d.topSLID = kTop; },
      [](SaveGameData& d) { d.npcs[0].veskDays = kTop; },
      [](SaveGameData& d) { d.npcs[0].inviteDays = kTop; },
      [](SaveGameData& d) { d.npcs[0].snubCount = kTop; },
  };
  for (const auto& edit : edits) {
    SaveGameData d = good;
    edit(d);
    EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  }
}

// Levels that no play reaches (play keeps them within 0..1), a score past any standing and a
// play time past any player's are damage, refused as counts and money past theirs are; the
// edge of play loads.
TEST_F(LoadPeopleTest, LevelsPastWhatPlayReachesFailTheCheck) {
  PlayDays(5);
  const SaveGameData good = Saved();
  ASSERT_FALSE(good.player.attributes.empty());
  ASSERT_FALSE(good.npcs.empty());
  ASSERT_FALSE(good.relationships.empty());
  const std::vector<std::function<void(SaveGameData&)>> edits = {
      [](SaveGameData& d) { d.player.attributes[0].base = 1e20f; },
      [](SaveGameData& d) { d.player.attributes[0].effects.push_back({"hand", 0.5f, -1e20f}); },
      [](SaveGameData& d) { d.addictionStrength = 1e20f; },
      [](SaveGameData& d) { d.npcs[0].iq = 2147483647.0f; },
      [](SaveGameData& d) { d.npcs[0].tovel = 1e20f; },
      [](SaveGameData& d) { d.relationships[0].strength = -1e20f; },
      [](SaveGameData& d) { d.projects[0].chunks = {0.5f, 1e20f}; },
      [](SaveGameData& d) { d.elapsed = -1.0f; },
  };
  for (const auto& edit : edits) {
    SaveGameData d = good;
    edit(d);
    EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
    EXPECT_NE(SIM_LoadGame::LastError().find("out of range"), std::string::npos) << SIM_LoadGame::LastError();
  }
  SaveGameData edge = good;
  edge.player.attributes[0].base = 1.0f;
  edge.addictionStrength = 1.0f;
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(edge))) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Alcohol::GetAddictionStrength(), 1.0f);

  // A game whose data tables drove a value that far (a mod's extreme number) still saves a
  // game it loads, with the value at the bound.
  SIM_Alcohol::Restore(1e20f, true, 0.0f);
  SetGlobalValue("glob_extreme", 3e38f);
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::BuildText())) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_Alcohol::GetAddictionStrength(), 1000.0f);
  EXPECT_LE(GlobalNamedValues().GetValue("glob_extreme"), 1e9f);
}

TEST_F(LoadPeopleTest, APartnerWhoIsNotThereMeansNoPartner) {
  SaveGameData d = Saved();
  d.partner = 4242;
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_FALSE(SIM_Romance::Instance().HasPartner());
  d.partner = d.player.slid;  // the player is nobody's partner but a character's
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_FALSE(SIM_Romance::Instance().HasPartner());
}

TEST_F(LoadPeopleTest, TheIllnessAndItsDaysComeBack) {
  SIM_Health& health = SIM_Health::Instance();
  health.SetState(SIM_Health::kSneezing);
  health.SetDuration(3);
  SaveGameData d = Saved();
  EXPECT_EQ(d.healthState, SIM_Health::kSneezing);
  EXPECT_EQ(d.healthDuration, 3);
  health.SetHealthyForTesting(true);
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_EQ(health.GetState(), SIM_Health::kSneezing);
  EXPECT_EQ(health.GetDuration(), 3);

  // A well player saved and loaded over an ill one is well; a damaged state loads as well.
  health.SetHealthyForTesting(true);
  d = Saved();
  health.SetState(SIM_Health::kCoughing);
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_TRUE(health.IsHealthy());
  d.healthState = 9;
  d.healthDuration = -2;
  ASSERT_TRUE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_TRUE(health.IsHealthy());
  EXPECT_EQ(health.GetDuration(), 0);
}

TEST_F(LoadPeopleTest, AnUnknownCharacterTypeFailsBeforeAnythingChanges) {
  SaveGameData d = Saved();
  ASSERT_FALSE(d.npcs.empty());
  const size_t npcs = SIM_NPC::All().size();
  const SIM_NPC* first = SIM_NPC::All()[0];
  d.npcs[0].characterType = "no_such_type";
  EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
  EXPECT_EQ(SIM_NPC::All().size(), npcs);
  EXPECT_EQ(SIM_NPC::All()[0], first);
  d.npcs[0].characterType = "";
  d.npcs[0].gender = 7;
  EXPECT_FALSE(SIM_LoadGame::LoadText(SIM_SaveGame::Serialize(d)));
}

TEST_F(SIM_LoadGameTest, EventsCooldownAndLifetimeTotalsAreApplied) {
  // The sample names one event of the table and one the table has lost (skipped).
  std::string text = ReplaceFirst(SampleText(), "<events>\n",
                                  "<events>\n<event>\n<name>lecture</name>\n<triggered>1</triggered>\n"
                                  "</event>\n<event>\n<name>gone</name>\n<triggered>1</triggered>\n"
                                  "</event>\n");
  ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
  int triggered = 0;
  for (const auto& event : SIM_SpecialEvent::All()) triggered += event->IsTriggered() ? 1 : 0;
  EXPECT_EQ(triggered, 1);
  EXPECT_TRUE(SIM_SpecialEvent::FindByName("lecture")->IsTriggered());
  // The saved day had its check: the cooldown is the saved one, not moved on by a second.
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 4);
  EXPECT_EQ(SIM_Statistics::Instance().GetPastSolo(), 120);
  EXPECT_EQ(SIM_Statistics::Instance().GetPastSocial(), 45);
  EXPECT_EQ(SIM_Statistics::Instance().GetPastEarned(), 60.5f);

  // A file from before the totals and the cooldown: both start at 0 and the day's check runs.
  ASSERT_TRUE(SIM_LoadGame::LoadText(AsVersion("1.24"))) << SIM_LoadGame::LastError();
  EXPECT_EQ(SIM_SpecialEvent::GetCooldown(), 0);
  EXPECT_TRUE(SIM_SpecialEvent::IsDayChecked());
  EXPECT_EQ(SIM_Statistics::Instance().GetPastSolo(), 0);
  EXPECT_EQ(SIM_Statistics::Instance().GetPastEarned(), 0.0f);
  EXPECT_EQ(SIM_Statistics::Instance().GetLifetimeSolo(), SIM_Statistics::Instance().GetInt(2));
}
