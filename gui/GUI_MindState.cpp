// The mind state.
#include "gui/GUI_MindState.h"

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_WindowIDTab.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Vesk.h"

namespace {

GUI_MindState* g_mindState = nullptr;

// The attributes the player sees, in the order of the attributes table.
std::vector<SIM_Attribute*> ShownAttributes() {
  std::vector<SIM_Attribute*> shown;
  for (SIM_NamedValue* value : SIM_Vesk::Instance()->Attributes().Values())
    if (auto* attribute = dynamic_cast<SIM_Attribute*>(value); attribute && attribute->GetFlag1())
      shown.push_back(attribute);
  return shown;
}

}  // namespace

GUI_MindState* GUI_MindState::Instance() { return g_mindState; }

GUI_MindState* GUI_MindState::SetUp() {
  delete g_mindState;  // clears g_mindState
  auto* mindState = new GUI_MindState();
  mindState->Open();
  mindState->Rebuild();
  return mindState;
}

GUI_MindState::GUI_MindState() : texts_(std::make_unique<GdiTextList>()) {
  g_mindState = this;
}

GUI_MindState::~GUI_MindState() {
  if (g_mindState == this) g_mindState = nullptr;
}

void GUI_MindState::Rebuild() {
  bars_.clear();
  texts_->Clear();
  const std::vector<SIM_Attribute*> shown = ShownAttributes();
  const int n = static_cast<int>(shown.size());
  const D3DEngine& engine = D3DEngine::Instance();
  const float h = static_cast<float>(24 * n + 40);
  const float left = static_cast<float>(engine.GetWidth() - 130);
  const float top = static_cast<float>(engine.GetHeight()) / 2.0f - h / 2.0f;
  SetRect(left, top, left + kWidth, top + h);
  title_ = Translate("IDTAB_YOU");
  texts_->AddText(static_cast<float>(rect.left), static_cast<float>(rect.top - 16), title_,
                  "tahoma bold", 16, static_cast<float>(width), 1, 255, 255, 255);

  const SIM_NamedValueList& list = SIM_Vesk::Instance()->Attributes();
  int y = rect.top + 10;
  for (int i = 0; i < n; ++i) {
    const float x = static_cast<float>(rect.left);
    bars_.push_back(GUI_Indicator::CreateForAttribute(list, *shown[static_cast<size_t>(i)], x,
                                                      static_cast<float>(y), x + kBarWidth,
                                                      static_cast<float>(y + kBarHeight)));
    bars_.back()->AddLabelText(*texts_);
    y += kBarHeight;
    if (i + 1 == 6 || i + 1 == 13) y += kGroupGap;
  }
}

void GUI_MindState::Update() {
  if (!visible) return;
  // The bars look at the mouse before the window takes it from everything below.
  for (const auto& bar : bars_) bar->UpdateHover();
  GUI_WindowBase::Update();
}

void GUI_MindState::Draw() {
  if (!visible) return;
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  DrawWindowIdTab(title_, this);
  DrawDropShadow(l, t, r, b, 20, 6);
  DrawIceEdge(l, t, r, b);
  DrawFrameById(l, t, r, b, 0, 20, 1.0f);
  for (const auto& bar : bars_) bar->Draw();
}

bool GUI_MindState::OnClick(float x, float y) {
  if (!visible) return false;
  for (const auto& bar : bars_)
    if (bar->OnClick(x, y)) return true;
  return false;
}

GUI_Indicator* GUI_MindState::FindIndicator(const std::string& name) const {
  for (const auto& bar : bars_)
    if (bar->GetName() == name) return bar.get();
  LogWarning("Failed to find indicator", "GUI_MindState", 68);
  return nullptr;
}

void GUI_MindState::DrawTexts() {
  if (g_mindState && g_mindState->visible) g_mindState->texts_->DrawAll(255, 255, 255);
}
