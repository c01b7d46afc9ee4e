// The possessions table of any bytes. Whatever it holds, every asset read is in the shop,
// its picture has a usable size (nothing divides by zero drawing it), and buying, selling,
// a day's upkeep and a theft keep every asset in exactly one place; a week of days leaves
// every species' pet one of the assets read, and freeing them leaves none. A book's own
// columns are read into a usable page count and skill list.
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "FuzzSupport.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"

namespace {

bool In(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
  return std::find(list.begin(), list.end(), asset) != list.end();
}

// Each species' pet is one of the assets read (or none), and no stock went below zero.
void CheckPets() {
  for (int species = 0; species < kPetSpeciesCount; ++species) {
    if (Pets[species]) FUZZ_CHECK(In(SIM_Asset::All(), Pets[species]));
    FUZZ_CHECK(PetFoodStock[species] >= 0);
  }
}

void CheckPlaces() {
  for (const SIM_Asset* asset : SIM_Asset::All()) {
    const bool shop = In(SIM_Asset::Catalogue(), asset);
    const bool owned = In(SIM_Asset::Owned(), asset);
    FUZZ_CHECK(!(shop && owned));
    FUZZ_CHECK(owned == asset->IsOwned());
  }
  for (const SIM_Asset* asset : SIM_Asset::Catalogue()) FUZZ_CHECK(In(SIM_Asset::All(), asset));
  for (const SIM_Asset* asset : SIM_Asset::Owned()) FUZZ_CHECK(In(SIM_Asset::All(), asset));
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  // A pet lost after its hungry days is fined by a game variable: the shipped ones resolve.
  static const bool loaded = [] {
    SIM_GlobalVariables::Instance().Load(fuzz::SourceDir() + "/data/config.txt");
    return true;
  }();
  (void)loaded;
  const std::string path = fuzz::WriteInput("assets.csv", data, size);
  LoadAssets(path);
  FUZZ_CHECK(SIM_Asset::Catalogue().size() == SIM_Asset::All().size());
  for (const SIM_Asset* asset : SIM_Asset::All()) {
    FUZZ_CHECK(asset->GetPictureWidth() > 0.0f && std::isfinite(asset->GetPictureWidth()));
    FUZZ_CHECK(asset->GetPictureHeight() > 0.0f && std::isfinite(asset->GetPictureHeight()));
    FUZZ_CHECK(!asset->GetFlag(-1) && !asset->GetFlag(SIM_Asset::kFlagCount));
    for (const SIM_Modifier* m : asset->GetModifiers()) FUZZ_CHECK(!m->name.empty());
  }
  // A book's own columns: a page count of 0 or more, nothing read, named skills, and a
  // progress that is a number even without pages.
  for (const SIM_Book* book : SIM_Book::All()) {
    FUZZ_CHECK(book->GetPageCount() >= 0 && book->GetPagesRead() == 0);
    FUZZ_CHECK(std::isfinite(book->GetProgress()));
    for (const SIM_Book::RequiredSkill& skill : book->GetRequiredSkills())
      FUZZ_CHECK(skill.name.size() > 1 && skill.name.size() <= 63 && skill.threshold == 1.0f);
  }
  SIM_Finances::Instance().SetCash(1000.0f);
  const std::vector<SIM_Asset*> all = SIM_Asset::All();
  for (SIM_Asset* asset : all) asset->Buy();
  CheckPlaces();
  for (int day = 0; day < 6; ++day) {
    SIM_Asset::DailyUpdateAll();
    CheckPlaces();
    CheckPets();
  }
  SIM_Asset::StealAssets();
  CheckPlaces();
  for (SIM_Asset* asset : all)
    if (asset->IsOwned()) asset->Sell();
  CheckPlaces();
  FUZZ_CHECK(SIM_Asset::Owned().empty());
  SIM_Asset::DeleteAll();
  FUZZ_CHECK(SIM_Asset::All().empty() && SIM_Asset::Catalogue().empty());
  for (const SIM_PetBase* pet : Pets) FUZZ_CHECK(pet == nullptr);
  for (int& stock : PetFoodStock) stock = 0;
  GlobalNamedValues().Clear();
  return 0;
}
