// Blocking HTTP requests on libcurl: one session (one connection handle) for a run of
// downloads, with connect and low-speed timeouts so a stalled server cannot hang the caller.
#pragma once

#include <functional>
#include <string>

namespace plat {

struct HttpOptions {
  std::string userAgent;
  // Basic credentials, answered to the server's challenge; empty user sends none.
  std::string user;
  std::string password;
  long connectTimeoutSeconds = 15;
  // A transfer slower than lowSpeedBytesPerSecond for lowSpeedSeconds is abandoned.
  long lowSpeedBytesPerSecond = 1;
  long lowSpeedSeconds = 30;
};

struct HttpResult {
  bool completed = false;  // the exchange finished (whatever the status)
  bool aborted = false;    // a callback asked to stop
  long status = 0;         // the HTTP status, 0 when none arrived
  std::string error;       // the transport's reason when not completed
};

// What a GET reports: the status and length once the headers are in (length -1 when the
// server gave none), then each piece of the body (at most 2048 bytes). Returning false from
// either stops the transfer.
struct HttpReceiver {
  std::function<bool(long status, long long contentLength)> onHeaders;
  std::function<bool(const char* data, size_t size)> onData;
};

class HttpSession {
 public:
  HttpSession() = default;
  ~HttpSession() { Close(); }
  HttpSession(const HttpSession&) = delete;
  HttpSession& operator=(const HttpSession&) = delete;

  bool Open(const HttpOptions& options, std::string& error);
  void Close();
  bool IsOpen() const { return handle_ != nullptr; }

  // GET without caching. onHeaders is called exactly once when the exchange completes.
  HttpResult Get(const std::string& url, const HttpReceiver& receiver);
  // HEAD: whether the address answers.
  HttpResult Head(const std::string& url);
  // POST of a ready-made body with its content type; the response body is returned.
  HttpResult Post(const std::string& url, const std::string& body, const std::string& contentType,
                  std::string& response);

 private:
  void Reset();
  void* handle_ = nullptr;
  HttpOptions options_;
};

}  // namespace plat
