// The dialog in which the player organises a social evening: it shows one kind of evening
// offered today at a time (title, text, cost and the interests it appeals to), steps through
// them with two arrows, the wheel or the arrow keys, holds one place per possible guest, takes
// people dropped on it from the contact icons when they accept, and starts the evening. It
// sits at the left edge of the screen. Only one of the four main choosers is open at a time.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_ButtonBase.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_IconButton;
class SIM_Person;
class SIM_SocialiseType;

// One guest's place in the chooser: the guest's portrait, or an empty place (opaque when it
// must be filled before the evening can start). Clicking a guest opens their window.
class GUI_EventIcon : public GUI_ButtonBase {
 public:
  static constexpr int kSize = 40;

  GUI_EventIcon(SIM_Person* person, bool required);
  void Draw() override;
  void Activate() override;

  SIM_Person* GetPerson() const { return person; }
  bool IsRequired() const { return required; }
  // The portrait's picture and opacity as last drawn.
  const CTexturedSprite& Sprite() const { return sprite; }

 private:
  CTexturedSprite sprite;
  SIM_Person* person;
  bool required;
};

class GUI_SocialActivityChooser : public GUI_Dialog {
 public:
  // Replaces an open chooser and closes the other choosers.
  static void Open();
  static void Close();
  static GUI_SocialActivityChooser* Instance() { return instance; }
  // The wheel; nothing while a modal window is open.
  static void ScrollPrevious();
  static void ScrollNext();
  // A contact icon dragged onto the open chooser and released: the person joins when the
  // mouse is over the chooser and the invitation rule lets them.
  static void DropPerson(SIM_Person* person);
  // The no-money dialog: the player pays for the person, who joins without further tests
  // (the dialog has asked HasPlaceFor). False when no chooser is open to take them.
  static bool AddInvitee(SIM_Person* person);
  // The kind of evening shown by the open chooser; null when none is open.
  static SIM_SocialiseType* GetCurrentType();

  ~GUI_SocialActivityChooser() override;
  void Draw() override;
  // Escape closes, Return starts (only when the start button is enabled), the left and right
  // arrows step.
  void OnKeyDown(int key) override;

  void Next();
  void Previous();
  // Starts the evening and closes the chooser; nothing while the start button is disabled.
  void Start();
  // The invitation rule for the shown kind of evening.
  bool CanInvite(SIM_Person* person);
  // The shown evening's own rules without asking the person (the guest limit, a romantic
  // outing's partner): what a guest the player pays for must still meet.
  bool HasPlaceFor(SIM_Person* person) const;
  // The start button's enabling as the draw sets it: a kind shown, enough guests, the cash
  // for it, in the part of the day when activities are open.
  bool CanStart() const;
  // What keeps the start button disabled, as the player reads it; empty when it can start.
  std::string WhyCannotStart() const;
  // The cash covers the player's share of the shown kind and the guests paid for.
  bool CashCoversTheBill() const;

  const std::vector<SIM_SocialiseType*>& Available() const { return types; }
  SIM_SocialiseType* Current() const { return current; }
  const std::vector<SIM_Person*>& Invitees() const { return invitees; }
  const std::vector<GUI_EventIcon*>& Icons() const { return icons; }
  GUI_ButtonText* StartButton() const { return startButton; }
  GUI_IconButton* NextArrow() const { return nextArrow; }
  GUI_IconButton* PreviousArrow() const { return previousArrow; }

 private:
  GUI_SocialActivityChooser();
  void ChangeType();
  // Takes off the guests who no longer come (SIM_SocialiseType::StillComes), with their
  // places and whoever was paid for among them; true when anyone went.
  bool DropWhoNoLongerCome();
  void ResetIcons();
  void AddIcon(GUI_EventIcon* icon);
  void LayOutIcons();
  void UpdateButtons();
  void DrawCostBlock();

  static GUI_SocialActivityChooser* instance;
  std::vector<SIM_SocialiseType*> types;
  size_t position = 0;
  SIM_SocialiseType* current = nullptr;
  std::vector<SIM_Person*> invitees;
  // Someone invited has left since (DropWhoNoLongerCome), and nobody has been invited in their
  // place: the start is refused with that reason rather than a plain "invite more".
  bool guestsLeft = false;
  std::vector<GUI_EventIcon*> icons;
  GUI_ButtonText* startButton = nullptr;
  GUI_IconButton* nextArrow = nullptr;
  GUI_IconButton* previousArrow = nullptr;
};
