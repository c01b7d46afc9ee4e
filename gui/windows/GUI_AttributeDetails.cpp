// The attribute details window.
#include "gui/windows/GUI_AttributeDetails.h"

#include "engine/DebugLog.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_MindState.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_TextFit.h"
#include "gui/GUI_ValueBar.h"
#include "sim/SIM_Attribute.h"

namespace {

GUI_AttributeDetails* g_details = nullptr;
constexpr const char* kTitleFont = "tahoma bold";
constexpr const char* kTextFont = "tahoma";
constexpr int kTextSize = 14;
// Between the window and the bar it explains: room for the bar's change pop-up, whose number
// would otherwise show through the window.
constexpr int kGap = 52;
constexpr int kRowBarRight = 120;  // a row's bar starts this far left of the window's right
constexpr int kRowNameLeft = 20;

const std::vector<std::string>& IqParts() {
  static const std::vector<std::string> parts = {"iq_reasoning", "iq_logic", "iq_knowledge",
                                                 "iq_problemsolving"};
  return parts;
}

const std::vector<std::string>& CultureParts() {
  static const std::vector<std::string> parts = {"culture_literature", "culture_arts",
                                                 "culture_knowledge"};
  return parts;
}

std::string ShownName(const SIM_Attribute& attribute) {
  return attribute.GetGuiName().empty() ? attribute.GetName()
                                        : Translate(attribute.GetGuiName().c_str());
}

}  // namespace

GUI_AttributeDetails* GUI_AttributeDetails::Instance() { return g_details; }

void GUI_AttributeDetails::Open(SIM_Attribute* attribute) {
  ReportAssertion(attribute != nullptr, "GUI_Attribute", 56);
  if (!attribute) return;
  Close();
  auto* details = new GUI_AttributeDetails(*attribute);
  details->GUI_WindowBase::Open();
}

void GUI_AttributeDetails::Close() { delete g_details; }

GUI_AttributeDetails::GUI_AttributeDetails(const SIM_Attribute& attribute)
    : name_(attribute.GetName()),
      description_(Translate(attribute.GetDescription(SIM_Attribute::kDescription).c_str())),
      iq_(name_ == "iq"),
      culture_(name_ == "culture") {
  g_details = this;
  const int measured = GUI_Services::MeasureHeight(kTextFont, kTextSize, description_, kTextWidth);
  SetSize(kWidth, static_cast<float>(HeightFor(name_, measured)));
  // Beside the attribute's bar, to its left, centred on it; in the middle without one.
  const GUI_MindState* mindState = GUI_MindState::Instance();
  const GUI_Indicator* bar = mindState ? mindState->FindIndicator(name_) : nullptr;
  if (bar) {
    const GUI_Rect& r = bar->GetRect();
    MoveTo(static_cast<float>(r.left - kGap - kWidth),
           static_cast<float>((r.top + r.bottom) / 2 - height / 2));
    ClampToScreen();
  } else {
    CentreOnScreen();
  }
}

GUI_AttributeDetails::~GUI_AttributeDetails() {
  if (g_details == this) g_details = nullptr;
}

int GUI_AttributeDetails::HeightFor(const std::string& name, int descriptionHeight) {
  return descriptionHeight + 49 + (name == "iq" ? 64 : name == "culture" ? 48 : 0);
}

const std::vector<std::string>& GUI_AttributeDetails::SubAttributes() const {
  static const std::vector<std::string> none;
  return iq_ ? IqParts() : culture_ ? CultureParts() : none;
}

int GUI_AttributeDetails::RowNameWidth() { return kWidth - kRowBarRight - kRowNameLeft - 4; }

int GUI_AttributeDetails::RowTop(size_t i) const {
  return rect.bottom - 25 - 16 * static_cast<int>(i);
}

void GUI_AttributeDetails::Draw() {
  if (!visible) return;
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  DrawDropShadow(l, t, r, b, 20, 4);
  DrawFrameById(l, t, r, b, 0, 20, 1.0f);
  // The attribute is looked up afresh: one that is gone (a new game) shows no value.
  const SIM_Attribute* attribute = SIM_Attribute::Find(name_);
  if (!attribute) return;
  const std::string title = ShownName(*attribute) + " (" +
                            FormatFixed(static_cast<double>(attribute->GetValue()) * 100.0, 0) +
                            "%)";
  GUI_Services::QueueText(l + 10, t + 8, title, kTitleFont, 18, kTextWidth, 0, 255, 255, 255);
  GUI_Services::QueueText(l + 10, t + 34, description_, kTextFont, kTextSize, kTextWidth, 0, 255,
                          255, 255);
  const std::vector<std::string>& parts = SubAttributes();
  for (size_t i = 0; i < parts.size(); ++i) {
    const SIM_Attribute* part = SIM_Attribute::Find(parts[i]);
    if (!part) continue;
    const float y = static_cast<float>(RowTop(i));
    // A long name is cut before it runs into its bar.
    const std::string label =
        FitTextToWidth(kTextFont, kTextSize, ShownName(*part), RowNameWidth());
    GUI_Services::QueueText(l + kRowNameLeft, y, label, kTextFont, kTextSize, 0, 0, 255, 255, 255);
    DrawValueBar(r - kRowBarRight, y + 5, part->GetValue(), 100, 1.0f, part->IsPastWarnLimit());
  }
  // Its texts lie on its own picture, under any window opened over it.
  GUI_Services::FlushText();
}

bool GUI_AttributeDetails::OnClick(float x, float y) {
  if (!visible || !HitTest(x, y)) return false;
  delete this;  // the memory waits for the end of the click
  return true;
}
