// The shop's rules, shared by the shop window and a run without screens: what each of its
// four tabs offers and what buying does. Browsing costs nothing; the "shopping" activity that
// opens the shop has already used its slot.
#pragma once

#include <string>
#include <vector>

class SIM_Asset;

class SIM_Shop {
 public:
  static constexpr int kTabs = 4;
  static constexpr int kGeneralTab = 0, kMusicTab = 1, kPetsTab = 2, kBooksTab = 3;

  // The asset category each tab sells ("general", "music", "pets", "books"); empty out of range.
  static const char* TabCategory(int tab);
  // The tab's label key ("SHOP_GENERAL", ...).
  static const char* TabLabelKey(int tab);
  // The catalogue's assets (in its order) that can be bought again and belong exactly to the
  // category.
  static std::vector<SIM_Asset*> Offered(const std::string& category);
  // The player's cash covers the price.
  static bool CanAfford(const SIM_Asset& asset);
  // The asset's own purchase, then the till's sound.
  static void Buy(SIM_Asset* asset);
  // "£ p.pp", with a running cost "£ p.pp + (£ u.uu/<DAY>)" (Windows-1252 pound sign).
  static std::string PriceText(const SIM_Asset& asset);
};

// The hook "shopping": opens the shop.
void HookShopping();
