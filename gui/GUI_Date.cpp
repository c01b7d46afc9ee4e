// The date panel.
#include "gui/GUI_Date.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_SIM.h"

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kDayNameSize = 30, kMonthSize = 18;
constexpr int kDescriptionTop = 67, kDescriptionSize = 18, kDescriptionMargin = 20;
constexpr int kActsSize = 23, kActsGrey = 205;
// The activities text sits over the control panel's buttons, at the bottom right.
constexpr int kActsFromRight = 296, kActsFromBottom = 113;
constexpr const char* kDayKeys[7] = {"DAY_MONDAY", "DAY_TUESDAY",  "DAY_WEDNESDAY", "DAY_THURSDAY",
                                     "DAY_FRIDAY", "DAY_SATURDAY", "DAY_SUNDAY"};

GUI_Date* g_date = nullptr;

int ScreenW() { return D3DEngine::Instance().GetWidth(); }
int ScreenH() { return D3DEngine::Instance().GetHeight(); }

}  // namespace

GUI_Date* GUI_Date::Instance() {
  if (!g_date) g_date = new GUI_Date();
  return g_date;
}

GUI_Date::GUI_Date()
    : texts_(std::make_unique<GdiTextList>()), status_(std::make_unique<GdiTextList>()) {
  // The panel stays through new games; the in-game screen lays it out again.
  closeOnNewGame = false;
}

GUI_Date::~GUI_Date() {
  if (g_date == this) g_date = nullptr;
}

void GUI_Date::LoadNames() {
  dayNames_.clear();
  for (const char* key : kDayKeys) dayNames_.emplace_back(Translate(key));
  namesLoaded_ = true;
}

void GUI_Date::SetUp() {
  if (!GUI_WindowManager::Instance().Contains(this)) Open();
  Refresh();
}

std::string GUI_Date::ActivitiesLeftText() {
  switch (SIM_SIM::Instance().GetActsLeft()) {
    case 1: return Translate("ACTIVTITES_LEFT_1");
    case 2: return Translate("ACTIVTITES_LEFT_2");
    default: return Translate("ACTIVTITES_LEFT_0");
  }
}

void GUI_Date::Refresh() {
  if (!namesLoaded_) LoadNames();
  SetRect(0, 0, kWidth, kHeight);
  texts_->Clear();
  const SIM_Date& today = CurrentDate();
  const auto left = static_cast<float>(rect.left), top = static_cast<float>(rect.top);
  texts_->AddText(left + 10, top + 5, dayNames_[static_cast<size_t>(today.GetDayOfWeek())], kFont,
                  kDayNameSize, 0, 0, 255, 255, 255);
  texts_->AddText(left + 10, top + 33,
                  GetMonthName(today.GetMonth()) + " " + std::to_string(today.GetYear()), kFont,
                  kMonthSize, 0, 0, 255, 255, 255);
}

void GUI_Date::RebuildStatusTexts() {
  const int w = ScreenW(), h = ScreenH();
  const std::string& description = SIM_AvatarDescription::GetText();
  std::string acts = ActivitiesLeftText();
  if (statusRebuilds_ > 0 && w == builtWidth_ && h == builtHeight_ &&
      description == builtDescription_ && acts == builtActs_)
    return;
  builtWidth_ = w;
  builtHeight_ = h;
  builtDescription_ = description;
  builtActs_ = std::move(acts);
  ++statusRebuilds_;
  status_->Clear();
  if (!description.empty())
    status_->AddText(0, kDescriptionTop, description, kFont, kDescriptionSize,
                     static_cast<float>(w - kDescriptionMargin), 2, 255, 255, 255);
  status_->AddText(static_cast<float>(w - kActsFromRight), static_cast<float>(h - kActsFromBottom),
                   builtActs_, kFont, kActsSize, 0, 0, kActsGrey, kActsGrey, kActsGrey);
}

void GUI_Date::Draw() {
  if (!visible) return;
  const auto w = static_cast<float>(ScreenW()), h = static_cast<float>(ScreenH());
  // The room behind is bright by day: every text of the panel lies on a dark veil.
  const float right = static_cast<float>(
      std::max(GUI_Services::MeasureWidth(kFont, kDayNameSize, texts_->Size() ? texts_->Item(0).text : ""),
               GUI_Services::MeasureWidth(kFont, kMonthSize, texts_->Size() > 1 ? texts_->Item(1).text : "")));
  DrawTextVeil(static_cast<float>(rect.left) - kTextVeilBorder, static_cast<float>(rect.top) - kTextVeilBorder,
               std::max(static_cast<float>(rect.right), static_cast<float>(rect.left) + 10 + right) +
                   kTextVeilBorder,
               static_cast<float>(rect.top) + 33 + kMonthSize + kTextVeilBorder);
  const std::string& description = SIM_AvatarDescription::GetText();
  if (!description.empty()) {
    // Right-aligned in the screen's width less the margin; a long one wraps.
    const int wrap = ScreenW() - kDescriptionMargin;
    const float end = w - kDescriptionMargin;
    const auto width = static_cast<float>(
        std::min(wrap, GUI_Services::MeasureWidth(kFont, kDescriptionSize, description)));
    const auto height = static_cast<float>(
        GUI_Services::MeasureHeight(kFont, kDescriptionSize, description, wrap));
    DrawTextVeil(end - width - kTextVeilBorder, kDescriptionTop - kTextVeilBorder,
                 end + kTextVeilBorder, kDescriptionTop + height + kTextVeilBorder);
  }
  const float actsLeft = w - kActsFromRight, actsTop = h - kActsFromBottom;
  const auto actsWidth =
      static_cast<float>(GUI_Services::MeasureWidth(kFont, kActsSize, ActivitiesLeftText()));
  DrawTextVeil(actsLeft - kTextVeilBorder, actsTop - kTextVeilBorder,
               actsLeft + actsWidth + kTextVeilBorder, actsTop + kActsSize + kTextVeilBorder);
}

void GUI_Date::DrawTexts() {
  RebuildStatusTexts();
  texts_->DrawAll(255, 255, 255);
  status_->DrawAll(255, 255, 255);
}
