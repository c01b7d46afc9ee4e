// Possessions: things the player can own, services with a running cost, and means of
// transport. The catalogue comes from "data/simulation/assets.csv". Owning an asset applies
// its modifiers every day, costs its daily upkeep and sets the global value of its name, which
// the commute, crime, dirt and activity prerequisites read.
//
// Every asset sits in the list of all assets and in at most one of two others: the catalogue
// (for sale) and the owned list. A sold asset that cannot be bought again is in neither.
#pragma once

#include <string>
#include <vector>

#include "sim/SIM_ModifierContainer.h"

class StringTokenizer;

class SIM_Asset : public SIM_ModifierContainer {
 public:
  enum Flag { STEALABLE = 0, SELLABLE = 1, SERVICE = 2, REBUYABLE = 3, MEANSOFTRANSPORT = 4 };
  static constexpr int kFlagCount = 5;

  SIM_Asset();
  ~SIM_Asset() override;

  virtual void Buy();
  virtual void Sell();
  // The player picked the owned asset: its details window.
  virtual void OnSelect();
  // Reads one table row (the whole line, '#' marker field first).
  virtual void ParseLine(const std::string& line);
  virtual void OnLoaded() {}
  // A kind with columns of its own reads them here, right after the base columns and before
  // the modifier list (books: pages, use verb, required skills).
  virtual void ReadOwnColumns(StringTokenizer& /*row*/) {}
  virtual void DailyUpdate();
  virtual void OnUpkeepUnpaid();
  virtual bool IsRebuyable() const { return GetFlag(REBUYABLE); }
  virtual float GetModifierScale() const { return 1.0f; }

  // Sets the flags named in text (parts separated by ','; unknown parts are ignored).
  void ParseFlags(const std::string& text);
  bool GetFlag(int i) const { return i >= 0 && i < kFlagCount && flags_[i]; }
  void SetFlag(int i, bool on) {
    if (i >= 0 && i < kFlagCount) flags_[i] = on;
  }

  const std::string& GetGuiName() const { return guiName_; }
  const std::string& GetCategory() const { return category_; }
  const std::string& GetDescription() const { return description_; }
  const std::string& GetPicture() const { return picture_; }
  // "data/sounds/<file>", or empty.
  const std::string& GetSound() const { return sound_; }
  float GetPrice() const { return price_; }
  float GetUpkeep() const { return upkeep_; }
  const std::string& GetUseActivity() const { return useActivity_; }
  // The picture's proportions (64 x 64 unless the row gives them).
  float GetPictureWidth() const { return pictureWidth_; }
  float GetPictureHeight() const { return pictureHeight_; }
  bool IsOwned() const { return owned_; }
  bool IsForSale() const { return forSale_; }
  bool IsLapsed() const { return lapsed_; }

  // The picture's proportions a kind starts with (the row's sizes, when positive, win).
  void SetPictureSize(float width, float height) {
    pictureWidth_ = width;
    pictureHeight_ = height;
  }
  // For building assets in tests and the headless player's tables.
  void Set(const std::string& name, const std::string& guiName, float price, float upkeep);

  // The catalogue, the owned assets and every asset.
  static const std::vector<SIM_Asset*>& Catalogue();
  static const std::vector<SIM_Asset*>& Owned();
  static const std::vector<SIM_Asset*>& All();

  // A new asset of the table's type token: a pet or pet food of its species, else a plain
  // asset.
  static SIM_Asset* CreateAsset(const std::string& type);
  // Deletes every asset, sold ones included.
  static void DeleteAll();
  // Every catalogue asset's day (nothing unless owned), every owned asset's, then the lapsed
  // ones go back to the catalogue.
  static void DailyUpdateAll();
  // Returns the first lapsed owned asset to the catalogue; false when there is none.
  static bool ReturnLapsed();
  // A saved owned asset: its global value is set and it moves to the owned list.
  static void RestoreOwned(SIM_Asset* asset);
  // A saved asset that was sold and cannot be bought again leaves the catalogue.
  static void RestoreWithdrawn(SIM_Asset* asset);
  // Puts the catalogue in the order of the names given (assets not named keep their order
  // after them).
  static void RestoreCatalogueOrder(const std::vector<std::string>& names);
  // A burglary: half the stealable owned assets (at least one) go, picked at random.
  static void StealAssets();
  static SIM_Asset* FindByName(const std::string& name);
  static SIM_Asset* FindOwnedByName(const std::string& name);

 private:
  void SetOwnershipValue(float value) const;
  void MoveToCatalogue();

  bool flags_[kFlagCount] = {};
  std::string description_;
  std::string sound_;
  float upkeep_ = 0.0f;
  std::string picture_;
  std::string guiName_;
  std::string category_;
  std::string useActivity_;
  bool lapsed_ = false;
  bool owned_ = false;
  bool forSale_ = true;
  float price_ = 0.0f;
  float pictureWidth_ = 64.0f;
  float pictureHeight_ = 64.0f;
};

// Reads the asset catalogue (start-up, new game, load). A missing file is a fatal stop.
void LoadAssets(const std::string& path = "data/simulation/assets.csv");
