// The main screen's mail and phone items: each message of the day (a job offer, an invitation,
// a note from a character, a new friend, a royalty statement, a special event, a picture
// message) waits as an envelope or a telephone that slides in from the right edge until the
// player clicks it, which opens the window of its type. Every item goes when the day ends.
//
// The items own themselves through one global list (oldest first): a factory makes an item and
// the list keeps it until DeleteAll, RemoveInvitation or the window that answers it deletes it.
#pragma once

#include <cstdint>
#include <functional>
#include <list>
#include <string>

#include "gui/GUI_BaseElement.h"

class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;
class SIM_RoyaltyStream;
class SIM_SocialInvitation;
class SIM_SpecialEvent;

enum GUI_EmailType : int32_t {
  EMAIL_JOBUNLOCK = 0,       // a character's job (SIM_NPC): the job-unlock dialog
  EMAIL_JOBOFFER = 1,        // an application's answer (SIM_JobOffer): the job-offer dialog
  EMAIL_INVITATION = 2,      // SIM_SocialInvitation: the invitation dialog
  EMAIL_RUMOUR = 3,          // SIM_NPC: a random rumour told as that character's message
  EMAIL_NPCMESSAGE = 4,      // SIM_NPC and a text: the character's message
  EMAIL_ROYALTYREPORT = 5,   // SIM_RoyaltyStream: the royalty report
  EMAIL_TEXTUREMESSAGE = 6,  // no data; picture, text and title: a picture message
  EMAIL_SPECIALEVENT = 7,    // SIM_SpecialEvent: the special-event window
  EMAIL_NEWFRIEND = 8,       // SIM_NPC: the new friend's greeting
};

class GUI_Email : public GUI_BaseElement {
 public:
  // Items are squares of this size, whatever the screen's scale.
  static constexpr int kSize = 41;
  // Below the avatar's vertical anchor (half the screen height).
  static constexpr int kBelowAnchor = 266;
  // After a deletion the first item stands this far from the right edge.
  static constexpr int kRightMargin = 20;
  // Pixels slid per frame step.
  static constexpr float kSlideSpeed = 12.0f;
  static constexpr const char* kTelephoneSound = "data/sounds/telephone.ogg";
  static constexpr const char* kMailSound = "data/sounds/youhavemail.ogg";

  // The factories: each makes an item at the end of the list and returns it (the list owns it).
  // A job unlock carries the character whose job it is.
  static GUI_Email* AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job);
  static GUI_Email* AddJobOffer(SIM_JobOffer* offer);
  static GUI_Email* AddInvitation(SIM_SocialInvitation* invitation);
  static GUI_Email* AddRumour(SIM_NPC* npc);
  static GUI_Email* AddNPCMessage(SIM_NPC* npc, const std::string& text);
  static GUI_Email* AddRoyaltyReport(SIM_RoyaltyStream* stream);
  static GUI_Email* AddTextureMessage(const std::string& picture, const std::string& text,
                                      const std::string& title);
  static GUI_Email* AddSpecialEvent(SIM_SpecialEvent* event);
  static GUI_Email* AddNewFriend(SIM_NPC* npc);

  // Deletes the first invitation item carrying that invitation (it has been answered).
  static void RemoveInvitation(SIM_SocialInvitation* invitation);
  // Deletes every item (the day's end, a game's start).
  static void DeleteAll();
  // Every frame from the main scene: the items, then the new-mail sound once per new batch.
  static void DrawAll();
  // A click no window took: opens the first item under the mouse. True when one took it.
  static bool ClickAll();

  static const std::list<GUI_Email*>& Items();
  // Set when an item is made; cleared when its sound has been played.
  static bool HasNewMail();

  ~GUI_Email() override;
  GUI_Email(const GUI_Email&) = delete;
  GUI_Email& operator=(const GUI_Email&) = delete;

  void Draw() override;
  // Opens the item when (x, y) is on it.
  bool OnClick(float x, float y);
  // The action of its type; opening an opened item runs it again.
  void Open();

  // A window that keeps this item (the job offer and job unlock dialogs) tells how to close
  // it; the item calls it when it is deleted, before the window could use it again. An empty
  // function lets go.
  void SetHolder(std::function<void()> close) { holder_ = std::move(close); }
  bool HasHolder() const { return static_cast<bool>(holder_); }

  GUI_EmailType GetType() const { return type_; }
  void* GetData() const { return data_; }
  bool IsOpened() const { return opened_; }
  // Envelope look (a laptop when it was made), else telephone.
  bool IsLaptop() const { return laptop_; }
  float GetTargetX() const { return targetX_; }
  // The icon the item shows now.
  const char* GetIcon(bool hover) const;
  // A character's message or a picture message's text; a picture message's title and picture.
  const std::string& GetText() const { return text_; }
  const std::string& GetTitle() const { return title_; }
  const std::string& GetPicture() const { return picture_; }
  // An item made again after a load looks as it did: opened or not, envelope or telephone.
  void RestoreLook(bool opened, bool laptop) {
    opened_ = opened;
    laptop_ = laptop;
  }

 private:
  GUI_Email(void* data, GUI_EmailType type);
  void Slide();
  // After a deletion: the remaining items line up from the right edge and slide back.
  static void LayOut();

  void* data_ = nullptr;
  bool opened_ = false;
  GUI_EmailType type_;
  std::string text_;     // a character's message; a picture message's text
  std::string title_;    // a picture message's title
  std::string picture_;  // a picture message's picture
  float targetX_ = 0.0f;
  bool laptop_ = false;
  std::function<void()> holder_;
};
