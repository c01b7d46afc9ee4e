// The web-site and TV-channel tables, choosing an entry, and the hooks that ask for the windows.
#include <gtest/gtest.h>

#include <fstream>
#include <string>

#include "SimTestWorld.h"
#include "engine/CallTrace.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Vesk.h"
#include "sim/SIM_WebTV.h"
#include "support/RecordingScreens.h"

namespace {

class WebTVTest : public SimWorldTest {
 protected:
  void SetUp() override {
    SimWorldTest::SetUp();
    ForgetWebTVLists();
  }
  void TearDown() override {
    ForgetWebTVLists();
    testsupport::RecordingScreens::Instance().Reset();
    SimWorldTest::TearDown();
  }
  std::string Write(const std::string& name, const std::string& text) {
    const std::string path = (dir.Path() / name).string();
    std::ofstream(path, std::ios::binary) << text;
    return path;
  }
};

TEST_F(WebTVTest, TablesAreReadColumnByColumnOncePerRun) {
  const std::string longName(140, 'q');
  const std::string sites = Write(
      "sites.csv",
      "A comment line\n"
      "#,News  \r\n"  // nothing after the name: empty columns, no modifiers
      "#,Chat,other text ,chat.dds,\"Chat, talk\",\"happiness,0.1,0.5\",\"" + longName +
          ",0.2,0.5\"\n"
      "#,Plain,x,plain.dds,Only a tooltip\n");
  LoadWebsites(sites);
  ASSERT_EQ(WebsiteList().size(), 3u);
  const SIM_Website& news = *WebsiteList()[0];
  EXPECT_EQ(news.name, "News");
  EXPECT_EQ(news.GetName(), "News");
  EXPECT_TRUE(news.texture.empty());
  EXPECT_TRUE(news.GetModifiers().empty());
  const SIM_Website& chat = *WebsiteList()[1];
  EXPECT_EQ(chat.otherText, "other text");
  EXPECT_EQ(chat.texture, "chat.dds");
  EXPECT_EQ(chat.tooltip, "Chat, talk");
  ASSERT_EQ(chat.GetModifiers().size(), 2u);
  EXPECT_EQ(chat.GetModifiers()[0]->name, "happiness");
  EXPECT_FLOAT_EQ(chat.GetModifiers()[0]->amount, 0.1f);
  EXPECT_EQ(chat.GetModifiers()[0]->source, "Chat");
  // A modifier field is cut to 127 characters: the over-long name loses its amount too.
  EXPECT_EQ(chat.GetModifiers()[1]->name, longName.substr(0, kMaxWebTVModifier));
  EXPECT_EQ(chat.GetModifiers()[1]->amount, 0.0f);
  EXPECT_TRUE(WebsiteList()[2]->GetModifiers().empty());

  const std::string channels = Write(
      "channels.csv",
      "#,One,o,one.dds,0,One tip,\"boredom,-0.1,0.5\"\n"
      "#,Cable,c,cable.dds,1,Cable tip,\"stress,-0.1,0.5\"\n"
      "#,Odd,d,odd.dds,yes,Odd tip\n");
  LoadTVChannels(channels);
  ASSERT_EQ(TVChannelList().size(), 3u);
  EXPECT_FALSE(TVChannelList()[0]->needsCable);
  EXPECT_EQ(TVChannelList()[0]->tooltip, "One tip");
  ASSERT_EQ(TVChannelList()[0]->GetModifiers().size(), 1u);
  EXPECT_TRUE(TVChannelList()[1]->needsCable);
  EXPECT_FALSE(TVChannelList()[2]->needsCable);  // not a number: no cable needed
  EXPECT_EQ(TVChannelList()[2]->tooltip, "Odd tip");

  // Read once: another file, or the shipped one, changes nothing until the lists are forgotten.
  LoadWebsites(Write("other.csv", "#,Other,o,o.dds,t\n"));
  LoadTVChannels();
  EXPECT_EQ(WebsiteList().size(), 3u);
  EXPECT_EQ(TVChannelList().size(), 3u);
  // A missing file leaves an empty list, and it is not tried again.
  ForgetWebTVLists();
  LoadWebsites((dir.Path() / "missing.csv").string());
  EXPECT_TRUE(WebsiteList().empty());
}

TEST_F(WebTVTest, ChoosingAppliesTheEntryOnceAndCableChannelsWaitForCableTV) {
  LoadWebsites(Write("sites.csv", "#,Calm,o,c.dds,tip,\"stress,-0.2,0.5\"\n#,Empty,o,e.dds,tip\n"));
  LoadTVChannels(Write("channels.csv",
                       "#,Free,o,f.dds,0,tip,\"boredom,-0.2,0.5\"\n"
                       "#,Paid,o,p.dds,1,tip,\"boredom,-0.3,0.5\"\n"));
  SIM_Vesk* player = SIM_Vesk::Instance();
  const auto effects = [](const char* attribute, const char* source) {
    return PlayerEffects(attribute, source).size();
  };

  ChooseWebsite(WebsiteList()[0].get());
  EXPECT_EQ(effects("stress", "Calm"), 1u);
  const float boredom = player->GetValue("boredom");
  ChooseWebsite(WebsiteList()[1].get());  // no modifiers: nothing changes
  ChooseWebsite(nullptr);
  EXPECT_EQ(player->GetValue("boredom"), boredom);

  SIM_TVChannel& free = *TVChannelList()[0];
  SIM_TVChannel& paid = *TVChannelList()[1];
  const int watched = SIM_Statistics::Instance().GetInt(kStatTVWatched);
  const int activities = SIM_Statistics::Instance().GetInt(2);
  EXPECT_TRUE(free.IsAvailable());
  EXPECT_FALSE(paid.IsAvailable());
  EXPECT_FALSE(ChooseTVChannel(&paid));
  EXPECT_EQ(effects("boredom", "Paid"), 0u);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched);
  EXPECT_TRUE(ChooseTVChannel(&free));
  EXPECT_EQ(effects("boredom", "Free"), 1u);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched + 1);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(2), activities);  // only the TV count moves

  SetGlobalValue("cabletv", 1.0f);
  EXPECT_TRUE(paid.IsAvailable());
  EXPECT_TRUE(ChooseTVChannel(&paid));
  EXPECT_EQ(effects("boredom", "Paid"), 1u);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched + 2);
}

TEST_F(WebTVTest, HooksAskForTheWindowsAndTheHeadlessAnswerChoosesTheFirstItMay) {
  LoadWebsites(Write("sites.csv", "#,First,o,f.dds,tip,\"stress,-0.2,0.5\"\n"));
  LoadTVChannels(Write("channels.csv",
                       "#,Paid,o,p.dds,1,tip,\"boredom,-0.3,0.5\"\n"
                       "#,Free,o,f.dds,0,tip,\"boredom,-0.2,0.5\"\n"));
  auto& screens = testsupport::RecordingScreens::Instance();
  const int watched = SIM_Statistics::Instance().GetInt(kStatTVWatched);
  HookWatchTV();
  HookSurfWeb();
  EXPECT_EQ(TracedCalls(), (std::vector<std::string>{"GUI_WatchTV::Open", "GUI_SurfWeb::Open"}));
  EXPECT_EQ(screens.OpenWindows(), 2);
  screens.AnswerHobbyWindows();
  EXPECT_EQ(screens.OpenWindows(), 0);
  EXPECT_EQ(PlayerEffects("boredom", "Paid").size(), 0u);
  EXPECT_EQ(PlayerEffects("boredom", "Free").size(), 1u);
  EXPECT_EQ(PlayerEffects("stress", "First").size(), 1u);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched + 1);
  // Answered once only.
  screens.AnswerHobbyWindows();
  EXPECT_EQ(PlayerEffects("boredom", "Free").size(), 1u);

  // Nothing to choose: the window is left with nothing applied.
  ForgetWebTVLists();
  LoadTVChannels(Write("cable.csv", "#,Paid,o,p.dds,1,tip,\"boredom,-0.3,0.5\"\n"));
  HookWatchTV();
  screens.AnswerHobbyWindows();
  EXPECT_EQ(screens.OpenWindows(), 0);
  EXPECT_EQ(SIM_Statistics::Instance().GetInt(kStatTVWatched), watched + 1);
}

}  // namespace
