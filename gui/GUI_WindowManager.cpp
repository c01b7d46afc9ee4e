// Window manager.
#include "gui/GUI_WindowManager.h"

#include "engine/CachedPicture.h"
#include "engine/D3DEngine.h"

#include <algorithm>
#include <new>
#include <typeinfo>

#include "gui/GUI_Services.h"
#include "gui/GUI_WindowBase.h"

namespace {
int g_dispatchDepth = 0;

std::function<void(const char*)>& DrawnHook() {
  static std::function<void(const char*)> hook;
  return hook;
}

std::vector<void*>& Pending() {
  static std::vector<void*> pending;
  return pending;
}

template <class T>
void EraseAll(std::vector<T*>& list, const T* item) {
  list.erase(std::remove(list.begin(), list.end(), item), list.end());
}
}  // namespace

GUI_WindowManager& GUI_WindowManager::Instance() {
  static GUI_WindowManager manager;
  return manager;
}

GUI_WindowManager::DispatchGuard::DispatchGuard() { ++g_dispatchDepth; }

GUI_WindowManager::DispatchGuard::~DispatchGuard() {
  if (--g_dispatchDepth > 0) return;
  std::vector<void*> pending;
  pending.swap(Pending());
  for (void* p : pending) ::operator delete(p);
}

void GUI_WindowManager::FreeLater(void* p) {
  if (!p) return;
  if (g_dispatchDepth > 0) {
    Pending().push_back(p);
  } else {
    ::operator delete(p);
  }
}

size_t GUI_WindowManager::PendingFrees() { return Pending().size(); }

void GUI_WindowManager::Add(GUI_WindowBase* window) {
  if (window) windows_.push_back(window);
}

void GUI_WindowManager::Remove(GUI_WindowBase* window) { EraseAll(windows_, window); }

void GUI_WindowManager::AddModal(GUI_WindowBase* window) {
  if (!window || IsModal(window)) return;
  // Over every window of its rank or below, under every window ranked above it: a dialog made
  // modal after a hint opened over it still waits under the hint, and a page opened after a
  // box (the day's "contract over" before its summary) lies under the box.
  const GUI_WindowBase::Rank rank = window->GetRank();
  auto at = modal_.end();
  while (at != modal_.begin() && (*std::prev(at))->GetRank() > rank) --at;
  modal_.insert(at, window);
}

GUI_WindowBase* GUI_WindowManager::TopModal() const {
  return modal_.empty() ? nullptr : modal_.back();
}

GUI_WindowBase* GUI_WindowManager::TopPage() const {
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if ((*it)->IsPage()) return *it;
  return nullptr;
}

bool GUI_WindowManager::Answers(const GUI_WindowBase* window) const {
  if (!IsModal(window)) return false;
  const GUI_WindowBase* top = modal_.back();
  // Open hints hold every other window: a click beside one, on the window it explains, is
  // refused. Each of them answers, as they lie apart.
  if (top->GetRank() == GUI_WindowBase::Rank::kHint)
    return window->GetRank() == GUI_WindowBase::Rank::kHint;
  // Over a full-screen page only the window on top answers: the page itself, or the box over
  // it, beside which a click is dropped rather than reaching the page under it. In the main
  // scene a click none takes goes on to the next modal window down.
  return window == top || !TopPage();
}

std::vector<GUI_WindowBase*> GUI_WindowManager::AnsweringModals() const {
  std::vector<GUI_WindowBase*> order;
  for (auto it = modal_.rbegin(); it != modal_.rend(); ++it)
    if (Answers(*it)) order.push_back(*it);
  return order;
}

void GUI_WindowManager::RemoveModal(GUI_WindowBase* window) { EraseAll(modal_, window); }

void GUI_WindowManager::BringToFront(GUI_WindowBase* window) {
  auto it = std::find(windows_.begin(), windows_.end(), window);
  if (it == windows_.end()) return;
  windows_.erase(it);
  windows_.push_back(window);
}

bool GUI_WindowManager::Contains(const GUI_WindowBase* window) const {
  return std::find(windows_.begin(), windows_.end(), window) != windows_.end();
}

bool GUI_WindowManager::IsModal(const GUI_WindowBase* window) const {
  return std::find(modal_.begin(), modal_.end(), window) != modal_.end();
}

bool GUI_WindowManager::IsHeld(const GUI_WindowBase* window) const {
  if (modal_.empty() || !window) return false;
  // Only a window of the manager's list (or a child of one) is known to be held: a page of a
  // tab container or a full-screen page is drawn by its owner, which may be the modal one.
  const GUI_WindowBase* top = window;
  for (const GUI_WindowBase* w = window; w; w = w->GetParent()) {
    if (Answers(w)) return false;
    top = w;
  }
  return Contains(top);
}

std::vector<GUI_WindowBase*> GUI_WindowManager::TopDown() const {
  std::vector<GUI_WindowBase*> order;
  order.reserve(windows_.size());
  for (const bool dialogs : {true, false})
    for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
      if ((*it)->IsDialog() == dialogs) order.push_back(*it);
  return order;
}

void GUI_WindowManager::DimTheScreen() {
  GUI_Services::FlushText();
  D3DEngine& engine = D3DEngine::Instance();
  engine.FillRect(0, 0, engine.GetWidth(), engine.GetHeight(), kHeldShade);
}

void GUI_WindowManager::UpdateAll() {
  DispatchGuard guard;
  // Work on a copy: an update may open or delete windows. A window deleted meanwhile has
  // left the list it came from and is skipped.
  const bool modalOpen = !modal_.empty();
  const std::vector<GUI_WindowBase*> order = modalOpen ? AnsweringModals() : TopDown();
  for (GUI_WindowBase* window : order) {
    const bool alive = modalOpen ? IsModal(window) : Contains(window);
    if (alive) window->Update();
  }
}

bool GUI_WindowManager::ClickAll() {
  DispatchGuard guard;
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  const bool modalOpen = !modal_.empty();
  // Under an open hint the other modal windows are held too: a click beside the hint, on
  // the window it explains, is refused like any other.
  const std::vector<GUI_WindowBase*> order = modalOpen ? AnsweringModals() : TopDown();
  for (GUI_WindowBase* window : order) {
    const bool alive = modalOpen ? IsModal(window) : Contains(window);
    if (alive && window->OnClick(x, y)) return true;
  }
  if (!modalOpen) return false;
  GUI_Services::PlaySound("data/sounds/error.ogg");
  return true;
}

void GUI_WindowManager::DrawPanelText() {
  if (panelTextDrawn_) return;
  if (panelText_) panelText_();
  panelTextDrawn_ = true;
}

GUI_WindowManager::GUI_WindowManager() = default;
GUI_WindowManager::~GUI_WindowManager() = default;

void GUI_WindowManager::SetWindowDrawnHookForTesting(std::function<void(const char*)> hook) {
  DrawnHook() = std::move(hook);
}

void GUI_WindowManager::WindowDrawn(const char* type) {
  if (DrawnHook()) DrawnHook()(type);
}

const char* GUI_WindowManager::DrawWindow(GUI_WindowBase* window) {
  std::unique_ptr<CachedPicture>& picture = pictures_[window];
  if (!picture) picture = std::make_unique<CachedPicture>(CachedPicture::Kind::kLayer);
  const char* type = typeid(*window).name();
  // Recorded, the window draws nothing but its shapes: it may be gone after its own Draw.
  picture->Draw([window] { window->Draw(); });
  return type;
}

void GUI_WindowManager::DrawAll(const std::function<void()>& underDialogs) {
  DispatchGuard guard;
  const std::vector<GUI_WindowBase*> order = windows_;
  std::vector<const char*> panels;
  for (GUI_WindowBase* window : order)
    if (Contains(window) && window->IsVisible() && !window->IsDialog())
      panels.push_back(DrawWindow(window));
  // What the panels queued (a bar's change pop-up) lies on the panels, under the notes and
  // the dialogs; each dialog draws its own texts.
  GUI_Services::FlushText();
  for (const char* type : panels) WindowDrawn(type);
  // The panels' texts, then what lies on the panels and under every dialog.
  DrawPanelText();
  if (underDialogs) underDialogs();
  // By rank, as the modal list holds them: a box or a hint lies over the dialogs of the scene
  // wherever it stands in the list; within a rank the list's order (the last brought to front
  // on top).
  std::vector<GUI_WindowBase*> dialogs;
  for (GUI_WindowBase* window : order)
    if (Contains(window) && window->IsDialog()) dialogs.push_back(window);
  std::stable_sort(dialogs.begin(), dialogs.end(),
                   [](const GUI_WindowBase* a, const GUI_WindowBase* b) {
                     return a->GetRank() < b->GetRank();
                   });
  DrawInTurn(dialogs);
}

void GUI_WindowManager::DrawOverPage() {
  DispatchGuard guard;
  std::vector<GUI_WindowBase*> over;
  for (GUI_WindowBase* window : modal_)
    if (window->LiesOverPages()) over.push_back(window);
  DrawInTurn(over);
}

void GUI_WindowManager::DrawInTurn(const std::vector<GUI_WindowBase*>& order) {
  bool dimmed = false;
  for (GUI_WindowBase* window : order) {
    if (!Contains(window) || !window->IsVisible()) continue;
    if (!dimmed && window->DimsWhatItHolds()) {
      DimTheScreen();
      dimmed = true;
    }
    WindowDrawn(DrawWindow(window));
  }
  GUI_Services::FlushText();
  // Pictures of windows that have gone go with them.
  for (auto it = pictures_.begin(); it != pictures_.end();)
    it = Contains(it->first) ? std::next(it) : pictures_.erase(it);
}

bool GUI_WindowManager::AnyDialogOpen() const {
  return std::any_of(windows_.begin(), windows_.end(),
                     [](const GUI_WindowBase* w) { return w->IsDialog(); });
}

GUI_WindowBase* GUI_WindowManager::TopDialog() const {
  for (auto it = windows_.rbegin(); it != windows_.rend(); ++it)
    if ((*it)->IsDialog()) return *it;
  return nullptr;
}

void GUI_WindowManager::CloseTopDialog() {
  if (!modal_.empty()) return;
  delete TopDialog();
}

GUI_WindowBase* GUI_WindowManager::KeyAnswerer() const {
  if (GUI_WindowBase* top = TopModal()) return top;
  return TopDialog();
}

void GUI_WindowManager::CloseAllWindows() {
  DispatchGuard guard;
  closingAll_ = true;
  // Each deletion changes the list, and a destructor may open another window (a message):
  // the search starts again each time, and a window opened during the teardown is not
  // deleted by it, so the loop always ends.
  const std::vector<GUI_WindowBase*> before = windows_;
  for (;;) {
    GUI_WindowBase* victim = nullptr;
    for (GUI_WindowBase* w : windows_) {
      if (w->CloseOnNewGame() &&
          std::find(before.begin(), before.end(), w) != before.end()) {
        victim = w;
        break;
      }
    }
    if (!victim) break;
    delete victim;
  }
  closingAll_ = false;
}

void GUI_WindowManager::ResetForTesting() {
  windows_.clear();
  modal_.clear();
  panelText_ = nullptr;
  panelTextDrawn_ = false;
  closingAll_ = false;
}
