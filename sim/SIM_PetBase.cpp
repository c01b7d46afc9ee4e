// Pets.
#include "sim/SIM_PetBase.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_Vesk.h"

SIM_PetBase* Pets[kPetSpeciesCount] = {};
int PetFoodStock[kPetSpeciesCount] = {};

namespace {

float GameVariable(const char* name) { return SIM_GlobalVariables::Instance().Get(name); }

bool ValidSpecies(int species) { return species >= 0 && species < kPetSpeciesCount; }

int g_petsLost = 0;

}  // namespace

SIM_PetBase::SIM_PetBase(int species) : species_(species) {
  if (!ValidSpecies(species_)) return;
  // A second row of one species: the catalogue owns the first one too and frees it with the
  // rest, so it is not deleted here; the newer row becomes the species' pet.
  if (Pets[species_])
    LogWarning("A second pet of one species in the asset table", "SIM_PetBase", __LINE__);
  Pets[species_] = this;
}

SIM_PetBase::~SIM_PetBase() {
  note_.Drop();
  if (ValidSpecies(species_) && Pets[species_] == this) {
    Pets[species_] = nullptr;
    // An earlier row of the species that is still in the catalogue takes its place again.
    for (SIM_Asset* asset : SIM_Asset::All()) {
      if (asset == this) continue;
      auto* pet = dynamic_cast<SIM_PetBase*>(asset);
      if (pet && pet->species_ == species_) Pets[species_] = pet;
    }
  }
}

SIM_PetBase* SIM_PetBase::Create(const std::string& classKey) {
  if (classKey == "sim_cat") return new SIM_Cat();
  if (classKey == "sim_dog") return new SIM_Dog();
  if (classKey == "sim_fish") return new SIM_Fish();
  if (classKey == "sim_parrot") return new SIM_Parrot();
  if (classKey == "sim_hamster") return new SIM_Hamster();
  return nullptr;
}

void SIM_PetBase::ClearPets() {
  for (SIM_PetBase*& pet : Pets) pet = nullptr;
}

int SIM_PetBase::PetsLost() { return g_petsLost; }

int SIM_PetBase::CountOwned() {
  int owned = 0;
  for (const SIM_PetBase* pet : Pets)
    if (pet && pet->IsOwned() && !pet->IsLapsed()) ++owned;
  return owned;
}

void SIM_PetBase::Buy() {
  SIM_Asset::Buy();
  daysWithoutFood_ = 0;
}

void SIM_PetBase::OnSelect() { Screens().OpenPetDetails(this); }

void SIM_PetBase::ShowReminder() {
  reminderUp_ = true;
  note_.Show(Translate(reminderKey_.c_str()), 0);
}

void SIM_PetBase::DropReminder() {
  reminderUp_ = false;
  note_.Drop();
}

void SIM_PetBase::DailyUpdate() {
  // A pet lost today (the fish the cat ate) waits to go back to the shop.
  if (IsLapsed()) return;
  SIM_Asset::DailyUpdate();
  if (!IsOwned() || !ValidSpecies(species_)) return;
  int& stock = PetFoodStock[species_];
  if (stock > 0) {
    --stock;
    daysWithoutFood_ = 0;
  } else if (++daysWithoutFood_ >= kDaysWithoutFoodLost) {
    Lose();
    return;
  }
  if (stock > kLowStock) {
    DropReminder();
  } else {
    if (!GetSound().empty()) SIM_Sounds::PlaySound(GetSound());
    // Also tried again on a day the screens had no room for the note.
    ShowReminder();
  }
}

void SIM_PetBase::Lapse() {
  ++g_petsLost;
  SIM_Asset::OnUpkeepUnpaid();
  DropReminder();
  daysWithoutFood_ = 0;
}

void SIM_PetBase::AnnounceLoss(const std::string& word, const char* fineVariable) {
  Screens().ShowTextureMessage(GetPicture(), Translate((word + "_LOST_TEXT").c_str()),
                               Translate((word + "_LOST_TITLE").c_str()));
  SIM_Tovel::Instance().Add(GameVariable(fineVariable));
}

void SIM_PetBase::Lose() { Lapse(); }

// ---- the species ----

SIM_Cat::SIM_Cat() : SIM_PetBase(PET_CAT) {
  petName_ = "Vesk";
  detailsKey_ = "CAT_DETAILS_TEXT";
  reminderKey_ = "REMINDER_CATFOOD";
}

void SIM_Cat::Buy() {
  SIM_PetBase::Buy();
  SIM_Sounds::ResetCatSoundTimer();
  UnlockAchievement("ACH_CAT_OWNED");
}

float SIM_Cat::GetModifierScale() const {
  if (PetFoodStock[PET_CAT] <= 0) return 0.0f;
  const SIM_NamedValueList& globals = GlobalNamedValues();
  float s = globals.Has("glob_cat_environment") ? globals.GetValue("glob_cat_environment") : 0.0f;
  return std::clamp(s + 0.5f, 0.0f, 1.0f);
}

void SIM_Cat::Lose() {
  // A hungry cat eats the fish rather than leave, when there is a fish to eat: the global
  // flag alone (a table whose fish is not a pet) is no fish.
  auto* fish = dynamic_cast<SIM_Fish*>(Pets[PET_FISH]);
  if (GlobalNamedValues().IsSet("fish") && fish && fish->IsOwned()) {
    if (!GetSound().empty()) SIM_Sounds::PlaySound(GetSound());
    Screens().ShowTextureMessage("ass_cat.bmp", Translate("CAT_ATEFISH_TEXT"),
                                 Translate("CAT_ATEFISH_TITLE"));
    fish->LoseQuietly();
    daysWithoutFood_ = 0;
    return;
  }
  Lapse();
  AnnounceLoss("CAT", "GV_LOSTCAT_TOVELFINE");
  if (!GetSound().empty()) SIM_Sounds::PlaySound(GetSound());
}

SIM_Dog::SIM_Dog() : SIM_PetBase(PET_DOG) {
  petName_ = "Rover";
  detailsKey_ = "DOG_DETAILS_TEXT";
  reminderKey_ = "REMINDER_DOGFOOD";
}

void SIM_Dog::Buy() {
  SIM_PetBase::Buy();
  SIM_Sounds::ResetDogSoundTimer();
  UnlockAchievement("ACH_DOG_OWNED");
}

float SIM_Dog::GetModifierScale() const { return PetFoodStock[PET_DOG] > 0 ? 1.0f : 0.0f; }

void SIM_Dog::Lose() {
  Lapse();
  AnnounceLoss("DOG", "GV_LOSTDOG_TOVELFINE");
  SIM_Sounds::PlaySound("data/sounds/doghowl.ogg");
  burglarsAttacked_ = 0;
}

void SIM_Dog::CountBurglarAttack() {
  if (auto* dog = dynamic_cast<SIM_Dog*>(Pets[PET_DOG])) ++dog->burglarsAttacked_;
}

SIM_Fish::SIM_Fish() : SIM_PetBase(PET_FISH) {
  detailsKey_ = "FISH_DETAILS_TEXT";
  reminderKey_ = "REMINDER_FISHFOOD";
}

void SIM_Fish::Buy() {
  SIM_PetBase::Buy();
  UnlockAchievement("ACH_FISH_OWNED");
}

void SIM_Fish::Lose() {
  Lapse();
  AnnounceLoss("FISH", "GV_LOSTFISH_TOVELFINE");
}

void SIM_Fish::LoseQuietly() {
  Lapse();
  SIM_Tovel::Instance().Add(GameVariable("GV_LOSTFISH_TOVELFINE"));
}

SIM_Parrot::SIM_Parrot() : SIM_PetBase(PET_PARROT) {
  petName_ = "Polly";
  detailsKey_ = "PARROT_DETAILS_TEXT";
  reminderKey_ = "REMINDER_PARROTFOOD";
  soundFile_ = "data/sounds/parrot.wav";
}

void SIM_Parrot::Buy() {
  SIM_PetBase::Buy();
  UnlockAchievement("ACH_PARROT_OWNED");
}

void SIM_Parrot::Lose() {
  Lapse();
  AnnounceLoss("PARROT", "GV_LOSTPARROT_TOVELFINE");
}

SIM_Hamster::SIM_Hamster() : SIM_PetBase(PET_HAMSTER) {
  petName_ = "Harry";
  detailsKey_ = "HAMSTER_DETAILS_TEXT";
  reminderKey_ = "REMINDER_HAMSTERFOOD";
}

void SIM_Hamster::Buy() {
  SIM_PetBase::Buy();
  UnlockAchievement("ACH_HAMSTER_OWNED");
}

void SIM_Hamster::Lose() {
  Lapse();
  AnnounceLoss("HAMSTER", "GV_LOSTHAMSTER_TOVELFINE");
}

void SIM_Hamster::DailyUpdate() {
  SIM_PetBase::DailyUpdate();
  if (!IsOwned() || IsLapsed()) return;
  ++daysOwned_;
  if (daysOwned_ >= kOldAge && RandomChance(kDeathChance)) DieOfOldAge();
}

void SIM_Hamster::DieOfOldAge() {
  Lapse();
  Screens().ShowTextureMessage(GetPicture(), Translate("HAMSTER_SUDDENDEATH_TEXT"),
                               Translate("HAMSTER_SUDDENDEATH_TITLE"));
  SIM_Vesk::Instance()->ModifyValue("happiness", GameVariable("GV_HAMSTER_SUDDENDEATH_EFFECT"),
                                    GameVariable("GV_HAMSTER_SUDDENDEATH_DEGRADE"), "pet died");
  SIM_SmallTalk::AddNews("SMALLTALK_HAMSTERDEATH", 4);
}
