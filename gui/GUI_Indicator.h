// One bar for one named value of the player (an attribute, a mood, a skill): the segmented
// value bar with a minus and a plus sign at its ends, a tooltip, an optional highlight and the
// pop-up that shows the value's last change beside it.
//
// The simulation holds no screen objects: a bar keeps the list and the name of its value and
// looks the value up when it needs it, so a list the simulation rebuilds (a new game, a load)
// never leaves a bar holding a deleted value; and the screens find an attribute's bar by the
// attribute's name (FindAttributeBar). Every bar is also kept in one list.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "gui/GUI_BaseElement.h"
#include "gui/GUI_ChangePopup.h"

class GdiTextList;
class GUI_Tooltip;
class SIM_Attribute;
class SIM_NamedValue;
class SIM_NamedValueList;

class GUI_Indicator : public GUI_BaseElement {
 public:
  // Where the tooltip goes: beside the bar (showing the name and the value), or at the mouse.
  enum Placement { kBesideBar = 0, kAtMouse = 1 };

  // A bar for the value of that name in the list, its tooltip the value's shown name at the
  // mouse (the skills window's bars).
  static std::unique_ptr<GUI_Indicator> Create(const SIM_NamedValueList& list,
                                               const std::string& name, float left, float top,
                                               float right, float bottom);
  // The bar of a player attribute (the mind state's): its tooltip beside the bar starts as the
  // attribute's description, and its changes pop up beside it.
  static std::unique_ptr<GUI_Indicator> CreateForAttribute(const SIM_NamedValueList& list,
                                                           const SIM_Attribute& attribute,
                                                           float left, float top, float right,
                                                           float bottom);
  ~GUI_Indicator() override;
  GUI_Indicator(const GUI_Indicator&) = delete;
  GUI_Indicator& operator=(const GUI_Indicator&) = delete;

  // The value now, or null when its list no longer has it.
  SIM_NamedValue* Value() const;
  // The value as an attribute (for its warning state), or null.
  SIM_Attribute* Attribute() const;
  const std::string& GetName() const { return name_; }
  // The value's name as the player reads it.
  std::string ShownName() const;

  // Hover: while no window above has the mouse and it is over the bar, the tooltip is
  // triggered and placed (beside the bar it reads "<name> ( <percent>%)"). Owners call it in
  // their update before they take the mouse themselves.
  void UpdateHover();
  void Draw() override;
  // Inside the bar: the value's details open; true. Otherwise false.
  bool OnClick(float x, float y);
  // The shown name centred over the bar's width at its top left.
  void AddLabelText(GdiTextList& texts) const;

  void SetHighlight(bool on) { highlight_ = on; }
  bool IsHighlighted() const { return highlight_; }
  Placement GetPlacement() const { return placement_; }
  GUI_Tooltip* GetTooltip() const { return tooltip_.get(); }
  GUI_ChangePopup& GetChangePopup() { return popup_; }
  bool ShowsAttribute() const { return attributeBar_; }

  // The attribute bar of that name (the first in the list of bars), or null: the screens show
  // an attribute's changes through it.
  static GUI_Indicator* FindAttributeBar(const std::string& name);
  static const std::vector<GUI_Indicator*>& All();

 private:
  GUI_Indicator(const SIM_NamedValueList& list, const std::string& name, Placement placement);

  const SIM_NamedValueList* list_;
  std::string name_;
  Placement placement_;
  bool attributeBar_ = false;
  bool highlight_ = false;
  std::unique_ptr<GUI_Tooltip> tooltip_;
  GUI_ChangePopup popup_;
  float lastShown_ = -99.0f;
};
