// The tutorial: a guided game whose steps come from "data/tutorial.csv". Each step shows a
// small text window on the in-game screen and may dim the screen around one region or widget,
// allow exactly some buttons, let some controls be tried and close windows. While it runs only
// the allowed buttons and the controls to try work; using an allowed button, the window's next
// button or Return (on a step that offers next) moves on, trying a control does not; Escape
// ends it. Ending always leads back to the main menu with no game running.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "gui/GUI_BaseElement.h"
#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;

struct TutorialStep {
  std::string title;
  std::string body;
  // Step commands separated by ',' (performed left to right; unknown ones do nothing).
  std::string commands;
  // The window's top-left corner in 1024-wide units; both -1 centre it.
  float x = -1.0f;
  float y = -1.0f;
  bool hasNext = false;
};

// The script's rows: '#' column, title, body, commands, has-next (integer, non-zero set), x, y.
// Header lines (beginning with '#') are not steps.
std::vector<TutorialStep> ReadTutorialScript(const std::string& path);

// The six named screen regions a step can highlight, in this order.
constexpr int kTutorialRegionCount = 6;
inline constexpr const char* kTutorialRegionKeys[kTutorialRegionCount] = {
    "NPCICONS", "MINDSTATE", "CONTROLPANEL", "CAREERWINDOW", "TOVEL", "MONEY"};
using TutorialRegions = std::array<GUI_Rect, kTutorialRegionCount>;
// Section "regions" of the file: each key "left,top,right,bottom" in screen pixels; a missing
// key or a field that is not a number gives 0.
TutorialRegions ReadTutorialRegions(const std::string& path);

// Every step command a script may name.
inline constexpr const char* kTutorialCommands[] = {
    "HIGHLIGHT_NPCICONS",     "HIGHLIGHT_MINDSTATE",     "HIGHLIGHT_CONTROLPANEL",
    "HIGHLIGHT_CAREERWINDOW", "HIGHLIGHT_TOVEL",         "HIGHLIGHT_MONEY",
    "HIGHLIGHT_CLASSESBUTTON", "ALLOW_CLASSESBUTTON",    "CLOSE_EVENINGCLASSES",
    "HIGHLIGHT_SKILLS",       "ALLOW_SOLOBUTTON",        "HIGHLIGHT_SOLOBUTTON",
    "HIGHLIGHT_SOLOACTIVITY", "CLOSE_SOLOACTIVITY",      "HIGHLIGHT_SOCIALBUTTON",
    "ALLOW_SOCIALBUTTON",     "CLOSE_SOCIAL",            "HIGHLIGHT_WEATHER",
    "HIGHLIGHT_SOCIAL",       "HIGHLIGHT_JOBBUTTON",     "ALLOW_JOBBUTTON",
    "HIGHLIGHT_JOBCHOOSER",   "HIGHLIGHT_ENDDAY",        "CLOSE_JOBSEARCH",
    "HIGHLIGHT_EVENINGCLASSES",
    // Controls that work without ending the step: the choosers' arrows, the contact icons
    // (dragged onto the social chooser) and the job search's industries and job arrows.
    "USE_SOLOARROWS",         "USE_SOCIALARROWS",        "USE_CONTACTS",
    "USE_JOBBROWSING"};
// A step's command list split at ',' with the blanks around each removed.
std::vector<std::string> SplitTutorialCommands(const std::string& commands);

// Dims the screen around one rectangle and frames it.
class GUI_TutHighlighter {
 public:
  static GUI_TutHighlighter& Instance();
  GUI_TutHighlighter(const GUI_TutHighlighter&) = delete;
  GUI_TutHighlighter& operator=(const GUI_TutHighlighter&) = delete;

  void LoadRegions(const std::string& path);
  void HighlightRegion(int index);
  // The element's rectangle grown by 4 px; an element that is not there is not highlighted.
  void HighlightElement(const GUI_BaseElement* element);
  void HighlightRect(int left, int top, int right, int bottom);
  void Off() { active_ = false; }
  bool IsActive() const { return active_; }
  const GUI_Rect& GetRect() const { return rect_; }
  const TutorialRegions& Regions() const { return regions_; }
  // The four shades around the rectangle, then its 4-px frame.
  void Draw() const;

 private:
  GUI_TutHighlighter() = default;
  bool active_ = false;
  GUI_Rect rect_;
  TutorialRegions regions_{};
};

// The step's text window: 450 wide, as tall as its text needs, with a next button on a step
// that offers one. At most one exists.
class GUI_TutorialWindow : public GUI_WindowBase {
 public:
  static constexpr int kWidth = 450;
  explicit GUI_TutorialWindow(const TutorialStep& step);
  ~GUI_TutorialWindow() override;
  static GUI_TutorialWindow* Instance() { return instance; }

  void Draw() override;
  // Fits the height to the body and places the next button (the first draw does it).
  void FitToText();
  GUI_ButtonText* GetNextButton() const { return next_; }
  const TutorialStep& GetStep() const { return step_; }

 private:
  void PlaceNextButton();

  static GUI_TutorialWindow* instance;
  TutorialStep step_;
  GUI_ButtonText* next_ = nullptr;
  bool sized_ = false;
};

class GUI_Tutorial {
 public:
  static constexpr const char* kScriptFile = "data/tutorial.csv";
  static constexpr const char* kRegionsFile = "data/tutorial.ini";

  // Whether a click on this element may go ahead: always while no tutorial runs, else only
  // for the allowed buttons, the controls the step's "USE_" commands name, and the buttons of
  // an open message box or of the question of paying for a guest.
  static bool IsAllowed(const void* element);
  // A button was used (its identity only: it may be gone already). An allowed button other
  // than the window's own next button moves the tutorial on.
  static void ButtonUsed(const void* button);
  // Reads the script and starts the tutorial game with the first built-in avatar (the main
  // menu's first button reads the shipped script).
  static void Load(const std::string& scriptPath = kScriptFile);
  static bool IsActive();
  // Only for tests and teardown: sets the flag without starting or ending anything.
  static void SetActive(bool active);
  // Escape ends the tutorial; Return moves on when the step offers next. Every other key is
  // swallowed while it runs.
  static void OnKeyDown(int scanCode);
  // The tutorial window's click; true when the click fell on the window.
  static bool OnClick(float x, float y);
  // The highlight and the window, above the windows of the main scene.
  static void Draw();

  static void NextStep();
  static void End();

  // What is shown: the step's index (the step count when none) and the steps read.
  static int CurrentStep();
  static const std::vector<TutorialStep>& Steps();
  static const std::vector<const void*>& Allowed();
  // The step commands, one at a time (the step's list is split and trimmed before).
  static void PerformCommand(const std::string& command);
};
