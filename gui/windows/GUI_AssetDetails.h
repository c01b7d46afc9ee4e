// The details of an owned possession: its picture, description and running cost or resale
// value, with a button to sell it (or cancel a service) and one to use it, which turns the
// solo activity chooser to the possession's activity.
#pragma once

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class SIM_Asset;

class GUI_AssetDetails : public GUI_Dialog {
 public:
  static constexpr float kWidth = 400, kHeight = 200, kPictureWidth = 85;

  // Replaces an open details window with one for that asset (nothing for none).
  static void Open(SIM_Asset* asset);
  static void Close();
  static GUI_AssetDetails* Instance() { return instance; }

  ~GUI_AssetDetails() override;
  void Draw() override;

  // Sells the asset (or cancels the service) and closes.
  void Sell();
  // Turns the solo chooser to the asset's activity (in the activities part of the day only).
  void Use();
  SIM_Asset* GetAsset() const { return asset_; }
  GUI_ButtonText* SellButton() const { return sell_; }
  GUI_ButtonText* UseButton() const { return use_; }
  // The running cost of a service or the resale value of a sellable asset; empty otherwise.
  std::string ValueText() const;

 private:
  explicit GUI_AssetDetails(SIM_Asset* asset);

  static GUI_AssetDetails* instance;
  SIM_Asset* asset_;
  GUI_ButtonText* sell_ = nullptr;
  GUI_ButtonText* use_ = nullptr;
  CTexturedSprite picture_;
};
