// The shop.
#include "sim/SIM_Shop.h"

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Sounds.h"

namespace {

constexpr const char* kCategories[SIM_Shop::kTabs] = {"general", "music", "pets", "books"};
constexpr const char* kLabels[SIM_Shop::kTabs] = {"SHOP_GENERAL", "SHOP_MUSIC", "SHOP_PETS",
                                                  "SHOP_BOOKS"};

}  // namespace

const char* SIM_Shop::TabCategory(int tab) {
  return tab >= 0 && tab < kTabs ? kCategories[tab] : "";
}

const char* SIM_Shop::TabLabelKey(int tab) { return tab >= 0 && tab < kTabs ? kLabels[tab] : ""; }

std::vector<SIM_Asset*> SIM_Shop::Offered(const std::string& category) {
  std::vector<SIM_Asset*> offered;
  for (SIM_Asset* asset : SIM_Asset::Catalogue())
    if (asset->IsRebuyable() && asset->GetCategory() == category) offered.push_back(asset);
  return offered;
}

bool SIM_Shop::CanAfford(const SIM_Asset& asset) {
  return asset.GetPrice() <= SIM_Finances::Instance().GetCash();
}

void SIM_Shop::Buy(SIM_Asset* asset) {
  if (!asset) return;
  asset->Buy();
  SIM_Sounds::PlaySound("data/sounds/cash.ogg");
}

std::string SIM_Shop::PriceText(const SIM_Asset& asset) {
  std::string text = "\xA3 " + FormatFixed(asset.GetPrice(), 2);
  if (asset.GetUpkeep() > 0.0f)
    text += " + (\xA3 " + FormatFixed(asset.GetUpkeep(), 2) + "/" + Translate("DAY") + ")";
  return text;
}

void HookShopping() { Screens().OpenShopping(); }
