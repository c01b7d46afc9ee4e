// The owned-assets panel.
#include "gui/GUI_Assets.h"

#include "engine/DebugLog.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Asset.h"

namespace {

void OnIcon(void* asset) { static_cast<SIM_Asset*>(asset)->OnSelect(); }

}  // namespace

GUI_AssetIcon::GUI_AssetIcon(SIM_Asset* asset, float size)
    : GUI_ButtonBase(OnIcon, asset), asset_(asset), size_(size) {
  ReportAssertion(asset != nullptr, "GUI_Assets", 11);
  picture_.SetTextureString(asset->GetPicture());
  picture_.width = size;
  picture_.height = PictureHeight(size, asset->GetPictureWidth(), asset->GetPictureHeight());
  SetTooltip(asset->GetGuiName().c_str(), 30);
}

float GUI_AssetIcon::PictureHeight(float size, float pictureWidth, float pictureHeight) {
  if (pictureWidth <= 0.0f || pictureHeight <= 0.0f) return size;
  return size * pictureHeight / pictureWidth;
}

void GUI_AssetIcon::Draw() {
  const bool over = HitTest(GUI_Services::MouseX(), GUI_Services::MouseY());
  const int shade = over ? 255 : 210;
  picture_.SetColour(shade, shade, shade, 255);
  picture_.SetPosition(static_cast<float>(rect.left + rect.right) / 2.0f,
                       static_cast<float>(rect.top + rect.bottom) / 2.0f);
  picture_.Draw();
  if (over) picture_.DrawOutline(0xFFFFFFFFu);
  GUI_ButtonBase::Draw();
}

GUI_Assets* GUI_Assets::instance = nullptr;

GUI_Assets* GUI_Assets::Instance() {
  // A new game only lays the icons out again; the panel is made when none is left.
  if (!instance) instance = new GUI_Assets();
  return instance;
}

GUI_Assets::~GUI_Assets() {
  if (instance == this) instance = nullptr;
}

GUI_Assets::GUI_Assets() {
  SetRect(kLeft, kTop, kRight, kBottom);
  SetCloseOnNewGame(false);
  // Clicks between the icons fall through to the room.
  SetBlocksMouse(false);
}

void GUI_Assets::RebuildIcons() {
  GUI_Assets* panel = Instance();
  panel->ClearButtons();
  const std::vector<SIM_Asset*>& owned = SIM_Asset::Owned();
  const bool small = owned.size() > kMaxLarge;
  const float size = small ? kSmallIcon : kLargeIcon;
  const int perColumn = small ? kSmallPerColumn : kLargePerColumn;
  for (size_t i = 0; i < owned.size(); ++i) {
    const auto column = static_cast<float>(static_cast<int>(i) / perColumn);
    const auto row = static_cast<float>(static_cast<int>(i) % perColumn);
    auto* icon = new GUI_AssetIcon(owned[i], size);
    const float left = kLeft + column * 1.35f * size;
    const float top = kTop + row * 1.2f * size;
    icon->SetRect(left, top, left + size, top + 1.35f * size);
    panel->AddButton(icon);
  }
  panel->Open();
}

GUI_AssetIcon* GUI_Assets::IconOf(const SIM_Asset* asset) const {
  for (GUI_ButtonBase* button : Buttons())
    if (auto* icon = dynamic_cast<GUI_AssetIcon*>(button); icon && icon->GetAsset() == asset)
      return icon;
  return nullptr;
}
