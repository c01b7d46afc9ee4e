// Stand-in for the job-unlock dialog (a character's offer of their own job) until it is built:
// it records its calls and, as the dialog will, holds the mail item that carried the offer.
// The item's end closes it, so the dialog never answers through an item the day's end has
// deleted.
#pragma once

class GUI_Email;
class SIM_NPC;

class GUI_JobUnlock {
 public:
  // Opens the dialog for the item (closing one already open).
  static void Open(SIM_NPC* npc, GUI_Email* item);
  static void Close();
  static bool IsOpen();
  // The item the open dialog holds, or null.
  static GUI_Email* HeldItem();
  // Accept or reject: the item is used up and the dialog closes. Nothing when none is open.
  static void Answer();
};
