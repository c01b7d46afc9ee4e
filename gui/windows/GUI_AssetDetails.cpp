// The asset details window.
#include "gui/windows/GUI_AssetDetails.h"

#include <algorithm>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_Services.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WebTV.h"
#include "sim/SIM_Asset.h"
#include "sim/SIM_SIM.h"

GUI_AssetDetails* GUI_AssetDetails::instance = nullptr;

namespace {

void OnSell(void* window) { static_cast<GUI_AssetDetails*>(window)->Sell(); }
void OnUse(void* window) { static_cast<GUI_AssetDetails*>(window)->Use(); }

bool InActivities() { return SIM_SIM::Instance().GetPhase() == PHASE_ACTIVITIES; }

// The asset still exists and is still the player's: a new game or a load rebuilds every
// asset, and a theft or a lapse takes one away while its window may be open.
bool StillOwned(const SIM_Asset* asset) {
  const std::vector<SIM_Asset*>& all = SIM_Asset::All();
  return std::find(all.begin(), all.end(), asset) != all.end() && asset->IsOwned();
}

}  // namespace

void GUI_AssetDetails::Open(SIM_Asset* asset) {
  ReportAssertion(asset != nullptr, "GUI_SellAsset", 72);
  if (!asset) return;
  Close();
  new GUI_AssetDetails(asset);
}

void GUI_AssetDetails::Close() { delete instance; }

GUI_AssetDetails::GUI_AssetDetails(SIM_Asset* asset) : GUI_Dialog(true), asset_(asset) {
  instance = this;
  SetSize(kWidth, kHeight);
  CentreOnScreen();
  UpdateClientRect();
  SetTitle(asset->GetGuiName());
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  const bool service = asset->GetFlag(SIM_Asset::SERVICE);
  if (service || asset->GetFlag(SIM_Asset::SELLABLE)) {
    sell_ = new GUI_ButtonText(Translate(service ? "CANCEL_SERVICE" : "SELL_ASSET"), OnSell, this);
    sell_->SetTooltipKey(service ? "TOOLTIP_CANCEL_SERVICE" : "TOOLTIP_SELL_ASSET", 60);
    sell_->SetRect(cl + 140, cb - 35, cr - 20, cb - 10);
    AddButton(sell_);
  }
  if (!asset->GetUseActivity().empty()) {
    use_ = new GUI_ButtonText(Translate("USE_ASSET"), OnUse, this);
    use_->SetTooltipKey("TOOLTIP_USE_ASSET", 60);
    use_->SetRect(cl + 10, cb - 35, cl + 130, cb - 10);
    AddButton(use_);
  }
  picture_.SetTextureString(asset->GetPicture());
  picture_.width = kPictureWidth;
  // The picture's proportions; a size the table left out gives a square.
  const float w = asset->GetPictureWidth(), h = asset->GetPictureHeight();
  picture_.height = w > 0.0f && h > 0.0f ? kPictureWidth * h / w : kPictureWidth;
  GUI_WindowBase::Open();
}

GUI_AssetDetails::~GUI_AssetDetails() {
  if (instance == this) instance = nullptr;
}

void GUI_AssetDetails::Sell() {
  // Sold once: an asset that has already gone earns nothing more.
  if (StillOwned(asset_)) asset_->Sell();
  delete this;  // the memory waits for the end of the click
}

void GUI_AssetDetails::Use() {
  if (!StillOwned(asset_)) {
    delete this;
    return;
  }
  if (asset_->GetName() == "cabletv") {
    SIM_SIM::Instance().EndAct();
    GUI_WatchTV::Open();
    delete this;
    return;
  }
  if (asset_->GetUseActivity().empty() || !InActivities()) return;
  const std::string activity = asset_->GetUseActivity();
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser::SelectByName(activity.c_str());
  delete this;
}

std::string GUI_AssetDetails::ValueText() const {
  if (asset_->GetFlag(SIM_Asset::SERVICE))
    return std::string(Translate("DAILY_COST")) + " : \xA3" + FormatFixed(asset_->GetUpkeep(), 2);
  if (asset_->GetFlag(SIM_Asset::SELLABLE))
    return std::string(Translate("SECOND_HAND_VALUE")) + " : \xA3" +
           FormatFixed(asset_->GetPrice() * 0.5f, 2);
  return {};
}

void GUI_AssetDetails::Draw() {
  if (!visible) return;
  if (!StillOwned(asset_)) {
    delete this;
    return;
  }
  if (use_) {
    use_->SetEnabled(InActivities());
    use_->SetDisabledReason(Translate(SIM_SIM::Instance().GetPhase() == PHASE_DAYOVER
                                          ? "WHY_NO_ACTIVITY_LEFT"
                                          : "WHY_NOT_YET"));
  }
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right);
  picture_.SetColourARGB(0xFFFFFFFFu);
  picture_.SetPosition(cl + 55, ct + 55);
  picture_.Draw();
  picture_.DrawOutline(0xFFFFFFFFu);
  const float p = cl + 55 + kPictureWidth / 2.0f;
  GUI_Services::QueueText(p + 10, ct + 10, asset_->GetDescription(), "tahoma", 18,
                          static_cast<int>(cr - p - 20), 0, 255, 255, 255);
  const std::string value = ValueText();
  if (!value.empty())
    GUI_Services::QueueText(p + 10, ct + 60, value, "tahoma", 18, 0, 0, 255, 255, 255);
  GUI_Services::FlushText();
}
