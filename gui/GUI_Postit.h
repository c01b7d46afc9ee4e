// Post-it notes: yellow reminder notes stuck on the main screen at four fixed places (a
// bowling match today, an evening class to attend, pet food to buy). A note shows a short
// handwritten text and, when clicked, opens the place where the reminded thing is done: the
// solo activity chooser turned to an activity, or the shop.
//
// Notes are made and removed by the code that owns the reminder. Those owners are simulation
// objects, which hold no screen pointers: they keep the note's id (through SIM_Screens) and
// the screens find the note by it. A note is not closed when a game starts or loads; its
// owner drops it when it resets, so no owner is left holding a note that is gone.
#pragma once

#include <list>
#include <string>

#include "engine/BaseSprite.h"
#include "gui/GUI_WindowBase.h"

// What a click on a note opens.
enum GUI_PostitAction : int {
  kPostitShopping = 0,      // the shop, on its pets tab
  kPostitSoloActivity = 1,  // the solo chooser, turned to the note's activity name
  kPostitBowlingMatch = 2,  // the solo chooser, turned to the bowling match
  kPostitEveningClass = 3,  // the solo chooser, turned to the enrolled class of that name
};

class GUI_Postit : public GUI_WindowBase {
 public:
  static constexpr int kSlotCount = 4;
  static constexpr int kSize = 155;
  // The notes' places on the screen, left and top in pixels, never scaled (on a screen smaller
  // than 1024 x 768 a note that would pass its edge is moved back onto it).
  static constexpr int kSlotLeft[kSlotCount] = {292, 92, 754, 359};
  static constexpr int kSlotTop[kSlotCount] = {32, 203, 298, 618};
  // The shop's tab the shopping note opens: the pets' (its only sender is the pet food).
  static constexpr int kShopPetsTab = 2;
  static constexpr const char* kFont = "Wee Bairn";
  static constexpr int kFontSize = 24;
  static constexpr int kTextWidth = 110;
  static constexpr const char* kHighlightTexture = "postit_highlight.dds";
  static constexpr int kTextureSetEntry = 6;

  // A note with the text (already translated) in the first free slot; null, with a logged
  // warning, when all four are taken.
  static GUI_Postit* AddPostit(const std::string& text, int action);
  // The note with that id; null when there is none (any more).
  static GUI_Postit* Find(int id);
  // Deletes the note with that id; false when there is none.
  static bool Delete(int id);
  // Deletes every note (program end).
  static void DeleteAll();
  // Empties the slot table, deleting any note left in it (the screen's resources load).
  static void PrepareSlots();
  // Every note, in the order they were made; each draws in this order.
  static const std::list<GUI_Postit*>& All();
  // The note in a slot (0..3), or null.
  static GUI_Postit* InSlot(int slot);
  // Draws every note on the panels and under the dialogs (the window manager calls it
  // between the two).
  static void DrawAll();

  ~GUI_Postit() override;
  // The window manager draws nothing of a note as a window: DrawAll does, under the dialogs.
  void Draw() override {}
  // Only while the main scene shows, where the notes are drawn.
  void Update() override;
  // Runs the note's action when the point is on it and the main scene shows; the note stays.
  bool OnClick(float x, float y) override;

  // The solo activity (or the class) a kPostitSoloActivity (kPostitEveningClass) note turns
  // the chooser to.
  void SetSecondText(const std::string& activityName) { secondText = activityName; }
  const std::string& GetSecondText() const { return secondText; }
  const std::string& GetText() const { return text; }
  int GetAction() const { return action; }
  int GetId() const { return id; }
  int GetSlot() const { return slot; }
  bool IsFlipped() const { return flipped; }
  // The top-left corner of the note's text: further right on a mirrored note, whose curled
  // edge is on the left.
  float TextX() const;
  float TextY() const;

 private:
  GUI_Postit(const std::string& text, int action, int slot);
  void DrawNote();
  void RunAction();

  BaseSprite sprite;
  std::string text;
  bool flipped = false;
  int slot = 0;
  int action = kPostitShopping;
  std::string secondText;
  int id = 0;
};
