// The owned-assets panel at the left of the main screen: one clickable picture per owned
// possession, in columns of three (or of six smaller ones when more than fifteen are owned).
// A click opens the possession's details.
#pragma once

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_WindowBase.h"

class SIM_Asset;

class GUI_AssetIcon : public GUI_ButtonBase {
 public:
  GUI_AssetIcon(SIM_Asset* asset, float size);
  void Draw() override;
  SIM_Asset* GetAsset() const { return asset_; }
  float GetSize() const { return size_; }
  // The picture's height at this width, keeping the asset picture's proportions; a square
  // when the picture gives no usable width.
  static float PictureHeight(float size, float pictureWidth, float pictureHeight);

 private:
  SIM_Asset* asset_;
  float size_;
  CTexturedSprite picture_;
};

class GUI_Assets : public GUI_WindowBase {
 public:
  static constexpr float kLeft = 32, kTop = 64, kRight = 80, kBottom = 256;
  static constexpr float kLargeIcon = 46, kSmallIcon = 24;
  static constexpr int kLargePerColumn = 3, kSmallPerColumn = 6;
  // Above this many owned assets the icons shrink.
  static constexpr size_t kMaxLarge = 15;

  static GUI_Assets* Instance();
  // The icons of the owned assets, laid out afresh; the panel joins the main screen.
  static void RebuildIcons();
  // The icon of that asset, or null.
  GUI_AssetIcon* IconOf(const SIM_Asset* asset) const;
  size_t IconCount() const { return Buttons().size(); }
  ~GUI_Assets() override;

 private:
  GUI_Assets();
  static GUI_Assets* instance;
};
