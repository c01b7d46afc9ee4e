// Stand-in for the job-offer dialog (the answer to an application) until it is built: it
// records its calls and, as the dialog will, holds the mail item that carried the offer. The
// item's end closes it, so the dialog never answers through an item the day's end has deleted.
#pragma once

class GUI_Email;
class SIM_JobOffer;

class GUI_JobOffer {
 public:
  // Opens the dialog for the item (closing one already open).
  static void Open(SIM_JobOffer* offer, GUI_Email* item);
  static void Close();
  static bool IsOpen();
  // The item the open dialog holds, or null.
  static GUI_Email* HeldItem();
  // Accept or reject: the item is used up and the dialog closes. Nothing when none is open.
  static void Answer();
};
