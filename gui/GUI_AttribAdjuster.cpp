// A starting-attribute row of the new-game menu.
#include "gui/GUI_AttribAdjuster.h"

#include <cmath>

#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "sim/SIM_GameConfig.h"

namespace {
void OnRaise(void* arg) {
  SIM_GameConfig::Instance().Raise(static_cast<int>(reinterpret_cast<intptr_t>(arg)));
}
}  // namespace

GUI_AttribAdjuster::GUI_AttribAdjuster(int i, const char* labelKey)
    : index(i), label(Translate(labelKey)) {
  button = new GUI_IconButton("right.dds", OnRaise, reinterpret_cast<void*>(intptr_t{i}));
  button->SetHighlightTexture("right_h.dds");
  AddButton(button);
}

int GUI_AttribAdjuster::CellCount() const {
  return static_cast<int>(std::trunc(SIM_GameConfig::Instance().Get(index) * 24.0f));
}

void GUI_AttribAdjuster::Draw() {
  const int l = rect.left, t = rect.top, r = rect.right, b = rect.bottom;
  button->SetRect(static_cast<float>(r - 30), static_cast<float>(t + 13), static_cast<float>(r),
                  static_cast<float>(b + 8));
  GUI_WindowBase::Draw();
  GUI_Services::QueueText(static_cast<float>(l), static_cast<float>(t), label, "tahoma bold", 18,
                          width, 1, 255, 255, 255);
  D3DEngine& engine = D3DEngine::Instance();
  const int cells = CellCount();
  const int w = (width - 40) / 24;
  for (int i = 0; i < cells; ++i)
    engine.FillRectHorizontalGradient(l + i * w, t + 20, l + i * w + w - 1, b, 0xE0808080u,
                                      0xE0404040u);
  engine.DrawRectOutline(l, t + 20, r - 40, b, 0xFFFFFFFFu);
}
