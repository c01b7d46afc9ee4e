// The control panel.
#include "gui/GUI_ControlPanel.h"

#include "gui/GUI_Shell.h"
#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"
#include "engine/Translate.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/windows/GUI_ConfirmDialog.h"
#include "gui/windows/GUI_EveningClassPostMortem.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SocialTovel.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_BookDetails.h"
#include "sim/SIM_Health.h"
#include "sim/SIM_SIM.h"

namespace {

GUI_ControlPanel* g_panel = nullptr;

void OnNetwork(void*) { GUI_SocialTovel::Show(); }
void OnClasses(void*) { GUI_EveningClasses::Open(); }
void OnSolo(void*) { GUI_SoloActivityChooser::Open(); }
void OnSocial(void*) { GUI_SocialActivityChooser::Open(); }
void OnCareer(void*) { GUI_JobSearch::Open(); }
void OnNextDay(void*) { GUI_ControlPanel::NextDay(); }
void OnQuit(void*) { GUI_ControlPanel::AskQuit(); }
void OnQuitConfirmed(void*) { Shell().SetMode(GAMEMODE_MAINMENU); }

GUI_IconButton* MakeButton(const char* texture, const char* hover, const char* tooltip,
                           GUI_ButtonCallback callback, float left, float top) {
  auto* button = new GUI_IconButton(texture, callback, nullptr);
  button->SetHighlightTexture(hover);
  button->SetRect(left, top, left + 60, top + 60);
  button->SetTooltipKey(tooltip, 60);
  return button;
}

}  // namespace

GUI_ControlPanel& GUI_ControlPanel::Instance() {
  if (!g_panel) g_panel = new GUI_ControlPanel();
  return *g_panel;
}

void GUI_ControlPanel::CreateIfNeeded() {
  Instance();
}

bool GUI_ControlPanel::Exists() { return g_panel != nullptr; }

// Nothing to do when the day's last slot goes: the next frame draws the panel's new state.
void GUI_ControlPanel::OnActsUsedUp() {}

void GUI_ControlPanel::AskQuit() {
  ShowConfirm(Translate("CONFIRM_ATTEMPT_QUIT_TITLE"), Translate("CONFIRM_ATTEMPT_QUIT_TEXT"),
              OnQuitConfirmed);
}

// The report of tonight's class is the end of the evening: the night waits until it is read.
bool GUI_ControlPanel::IsClassReportOpen() { return GUI_EveningClassPostMortem::Instance(); }

void GUI_ControlPanel::NextDay() {
  if (IsClassReportOpen()) return;
  GUI_BookDetails::Close();
  SIM_SIM::Instance().NextDay();
}

GUI_ControlPanel::GUI_ControlPanel() {
  const auto w = static_cast<float>(D3DEngine::Instance().GetWidth());
  const auto h = static_cast<float>(D3DEngine::Instance().GetHeight());
  const float left = w - 586, top = h - 70;
  SetRect(left, top, w, h - 10);
  network = MakeButton("button_network.dds", "button_network_h.dds",
                       "TOOLTIP_SOCIALNETWORKBUTTON", OnNetwork, left, top);
  classes = MakeButton("button_eveningclasses.dds", "button_eveningclasses_h.dds",
                       "TOOLTIP_EVENINGCLASSES", OnClasses, left + 74, top);
  solo = MakeButton("button_solo.dds", "button_solo_h.dds", "TOOLTIP_SOLOACTIVITY", OnSolo,
                    left + 148, top);
  social = MakeButton("button_social.dds", "button_social_h.dds", "TOOLTIP_SOCIALACTIVITY",
                      OnSocial, left + 222, top);
  career = MakeButton("button_career.dds", "button_career_h.dds", "TOOLTIP_JOBSEARCH", OnCareer,
                      left + 296, top);
  nextDay = MakeButton("button_nextday.dds", "button_nextday_h.dds", "TOOLTIP_NEXTDAY",
                       OnNextDay, left + 370, top);
  quit = MakeButton("button_quit.dds", "button_quit_h.dds", "TOOLTIP_QUITGAMEBUTTON", OnQuit,
                    w - 60, top);
  for (GUI_IconButton* button : {network, classes, solo, social, career, nextDay, quit})
    AddButton(button);
  hintText = Translate("ENDDAY_HINT");
  classReportReason = Translate("WHY_CLOSE_CLASS_REPORT_FIRST");
  // It lives for the run: a new game's sweep of the windows leaves it alone.
  SetCloseOnNewGame(false);
  Open();
}

GUI_ControlPanel::~GUI_ControlPanel() {
  if (g_panel == this) g_panel = nullptr;
}

void GUI_ControlPanel::UpdateEnabling() {
  const int phase = SIM_SIM::Instance().GetPhase();
  if (phase < 0 || phase > 2) return;  // an unknown phase leaves the buttons as they are
  const bool open = phase == 1;
  social->SetEnabled(open && SIM_Health::Instance().IsHealthy());
  career->SetEnabled(open);
  solo->SetEnabled(open);
  classes->SetEnabled(open);
  // Only the wait for the class report has a reason to give: earlier in the day the button's
  // own tooltip says what it will do.
  const bool waiting = phase == 2 && IsClassReportOpen();
  const std::string& reason = waiting ? classReportReason : std::string();
  if (nextDay->GetDisabledReason() != reason) nextDay->SetDisabledReason(reason);
  nextDay->SetEnabled(phase == 2 && !waiting);
}

void GUI_ControlPanel::Draw() {
  if (!visible) return;
  UpdateEnabling();
  DrawButtons();
  if (SIM_SIM::Instance().GetPhase() == 2 && !hintSuppressed && !IsClassReportOpen())
    DrawEndOfDayHint();
}

void GUI_ControlPanel::DrawEndOfDayHint() {
  const GUI_Rect& button = nextDay->GetRect();
  const auto l = static_cast<float>(button.left - 300), t = static_cast<float>(button.top - 10);
  const auto r = static_cast<float>(button.left - 60), b = static_cast<float>(button.bottom + 5);
  D3DEngine::Instance().SetTextureByName("arrow.dds");
  BaseSprite arrow;
  arrow.width = 64;
  arrow.height = 32;
  arrow.SetPosition(r + 25, (t + b) / 2);
  arrow.DrawQuad();
  DrawFrameById(l, t, r, b, 0, 20, 1.0f);
  GUI_Services::QueueText(l + 10, t + 10, hintText, "tahoma bold", 14,
                          static_cast<int>(r - l) - 20, 0, 255, 255, 255);
  // Over the frame, under the windows drawn after the panel.
  GUI_Services::FlushText();
}
