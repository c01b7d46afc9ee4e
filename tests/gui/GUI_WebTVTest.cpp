// The web-surfing and TV windows, the projects' progress panel and the royalty report, played
// through input events on a started game from the shipped data.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "engine/CallTrace.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CloseButton.h"
#include "gui/GUI_ControlPanel.h"
#include "gui/GUI_HintHelp.h"
#include "gui/GUI_SimScreens.h"
#include "gui/GUI_WindowManager.h"
#include "gui/PlayFixture.h"
#include "gui/windows/GUI_RoyaltyReport.h"
#include "gui/windows/GUI_SoloActivityChooser.h"
#include "gui/windows/GUI_WebTV.h"
#include "sim/HOOK_Achievements.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_RoyaltyStream.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_SoloActivityType.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_WebTV.h"

namespace guitest {
namespace {

// The player's effects left by one source on one attribute.
size_t Effects(const char* attribute, const std::string& source) {
  size_t n = 0;
  if (const SIM_Attribute* a = SIM_Attribute::Find(attribute))
    for (const SIM_Effect* effect : a->GetEffects()) n += effect->GetDebugName() == source ? 1 : 0;
  return n;
}

// Registered windows of one class.
template <class W>
int Registered() {
  int n = 0;
  for (GUI_WindowBase* window : GUI_WindowManager::Instance().Windows())
    n += dynamic_cast<W*>(window) ? 1 : 0;
  return n;
}

class WebTVPlayTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    ForgetWebTVLists();
    // The chooser's one-time hint is modal: these tests meet it already read.
    std::ofstream(user.Path() / "hints.txt") << "[hints]\nsolo_dialog = 1\n";
    LoadHints();
    SIM_SIM::Instance().SetActs(2, 0);
    SIM_PlayerOptions::Instance().SetToggle(SIM_PlayerOptions::kEnableAutosave, false);
  }
  void TearDown() override {
    GUI_SurfWeb::Close();
    GUI_WatchTV::Close();
    GUI_RoyaltyReport::Close();
    SIM_RoyaltyStream::DeleteAll();
    ForgetWebTVLists();
    PlayTest::TearDown();
  }
  void Frame() {
    GUI_Services::RecordedTexts().clear();
    InGameFrame();
  }
  // Starts the named activity from the solo chooser with its start button.
  void StartActivity(const char* name) {
    GUI_SoloActivityChooser::Open();
    GUI_SoloActivityChooser::SelectByName(name);
    ASSERT_NE(GUI_SoloActivityChooser::Instance(), nullptr);
    ASSERT_EQ(GUI_SoloActivityChooser::Instance()->Current()->GetTypeName(), name);
    Frame();
    ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  }
  template <class W>
  static GUI_EntryButton* Entry(W* window, size_t i) {
    return dynamic_cast<GUI_EntryButton*>(window->Buttons().at(i));
  }
};

TEST_F(WebTVPlayTest, WatchingTVRefusesCableChannelsWithoutCableAndCountsTheChosenOne) {
  const int used = SIM_SIM::Instance().GetActsUsed();
  const int watched = SIM_Statistics::Instance().GetInt(kStatTVWatched);
  StartActivity("watchtv");
  GUI_WatchTV* tv = GUI_WatchTV::Instance();
  ASSERT_NE(tv, nullptr);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(tv));
  EXPECT_TRUE(GUI_ControlPanel::Instance().IsHintSuppressed());
  EXPECT_EQ(tv->GetCloseButton(), nullptr);  // something can be chosen
  EXPECT_EQ(tv->GetRect().right - tv->GetRect().left, 400);
  EXPECT_EQ(tv->GetRect().bottom - tv->GetRect().top, 515);
  ASSERT_EQ(tv->Buttons().size(), TVChannelList().size());
  // Sixty pixels high, sixty-five apart.
  EXPECT_EQ(tv->Buttons()[1]->GetRect().top - tv->Buttons()[0]->GetRect().top, 65);
  EXPECT_EQ(tv->Buttons()[0]->GetRect().bottom - tv->Buttons()[0]->GetRect().top, 60);

  size_t cable = TVChannelList().size(), free = TVChannelList().size();
  for (size_t i = 0; i < TVChannelList().size(); ++i) {
    EXPECT_EQ(Entry(tv, i)->IsAvailable(), !TVChannelList()[i]->needsCable);
    if (TVChannelList()[i]->needsCable && cable == TVChannelList().size()) cable = i;
    if (!TVChannelList()[i]->needsCable && free == TVChannelList().size()) free = i;
  }
  ASSERT_LT(cable, TVChannelList().size());
  ASSERT_LT(free, TVChannelList().size());

  // A cable channel draws its warning, and its click only sounds the error.
  Frame();
  EXPECT_TRUE(Queued(Translate("TV_WARNING")));
  ClickOn(tv->Buttons()[cable]);
  EXPECT_EQ(CountSound("data/sounds/error.ogg"), 1);
  ASSERT_EQ(GUI_WatchTV::Instance(), tv);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched);

  const SIM_TVChannel& channel = *TVChannelList()[free];
  ClickOn(tv->Buttons()[free]);
  EXPECT_EQ(GUI_WatchTV::Instance(), nullptr);
  EXPECT_EQ(Registered<GUI_WatchTV>(), 0);
  EXPECT_FALSE(GUI_ControlPanel::Instance().IsHintSuppressed());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched + 1);
  for (const SIM_Modifier* m : channel.GetModifiers())
    EXPECT_EQ(Effects(m->name.c_str(), channel.name), 1u) << m->name;
  // The activity's own slot, and no other.
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
  Frame();
  EXPECT_TRUE(GUI_WindowManager::Instance().ModalWindows().empty());
}

TEST_F(WebTVPlayTest, WithCableTVEveryChannelCanBeWatched) {
  SetGlobalValue("cabletv", 1.0f);
  GUI_SimScreens::Instance().OpenWatchTV();
  GUI_WatchTV* tv = GUI_WatchTV::Instance();
  ASSERT_NE(tv, nullptr);
  for (size_t i = 0; i < tv->Buttons().size(); ++i) EXPECT_TRUE(Entry(tv, i)->IsAvailable()) << i;
  Frame();
  EXPECT_FALSE(Queued(Translate("TV_WARNING")));
  // Opened again, it replaces the open one.
  GUI_WatchTV::Open();
  EXPECT_NE(GUI_WatchTV::Instance(), nullptr);
  Frame();
  EXPECT_EQ(Registered<GUI_WatchTV>(), 1);
}

TEST_F(WebTVPlayTest, ACableChannelWithoutCableIsDrawnDimmedAndTheSameChannelWithCableIsNot) {
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps");
  std::ofstream(user.Path() / "one.csv") << "#,Sport,o,tv_arenasport.dds,1,tip\n";
  LoadTVChannels((user.Path() / "one.csv").string());
  // The brightness of the button's picture, away from the warning strip and the pointer.
  auto brightness = [this] {
    MoveMouse(0, 0);
    NewFrame();
    engine.BeginRender();
    GUI_WatchTV::Instance()->Draw();
    engine.EndScene();
    // The channel's button comes last (a close button comes first while nothing can be watched).
    const auto& r = GUI_WatchTV::Instance()->Buttons().back()->GetRect();
    int sum = 0;
    for (int x = r.left + 100; x < r.right - 20; x += 7) {
      const uint32_t c = Pixel(x, (r.top + r.bottom) / 2 - 12);
      sum += static_cast<int>((c >> 16 & 0xFF) + (c >> 8 & 0xFF) + (c & 0xFF));
    }
    return sum;
  };
  GUI_WatchTV::Open();
  const int dimmed = brightness();
  SetGlobalValue("cabletv", 1.0f);
  GUI_WatchTV::Open();  // availability is decided when the window opens
  const int lit = brightness();
  EXPECT_GT(dimmed, 0);
  EXPECT_LT(dimmed * 10, lit * 7);  // half as bright, give or take the filtering
}

TEST_F(WebTVPlayTest, WhenNothingCanBeWatchedACloseButtonLeavesWithNothingApplied) {
  std::ofstream(user.Path() / "cable.csv")
      << "#,Paid one,o,tv_arenasport.dds,1,tip,\"boredom,-0.3,0.5\"\n"
      << "#,Paid two,o,tv_silverscreen.dds,1,tip,\"stress,-0.3,0.5\"\n";
  LoadTVChannels((user.Path() / "cable.csv").string());
  const int used = SIM_SIM::Instance().GetActsUsed();
  const int watched = SIM_Statistics::Instance().GetInt(kStatTVWatched);
  StartActivity("watchtv");
  GUI_WatchTV* tv = GUI_WatchTV::Instance();
  ASSERT_NE(tv, nullptr);
  ASSERT_NE(tv->GetCloseButton(), nullptr);
  Frame();
  ClickOn(tv->GetCloseButton());
  EXPECT_EQ(GUI_WatchTV::Instance(), nullptr);
  EXPECT_EQ(Registered<GUI_WatchTV>(), 0);
  EXPECT_FALSE(GUI_ControlPanel::Instance().IsHintSuppressed());
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched);
  EXPECT_EQ(Effects("boredom", "Paid one"), 0u);
  EXPECT_EQ(SIM_SIM::Instance().GetActsUsed(), used + 1);
}

TEST_F(WebTVPlayTest, SurfingTheWebAppliesTheChosenSiteAndTheProjectHooksOpenNothing) {
  StartActivity("surfweb");
  GUI_SurfWeb* web = GUI_SurfWeb::Instance();
  ASSERT_NE(web, nullptr);
  EXPECT_TRUE(GUI_WindowManager::Instance().IsModal(web));
  EXPECT_EQ(web->GetCloseButton(), nullptr);
  EXPECT_EQ(web->GetRect().bottom - web->GetRect().top, 315);
  ASSERT_EQ(web->Buttons().size(), WebsiteList().size());
  const SIM_Website& site = *WebsiteList()[0];
  // The hover sound plays once per button entered.
  const auto& r = web->Buttons()[0]->GetRect();
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Frame();
  Frame();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 1);
  // Back and forth over one button: once; onto another and back: once more each.
  MoveMouse((r.left + r.right) / 2 + 30, (r.top + r.bottom) / 2);
  Frame();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 1);
  const auto& next = web->Buttons()[1]->GetRect();
  MoveMouse((next.left + next.right) / 2, (next.top + next.bottom) / 2);
  Frame();
  MoveMouse((r.left + r.right) / 2, (r.top + r.bottom) / 2);
  Frame();
  EXPECT_EQ(CountSound("data/sounds/mouseover.ogg"), 3);
  const int watched = SIM_Statistics::Instance().GetInt(kStatTVWatched);
  ClickOn(web->Buttons()[0]);
  EXPECT_EQ(GUI_SurfWeb::Instance(), nullptr);
  EXPECT_EQ(Registered<GUI_SurfWeb>(), 0);
  EXPECT_FALSE(GUI_ControlPanel::Instance().IsHintSuppressed());
  for (const SIM_Modifier* m : site.GetModifiers())
    EXPECT_EQ(Effects(m->name.c_str(), site.name), 1u) << m->name;
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched);  // TV only

  const size_t windows = GUI_WindowManager::Instance().Windows().size();
  HookDevelopTheory();
  HookInvestigateStory();
  HookWriteScreenplay();
  HookWriteSong();
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().size(), windows);
}

TEST_F(WebTVPlayTest, TheStoryShowsItsProgressInTheChooserAndAdvancesOncePerActivity) {
  // Clever enough for the newspaper.
  for (const char* name : {"iq_reasoning", "iq_logic", "iq_knowledge", "iq_problemsolving"})
    SIM_Vesk::Instance()->SetAttributeBase(name, 0.6f);
  SIM_Vesk::Instance()->RecalculateValues();
  ASSERT_GE(SIM_Vesk::Instance()->GetValue("iq"), 0.3f);
  SIM_NewsStory& story = SIM_NewsStory::Instance();
  story.Restore(0.25f, 0.0f, "The Mayor's Second Hat", {0.5f});
  GUI_SoloActivityChooser::Open();
  GUI_SoloActivityChooser::SelectByName("investigatestory");
  ASSERT_EQ(GUI_SoloActivityChooser::Instance()->Current()->GetTypeName(), "investigatestory");
  Frame();
  EXPECT_TRUE(Queued(std::string(Translate("CURRENT_STORY")) + ": \"The Mayor's Second Hat\""));
  EXPECT_TRUE(Queued(std::string(Translate("PROGRESS")) + ": 25.00%"));
  const size_t windows = GUI_WindowManager::Instance().Windows().size();
  ClickOn(GUI_SoloActivityChooser::Instance()->StartButton());
  EXPECT_EQ(story.GetStepQualities().size(), 2u);
  EXPECT_GT(story.GetProgress(), 0.25f);
  EXPECT_EQ(story.GetTitle(), "The Mayor's Second Hat");
  // The chooser went and the hook opened nothing in its place.
  EXPECT_EQ(GUI_WindowManager::Instance().Windows().size(), windows - 1);
}

TEST_F(WebTVPlayTest, ARoyaltyReportShowsItsStreamIsReplacedByTheNextAndGoesWithTheDay) {
  SIM_RoyaltyStream* first = CreateRoyaltyStream("Kettle Blues", 100.0f, SIM_RoyaltyStream::kSong);
  SIM_RoyaltyStream* second = CreateRoyaltyStream("Rooftop Radio", 50.0f, SIM_RoyaltyStream::kSong);
  first->Pay();
  GUI_RoyaltyReport::Open(first);
  EXPECT_EQ(CountSound("data/sounds/cash.ogg"), 1);
  GUI_RoyaltyReport* report = GUI_RoyaltyReport::Instance();
  ASSERT_NE(report, nullptr);
  EXPECT_FALSE(GUI_WindowManager::Instance().IsModal(report));
  EXPECT_NE(report->GetCloseButton(), nullptr);
  EXPECT_EQ(report->GetTitle(), Translate("ROYALTY_REPORT_TITLE"));
  Frame();
  EXPECT_TRUE(Queued("Kettle Blues"));
  std::string cheque(1, '\xA3');
  cheque += FormatFixed(first->GetLastCheque(), 2);
  EXPECT_TRUE(Queued(cheque));
  const GUI_Services::TextItem* label = FindText(Translate("ROYALTY_REPORT_TEXT1"));
  const GUI_Services::TextItem* value = FindText("Kettle Blues");
  ASSERT_NE(label, nullptr);
  ASSERT_NE(value, nullptr);
  EXPECT_FLOAT_EQ(value->x - label->x, 140.0f);

  GUI_RoyaltyReport::Open(second);
  EXPECT_EQ(Registered<GUI_RoyaltyReport>(), 1);
  EXPECT_EQ(GUI_RoyaltyReport::Instance()->GetStream(), second);
  Frame();
  EXPECT_TRUE(Queued("Rooftop Radio"));
  EXPECT_TRUE(Queued("\xA3" "0.00"));  // nothing paid yet

  SIM_SIM::Instance().NextDay();
  EXPECT_EQ(GUI_RoyaltyReport::Instance(), nullptr);
  EXPECT_EQ(Registered<GUI_RoyaltyReport>(), 0);
}

}  // namespace
}  // namespace guitest
