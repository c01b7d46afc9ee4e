// The shop window.
#include "gui/windows/GUI_Shopping.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_ButtonTab.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TabContainer.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_Shop.h"

GUI_Shopping* GUI_Shopping::instance = nullptr;

namespace {

float F(int v) { return static_cast<float>(v); }

void OnBuy(void* asset) { GUI_Shopping::BuyAsset(static_cast<SIM_Asset*>(asset)); }
void OnNext(void* page) { static_cast<GUI_StoreTab*>(page)->NextPage(); }
void OnPrevious(void* page) { static_cast<GUI_StoreTab*>(page)->PreviousPage(); }

}  // namespace

// ---- a row ----

GUI_AssetWindow::GUI_AssetWindow(SIM_Asset* asset) : asset_(asset) {
  ReportAssertion(asset != nullptr, "HOOK_shopping", 24);
  buy_ = new GUI_ButtonText(Translate("HOOK_PURCHASE"), OnBuy, asset);
  buy_->SetTooltipKey("HOOK_SHOPPING_TOOLTIP", 60);
  buy_->SetDisabledReason(Translate("WHY_NOT_ENOUGH_MONEY"));
  AddButton(buy_);
  if (!asset) return;
  price_ = SIM_Shop::PriceText(*asset);
  picture_.SetTextureString(asset->GetPicture());
  picture_.height = kPictureHeight;
  // The table keeps both sizes positive, so the proportion never divides by zero.
  const float w = asset->GetPictureWidth(), h = asset->GetPictureHeight();
  picture_.width = w > 0.0f && h > 0.0f ? kPictureHeight * w / h : kPictureHeight;
}

void GUI_AssetWindow::Draw() {
  if (!visible) return;
  const float l = F(rect.left), t = F(rect.top), r = F(rect.right), b = F(rect.bottom);
  buy_->SetRect(r - 110, b - 20, r, b);
  buy_->SetEnabled(asset_ && SIM_Shop::CanAfford(*asset_));
  GUI_WindowBase::Draw();
  if (!asset_) return;
  picture_.SetColourARGB(0xFFFFFFFFu);
  picture_.SetPosition(l + 25, (t + b) / 2.0f);
  picture_.Draw();
  const float x = l + 25 + picture_.width / 2.0f + 10;
  const int wrap = static_cast<int>((r - 10) - x);
  GUI_Services::QueueText(x, t, asset_->GetGuiName(), "tahoma bold ", 22, 0, 0, 255, 255, 255);
  GUI_Services::QueueText(x, t + 20, asset_->GetDescription(), "tahoma", 16, wrap, 0, 255, 255,
                          255);
  GUI_Services::QueueText(x, t, price_, "tahoma bold", 20, wrap, 2, 255, 255, 255);
}

// ---- a page ----

GUI_StoreTab::GUI_StoreTab(const std::string& category) : category_(category) {
  left_ = new GUI_IconButton("left.dds", OnPrevious, this);
  left_->SetHighlightTexture("left_h.dds");
  AddButton(left_);
  right_ = new GUI_IconButton("right.dds", OnNext, this);
  right_->SetHighlightTexture("right_h.dds");
  AddButton(right_);
  Refresh();
}

void GUI_StoreTab::Refresh() { offered_ = SIM_Shop::Offered(category_); }

void GUI_StoreTab::BuildPage() {
  DeleteChildren();
  const float l = F(rect.left), t = F(rect.top), r = F(rect.right);
  const size_t first = static_cast<size_t>(page_) * kRowsPerPage;
  for (size_t i = first; i < offered_.size() && i < first + kRowsPerPage; ++i) {
    const float row = static_cast<float>(i - first);
    auto* window = new GUI_AssetWindow(offered_[i]);
    window->SetRect(l + 10, t + 10 + 65 * row, r - 10, t + 70 + 65 * row);
    AddChild(window);
  }
}

void GUI_StoreTab::Select() {
  GUI_WindowTab::Select();
  Refresh();
  BuildPage();
}

void GUI_StoreTab::NextPage() {
  if (offered_.size() <= static_cast<size_t>(page_ + 1) * kRowsPerPage) return;
  ++page_;
  BuildPage();
}

void GUI_StoreTab::PreviousPage() {
  if (page_ < 1) return;
  --page_;
  BuildPage();
}

std::vector<GUI_AssetWindow*> GUI_StoreTab::Rows() const {
  std::vector<GUI_AssetWindow*> rows;
  for (GUI_WindowBase* child : children)
    if (auto* row = dynamic_cast<GUI_AssetWindow*>(child)) rows.push_back(row);
  return rows;
}

void GUI_StoreTab::Draw() {
  if (!IsSelected()) return;
  const float l = F(rect.left), r = F(rect.right), b = F(rect.bottom);
  right_->SetEnabled(offered_.size() > static_cast<size_t>(page_ + 1) * kRowsPerPage);
  left_->SetEnabled(page_ >= 1);
  // The arrows sit in the window's bottom margin, below the page.
  left_->SetRect(l + 25, b, l + 65, b + 30);
  right_->SetRect(r - 65, b, r - 25, b + 30);
  GUI_WindowTab::Draw();
  DrawChildren();
}

// ---- the window ----

void GUI_Shopping::Open() {
  Close();
  new GUI_Shopping();
}

void GUI_Shopping::Close() { delete instance; }

void GUI_Shopping::SelectTab(int tab) {
  if (!instance || tab < 0 || tab >= SIM_Shop::kTabs) return;
  instance->Page(tab)->Select();
}

GUI_Shopping::GUI_Shopping() : GUI_Dialog(true) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  topMargin = 58;
  bottomMargin = 40;
  UpdateClientRect();
  GUI_WindowBase::Open();
  MakeModal();
  SetTitle(Translate("SHOPPING_TITLE"));
  const float cl = F(clientRect.left), ct = F(clientRect.top);
  tabs_ = new GUI_TabContainer();
  tabs_->SetRect(cl, ct, F(clientRect.right), F(clientRect.bottom));
  for (int i = 0; i < SIM_Shop::kTabs; ++i) {
    auto* page = new GUI_StoreTab(SIM_Shop::TabCategory(i));
    tabs_->AddTab(page);
    pages_.push_back(page);
  }
  for (int i = 0; i < SIM_Shop::kTabs; ++i) {
    auto* button = new GUI_ButtonTab(Translate(SIM_Shop::TabLabelKey(i)), pages_[static_cast<size_t>(i)]);
    const float x = cl + 5 + 110.0f * static_cast<float>(i);
    button->SetRect(x, ct - 23, x + 110, ct + 3);
    AddButton(button);
    tabButtons_.push_back(button);
  }
  pages_[0]->Select();
}

GUI_Shopping::~GUI_Shopping() {
  if (instance == this) instance = nullptr;
  delete tabs_;
}

GUI_StoreTab* GUI_Shopping::SelectedPage() const {
  for (GUI_StoreTab* page : pages_)
    if (page->IsSelected()) return page;
  return nullptr;
}

void GUI_Shopping::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  tabs_->Draw();
  GUI_Services::FlushText();
}

void GUI_Shopping::Update() {
  if (!visible) return;
  GUI_WindowManager::DispatchGuard guard;
  // The pages belong to the tab container, not to this window: the shown page's rows are
  // updated here, or their buttons would never hover nor show their tooltips.
  if (GUI_WindowTab* page = tabs_->SelectedPage()) page->Update();
  GUI_Dialog::Update();
}

bool GUI_Shopping::OnClick(float x, float y) {
  if (!visible) return false;
  GUI_WindowManager::DispatchGuard guard;
  if (tabs_->OnClick(x, y)) return true;
  return GUI_Dialog::OnClick(x, y);
}

void GUI_Shopping::BuyAsset(SIM_Asset* asset) {
  // Bought once: a row left from before the pages were rebuilt sells nothing twice.
  if (!asset || asset->IsOwned()) return;
  SIM_Shop::Buy(asset);
  GUI_Assets::RebuildIcons();
  if (instance) instance->RefreshPages();
}

void GUI_Shopping::RefreshPages() {
  for (GUI_StoreTab* page : pages_) {
    page->Refresh();
    page->BuildPage();
  }
}
