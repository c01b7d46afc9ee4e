// What every button shares: hover state, an optional tooltip, enabled and visible flags, and
// a click that plays the click sound and runs a plain callback with its argument.
#pragma once

#include <cstddef>
#include <memory>
#include <string>

#include "gui/GUI_BaseElement.h"

class GUI_Tooltip;
class GUI_WindowBase;

using GUI_ButtonCallback = void (*)(void*);

class GUI_ButtonBase : public GUI_BaseElement {
 public:
  GUI_ButtonBase(GUI_ButtonCallback callback, void* callbackArg);
  ~GUI_ButtonBase() override;
  GUI_ButtonBase(const GUI_ButtonBase&) = delete;
  GUI_ButtonBase& operator=(const GUI_ButtonBase&) = delete;

  // A button deleted while a click or frame is being dispatched is destroyed at once but its
  // memory is freed only when the dispatch has finished with it.
  static void* operator new(std::size_t size);
  static void operator delete(void* p);

  void Draw() override;
  void SetRect(float left, float top, float right, float bottom) override;
  virtual bool OnClick(float x, float y);
  virtual void Activate();
  virtual void UpdateHover();

  void SetTooltip(const char* text, int delay);
  // Every keyed tooltip waits 60 frames, whatever delay the caller gives.
  void SetTooltipKey(const char* key, int delay);
  GUI_Tooltip* GetTooltip() const { return tooltip.get(); }

  bool IsVisible() const { return visible; }
  void SetVisible(bool v) { visible = v; }
  bool IsEnabled() const { return enabled; }
  void SetEnabled(bool e);
  // What the tooltip says while the button is disabled, so the player learns why it cannot
  // be used; the usual tooltip comes back when the button is enabled. Empty: no reason given.
  void SetDisabledReason(const std::string& why);
  const std::string& GetDisabledReason() const { return disabledReason; }
  int GetHover() const { return hover; }
  void SetHover(int state) { hover = state; }
  GUI_WindowBase* GetOwner() const { return owner; }
  void SetOwner(GUI_WindowBase* window) { owner = window; }

 protected:
  // Plays the click sound and runs the callback (when there is one).
  void RunCallback();

  int hover = 0;
  GUI_ButtonCallback callback = nullptr;
  void* callbackArg = nullptr;
  GUI_WindowBase* owner = nullptr;
  // The tooltip's text for the present state.
  void ShowTooltipForState();

  std::unique_ptr<GUI_Tooltip> tooltip;
  std::string usualTooltip;
  std::string disabledReason;
  bool enabled = true;
  bool visible = true;
};
