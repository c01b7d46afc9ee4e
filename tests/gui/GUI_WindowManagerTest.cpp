// Windows under the manager: z-order, first taker, modal dialogs, deleting a window from its
// own callback, dragging, closing dialogs and clearing for a new game.
#include "gui/GUI_WindowManager.h"

#include "engine/CallTrace.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Dialog.h"
#include "gui/GUI_HelpButton.h"
#include "gui/GuiFixture.h"
#include "gui/windows/GUI_Message.h"
#include "sim/SIM_Vesk.h"

namespace {

using guitest::GuiTest;

GUI_WindowBase* MakePanel(int l, int t, int r, int b) {
  auto* w = new GUI_WindowBase();
  w->SetRect(static_cast<float>(l), static_cast<float>(t), static_cast<float>(r), static_cast<float>(b));
  w->Open();
  return w;
}

GUI_Dialog* MakeDialog(int l, int t, int r, int b) {
  auto* d = new GUI_Dialog(true);
  d->SetRect(static_cast<float>(l), static_cast<float>(t), static_cast<float>(r), static_cast<float>(b));
  return d;
}

int g_hits = 0;
void Hit(void*) { ++g_hits; }

// A callback that deletes the window that owns the button (as most OK buttons do).
void DeleteOwner(void* window) { delete static_cast<GUI_WindowBase*>(window); }

using ManagerTest = GuiTest;

TEST_F(ManagerTest, BackgroundClickIsTakenAndBringsTheWindowToTheFront) {
  auto& m = GUI_WindowManager::Instance();
  GUI_WindowBase* a = MakePanel(0, 0, 200, 200);
  GUI_WindowBase* b = MakePanel(300, 0, 500, 200);
  ASSERT_EQ(m.Windows().back(), b);
  MoveMouse(50, 50);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_EQ(m.Windows().back(), a);
  MoveMouse(700, 700);
  EXPECT_FALSE(m.ClickAll());  // nothing there: the scene gets it

  b->SetVisible(false);  // hidden: inert but still registered
  MoveMouse(350, 50);
  EXPECT_FALSE(m.ClickAll());
  EXPECT_TRUE(m.Contains(b));
  delete a;
  delete b;
  EXPECT_TRUE(m.Windows().empty());
}

TEST_F(ManagerTest, TopWindowTakesTheMouseSoButtonsBelowShowNoHover) {
  auto& m = GUI_WindowManager::Instance();
  GUI_WindowBase* below = MakePanel(0, 0, 300, 300);
  auto* button = new GUI_ButtonText("b", Hit, nullptr);
  button->SetRect(10, 10, 100, 40);
  below->AddButton(button);
  GUI_WindowBase* above = MakePanel(0, 0, 50, 50);
  MoveMouse(20, 20);
  NewFrame();
  m.UpdateAll();
  EXPECT_EQ(button->GetHover(), 0);
  above->SetVisible(false);
  NewFrame();
  m.UpdateAll();
  EXPECT_EQ(button->GetHover(), 1);
}

TEST_F(ManagerTest, ModalDialogBlocksOtherWindowsAndBuzzesOutsideClicks) {
  auto& m = GUI_WindowManager::Instance();
  GUI_WindowBase* panel = MakePanel(0, 0, 200, 200);
  auto* panelButton = new GUI_ButtonText("p", Hit, nullptr);
  panelButton->SetRect(10, 10, 100, 40);
  panel->AddButton(panelButton);
  g_hits = 0;
  SIM_Vesk& player = *SIM_Vesk::Instance();
  const std::string forename = player.GetForename(), surname = player.GetSurname();
  player.SetNames("", "");
  ShowMessage("Hello <VESKSNAME>", "Note");
  // Until the player has a name a message says "You"; then the forename, the first token only.
  EXPECT_EQ(static_cast<GUI_Message*>(m.ModalWindows().back())->GetText(), "Hello You");
  delete m.ModalWindows().back();
  player.SetNames("Bea", "Stone");
  ShowMessage("Hello <VESKSNAME>, <VESKSNAME>", "Note");
  player.SetNames(forename, surname);
  ASSERT_EQ(m.ModalWindows().size(), 1u);
  auto* box = static_cast<GUI_Message*>(m.ModalWindows().back());
  EXPECT_EQ(box->GetText(), "Hello Bea, <VESKSNAME>");
  EXPECT_EQ(box->GetWidth(), 420);

  MoveMouse(20, 20);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_EQ(g_hits, 0);
  EXPECT_EQ(CountSound("data/sounds/error.ogg"), 1);

  NewFrame();
  m.UpdateAll();  // the panel is frozen
  EXPECT_EQ(panelButton->GetHover(), 0);

  m.CloseTopDialog();  // Escape does nothing while a modal is open
  EXPECT_TRUE(m.Contains(box));

  // Clicking inside works as usual: the close button deletes the box during its own click.
  const GUI_Rect r = box->GetRect();
  box->Draw();  // places the close button
  MoveMouse(r.right - 20, r.top + 20);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_TRUE(m.ModalWindows().empty());
  EXPECT_FALSE(m.Contains(box));
  EXPECT_EQ(GUI_WindowManager::PendingFrees(), 0u);  // freed once the click was done

  MoveMouse(20, 20);
  EXPECT_TRUE(m.ClickAll());
  EXPECT_EQ(g_hits, 1);
}

TEST_F(ManagerTest, ButtonThatDeletesItsWindowEndsTheClickSafely) {
  auto& m = GUI_WindowManager::Instance();
  GUI_WindowBase* below = MakePanel(0, 0, 300, 300);
  GUI_WindowBase* w = MakePanel(0, 0, 200, 200);
  auto* parentOfChild = MakePanel(500, 500, 600, 600);
  auto* child = new GUI_WindowBase();
  child->SetRect(150, 150, 180, 180);
  w->AddChild(child);
  parentOfChild->AddChild(new GUI_WindowBase());
  auto* ok = new GUI_ButtonText("OK", DeleteOwner, w);
  ok->SetRect(20, 20, 120, 50);
  w->AddButton(ok);
  ClearTracedCalls();
  MoveMouse(30, 30);
  EXPECT_TRUE(m.ClickAll());  // under AddressSanitizer: nothing touches freed memory
  EXPECT_FALSE(m.Contains(w));
  EXPECT_TRUE(m.Contains(below));
  delete parentOfChild;  // with its child
  EXPECT_EQ(m.Windows().size(), 1u);
}

TEST_F(ManagerTest, DraggingMovesTheDialogAndItsCloseButtonButNotTheHelpButton) {
  auto& m = GUI_WindowManager::Instance();
  GUI_Dialog* d = MakeDialog(100, 100, 400, 300);
  d->SetDraggable(true);
  d->AddHelpButton("HELP_COMMUTE");
  GUI_ButtonBase* help = d->Buttons().back();
  PressLeft(150, 150);
  m.UpdateAll();
  EXPECT_TRUE(d->IsDragging());
  MoveMouse(250, 200);
  m.UpdateAll();
  EXPECT_EQ(d->GetRect().left, 200);
  EXPECT_EQ(d->GetRect().top, 150);
  EXPECT_EQ(d->GetRect().right, 500);
  d->Draw();
  EXPECT_EQ(d->GetCloseButton()->GetRect().left, 500 - 34);
  EXPECT_EQ(d->GetCloseButton()->GetRect().top, 160);
  EXPECT_EQ(help->GetRect().left, 400 - 63);  // where it was added
  ReleaseLeft(250, 200);
  m.UpdateAll();
  EXPECT_FALSE(d->IsDragging());
  MoveMouse(300, 300);
  m.UpdateAll();
  EXPECT_EQ(d->GetRect().left, 200);
}

TEST_F(ManagerTest, CloseTopDialogAndCloseAllWindows) {
  auto& m = GUI_WindowManager::Instance();
  GUI_WindowBase* panel = MakePanel(0, 0, 10, 10);
  panel->SetCloseOnNewGame(false);
  GUI_Dialog* first = MakeDialog(0, 0, 100, 100);
  GUI_Dialog* second = MakeDialog(200, 0, 300, 100);
  m.BringToFront(first);
  m.CloseTopDialog();
  EXPECT_FALSE(m.Contains(first));
  EXPECT_TRUE(m.Contains(second));
  EXPECT_TRUE(m.AnyDialogOpen());

  MakeDialog(0, 0, 100, 100);
  m.CloseAllWindows();
  ASSERT_EQ(m.Windows().size(), 1u);
  EXPECT_EQ(m.Windows().front(), panel);
  EXPECT_FALSE(m.AnyDialogOpen());
}

// A window whose destruction opens a message (as result windows do) must not keep the
// teardown going for ever.
class NoisyWindow : public GUI_WindowBase {
 public:
  ~NoisyWindow() override { ShowMessage("bye", "t"); }
};

TEST_F(ManagerTest, CloseAllWindowsEndsWhenADestructorOpensAMessage) {
  auto& m = GUI_WindowManager::Instance();
  (new NoisyWindow())->Open();
  m.CloseAllWindows();
  ASSERT_EQ(m.Windows().size(), 1u);
  EXPECT_TRUE(m.Windows().front()->IsDialog());
  EXPECT_FALSE(m.IsClosingAll());
}

TEST_F(ManagerTest, PanelTextIsDrawnOncePerFrameUnderTheDialogs) {
  auto& m = GUI_WindowManager::Instance();
  std::vector<std::string> order;
  m.SetPanelTextDrawer([&] { order.push_back("panels"); });
  class Probe : public GUI_Dialog {
   public:
    explicit Probe(std::vector<std::string>& o) : GUI_Dialog(false), log(o) {}
    void Draw() override { log.push_back("dialog"); }
    std::vector<std::string>& log;
  };
  new Probe(order);
  new Probe(order);
  m.BeginFrame();
  m.DrawAll();
  m.DrawAll();  // same frame: not again
  EXPECT_EQ(order, (std::vector<std::string>{"panels", "dialog", "dialog", "dialog", "dialog"}));
  m.BeginFrame();
  order.clear();
  while (!m.Windows().empty()) delete m.Windows().front();
  m.DrawAll();
  EXPECT_EQ(order, std::vector<std::string>{"panels"});
}

TEST_F(ManagerTest, AddModalTwiceRegistersOnce) {
  auto& m = GUI_WindowManager::Instance();
  GUI_Dialog* d = MakeDialog(0, 0, 100, 100);
  d->MakeModal();
  d->MakeModal();
  EXPECT_EQ(m.ModalWindows().size(), 1u);
  delete d;
  EXPECT_TRUE(m.ModalWindows().empty());
}

}  // namespace
