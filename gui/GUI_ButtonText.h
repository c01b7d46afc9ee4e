// A framed text button: the window skin normally, a highlight frame on hover, half alpha
// when disabled; the label centred in "tahoma bold" 16.
#pragma once

#include <functional>
#include <string>

#include "gui/GUI_ButtonBase.h"

class GUI_ButtonText : public GUI_ButtonBase {
 public:
  static constexpr size_t kMaxLabel = 63;
  GUI_ButtonText(const std::string& label, GUI_ButtonCallback callback, void* callbackArg);

  void Draw() override;
  void SetText(const std::string& label);
  void SetHighlightTexture(const std::string& texture) { highlightTexture = texture; }
  void SetFrameTexture(const std::string& texture) { frameTexture = texture; }
  const std::string& GetText() const { return label; }
  // Called with every text button as it is drawn, so a check can look at each one the player
  // sees (what a disabled one says); none by default.
  using DrawnObserver = std::function<void(const GUI_ButtonText&)>;
  static void SetDrawnObserver(DrawnObserver observer);

 protected:
  std::string label;
  std::string frameTexture = "window_green.dds";
  std::string highlightTexture = "textbutton_highlight.dds";
};
