// A small HTTP server for tests, bound to 127.0.0.1 on a free port and started by the test
// that needs it (a python3 standard-library script in its own process). It serves files from
// a folder and records every request; special paths answer in the ways downloads can fail.
//
//   /files/<name>      the file with its Content-Length (404 when missing)
//   /nolength/<name>   the file without Content-Length (the body ends when the connection does)
//   /status/<code>     that status with a short error page
//   /auth/<name>       the file only with Basic credentials user:wqzb, else 401
//   POST /echo         the request body back
#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

class HttpTestServer {
 public:
  HttpTestServer();
  ~HttpTestServer();
  HttpTestServer(const HttpTestServer&) = delete;
  HttpTestServer& operator=(const HttpTestServer&) = delete;

  bool Started() const { return port_ > 0; }
  int Port() const { return port_; }
  // Where served files go (under "files").
  std::filesystem::path FileRoot() const { return root_ / "files"; }
  void AddFile(const std::string& name, const std::string& bytes);
  // One line per request: "METHOD path|authorization|cache-control|user-agent|content-type".
  std::string RequestLog() const;

 private:
  std::filesystem::path root_;
  int port_ = 0;
};

}  // namespace testsupport
