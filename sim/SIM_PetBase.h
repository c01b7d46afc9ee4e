// Pets: one of each species at most, each a possession of the shop's catalogue. An owned pet
// eats a day of its species' food stock every day; while the stock is low a reminder note
// asks for more, and on the fifth day in a row without food the pet is lost (a hungry cat
// first eats the fish). A hamster may die of old age. The cat's and the dog's daily effects
// stop while they have no food.
//
// `Pets` holds the one object of each species the asset table made (null when the table has
// none); `PetFoodStock` the days of food in stock per species. Both are indexed by PetSpecies.
#pragma once

#include <string>

#include "sim/SIM_Asset.h"
#include "sim/SIM_ReminderNote.h"

enum PetSpecies { PET_CAT = 0, PET_DOG = 1, PET_FISH = 2, PET_PARROT = 3, PET_HAMSTER = 4 };
inline constexpr int kPetSpeciesCount = 5;

class SIM_PetBase;
extern SIM_PetBase* Pets[kPetSpeciesCount];
extern int PetFoodStock[kPetSpeciesCount];

class SIM_PetBase : public SIM_Asset {
 public:
  // A fifth day in a row without food loses the pet.
  static constexpr int kDaysWithoutFoodLost = 5;
  // The reminder is up while the stock after the day's meal is at most this.
  static constexpr int kLowStock = 2;

  explicit SIM_PetBase(int species);
  ~SIM_PetBase() override;

  // "sim_cat" .. "sim_hamster" give a new pet of that species; any other key gives null.
  static SIM_PetBase* Create(const std::string& classKey);
  // The five pointers to null (start of the run; the asset catalogue owns the pets).
  static void ClearPets();
  // Pets lost in the run (run away, eaten or dead), through new games and loads: a figure.
  static int PetsLost();
  // Owned pets now.
  static int CountOwned();

  void Buy() override;
  void OnSelect() override;
  void DailyUpdate() override;
  // The pet runs away (or dies): it lapses, its note goes, a message and a fine.
  virtual void Lose();

  int GetSpecies() const { return species_; }
  const std::string& GetPetName() const { return petName_; }
  void SetPetName(const std::string& name) { petName_ = name; }
  int GetDaysWithoutFood() const { return daysWithoutFood_; }
  void SetDaysWithoutFood(int days) { daysWithoutFood_ = days; }
  const std::string& GetDetailsKey() const { return detailsKey_; }
  const std::string& GetReminderKey() const { return reminderKey_; }
  // The parrot's own voice; empty for the others.
  const std::string& GetSoundFile() const { return soundFile_; }

  // The food reminder: wanted while the stock is low, whether or not the screens found a
  // place for its note (a later day tries again).
  bool IsReminderUp() const { return reminderUp_; }
  void ShowReminder();
  void DropReminder();

 protected:
  // Lapses quietly: the asset's global value goes to 0, the note goes, the count restarts.
  void Lapse();
  // The picture message, the fine of the species' game variable.
  void AnnounceLoss(const std::string& word, const char* fineVariable);

  std::string petName_;
  int daysWithoutFood_ = 0;
  int species_;
  std::string detailsKey_;
  std::string soundFile_;
  std::string reminderKey_;

 private:
  bool reminderUp_ = false;
  SIM_ReminderNote note_;
};

class SIM_Cat : public SIM_PetBase {
 public:
  SIM_Cat();
  void Buy() override;
  void Lose() override;
  // "glob_cat_environment" + 0.5, clamped to 0..1, while the cat has food; else 0.
  float GetModifierScale() const override;
};

class SIM_Dog : public SIM_PetBase {
 public:
  SIM_Dog();
  void Buy() override;
  void Lose() override;
  float GetModifierScale() const override;
  // The dog saw a burglar off (the burglary calls it): counted on the dog, when there is one.
  static void CountBurglarAttack();
  int GetBurglarsAttacked() const { return burglarsAttacked_; }
  void SetBurglarsAttacked(int count) { burglarsAttacked_ = count; }

 private:
  int burglarsAttacked_ = 0;
};

class SIM_Fish : public SIM_PetBase {
 public:
  SIM_Fish();
  void Buy() override;
  void Lose() override;
  // Eaten by the hungry cat: lost with the fish's fine and no message of its own.
  void LoseQuietly();
};

class SIM_Parrot : public SIM_PetBase {
 public:
  SIM_Parrot();
  void Buy() override;
  void Lose() override;
};

class SIM_Hamster : public SIM_PetBase {
 public:
  // From this many days owned a hamster may die of old age each day.
  static constexpr int kOldAge = 29;
  static constexpr float kDeathChance = 0.01f;

  SIM_Hamster();
  void Buy() override;
  void Lose() override;
  void DailyUpdate() override;
  // Kept through a loss and a new purchase: the same animal's age.
  int GetDaysOwned() const { return daysOwned_; }
  void SetDaysOwned(int days) { daysOwned_ = days; }

 private:
  void DieOfOldAge();
  int daysOwned_ = 0;
};
