// The in-game screen mode.
#include "gui/GUI_GUI.h"

#include <algorithm>

#include "gui/GUI_Shell.h"
#include "engine/D3DEngine.h"
#include "engine/GdiText.h"
#include "engine/Utilities.h"
#include "gui/GUI_Assets.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_Backdrop.h"
#include "gui/GUI_Calendar.h"
#include "gui/GUI_Career.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Cursor.h"
#include "gui/GUI_Date.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_FishTank.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_MindState.h"
#include "gui/GUI_Postit.h"
#include "gui/GUI_Rain.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Snow.h"
#include "gui/GUI_TextureSet.h"
#include "gui/GUI_ValuePanel.h"
#include "gui/GUI_Tooltip.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_Weather.h"
#include "gui/GUI_WindowBase.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_DragIcon.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_Relationship.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/SIM_Alcohol.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Statistics.h"

namespace {

constexpr int kKeyEscape = 1;
constexpr int kKeyReturn = 28;
constexpr int kKeyD = 32;
constexpr int kKeyLeftShift = 42;
constexpr int kKeyLeftAlt = 56;
constexpr int kKeyRightAlt = 184;
constexpr int kClickStatistic = 0;

std::function<void()>& ToggleHandler() {
  static std::function<void()> handler;
  return handler;
}

bool KeyDown(int scanCode) { return Shell().IsKeyDown(scanCode); }

// The main-screen panels' kept texts, drawn once a frame in one text drawing, under the
// dialogs (the window manager calls it). A panel no longer registered draws nothing.
void DrawPanelTexts() {
  const GUI_WindowManager& manager = GUI_WindowManager::Instance();
  BeginGdiDrawing();
  if (manager.Contains(GUI_Calendar::Instance())) GUI_Calendar::Instance()->DrawTexts();
  GUI_MindState::DrawTexts();
  if (manager.Contains(GUI_Career::Instance())) GUI_Career::Instance()->DrawTexts();
  if (manager.Contains(GUI_Date::Instance())) GUI_Date::Instance()->DrawTexts();
  if (manager.Contains(GUI_Cash::Instance())) GUI_Cash::Instance()->DrawTexts();
  if (manager.Contains(GUI_Tovel::Instance())) GUI_Tovel::Instance()->DrawTexts();
  if (manager.Contains(GUI_Skills::Instance())) GUI_Skills::DrawTexts();
  EndGdiDrawing();
}

}  // namespace

GUI_GUI& GUI_GUI::Instance() {
  static GUI_GUI screen;
  return screen;
}

GUI_GUI::GUI_GUI() { frameTimer_.Start(); }

void GUI_GUI::ToggleWindowed() {
  if (ToggleHandler())
    ToggleHandler()();
  else
    Shell().ToggleWindowed();
}

void GUI_GUI::SetToggleWindowedHandler(std::function<void()> handler) {
  ToggleHandler() = std::move(handler);
}

void GUI_GUI::ReleaseKeyCapture(GUI_WindowBase* window) {
  if (keyCapture_ == window) keyCapture_ = nullptr;
}

void GUI_GUI::OnEnter() {}

void GUI_GUI::LoadResources() {
  if (resourcesLoaded_) return;
  GUI_TextureSet::Instance().Load();
  RandomiseIcicles();
  GUI_Postit::PrepareSlots();
  Shell().BuildMusicPlayList();
  resourcesLoaded_ = true;
}

void GUI_GUI::ReleaseResources() {
  // A box still up when the game is told to end (a termination signal over an Online failure)
  // goes with the rest: nothing else would delete it.
  GUI_WindowManager::Instance().CloseAllWindows();
  GUI_Postit::DeleteAll();
  GUI_DirtSprites::Instance().Release();
  // The hint list goes with the screen's resources: singletons do no teardown of their own.
  ClearHints();
  resourcesLoaded_ = false;
}

void GUI_GUI::StartGame() {
  GUI_TextureSet::Instance().RefreshWindowTextures();
  // Windows closed here must not end the player's activity slot: the window manager tells
  // them a teardown is running.
  GUI_WindowManager::Instance().CloseAllWindows();
  // The standing screen is no window of the game's: it leaves the modal list itself.
  if (GUI_SocialTovel::IsShown()) GUI_SocialTovel::Close();
  // Whatever held the keys is gone now.
  keyCapture_ = nullptr;
  // The mail stays: the world's reset took the last game's, and a loaded game's day brought
  // its own back.
  // The status panels, registered once per game, and their texts' once-a-frame drawing.
  GUI_Date::Instance()->SetUp();
  if (GUI_Weather* weather = GUI_Weather::Instance()) weather->Layout();
  GUI_Cash::Instance()->SetUp();
  GUI_Calendar::Instance()->SetUp();
  GUI_Tovel::Instance()->SetUp();
  GUI_Career::Instance()->SetUp();
  // The player's attribute bars, built afresh for this game's attributes.
  GUI_MindState::SetUp();
  GUI_Skills::SetUp();
  GUI_WindowManager::Instance().SetPanelTextDrawer(DrawPanelTexts);
  GUI_ControlPanel::CreateIfNeeded();
  const D3DEngine& engine = D3DEngine::Instance();
  GUI_DirtSprites::Instance().SetUp(engine.GetWidth(), engine.GetHeight());
  GUI_Snow::ResetSnowdrops();
  LoadHints();
  Shell().OnLeftButtonUp();
  mode_ = kMainScreen;
  // The first frame of the game measures from here, not from the menus before it.
  frameTimer_.Start();
  GUI_Avatar::Instance().Layout(g_screenWidth, g_screenHeight, Shell().GetUIScale());
  GUI_Backdrop::Instance().Load();
  GUI_Assets::RebuildIcons();
  // Nothing of the last game's screen lies over the new one: an interlude, the day's summary
  // (taken down without its continue, which would start the left game's next day and its
  // special-event check) with its queued events, an evening's report.
  if (GUI_FMVScreen::IsActive()) GUI_FMVScreen::Close();
  GUI_WorkDay::Instance()->Dismiss();
  GUI_PostMortem::Close();
  // Nor does the last game's review or end: a game started from the end-game's main menu
  // opens on its own first day.
  // A game loaded from a save made while its review waited keeps the review it opened.
  if (!SIM_Statistics::Instance().IsYearReviewDue()) GUI_YearlyReview::Instance()->Dismiss();
  GUI_EndGame::Instance()->Hide();
}

void GUI_GUI::Draw() {
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  manager.BeginFrame();
  frameTimer_.Update();
  frameStep_ = std::min(frameTimer_.delta, kMaxFrameStep);
  Shell().UpdateSounds();
  {
    GUI_WindowManager::DispatchGuard guard;
    if (mode_ == kSocialStanding) {
      GUI_SocialTovel::DrawOpen();
    } else if (mode_ == kMainScreen) {
      if (GUI_EndGame::Instance()->IsOpen())
        GUI_EndGame::Instance()->Draw();
      else if (GUI_YearlyReview::Instance()->IsOpen())
        GUI_YearlyReview::Instance()->Draw();
      else if (SIM_SIM::Instance().GetPhase() == 0) {
        if (GUI_FMVScreen::IsActive())
          GUI_FMVScreen::Instance()->Draw();
        else
          GUI_WorkDay::Instance()->Draw();
      } else if (GUI_PostMortem::IsOpen())
        GUI_PostMortem::DrawOpen();
      else if (GUI_SpecialEventPostMortem::IsOpen())
        GUI_SpecialEventPostMortem::DrawOpen();
      else
        DrawMainScene();
    }
    // Over a full-screen page lie only what the modal list ranks over pages (the boxes,
    // questions and hints, where they take the clicks and keys) and the tutorial's window; the
    // panels and dialogs belong to the main scene, which draws them with the other windows.
    if (!ShowsMainScene()) {
      manager.DrawOverPage();
      GUI_Tutorial::Draw();
    }
  }
  DrawTooltips();
  DrawDebugLine();
  GUI_Cursor::Instance().Draw();
}

bool GUI_GUI::ShowsMainScene() const {
  return mode_ == kMainScreen && !GUI_EndGame::Instance()->IsOpen() &&
         !GUI_YearlyReview::Instance()->IsOpen() && SIM_SIM::Instance().GetPhase() != 0 &&
         !GUI_PostMortem::IsOpen() && !GUI_SpecialEventPostMortem::IsOpen();
}

void GUI_GUI::DrawMainScene() {
  GUI_Backdrop::Instance().Draw([] {
    DrawRelationships();
    GUI_Avatar::Instance().Draw();
  });
  GUI_Snow::Draw();
  GUI_Snow::DrawSnowdrops();
  GUI_Rain::Draw();
  DrawNPCIcons();
  DrawNPCIconNames();
  // The scene's texts lie under every window.
  GUI_Services::FlushText();
  GUI_Email::DrawAll();
  // The notes lie on the panels and under every dialog: a note over a dialog would hide its
  // text and buttons (a hint's close button among them).
  GUI_WindowManager::Instance().DrawAll(GUI_Postit::DrawAll);
  GUI_Tutorial::Draw();
  GUI_DragIcon::DrawCurrent();
}

void GUI_GUI::DrawDebugLine() {
  if (!KeyDown(kKeyLeftShift) || !KeyDown(kKeyD)) return;
  D3DEngine::Instance().FillRect(32, 32, 232, 232, 0xC0000000u);
  GUI_Services::QueueText(42.0f, 38.0f,
                          "blood-alcohol: " + FormatFixed(SIM_Alcohol::GetBloodAlcohol(), 2),
                          "tahoma bold", 12, 0, 0, 255, 255, 255);
  GUI_Services::FlushText();
}

void GUI_GUI::Update() {
  GUI_WindowManager::DispatchGuard guard;
  // A full-screen page is modal: the manager gives the update to it, or to the box over it.
  const bool scene = ShowsMainScene();
  // A picture found missing while drawing, told where the box shows and takes the click.
  if (scene) GUI_Avatar::Instance().ShowNotice();
  GUI_WindowManager::Instance().UpdateAll();
  if (scene) NPCIconsUpdateHover();
}

void GUI_GUI::OnLeftButtonDown() {
  SIM_Statistics::Instance().AddInt(1, kClickStatistic);
  const float x = GUI_Services::MouseX(), y = GUI_Services::MouseY();
  // The tutorial's window lies above everything: a click on it goes no further.
  if (GUI_Tutorial::IsActive() && GUI_Tutorial::OnClick(x, y)) return;
  GUI_WindowManager::DispatchGuard guard;
  // A full-screen page is modal, so the manager gives it the click, or the box over it.
  if (GUI_WindowManager::Instance().ClickAll()) return;
  if (mode_ == kMainScreen) {
    NPCIconsOnLeftClick();
    // The e-mail items see the click whether or not an icon took it.
    GUI_Email::ClickAll();
  }
}

void GUI_GUI::OnRightButtonDown() {
  SIM_Statistics::Instance().AddInt(1, kClickStatistic);
  // The icons lie in the main scene, not under a full-screen page.
  if (ShowsMainScene()) NPCIconsOnRightClick();
}

void GUI_GUI::OnLeftButtonUp() { GUI_DragIcon::EndDrag(); }

void GUI_GUI::OnWheelUp() {
  GUI_SoloActivityChooser::ScrollPrevious();
  GUI_SocialActivityChooser::ScrollPrevious();
}

void GUI_GUI::OnWheelDown() {
  GUI_SoloActivityChooser::ScrollNext();
  GUI_SocialActivityChooser::ScrollNext();
}

void GUI_GUI::OnKeyDown(int scanCode) {
  if (GUI_Tutorial::IsActive()) {
    GUI_Tutorial::OnKeyDown(scanCode);
    return;
  }
  // A modal window takes the keys while it is open: the key-capture holder gets them only
  // when no modal window is open over it, so nothing behind a modal window acts on a key (a
  // chooser behind a question would otherwise close, start or change its evening under it).
  // The top modal window, or with none the top dialog, answers what it answers (a box or
  // question Return and Escape); any other key goes on to the screen's own keys, where Escape
  // closes nothing while a modal one is open.
  GUI_WindowManager& manager = GUI_WindowManager::Instance();
  GUI_WindowBase* top = manager.TopModal();
  if (keyCapture_ && (!top || top == keyCapture_)) {
    keyCapture_->OnKeyDown(scanCode);
    return;
  }
  const bool altReturn = scanCode == kKeyReturn && (KeyDown(kKeyLeftAlt) || KeyDown(kKeyRightAlt));
  // A dialog that is not modal answers only while the scene it lies on is shown, not from
  // under a full-screen page.
  GUI_WindowBase* answering = top ? top : ShowsMainScene() ? manager.KeyAnswerer() : nullptr;
  if (answering && !altReturn) {
    GUI_WindowManager::DispatchGuard guard;
    if (answering->AnswerKey(scanCode)) return;
  }
  if (scanCode == kKeyEscape) {
    if (manager.AnyDialogOpen())
      manager.CloseTopDialog();
    else
      GUI_ControlPanel::AskQuit();
    return;
  }
  if (altReturn) ToggleWindowed();
}
