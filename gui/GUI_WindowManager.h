// The one object that knows every open window: z-order, the modal list, the per-frame update
// and draw, and left clicks from the top down. Neither list owns its windows.
//
// Windows and buttons are often deleted from their own callbacks (a close button deletes its
// window; an OK button opens a second box that replaces the first). Such an object is
// destroyed at once (unregistered, its side effects run) but its memory is freed only when
// the outermost dispatch (click, update, draw) has returned, so the code still on the stack
// never touches freed memory.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <unordered_map>
#include <vector>

class CachedPicture;
class GUI_WindowBase;

class GUI_WindowManager {
 public:
  static GUI_WindowManager& Instance();
  GUI_WindowManager(const GUI_WindowManager&) = delete;
  GUI_WindowManager& operator=(const GUI_WindowManager&) = delete;

  void Add(GUI_WindowBase* window);
  void Remove(GUI_WindowBase* window);
  // Adding a window that is already modal does nothing. The list is kept by the windows' ranks,
  // then by the order they were made modal, so the top of the list is the window that answers.
  void AddModal(GUI_WindowBase* window);
  void RemoveModal(GUI_WindowBase* window);
  void BringToFront(GUI_WindowBase* window);

  void UpdateAll();
  bool ClickAll();
  // Panels, then what lies between the panels and the dialogs (the in-game screen's notes),
  // then the dialogs by rank (boxes and hints last).
  void DrawAll(const std::function<void()>& underDialogs = {});
  // What lies over a full-screen page, drawn instead of the main scene: the boxes, questions
  // and hints, in the modal list's order.
  void DrawOverPage();

  bool AnyDialogOpen() const;
  // Deletes the topmost dialog; nothing while a modal dialog is open.
  void CloseTopDialog();
  // The window that answers Return and Escape: the top modal window, or with none open the
  // topmost dialog (the one Escape would close). Null when there is neither.
  GUI_WindowBase* KeyAnswerer() const;
  // Deletes every window marked close-on-new-game, bottom first.
  void CloseAllWindows();
  // True while CloseAllWindows runs, so windows whose destruction ends the player's activity
  // slot can tell a teardown from the player closing them.
  bool IsClosingAll() const { return closingAll_; }

  bool Contains(const GUI_WindowBase* window) const;
  bool IsModal(const GUI_WindowBase* window) const;
  // The modal window that answers clicks and keys now (an open hint before any other), or
  // null when none is open.
  GUI_WindowBase* TopModal() const;
  // The full-screen page in the modal list that the others lie under, or null.
  GUI_WindowBase* TopPage() const;
  // Whether a modal window holds the screen and this window of the list (or child of one) is
  // neither one of them nor inside one: it takes no click and no update, so its buttons must
  // not look as if they would.
  bool IsHeld(const GUI_WindowBase* window) const;
  // The windows from the top down as the player sees them: dialogs (the last in the list
  // first) over panels, whatever their places in the list. Updates and clicks go this way, so the
  // window drawn on top is the one that takes the mouse, its hover and its tooltip.
  std::vector<GUI_WindowBase*> TopDown() const;
  // Dims everything drawn so far (its queued text too): what a window that dims what it holds
  // lies over.
  static void DimTheScreen();
  static constexpr uint32_t kHeldShade = 0x90000000u;
  const std::vector<GUI_WindowBase*>& Windows() const { return windows_; }
  const std::vector<GUI_WindowBase*>& ModalWindows() const { return modal_; }

  // The persistent panel texts, drawn once per frame under the dialogs. The in-game screen
  // registers its panels' drawing here and clears the guard at the start of every frame.
  void SetPanelTextDrawer(std::function<void()> drawer) { panelText_ = std::move(drawer); }
  void BeginFrame() { panelTextDrawn_ = false; }
  bool PanelTextDrawnThisFrame() const { return panelTextDrawn_; }

  // Marks a dispatch in progress; memory freed meanwhile waits until the outermost ends.
  class DispatchGuard {
   public:
    DispatchGuard();
    ~DispatchGuard();
    DispatchGuard(const DispatchGuard&) = delete;
    DispatchGuard& operator=(const DispatchGuard&) = delete;
  };
  // The memory release of windows and buttons: at once outside a dispatch, else deferred.
  static void FreeLater(void* p);
  static size_t PendingFrees();

  // Empties both lists without deleting anything (tests).
  void ResetForTesting();
  // Called after each window is drawn with the name of its type (tests watch what a window
  // leaves behind for the windows drawn after it), after the panel layer for the panels, whose
  // queued texts the manager draws under the dialogs. Empty: nothing is called.
  static void SetWindowDrawnHookForTesting(std::function<void(const char* type)> hook);
  // Windows drawn outside the manager (over a full-screen page, on a menu) report here too.
  static void WindowDrawn(const char* type);

 private:
  GUI_WindowManager();
  ~GUI_WindowManager();
  void DrawPanelText();
  // Whether this modal window gets the update and the click now; asked per button each frame,
  // so it builds no list.
  bool Answers(const GUI_WindowBase* window) const;
  // The modal windows that get the update and the click, top first.
  std::vector<GUI_WindowBase*> AnsweringModals() const;
  // A window's shapes (its text is drawn apart) from its own cached picture; the name of its
  // type.
  const char* DrawWindow(GUI_WindowBase* window);
  GUI_WindowBase* TopDialog() const;
  // Draws the windows in that order, dimming the screen under the first that dims what it
  // holds, then their texts.
  void DrawInTurn(const std::vector<GUI_WindowBase*>& order);

  std::vector<GUI_WindowBase*> windows_;
  std::vector<GUI_WindowBase*> modal_;
  std::function<void()> panelText_;
  bool panelTextDrawn_ = false;
  bool closingAll_ = false;
  std::unordered_map<const GUI_WindowBase*, std::unique_ptr<CachedPicture>> pictures_;
};
