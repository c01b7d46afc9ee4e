// Value bars.
#include "gui/GUI_Indicator.h"

#include <algorithm>
#include <cmath>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_ValueBar.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_NamedValueList.h"

namespace {

constexpr int kCreateDelay = 40;
constexpr int kAttributeDelay = 20;
constexpr float kBarWidth = 100.0f;
constexpr uint32_t kHighlight = 0xA6A6A6A6u;

std::vector<GUI_Indicator*>& Bars() {
  static std::vector<GUI_Indicator*> bars;
  return bars;
}

void DrawSign(const char* texture, float x, float y) {
  D3DEngine::Instance().SetTextureByName(texture);
  BaseSprite sign;
  sign.width = 8;
  sign.height = 8;
  sign.SetColour(224, 224, 224, 255);
  sign.SetPosition(x, y);
  sign.DrawQuad();
}

}  // namespace

GUI_Indicator::GUI_Indicator(const SIM_NamedValueList& list, const std::string& name,
                             Placement placement)
    : list_(&list), name_(name), placement_(placement) {
  Bars().push_back(this);
}

GUI_Indicator::~GUI_Indicator() {
  auto& bars = Bars();
  bars.erase(std::remove(bars.begin(), bars.end(), this), bars.end());
}

std::unique_ptr<GUI_Indicator> GUI_Indicator::Create(const SIM_NamedValueList& list,
                                                     const std::string& name, float left,
                                                     float top, float right, float bottom) {
  std::unique_ptr<GUI_Indicator> bar(new GUI_Indicator(list, name, kAtMouse));
  bar->SetRect(left, top, right, bottom);
  bar->tooltip_ = std::make_unique<GUI_Tooltip>(bar->ShownName().c_str(), kCreateDelay);
  return bar;
}

std::unique_ptr<GUI_Indicator> GUI_Indicator::CreateForAttribute(const SIM_NamedValueList& list,
                                                                 const SIM_Attribute& attribute,
                                                                 float left, float top,
                                                                 float right, float bottom) {
  std::unique_ptr<GUI_Indicator> bar(new GUI_Indicator(list, attribute.GetName(), kBesideBar));
  bar->attributeBar_ = true;
  bar->SetRect(left, top, right, bottom);
  const std::string description = attribute.GetDescription(SIM_Attribute::kDescription);
  bar->tooltip_ = std::make_unique<GUI_Tooltip>(Translate(description.c_str()), kAttributeDelay);
  return bar;
}

SIM_NamedValue* GUI_Indicator::Value() const { return list_ ? list_->Find(name_) : nullptr; }

SIM_Attribute* GUI_Indicator::Attribute() const {
  return dynamic_cast<SIM_Attribute*>(Value());
}

std::string GUI_Indicator::ShownName() const {
  const SIM_NamedValue* value = Value();
  if (!value || value->GetGuiName().empty()) return name_;
  return Translate(value->GetGuiName().c_str());
}

void GUI_Indicator::UpdateHover() {
  if (!tooltip_ || GUI_Services::IsMouseTaken()) return;
  if (!HitTest(GUI_Services::MouseX(), GUI_Services::MouseY())) return;
  const SIM_NamedValue* value = Value();
  if (placement_ == kBesideBar && value && value->GetValue() != lastShown_) {
    const std::string text =
        ShownName() + " ( " + FormatFixed(static_cast<double>(value->GetValue()) * 100.0, 0) + "%)";
    tooltip_->SetText(text.c_str());
    lastShown_ = value->GetValue();
  }
  tooltip_->Trigger();
  if (placement_ == kBesideBar)
    tooltip_->MoveOnScreen(static_cast<float>(rect.left - 40), static_cast<float>(rect.top + 2));
  else
    tooltip_->PlaceAtMouse();
}

void GUI_Indicator::Draw() {
  if (highlight_)
    D3DEngine::Instance().FillRect(rect.left, rect.top, rect.right, rect.bottom, kHighlight);
  const SIM_NamedValue* value = Value();
  const SIM_Attribute* attribute = dynamic_cast<const SIM_Attribute*>(value);
  const float centre = static_cast<float>(rect.left + rect.right) / 2.0f;
  DrawValueBar(centre - kBarWidth / 2.0f, static_cast<float>(rect.top + 13),
               value ? value->GetValue() : 0.0f, kBarWidth, 1.0f,
               attribute && attribute->IsPastWarnLimit());
  if (tooltip_) tooltip_->Draw();
  const float signY = static_cast<float>(rect.top + 16);
  DrawSign("minus.dds", static_cast<float>(rect.left + 11), signY);
  DrawSign("plus.dds", static_cast<float>(rect.right - 8), signY);
  if (placement_ == kBesideBar) popup_.Draw();
}

bool GUI_Indicator::OnClick(float x, float y) {
  if (!HitTest(x, y)) return false;
  if (SIM_NamedValue* value = Value()) value->ShowDetails();
  return true;
}

void GUI_Indicator::AddLabelText(GdiTextList& texts) const {
  texts.AddText(static_cast<float>(rect.left), static_cast<float>(rect.top), ShownName(),
                "tahoma bold", 12, static_cast<float>(width), 1, 255, 255, 255);
}

GUI_Indicator* GUI_Indicator::FindAttributeBar(const std::string& name) {
  for (GUI_Indicator* bar : Bars())
    if (bar->attributeBar_ && bar->name_ == name) return bar;
  return nullptr;
}

const std::vector<GUI_Indicator*>& GUI_Indicator::All() { return Bars(); }
