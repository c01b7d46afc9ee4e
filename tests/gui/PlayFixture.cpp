// The fixture of a day of play.
#include "gui/PlayFixture.h"

#include "app/CInput.h"
#include "app/Game.h"
#include "engine/CallTrace.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuIntro.h"
#include "gui/GUI_GameModeBase.h"
#include "engine/GdiText.h"
#include "engine/D3DEngine.h"
#include "engine/Random.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_Email.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_EndGame.h"
#include "gui/windows/GUI_FMVScreen.h"
#include "gui/windows/GUI_PostMortem.h"
#include "gui/windows/GUI_SocialInvitation.h"
#include "gui/windows/GUI_SpecialEvent.h"
#include "gui/windows/GUI_SpecialEventPostMortem.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WorkDay.h"
#include "gui/windows/GUI_YearlyReview.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_GameConfig.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_SocialInvitation.h"
#include "sim/SIM_Vesk.h"

namespace guitest {

void PlayTest::SetUp() {
  GuiTest::SetUp();
  ResetStringTable();
  // Clicks reach the windows the way the in-game screen passes them on.
  Game::Instance().SetCurrentMode(&GUI_GUI::Instance());
  GUI_Tutorial::SetActive(false);
  SetHintFolder(user.Str());
  // The in-game screen shows its main scene with the windows, whatever an earlier test left.
  GUI_GUI::Instance().SetMode(GUI_GUI::kMainScreen);
  GUI_GUI::Instance().SetKeyCapture(nullptr);
  GUI_PostMortem::Close();
  GUI_SpecialEventPostMortem::Close();
  GUI_SpecialEvent::Close();
  GUI_FMVScreen::SetActive(false);
  GUI_EndGame::Instance()->Hide();
  GUI_YearlyReview::Instance()->Dismiss();
  // A panel an earlier test left behind (unregistered, laid out for another screen) goes.
  if (GUI_ControlPanel::Exists()) delete &GUI_ControlPanel::Instance();
  // A simulation an earlier test left started would skip its start-up below, and with it the
  // reading of this test's options: it is stopped first, writing no options anywhere.
  if (SIM_SIM::Instance().IsInitialised()) {
    SIM_PlayerOptions::Instance().SetFolder("");
    SIM_SIM::Instance().Shutdown();
  }
  SIM_PlayerOptions::Instance().Clear();
  SIM_PlayerOptions::Instance().SetFolder(user.Str());
  SetFixedRandomSeed(1234);
  playerGender_ = SIM_Vesk::Instance()->GetGender();
  SIM_GameConfig::Instance().Reset();
  SIM_GameConfig::Instance().SetAvatarName("f_bea.dds");
  SIM_GameConfig::Instance().SetName("Bea");
  SIM_SIM::Instance().Init();
  SIM_SIM::Instance().NewGame();
  LoadHints();
  GUI_WorkDay::SetFactsSource(nullptr);
  ClearTracedCalls();
  assertions.clear();
}

void PlayTest::TearDown() {
  // The day's mail (an invitation a character sent) goes with the game.
  GUI_Email::DeleteAll();
  GUI_SoloActivityChooser::Close();
  GUI_WorkDay::Instance()->Close();
  GUI_GUI::Instance().ReleaseKeyCapture(GUI_GUI::Instance().GetKeyCapture());
  GUI_WorkDay::SetFactsSource(nullptr);
  HOOK_EveningClassType::DeleteAll();
  // The day's mail goes with the game (an item left at exit would be lost, not freed).
  GUI_Email::DeleteAll();
  SIM_SIM::Instance().Shutdown();
  // What the game left behind goes too, so later tests find the process as it started.
  SIM_Attribute::ClearRegistry();
  GUI_EndGame::Instance()->Hide();
  GUI_YearlyReview::Instance()->Dismiss();
  Game::Instance().SetInGame(false);
  SIM_GameConfig::Instance().SetAvatarName("");
  SIM_Vesk::Instance()->RestoreGender(playerGender_);
  SIM_Health::Instance().SetHealthyForTesting(true);
  ClearFixedRandomSeed();
  SIM_GameConfig::Instance().Reset();
  SIM_PlayerOptions::Instance().SetFolder("");
  ClearHints();
  SetHintFolder("");
  GUI_Tutorial::SetActive(false);
  Game::Instance().SetCurrentMode(nullptr);
  ResetStringTable();
  GuiTest::TearDown();
}

void PlayTest::Click(int x, int y) {
  PressLeft(x, y);
  ReleaseLeft(x, y);
}

void PlayTest::Key(int scanCode) {
  plat::Event e;
  e.type = plat::EventType::KeyDown;
  e.key = scanCode;
  CInput::Instance().QueueEvent(e);
  CInput::Instance().Update();
}

int PlayTest::TracedCount(const std::string& call) {
  int n = 0;
  for (const std::string& traced : TracedCalls()) n += traced == call ? 1 : 0;
  return n;
}

void PlayTest::InGameFrame() {
  GUI_GUI::Instance().Update();
  GUI_GUI::Instance().Draw();
}

void MenuPlayTest::Frame() {
  clock.Advance(16);
  D3DEngine::Instance().BeginRender();
  CInput::Instance().Update();
  GUI_GameModeBase* mode = Game::Instance().GetCurrentMode();
  ASSERT_NE(mode, nullptr);
  mode->Update();
  mode->Draw();
  D3DEngine::Instance().EndScene();
  FlushGdiText(-1);
  D3DEngine::Instance().Flip();
}

void MenuPlayTest::CloseHints() {
  // Bounded, so a hint that will not close fails the test instead of hanging it.
  for (int i = 0; i < 20 && GUI_HintHelp::IsAnyOpen(); ++i) {
    Frame();
    ClickOn(GUI_HintHelp::OpenHints().front()->Buttons().front());
  }
}

void MenuPlayTest::StartGame() {
  SIM_GameConfig::Instance().Reset();
  GUI_MenuNew& menu = GUI_MenuNew::Instance();
  menu.BuildAvatarList();
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  Frame();
  ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::STARTGAME));
  // Over a running game the menu asks first whether to leave it.
  if (Game::Instance().IsInGame()) {
    ASSERT_NE(GUI_ConfirmDialog::Instance(), nullptr);
    Frame();
    ClickOn(GUI_ConfirmDialog::Instance()->GetOkButton());
  }
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
  Frame();
  ClickOn(menu.NextButton());
  Frame();
  ClickOn(menu.StartButton());
  for (int i = 0; i < 200; ++i) Frame();
  ClickOn(GUI_MenuIntro::Instance().StartButton());
  ASSERT_EQ(Game::Instance().GetCurrentMode(), &GUI_GUI::Instance());
  Frame();
  CloseHints();
}

GUI_SocialInvitation* MenuPlayTest::OpenInvitationFrom(SIM_NPC* host, SIM_SocialiseType* kind,
                                                      bool payOffer) {
  SIM_SocialInvitation* invitation = SIM_SocialInvitation::Create(host, kind, 0);
  invitation->AddGuest(host);
  invitation->SetPayOffer(payOffer);
  invitation->BuildText();
  Screens().AddInvitation(invitation);
  for (int i = 0; i < 60; ++i) Frame();  // the item slides into place
  ClickOn(GUI_Email::Items().back());
  CloseHints();
  Frame();
  return GUI_SocialInvitation::Instance();
}

}  // namespace guitest
