// The week calendar.
#include "gui/GUI_Calendar.h"

#include <algorithm>
#include <cmath>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_WindowManager.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_EventCalendar.h"

namespace {

constexpr const char* kFont = "tahoma bold";
constexpr int kLabelSize = 13, kLabelAbove = 9;
constexpr int kCheckBoxSize = 32, kNoteSize = 24;
constexpr int kPointerWidth = 24, kPointerHeight = 8, kPointerBelow = 5;
constexpr int kTooltipDelay = 30;
// Cells are centred 38 px apart, the first at (377, 30) on a 1024 px screen (scaled across).
constexpr float kFirstX = 377.0f, kCentreY = 30.0f, kStep = 38.0f;
// The neighbours the week keeps clear of: the weather icon ends at x 245, the money panel
// begins 340 px from the right edge.
constexpr float kWeatherRight = 245.0f, kMoneyFromRight = 340.0f, kGap = 6.0f;
constexpr float kMinScale = 0.5f;
constexpr int kMinLabelSize = 10;

GUI_Calendar* g_calendar = nullptr;

void DrawCentred(const char* texture, float cx, float cy, float w, float h) {
  D3DEngine::Instance().SetTextureByName(texture);
  BaseSprite sprite;
  sprite.width = w;
  sprite.height = h;
  sprite.SetColourARGB(0xFFFFFFFFu);
  sprite.SetPosition(cx, cy);
  sprite.DrawQuad();
}

}  // namespace

// --- One day ---

GUI_CalendarDay::GUI_CalendarDay(int offset)
    : offset_(offset), tooltip_(std::make_unique<GUI_Tooltip>("", kTooltipDelay)) {
  closeOnNewGame = false;
}

GUI_CalendarDay::~GUI_CalendarDay() = default;

void GUI_CalendarDay::Refresh() {
  const int day = (CurrentDate().GetDayOfWeek() + offset_) % 7;
  abbreviation_ = Translate(("DAY_ABBV_" + std::to_string(day)).c_str());
  const auto& entries = SIM_EventCalendar::Instance().DayList(offset_);
  hasEvents_ = !entries.empty();
  // The text is copied: the calendar's entries may go before the cell is refreshed again.
  tooltip_->SetText(hasEvents_ ? entries.front()->text.c_str() : "");
}

void GUI_CalendarDay::Draw() {
  if (!visible) return;
  const float cx = static_cast<float>(rect.left + rect.right) / 2.0f;
  const float cy = static_cast<float>(rect.top + rect.bottom) / 2.0f;
  // Sprites keep their share of the cell when a narrow screen shrinks the week.
  const float k = static_cast<float>(rect.right - rect.left) / kSize;
  DrawCentred("gui_checkbox.dds", cx, cy, kCheckBoxSize * k, kCheckBoxSize * k);
  if (hasEvents_) {
    DrawCentred("postit.dds", cx, cy, kNoteSize * k, kNoteSize * k);
    tooltip_->Draw();
  }
  if (offset_ == 0)
    DrawCentred("calendar_pointer.dds", cx,
                static_cast<float>(rect.bottom + kPointerBelow) + kPointerHeight * k / 2.0f,
                kPointerWidth * k, kPointerHeight * k);
}

void GUI_CalendarDay::Update() {
  GUI_WindowBase::Update();
  if (visible && hasEvents_ && HasTheMouse()) {
    tooltip_->Trigger();
    tooltip_->PlaceAtMouse();
  }
}

// --- The week ---

GUI_Calendar* GUI_Calendar::Instance() {
  if (!g_calendar) g_calendar = new GUI_Calendar();
  return g_calendar;
}

GUI_Calendar::GUI_Calendar() : labels_(std::make_unique<GdiTextList>()) {
  // The panel stays through new games; the in-game screen lays it out again.
  closeOnNewGame = false;
  for (int i = 0; i < kDays; ++i) {
    days_[static_cast<size_t>(i)] = new GUI_CalendarDay(i);
    AddChild(days_[static_cast<size_t>(i)]);
  }
  Layout();
}

GUI_Calendar::~GUI_Calendar() {
  if (g_calendar == this) g_calendar = nullptr;
}

void GUI_Calendar::Layout() {
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const float s = w / 1024.0f;
  // Narrower screens would run the week into the money panel: there it shrinks and moves
  // left to fit between the weather icon and the money panel.
  const float roomLeft = kWeatherRight + kGap, roomRight = w - kMoneyFromRight - kGap;
  const float full = kStep * (kDays - 1) + GUI_CalendarDay::kSize;
  scale_ = std::clamp((roomRight - roomLeft) / full, kMinScale, 1.0f);
  const float step = kStep * scale_, half = GUI_CalendarDay::kSize * scale_ / 2.0f;
  float x0 = std::min(kFirstX * s, roomRight - half - step * (kDays - 1));
  x0 = std::max(x0, roomLeft + half);
  // Down it never rises so far that the day labels over the cells leave the screen or sink
  // into the check boxes.
  const float y = std::max(kCentreY * s, kCentreY);
  SetRect(x0 - half, y - half, x0 + step * (kDays - 1) + half, y + half);
  for (int i = 0; i < kDays; ++i) {
    const float cx = x0 + step * static_cast<float>(i);
    days_[static_cast<size_t>(i)]->SetRect(cx - half, y - half, cx + half, y + half);
  }
}

void GUI_Calendar::SetUp() {
  Layout();
  if (!GUI_WindowManager::Instance().Contains(this)) Open();
  Refresh();
}

void GUI_Calendar::Refresh() {
  labels_->Clear();
  for (GUI_CalendarDay* day : days_) {
    day->Refresh();
    const GUI_Rect& r = day->GetRect();
    labels_->AddText(static_cast<float>(r.left), static_cast<float>(r.top - kLabelAbove),
                     day->GetAbbreviation(), kFont, LabelSize(),
                     static_cast<float>(r.right - r.left), 1, 255, 255, 255);
  }
}

void GUI_Calendar::Draw() {
  if (!visible) return;
  // The room behind is bright by day: the labels lie on a dark veil, as do the cells.
  DrawTextVeil(static_cast<float>(rect.left) - kTextVeilBorder,
               static_cast<float>(rect.top - kLabelAbove) - kTextVeilBorder,
               static_cast<float>(rect.right) + kTextVeilBorder,
               static_cast<float>(rect.bottom + kPointerBelow + kPointerHeight) + kTextVeilBorder / 2);
  DrawChildren();
}

int GUI_Calendar::LabelSize() const {
  return std::max(kMinLabelSize, static_cast<int>(std::lround(kLabelSize * scale_)));
}

void GUI_Calendar::DrawTexts() { labels_->DrawAll(255, 255, 255); }
