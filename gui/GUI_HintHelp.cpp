// One-time hints.
#include "gui/GUI_HintHelp.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "gui/GUI_Shell.h"
#include "engine/ConfigFile.h"
#include "engine/DebugLog.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_Frame.h"
#include "gui/GUI_Services.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "platform/Files.h"

namespace {

constexpr const char* kHintTable = "data/simulation/hints.csv";

// Records are kept by pointer so an open hint window's record stays put while the list grows.
std::vector<std::unique_ptr<HintRecord>>& Records() {
  static std::vector<std::unique_ptr<HintRecord>> records;
  return records;
}

std::vector<HintRecord>& Snapshot() {
  static std::vector<HintRecord> snapshot;
  return snapshot;
}

std::vector<GUI_HintHelp*>& OpenList() {
  static std::vector<GUI_HintHelp*> open;
  return open;
}

std::string& FolderOverride() {
  static std::string folder;
  return folder;
}

std::string TrimEnd(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == '\r' || s.back() == ' ')) s.pop_back();
  return s;
}

// Whether the user file, written "key = 0|1" a line, reads the key back as itself: the ini
// reader ends a key at '=', drops the blanks and tabs around it, and takes a line that starts
// with '[' for a section and one that starts with ';' or '/' for a note, and it cuts a key to
// the length every settings file keeps. A hint whose key it could not read back would be
// shown again on every start.
bool UserFileKeepsKey(const std::string& key) {
  if (key.size() > ConfigEntry::kMaxKey) return false;
  const size_t first = key.find_first_not_of(" \t");
  if (first == std::string::npos || first != 0) return false;
  if (key[0] == '[' || key[0] == ';' || key[0] == '/') return false;
  if (key.back() == '\t') return false;
  return key.find('=') == std::string::npos;
}

}  // namespace

// --- The hint list and its files ---

void SetHintFolder(const std::string& folder) { FolderOverride() = folder; }

std::string HintUserFile() {
  const std::string folder =
      FolderOverride().empty() ? Shell().GetUserFolder() : FolderOverride();
  return (folder.empty() ? std::string(".") : folder) + "/hints.txt";
}

void ClearHints() {
  // An open hint points into the records: it goes with them (a game quit with one open).
  while (!OpenList().empty()) delete OpenList().back();
  Records().clear();
  Snapshot().clear();
}

const std::vector<HintRecord>& Hints() {
  std::vector<HintRecord>& snapshot = Snapshot();
  snapshot.clear();
  for (const auto& record : Records()) snapshot.push_back(*record);
  return snapshot;
}

void LoadHints() {
  // Open hint windows point at the old records: they go first.
  while (!OpenList().empty()) delete OpenList().back();
  ClearHints();
  ConfigFile user;
  user.LoadSection("hints", HintUserFile());
  std::unique_ptr<Spreadsheet> table = LoadSpreadsheet(kHintTable);
  if (!table) return;
  for (const std::string& row : table->lines) {
    StringTokenizer tok;
    tok.SetText(row, ',');
    tok.NextToken();  // the '#' column
    auto record = std::make_unique<HintRecord>();
    record->key = TrimEnd(tok.NextToken());
    record->text = TrimEnd(tok.NextToken());
    record->x = static_cast<float>(ParseIntPrefix(tok.NextToken()));
    record->y = static_cast<float>(ParseIntPrefix(tok.NextToken()));
    if (record->key.empty()) continue;
    if (!UserFileKeepsKey(record->key)) {
      LogWarning(("Hint left out: the hints file cannot remember its key " + record->key).c_str(),
                 "GUI_HintHelp", __LINE__);
      continue;
    }
    record->shown = user.HasKey(record->key) && user.GetInt(record->key) != 0;
    Records().push_back(std::move(record));
  }
}

void SaveHints() {
  std::string text = "[hints]\n";
  for (const auto& record : Records())
    text += record->key + " = " + (record->shown ? "1" : "0") + "\n";
  if (!plat::WriteFileAtomically(HintUserFile(), text)) DebugLog::Instance().Write("failed to write hint");
}

void ShowHint(std::string key) {
  if (GUI_Tutorial::IsActive()) return;
  for (const auto& record : Records()) {
    if (record->key != key) continue;
    if (!record->shown) new GUI_HintHelp(record.get());
    return;
  }
  FatalError("Hint Help key not found", "GUI_HintHelp", 147);
}

// --- The hint window ---

GUI_HintHelp::GUI_HintHelp(HintRecord* record) : hint(record) {
  ReportAssertion(record != nullptr, "GUI_HintHelp", 17);
  if (hint) {
    // Counted as shown at once, so a hint is never shown twice even if the game is not saved.
    hint->shown = true;
    SaveHints();
  }
  SetSize(300, 200);
  // The table's place, pulled onto the screen: a hint the player cannot reach could never be
  // closed, and a place far beyond it does not fit the window's whole-pixel edges.
  if (hint) MoveOnScreen(hint->x, hint->y);
  closeButton = new GUI_CloseButton();
  AddButton(closeButton);
  SetKeyAnswers(closeButton, closeButton);
  Open();
  MakeModal();
  OpenList().push_back(this);
  title = Translate("HINT_TITLE");
  disclaimer = Translate("HINT_DISCLAIMER");
}

GUI_HintHelp::~GUI_HintHelp() {
  std::vector<GUI_HintHelp*>& open = OpenList();
  open.erase(std::remove(open.begin(), open.end(), this), open.end());
}

void GUI_HintHelp::Draw() {
  if (!visible) return;
  const std::string text = hint ? hint->text : std::string();
  if (!laidOut) {
    const int height = GUI_Services::MeasureHeight("tahoma bold", 16, text, width - 40);
    SetRect(static_cast<float>(rect.left), static_cast<float>(rect.top),
            static_cast<float>(rect.right), static_cast<float>(rect.top + 70 + height));
    laidOut = true;
  }
  const auto l = static_cast<float>(rect.left), t = static_cast<float>(rect.top);
  const auto r = static_cast<float>(rect.right), b = static_cast<float>(rect.bottom);
  closeButton->SetRect(r - 34, t + 10, r - 10, t + 34);
  DrawFrameByFile(l, t, r, b, "window_hint.dds", 30, 1.0f);
  DrawButtons();
  GUI_Services::QueueText(l, t + 15, title, "tahoma bold", 20, width, 1, 255, 255, 255);
  GUI_Services::QueueText(l + 20, t + 40, text, "tahoma bold", 16, width - 40, 0, 255, 255, 255);
  GUI_Services::QueueText(l, b - 24, disclaimer, "tahoma bold", 12, width, 1, 255, 255, 255);
  GUI_Services::FlushText();
}

bool GUI_HintHelp::AnswerKey(int key) {
  GUI_WindowBase::AnswerKey(key);
  return true;
}

bool GUI_HintHelp::IsAnyOpen() { return !OpenList().empty(); }

const std::vector<GUI_HintHelp*>& GUI_HintHelp::OpenHints() { return OpenList(); }
