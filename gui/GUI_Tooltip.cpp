// Tooltips and their per-frame queue.
#include "gui/GUI_Tooltip.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "engine/D3DEngine.h"
#include "gui/GUI_Services.h"

namespace {
constexpr size_t kMaxText = 1023;
constexpr const char* kFont = "tahoma";
constexpr int kFontSize = 16;

std::vector<GUI_Tooltip*>& Queue() {
  static std::vector<GUI_Tooltip*> queue;
  return queue;
}
}  // namespace

GUI_Tooltip::GUI_Tooltip(const char* text, int delay) : delay_(delay) {
  width = 10;
  SetText(text);
  rect = {0, 0, 1, 1};  // placed by its owner; the measured size stays
}

GUI_Tooltip::~GUI_Tooltip() {
  auto& queue = Queue();
  queue.erase(std::remove(queue.begin(), queue.end(), this), queue.end());
}

void GUI_Tooltip::SizeFor(int measured, int wrappedHeight, int& outWidth, int& outHeight) {
  outWidth = measured + 6;
  if (outWidth >= 241) {
    outWidth = 240;
    outHeight = wrappedHeight + 4;
  } else {
    outHeight = 20;
  }
}

void GUI_Tooltip::SetText(const char* text) {
  std::string next = text ? text : "";
  if (next.size() > kMaxText) next.resize(kMaxText);
  // Owners set their text again and again; the size only changes with the text.
  if (measured_ && next == text_) return;
  text_ = std::move(next);
  measured_ = true;
  int w = 0, h = 0;
  const int measured = GUI_Services::MeasureWidth(kFont, kFontSize, text_);
  const int wrapped = measured + 6 >= 241 ? GUI_Services::MeasureHeight(kFont, kFontSize, text_, 240) : 0;
  SizeFor(measured, wrapped, w, h);
  width = w;
  height = h;
}

void GUI_Tooltip::Trigger() {
  if (GUI_Services::MouseRestFrames() > delay_) fade_ = 1.0f;
}

void GUI_Tooltip::PlaceAtMouse() {
  const float mx = GUI_Services::MouseX(), my = GUI_Services::MouseY();
  const float w = static_cast<float>(width), h = static_cast<float>(height);
  const float x = mx + w > g_screenWidth ? mx - w : mx + 30.0f;
  const float y = my + h > g_screenHeight ? my - h : my;
  MoveOnScreen(x, y);
}

void GUI_Tooltip::Draw() {
  if (followMouse_) MoveOnScreen(GUI_Services::MouseX() + 30.0f, GUI_Services::MouseY() - 10.0f);
  Queue().push_back(this);
}

float GUI_Tooltip::DrawQueued() {
  alpha_ = std::min(fade_, 1.0f);
  if (alpha_ > 0.01f) {
    D3DEngine& engine = D3DEngine::Instance();
    const uint32_t a = static_cast<uint32_t>(std::trunc(alpha_ * 192.0f));
    engine.FillRect(rect.left + 1, rect.top + 1, rect.right, rect.bottom, a << 24 | 0x202080u);
    engine.DrawRoundedRectOutline(rect.left, rect.top, rect.right, rect.bottom, a << 24 | 0xFFFFFFu);
    GUI_Services::QueueText(static_cast<float>(rect.left + 4), static_cast<float>(rect.top + 2),
                            text_, kFont, kFontSize, 240, 0, 255, 255, 255);
  }
  fade_ = std::max(0.0f, fade_ - 0.5f);
  return alpha_;
}

size_t GUI_Tooltip::QueuedCount() { return Queue().size(); }

void DrawTooltips() {
  D3DEngine& engine = D3DEngine::Instance();
  engine.SetPointFiltering();
  bool restored = false;
  // Drawing cannot delete a tooltip, but work on a copy all the same.
  const std::vector<GUI_Tooltip*> queue = Queue();
  for (GUI_Tooltip* tip : queue) {
    if (std::find(Queue().begin(), Queue().end(), tip) == Queue().end()) continue;
    if (tip->DrawQueued() > 0.0f) {
      GUI_Services::FlushText();
      engine.SetLinearFiltering();
      restored = true;
      break;
    }
  }
  if (!restored) engine.SetLinearFiltering();
  Queue().clear();
}
