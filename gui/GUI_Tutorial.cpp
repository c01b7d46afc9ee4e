// The tutorial.
#include "gui/GUI_Tutorial.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "engine/ConfigFile.h"
#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_DirtSprites.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Shell.h"
#include "gui/GUI_Weather.h"
#include "gui/GUI_WindowManager.h"
#include "gui/windows/GUI_EveningClasses.h"
#include "gui/windows/GUI_JobSearch.h"
#include "gui/windows/GUI_Message.h"
#include "gui/windows/GUI_NPCIcon.h"
#include "gui/windows/GUI_NoMoneyDialog.h"
#include "gui/windows/GUI_Skills.h"
#include "gui/windows/GUI_SocialActivityChooser.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "sim/SIM_Dirt.h"
#include "sim/SIM_GameConfig.h"

namespace {

constexpr int kEscape = 1;
constexpr int kReturn = 28;
constexpr uint32_t kShade = 0xC0000000;
constexpr uint32_t kFrame = 0xDCA0B0E6;
constexpr int kGrow = 4;

struct TutorialState {
  // The buttons that end the step when used.
  std::vector<const void*> allowed;
  // The step's "USE_" commands: the controls they name work without ending the step. Found
  // again at each click, since a window may rebuild them (the job search's industries).
  std::vector<std::string> usable;
  std::vector<TutorialStep> steps;
  size_t current = 0;
  bool active = false;
};

TutorialState& State() {
  static TutorialState state;
  return state;
}

std::string TrimBlanksOf(const std::string& text) {
  const size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos) return {};
  const size_t last = text.find_last_not_of(" \t\r\n");
  return text.substr(first, last - first + 1);
}

// The buttons' click test asks with the button's own address.
void Allow(const GUI_ButtonBase* button) {
  if (button) State().allowed.push_back(static_cast<const void*>(button));
}

GUI_ControlPanel* Panel() {
  return GUI_ControlPanel::Exists() ? &GUI_ControlPanel::Instance() : nullptr;
}

using PanelButton = GUI_IconButton* (GUI_ControlPanel::*)() const;

void HighlightPanelButton(PanelButton pick) {
  GUI_ControlPanel* panel = Panel();
  GUI_TutHighlighter::Instance().HighlightElement(panel ? (panel->*pick)() : nullptr);
}

void AllowPanelButton(PanelButton pick) {
  if (GUI_ControlPanel* panel = Panel()) Allow((panel->*pick)());
}

constexpr PanelButton Solo = &GUI_ControlPanel::SoloButton;
constexpr PanelButton Classes = &GUI_ControlPanel::ClassesButton;
constexpr PanelButton Social = &GUI_ControlPanel::SocialButton;
constexpr PanelButton Career = &GUI_ControlPanel::CareerButton;
constexpr PanelButton NextDay = &GUI_ControlPanel::NextDayButton;

// The first built-in avatar picture (room backgrounds are not pictures of the player).
std::string FirstAvatar() {
  FileList list;
  list.AddFiles("data/bitmaps/avatars/*.dds");
  for (const std::string& name : list.files)
    if (ToLowerString(name).find("_background.") == std::string::npos) return name;
  return {};
}

bool IsButton(const void* element, const GUI_ButtonBase* button) {
  return button && element == static_cast<const void*>(button);
}

bool IsButtonOf(const void* element, const GUI_WindowBase* window) {
  if (!window) return false;
  for (const GUI_ButtonBase* button : window->Buttons())
    if (IsButton(element, button)) return true;
  return false;
}

// Whether the element is one of the controls a "USE_" command names. Never a chooser's start
// or apply: the tour shows the choosers, it does not spend the player's evening.
bool IsNamedBy(const std::string& command, const void* element) {
  if (command == "USE_SOLOARROWS") {
    const GUI_SoloActivityChooser* solo = GUI_SoloActivityChooser::Instance();
    return solo &&
           (IsButton(element, solo->NextArrow()) || IsButton(element, solo->PreviousArrow()));
  }
  if (command == "USE_SOCIALARROWS") {
    const GUI_SocialActivityChooser* social = GUI_SocialActivityChooser::Instance();
    return social &&
           (IsButton(element, social->NextArrow()) || IsButton(element, social->PreviousArrow()));
  }
  if (command == "USE_CONTACTS") {
    for (const GUI_NPCIcon* icon : AllNPCIcons())
      if (element == static_cast<const void*>(icon)) return true;
    return false;
  }
  if (command == "USE_JOBBROWSING") {
    const GUI_JobSearch* jobs = GUI_JobSearch::Instance();
    if (!jobs) return false;
    for (const GUI_IndustryButton* industry : jobs->IndustryButtons())
      if (IsButton(element, industry)) return true;
    for (const GUI_ButtonBase* button : {jobs->ScrollUpButton(), jobs->ScrollDownButton(),
                                         jobs->NextButton(), jobs->PreviousButton(),
                                         jobs->BackButton()})
      if (IsButton(element, button)) return true;
    return false;
  }
  return false;
}

bool IsUsable(const void* element) {
  for (const std::string& command : State().usable)
    if (IsNamedBy(command, element)) return true;
  // What a control tried may answer with a box (a contact's refusal, the question of paying
  // for a guest): it can be answered at any step, or it would stay for the rest of the tour.
  for (const GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
    if (dynamic_cast<const GUI_Message*>(window) || window == GUI_NoMoneyDialog::Instance())
      if (IsButtonOf(element, window)) return true;
  return false;
}

void ShowStep() {
  TutorialState& state = State();
  state.allowed.clear();
  state.usable.clear();
  GUI_TutHighlighter::Instance().Off();
  delete GUI_TutorialWindow::Instance();
  // An empty script has no step to show: no window, and only Escape does anything.
  if (state.current >= state.steps.size()) return;
  const TutorialStep& step = state.steps[state.current];
  auto* window = new GUI_TutorialWindow(step);
  Allow(window->GetNextButton());
  // A command may close the window it runs for no reason of its own; the list is copied first.
  for (const std::string& command : SplitTutorialCommands(step.commands))
    GUI_Tutorial::PerformCommand(command);
}

void NextFromButton(void*) { GUI_Tutorial::NextStep(); }

}  // namespace

// ---- Script and regions ----

std::vector<std::string> SplitTutorialCommands(const std::string& commands) {
  std::vector<std::string> list;
  size_t start = 0;
  while (start <= commands.size()) {
    size_t end = commands.find(',', start);
    if (end == std::string::npos) end = commands.size();
    const std::string command = TrimBlanksOf(commands.substr(start, end - start));
    if (!command.empty()) list.push_back(command);
    start = end + 1;
  }
  return list;
}

std::vector<TutorialStep> ReadTutorialScript(const std::string& path) {
  std::vector<TutorialStep> steps;
  const std::unique_ptr<Spreadsheet> sheet = LoadSpreadsheet(path);
  for (const std::string& line : *sheet) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextString();  // the '#' column
    TutorialStep step;
    step.title = TrimField(tokens.NextString());
    step.body = TrimField(tokens.NextString());
    step.commands = TrimField(tokens.NextString());
    step.hasNext = tokens.NextInt() != 0;
    step.x = tokens.NextFloat();
    step.y = tokens.NextFloat();
    steps.push_back(std::move(step));
  }
  return steps;
}

TutorialRegions ReadTutorialRegions(const std::string& path) {
  TutorialRegions regions{};
  ConfigFile config;
  config.LoadSection("regions", path);
  for (int i = 0; i < kTutorialRegionCount; ++i) {
    const char* value = config.GetValue(kTutorialRegionKeys[i]);
    if (!value) continue;
    StringTokenizer tokens;
    tokens.SetText(value);
    GUI_Rect& r = regions[static_cast<size_t>(i)];
    r.left = tokens.NextInt();
    r.top = tokens.NextInt();
    r.right = tokens.NextInt();
    r.bottom = tokens.NextInt();
  }
  return regions;
}

// ---- Highlighter ----

GUI_TutHighlighter& GUI_TutHighlighter::Instance() {
  static GUI_TutHighlighter highlighter;
  return highlighter;
}

void GUI_TutHighlighter::LoadRegions(const std::string& path) { regions_ = ReadTutorialRegions(path); }

void GUI_TutHighlighter::HighlightRegion(int index) {
  if (index < 0 || index >= kTutorialRegionCount) return;
  const GUI_Rect& r = regions_[static_cast<size_t>(index)];
  HighlightRect(r.left, r.top, r.right, r.bottom);
}

void GUI_TutHighlighter::HighlightElement(const GUI_BaseElement* element) {
  // A chooser that is not open has no place on the screen to show.
  if (!element) return;
  const GUI_Rect& r = element->GetRect();
  HighlightRect(r.left - kGrow, r.top - kGrow, r.right + kGrow, r.bottom + kGrow);
}

void GUI_TutHighlighter::HighlightRect(int left, int top, int right, int bottom) {
  rect_ = {left, top, right, bottom};
  active_ = true;
}

void GUI_TutHighlighter::Draw() const {
  if (!active_) return;
  D3DEngine& engine = D3DEngine::Instance();
  const int w = engine.GetWidth(), h = engine.GetHeight();
  const int l = rect_.left, t = rect_.top, r = rect_.right, b = rect_.bottom;
  engine.FillRect(0, 0, l, h, kShade);
  engine.FillRect(r, 0, w, h, kShade);
  engine.FillRect(l, 0, r, t, kShade);
  engine.FillRect(l, b, r, h, kShade);
  engine.FillRect(l - kGrow, t - kGrow, l, b + kGrow, kFrame);
  engine.FillRect(l - kGrow, t - kGrow, r + kGrow, t, kFrame);
  engine.FillRect(r, t - kGrow, r + kGrow, b + kGrow, kFrame);
  engine.FillRect(l - kGrow, b, r + kGrow, b + kGrow, kFrame);
}

// ---- Window ----

GUI_TutorialWindow* GUI_TutorialWindow::instance = nullptr;

GUI_TutorialWindow::GUI_TutorialWindow(const TutorialStep& step) : step_(step) {
  delete instance;
  instance = this;
  if (step.hasNext) {
    next_ = new GUI_ButtonText(Translate("TUTORIAL_NEXT"), NextFromButton, nullptr);
    AddButton(next_);
  }
  SetSize(kWidth, 300);
  // Fitted before it is placed, so a centred window is centred at the height it shows.
  FitToText();
  const bool centred = step.x == -1.0f && step.y == -1.0f;
  if (centred || !std::isfinite(step.x) || !std::isfinite(step.y)) {
    CentreOnScreen();
  } else {
    const float s = Shell().GetUIScale();
    // A corner off the screen would hide the step: it is kept on the screen.
    const auto w = static_cast<float>(D3DEngine::Instance().GetWidth() - width);
    const auto h = static_cast<float>(D3DEngine::Instance().GetHeight() - height);
    MoveTo(std::clamp(step.x * s, 0.0f, std::max(w, 0.0f)),
           std::clamp(step.y * s, 0.0f, std::max(h, 0.0f)));
  }
  PlaceNextButton();
}

GUI_TutorialWindow::~GUI_TutorialWindow() {
  if (instance == this) instance = nullptr;
}

void GUI_TutorialWindow::FitToText() {
  const int textHeight =
      GUI_Services::MeasureHeight("tahoma", 16, Translate(step_.body.c_str()), width - 30);
  rect.bottom = rect.top + 40 + textHeight + 50;
  height = rect.bottom - rect.top;
  PlaceNextButton();
  sized_ = true;
}

void GUI_TutorialWindow::PlaceNextButton() {
  if (!next_) return;
  const auto r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  next_->SetRect(r - 120, b - 35, r - 20, b - 15);
}

void GUI_TutorialWindow::Draw() {
  if (!sized_) FitToText();
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  DrawFrameByFile(l, t, static_cast<float>(rect.right), static_cast<float>(rect.bottom),
                  "window_tutorial.dds", 30, 1.0f);
  DrawButtons();
  GUI_Services::QueueText(l, t + 10, Translate(step_.title.c_str()), "tahoma bold", 24, width, 1,
                          255, 255, 255);
  GUI_Services::QueueText(l + 15, t + 40, Translate(step_.body.c_str()), "tahoma", 16, width - 30,
                          0, 255, 255, 255);
  GUI_Services::FlushText();
}

// ---- Tutorial ----

bool GUI_Tutorial::IsAllowed(const void* element) {
  const TutorialState& state = State();
  if (!state.active) return true;
  return std::find(state.allowed.begin(), state.allowed.end(), element) != state.allowed.end() ||
         IsUsable(element);
}

void GUI_Tutorial::ButtonUsed(const void* button) {
  const TutorialState& state = State();
  if (!state.active || !button) return;
  const GUI_TutorialWindow* window = GUI_TutorialWindow::Instance();
  // The next button moves on through its own action.
  if (window && window->GetNextButton() == button) return;
  if (std::find(state.allowed.begin(), state.allowed.end(), button) == state.allowed.end()) return;
  NextStep();
}

void GUI_Tutorial::Load(const std::string& scriptPath) {
  TutorialState& state = State();
  state.steps = ReadTutorialScript(scriptPath);
  ReportAssertion(!state.steps.empty(), "GUI_Tutorial", 190);
  GUI_TutHighlighter::Instance().LoadRegions(kRegionsFile);
  state.allowed.clear();
  state.current = 0;
  state.active = true;

  SIM_GameConfig& config = SIM_GameConfig::Instance();
  const std::string avatar = FirstAvatar();
  if (!avatar.empty()) {
    config.SetAvatarName(avatar);
    GUI_Avatar::Instance().SetTextureName(avatar);
  }
  // Nobody starts a life without a name: the new-game menu's suggestion when none is set.
  if (config.GetName().empty()) config.SetName(GUI_MenuNew::Instance().GetName());
  SIM_Dirt::Instance().Reset();
  GUI_DirtSprites::Refresh();
  Shell().StartNewGame();
  ShowStep();
}

bool GUI_Tutorial::IsActive() { return State().active; }

void GUI_Tutorial::SetActive(bool active) { State().active = active; }

void GUI_Tutorial::OnKeyDown(int scanCode) {
  const TutorialState& state = State();
  if (!state.active) return;
  if (scanCode == kEscape) {
    End();
  } else if (scanCode == kReturn && state.current < state.steps.size() &&
             state.steps[state.current].hasNext) {
    NextStep();
  }
}

bool GUI_Tutorial::OnClick(float x, float y) {
  GUI_TutorialWindow* window = GUI_TutorialWindow::Instance();
  if (!window) return false;
  GUI_WindowManager::DispatchGuard guard;
  const bool inside = window->HitTest(x, y);
  window->ClickButtons();
  return inside;
}

void GUI_Tutorial::Draw() {
  if (!State().active) return;
  GUI_TutHighlighter::Instance().Draw();
  if (GUI_TutorialWindow* window = GUI_TutorialWindow::Instance()) {
    // Not one of the manager's windows: its button's hover is kept here.
    window->Update();
    window->Draw();
  }
}

void GUI_Tutorial::NextStep() {
  TutorialState& state = State();
  if (!state.active) return;
  if (state.current < state.steps.size()) ++state.current;
  if (state.current >= state.steps.size()) {
    End();
    return;
  }
  ShowStep();
}

void GUI_Tutorial::End() {
  TutorialState& state = State();
  delete GUI_TutorialWindow::Instance();
  state.active = false;
  state.allowed.clear();
  state.usable.clear();
  Shell().SetInGame(false);
  Shell().SetMode(GAMEMODE_MAINMENU);
  GUI_TutHighlighter::Instance().Off();
}

int GUI_Tutorial::CurrentStep() { return static_cast<int>(State().current); }

const std::vector<TutorialStep>& GUI_Tutorial::Steps() { return State().steps; }

const std::vector<const void*>& GUI_Tutorial::Allowed() { return State().allowed; }

void GUI_Tutorial::PerformCommand(const std::string& command) {
  GUI_TutHighlighter& highlighter = GUI_TutHighlighter::Instance();
  for (int i = 0; i < kTutorialRegionCount; ++i) {
    if (command == std::string("HIGHLIGHT_") + kTutorialRegionKeys[i]) {
      highlighter.HighlightRegion(i);
      return;
    }
  }
  if (command == "HIGHLIGHT_CLASSESBUTTON") {
    HighlightPanelButton(Classes);
  } else if (command == "ALLOW_CLASSESBUTTON") {
    AllowPanelButton(Classes);
  } else if (command == "CLOSE_EVENINGCLASSES") {
    GUI_EveningClasses::Close();
  } else if (command == "HIGHLIGHT_EVENINGCLASSES") {
    highlighter.HighlightElement(GUI_EveningClasses::Instance());
  } else if (command == "HIGHLIGHT_SKILLS") {
    highlighter.HighlightElement(GUI_Skills::Instance());
  } else if (command == "ALLOW_SOLOBUTTON") {
    AllowPanelButton(Solo);
  } else if (command == "HIGHLIGHT_SOLOBUTTON") {
    HighlightPanelButton(Solo);
  } else if (command == "HIGHLIGHT_SOLOACTIVITY") {
    highlighter.HighlightElement(GUI_SoloActivityChooser::Instance());
  } else if (command == "CLOSE_SOLOACTIVITY") {
    GUI_SoloActivityChooser::Close();
  } else if (command == "HIGHLIGHT_SOCIALBUTTON") {
    HighlightPanelButton(Social);
  } else if (command == "ALLOW_SOCIALBUTTON") {
    AllowPanelButton(Social);
  } else if (command == "CLOSE_SOCIAL") {
    GUI_SocialActivityChooser::Close();
  } else if (command == "HIGHLIGHT_WEATHER") {
    highlighter.HighlightElement(GUI_Weather::Instance());
  } else if (command == "HIGHLIGHT_SOCIAL") {
    highlighter.HighlightElement(GUI_SocialActivityChooser::Instance());
  } else if (command == "HIGHLIGHT_JOBBUTTON") {
    HighlightPanelButton(Career);
  } else if (command == "ALLOW_JOBBUTTON") {
    AllowPanelButton(Career);
  } else if (command == "HIGHLIGHT_JOBCHOOSER") {
    highlighter.HighlightElement(GUI_JobSearch::Instance());
  } else if (command == "HIGHLIGHT_ENDDAY") {
    HighlightPanelButton(NextDay);
  } else if (command == "CLOSE_JOBSEARCH") {
    GUI_JobSearch::Close();
  } else if (command.rfind("USE_", 0) == 0) {
    State().usable.push_back(command);
  }
}
