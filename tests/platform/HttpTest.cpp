// The HTTP layer against the loopback test server: status and length reporting, posts.
#include <gtest/gtest.h>

#include "platform/Http.h"
#include "support/HttpTestServer.h"

using testsupport::HttpTestServer;

namespace {

class HttpTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(server.Started());
    std::string error;
    plat::HttpOptions options;
    options.userAgent = "tester";
    ASSERT_TRUE(session.Open(options, error)) << error;
  }
  std::string Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(server.Port()) + path;
  }
  HttpTestServer server;
  plat::HttpSession session;
};

}  // namespace

TEST_F(HttpTest, GetReportsHeadersOnceThenTheBodyInPieces) {
  server.AddFile("big.bin", std::string(10000, 'x'));
  int headerCalls = 0;
  long status = 0;
  long long length = 0;
  std::string body;
  size_t largest = 0;
  plat::HttpReceiver receiver;
  receiver.onHeaders = [&](long s, long long l) {
    ++headerCalls;
    status = s;
    length = l;
    return true;
  };
  receiver.onData = [&](const char* data, size_t size) {
    body.append(data, size);
    largest = std::max(largest, size);
    return true;
  };
  const plat::HttpResult result = session.Get(Url("/files/big.bin"), receiver);
  EXPECT_TRUE(result.completed);
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(headerCalls, 1);
  EXPECT_EQ(status, 200);
  EXPECT_EQ(length, 10000);
  EXPECT_EQ(body.size(), 10000u);
  EXPECT_LE(largest, 2048u);
}

TEST_F(HttpTest, ARefusedHeaderStopsTheTransfer) {
  server.AddFile("big.bin", std::string(10000, 'x'));
  bool dataSeen = false;
  plat::HttpReceiver receiver;
  receiver.onHeaders = [](long, long long) { return false; };
  receiver.onData = [&](const char*, size_t) {
    dataSeen = true;
    return true;
  };
  const plat::HttpResult result = session.Get(Url("/files/big.bin"), receiver);
  EXPECT_TRUE(result.aborted);
  EXPECT_FALSE(dataSeen);
  // An unknown length is reported as -1.
  long long length = 0;
  receiver.onHeaders = [&](long, long long l) {
    length = l;
    return true;
  };
  EXPECT_TRUE(session.Get(Url("/nolength/big.bin"), receiver).completed);
  EXPECT_EQ(length, -1);
}

TEST_F(HttpTest, PostSendsTheBodyWithItsTypeAndReadsTheAnswer) {
  std::string response;
  const plat::HttpResult result =
      session.Post(Url("/echo"), "name=a%20b&score=3", "application/x-www-form-urlencoded", response);
  EXPECT_TRUE(result.completed);
  EXPECT_EQ(result.status, 200);
  EXPECT_EQ(response, "name=a%20b&score=3");
  EXPECT_NE(server.RequestLog().find("POST /echo|||tester|application/x-www-form-urlencoded"),
            std::string::npos);
}

TEST_F(HttpTest, HeadAndClosedSessions) {
  server.AddFile("here.txt", "x");
  EXPECT_EQ(session.Head(Url("/files/here.txt")).status, 200);
  EXPECT_EQ(session.Head(Url("/files/gone.txt")).status, 404);
  session.Close();
  EXPECT_FALSE(session.IsOpen());
  EXPECT_FALSE(session.Head(Url("/files/here.txt")).completed);
  EXPECT_FALSE(session.Get(Url("/files/here.txt"), plat::HttpReceiver{}).completed);
}
