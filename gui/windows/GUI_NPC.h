// The small, draggable window of one character: four pages (a summary with the portrait, the
// demands and two bars; the character type; the interests; the skills). One window per
// person: asking again brings the open one to the front. It only shows; it changes nothing.
#pragma once

#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_WindowTab.h"

class GUI_ButtonTab;
class GUI_TabContainer;
class SIM_NamedValueList;
class SIM_Person;

// Page 0: the grey portrait, three demands and the relationship and attractiveness bars.
class GUI_NPCSummaryTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCSummaryTab(SIM_Person* person);
  void Draw() override;

 private:
  SIM_Person* person_;
  CTexturedSprite portrait_;
  std::string tovelLabel_, iqLabel_, cultureLabel_, relationshipLabel_, attractionLabel_;
};

// Page 1: the heading and description of the character type, as the data file has them.
class GUI_NPCCharacteristicTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCCharacteristicTab(SIM_Person* person);
  void Draw() override;
  const std::string& Heading() const { return heading_; }
  const std::string& Description() const { return description_; }

 private:
  SIM_Person* person_;
  std::string heading_, description_;
};

// Page 2: the interests' shown names in two columns, five in the first.
class GUI_NPCInterestTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCInterestTab(SIM_Person* person);
  void Draw() override;

 private:
  SIM_Person* person_;
};

// Page 3: one bar per skill, as many as fit on the page.
class GUI_NPCSkillsTab : public GUI_WindowTab {
 public:
  explicit GUI_NPCSkillsTab(SIM_Person* person);
  void Draw() override;

 private:
  SIM_Person* person_;
};

class GUI_NPC : public GUI_Dialog {
 public:
  static constexpr int kWidth = 350;
  static constexpr int kHeight = 199;

  // Brings the person's open window to the front, or opens one at the mouse.
  static void Open(SIM_Person* person);
  // Closes the windows of a person who no longer exists.
  static void CloseFor(const SIM_Person* person);
  static GUI_NPC* FindFor(const SIM_Person* person);
  static const std::vector<GUI_NPC*>& All();

  explicit GUI_NPC(SIM_Person* person);
  ~GUI_NPC() override;
  void Draw() override;

  SIM_Person* GetPerson() const { return person_; }
  GUI_TabContainer* Tabs() const { return tabs_; }
  const std::vector<GUI_ButtonTab*>& TabButtons() const { return tabButtons_; }
  // Whether the last draw showed the partner's heart.
  bool ShowedHeart() const { return showedHeart_; }

 private:
  SIM_Person* person_;
  GUI_TabContainer* tabs_ = nullptr;
  std::vector<GUI_ButtonTab*> tabButtons_;
  bool showedHeart_ = false;
};
