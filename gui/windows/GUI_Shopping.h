// The shop: four tabbed pages (general, music, pets, books), each listing what the shop
// offers in its category five rows to a page, with arrows to page on. A row shows the
// possession's picture, name, description and price, and a Buy button while the cash covers
// the price. Buying goes through the asset's own purchase; the pages are then rebuilt, so
// what is no longer offered leaves at once. Modal; browsing costs no slot.
#pragma once

#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_WindowTab.h"

class GUI_ButtonTab;
class GUI_ButtonText;
class GUI_IconButton;
class GUI_TabContainer;
class SIM_Asset;

// One row of a store page.
class GUI_AssetWindow : public GUI_WindowBase {
 public:
  static constexpr float kPictureHeight = 50;

  explicit GUI_AssetWindow(SIM_Asset* asset);
  ~GUI_AssetWindow() override = default;
  void Draw() override;

  SIM_Asset* GetAsset() const { return asset_; }
  GUI_ButtonText* BuyButton() const { return buy_; }
  const std::string& GetPriceText() const { return price_; }
  float GetPictureWidth() const { return picture_.width; }

 private:
  SIM_Asset* asset_;
  GUI_ButtonText* buy_ = nullptr;
  std::string price_;
  CTexturedSprite picture_;
};

// One tab's page.
class GUI_StoreTab : public GUI_WindowTab {
 public:
  static constexpr int kRowsPerPage = 5;

  explicit GUI_StoreTab(const std::string& category);
  void Draw() override;
  void Select() override;

  // The offered assets afresh from the catalogue.
  void Refresh();
  // The rows of the current page.
  void BuildPage();
  void NextPage();
  void PreviousPage();

  const std::string& GetCategory() const { return category_; }
  int GetPage() const { return page_; }
  const std::vector<SIM_Asset*>& Offered() const { return offered_; }
  GUI_IconButton* LeftArrow() const { return left_; }
  GUI_IconButton* RightArrow() const { return right_; }
  // The rows shown now.
  std::vector<GUI_AssetWindow*> Rows() const;

 private:
  std::string category_;
  int page_ = 0;
  std::vector<SIM_Asset*> offered_;
  GUI_IconButton* left_ = nullptr;
  GUI_IconButton* right_ = nullptr;
};

class GUI_Shopping : public GUI_Dialog {
 public:
  static constexpr float kWidth = 500, kHeight = 435;

  static void Open();
  static void Close();
  // Turns the open shop to a tab (0 general, 1 music, 2 pets, 3 books); nothing when closed.
  static void SelectTab(int tab);
  static GUI_Shopping* Instance() { return instance; }

  ~GUI_Shopping() override;
  void Draw() override;
  void Update() override;
  bool OnClick(float x, float y) override;

  // Buys the asset of a row and rebuilds every page (each keeps its page number).
  static void BuyAsset(SIM_Asset* asset);
  void RefreshPages();

  GUI_StoreTab* Page(int tab) const { return pages_.at(static_cast<size_t>(tab)); }
  GUI_ButtonTab* TabButton(int tab) const { return tabButtons_.at(static_cast<size_t>(tab)); }
  GUI_StoreTab* SelectedPage() const;

 private:
  GUI_Shopping();

  static GUI_Shopping* instance;
  GUI_TabContainer* tabs_ = nullptr;
  std::vector<GUI_StoreTab*> pages_;
  std::vector<GUI_ButtonTab*> tabButtons_;
};
