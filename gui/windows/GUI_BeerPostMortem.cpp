// The bar-brawl report.
#include "gui/windows/GUI_BeerPostMortem.h"

#include <cmath>

#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_Venues.h"

GUI_BeerPostMortem* GUI_BeerPostMortem::instance = nullptr;

void GUI_BeerPostMortem::Open(SIM_SocialiseInstance* evening) {
  Close();
  if (evening) new GUI_BeerPostMortem(evening);
}

void GUI_BeerPostMortem::Close() { delete instance; }

std::string GUI_BeerPostMortem::LossText() const {
  if (std::fabs(loss_) < 0.005f) return {};
  return FormatFixed(loss_, 2);
}

GUI_BeerPostMortem::GUI_BeerPostMortem(SIM_SocialiseInstance* evening)
    : GUI_Dialog(true), evening_(evening) {
  instance = this;
  // The change the brawl made, read now: the evening's record may not outlive the report.
  if (const auto* bar = dynamic_cast<const SIM_BeerInstance*>(evening)) loss_ = bar->GetTovelChange();
  SetSize(kWidth, kHeight);
  SetTitle(Translate("BAR_BRAWL_TITLE"));
  CentreOnScreen();
  GUI_WindowBase::Open();
  UpdateClientRect();
  brawl_.width = 256;
  brawl_.height = 256;
  brawl_.SetColourARGB(kPictureColour);
  brawl_.SetTextureString("bar_brawl.dds");
  standing_.width = 48;
  standing_.height = 48;
  standing_.SetColourARGB(0xFFFFFFFFu);
  standing_.SetTextureString("tovel.dds");
  GUI_Services::PlaySound("data/sounds/police.wav");
  MakeModal();
}

GUI_BeerPostMortem::~GUI_BeerPostMortem() {
  if (instance == this) instance = nullptr;
}

void GUI_BeerPostMortem::Draw() {
  if (!visible) return;
  GUI_Dialog::Draw();
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right), cb = static_cast<float>(clientRect.bottom);
  const float mid = (ct + cb) / 2;
  // The second drawing is mirrored: the picture starts each frame the right way round.
  brawl_.SetUV(0.0f, 0.0f, 1.0f, 1.0f);
  brawl_.SetPosition(cl + 100, mid);
  brawl_.Draw();
  brawl_.FlipHorizontal();
  brawl_.SetPosition(cr - 100, mid);
  brawl_.Draw();
  GUI_Services::QueueText(cl + 15, ct + 50, Translate("BAR_BRAWL_TEXT"), "tahoma bold", 18,
                          clientRect.right - clientRect.left - 20, 0, 255, 255, 255);
  const std::string loss = LossText();
  if (!loss.empty()) {
    const float centre = static_cast<float>(rect.left + rect.right) / 2;
    standing_.SetPosition(centre - 50, cb - 50);
    standing_.Draw();
    GUI_Services::QueueText(centre, cb - 50, loss, "tahoma bold", 24, 0, 0, 255, 255, 255);
  }
  GUI_Services::FlushText();
}
