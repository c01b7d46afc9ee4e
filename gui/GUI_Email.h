// Stand-in for the main screen's e-mail items until they are built: each operation records its
// call. The job offer and the job unlock already make items, so their windows have something to
// hold: an item lives in one list until DeleteAll or the window that answers it deletes it, and
// its deletion closes the window that holds it.
#pragma once

#include <functional>
#include <string>
#include <vector>

class SIM_JobBase;
class SIM_JobOffer;
class SIM_NPC;
class SIM_SocialInvitation;

enum GUI_EmailType : int {
  EMAIL_JOBUNLOCK = 0,  // a character's job (SIM_NPC)
  EMAIL_JOBOFFER = 1,   // an application's answer (SIM_JobOffer)
};

class GUI_Email {
 public:
  static void DeleteAll();
  // The new-mail notifier drawn under the windows, and the clicks no window or icon took.
  static void DrawNotifier();
  static void OnLeftClick();
  static void AddInvitation(SIM_SocialInvitation* invitation);
  static void AddNewFriend(SIM_NPC* npc);
  static void AddNPCMessage(SIM_NPC* npc, const std::string& text);
  // Each makes an item at the end of the list and returns it (the list owns it).
  static GUI_Email* AddJobUnlock(SIM_NPC* npc, SIM_JobBase* job);
  static GUI_Email* AddJobOffer(SIM_JobOffer* offer);
  static const std::vector<GUI_Email*>& Items();

  virtual ~GUI_Email();
  GUI_Email(const GUI_Email&) = delete;
  GUI_Email& operator=(const GUI_Email&) = delete;

  // A window that keeps this item tells how to close it; the item calls it when it is
  // deleted, before the window could use it again. An empty function lets go.
  void SetHolder(std::function<void()> close) { holder_ = std::move(close); }
  bool HasHolder() const { return static_cast<bool>(holder_); }
  GUI_EmailType GetType() const { return type_; }
  void* GetData() const { return data_; }

 private:
  GUI_Email(void* data, GUI_EmailType type);
  void* data_;
  GUI_EmailType type_;
  std::function<void()> holder_;
};
