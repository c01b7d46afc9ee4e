// Downloads against a loopback server the test starts itself: complete files with progress,
// the answers that must not become files, an unreachable server, and the resource list.
#include <gtest/gtest.h>

#include <filesystem>
#include <vector>

#include "engine/DebugLog.h"
#include "engine/DownloadProgress.h"
#include "engine/InternetRequest.h"
#include "support/HttpTestServer.h"
#include "support/TestSupport.h"

namespace fs = std::filesystem;
using testsupport::FatalCatcher;
using testsupport::HttpTestServer;
using testsupport::ReadFile;
using testsupport::ScopedChdir;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

std::string Bytes(size_t size) {
  std::string bytes(size, '\0');
  for (size_t i = 0; i < size; ++i) bytes[i] = static_cast<char>((i * 7 + 3) & 0xFF);
  return bytes;
}

class InternetTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.Started()) << "the loopback server did not start";
    oldServer = GetInternetServer();
    GetInternetServer() = InternetServer{"127.0.0.1", server.Port()};
    fs::create_directories(dir.Path() / "debugdata");
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath((dir.Path() / "debugdata/debug.txt").string());
    DebugLog::Instance().Open();
  }
  void TearDown() override {
    GetInternetServer() = oldServer;
    DebugLog::Instance().Close();
    DebugLog::Instance().SetPath("./debugdata/debug.txt");
  }
  std::string Log() const { return ReadFile(dir.Path() / "debugdata/debug.txt"); }
  std::string Local(const std::string& name) const { return (dir.Path() / name).string(); }

  FatalCatcher fatal;  // any fatal stop fails the test with an exception
  HttpTestServer server;
  InternetServer oldServer;
  TempDir dir;
  InternetRequest request;
};

}  // namespace

TEST_F(InternetTest, DownloadWritesTheFileAndReportsProgressInPieces) {
  const std::string body = Bytes(5000);
  server.AddFile("avatar.png", body);
  std::vector<float> fractions;
  ASSERT_TRUE(request.Connect());
  request.SetProgressCallback([&](const std::string& text, float fraction) {
    EXPECT_EQ(text, Local("avatar.png"));
    fractions.push_back(fraction);
  });
  ASSERT_TRUE(request.DownloadFile("/files/avatar.png", Local("avatar.png"), true));
  EXPECT_EQ(ReadFile(Local("avatar.png")), body);
  EXPECT_FALSE(fs::exists(Local("avatar.png.part")));
  ASSERT_GE(fractions.size(), 3u);  // pieces of at most 2048 bytes
  EXPECT_TRUE(std::is_sorted(fractions.begin(), fractions.end()));
  EXPECT_FLOAT_EQ(fractions.back(), 1.0f);
  EXPECT_TRUE(request.LocalResources().empty());  // forced downloads are not listed

  // What went over the wire: no caching, the updater's name, the default credentials.
  const std::string log = server.RequestLog();
  EXPECT_NE(log.find("GET /files/avatar.png|Basic dXNlcjp3cXpi|no-cache|CorvantaGames - AutoUpdater"),
            std::string::npos)
      << log;

  // The frame the menu shows uses the same reports.
  request.SetProgressCallback(ShowDownloadProgress);
  GetDownloadProgressFrame() = {};
  ASSERT_TRUE(request.DownloadFile("files/avatar.png", Local("again.png"), true));
  EXPECT_GE(GetDownloadProgressFrame().frames, 3);
  EXPECT_EQ(GetDownloadProgressFrame().lastText, "Downloading: " + Local("again.png") + "  (100.00%)");
  request.Disconnect();
}

TEST_F(InternetTest, APartFileThatIsALinkIsReplacedNotWrittenThrough) {
  server.AddFile("avatar.png", "new avatar");
  WriteFile(Local("victim.txt"), "the player's own file");
  fs::create_symlink(Local("victim.txt"), Local("avatar.png.part"));
  ASSERT_TRUE(request.Connect());
  ASSERT_TRUE(request.DownloadFile("/files/avatar.png", Local("avatar.png"), true));
  EXPECT_EQ(ReadFile(Local("victim.txt")), "the player's own file");
  EXPECT_FALSE(fs::is_symlink(Local("avatar.png")));
  EXPECT_EQ(ReadFile(Local("avatar.png")), "new avatar");
  EXPECT_FALSE(fs::exists(fs::symlink_status(Local("avatar.png.part"))));
}

TEST_F(InternetTest, ProgressTextShowsTwoDecimals) {
  EXPECT_EQ(FormatDownloadProgress("x.png", 0.5f), "Downloading: x.png  (50.00%)");
  EXPECT_EQ(FormatDownloadProgress("x.png", 0.0f), "Downloading: x.png  (0.00%)");
  EXPECT_EQ(FormatDownloadProgress("x.png", 1.0f / 3.0f), "Downloading: x.png  (33.33%)");
}

TEST_F(InternetTest, AnswersThatAreNotCompleteFilesWriteNothing) {
  server.AddFile("stream.bin", Bytes(3000));
  ASSERT_TRUE(request.Connect());
  // No length: refused before anything is written.
  EXPECT_FALSE(request.DownloadFile("/nolength/stream.bin", Local("stream.bin"), true));
  EXPECT_FALSE(fs::exists(Local("stream.bin")));
  // An error page is not a file, and the copy the player had survives a failed refresh.
  WriteFile(Local("keep.png"), "old copy");
  EXPECT_FALSE(request.DownloadFile("/files/missing.png", Local("keep.png"), true));
  EXPECT_EQ(ReadFile(Local("keep.png")), "old copy");
  EXPECT_FALSE(request.DownloadFile("/status/500", Local("error.png"), true));
  EXPECT_FALSE(fs::exists(Local("error.png")));
  EXPECT_FALSE(fs::exists(Local("error.png.part")));
  EXPECT_NE(Log().find("IERROR:  Internet: HttpSendRequest() Failed"), std::string::npos);
  EXPECT_NE(Log().find("IERROR:  Internet: HttpQueryInfo() Failed"), std::string::npos);
}

TEST_F(InternetTest, AnEmptyFileIsCompleteAtOnce) {
  server.AddFile("empty.txt", "");
  std::vector<float> fractions;
  ASSERT_TRUE(request.Connect());
  request.SetProgressCallback([&](const std::string&, float f) { fractions.push_back(f); });
  ASSERT_TRUE(request.DownloadFile("/files/empty.txt", Local("empty.txt"), true));
  EXPECT_TRUE(fs::exists(Local("empty.txt")));
  EXPECT_EQ(fs::file_size(Local("empty.txt")), 0u);
  EXPECT_EQ(fractions, std::vector<float>{1.0f});
}

TEST_F(InternetTest, AServerThatIsDownFailsEveryCallAndTheGameGoesOn) {
  GetInternetServer().port = 1;  // nothing listens there
  ASSERT_TRUE(request.Connect());
  EXPECT_FALSE(request.DownloadFile("/files/a.png", Local("a.png"), true));
  EXPECT_FALSE(fs::exists(Local("a.png")));
  EXPECT_FALSE(request.TestUrl("http://127.0.0.1:1/"));
  // A refused connection is no request the server failed to answer.
  EXPECT_NE(Log().find("IERROR:  Internet: InternetConnect() Failed"), std::string::npos);
  EXPECT_EQ(Log().find("HttpSendRequest"), std::string::npos);
  EXPECT_NE(Log().find("IERROR:  InternetOpenUrl() Failed"), std::string::npos);
  // Without a connection nothing is tried.
  request.Disconnect();
  EXPECT_FALSE(request.DownloadFile("/files/a.png", Local("a.png"), true));
}

TEST_F(InternetTest, ReachabilityTestSaysNoWhenNoOneAnswers) {
  server.AddFile("here.txt", "hello");
  const std::string base = "http://127.0.0.1:" + std::to_string(server.Port());
  EXPECT_TRUE(request.TestUrl(base + "/files/here.txt"));
  EXPECT_FALSE(request.TestUrl(base + "/status/404"));
  EXPECT_NE(server.RequestLog().find("HEAD /files/here.txt|||CorvantaGames - Internet Library"),
            std::string::npos);
}

TEST_F(InternetTest, CredentialsAnswerTheServersChallenge) {
  server.AddFile("private.bin", "members only");
  ASSERT_TRUE(request.Connect());
  ASSERT_TRUE(request.DownloadFile("/auth/private.bin", Local("private.bin"), true));
  EXPECT_EQ(ReadFile(Local("private.bin")), "members only");
}

TEST_F(InternetTest, AnExistingLocalCopyIsKeptUnlessForced) {
  server.AddFile("a.png", "new");
  WriteFile(Local("a.png"), "mine");
  ASSERT_TRUE(request.Connect());
  EXPECT_FALSE(request.DownloadFile("/files/a.png", Local("a.png"), false));
  EXPECT_EQ(ReadFile(Local("a.png")), "mine");
  EXPECT_NE(Log().find("IWARNING:  local copy found: " + Local("a.png")), std::string::npos);
  EXPECT_EQ(server.RequestLog().find("a.png"), std::string::npos);  // nothing was asked for
  EXPECT_TRUE(request.DownloadFile("/files/a.png", Local("a.png"), true));
  EXPECT_EQ(ReadFile(Local("a.png")), "new");
}

TEST_F(InternetTest, ResourceListLoadsOnceAndDownloadsOnlyWhatIsMissing) {
  server.AddFile("a.png", "aaa");
  server.AddFile("b c.png", "bbb");
  server.AddFile("list.txt",
                 "files/a.png,mods/a.png\r\n"
                 "\n"
                 "\"files/b c.png\",\"mods/b c.png\"\n"
                 "files/a.png,../x\n"
                 "files/a.png,mods/../../x\n"
                 "files/a.png,/etc/evil\n"
                 "files/a.png,\\\\server\\evil\n"
                 "files/a.png,C:\\evil.png\n"
                 "files/a.png\n");
  fs::create_directories(dir.Path() / "mods");
  ScopedChdir cd(dir.Path());
  request.SetListPaths("/files/list.txt", "list_local.txt");
  ASSERT_TRUE(request.Connect());
  ASSERT_TRUE(request.LoadResourceList());
  ASSERT_EQ(request.Resources().size(), 2u);
  EXPECT_EQ(request.Resources()[0].remotePath, "files/a.png");
  EXPECT_EQ(request.Resources()[0].localPath, "mods/a.png");
  EXPECT_EQ(request.Resources()[1].localPath, "mods/b c.png");
  EXPECT_NE(Log().find("unsafe local path rejected: ../x"), std::string::npos);

  // A second load replaces the list instead of doubling it.
  ASSERT_TRUE(request.LoadResourceList());
  EXPECT_EQ(request.Resources().size(), 2u);

  request.DownloadAll();
  EXPECT_EQ(request.DownloadedCount(), 2);
  EXPECT_EQ(ReadFile("mods/b c.png"), "bbb");
  EXPECT_EQ(request.LocalResources(), (std::vector<std::string>{"mods/a.png", "mods/b c.png"}));
  request.DownloadAll();
  EXPECT_EQ(request.DownloadedCount(), 0);
  // A drive-letter name would otherwise become a file of that odd name right here.
  EXPECT_FALSE(fs::exists("C:\\evil.png"));
}

TEST_F(InternetTest, AFailedListRefreshKeepsTheOldList) {
  ScopedChdir cd(dir.Path());
  request.SetListPaths("/files/list.txt", "list_local.txt");
  ASSERT_TRUE(request.Connect());
  EXPECT_FALSE(request.LoadResourceList());  // nothing on the server, nothing local
  EXPECT_TRUE(request.Resources().empty());
  EXPECT_NE(Log().find("IERROR:  Intenet: Local file resource list not found"), std::string::npos);

  WriteFile(dir.Path() / "list_local.txt", "files/old.png,mods/old.png\n");
  EXPECT_TRUE(request.LoadResourceList());
  ASSERT_EQ(request.Resources().size(), 1u);
  EXPECT_EQ(request.Resources()[0].localPath, "mods/old.png");
  EXPECT_EQ(ReadFile(dir.Path() / "list_local.txt"), "files/old.png,mods/old.png\n");
}

TEST(InternetPaths, OnlyPathsBelowTheTargetFolderAreSafe) {
  for (const char* safe : {"a.png", "mods/a.png", "mods\\avatars\\a.png", "a..b.png", "..a/b", "x/.../y"})
    EXPECT_TRUE(InternetRequest::IsSafeLocalPath(safe)) << safe;
  for (const char* unsafe : {"", "..", "../x", "a/../../x", "a\\..\\x", "a/..", "/etc/passwd",
                             "\\evil", "C:\\evil", "c:evil", "z:/evil"})
    EXPECT_FALSE(InternetRequest::IsSafeLocalPath(unsafe)) << unsafe;
}
