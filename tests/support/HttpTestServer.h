// A small HTTP server for tests, bound to 127.0.0.1 on a free port and started by the test
// that needs it (a python3 standard-library script in its own process). It serves files from
// a folder and records every request; special paths answer in the ways downloads can fail.
//
//   /files/<name>      the file with its Content-Length (404 when missing)
//   /nolength/<name>   the file without Content-Length (the body ends when the connection does)
//   /status/<code>     that status with a short error page
//   /auth/<name>       the file only with Basic credentials user:wqzb, else 401
//   POST /echo         the request body back
//   POST /tovel/php/cwp.php   the community page form: its body is kept (PostedForms)
//   any other path     the file of that path under the served folder (AddFile with
//                      "tovel/autoupdate/files111.txt" serves "/tovel/autoupdate/files111.txt")
// A file given a pace (SetPace) is announced whole, then sent that many bytes at a time; one
// given an announced length says that length whatever it holds; a stalling one sends its
// first bytes and then nothing, the connection held open. Posts can stall too.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

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
  // The file of that name (as AddFile names it) trickles: bytesPerTenth bytes every
  // tenthsApart tenths of a second.
  void SetPace(std::string name, int bytesPerTenth, int tenthsApart = 1);
  // The file's Content-Length says `length`, whatever the file holds.
  void SetAnnouncedLength(const std::string& name, long long length);
  // The file's first `afterBytes` bytes, then silence for a minute.
  void SetStall(const std::string& name, int afterBytes);
  // Every later post is read and never answered.
  void SetPostsStall();
  // Every later post is refused (status 500).
  void SetPostsRefused();
  // One line per request: "METHOD path|authorization|cache-control|user-agent|content-type".
  std::string RequestLog() const;
  // The bodies posted to the community page's form, in order.
  std::vector<std::string> PostedForms() const;
  // Stops serving (the port then refuses); the destructor does it too.
  void Stop();

 private:
  std::filesystem::path root_;
  int port_ = 0;
};

}  // namespace testsupport
