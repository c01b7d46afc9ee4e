// The solo activity chooser.
#include "gui/windows/GUI_SoloActivityChooser.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/GdiText.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_GUI.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_ProjectProgress.h"
#include "sim/HOOK_EveningClassType.h"
#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"

GUI_SoloActivityChooser* GUI_SoloActivityChooser::instance = nullptr;

namespace {

constexpr int kEscape = 1, kReturn = 28, kLeft = 203, kRight = 205;

void OnStart(void*) {
  if (GUI_SoloActivityChooser* chooser = GUI_SoloActivityChooser::Instance()) chooser->Start();
}
void OnNext(void*) { GUI_SoloActivityChooser::ScrollNext(); }
void OnPrevious(void*) { GUI_SoloActivityChooser::ScrollPrevious(); }

int Trunc(float v) { return static_cast<int>(std::trunc(v)); }

}  // namespace

void GUI_SoloActivityChooser::Open() {
  delete instance;  // the destructor clears the pointer
  GUI_EveningClasses::Close();
  GUI_SocialActivityChooser::Close();
  GUI_JobSearch::Close();
  new GUI_SoloActivityChooser();
}

void GUI_SoloActivityChooser::Close() {
  delete instance;
}

void GUI_SoloActivityChooser::SelectByName(const char* name) {
  if (!instance || !name) return;
  const std::string wanted(name);
  for (size_t i = 0; i < instance->available.size(); ++i) {
    if (instance->available[i]->GetName() == wanted) {
      instance->position = i;
      instance->Refresh();
      return;
    }
  }
}

void GUI_SoloActivityChooser::SelectEveningClass(const char* name) {
  if (!instance || !name) return;
  const std::string wanted(name);
  // A class may share its name with a solo activity (the gardening class and tending the
  // window boxes): only the enrolled classes the chooser offers are looked at.
  const auto& enrolled = EnrolledEveningClasses();
  for (size_t i = 0; i < instance->available.size(); ++i) {
    SIM_SoloActivityType* type = instance->available[i];
    if (type->GetName() == wanted &&
        std::find(enrolled.begin(), enrolled.end(), type) != enrolled.end()) {
      instance->position = i;
      instance->Refresh();
      return;
    }
  }
}

// The wheel, like the keys, leaves the chooser alone while a modal window is open over it.
void GUI_SoloActivityChooser::ScrollPrevious() {
  if (instance && GUI_WindowManager::Instance().ModalWindows().empty()) instance->Previous();
}

void GUI_SoloActivityChooser::ScrollNext() {
  if (instance && GUI_WindowManager::Instance().ModalWindows().empty()) instance->Next();
}

GUI_SoloActivityChooser::GUI_SoloActivityChooser() : GUI_Dialog(true) {
  instance = this;
  SetTitle(Translate("SOLO_ACTIVITY"));
  SetSize(430, 360);
  CentreOnScreen();
  sideMargin = 25;
  UpdateClientRect();
  GUI_WindowBase::Open();

  for (const auto& type : SIM_SoloActivityType::All())
    if (type->IsAvailableToday()) available.push_back(type.get());
  // An enrolled class takes the evening, so it is offered only for the day's last slot.
  if (SIM_SIM::Instance().IsLastAct())
    for (SIM_SoloActivityType* type : EnrolledEveningClasses())
      if (type && type->IsAvailableToday()) available.push_back(type);
  ReportAssertion(!available.empty(), "GUI_SoloActivityChooser", 286);
  position = 0;

  AddHelpButton("HELP_SOLOACTIVITY");
  const auto wl = static_cast<float>(rect.left), wr = static_cast<float>(rect.right);
  const float cy = static_cast<float>(rect.top + rect.bottom) / 2;
  const auto cl = static_cast<float>(clientRect.left), cr = static_cast<float>(clientRect.right);
  const auto cb = static_cast<float>(clientRect.bottom);
  nextArrow = new GUI_IconButton("right.dds", OnNext, nullptr);
  nextArrow->SetHighlightTexture("right_h.dds");
  nextArrow->SetRect(wr - 39, cy - 30, wr - 5, cy + 30);
  AddButton(nextArrow);
  previousArrow = new GUI_IconButton("left.dds", OnPrevious, nullptr);
  previousArrow->SetHighlightTexture("left_h.dds");
  previousArrow->SetRect(wl + 5, cy - 30, wl + 39, cy + 30);
  AddButton(previousArrow);
  startButton = new GUI_ButtonText("", OnStart, nullptr);
  startButton->SetRect(cl + 70, cb - 35, cr - 70, cb - 10);
  AddButton(startButton);
  Refresh();
  startButton->SetEnabled(CanStart());

  ShowHint("solo_dialog");
  GUI_GUI::Instance().SetKeyCapture(this);
}

GUI_SoloActivityChooser::~GUI_SoloActivityChooser() {
  if (instance == this) instance = nullptr;
  GUI_GUI::Instance().ReleaseKeyCapture(this);
}

void GUI_SoloActivityChooser::Refresh() {
  current = position < available.size() ? available[position] : nullptr;
  if (!current) {
    startButton->SetText("");
    return;
  }
  // The table names the label and the text by their translation keys.
  startButton->SetText(Translate(current->IsAffordable() ? current->GetGuiName().c_str()
                                                         : "INSUFFICIENT_CASH"));
}

void GUI_SoloActivityChooser::Next() {
  if (available.empty()) return;
  position = position + 1 >= available.size() ? 0 : position + 1;
  Refresh();
}

void GUI_SoloActivityChooser::Previous() {
  if (available.empty()) return;
  position = position == 0 ? available.size() - 1 : position - 1;
  Refresh();
}

bool GUI_SoloActivityChooser::CanStart() const {
  return current != nullptr && current->IsAffordable() && SIM_SIM::Instance().GetPhase() != 2;
}

void GUI_SoloActivityChooser::Start() {
  // The same test as the button's, so Return can never start what the button would refuse.
  if (!CanStart()) return;
  SIM_SoloActivityType* type = current;
  type->Start();
  // Starting may already have closed this chooser (a hook that opens another chooser).
  if (instance == this) delete this;
  GUI_SocialActivityChooser::Close();
}

void GUI_SoloActivityChooser::OnKeyDown(int key) {
  switch (key) {
    case kEscape: Close(); break;
    case kReturn: Start(); break;
    case kLeft: Previous(); break;
    case kRight: Next(); break;
    default: break;
  }
}

void GUI_SoloActivityChooser::Draw() {
  if (!visible) return;
  startButton->SetEnabled(CanStart());
  startButton->SetVisible(current != nullptr);  // nothing offered: nothing to start
  // An activity the player cannot pay for says so on the button itself.
  startButton->SetDisabledReason(
      current && current->IsAffordable() ? Translate("WHY_NO_ACTIVITY_LEFT") : std::string());
  GUI_Dialog::Draw();
  if (!current) {
    GUI_Services::FlushText();  // the title lies on this window, under any opened over it
    return;
  }
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right);
  const int clientWidth = clientRect.right - clientRect.left;
  GUI_Services::QueueText(cl, ct + 9, Translate(current->GetGuiName().c_str()), "tahoma bold", 28, clientWidth, 1,
                          255, 255, 255);
  GUI_Services::QueueText(cl + 35, ct + 40, Translate(current->GetText().c_str()), "tahoma bold", 18,
                          clientWidth - 70, 0, 255, 255, 255);
  const std::string& kind = current->GetPanelKind();
  if (kind == "default") DrawCostAndEffects();
  else if (kind == "sciencetheory") DrawScienceTheoryProgress(cl, ct, cr);
  else if (kind == "songwriting") DrawSongProgress(cl, ct, cr);
  else if (kind == "screenplay") DrawScreenplayProgress(cl, ct, cr);
  else if (kind == "story") DrawNewsStoryProgress(cl, ct, cr);
  GUI_Services::FlushText();
}

void GUI_SoloActivityChooser::DrawCostAndEffects() {
  SetDefaultGdiFont("tahoma bold", 18);
  const auto cl = static_cast<float>(clientRect.left), ct = static_cast<float>(clientRect.top);
  const auto cr = static_cast<float>(clientRect.right), cb = static_cast<float>(clientRect.bottom);
  GUI_Services::QueueText(cl + 80, ct + 130, Translate("COST"), nullptr, -1, 0, 0, 255, 255, 255);
  const float cost = current->GetCost();
  // The cost is never negative on screen; FormatThousands would give "-0" parts otherwise.
  const int whole = cost > 0 ? Trunc(cost) : 0;
  GUI_Services::QueueText(cl + 240, ct + 130, "\xA3 " + FormatThousands(whole), nullptr, -1, 0, 0,
                          255, 255, 255);
  if (current->GetEffectsVary()) {
    GUI_Services::QueueText(cl, ct + 200, Translate("EFFECTS_VARY"), "tahoma bold", 18,
                            clientRect.right - clientRect.left, 1, 255, 255, 255);
    return;
  }
  const float mid = static_cast<float>(rect.left + rect.right) / 2.0f;
  const GUI_Rect boxes[2] = {{Trunc(cl + 16), Trunc(ct + 155), Trunc(mid - 2), Trunc(cb - 47)},
                             {Trunc(mid + 4), Trunc(ct + 155), Trunc(cr - 16), Trunc(cb - 47)}};
  const char* headings[2] = {"REDUCES", "INCREASES"};
  D3DEngine& engine = D3DEngine::Instance();
  for (int i = 0; i < 2; ++i) {
    const GUI_Rect& box = boxes[i];
    engine.FillRect(box.left, box.top, box.right, box.top + 20, 0xFF5A5A5Au);
    engine.DrawRectOutline(box.left, box.top, box.right, box.bottom, 0xC0FFFFFFu);
    GUI_Services::QueueText(static_cast<float>(box.left), static_cast<float>(box.top + 1),
                            Translate(headings[i]), "tahoma bold", 16, box.right - box.left, 1,
                            255, 255, 255);
  }
  float y[2] = {static_cast<float>(boxes[0].top + 22), static_cast<float>(boxes[1].top + 22)};
  for (const SIM_Modifier* modifier : current->GetModifiers()) {
    if (!modifier || modifier->displayText.size() <= 1 || modifier->amount == 0.0f) continue;
    const int side = modifier->amount < 0 ? 0 : 1;
    GUI_Services::QueueText(static_cast<float>(boxes[side].left + 10), y[side],
                            std::string(EllipsizeString(modifier->displayText, 18)), nullptr, -1, 0,
                            0, 255, 255, 255);
    y[side] += 18;
  }
}
