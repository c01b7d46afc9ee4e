// Blocking HTTP requests on libcurl: one session (one connection handle) for a run of
// downloads. Every exchange has limits on its time (connect, speed, whole) and can be stopped
// by a check the application installs, so no server, however slow, holds the caller for good.
#pragma once

#include <functional>
#include <string>

namespace plat {

// How long one exchange may take.
struct HttpLimits {
  long connectSeconds = 15;
  // A transfer slower than lowSpeedBytesPerSecond for lowSpeedSeconds is abandoned: a server
  // that went silent, or one that trickles its answer.
  long lowSpeedBytesPerSecond = 512;
  long lowSpeedSeconds = 30;
  // The whole exchange, from the request to the last byte (0: no such limit)...
  long wholeSeconds = 30;
  // ...and one second more for every this many bytes the server announces (0: none), so a
  // long file still arrives over a slow link...
  long long bytesPerExtraSecond = 0;
  // ...counting no more than this many of them (0: no cap), so an announced length that is
  // refused anyway never lends a transfer more time than the largest file allowed.
  long long mostStretchingBytes = 0;
};

struct HttpOptions {
  std::string userAgent;
  // Basic credentials, answered to the server's challenge; empty user sends none.
  std::string user;
  std::string password;
  HttpLimits limits;
};

// Why an exchange is to stop at once.
enum class HttpStop {
  None,
  Quit,    // the program is ending (the window closed, a termination signal)
  Player,  // the player asked to stop it
};

// Asked now and then (at least every 20 ms) while any exchange runs, before one starts, and
// once more when it has ended (that answer changes nothing, so the check also sees what came
// in during the exchange's last moments): anything but None stops it at once (the result says
// cancelled, and by whom). The application installs one that sees a request to quit and the
// player's Escape. Returns the check it replaces.
using HttpCancelCheck = std::function<HttpStop()>;
HttpCancelCheck SetHttpCancelCheck(HttpCancelCheck check);

struct HttpResult {
  bool completed = false;  // the exchange finished (whatever the status)
  bool aborted = false;    // a callback asked to stop
  bool cancelled = false;  // the cancel check asked to stop...
  bool byPlayer = false;   // ...and it was the player, not the program ending
  bool timedOut = false;   // a limit on its time ran out
  // A connection to the server was made: a failure without one is a server that cannot be
  // reached (refused, no such host, no network), one with it a server that stopped answering.
  bool connected = false;
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
  // Within the session's limits, or the ones given.
  HttpResult Get(const std::string& url, const HttpReceiver& receiver);
  HttpResult Get(const std::string& url, const HttpReceiver& receiver, const HttpLimits& limits);
  // HEAD: whether the address answers.
  HttpResult Head(const std::string& url);
  // POST of a ready-made body with its content type; the response body is returned.
  HttpResult Post(const std::string& url, const std::string& body, const std::string& contentType,
                  std::string& response);

 private:
  void Reset(const HttpLimits& limits);
  void* handle_ = nullptr;
  HttpOptions options_;
};

}  // namespace plat
