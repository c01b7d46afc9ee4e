// A character's offer of the job they can open to the player through a personal contact (their
// unlockable job, otherwise locked): opened from its mail item. Accept gives the player the
// job at once, without an application; Reject discards the offer. Both use up the item; the
// close button keeps it. Not modal; one at a time.
//
// The window holds the item: deleting the item (the day's end) closes the window first.
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "gui/GUI_Dialog.h"

class GUI_ButtonText;
class GUI_Email;
class SIM_JobBase;
class SIM_NPC;

class GUI_JobUnlock : public GUI_Dialog {
 public:
  static constexpr int kWidth = 450;
  static constexpr int kHeight = 260;

  // Replaces an open job-unlock window; nothing (a soft assertion) for a null character or
  // item, or a character without an unlockable job.
  static void Open(SIM_NPC* npc, GUI_Email* item);
  static void Close(void* unused = nullptr);
  static void Accept(void* unused = nullptr);
  static void Reject(void* unused = nullptr);
  static GUI_JobUnlock* Instance() { return instance; }
  static bool IsOpen() { return instance != nullptr; }
  static GUI_Email* HeldItem() { return instance ? instance->item : nullptr; }

  ~GUI_JobUnlock() override;
  void Draw() override;

  SIM_NPC* GetNpc() const { return npc; }
  SIM_JobBase* GetJob() const { return job; }
  const std::string& GetText() const { return text; }
  // The three rows under the portrait: job, employer, salary.
  std::string GetJobRow() const;
  std::string GetEmployerRow() const;
  std::string GetSalaryRow() const;
  GUI_ButtonText* GetAcceptButton() const { return acceptButton; }
  GUI_ButtonText* GetRejectButton() const { return rejectButton; }

 private:
  GUI_JobUnlock(SIM_NPC* npc, SIM_JobBase* job, GUI_Email* item);
  void Finish(bool accept);

  static GUI_JobUnlock* instance;
  SIM_NPC* npc;
  SIM_JobBase* job;
  GUI_Email* item;
  GUI_ButtonText* acceptButton = nullptr;
  GUI_ButtonText* rejectButton = nullptr;
  std::string text;
  BaseSprite portrait;
};
