// Possessions.
#include "sim/SIM_Asset.h"

#include <algorithm>

#include "engine/DebugLog.h"
#include "engine/Random.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "sim/SIM_Book.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Gift.h"
#include "sim/SIM_Gym.h"
#include "sim/SIM_LotteryTicket.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PetBase.h"
#include "sim/SIM_PetFood.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SmallTalk.h"
#include "sim/SIM_Sounds.h"
#include "sim/SIM_Statistics.h"

namespace {

constexpr int kStatAssetsSold = 11;
constexpr int kStatAssetsBought = 12;
constexpr size_t kMaxModifierText = 127;

std::vector<SIM_Asset*>& CatalogueList() {
  static std::vector<SIM_Asset*> list;
  return list;
}
std::vector<SIM_Asset*>& OwnedList() {
  static std::vector<SIM_Asset*> list;
  return list;
}
std::vector<SIM_Asset*>& AllList() {
  static std::vector<SIM_Asset*> list;
  return list;
}

void RemoveFrom(std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
  list.erase(std::remove(list.begin(), list.end(), asset), list.end());
}

bool Contains(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset) {
  return std::find(list.begin(), list.end(), asset) != list.end();
}

// Whether an asset copied from the list at `place` is in it still. Most days nothing leaves
// the list while its assets have their day, so the asset is looked for at its old place first.
bool StillListed(const std::vector<SIM_Asset*>& list, const SIM_Asset* asset, size_t place) {
  return (place < list.size() && list[place] == asset) || Contains(list, asset);
}

// A picture size of the row: a missing or non-positive one keeps the default, so nothing
// that scales by the picture's proportions divides by zero.
float PictureSize(const std::string& field, float fallback) {
  const int size = ParseIntPrefix(field.c_str());
  return size > 0 ? static_cast<float>(size) : fallback;
}

std::string WithName(std::string text, const std::string& guiName) {
  ReplaceSubstring(text, "<ASSETNAME>", guiName);
  return text;
}

}  // namespace

SIM_Asset::SIM_Asset() {
  CatalogueList().push_back(this);
  AllList().push_back(this);
}

SIM_Asset::~SIM_Asset() {
  RemoveFrom(OwnedList(), this);
  RemoveFrom(CatalogueList(), this);
  RemoveFrom(AllList(), this);
}

const std::vector<SIM_Asset*>& SIM_Asset::Catalogue() { return CatalogueList(); }
const std::vector<SIM_Asset*>& SIM_Asset::Owned() { return OwnedList(); }
const std::vector<SIM_Asset*>& SIM_Asset::All() { return AllList(); }

void SIM_Asset::Set(const std::string& name, const std::string& guiName, float price, float upkeep) {
  SetName(name);
  guiName_ = guiName;
  price_ = price;
  upkeep_ = upkeep;
}

void SIM_Asset::SetOwnershipValue(float value) const {
  SIM_NamedValueList& globals = GlobalNamedValues();
  if (SIM_NamedValue* existing = globals.Find(GetName())) {
    existing->SetValue(value);
  } else if (value != 0.0f) {
    globals.Add(new SIM_NamedValue(GetName(), guiName_, value));
  }
}

void SIM_Asset::MoveToCatalogue() {
  RemoveFrom(OwnedList(), this);
  owned_ = false;
  lapsed_ = false;
  forSale_ = true;
  if (!Contains(CatalogueList(), this)) CatalogueList().push_back(this);
}

void SIM_Asset::ParseFlags(const std::string& text) {
  static const char* const kNames[kFlagCount] = {"STEALABLE", "SELLABLE", "SERVICE", "REBUYABLE",
                                                  "MEANSOFTRANSPORT"};
  // Table order of the flags differs from their numbering: match each part by its name.
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(',', start);
    if (end == std::string::npos) end = text.size();
    const std::string part = text.substr(start, end - start);
    for (int i = 0; i < kFlagCount; ++i)
      if (part == kNames[i]) flags_[i] = true;
    start = end + 1;
  }
}

void SIM_Asset::ParseLine(const std::string& line) {
  StringTokenizer tokens;
  tokens.SetText(line);
  tokens.NextToken();  // the '#' marker
  tokens.NextToken();  // the type token, already used by the factory
  SetName(TrimField(tokens.NextString()));
  guiName_ = TrimField(tokens.NextString());
  category_ = TrimField(tokens.NextString());
  description_ = TrimField(tokens.NextString());
  picture_ = TrimField(tokens.NextString());
  pictureWidth_ = PictureSize(tokens.NextString(), pictureWidth_);
  pictureHeight_ = PictureSize(tokens.NextString(), pictureHeight_);
  const std::string sound = TrimField(tokens.NextString());
  sound_ = sound.empty() ? std::string() : "data/sounds/" + sound;
  price_ = tokens.NextFloat();
  upkeep_ = tokens.NextFloat();
  ParseFlags(TrimField(tokens.NextString()));
  useActivity_ = TrimField(tokens.NextString());
  tokens.NextToken();  // unused
  ReadOwnColumns(tokens);
  OnLoaded();
  while (!tokens.AtEnd()) {
    std::string field = TrimField(tokens.NextString());
    if (!field.empty() && field[0] == '#') break;
    if (field.size() > kMaxModifierText) field.resize(kMaxModifierText);
    AddModifier(field);
  }
}

void SIM_Asset::Buy() {
  RemoveFrom(CatalogueList(), this);
  if (!Contains(OwnedList(), this)) OwnedList().push_back(this);
  owned_ = true;
  forSale_ = false;
  lapsed_ = false;
  SIM_Finances::Instance().Spend(price_);
  SetOwnershipValue(1.0f);
  if (GetName() == "cat") SIM_SmallTalk::AddNews("SMALLTALK_NEWCAT", 4);
  if (!sound_.empty()) SIM_Sounds::PlaySound(sound_);
  SIM_Statistics::Instance().AddInt(1, kStatAssetsBought);
  TraceEvent("bought asset: " + GetName());
  Screens().RebuildAssetIcons();
}

void SIM_Asset::Sell() {
  owned_ = false;
  lapsed_ = false;
  RemoveFrom(OwnedList(), this);
  if (IsRebuyable()) {
    if (!Contains(CatalogueList(), this)) CatalogueList().push_back(this);
    forSale_ = true;
  } else {
    forSale_ = false;
  }
  SIM_Finances::Instance().Earn(price_ * 0.5f);
  if (SIM_NamedValue* value = GlobalNamedValues().Find(GetName())) value->SetValue(0.0f);
  if (price_ > 0.0f) {
    SIM_Sounds::PlaySound("data/sounds/cash.ogg");
    SIM_Statistics::Instance().AddInt(1, kStatAssetsSold);
    Screens().RebuildAssetIcons();
    TraceEvent("sold asset: " + GetName());
  }
}

void SIM_Asset::OnSelect() { Screens().OpenAssetDetails(this); }

void SIM_Asset::DailyUpdate() {
  if (!owned_) return;
  ApplyModifiers(GetModifierScale());
  SIM_Finances& finances = SIM_Finances::Instance();
  if (upkeep_ <= finances.GetCash()) {
    finances.Spend(upkeep_);
  } else if (upkeep_ > 0.0f) {
    OnUpkeepUnpaid();
  }
}

void SIM_Asset::OnUpkeepUnpaid() {
  lapsed_ = true;
  if (SIM_NamedValue* value = GlobalNamedValues().Find(GetName())) value->SetValue(0.0f);
  if (GetFlag(SERVICE)) {
    Screens().ShowTextureMessage(
        picture_, WithName(Translate("ASSET_INSUFFICIENTUPKEEP_TEXT"), guiName_),
        Translate("ASSET_INSUFFICIENTUPKEEP_TITLE"));
  }
  if (GetFlag(MEANSOFTRANSPORT)) {
    SIM_Finances::Instance().Earn(price_ * 0.5f);
    Screens().ShowTextureMessage(
        picture_,
        WithName(Translate("TRANSPORT_INSUFFICIENTUPKEEP_TEXT"), guiName_),
        Translate("TRANSPORT_INSUFFICIENTUPKEEP_TITLE"));
  }
}

SIM_Asset* SIM_Asset::CreateAsset(const std::string& type) {
  // The kinds with behaviour of their own.
  if (SIM_Asset* pet = SIM_PetBase::Create(type)) return pet;
  if (SIM_Asset* food = SIM_PetFood::Create(type)) return food;
  if (type == "sim_book") return SIM_Book::Create();
  if (type == "sim_gift") return SIM_Gift::Create();
  if (type == "sim_gym") return SIM_Gym::Create();
  if (type == "sim_lottery") return SIM_LotteryTicket::Create();
  return new SIM_Asset();
}

void SIM_Asset::DeleteAll() {
  // Every asset, not only the catalogue and the owned ones: a sold asset that cannot be
  // bought again is in neither list, and left behind it would be found by name after the
  // next load in place of the fresh one.
  while (!AllList().empty()) delete AllList().back();
  CatalogueList().clear();
  OwnedList().clear();
}

void SIM_Asset::DailyUpdateAll() {
  // Copies: an asset's day may take another asset (or itself) out of its list.
  const std::vector<SIM_Asset*> catalogue = CatalogueList();
  for (size_t i = 0; i < catalogue.size(); ++i)
    if (StillListed(CatalogueList(), catalogue[i], i)) catalogue[i]->DailyUpdate();
  const std::vector<SIM_Asset*> owned = OwnedList();
  for (size_t i = 0; i < owned.size(); ++i)
    if (StillListed(OwnedList(), owned[i], i)) owned[i]->DailyUpdate();
  while (ReturnLapsed()) {
  }
}

bool SIM_Asset::ReturnLapsed() {
  for (SIM_Asset* asset : OwnedList()) {
    if (!asset->lapsed_) continue;
    asset->MoveToCatalogue();
    Screens().RebuildAssetIcons();
    return true;
  }
  return false;
}

void SIM_Asset::RestoreOwned(SIM_Asset* asset) {
  if (!asset) return;
  asset->SetOwnershipValue(1.0f);
  RemoveFrom(CatalogueList(), asset);
  if (!Contains(OwnedList(), asset)) OwnedList().push_back(asset);
  asset->owned_ = true;
  asset->forSale_ = false;
  asset->lapsed_ = false;
}

void SIM_Asset::RestoreWithdrawn(SIM_Asset* asset) {
  if (!asset || asset->owned_) return;
  RemoveFrom(CatalogueList(), asset);
  asset->forSale_ = false;
}

void SIM_Asset::RestoreCatalogueOrder(const std::vector<std::string>& names) {
  std::vector<SIM_Asset*> ordered;
  for (const std::string& name : names)
    for (SIM_Asset* asset : CatalogueList())
      if (asset->GetName() == name && !Contains(ordered, asset)) {
        ordered.push_back(asset);
        break;
      }
  for (SIM_Asset* asset : CatalogueList())
    if (!Contains(ordered, asset)) ordered.push_back(asset);
  CatalogueList() = std::move(ordered);
}

void SIM_Asset::StealAssets() {
  int stealable = 0;
  for (const SIM_Asset* asset : OwnedList())
    if (asset->GetFlag(STEALABLE)) ++stealable;
  if (stealable == 0) return;
  const int thefts = std::max(1, stealable / 2);
  for (int i = 0; i < thefts; ++i) {
    // A pick that cannot be stolen is drawn again; at least one stealable asset remains,
    // since fewer are taken than there were.
    SIM_Asset* asset = nullptr;
    do {
      asset = OwnedList()[static_cast<size_t>(RandomBelow(static_cast<int>(OwnedList().size())))];
    } while (!asset->GetFlag(STEALABLE));
    if (SIM_NamedValue* value = GlobalNamedValues().Find(asset->GetName())) value->SetValue(0.0f);
    asset->MoveToCatalogue();
    Screens().RebuildAssetIcons();
  }
}

SIM_Asset* SIM_Asset::FindByName(const std::string& name) {
  for (SIM_Asset* asset : AllList())
    if (asset->GetName() == name) return asset;
  return nullptr;
}

SIM_Asset* SIM_Asset::FindOwnedByName(const std::string& name) {
  for (SIM_Asset* asset : OwnedList())
    if (asset->GetName() == name) return asset;
  return nullptr;
}

void LoadAssets(const std::string& path) {
  SIM_Asset::DeleteAll();
  if (!FileExists(plat::NormalizeSlashes(path)))
    FatalError("Assets file not found", "SIM_Asset", 41);
  const auto table = LoadSpreadsheet(path);
  for (const std::string& line : *table) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextToken();
    const std::string type = TrimField(tokens.NextString());
    SIM_Asset* asset = SIM_Asset::CreateAsset(type);
    asset->ParseLine(line);
  }
}
