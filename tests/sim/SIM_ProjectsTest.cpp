// The achievement list, the four writing and research projects and the royalty streams, on a
// started game from the shipped data.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <limits>
#include <string>
#include <vector>

#include "SimTestWorld.h"
#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_SmallTalk.h"

// How many news records of the key the small talk holds.
inline int NewsCount(const std::string& key) {
  int n = 0;
  for (const SIM_SmallTalk::News& news : SIM_SmallTalk::AllNews()) n += news.key == key ? 1 : 0;
  return n;
}


namespace {

int CountCalls(const std::string& name) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count(calls.begin(), calls.end(), name));
}

// The recorded message box, if any ("ShowMessage <text>|<title>").
std::string ShownMessage() {
  for (const std::string& call : TracedCalls())
    if (call.rfind("ShowMessage ", 0) == 0) return call.substr(12);
  return "";
}

float Gv(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

// A generator state whose next draw is the top one (a unit draw of exactly 1).
uint32_t StateBeforeTopDraw() {
  for (uint32_t seed = 1;; ++seed) {
    SetRandomState(seed);
    if (RandomInt() == kRandomMax) return seed;
  }
}

// What differs between the projects when they are judged.
struct ProjectCase {
  const char* name;
  SIM_AchievementBase& (*project)();
  const char* placeholder;
  const char* successTitle;
  const char* failureTitle;
  const char* successTalk;
  const char* failureTalk;
  const char* successKey;
  const char* failureKey;
  const char* tovelGv;              // success Tovel
  const char* successConfidence;    // effect source on success, or null
  const char* failureConfidence;    // effect source on failure, or null
  bool failureCostsTovel;
  int royaltyType;                  // -1 none
  const char* minRoyalty;
  const char* maxRoyalty;
};

const ProjectCase kCases[] = {
    {"theory", []() -> SIM_AchievementBase& { return SIM_ScienceTheory::Instance(); },
     "<THEORYNAME>", "THEORY_SUCCESS_TITLE", "THEORY_FAILURE_TITLE", "SMALLTALK_THEORY_SUCCESS",
     "SMALLTALK_THEORY_FAILURE", "ACH_THEORY_SUC", "ACH_THEORY_FAI", "GV_THEORY_TOVEL_BOOST",
     "good theory", "bad theory", true, -1, nullptr, nullptr},
    {"story", []() -> SIM_AchievementBase& { return SIM_NewsStory::Instance(); }, "<STORYNAME>",
     "NEWSSTORY_SUCCESS_TITLE", "NEWSSTORY_FAILURE_TITLE", "SMALLTALK_NEWSSTORY_SUCCESS",
     "SMALLTALK_NEWSSTORY_FAILURE", "ACH_STORY_SUC", "ACH_STORY_FAI", "GV_NEWSSTORY_TOVEL",
     "news story", "bad theory", true, -1, nullptr, nullptr},
    {"screenplay", []() -> SIM_AchievementBase& { return SIM_ScreenplayWriting::Instance(); },
     "<SCREENPLAYNAME>", "SCREENPLAY_SUCCESS_TITLE", "SCREENPLAY_FAILURE_TITLE",
     "SMALLTALK_SCREENPLAY_SUCCESS", "SMALLTALK_SCREENPLAY_FAILURE", "ACH_SCRE_SUC",
     "ACH_SCRE_FAI", "GV_SCREENPLAY_TOVEL_BOOST", nullptr, "bad screenplay", true,
     SIM_RoyaltyStream::kScreenplay, "GV_SCREENPLAY_MINROYALTY", "GV_SCREENPLAY_MAXROYALTY"},
    {"song", []() -> SIM_AchievementBase& { return SIM_SongWriting::Instance(); }, "<SONGNAME>",
     "SONGWRITING_SUCCESS_TITLE", "SONGWRITING_FAILED_TITLE", "SMALLTALK_SONGWRITE_SUCCESS",
     "SMALLTALK_SONGWRITE_FAILURE", "ACH_SON_SUC", "ACH_SON_FAI", "GV_SONG_TOVEL_BOOST", nullptr,
     nullptr, false, SIM_RoyaltyStream::kSong, "GV_SONG_MINROYALTY", "GV_SONG_MAXROYALTY"},
};

class ProjectsTest : public SimWorldTest {
 protected:
  // Finishes the project with these step qualities: one step from just below full progress.
  static void Finish(SIM_AchievementBase& project, const std::vector<float>& qualities) {
    project.Restore(0.999f, 0.0f, "Pigeons at Dawn", qualities);
    ClearTracedCalls();
    project.AddProgress(0.5f);
  }
};

TEST_F(ProjectsTest, AnAchievementIsUnlockedOnceInUnlockOrderAndANewGameForgetsIt) {
  EXPECT_TRUE(AchievementList().empty());
  UnlockAchievement("ACH_MUGGED");
  UnlockAchievement(std::string("ACH_BURGLED"));
  UnlockAchievement("ACH_MUGGED");
  UnlockAchievement("ACH_MUGGE");  // a shorter key is another key
  EXPECT_EQ(AchievementList(), (std::vector<std::string>{"ACH_MUGGED", "ACH_BURGLED", "ACH_MUGGE"}));
  EXPECT_TRUE(IsAchievementUnlocked("ACH_BURGLED"));
  SIM_SIM::Instance().NewGame();
  EXPECT_TRUE(AchievementList().empty());
  // The new game's projects start afresh, each with a title from its own list.
  for (const ProjectCase& c : kCases) {
    const SIM_AchievementBase& project = c.project();
    EXPECT_EQ(project.GetProgress(), 0.0f) << c.name;
    EXPECT_TRUE(project.GetStepQualities().empty()) << c.name;
    EXPECT_FALSE(project.GetTitle().empty()) << c.name;
  }
}

TEST_F(ProjectsTest, AStepToExactlyOneCompletesAndOneJustShortDoesNot) {
  SIM_NewsStory& story = SIM_NewsStory::Instance();
  // The factor the next step will draw, then an amount that lands on 1.0 exactly.
  const uint32_t state = GetRandomState();
  const float factor = RandomFloat(0.9f, 1.1f);
  SetRandomState(state);
  float amount = 0.5f / factor;
  while (0.5f + factor * amount < 1.0f) amount = std::nextafter(amount, 1.0f);
  while (0.5f + factor * amount > 1.0f) amount = std::nextafter(amount, 0.0f);
  ASSERT_EQ(0.5f + factor * amount, 1.0f);
  const float shortAmount = std::nextafter(0.4999f / factor, 0.0f);

  story.Restore(0.5f, 0.0f, "Short", {1.0f});
  SetRandomState(state);
  story.AddProgress(shortAmount);
  EXPECT_LT(story.GetProgress(), 1.0f);
  EXPECT_EQ(story.GetTitle(), "Short");
  EXPECT_TRUE(AchievementList().empty());

  story.Restore(0.5f, 0.0f, "Exact", {1.0f});
  SetRandomState(state);
  story.AddProgress(amount);
  EXPECT_EQ(story.GetProgress(), 0.0f);  // judged and started anew
  EXPECT_NE(story.GetTitle(), "Exact");
  EXPECT_EQ(AchievementList(), std::vector<std::string>{"ACH_STORY_SUC"});
}

TEST_F(ProjectsTest, StepQualitiesAreClampedAndPerfectOrWorthlessStepsDecideTheOutcome) {
  SIM_ScienceTheory& theory = SIM_ScienceTheory::Instance();
  theory.Restore(0.0f, 0.0f, "T", {});
  theory.AddStepQuality(-0.5f);
  theory.AddStepQuality(1.7f);
  theory.AddStepQuality(0.25f);
  theory.AddStepQuality(std::numeric_limits<float>::quiet_NaN());
  EXPECT_EQ(theory.GetStepQualities(), (std::vector<float>{0.0f, 1.0f, 0.25f, 0.0f}));
  EXPECT_FLOAT_EQ(theory.GetAverageQuality(), 0.3125f);

  // Perfect steps succeed even on the generator's top draw; worthless ones fail on any.
  const uint32_t top = StateBeforeTopDraw();
  for (uint32_t state : {top, 1u, 77u, 4242u}) {
    ClearAchievements();
    theory.Restore(0.999f, 0.0f, "Perfect", {1.0f, 1.0f, 1.0f});
    SetRandomState(state);
    theory.AddProgress(0.5f);
    EXPECT_EQ(AchievementList(), std::vector<std::string>{"ACH_THEORY_SUC"}) << state;
    ClearAchievements();
    theory.Restore(0.999f, 0.0f, "Worthless", {0.0f, 0.0f});
    SetRandomState(state);
    theory.AddProgress(0.5f);
    EXPECT_EQ(AchievementList(), std::vector<std::string>{"ACH_THEORY_FAI"}) << state;
  }

  // A song written while exactly half happy has no feeling in it: its step is 0 and it fails.
  SIM_Vesk::Instance()->SetAttributeBase("happiness", 0.5f);
  ASSERT_EQ(SIM_Vesk::Instance()->GetValue("happiness"), 0.5f);
  ClearAchievements();
  SIM_SongWriting& song = SIM_SongWriting::Instance();
  song.Restore(0.999f, 0.0f, "Flat", {});
  HookWriteSong();
  EXPECT_EQ(AchievementList(), std::vector<std::string>{"ACH_SON_FAI"});
  song.Restore(0.0f, 0.0f, "Flat", {});
  HookWriteSong();
  EXPECT_EQ(song.GetStepQualities(), std::vector<float>{0.0f});
}

TEST_F(ProjectsTest, EachHookIsOneWorkStepWithItsSoundAndOpensNoWindow) {
  SIM_NewsStory& story = SIM_NewsStory::Instance();
  story.Restore(0.0f, 0.0f, "S", {});
  ClearTracedCalls();
  HookInvestigateStory();
  const float base = Gv("GV_BASE_NEWSSTORY_PROG");
  ASSERT_EQ(story.GetStepQualities().size(), 1u);
  // Two factors of 0.9..1.1: the story's own and every project's.
  EXPECT_GE(story.GetProgress(), base * 0.9f * 0.9f);
  EXPECT_LE(story.GetProgress(), base * 1.1f * 1.1f);
  // A twentieth more for every friend.
  EXPECT_FLOAT_EQ(story.GetStepQualities()[0],
                  0.25f + 0.05f * static_cast<float>(SIM_Vesk::Instance()->CountFriends()));
  EXPECT_EQ(TracedCalls(), std::vector<std::string>{"GUI_Sounds::PlaySound data/sounds/typing.ogg"});

  ClearTracedCalls();
  SIM_ScienceTheory::Instance().Restore(0.0f, 0.0f, "T", {});
  HookDevelopTheory();
  EXPECT_EQ(TracedCalls(),
            std::vector<std::string>{"GUI_Sounds::PlaySound data/sounds/laboratory.ogg"});
  EXPECT_GT(SIM_ScienceTheory::Instance().GetProgress(), 0.0f);
  ClearTracedCalls();
  SIM_ScreenplayWriting::Instance().Restore(0.0f, 0.0f, "P", {});
  HookWriteScreenplay();
  EXPECT_EQ(TracedCalls(), std::vector<std::string>{"GUI_Sounds::PlaySound data/sounds/typing.ogg"});
  ASSERT_EQ(SIM_ScreenplayWriting::Instance().GetStepQualities().size(), 1u);
}

TEST_F(ProjectsTest, SuccessRewardsEachProjectAsItsTableSays) {
  for (const ProjectCase& c : kCases) {
    SCOPED_TRACE(c.name);
    SIM_RoyaltyStream::DeleteAll();
    ClearAchievements();
    SIM_Tovel::Instance().Reset();
    SIM_Tovel::Instance().Add(50.0f);
    const float tovelBefore = SIM_Tovel::Instance().GetTotal();
    const float xpBefore = SIM_Vesk::Instance()->GetValue("xp_writing");
    SIM_AchievementBase& project = c.project();
    Finish(project, {1.0f, 1.0f});
    // Finishing a screenplay teaches writing whatever the verdict; the others teach nothing.
    if (std::string(c.name) == "screenplay") {
      EXPECT_FLOAT_EQ(SIM_Vesk::Instance()->GetValue("xp_writing"),
                      xpBefore + Gv("GV_SCREENPLAY_XPPERBOOK"));
    } else {
      EXPECT_EQ(SIM_Vesk::Instance()->GetValue("xp_writing"), xpBefore);
    }

    EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetTotal(), tovelBefore + Gv(c.tovelGv));
    if (c.successConfidence) {
      EXPECT_EQ(PlayerEffects("confidence", c.successConfidence).size(), 1u);
    }
    EXPECT_EQ(AchievementList(), std::vector<std::string>{c.successKey});
    const std::string message = ShownMessage();
    EXPECT_NE(message.find("Pigeons at Dawn"), std::string::npos) << message;
    EXPECT_EQ(message.find(c.placeholder), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.find('|') + 1), Translate(c.successTitle));
    EXPECT_EQ(NewsCount(c.successTalk), 1);
    EXPECT_EQ(CountCalls("GUI_Sounds::PlaySound data/sounds/applause.ogg"), 1);
    // Started anew.
    EXPECT_EQ(project.GetProgress(), 0.0f);
    EXPECT_TRUE(project.GetStepQualities().empty());
    EXPECT_FALSE(project.GetTitle().empty());
    EXPECT_FLOAT_EQ(project.GetQuality(), 0.0f);

    if (c.royaltyType < 0) {
      EXPECT_TRUE(SIM_RoyaltyStream::All().empty());
      continue;
    }
    ASSERT_EQ(SIM_RoyaltyStream::All().size(), 1u);
    const SIM_RoyaltyStream& stream = *SIM_RoyaltyStream::All()[0];
    EXPECT_EQ(stream.GetTitle(), "Pigeons at Dawn");
    EXPECT_EQ(stream.GetType(), c.royaltyType);
    EXPECT_GE(stream.GetIncome(), Gv(c.minRoyalty));
    EXPECT_LE(stream.GetIncome(), Gv(c.maxRoyalty));  // quality 1
    EXPECT_EQ(stream.GetTotal(), 0.0f);
  }
  SIM_RoyaltyStream::DeleteAll();
}

TEST_F(ProjectsTest, FailurePunishesEachProjectAsItsTableSays) {
  for (const ProjectCase& c : kCases) {
    SCOPED_TRACE(c.name);
    ClearAchievements();
    SIM_Tovel::Instance().Reset();
    SIM_Tovel::Instance().Add(100.0f);
    const float tovelBefore = SIM_Tovel::Instance().GetTotal();
    const size_t badBefore =
        c.failureConfidence ? PlayerEffects("confidence", c.failureConfidence).size() : 0;
    Finish(c.project(), {0.0f});

    EXPECT_FLOAT_EQ(SIM_Tovel::Instance().GetTotal(),
                    c.failureCostsTovel ? 0.75f * tovelBefore : tovelBefore);
    if (c.failureConfidence) {
      EXPECT_EQ(PlayerEffects("confidence", c.failureConfidence).size(), badBefore + 1);
    }
    EXPECT_EQ(AchievementList(), std::vector<std::string>{c.failureKey});
    const std::string message = ShownMessage();
    EXPECT_NE(message.find("Pigeons at Dawn"), std::string::npos) << message;
    EXPECT_EQ(message.substr(message.find('|') + 1), Translate(c.failureTitle));
    EXPECT_EQ(NewsCount(c.failureTalk), 1);
    EXPECT_EQ(CountCalls("GUI_Sounds::PlaySound data/sounds/applause.ogg"), 0);
    EXPECT_TRUE(SIM_RoyaltyStream::All().empty());
    EXPECT_EQ(c.project().GetProgress(), 0.0f);
  }
  EXPECT_TRUE(PlayerEffects("confidence", "good theory").empty());
}

// Study speeds the work. Each skill a theory's or a song's step reads is taught by a course of
// the shipped table, and a player who has taken that course to its diploma finishes the
// project in far fewer steps than one who has not; the writing course lifts every step of a
// screenplay instead.
TEST_F(ProjectsTest, TheMatchingCourseFinishesAProjectSoonerOrBetter) {
  using Project = SIM_AchievementBase& (*)();
  const Project theory = []() -> SIM_AchievementBase& { return SIM_ScienceTheory::Instance(); };
  const Project song = []() -> SIM_AchievementBase& { return SIM_SongWriting::Instance(); };
  const Project screenplay = []() -> SIM_AchievementBase& {
    return SIM_ScreenplayWriting::Instance();
  };
  const struct {
    const char* skill;
    void (*work)();
    Project project;
  } kCases[] = {
      {"basic_chemistry", HookDevelopTheory, theory},
      {"basic_biology", HookDevelopTheory, theory},
      {"basic_physics", HookDevelopTheory, theory},
      {"music_guitar", HookWriteSong, song},
      {"music_piano", HookWriteSong, song},
      {"music_saxophone", HookWriteSong, song},
      {"xp_writing", HookWriteScreenplay, screenplay},
  };
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_Finances::Instance().SetCash(10000.0f);
  for (const char* name : {"tiredness", "stress", "alcohol"}) player->SetValue(name, 0.0f);
  // The steps from a fresh start to the verdict, and their average quality.
  auto finish = [](const auto& c) {
    c.project().Restore(0.0f, 0.0f, "T", {});
    ClearAchievements();
    int steps = 0;
    float quality = 0.0f;
    while (AchievementList().empty() && steps < 500) {
      c.work();
      ++steps;
      if (AchievementList().empty()) quality = c.project().GetAverageQuality();
    }
    return std::make_pair(steps, quality);
  };
  for (const auto& c : kCases) {
    SCOPED_TRACE(c.skill);
    for (const auto& other : kCases) player->SetValue(other.skill, 0.0f);
    const auto untaught = finish(c);

    HOOK_EveningClassType* course = HOOK_EveningClassType::FindByName(c.skill);
    ASSERT_NE(course, nullptr);
    course->Enrol();
    for (int night = 0; night < 40 && !course->IsCompleted(); ++night) {
      SIM_SIM::Instance().SetPhase(PHASE_ACTIVITIES);
      SIM_SIM::Instance().SetActs(2, 1);
      course->Start();
    }
    ASSERT_TRUE(course->IsCompleted());
    const auto taught = finish(c);

    if (c.work == HookWriteScreenplay) {
      EXPECT_GT(taught.second, untaught.second + 0.5f * Gv("GV_SCREENPLAY_QUALGAIN"));
    } else {
      // A fifth fewer at the least: a song's pace grows by two thirds, a theory's threefold.
      EXPECT_LT(taught.first * 5, untaught.first * 4) << taught.first << " of " << untaught.first;
    }
  }
}

TEST_F(ProjectsTest, RoyaltiesShrinkAfterEveryPaymentAndStopAtOne) {
  // A tenth off after each payment.
  std::string config;
  {
    std::ifstream in("data/config.txt");
    std::string line;
    while (std::getline(in, line))
      config += (line.rfind("GV_ROYALTY_DEGRADE=", 0) == 0 ? "GV_ROYALTY_DEGRADE=0.1" : line) + "\n";
  }
  const std::string path = (dir.Path() / "config.txt").string();
  std::ofstream(path) << config;
  SIM_GlobalVariables::Instance().Load(path);

  SIM_RoyaltyStream* stream = CreateRoyaltyStream("Hit", 100.0f, SIM_RoyaltyStream::kSong);
  SIM_RoyaltyStream* spent = CreateRoyaltyStream("Flop", 1.0f, SIM_RoyaltyStream::kScreenplay);
  float total = 0.0f;
  const float expected[] = {100.0f, 90.0f, 81.0f, 72.9f};
  for (float income : expected) {
    EXPECT_NEAR(stream->GetIncome(), income, 1e-3f);
    const float cash = SIM_Finances::Instance().GetCash();
    ClearTracedCalls();
    SIM_RoyaltyStream::PayAll();
    const float cheque = stream->GetLastCheque();
    EXPECT_GE(cheque, 0.95f * income - 1e-3f);
    EXPECT_LE(cheque, 1.1f * income + 1e-3f);
    total += cheque;
    EXPECT_FLOAT_EQ(stream->GetTotal(), total);
    EXPECT_NEAR(SIM_Finances::Instance().GetCash(), cash + cheque, 0.01f);
    // One report: the spent stream pays nothing.
    EXPECT_EQ(CountCalls("GUI_Email::AddRoyaltyReport"), 1);
  }
  EXPECT_EQ(spent->GetTotal(), 0.0f);
  EXPECT_EQ(spent->GetLastCheque(), 0.0f);
  EXPECT_NEAR(spent->GetIncome(), std::pow(0.9f, 4.0f), 1e-5f);
  SIM_RoyaltyStream::DeleteAll();
  SIM_GlobalVariables::Instance().Load();
}

// A screenplay written from the first page by a player as a new game starts it (no writing
// practice) is a fair gamble: its steps average at least two chances in five of success, so a
// player who keeps writing sees one sold, and the sale's first cheque comes with the next
// week's start.
TEST_F(ProjectsTest, ABeginnersScreenplaySellsOftenEnoughAndPaysWithinTheWeek) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  ASSERT_LT(player->GetValue("xp_writing"), 0.05f);
  SIM_ScreenplayWriting& screenplay = SIM_ScreenplayWriting::Instance();
  SIM_RoyaltyStream::DeleteAll();
  int written = 0;
  while (SIM_RoyaltyStream::All().empty() && written < 8) {
    ClearAchievements();
    float quality = 0.0f;
    for (int step = 0; step < 200 && AchievementList().empty(); ++step) {
      quality = screenplay.GetAverageQuality();
      HookWriteScreenplay();
    }
    ASSERT_FALSE(AchievementList().empty()) << "a screenplay never ends";
    ++written;
    EXPECT_GE(quality, 0.4f) << "screenplay " << written;
  }
  ASSERT_EQ(SIM_RoyaltyStream::All().size(), 1u) << written << " screenplays and no sale";
  const SIM_RoyaltyStream* stream = SIM_RoyaltyStream::All().front().get();
  const float income = stream->GetIncome();
  EXPECT_GE(income, Gv("GV_SCREENPLAY_MINROYALTY"));

  // The week's days through the simulation's own day change.
  const int cheques = SIM_RoyaltyStream::ChequesPaid();
  auto* screens = dynamic_cast<SIM_HeadlessScreens*>(&Screens());
  ASSERT_NE(screens, nullptr);
  int days = 0;
  while (stream->GetTotal() == 0.0f && days < 7) {
    SIM_SIM::Instance().NextDay();
    screens->AnswerScreens();
    ++days;
  }
  EXPECT_EQ(SIM_RoyaltyStream::ChequesPaid(), cheques + 1);
  EXPECT_GT(stream->GetTotal(), 0.0f);
  EXPECT_GE(stream->GetLastCheque(), 0.95f * income - 1e-3f);
  EXPECT_LE(stream->GetLastCheque(), 1.1f * income + 1e-3f);
  SIM_RoyaltyStream::DeleteAll();
}

}  // namespace
