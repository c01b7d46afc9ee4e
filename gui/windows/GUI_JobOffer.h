// The answer to a job application, opened from its mail item: an offer letter with the
// employer's picture and Accept and Reject, or a rejection letter with a tilted stamp and the
// reason. Accept and Reject use up the offer and its item; the close button keeps both, so the
// item can be opened again. Not modal; one at a time.
//
// The window holds the item: deleting the item (the day's end) closes the window first, so it
// never answers through a deleted item. It also closes itself when its offer is gone.
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_Email;
class SIM_JobOffer;

class GUI_JobOffer : public GUI_Dialog {
 public:
  static constexpr int kWidth = 400;
  static constexpr int kHeight = 400;

  // Replaces an open job-offer window; nothing (a soft assertion) for a null offer or item.
  static void Open(SIM_JobOffer* offer, GUI_Email* item);
  // The close button: the window only.
  static void Close(void* unused = nullptr);
  static void Accept(void* unused = nullptr);
  static void Reject(void* unused = nullptr);
  static GUI_JobOffer* Instance() { return instance; }
  static bool IsOpen() { return instance != nullptr; }
  // The item the open window holds, or null.
  static GUI_Email* HeldItem() { return instance ? instance->item : nullptr; }

  // The letter with its placeholders filled, for an offer (or a rejection) as it stands. With
  // a line width, each word of the player's name is cut to fit a line of the letter's text.
  static std::string BuildLetter(const SIM_JobOffer& offer, int lineWidth = 0);

  ~GUI_JobOffer() override;
  // The width the letter wraps at.
  int LetterWidth() const;
  void Draw() override;

  const std::string& GetText() const { return text; }
  SIM_JobOffer* GetOffer() const { return offer; }
  GUI_ButtonText* GetAcceptButton() const { return acceptButton; }
  GUI_ButtonText* GetRejectButton() const { return rejectButton; }

 private:
  GUI_JobOffer(SIM_JobOffer* offer, GUI_Email* item);
  // Uses up the offer and the item and closes the window.
  void Finish(bool accept);

  static GUI_JobOffer* instance;
  SIM_JobOffer* offer;
  GUI_Email* item;
  GUI_ButtonText* acceptButton = nullptr;
  GUI_ButtonText* rejectButton = nullptr;
  std::string text;
  BaseSprite picture;
};
