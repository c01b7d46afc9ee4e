// The web-surfing and TV windows.
#include "gui/windows/GUI_WebTV.h"

#include "engine/CTexturedSprite.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_WebTV.h"

GUI_SurfWeb* GUI_SurfWeb::instance = nullptr;
GUI_WatchTV* GUI_WatchTV::instance = nullptr;

namespace {

// The button of each kind that last played the hover sound.
GUI_EntryButton* g_lastHoveredSite = nullptr;
GUI_EntryButton* g_lastHoveredChannel = nullptr;

}  // namespace

// ---- buttons ----

GUI_EntryButton::GUI_EntryButton(const std::string& texture, const std::string& tooltip,
                                 bool available, GUI_EntryButton** lastHovered)
    : GUI_ButtonBase(nullptr, nullptr),
      texture_(texture),
      available_(available),
      lastHovered_(lastHovered) {
  SetTooltip(tooltip.c_str(), 40);
  if (!available_) warning_ = Translate("TV_WARNING");
}

void GUI_EntryButton::Draw() {
  if (!visible) return;
  GUI_ButtonBase::Draw();
  const float cx = (rect.left + rect.right) * 0.5f, cy = (rect.top + rect.bottom) * 0.5f;
  CTexturedSprite picture;
  picture.width = static_cast<float>(rect.right - rect.left);
  picture.height = static_cast<float>(rect.bottom - rect.top);
  picture.SetColourARGB(available_ ? 0xFFFFFFFFu : 0xFF808080u);
  picture.SetTextureString(texture_);
  picture.SetPosition(cx, cy);
  picture.Draw();
  D3DEngine& engine = D3DEngine::Instance();
  if (available_) {
    if (HitTest(GUI_Services::MouseX(), GUI_Services::MouseY())) {
      engine.FillRect(static_cast<int>(rect.left), static_cast<int>(rect.top),
                      static_cast<int>(rect.right), static_cast<int>(rect.bottom), 0x40FFFFFFu);
      picture.DrawOutline(0xFFFFFFFFu);
      if (*lastHovered_ != this) {
        GUI_Services::PlaySound("data/sounds/mouseover.ogg");
        *lastHovered_ = this;
      }
    }
    return;
  }
  engine.FillRect(static_cast<int>(cx - 60), static_cast<int>(rect.bottom - 20),
                  static_cast<int>(cx + 60), static_cast<int>(rect.bottom - 5), 0xFF000000u);
  GUI_Services::QueueText(static_cast<float>(rect.left), static_cast<float>(rect.bottom - 19),
                          warning_, "tahoma", 12, static_cast<int>(rect.right - rect.left), 1,
                          255, 255, 255);
}

GUI_WebsiteButton::GUI_WebsiteButton(SIM_Website* site)
    : GUI_EntryButton(site ? site->texture : "", site ? site->tooltip : "", true,
                      &g_lastHoveredSite),
      site_(site) {
  ReportAssertion(site != nullptr, "GUI_SurfWeb", __LINE__);
}

void GUI_WebsiteButton::Activate() {
  GUI_Services::PlayClick();
  ChooseWebsite(site_);
  GUI_SurfWeb::Close();  // the memory waits for the end of the click
}

GUI_ChannelButton::GUI_ChannelButton(SIM_TVChannel* channel)
    : GUI_EntryButton(channel ? channel->texture : "", channel ? channel->tooltip : "",
                      channel && channel->IsAvailable(), &g_lastHoveredChannel),
      channel_(channel) {
  ReportAssertion(channel != nullptr, "GUI_WatchTV", __LINE__);
}

void GUI_ChannelButton::Activate() {
  if (!available_) {
    GUI_Services::PlaySound("data/sounds/error.ogg");
    return;
  }
  GUI_Services::PlayClick();
  // Counted before the window goes.
  ChooseTVChannel(channel_);
  GUI_WatchTV::Close();
}

// ---- the shared window ----

GUI_EntryWindow::GUI_EntryWindow(bool canChoose, float height, const char* titleKey)
    : GUI_Dialog(!canChoose) {
  SetSize(400, height);
  CentreOnScreen();
  SetTitle(Translate(titleKey));
  MakeModal();
  UpdateClientRect();
  nextTop_ = static_cast<float>(clientRect.top) + 10;
}

void GUI_EntryWindow::PlaceButton(GUI_ButtonBase* button) {
  button->SetRect(static_cast<float>(clientRect.left) + 10, nextTop_,
                  static_cast<float>(clientRect.right) - 10, nextTop_ + kButtonHeight);
  AddButton(button);
  nextTop_ += kButtonStep;
}

GUI_EntryWindow::~GUI_EntryWindow() { GUI_ControlPanel::Instance().SetHintSuppressed(false); }

void GUI_EntryWindow::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  GUI_Services::FlushText();
}

// ---- web ----

void GUI_SurfWeb::Open() {
  Close();
  new GUI_SurfWeb();
}

void GUI_SurfWeb::Close() {
  delete instance;
  instance = nullptr;
}

GUI_SurfWeb::GUI_SurfWeb() : GUI_EntryWindow(!WebsiteList().empty(), kHeight, "SURFWEB_TITLE") {
  instance = this;
  for (const auto& site : WebsiteList()) PlaceButton(new GUI_WebsiteButton(site.get()));
  GUI_ControlPanel::Instance().SetHintSuppressed(true);
}

GUI_SurfWeb::~GUI_SurfWeb() {
  if (instance == this) instance = nullptr;
  g_lastHoveredSite = nullptr;
}

// ---- TV ----

namespace {

bool AnyChannelAvailable() {
  for (const auto& channel : TVChannelList())
    if (channel->IsAvailable()) return true;
  return false;
}

}  // namespace

void GUI_WatchTV::Open() {
  Close();
  new GUI_WatchTV();
}

void GUI_WatchTV::Close() {
  delete instance;
  instance = nullptr;
}

GUI_WatchTV::GUI_WatchTV() : GUI_EntryWindow(AnyChannelAvailable(), kHeight, "WATCHTV_TITLE") {
  instance = this;
  for (const auto& channel : TVChannelList()) PlaceButton(new GUI_ChannelButton(channel.get()));
  GUI_ControlPanel::Instance().SetHintSuppressed(true);
}

GUI_WatchTV::~GUI_WatchTV() {
  if (instance == this) instance = nullptr;
  g_lastHoveredChannel = nullptr;
}
