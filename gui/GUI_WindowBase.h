// The base of every window, panel and pop-up: a button list with owned child windows, a
// visible flag, registration with the window manager, an optional modal role, mouse blocking
// and dragging. Deleting a window unlinks it from every list that holds it.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "gui/GUIButtonList.h"

class GUI_WindowBase : public GUIButtonList {
 public:
  GUI_WindowBase();
  ~GUI_WindowBase() override;

  // Destroyed at once; the memory waits for the end of the dispatch (see GUI_WindowManager).
  static void* operator new(std::size_t size);
  static void operator delete(void* p);

  void Draw() override;
  void AddButton(GUI_ButtonBase* button) override;
  void Update() override;
  virtual void OnKeyDown(int /*key*/) {}
  // A key pressed while this window answers the keys (the top modal window, or with none open
  // the top dialog) and holds no key capture: true when the window took it. A box or question
  // names its answers with SetKeyAnswers and so answers as every other one does.
  virtual bool AnswerKey(int key);
  virtual bool OnClick(float x, float y);
  virtual bool IsDialog() const { return false; }
  // A window that holds the screen until it is closed dims what lies under it, so the player
  // sees why the rest does not answer.
  virtual bool DimsWhatItHolds() const { return false; }
  // Where a window stands among the modal ones, whatever order they were made modal in: the
  // modal list keeps them by rank, then by time, so the top of the list is the window drawn on
  // top, and the one that takes the clicks and keys. The main scene's windows share the lowest
  // rank. A full-screen page covers the scene; each kind has a rank of its own, in the order the
  // in-game screen picks the one it shows. A box or question lies over any page, whenever it
  // was raised; a one-time hint over everything, as it explains the window it came with.
  enum class Rank {
    kScene,
    kEventReportPage,
    kEveningReportPage,
    kWorkDayPage,
    kInterludePage,
    kReviewPage,
    kEndPage,
    kStandingPage,
    kBox,
    kHint,
  };
  virtual Rank GetRank() const { return Rank::kScene; }
  bool IsPage() const {
    return GetRank() >= Rank::kEventReportPage && GetRank() <= Rank::kStandingPage;
  }
  // Drawn over a full-screen page, and the only windows that answer there.
  bool LiesOverPages() const { return GetRank() > Rank::kStandingPage; }

  // Puts the window on top of the manager's list (removing an earlier entry first).
  void Open();
  // Takes it off the manager's list without deleting it.
  void Close();
  void AddChild(GUI_WindowBase* child);
  void RemoveChild(GUI_WindowBase* child);
  void DeleteChildren();
  void DrawChildren();
  bool IsMouseOver() const;
  // The mouse is over this window and no window above it took the mouse in this frame's
  // update: only then does the window's own tooltip show. Read after the base Update.
  bool HasTheMouse() const { return mouseFree && IsMouseOver(); }
  // Bitmap-font text: no screen loads a bitmap font, so this draws nothing.
  void DrawText(const char* text, float x, float y, unsigned argb);

  bool IsVisible() const { return visible; }
  void SetVisible(bool v) { visible = v; }
  bool CloseOnNewGame() const { return closeOnNewGame; }
  void SetCloseOnNewGame(bool v) { closeOnNewGame = v; }
  bool IsRegistered() const { return registered; }
  bool IsModal() const { return modal; }
  // Registers the window as modal with the manager (once) and marks it, so its destructor
  // leaves the modal list again.
  void MakeModal();
  bool IsDragging() const { return dragging; }
  void SetDraggable(bool d) { draggable = d; }
  void SetBlocksMouse(bool b) { blocksMouse = b; }
  GUI_WindowBase* GetParent() const { return parent; }
  const std::vector<GUI_WindowBase*>& Children() const { return children; }

 protected:
  void DragStep();
  // The keys of a box or question: Return presses its default answer (the plain yes or OK),
  // Escape its cancel (or close). Both are buttons of this window; null leaves the key to the
  // screen. A disabled answer takes its key and does nothing.
  void SetKeyAnswers(GUI_ButtonBase* onReturn, GUI_ButtonBase* onEscape);

  std::vector<GUI_WindowBase*> children;
  bool visible = true;
  bool registered = false;
  GUI_WindowBase* parent = nullptr;
  bool modal = false;
  bool blocksMouse = true;
  bool draggable = false;
  float dragOffsetX = 0, dragOffsetY = 0;
  bool dragging = false;
  bool closeOnNewGame = true;
  bool mouseFree = false;  // no window above had taken the mouse when this one was updated

 private:
  GUI_ButtonBase* returnAnswer = nullptr;
  GUI_ButtonBase* escapeAnswer = nullptr;
};
