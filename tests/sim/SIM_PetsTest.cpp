// Pets: eating from the stock, the food reminder, losing a hungry pet (and the cat that eats
// the fish instead), the hamster's old age, the cat's and dog's effects, and the table rows.
#include <algorithm>
#include <fstream>
#include <string>

#include <gtest/gtest.h>

#include "engine/CallTrace.h"
#include "engine/Random.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_LoadGame.h"
#include "sim/SIM_SaveGame.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PetFood.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"
#include "SimTestWorld.h"

namespace {

int Count(const std::string& prefix) {
  const auto& calls = TracedCalls();
  return static_cast<int>(std::count_if(calls.begin(), calls.end(), [&](const std::string& c) {
    return c.rfind(prefix, 0) == 0;
  }));
}

void SetGlobal(const char* name, float value) {
  if (SIM_NamedValue* v = GlobalNamedValues().Find(name)) {
    v->SetValue(value);
  } else {
    GlobalNamedValues().Add(new SIM_NamedValue(name, name, value));
  }
}

float Earned() { return SIM_Tovel::Instance().GetComponent(1); }
float Fine(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

SIM_PetFood* FoodOf(int species) {
  for (SIM_Asset* asset : SIM_Asset::All())
    if (auto* food = dynamic_cast<SIM_PetFood*>(asset); food && food->GetSpecies() == species)
      return food;
  return nullptr;
}

class PetsTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    SIM_Finances::Instance().SetCash(10000.0f);
    SIM_Tovel::Instance().Add(100.0f);  // room for the fines above the floor
  }
  void TearDown() override {
    SIM_PetFood::ClearStocks();  // a later test may read the table without a new game
    SimWorldTest::TearDown();
  }
  static SIM_PetBase* Buy(int species) {
    SIM_PetBase* pet = Pets[species];
    EXPECT_NE(pet, nullptr);
    if (pet) pet->Buy();
    return pet;
  }
  // n game days of the asset catalogue.
  static void Days(int n) {
    for (int i = 0; i < n; ++i) SIM_Asset::DailyUpdateAll();
  }
};

TEST_F(PetsTest, TheShippedTableMakesOnePetAndOneFoodOfEachSpecies) {
  for (int species = 0; species < kPetSpeciesCount; ++species) {
    ASSERT_NE(Pets[species], nullptr) << species;
    EXPECT_EQ(Pets[species]->GetSpecies(), species);
    ASSERT_NE(FoodOf(species), nullptr) << species;
    EXPECT_EQ(PetFoodStock[species], 0);
    // The shop's text tells how long a pack lasts as the stock counts it.
    const std::string text = FoodOf(species)->GetDescription();
    static_assert(SIM_PetFood::kDaysPerPack == 10, "the texts say ten days");
    EXPECT_NE(text.find("en days"), std::string::npos) << text;  // "Ten days" or "ten days"
    EXPECT_EQ(text.find("week"), std::string::npos) << text;
  }
  EXPECT_EQ(Pets[PET_CAT]->GetPetName(), "Vesk");
  EXPECT_EQ(Pets[PET_FISH]->GetPetName(), "");
  EXPECT_EQ(Pets[PET_PARROT]->GetSoundFile(), "data/sounds/parrot.wav");
}

TEST_F(PetsTest, AHungryPetIsLostOnItsFifthFoodlessDay) {
  SIM_PetBase* dog = Buy(PET_DOG);
  EXPECT_TRUE(IsAchievementUnlocked("ACH_DOG_OWNED"));
  EXPECT_EQ(Count("GUI_Sounds::ResetDogSoundTimer"), 1);
  Days(1);
  EXPECT_EQ(dog->GetDaysWithoutFood(), 1);
  EXPECT_TRUE(dog->IsReminderUp());  // an empty bowl asks for food at once
  Days(3);
  EXPECT_TRUE(dog->IsOwned());
  EXPECT_EQ(dog->GetDaysWithoutFood(), 4);
  const float earned = Earned();
  ClearTracedCalls();
  Days(1);
  EXPECT_FALSE(dog->IsOwned());
  EXPECT_TRUE(dog->IsForSale());  // back in the shop, to be bought again
  EXPECT_FALSE(GlobalNamedValues().IsSet("dog"));
  EXPECT_FALSE(dog->IsReminderUp());
  EXPECT_EQ(dog->GetDaysWithoutFood(), 0);
  EXPECT_FLOAT_EQ(Earned(), earned + Fine("GV_LOSTDOG_TOVELFINE"));
  EXPECT_EQ(Count("ShowTextureMessage asset_dog.bmp|"), 1);
  EXPECT_EQ(Count("GUI_Sounds::PlaySound data/sounds/doghowl.ogg"), 1);
  EXPECT_EQ(Count("GUI_Postit::Delete"), 1);
}

TEST_F(PetsTest, APackIsTenDaysAndTheReminderShowsAtTwoOrLess) {
  SIM_PetBase* cat = Buy(PET_CAT);
  FoodOf(PET_CAT)->Buy();
  EXPECT_EQ(PetFoodStock[PET_CAT], 10);
  EXPECT_FALSE(FoodOf(PET_CAT)->IsOwned());  // food is never owned
  EXPECT_TRUE(FoodOf(PET_CAT)->IsForSale());
  Days(7);
  EXPECT_EQ(PetFoodStock[PET_CAT], 3);
  EXPECT_FALSE(cat->IsReminderUp());
  EXPECT_EQ(Count("GUI_Postit::AddPostit"), 0);
  Days(1);
  EXPECT_EQ(PetFoodStock[PET_CAT], 2);
  EXPECT_TRUE(cat->IsReminderUp());
  EXPECT_EQ(Count("GUI_Postit::AddPostit Buy cat food!|0|"), 1);
  Days(1);  // still low: the note stays, no second one
  EXPECT_EQ(Count("GUI_Postit::AddPostit"), 1);
  FoodOf(PET_CAT)->Buy();
  EXPECT_EQ(PetFoodStock[PET_CAT], 11);
  EXPECT_FALSE(cat->IsReminderUp());
  EXPECT_EQ(Count("GUI_Postit::Delete"), 1);
  EXPECT_EQ(cat->GetDaysWithoutFood(), 0);
}

TEST_F(PetsTest, AHungryCatEatsTheFishInsteadOfLeaving) {
  SIM_PetBase* cat = Buy(PET_CAT);
  SIM_PetBase* fish = Buy(PET_FISH);
  FoodOf(PET_FISH)->Buy();
  Days(4);
  const float earned = Earned();
  ClearTracedCalls();
  Days(1);
  EXPECT_TRUE(cat->IsOwned());
  EXPECT_EQ(cat->GetDaysWithoutFood(), 0);  // the count starts again
  EXPECT_FALSE(fish->IsOwned());
  EXPECT_FALSE(GlobalNamedValues().IsSet("fish"));
  EXPECT_FLOAT_EQ(Earned(), earned + Fine("GV_LOSTFISH_TOVELFINE"));
  EXPECT_EQ(Count("ShowTextureMessage ass_cat.bmp|"), 1);
  EXPECT_EQ(Count("ShowTextureMessage asset_fish.bmp|"), 0);  // no message of the fish's own
  // Five more hungry days and no fish: the cat goes.
  Days(5);
  EXPECT_FALSE(cat->IsOwned());
  EXPECT_FLOAT_EQ(Earned(), earned + Fine("GV_LOSTFISH_TOVELFINE") + Fine("GV_LOSTCAT_TOVELFINE"));
}

TEST_F(PetsTest, AFishFlagWithoutAFishPetLosesTheCat) {
  // A table whose "fish" is a plain possession, a tank: the flag is set but there is no fish
  // to eat, whether the table has no goldfish or one the player has not bought.
  for (const char* goldfish :
       {"", "#,sim_fish,goldfish,Goldfish,pets,A fish.,asset_fish.bmp,64,64,,15,0,,,0,#\n"}) {
    SCOPED_TRACE(goldfish);
    const std::string path = dir.Str() + "/assets.csv";
    std::ofstream(path) << "#,sim_cat,cat,Cat,pets,A cat.,asset_cat.bmp,64,64,cat.ogg,60,0,,,0,#\n"
                           "#,sim_bowl,fish,Bowl,pets,A bowl.,asset_fish.bmp,64,64,,15,0,,,0,#\n"
                        << goldfish;
    LoadAssets(path);
    ASSERT_EQ(Pets[PET_FISH] != nullptr, *goldfish != '\0');
    SIM_PetBase* cat = Buy(PET_CAT);
    SIM_Asset::FindByName("fish")->Buy();
    ASSERT_TRUE(GlobalNamedValues().IsSet("fish"));
    const float earned = Earned();
    ClearTracedCalls();
    Days(5);
    EXPECT_FALSE(cat->IsOwned());
    EXPECT_TRUE(SIM_Asset::FindByName("fish")->IsOwned());
    EXPECT_FLOAT_EQ(Earned(), earned + Fine("GV_LOSTCAT_TOVELFINE"));  // no fish's fine
    EXPECT_EQ(Count("ShowTextureMessage ass_cat.bmp|"), 0);  // no fish was eaten
  }
  LoadAssets();
}

TEST_F(PetsTest, ADuplicateRowKeepsOnePetOfTheSpeciesAndFreesBothOnce) {
  const std::string path = dir.Str() + "/assets.csv";
  std::ofstream(path) << "#,sim_dog,dog,Dog,pets,First.,asset_dog.bmp,64,64,,150,0,,,0,#\n"
                         "#,sim_dog,dog2,Dog,pets,Second.,asset_dog.bmp,64,64,,150,0,,,0,#\n";
  LoadAssets(path);
  ASSERT_EQ(SIM_Asset::All().size(), 2u);  // neither row deleted the other
  ASSERT_NE(Pets[PET_DOG], nullptr);
  EXPECT_EQ(Pets[PET_DOG]->GetName(), "dog2");
  // The later row goes first when the catalogue is freed: the earlier takes its place again,
  // then goes too; nothing is freed twice (the sanitizers would tell).
  delete SIM_Asset::FindByName("dog2");
  ASSERT_NE(Pets[PET_DOG], nullptr);
  EXPECT_EQ(Pets[PET_DOG]->GetName(), "dog");
  SIM_Asset::DeleteAll();
  EXPECT_EQ(Pets[PET_DOG], nullptr);
  LoadAssets();
  EXPECT_NE(Pets[PET_DOG], nullptr);
}

TEST_F(PetsTest, AHamsterMayDieOfAgeOnlyFromItsTwentyNinthDay) {
  auto* hamster = dynamic_cast<SIM_Hamster*>(Buy(PET_HAMSTER));
  ASSERT_NE(hamster, nullptr);
  PetFoodStock[PET_HAMSTER] = 100000;
  // Young: no number is drawn for it, so the game's draws are as without a hamster.
  for (int day = 0; day < 28; ++day) {
    const auto state = GetRandomState();
    hamster->DailyUpdate();
    ASSERT_EQ(GetRandomState(), state) << day;
    ASSERT_TRUE(hamster->IsOwned());
  }
  EXPECT_EQ(hamster->GetDaysOwned(), 28);
  // Its 29th day is the first that may be its last: a draw under one in a hundred ends it.
  SetRandomState(StateDrawingUnit(0.005f));
  hamster->DailyUpdate();
  EXPECT_EQ(hamster->GetDaysOwned(), 29);
  EXPECT_TRUE(hamster->IsLapsed());
  while (SIM_Asset::ReturnLapsed()) {
  }
  EXPECT_FALSE(hamster->IsOwned());
  hamster->Buy();
  // A draw just above it spares it.
  SetRandomState(StateDrawingUnit(0.015f));
  hamster->DailyUpdate();
  EXPECT_FALSE(hamster->IsLapsed());
  EXPECT_TRUE(hamster->IsOwned());
  // Old: about one day in a hundred; each death is bought back, keeping the animal's age.
  int deaths = 0;
  ClearTracedCalls();
  const float earned = Earned();
  for (int day = 0; day < 6000; ++day) {
    SIM_Asset::DailyUpdateAll();
    if (!hamster->IsOwned()) {
      ++deaths;
      EXPECT_GE(hamster->GetDaysOwned(), SIM_Hamster::kOldAge);
      hamster->Buy();
    }
  }
  EXPECT_GT(deaths, 30);
  EXPECT_LT(deaths, 100);
  EXPECT_GE(Count("ShowTextureMessage asset_hamster.bmp|Your hamster has died"), 1);
  EXPECT_FALSE(PlayerEffects("happiness", "pet died").empty());
  EXPECT_FLOAT_EQ(Earned(), earned);  // no fine for old age
}

TEST_F(PetsTest, TheCatsAndDogsEffectsStopWithoutFood) {
  SIM_PetBase* cat = Buy(PET_CAT);
  SIM_PetBase* dog = Buy(PET_DOG);
  EXPECT_FLOAT_EQ(cat->GetModifierScale(), 0.0f);
  EXPECT_FLOAT_EQ(dog->GetModifierScale(), 0.0f);
  PetFoodStock[PET_CAT] = PetFoodStock[PET_DOG] = 5;
  EXPECT_FLOAT_EQ(cat->GetModifierScale(), 0.5f);  // no environment value: the middle
  SetGlobal("glob_cat_environment", 0.7f);
  EXPECT_FLOAT_EQ(cat->GetModifierScale(), 1.0f);
  SetGlobal("glob_cat_environment", -0.3f);
  EXPECT_FLOAT_EQ(cat->GetModifierScale(), 0.2f);
  EXPECT_FLOAT_EQ(dog->GetModifierScale(), 1.0f);
  EXPECT_FLOAT_EQ(Pets[PET_FISH]->GetModifierScale(), 1.0f);
}

TEST_F(PetsTest, TheDogCountsTheBurglarsItSawOffUntilItIsLost) {
  auto* dog = dynamic_cast<SIM_Dog*>(Buy(PET_DOG));
  ASSERT_NE(dog, nullptr);
  SIM_Dog::CountBurglarAttack();
  SIM_Dog::CountBurglarAttack();
  EXPECT_EQ(dog->GetBurglarsAttacked(), 2);
  Days(5);
  EXPECT_FALSE(dog->IsOwned());
  EXPECT_EQ(dog->GetBurglarsAttacked(), 0);
  // Without any dog in the table the count goes nowhere.
  SIM_Asset::DeleteAll();
  SIM_Dog::CountBurglarAttack();
  LoadAssets();
}

TEST_F(PetsTest, AFileIsAppliedByNameWithOlderAndHandEditedPetsMadeSane) {
  Buy(PET_CAT);
  Buy(PET_FISH);
  PetFoodStock[PET_CAT] = 1;
  PetFoodStock[PET_FISH] = 9;
  std::string text = SIM_SaveGame::BuildText();
  // An older file has no reminder tags (the stock decides), a hand-edited one a negative stock,
  // a class named twice and one the table does not have.
  for (size_t at; (at = text.find("<foodreminder>0</foodreminder>\n")) != std::string::npos;)
    text.erase(at, std::string("<foodreminder>0</foodreminder>\n").size());
  const std::string fish = "<fishfood>9</fishfood>";
  text.replace(text.find(fish), fish.size(), "<fishfood>-4</fishfood>");
  const std::string classes = "<classes>\n";
  text.insert(text.find(classes) + classes.size(),
              "<class>\n<name>pottery</name>\n</class>\n<class>\n<name>nosuch</name>\n</class>\n"
              "<class>\n<name>pottery</name>\n</class>\n");
  ASSERT_TRUE(SIM_LoadGame::LoadText(text)) << SIM_LoadGame::LastError();
  EXPECT_TRUE(Pets[PET_CAT]->IsOwned());
  EXPECT_TRUE(Pets[PET_CAT]->IsReminderUp());   // owned with a day of food left
  EXPECT_FALSE(Pets[PET_DOG]->IsReminderUp());  // not owned
  EXPECT_EQ(PetFoodStock[PET_FISH], 0);
  EXPECT_TRUE(Pets[PET_FISH]->IsReminderUp());
  ASSERT_EQ(EnrolledEveningClasses().size(), 1u);
  EXPECT_EQ(EnrolledEveningClasses().front()->GetName(), "pottery");
}

}  // namespace
