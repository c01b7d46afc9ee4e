// The skills panel.
#include "gui/windows/GUI_Skills.h"

#include <algorithm>

#include "engine/D3DEngine.h"
#include "engine/GdiTextList.h"
#include "engine/Translate.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Indicator.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowIDTab.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"

namespace {

GUI_Skills* g_skills = nullptr;

void OnArrow(void*) {
  if (!g_skills) return;
  g_skills->SetExpanded(!g_skills->IsExpanded());
  g_skills->Rebuild();
}

}  // namespace

GUI_Skills* GUI_Skills::Instance() { return g_skills; }

GUI_Skills* GUI_Skills::SetUp() {
  delete g_skills;  // clears g_skills
  auto* skills = new GUI_Skills();
  skills->Open();
  skills->Rebuild();
  return skills;
}

void GUI_Skills::Refresh() {
  if (g_skills) g_skills->Rebuild();
}

void GUI_Skills::DrawTexts() {
  if (g_skills && g_skills->visible) g_skills->texts_->DrawAll(255, 255, 255);
}

GUI_Skills::GUI_Skills() : texts_(std::make_unique<GdiTextList>()) {
  g_skills = this;
  SetDraggable(false);
  SetBlocksMouse(true);
  arrow_ = new GUI_IconButton("right.dds", OnArrow, nullptr);
  arrow_->SetHighlightTexture("right_h.dds");
  AddButton(arrow_);
}

GUI_Skills::~GUI_Skills() {
  if (g_skills == this) g_skills = nullptr;
}

void GUI_Skills::Rebuild() {
  rows_.clear();
  texts_->Clear();
  SIM_Vesk* player = SIM_Vesk::Instance();
  std::vector<const SIM_NamedValue*> shown;
  if (player)
    for (const SIM_NamedValue* skill : player->Skills().Values())
      if (skill->GetValue() != 0.0f) shown.push_back(skill);
  const int n = static_cast<int>(shown.size());

  const bool arrow = n > 3 * kRowsPerColumn;
  arrow_->SetVisible(arrow);
  arrow_->SetEnabled(arrow);
  const int rowsInColumn = std::min(n, kRowsPerColumn);
  const int h = std::max(rowsInColumn * kRowHeight + 20, 48);
  int columns = 1 + (n > 10) + (n > 20) + (n > 30) + (n > 40);
  columns = std::min(columns, expanded_ ? 5 : 3);
  const int w = columns * kColumnWidth;
  const float screenH = static_cast<float>(D3DEngine::Instance().GetHeight());
  SetRect(0, screenH - static_cast<float>(h), static_cast<float>(w), screenH);

  title_ = Translate("IDTAB_SKILLS");
  texts_->AddText(static_cast<float>(rect.left), static_cast<float>(rect.top - 16), title_,
                  "tahoma bold", 16, static_cast<float>(width), 1, 255, 255, 255);
  if (!player) return;
  const size_t limit = expanded_ ? 5 * kRowsPerColumn : 3 * kRowsPerColumn;
  float x = static_cast<float>(rect.left), y = static_cast<float>(rect.top + 10);
  for (const SIM_NamedValue* skill : shown) {
    if (rows_.size() >= limit) break;
    rows_.push_back(GUI_Indicator::Create(player->Skills(), skill->GetName(), x, y,
                                          x + kColumnWidth, y + kRowHeight));
    rows_.back()->AddLabelText(*texts_);
    y += kRowHeight;
    if (rows_.size() % kRowsPerColumn == 0) {
      y = static_cast<float>(rect.top + 10);
      x += 130;
    }
  }
}

void GUI_Skills::Update() {
  if (!visible) return;
  for (const auto& row : rows_) row->UpdateHover();
  GUI_WindowBase::Update();
}

void GUI_Skills::Draw() {
  if (!visible) return;
  const float l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const float r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  DrawWindowIdTab(title_, this);
  DrawFrameById(l, t, r, b, 0, 20, 1.0f);
  for (const auto& row : rows_) row->Draw();
  arrow_->SetTexture(expanded_ ? "left.dds" : "right.dds");
  arrow_->SetHighlightTexture(expanded_ ? "left_h.dds" : "right_h.dds");
  arrow_->SetRect(r - 30, t + 5, r - 5, t + 20);
  DrawButtons();
  if (rows_.empty())
    GUI_Services::QueueText(l + 15, (t + b) / 2.0f - 8.0f, Translate("NO_SKILLS"), "tahoma bold",
                            18, 0, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

bool GUI_Skills::OnClick(float x, float y) {
  if (!visible) return false;
  if (ClickButtons()) return true;
  for (const auto& row : rows_)
    if (row->OnClick(x, y)) return true;
  return false;
}
