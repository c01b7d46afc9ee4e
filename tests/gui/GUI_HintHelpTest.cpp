// One-time hints and the help pop-up.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <vector>
#include <sstream>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_HelpWindow.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_Tutorial.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/GUI_TextureMessage.h"
#include "sim/SIM_Friends.h"
#include "sim/SIM_NPC.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::ReadFile;
using testsupport::WriteFile;

namespace guitest {
namespace {

class HintTest : public PlayTest {
 protected:
  const HintRecord* Find(const std::string& key) {
    for (const HintRecord& hint : Hints())
      if (hint.key == key) {
        found = hint;
        return &found;
      }
    return nullptr;
  }
  HintRecord found;
};

TEST_F(HintTest, AHintShowsOnceAndIsRememberedAcrossARestart) {
  ShowHint("solo_dialog");
  ASSERT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
  GUI_HintHelp* window = GUI_HintHelp::OpenHints().front();
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(window));
  EXPECT_EQ(window->GetRect().left, 40);
  EXPECT_EQ(window->GetRect().top, 60);
  // The file is written as soon as the hint opens, before any save.
  const std::string file = ReadFile(user.Path() / "hints.txt");
  EXPECT_EQ(file.rfind("[hints]\n", 0), 0u);
  EXPECT_NE(file.find("solo_dialog = 1\n"), std::string::npos);
  EXPECT_NE(file.find("social_dialog = 0\n"), std::string::npos);

  ShowHint("solo_dialog");
  EXPECT_EQ(GUI_HintHelp::OpenHints().size(), 1u);

  // Its close button takes it away.
  window->Draw();
  ClickOn(window->Buttons().front());
  EXPECT_FALSE(GUI_HintHelp::IsAnyOpen());

  // A new run reads the file: the hint stays shown, the others do not.
  ClearHints();
  LoadHints();
  ShowHint("solo_dialog");
  EXPECT_FALSE(GUI_HintHelp::IsAnyOpen());
  ShowHint("social_dialog");
  EXPECT_TRUE(GUI_HintHelp::IsAnyOpen());
}

TEST_F(HintTest, TheWindowGrowsToItsTextAndDrawsTitleTextAndDisclaimer) {
  ShowHint("ill");
  GUI_HintHelp* window = GUI_HintHelp::OpenHints().front();
  GUI_Services::RecordedTexts().clear();
  window->Draw();
  const std::string& text = window->GetHint()->text;
  // 8 px a character wrapped at 260, 20 px a line.
  const int lines = (static_cast<int>(text.size()) * 8 + 259) / 260;
  EXPECT_EQ(window->GetRect().bottom - window->GetRect().top, 70 + 20 * lines);
  ASSERT_NE(FindText(text), nullptr);
  EXPECT_EQ(FindText(text)->wrapWidth, 260);
  EXPECT_TRUE(Queued("Hint"));
  EXPECT_TRUE(Queued("This hint will not be shown again."));
}

TEST_F(HintTest, DuringTheTutorialAHintNeitherOpensNorCountsAsShown) {
  GUI_Tutorial::SetActive(true);
  ShowHint("solo_dialog");
  EXPECT_FALSE(GUI_HintHelp::IsAnyOpen());
  ASSERT_NE(Find("solo_dialog"), nullptr);
  EXPECT_FALSE(found.shown);
  EXPECT_FALSE(std::filesystem::exists(user.Path() / "hints.txt"));
  GUI_Tutorial::SetActive(false);
  ShowHint("solo_dialog");
  EXPECT_TRUE(GUI_HintHelp::IsAnyOpen());
}

TEST_F(HintTest, AnyNonZeroValueInTheUserFileMarksAHintShown) {
  WriteFile(user.Path() / "hints.txt", "[hints]\r\nsolo_dialog = 2\r\nsocial_dialog = 0\r\n");
  LoadHints();
  ASSERT_NE(Find("solo_dialog"), nullptr);
  EXPECT_TRUE(found.shown);
  ASSERT_NE(Find("social_dialog"), nullptr);
  EXPECT_FALSE(found.shown);
  ASSERT_NE(Find("ill"), nullptr);  // no line: not shown
  EXPECT_FALSE(found.shown);
}

TEST_F(HintTest, OddRowsAreLeftOutOrPulledOntoTheScreen) {
  // Found by fuzzing: a key ending in a tab was written "key\t = 1" and read back as "key",
  // so its hint opened again on every start; a place of 99999999999 overflowed the window's
  // edges; a key longer than a settings file keeps was cut when read back.
  testsupport::TempDir data;
  WriteFile(data.Path() / "data" / "simulation" / "hints.csv",
            "#,kept,Text.,1,2\n#,tabbed\t,Text.,1,2\n#,a=b,Text.,1,2\n#,;semi,Text.,1,2\n"
            "#,[section,Text.,1,2\n#,/slash,Text.,1,2\n#, lead,Text.,1,2\n"
            "#,far,Text.,99999999999,-99999999999\n#," + std::string(256, 'k') + ",Text.,1,2\n");
  {
    testsupport::ScopedChdir chdir(data.Path());
    LoadHints();
    ASSERT_EQ(Hints().size(), 2u);
    ShowHint("kept");
    LoadHints();
    ASSERT_NE(Find("kept"), nullptr);
    EXPECT_TRUE(found.shown);
    ShowHint("far");
    ASSERT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
    const GUI_Rect rect = GUI_HintHelp::OpenHints().front()->GetRect();
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(static_cast<float>(rect.right), g_screenWidth);
  }
  LoadHints();  // the shipped table again
}

TEST_F(HintTest, AnUnknownKeyStopsTheGame) {
  FatalCatcher catcher;
  EXPECT_THROW(ShowHint("no_such_hint"), FatalStop);
  // Without a table every key is unknown.
  ClearHints();
  EXPECT_THROW(ShowHint("solo_dialog"), FatalStop);
}

TEST_F(HintTest, AnUnwritableUserFileStillShowsTheHint) {
  SetHintFolder((user.Path() / "missing" / "folder").string());
  ShowHint("ill");
  EXPECT_TRUE(GUI_HintHelp::IsAnyOpen());
}

TEST_F(HintTest, TheOpenHintTakesTheClicksAndItsButtonClosesIt) {
  ShowHint("ill");
  GUI_HintHelp* window = GUI_HintHelp::OpenHints().front();
  window->Draw();
  MoveMouse(window->GetRect().left + 50, window->GetRect().top + 50);
  EXPECT_TRUE(GUI_WindowManager::Instance().ClickAll());
  EXPECT_TRUE(GUI_HintHelp::IsAnyOpen());
  const GUI_Rect close = window->Buttons().front()->GetRect();
  MoveMouse((close.left + close.right) / 2, (close.top + close.bottom) / 2);
  GUI_WindowManager::Instance().ClickAll();
  EXPECT_FALSE(GUI_HintHelp::IsAnyOpen());
}

// Every key the code asks for, and every key the game's screens will ask for, is in the table.
TEST_F(HintTest, TheShippedTableHasEveryKeyTheGameUses) {
  std::set<std::string> keys = {"solo_dialog",        "social_dialog",   "jobsearch_dialog",
                                "jobinstance_dialog", "commute_dialog",  "classes_dialog",
                                "postmortem_gen",     "postmortem_eff",  "moviechoose_dialog",
                                "pet_name",           "lost_friend",     "dirt_threshhold",
                                "ill"};
  // Every call in the code, not only those that happen to be written with a literal: a call
  // whose key the scan cannot read is itself a failure, and commented-out calls do not count.
  const std::regex literal(R"(^ShowHint\(\s*\"([A-Za-z0-9_]+)\"\s*\))");
  const std::regex anyCall(R"(\bShowHint\s*\()");
  const std::regex definition(R"(void\s+(\w+::)?ShowHint\s*\($)");
  const std::regex comment(R"(//[^\n]*)");
  std::vector<std::string> unreadable;
  int calls = 0;
  for (const char* folder : {"app", "gui", "hooks", "sim", "engine"}) {
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(std::filesystem::path(TOVEL_SOURCE_DIR) / folder)) {
      if (entry.path().extension() != ".cpp" && entry.path().extension() != ".h") continue;
      // The screens' side of the simulation's interface only passes the simulation's keys on;
      // those are read at the simulation's calls.
      if (entry.path().filename() == "GUI_SimScreens.cpp") continue;
      const std::string text = std::regex_replace(ReadFile(entry.path()), comment, "");
      for (std::sregex_iterator it(text.begin(), text.end(), anyCall), end; it != end; ++it) {
        const size_t at = static_cast<size_t>(it->position());
        const std::string head = text.substr(at >= 40 ? at - 40 : 0, at >= 40 ? 40 : at) + it->str();
        if (std::regex_search(head, definition)) continue;  // a declaration or definition
        std::smatch m;
        const std::string rest = text.substr(at, 120);
        ++calls;
        if (std::regex_search(rest, m, literal))
          keys.insert(m[1]);
        else
          unreadable.push_back(entry.path().filename().string() + ": " + rest.substr(0, rest.find(';')));
      }
    }
  }
  EXPECT_GT(calls, 0);
  EXPECT_TRUE(unreadable.empty()) << "hint keys the check cannot read: "
                                  << ::testing::PrintToString(unreadable);
  std::set<std::string> table;
  for (const HintRecord& hint : Hints()) {
    EXPECT_TRUE(table.insert(hint.key).second) << "twice: " << hint.key;
    EXPECT_FALSE(hint.text.empty()) << hint.key;
    EXPECT_GE(hint.x, 0);
    EXPECT_GE(hint.y, 0);
    EXPECT_LE(hint.x + 300, 800) << hint.key;  // on screen at the smallest resolution
    EXPECT_LE(hint.y + 200, 600) << hint.key;
  }
  for (const std::string& key : keys) EXPECT_EQ(table.count(key), 1u) << key;
}

TEST_F(HintTest, HelpOpensBesideItsIconAndStaysOnScreen) {
  // Left of and above an icon past the centre; right of and below one before it.
  ShowHelpPopup("HELP_SOLOACTIVITY", 700, 500);
  GUI_HelpWindow* help = GUI_HelpWindow::Current();
  ASSERT_NE(help, nullptr);
  EXPECT_EQ(help->GetRect().left, 380);
  EXPECT_EQ(help->GetRect().top, 380);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(help));
  EXPECT_EQ(help->GetText().rfind("Here you choose", 0), 0u);

  // A second one replaces the first.
  ShowHelpPopup("HELP_SOLOACTIVITY", 100, 100);
  EXPECT_NE(GUI_HelpWindow::Current(), nullptr);
  EXPECT_EQ(GUI_WindowManager::Instance().ModalWindows().size(), 1u);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().left, 120);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().top, 120);

  // Above an icon low on the screen, but never past the bottom edge.
  ShowHelpPopup("HELP_SOLOACTIVITY", 500, 700);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().left, 520);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().top, 468);  // 768 - 300
  ShowHelpPopup("HELP_SOLOACTIVITY", 1020, 5);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().left, 700);
  EXPECT_EQ(GUI_HelpWindow::Current()->GetRect().top, 25);

  // The first draw fits the height to the text; the close button closes it.
  help = GUI_HelpWindow::Current();
  GUI_Services::RecordedTexts().clear();
  help->Draw();
  const int lines = (static_cast<int>(help->GetText().size()) * 8 + 259) / 260;
  EXPECT_EQ(help->GetRect().bottom - help->GetRect().top, 50 + 20 * lines);
  ASSERT_NE(FindText(help->GetText()), nullptr);
  EXPECT_EQ(FindText(help->GetText())->font, "tahoma");
  ClickOn(help->Buttons().front());
  EXPECT_EQ(GUI_HelpWindow::Current(), nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().ModalWindows().empty());
}

}  // namespace
}  // namespace guitest

namespace guitest {
namespace {

// The simulation's own requests (through its screens interface) open the real windows.
TEST_F(HintTest, TheSimulationsHintAndPictureMessageReachTheRealWindows) {
  SIM_NPC* met = MeetNewFriend();
  ASSERT_NE(met, nullptr);
  const GUI_TextureMessage* message = nullptr;
  for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
    if (auto* m = dynamic_cast<GUI_TextureMessage*>(window)) message = m;
  ASSERT_NE(message, nullptr);
  EXPECT_EQ(message->GetPicture(), met->GetPortrait());

  met->LoseFriend();
  ASSERT_EQ(GUI_HintHelp::OpenHints().size(), 1u);
  EXPECT_EQ(Find("lost_friend")->shown, true);
}

}  // namespace
}  // namespace guitest
