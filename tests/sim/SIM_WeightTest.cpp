// The player's weight: a body value that meals and popcorn raise and that comes off again
// day by day, never one of the skills, and carried as such through saving and loading
// (a game saved while it was still kept among the skills included).
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "SaveGameTestSupport.h"
#include "saves/Resave.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_Movie.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Restaurant.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_SocialiseType.h"
#include "sim/SIM_Venues.h"
#include "sim/SIM_Vesk.h"
#include "sim/SimTestWorld.h"

namespace {

class WeightTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    player = SIM_Vesk::Instance();
    SIM_Finances::Instance().SetCash(500.0f);
  }

  static SIM_Attribute* Weight() {
    return dynamic_cast<SIM_Attribute*>(SIM_Vesk::Instance()->Attributes().Find("weight"));
  }
  static bool HasWeightSkill() { return SIM_Vesk::Instance()->Skills().Has("weight"); }

  // An evening of the kind with one of the world's characters, organised by the player.
  template <class T>
  T* Evening(const std::string& kind) {
    SIM_SocialiseType* type = SIM_SocialiseType::FindByName(kind);
    EXPECT_NE(type, nullptr) << kind;
    auto* evening = dynamic_cast<T*>(SIM_SocialiseInstance::CreateForType(type));
    EXPECT_NE(evening, nullptr) << kind;
    if (!evening) return nullptr;
    SIM_SIM::Instance().SetActs(2, 0);  // a slot free for each evening
    if (!SIM_NPC::All().empty()) evening->AddInvitee(SIM_NPC::All().front());
    evening->SetOrganiser(player);
    evening->SetCost(type->cost);
    return evening;
  }
  // Days go by for the changes alone.
  void LetDaysPass(int days) {
    for (int i = 0; i < days; ++i) SIM_Effect::DailyUpdateAll();
    player->Recalculate();
  }

  SIM_Vesk* player = nullptr;
};

TEST_F(WeightTest, MealsAndPopcornRaiseAWeightThatFadesAndIsNeverASkill) {
  SIM_Attribute* weight = Weight();
  ASSERT_NE(weight, nullptr);
  EXPECT_FALSE(weight->GetFlag1());  // not one of the bars on the screen
  // A new player is slimmer than the slimmest part an actor can be offered asks for.
  const float slimmestPart = 0.7f - 1.2f * 0.4f;
  EXPECT_LT(weight->GetValue(), slimmestPart);
  const float base = weight->GetBase();
  EXPECT_FLOAT_EQ(weight->GetValue(), base);

  // A film with popcorn (the evening's default).
  auto* film = Evening<SIM_MovieInstance>("cinema");
  ASSERT_NE(film, nullptr);
  ASSERT_NE(SIM_Movie::Showing()[0], nullptr);
  film->Run();
  film->SetFilm(SIM_Movie::Showing()[0]);
  film->Complete();
  ASSERT_EQ(PlayerEffects("weight", "popcorn").size(), 1u);
  EXPECT_NEAR(player->GetValue("weight"), base + 0.05f, 1e-5f);
  EXPECT_FALSE(HasWeightSkill());

  // The rich meal and the healthy one.
  for (int choice : {SIM_RestaurantInstance::kIndulgent, SIM_RestaurantInstance::kHealthy}) {
    SCOPED_TRACE(choice);
    SIM_Restaurant* place = SIM_Restaurant::All().front().get();
    place->SetTableToday(true);
    auto* meal = Evening<SIM_RestaurantInstance>(place->GetCuisine());
    ASSERT_NE(meal, nullptr);
    meal->SelectRestaurant(place);
    meal->SetMealChoice(choice);
    const float before = player->GetValue("weight");
    meal->Complete();
    EXPECT_GT(player->GetValue("weight"), before);
    EXPECT_FALSE(HasWeightSkill());
  }
  EXPECT_EQ(PlayerEffects("weight", "restaurant").size(), 2u);

  // The gains come off again, a little each day, back to the base.
  const float fed = player->GetValue("weight");
  LetDaysPass(1);
  EXPECT_LT(player->GetValue("weight"), fed);
  EXPECT_GT(player->GetValue("weight"), base);
  LetDaysPass(200);
  EXPECT_FLOAT_EQ(player->GetValue("weight"), base);
  EXPECT_TRUE(weight->GetEffects().empty());
  EXPECT_FALSE(HasWeightSkill());
}

using WeightSaveTest = WeightTest;

// A game saved 400 days in while weight was still kept among the skills: it loads with the
// weight the player had, now the attribute's, which then fades like any other change; saved
// again, the attribute comes back as it went.
TEST_F(WeightSaveTest, AWeightSavedAsASkillLoadsIntoTheAttributeAndSurvivesTheNextSave) {
  // A load takes the player's name and picture from the file: they are put back after.
  struct ConfigGuard {
    std::string name = SIM_GameConfig::Instance().GetName();
    std::string avatar = SIM_GameConfig::Instance().GetAvatarName();
    ~ConfigGuard() {
      SIM_GameConfig::Instance().SetName(name);
      SIM_GameConfig::Instance().SetAvatarName(avatar);
    }
  } configGuard;
  const std::string old = testsupport::ReadWholeFile(std::string(TOVEL_SOURCE_DIR) + "/tests/saves/day-400.xml");
  SaveGameData d;
  std::string error;
  ASSERT_TRUE(SIM_LoadGame::Parse(old, d, error)) << error;
  const auto skill = std::find_if(d.player.skills.begin(), d.player.skills.end(),
                                  [](const SaveNamedValue& v) { return v.name == "weight"; });
  ASSERT_NE(skill, d.player.skills.end()) << "the fixture keeps weight as a skill";
  ASSERT_TRUE(std::none_of(d.player.attributes.begin(), d.player.attributes.end(),
                           [](const SaveAttribute& a) { return a.name == "weight"; }));
  const float saved = skill->value;
  const size_t otherSkills = d.player.skills.size() - 1;

  ASSERT_TRUE(SIM_LoadGame::LoadText(old)) << SIM_LoadGame::LastError();
  EXPECT_FALSE(HasWeightSkill());
  EXPECT_EQ(player->Skills().Values().size(), otherSkills);
  ASSERT_NE(Weight(), nullptr);
  EXPECT_NEAR(player->GetValue("weight"), saved, 1e-5f);
  const float base = Weight()->GetBase();
  ASSERT_LT(base, saved);

  // Saved and loaded again: the attribute, its value and its fading change come back.
  const std::string resaved = SIM_SaveGame::BuildText();
  ASSERT_TRUE(SIM_LoadGame::LoadText(resaved)) << SIM_LoadGame::LastError();
  EXPECT_FALSE(HasWeightSkill());
  ASSERT_NE(Weight(), nullptr);
  EXPECT_NEAR(player->GetValue("weight"), saved, 1e-3f);
  EXPECT_FLOAT_EQ(Weight()->GetBase(), base);
  ASSERT_FALSE(Weight()->GetEffects().empty());
  LetDaysPass(1);
  EXPECT_LT(player->GetValue("weight"), saved);
  EXPECT_GT(player->GetValue("weight"), base);

  // A file that holds the attribute as well keeps the attribute's value: the skill beside
  // it is a stale copy and is dropped.
  const float now = player->GetValue("weight");
  std::string both = SIM_SaveGame::BuildText();
  both = ReplaceFirst(both, "<skills>\n",
                      "<skills>\n<skill>\n<name>weight</name>\n<guiname>nv_weight</guiname>\n"
                      "<value>0.99</value>\n</skill>\n");
  ASSERT_NE(both.find("<value>0.99</value>"), std::string::npos);
  ASSERT_TRUE(SIM_LoadGame::LoadText(both)) << SIM_LoadGame::LastError();
  EXPECT_FALSE(HasWeightSkill());
  player->Recalculate();
  EXPECT_NEAR(player->GetValue("weight"), now, 1e-3f);
}

}  // namespace
