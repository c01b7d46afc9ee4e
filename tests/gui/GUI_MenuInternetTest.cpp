// The internet menu and the community page against the loopback server, played through the
// input: refreshing and paging the list, downloading and deleting an entry, a server that
// stops or loses its list, and the page's form as the server receives it.
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "app/Game.h"
#include "engine/DebugLog.h"
#include "engine/InternetRequest.h"
#include "engine/Translate.h"
#include "gui/GUI_Avatar.h"
#include "gui/GUI_ButtonText.h"
#include "gui/GUI_CommunityPage.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_MenuInternet.h"
#include "gui/GUI_MenuMain.h"
#include "gui/GUI_MenuNew.h"
#include "gui/GUI_CloseButton.h"
#include "gui/windows/GUI_Message.h"
#include "platform/MessageBox.h"
#include "gui/PlayFixture.h"
#include "platform/System.h"
#include "sim/HOOK_Achievements.h"
#include "engine/Utilities.h"
#include "sim/SIM_AvatarDescription.h"
#include "sim/SIM_Date.h"
#include "sim/SIM_Finances.h"
#include "sim/SIM_JobBase.h"
#include "sim/SIM_JobInstance.h"
#include "sim/SIM_NPC.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Romance.h"
#include "sim/SIM_Statistics.h"
#include "sim/SIM_Tovel.h"
#include "sim/SIM_PlayerOptions.h"
#include "sim/SIM_SIM.h"
#include "sim/SIM_Vesk.h"
#include "support/HttpTestServer.h"
#include "support/TestSupport.h"

namespace guitest {
namespace {

namespace fs = std::filesystem;
using testsupport::HttpTestServer;

// "remote,local,name,author" for n avatar entries.
std::string AvatarList(int n) {
  std::string list;
  for (int i = 1; i <= n; ++i) {
    const std::string id = std::to_string(i);
    list += "files/m_mod" + id + ".dds,mods/avatars/m_mod" + id + ".dds,Avatar " + id +
            ",Maker " + id + "\r\n";
  }
  return list;
}

// A form body split into its fields, each value decoded.
std::vector<std::pair<std::string, std::string>> DecodeForm(const std::string& body) {
  auto decode = [](const std::string& s) {
    std::string out;
    for (size_t i = 0; i < s.size(); ++i) {
      if (s[i] == '+') {
        out += ' ';
      } else if (s[i] == '%' && i + 2 < s.size()) {
        out += static_cast<char>(std::stoi(s.substr(i + 1, 2), nullptr, 16));
        i += 2;
      } else {
        out += s[i];
      }
    }
    return out;
  };
  std::vector<std::pair<std::string, std::string>> fields;
  size_t start = 0;
  while (start < body.size()) {
    if (body[start] == '&') ++start;
    size_t end = body.find('&', start);
    if (end == std::string::npos) end = body.size();
    const std::string field = body.substr(start, end - start);
    const size_t eq = field.find('=');
    fields.emplace_back(field.substr(0, eq), eq == std::string::npos ? "" : decode(field.substr(eq + 1)));
    start = end;
  }
  return fields;
}

std::string Field(const std::vector<std::pair<std::string, std::string>>& fields,
                  const std::string& key) {
  for (const auto& [k, v] : fields)
    if (k == key) return v;
  return "<missing>";
}

int Count(const std::string& text, const std::string& part) {
  int n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

// Time limits a test can wait out: two seconds for a whole exchange and at the speed floor.
struct ShortLimits {
  ShortLimits() {
    plat::HttpLimits& limits = GetInternetLimits().exchange;
    limits.wholeSeconds = limits.lowSpeedSeconds = 2;
  }
  ~ShortLimits() { GetInternetLimits() = old; }
  InternetLimits old = GetInternetLimits();
};

class InternetMenuTest : public PlayTest {
 protected:
  void SetUp() override {
    PlayTest::SetUp();
    ASSERT_TRUE(server.Started()) << "the loopback server did not start";
    oldServer = GetInternetServer();
    GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
    oldUserFolder = Game::Instance().GetUserFolder();
    Game::Instance().SetUserFolderForTesting(user.Str());
    fs::create_directories(user.Path() / "mods/avatars");
    oldLog = DebugLog::Instance().GetPath();
    DebugLog::Instance().Close();
    fs::create_directories(logs.Path() / "debugdata");
    DebugLog::Instance().SetPath((logs.Path() / "debugdata/debug.txt").string());
    DebugLog::Instance().Open();
    plat::SetShellOpenHandler([this](const std::string& target) { opened.push_back(target); });
    Game::Instance().SetInGame(true);
  }
  void TearDown() override {
    plat::SetShellOpenHandler(nullptr);
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath(oldLog);
    GetInternetServer() = oldServer;
    // The menu forgets this test's list and rows (the entries point into the temp folder).
    menu.OnEnter();
    Game::Instance().SetUserFolderForTesting(oldUserFolder);
    GUI_MenuNew::Instance().BuildAvatarList();
    PlayTest::TearDown();
  }
  std::string Log() const { return testsupport::ReadFile(logs.Path() / "debugdata/debug.txt"); }
  void ServeList(const std::string& list, const std::string& motd = "Welcome back\r\nsecond line\r\n") {
    server.AddFile("tovel/autoupdate/files111.txt", list);
    server.AddFile("tovel/autoupdate/motd.txt", motd);
  }
  // The main menu's internet button.
  void EnterFromTheMainMenu() {
    Game::Instance().SetMode(GAMEMODE_MAINMENU);
    ClickOn(GUI_MenuMain::Instance().GetButton(GUI_MenuMain::INTERNET));
    ASSERT_EQ(Game::Instance().GetCurrentMode(), &menu);
  }
  void Frame() {
    menu.Update();
    menu.Draw();
  }
  // The one box the menu shows says `said`; closed by its button.
  void ExpectOneBoxSaying(const std::string& said) {
    ASSERT_EQ(menu.Messages().size(), 1u);
    EXPECT_NE(menu.Messages().front()->GetText().find(said), std::string::npos)
        << menu.Messages().front()->GetText();
    Frame();
    ClickOn(menu.Messages().front()->GetCloseButton());
    EXPECT_TRUE(menu.Messages().empty());
  }
  std::vector<std::string> PageNames() const {
    std::vector<std::string> names;
    for (const GUI_IResourceStrip* strip : menu.PageStrips()) names.push_back(strip->GetEntry()->name);
    return names;
  }

  GUI_MenuInternet& menu = GUI_MenuInternet::Instance();
  HttpTestServer server;
  InternetServer oldServer;
  std::string oldUserFolder;
  std::string oldLog;
  testsupport::TempDir logs;
  std::vector<std::string> opened;
};

TEST_F(InternetMenuTest, RefreshListsTwentyEntriesFifteenAtATimeWithTheMessageOfTheDay) {
  ServeList(AvatarList(20));
  EnterFromTheMainMenu();
  Frame();
  EXPECT_FALSE(Queued(Translate("INTERNET_MOD")));  // an empty panel until refresh
  EXPECT_TRUE(menu.Strips().empty());
  const long presented = engine.GetFramesPresented();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.Entries().size(), 20u);
  EXPECT_EQ(menu.GetMessageOfTheDay(), "Welcome back");
  // A frame before each exchange says what the menu waits for.
  EXPECT_TRUE(Queued(Translate("INTERNET_CONNECTING_LIST")));
  EXPECT_TRUE(Queued(Translate("INTERNET_CONNECTING_MOTD")));
  EXPECT_EQ(engine.GetFramesPresented(), presented + 2);
  GUI_Services::RecordedTexts().clear();
  Frame();
  EXPECT_TRUE(Queued(Translate("INTERNET_MOD")));
  EXPECT_TRUE(Queued("Welcome back"));
  EXPECT_TRUE(Queued("Avatar 15"));
  EXPECT_FALSE(Queued("Avatar 16"));
  ASSERT_EQ(menu.PageStrips().size(), 15u);
  EXPECT_TRUE(menu.GetDownButton()->IsEnabled());
  EXPECT_FALSE(menu.GetUpButton()->IsEnabled());
  for (int i = 0; i < 5; ++i) {
    ClickOn(menu.GetDownButton());
    Frame();
  }
  EXPECT_EQ(menu.GetFirstRow(), 5);
  const std::vector<std::string> page = PageNames();
  ASSERT_EQ(page.size(), 15u);
  EXPECT_EQ(page.front(), "Avatar 6");
  EXPECT_EQ(page.back(), "Avatar 20");
  EXPECT_FALSE(menu.GetDownButton()->IsEnabled());
  EXPECT_TRUE(menu.GetUpButton()->IsEnabled());
  // The shown page sits on the panel's rows.
  EXPECT_EQ(menu.PageStrips().front()->GetRect().top, menu.GetPanel().top + 2);
  menu.OnWheelDown();  // nothing further down
  EXPECT_EQ(menu.GetFirstRow(), 5);
  menu.OnWheelUp();
  EXPECT_EQ(menu.GetFirstRow(), 4);
  // The message stays on a later visit; the rows wait for the next refresh.
  Game::Instance().SetMode(GAMEMODE_MAINMENU);
  EnterFromTheMainMenu();
  EXPECT_TRUE(menu.Strips().empty());
  EXPECT_EQ(menu.GetMessageOfTheDay(), "Welcome back");
}

TEST_F(InternetMenuTest, ADownloadedAvatarIsOfferedAtOnceAndDeleteRemovesIt) {
  const std::string picture =
      testsupport::ReadFile(fs::path(TOVEL_SOURCE_DIR) / "data/bitmaps/avatars/m_alex.dds");
  server.AddFile("m_mod1.dds", picture);
  ServeList(AvatarList(2));
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.PageStrips().size(), 2u);
  ASSERT_TRUE(menu.PageStrips()[0]->OffersDownload());
  EXPECT_EQ(menu.PageStrips()[0]->GetButton()->GetText(), Translate("INTERNET_DOWNLOAD"));
  const long presented = engine.GetFramesPresented();
  ClickOn(menu.PageStrips()[0]->GetButton());  // the rows are rebuilt after the click
  const fs::path file = user.Path() / "mods/avatars/m_mod1.dds";
  EXPECT_EQ(testsupport::ReadFile(file), picture);
  EXPECT_GE(engine.GetFramesPresented(), presented + 3);  // a progress frame per piece
  ASSERT_EQ(menu.PageStrips().size(), 2u);
  EXPECT_FALSE(menu.PageStrips()[0]->OffersDownload());
  EXPECT_EQ(menu.PageStrips()[0]->GetButton()->GetText(), Translate("INTERNET_DELETE"));
  const auto& avatars = GUI_MenuNew::Instance().Avatars();
  EXPECT_NE(std::find(avatars.begin(), avatars.end(), "m_mod1.dds"), avatars.end());
  ClickOn(menu.PageStrips()[0]->GetButton());
  EXPECT_FALSE(fs::exists(file));
  EXPECT_TRUE(menu.PageStrips()[0]->OffersDownload());
  EXPECT_TRUE(fs::exists(user.Path() / "mods/avatars"));  // only the file goes
  // and the new game no longer offers it.
  EXPECT_EQ(std::find(avatars.begin(), avatars.end(), "m_mod1.dds"), avatars.end());

  // A damaged picture in its place is not offered either; a character given it is drawn as
  // one of the game's own, and the log says why.
  testsupport::WriteFile(file, std::string(5000, 'a'));
  GUI_MenuNew::Instance().BuildAvatarList();
  EXPECT_EQ(std::find(avatars.begin(), avatars.end(), "m_mod1.dds"), avatars.end());
  engine.AddTextureFolder(user.Str());
  engine.AddTextureFolder(std::string(TOVEL_SOURCE_DIR) + "/data/bitmaps/avatars");
  GUI_Avatar::Instance().SetTextureName("m_mod1.dds");
  EXPECT_TRUE(GUI_Avatar::RendererFinds(GUI_Avatar::Instance().GetTextureName()));
  EXPECT_NE(GUI_Avatar::Instance().GetTextureName(), "m_mod1.dds");
  EXPECT_NE(Log().find("Avatar picture unreadable: m_mod1.dds"), std::string::npos);
  GUI_Avatar::Instance().ShowNotice();  // told now, not in a later test's game
}

TEST_F(InternetMenuTest, TheProgressBarGrowsWithTheFileAndNamesItWithoutItsFolder) {
  engine.BeginRender();
  engine.FillRect(0, 0, 1024, 768, 0xFF000000);
  GUI_Services::RecordedTexts().clear();
  menu.DrawProgressBar("mods/avatars\\m_new.dds", 0.5f);
  const int y = 768 - 64 + 12;
  const uint32_t filled = Pixel(200, y), empty = Pixel(300, y), outline = Pixel(432, y);
  engine.EndScene();
  EXPECT_EQ(filled & 0xFFFFFF, 0x2020C0u);
  EXPECT_EQ(empty & 0xFFFFFF, 0x000000u);  // past 32 + 400 x 0.5
  EXPECT_EQ(outline & 0xFFFFFF, 0xE0E0E0u);
  EXPECT_TRUE(Queued("Downloading: m_new.dds  (50.00%)"));
}

TEST_F(InternetMenuTest, EntriesThatCouldLeaveTheUserFolderAndBrokenLinesAreNotListed) {
  ServeList("files/a.dds,mods/avatars/a.dds,Good one,Ann\r\n"
            "\r\n"
            "files/b.dds,../b.dds,Escapes,Bob\r\n"
            "files/c.dds,/etc/c.dds,Absolute,Cat\r\n"
            "files/d.dds,\\\\server\\d.dds,Network,Dan\r\n"
            "files/e.dds,C:\\e.dds,Drive,Eve\r\n"
            "files/f.dds,,No local path,Fay\r\n"
            "files/g.dds,mods/avatars/sub/../../../g.dds,Hidden climb,Gus\r\n" +
            std::string(5000, 'x') + "\r\n"
            "files/h.dds,mods/avatars/h.dds,Last one," + std::string(100, 'H'));  // no newline
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  std::vector<std::string> names;
  for (const ResourceEntry& entry : menu.Entries()) names.push_back(entry.name);
  EXPECT_EQ(names, (std::vector<std::string>{"Good one", "Last one"}));
  EXPECT_EQ(menu.Entries()[1].author, std::string(100, 'H'));
  // A long name is cut to its column rather than run under the button.
  GUI_Services::RecordedTexts().clear();
  Frame();
  bool cut = false;
  for (const auto& item : GUI_Services::RecordedTexts()) {
    if (item.text.rfind("HHH", 0) != 0) continue;
    cut = item.text.size() > 3 && item.text.substr(item.text.size() - 3) == "...";
    EXPECT_LE(GUI_Services::MeasureWidth("tahoma bold", 16, item.text),
              menu.PageStrips()[1]->GetButton()->GetRect().left - static_cast<int>(item.x));
  }
  EXPECT_TRUE(cut);
}

TEST_F(InternetMenuTest, AListNamingThePlayersOwnFilesCannotDeleteThem) {
  const std::vector<std::string> own = {"player_options.txt", "hints.txt", "saves/game one.xml",
                                        "files.txt"};
  for (const std::string& name : own) {
    fs::create_directories((user.Path() / name).parent_path());
    testsupport::WriteFile(user.Path() / name, "keep me");
  }
  testsupport::WriteFile(user.Path() / "mods/avatars/a.dds", "old avatar");
  std::string list;
  for (const std::string& name : own) list += "files/x.dds," + name + ",Bait " + name + ",Eve\r\n";
  list += "files/a.dds,mods/avatars/a.dds,Avatar,Ann\r\n";
  ServeList(list);
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.PageStrips().size(), 1u);
  EXPECT_EQ(menu.PageStrips()[0]->GetEntry()->name, "Avatar");
  // The one row that is listed deletes its avatar; the player's files stay.
  ClickOn(menu.PageStrips()[0]->GetButton());
  EXPECT_FALSE(fs::exists(user.Path() / "mods/avatars/a.dds"));
  for (const char* name : {"player_options.txt", "hints.txt", "saves/game one.xml"})
    EXPECT_EQ(testsupport::ReadFile(user.Path() / name), "keep me") << name;
}

TEST_F(InternetMenuTest, DeleteWithoutAServerShowsTheFileGone) {
  testsupport::WriteFile(user.Path() / "mods/avatars/m_mod1.dds", "avatar");
  // The server's list may spell the folders otherwise than the disk does.
  ServeList("files/m_mod1.dds,Mods/Avatars/M_Mod1.dds,Avatar 1,Ann\r\n" + AvatarList(2).substr(AvatarList(2).find('\n') + 1));
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.PageStrips().size(), 2u);
  ASSERT_FALSE(menu.PageStrips()[0]->OffersDownload());
  server.Stop();
  ClickOn(menu.PageStrips()[0]->GetButton());
  EXPECT_FALSE(fs::exists(user.Path() / "mods/avatars/m_mod1.dds"));
  ASSERT_EQ(menu.PageStrips().size(), 2u);
  EXPECT_TRUE(menu.PageStrips()[0]->OffersDownload());
  EXPECT_EQ(menu.PageStrips()[0]->GetButton()->GetText(), Translate("INTERNET_DOWNLOAD"));
}

TEST_F(InternetMenuTest, AStoppedServerIsReportedOnceAndTheListAndMessageStay) {
  ServeList(AvatarList(3), "News\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.Entries().size(), 3u);
  server.Stop();
  const int before = Count(Log(), "IERROR:");
  ClickOn(menu.GetRefreshButton());
  EXPECT_EQ(Count(Log(), "IERROR:"), before + 1);
  EXPECT_EQ(menu.Entries().size(), 3u);
  EXPECT_EQ(menu.PageStrips().size(), 3u);
  EXPECT_EQ(menu.GetMessageOfTheDay(), "News");
  // The game goes on: once the player has read the failure, the menu answers and leads back.
  ASSERT_EQ(menu.Messages().size(), 1u);
  Frame();
  ClickOn(menu.Messages().front()->GetCloseButton());
  EXPECT_TRUE(menu.Messages().empty());
  ClickOn(menu.GetMainMenuButton());
  EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  EXPECT_TRUE(Game::Instance().IsInGame());
}

TEST_F(InternetMenuTest, WithoutANetworkRefreshAndUploadSayItInTheGamesOwnBox) {
  server.Stop();
  const struct {
    GUI_ButtonText* button;
    const char* said;
    int closeKey;  // the box answers Escape and Return
  } buttons[] = {{menu.GetRefreshButton(), "IERROR:  Internet: InternetConnect() Failed\n", 1},
                 {menu.GetUploadButton(), "IERROR:  InternetConnect Failed\n", 28}};
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.said);
    EnterFromTheMainMenu();
    // The game's own box says it, never the system's (which holds the game, and a
    // termination signal with it, until it is answered; it also writes "[title] text" to the
    // console).
    ::testing::internal::CaptureStderr();
    ClickOn(b.button);
    EXPECT_EQ(::testing::internal::GetCapturedStderr().find("[ERROR] IERROR"), std::string::npos);
    ASSERT_EQ(menu.Messages().size(), 1u);
    GUI_Message* box = menu.Messages().front();
    // The library's words, then the player's; the library's reason stays in the log.
    EXPECT_EQ(box->GetText(), b.said + std::string(Translate("INTERNET_NO_CONNECTION")));
    GUI_Services::RecordedTexts().clear();
    Frame();
    EXPECT_TRUE(Queued(box->GetText()));
    // The box is in the way until it is closed: the menu's buttons wait.
    ClickOn(menu.GetMainMenuButton());
    EXPECT_EQ(Game::Instance().GetCurrentMode(), &menu);
    Key(b.closeKey);
    EXPECT_TRUE(menu.Messages().empty());
    Frame();
    ClickOn(menu.GetMainMenuButton());
    EXPECT_EQ(Game::Instance().GetCurrentMode(), &GUI_MenuMain::Instance());
  }
}

TEST_F(InternetMenuTest, AServerThatTookTheRequestAndFellSilentIsToldApartFromOneNeverReached) {
  const ShortLimits limits;
  ServeList(AvatarList(2), "News\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.Entries().size(), 2u);
  server.SetStall("tovel/autoupdate/files111.txt", 10);
  ClickOn(menu.GetRefreshButton());
  ExpectOneBoxSaying("InternetReadFile() Failed\n" + std::string(Translate("INTERNET_STOPPED_ANSWERING")));
  server.SetPostsStall();
  ClickOn(menu.GetUploadButton());
  ExpectOneBoxSaying("IERROR:  HttpSendRequest Failed\n" +
                     std::string(Translate("INTERNET_STOPPED_ANSWERING")));
  EXPECT_EQ(testsupport::ReadFile(user.Path() / "files.txt"), AvatarList(2));
}

TEST_F(InternetMenuTest, ADownloadBeyondTheBoundIsRefusedAtOnceAndLeavesNothing) {
  ServeList(AvatarList(2));
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.PageStrips().size(), 2u);
  // Ten gigabytes announced at 600 bytes a second: refused at the headers, not in days.
  server.AddFile("m_mod1.dds", std::string(6000, 'a'));
  server.SetAnnouncedLength("m_mod1.dds", 10'000'000'000LL);
  server.SetPace("m_mod1.dds", 60);
  // A file just over the bound at full speed.
  server.AddFile("m_mod2.dds", std::string(kFileDownloadBounds.maxBytes + 1, 'b'));
  for (int row = 0; row < 2; ++row) {
    SCOPED_TRACE(row);
    const auto start = std::chrono::steady_clock::now();
    ClickOn(menu.PageStrips()[static_cast<size_t>(row)]->GetButton());
    const auto took = std::chrono::steady_clock::now() - start;
    RecordProperty("refused_ms_" + std::to_string(row),
                   static_cast<int>(std::chrono::duration_cast<std::chrono::milliseconds>(took).count()));
    EXPECT_LT(took, std::chrono::seconds(20));
    ExpectOneBoxSaying(Translate("INTERNET_TOO_LARGE"));
    const fs::path file = user.Path() / ("mods/avatars/m_mod" + std::to_string(row + 1) + ".dds");
    EXPECT_FALSE(fs::exists(file));
    EXPECT_FALSE(fs::exists(file.string() + ".part"));
  }
}

TEST_F(InternetMenuTest, ALongMessageStopsAboveTheButtonsWithAnEllipsis) {
  std::string wide;
  while (wide.size() + 5 <= kMaxMessageLength) wide += "WWWW ";
  ServeList(AvatarList(1), wide + "\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  GUI_Services::RecordedTexts().clear();
  Frame();
  const int top = menu.GetPanel().bottom + 40;
  const int width = menu.GetPanel().right - menu.GetPanel().left - 20;
  std::vector<GUI_Services::TextItem> lines;
  for (const auto& item : GUI_Services::RecordedTexts())
    if (item.y >= static_cast<float>(top) && item.text.rfind("WWWW", 0) == 0) lines.push_back(item);
  ASSERT_FALSE(lines.empty());
  for (const auto& line : lines) {
    const int wrap = line.wrapWidth > 0 ? line.wrapWidth : width;
    EXPECT_LE(line.y + static_cast<float>(GUI_Services::MeasureHeight(line.font.c_str(), line.size,
                                                                      line.text, wrap)),
              static_cast<float>(menu.GetMainMenuButton()->GetRect().top));
    EXPECT_LE(GUI_Services::MeasureWidth(line.font.c_str(), line.size, line.text), width);
  }
  EXPECT_EQ(lines.back().text.back(), '\x85');
}

TEST_F(InternetMenuTest, AListTheServerNoLongerHasKeepsThePreviousCopy) {
  ServeList(AvatarList(4));
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.Entries().size(), 4u);
  fs::remove(server.FileRoot() / "tovel/autoupdate/files111.txt");  // now a 404
  ClickOn(menu.GetRefreshButton());
  EXPECT_EQ(menu.Entries().size(), 4u);
  EXPECT_EQ(testsupport::ReadFile(user.Path() / "files.txt"), AvatarList(4));
}

TEST_F(InternetMenuTest, ATricklingServerEndsInBoundedTimeWhileALongFileStillArrives) {
  const ShortLimits limits;
  ServeList(AvatarList(2), "News\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(menu.Entries().size(), 2u);
  // 100,000 bytes announced, then a byte every tenth of a second (below the speed floor):
  // hours of a frozen frame. Then the list, and after it the message, at 1,000 bytes a second,
  // above the floor: only the whole-time limit ends those.
  const std::string list = "tovel/autoupdate/files111.txt", motd = "tovel/autoupdate/motd.txt";
  server.AddFile(list, std::string(100000, 'x'));
  const struct {
    const char* file;
    int pace;
  } trickles[] = {{"list", 1}, {"list", 100}, {"message", 100}};
  for (const auto& t : trickles) {
    SCOPED_TRACE(std::string(t.file) + " at " + std::to_string(t.pace));
    const bool message = t.file[0] == 'm';
    if (message) {
      ServeList(AvatarList(2), std::string(50000, 'n'));
      server.SetPace(list, 0);
    }
    server.SetPace(message ? motd : list, t.pace);
    const auto start = std::chrono::steady_clock::now();
    ClickOn(menu.GetRefreshButton());
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20));
    ExpectOneBoxSaying("InternetReadFile() Failed");
    EXPECT_EQ(menu.Entries().size(), 2u);
    EXPECT_EQ(testsupport::ReadFile(user.Path() / "files.txt"), AvatarList(2));
    EXPECT_EQ(menu.GetMessageOfTheDay(), "News");
  }
  server.SetPace(motd, 0);

  // A file the player downloads gets time by its length: 120,000 bytes at 40,000 a second
  // outlast the whole-time limit and still arrive.
  server.AddFile(list, AvatarList(2));
  server.SetPace(list, 0);
  server.AddFile("m_mod1.dds", std::string(120000, 'a'));
  server.SetPace("m_mod1.dds", 4000);
  ClickOn(menu.PageStrips()[0]->GetButton());
  EXPECT_TRUE(menu.Messages().empty());
  EXPECT_EQ(fs::file_size(user.Path() / "mods/avatars/m_mod1.dds"), 120000u);
}

TEST_F(InternetMenuTest, AnOverlargeListOrMessageIsRefusedAndTheKeptCopiesStay) {
  ServeList(AvatarList(3), "News\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  const struct {
    const char* what;
    std::string list, motd;
  } cases[] = {
      {"bytes", AvatarList(3) + std::string(600 * 1024, 'x'), "Other news\n"},
      {"lines", AvatarList(3) + std::string(2500, '\n'), "Other news\n"},
      {"message", AvatarList(1), std::string(5 << 20, 'M')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ServeList(c.list, c.motd);
    ClickOn(menu.GetRefreshButton());
    ExpectOneBoxSaying(Translate("INTERNET_TOO_LARGE"));
    EXPECT_EQ(testsupport::ReadFile(user.Path() / "motd.txt"), "News\n");
    EXPECT_EQ(menu.GetMessageOfTheDay(), "News");
  }
  EXPECT_EQ(testsupport::ReadFile(user.Path() / "files.txt"), AvatarList(1));
  // A long first line within the file's bound is cut to what the menu shows.
  ServeList(AvatarList(1), std::string(50000, 'm') + "\nsecond\n");
  ClickOn(menu.GetRefreshButton());
  EXPECT_TRUE(menu.Messages().empty());
  EXPECT_EQ(menu.GetMessageOfTheDay(), std::string(kMaxMessageLength, 'm'));
}

TEST_F(InternetMenuTest, AfterAFailedFirstRefreshTheListAndMessageComeFromTheKeptCopies) {
  testsupport::WriteFile(user.Path() / "files.txt", AvatarList(2));  // as an earlier run left them
  testsupport::WriteFile(user.Path() / "motd.txt", "Kept news\r\n");
  server.Stop();
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ExpectOneBoxSaying("InternetConnect() Failed");
  EXPECT_EQ(menu.Entries().size(), 2u);
  EXPECT_EQ(menu.GetMessageOfTheDay(), "Kept news");
}

TEST_F(InternetMenuTest, ALinkInTheModsFolderCannotLeadTheListToTheSaves) {
  const fs::path saves = user.Path() / "savegames";
  testsupport::WriteFile(saves / "autosave.xml", "my save");
  fs::create_directory_symlink("../savegames", user.Path() / "mods/linkdir");
  testsupport::WriteFile(user.Path() / "mods/avatars/a.dds", "avatar");
  server.AddFile("x.dds", "overwritten");
  ServeList("files/x.dds,mods/linkdir/autosave.xml,Bait,Eve\r\n"
            "files/a.dds,mods/avatars/a.dds,Avatar,Ann\r\n");
  EnterFromTheMainMenu();
  ClickOn(menu.GetRefreshButton());
  ASSERT_EQ(PageNames(), std::vector<std::string>{"Avatar"});
  // The folder becomes a link to the saves after the list was read: the delete judges again.
  fs::rename(user.Path() / "mods/avatars", user.Path() / "mods/avatars_old");
  testsupport::WriteFile(saves / "a.dds", "a save");
  fs::create_directory_symlink("../savegames", user.Path() / "mods/avatars");
  ClickOn(menu.PageStrips()[0]->GetButton());
  EXPECT_EQ(testsupport::ReadFile(saves / "a.dds"), "a save");
  EXPECT_EQ(testsupport::ReadFile(saves / "autosave.xml"), "my save");
  EXPECT_TRUE(menu.Strips().empty());
}

TEST_F(InternetMenuTest, UploadIsOnlyOfferedInARunningGameThatIsNotOver) {
  Game::Instance().SetInGame(false);
  EnterFromTheMainMenu();
  EXPECT_FALSE(menu.GetUploadButton()->IsEnabled());
  EXPECT_EQ(menu.GetUploadButton()->GetDisabledReason(), Translate("WHY_UPLOAD_NEEDS_GAME"));
  ClickOn(menu.GetUploadButton());
  EXPECT_TRUE(server.PostedForms().empty());
  Game::Instance().SetInGame(true);
  EnterFromTheMainMenu();
  EXPECT_TRUE(menu.GetUploadButton()->IsEnabled());
  // Kept on living past the end: a game runs, and the button says why it is greyed all the same,
  // as what was: the end screen that could send the page does not come back.
  SIM_SIM::Instance().SetGameOver(true);
  EnterFromTheMainMenu();
  EXPECT_FALSE(menu.GetUploadButton()->IsEnabled());
  EXPECT_EQ(menu.GetUploadButton()->GetDisabledReason(), Translate("WHY_UPLOAD_AFTER_THE_END"));
  SIM_SIM::Instance().SetGameOver(false);
}

TEST_F(InternetMenuTest, TheCommunityButtonOpensTheSiteOnOurServer) {
  EnterFromTheMainMenu();
  ClickOn(menu.GetCommunityButton());
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://127.0.0.1:" + std::to_string(server.Port()) + "/tovel/community");
}

TEST_F(InternetMenuTest, UploadPostsTheFormWithThePlayersValuesThenOpensThePage) {
  SIM_Vesk::Instance()->SetNames("Jo & Al = 1+1 100%", "Smith");
  SIM_Finances::Instance().SetCash(-1500.0f);
  UnlockAchievement("ACH_Fish & Chips = 2+2 at 50%");
  checkShippedTexts = false;  // the made-up key above has no text, on purpose
  // A shipped achievement goes out as its text, never its key.
  UnlockAchievement("ACH_HAMSTER_OWNED");
  // The id names the page even on a first start (the fixture's folder had no options file).
  const std::string id = SIM_PlayerOptions::Instance().GetId();
  ASSERT_EQ(id.size(), 9u);
  EXPECT_TRUE(std::all_of(id.begin(), id.end(), [](char c) { return c >= '0' && c <= '8'; }));
  EXPECT_NE(testsupport::ReadFile(user.Path() / SIM_PlayerOptions::kFileName).find("id = " + id),
            std::string::npos);

  EnterFromTheMainMenu();
  ClickOn(menu.GetUploadButton());
  const std::vector<std::string> forms = server.PostedForms();
  ASSERT_EQ(forms.size(), 1u);
  EXPECT_NE(server.RequestLog().find("POST /tovel/php/cwp.php|||MyHTTPClient/1.0|application/x-www-form-urlencoded"),
            std::string::npos);
  const auto fields = DecodeForm(forms[0]);
  std::vector<std::string> keys;
  for (const auto& field : fields) keys.push_back(field.first);
  EXPECT_EQ(keys, (std::vector<std::string>{"file", "ava", "nam", "age", "cas", "tov", "job",
                                            "emp", "sal", "frd", "nsk", "skp", "hto", "hiq", "hcu",
                                            "hca", "hsa", "bkr", "mvs", "rou", "cro", "partner",
                                            "dsc", "ach"}));
  EXPECT_EQ(Field(fields, "file"), "user_" + id + ".html");
  EXPECT_EQ(Field(fields, "ava"), "f_bea");
  EXPECT_EQ(Field(fields, "nam"), "Jo & Al = 1+1 100%");
  EXPECT_EQ(Field(fields, "cas"), "\xA3 -1,500");
  EXPECT_EQ(Field(fields, "partner"), "Nobody...");
  EXPECT_EQ(Field(fields, "frd"), std::to_string(SIM_Vesk::Instance()->CountFriends()));
  EXPECT_NE(Field(fields, "ach").find("ACH_Fish & Chips = 2+2 at 50%,"), std::string::npos);
  EXPECT_NE(Field(fields, "ach").find("Kept a hamster,"), std::string::npos);
  EXPECT_EQ(Field(fields, "ach").find("ACH_HAMSTER"), std::string::npos);
  EXPECT_NE(forms[0].find("cas=%A3+-1%2C500"), std::string::npos);
  ASSERT_EQ(opened.size(), 1u);
  EXPECT_EQ(opened[0], "http://127.0.0.1:" + std::to_string(server.Port()) +
                           "/tovel/community/user_" + id + ".html");
  ClearAchievements();
}

TEST_F(InternetMenuTest, ThePageShowsTheJobOnlyWhileThePlayerHasOne) {
  SIM_JobBase* waiter = SIM_JobBase::FindDefaultJob();
  SIM_JobBase* between = SIM_JobBase::FindByName("unemployed");
  ASSERT_NE(waiter, nullptr);
  ASSERT_NE(between, nullptr);
  const bool female = SIM_Vesk::Instance()->GetGender() == kFemale;
  const struct {
    SIM_JobBase* job;
    const char* what;
  } cases[] = {{between, "between jobs"}, {nullptr, "never employed"}, {waiter, "a waiter"}};
  EnterFromTheMainMenu();
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    SIM_Vesk::Instance()->SetJob(c.job);
    const size_t posted = server.PostedForms().size();
    ClickOn(menu.GetUploadButton());
    ASSERT_EQ(server.PostedForms().size(), posted + 1);
    const auto fields = DecodeForm(server.PostedForms().back());
    if (c.job == waiter) {
      EXPECT_EQ(Field(fields, "job"), waiter->GetDescription(female));
      EXPECT_EQ(Field(fields, "emp"), waiter->GetEmployer());
      EXPECT_EQ(Field(fields, "sal"),
                FormatPageMoney(SIM_Vesk::Instance()->GetJobInstance()->GetSalary()));
      EXPECT_NE(Field(fields, "sal"), "\xA3 0");
    } else {
      EXPECT_EQ(Field(fields, "job"), "none");
      EXPECT_EQ(Field(fields, "emp"), "none");
      EXPECT_EQ(Field(fields, "sal"), "\xA3 0");
    }
  }
}

// Each field of the page carries its own figure: every statistic and value is made different
// from the others first, so a field that read its neighbour's would show the wrong number.
TEST_F(InternetMenuTest, EveryFieldOfThePageCarriesItsOwnFigure) {
  SIM_Vesk* player = SIM_Vesk::Instance();
  SIM_JobBase* clerk = SIM_JobBase::FindByName("bank_clerk");
  ASSERT_NE(clerk, nullptr);
  ASSERT_EQ(clerk->GetMinSalary(), 15500.0f);
  ASSERT_EQ(clerk->GetMaxSalary(), 22000.0f);
  player->SetJob(clerk);
  player->GetJobInstance()->SetLevel(2);  // 15,500 + 2 * 6,500 / 5
  CurrentDate() = SIM_Date(3, 4, 2010);
  SIM_Finances::Instance().SetCash(1234.9f);
  SIM_NamedValueList& skills = player->Skills();
  skills.Clear();
  for (float value : {0.25f, 0.5f, 0.75f, 1.0f})
    skills.Add(new SIM_NamedValue("skill" + std::to_string(value), "", value));
  SIM_Statistics& stats = SIM_Statistics::Instance();
  for (int i = 0; i < 13; ++i) stats.SetInt(i, 1000 + i);
  const float floats[] = {1.5f, 11.25f, 0.5f, 0.75f, 123456.0f, 23456.7f};
  for (int i = 0; i < 6; ++i) stats.SetFloat(i, floats[i]);
  SIM_NPC* partner = SIM_NPC::All().front();
  SIM_Romance::Instance().SetPartner(partner);
  const int friends = player->CountFriends();
  ASSERT_NE(friends, 4);  // not the number of skills

  std::string body;
  ASSERT_TRUE(BuildCommunityPageBody(body));
  const auto fields = DecodeForm(body);
  const std::pair<const char*, std::string> expected[] = {
      {"age", "24"},  // 2010 - 1986
      {"cas", "\xA3 1,234"},
      {"tov", FormatFixed(SIM_Tovel::Instance().GetTotal(), 2)},
      {"job", clerk->GetDescription(true)},
      {"emp", "Merrion Bank"},
      {"sal", "\xA3 18,100"},
      {"frd", std::to_string(friends)},
      {"nsk", "4"},
      {"skp", "250.00"},  // 25 + 50 + 75 + 100
      {"hto", "11.25"},   // the highest standing
      {"hiq", "0.50"},
      {"hcu", "0.75"},
      {"hca", "\xA3 123,456"},  // the highest cash
      {"hsa", "\xA3 23,456"},   // the highest salary
      {"bkr", "1004"},          // books read
      {"mvs", "1007"},          // films seen
      {"rou", "\xA3 1,008"},    // roulette
      {"cro", "1005"},          // crosswords
      {"partner", partner->GetFullName()},
      {"dsc", SIM_AvatarDescription::GetText()},
  };
  for (const auto& [key, value] : expected) EXPECT_EQ(Field(fields, key), value) << key;

  // Without a partner the page says so.
  SIM_Romance::Instance().SetPartner(nullptr);
  ASSERT_TRUE(BuildCommunityPageBody(body));
  EXPECT_EQ(Field(DecodeForm(body), "partner"), "Nobody...");
  skills.Clear();
}

TEST_F(InternetMenuTest, APostRefusedOrNeverHeardIsSaidAndOpensNoPage) {
  server.SetPostsRefused();
  EnterFromTheMainMenu();
  ClickOn(menu.GetUploadButton());
  ExpectOneBoxSaying(Translate("INTERNET_REFUSED"));
  server.Stop();
  std::string body;
  EXPECT_NE(PostCommunityPage(body).find("InternetConnect Failed"), std::string::npos);
  EXPECT_NE(Log().find("InternetConnect Failed"), std::string::npos);
  EXPECT_TRUE(opened.empty());
}

TEST_F(InternetMenuTest, OutsideAGameNothingIsSentAndNoPageOpens) {
  Game::Instance().SetInGame(false);
  std::string body = "left over";
  PostCommunityPage(body);
  EXPECT_TRUE(body.empty());
  EXPECT_TRUE(server.PostedForms().empty());
  EXPECT_TRUE(opened.empty());
}

TEST(CommunityPageTest, AchievementsAreCutAtWholeNamesBelowAThousandCharacters) {
  ClearAchievements();
  const std::string a = "ACH_" + std::string(396, 'a');  // 400 characters each
  const std::string b = "ACH_" + std::string(396, 'b');
  const std::string tooLong = "ACH_" + std::string(296, 'c');
  const std::string shorter = "ACH_" + std::string(96, 'd');
  for (const std::string& key : {a, b, tooLong, shorter}) UnlockAchievement(key);
  const std::string text = BuildAchievementText();
  EXPECT_EQ(text, a + "," + b + "," + shorter + ",");
  EXPECT_LT(text.size(), 1000u);
  ClearAchievements();
}

TEST(CommunityPageTest, FormValuesAreEncodedAndMoneyKeepsItsSign) {
  EXPECT_EQ(EncodeFormValue("a&b=c+d%e f"), "a%26b%3Dc%2Bd%25e+f");
  EXPECT_EQ(EncodeFormValue("Caf\xE9-2_x.y~"), "Caf%E9-2_x.y~");
  EXPECT_EQ(FormatPageMoney(-1500.7f), "\xA3 -1,500");
  EXPECT_EQ(FormatPageMoney(1234567.0), "\xA3 1,234,567");
  EXPECT_EQ(FormatPageMoney(1e30), "\xA3 2,147,483,647");  // held within range
}

TEST(InternetListTest, OnlyFilesInTheModsFoldersAreDownloadPaths) {
  const struct {
    const char* path;
    bool allowed;
  } cases[] = {
      {"mods/avatars/m_x.dds", true},  {"MODS\\Avatars\\m_x.dds", true},
      {"mods/song.ogg", true},         {"mods/jobs/cook.txt", true},
      {"player_options.txt", false},   {"hints.txt", false},
      {"saves/game.xml", false},       {"files.txt", false},
      {"mods", false},                 {"mods/", false},
      {"mods/avatars/", false},        {"mods/./x.dds", false},
      {"modsx/a.dds", false},          {"data/mods/a.dds", false},
      {"mods/../hints.txt", false},    {"/mods/a.dds", false},
      {"C:mods/a.dds", false},         {"", false},
  };
  for (const auto& c : cases)
    EXPECT_EQ(InternetRequest::IsDownloadFolderPath(c.path), c.allowed) << c.path;
}

TEST(InternetListTest, FieldsAreTrimmedMissingOnesEmptyAndTheMessageIsTheFirstLine) {
  const auto entries = ReadMenuResourceList("r1 ,mods/l1.dds , Name one ,\nr2,mods/l2.dds\n", "/nonexistent");
  ASSERT_EQ(entries.size(), 2u);
  EXPECT_EQ(entries[0].remotePath, "r1");
  EXPECT_EQ(entries[0].localPath, "mods/l1.dds");
  EXPECT_EQ(entries[0].name, " Name one");  // trailing blanks only
  EXPECT_EQ(entries[1].name, "");
  EXPECT_EQ(entries[1].author, "");
  EXPECT_FALSE(entries[1].exists);
  std::string message = "old";
  EXPECT_FALSE(ReadMessageOfTheDay("", message));
  EXPECT_EQ(message, "old");
  EXPECT_TRUE(ReadMessageOfTheDay("Hello\r\nworld", message));
  EXPECT_EQ(message, "Hello");
}

}  // namespace
}  // namespace guitest
