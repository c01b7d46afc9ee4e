// HTTP requests on libcurl.
#include "platform/Http.h"

#include <curl/curl.h>

#include <algorithm>
#include <chrono>
#include <utility>

namespace plat {
namespace {

constexpr long kChunkSize = 2048;

CURL* Curl(void* handle) { return static_cast<CURL*>(handle); }

void EnsureGlobalInit() {
  static const bool done = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
  (void)done;
}

struct GetState {
  CURL* curl = nullptr;
  const HttpReceiver* receiver = nullptr;
  bool headersReported = false;
  bool aborted = false;
};

long ResponseCode(CURL* curl) {
  long code = 0;
  curl_easy_getinfo(curl, CURLINFO_RESPONSE_CODE, &code);
  return code;
}

bool ReportHeaders(GetState& state) {
  if (state.headersReported) return true;
  state.headersReported = true;
  curl_off_t length = -1;
  if (curl_easy_getinfo(state.curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &length) != CURLE_OK)
    length = -1;
  if (!state.receiver->onHeaders) return true;
  return state.receiver->onHeaders(ResponseCode(state.curl), static_cast<long long>(length));
}

size_t WriteToReceiver(char* data, size_t size, size_t count, void* user) {
  auto& state = *static_cast<GetState*>(user);
  const size_t bytes = size * count;
  if (!ReportHeaders(state)) {
    state.aborted = true;
    return 0;  // anything other than the byte count stops the transfer
  }
  if (state.receiver->onData && !state.receiver->onData(data, bytes)) {
    state.aborted = true;
    return 0;
  }
  return bytes;
}

// A reply to a post is a short page; one that goes on is not kept in memory without end.
constexpr size_t kMaxPostResponse = 1 << 20;

size_t WriteToString(char* data, size_t size, size_t count, void* user) {
  auto& text = *static_cast<std::string*>(user);
  if (text.size() + size * count > kMaxPostResponse) return 0;  // stops the transfer
  text.append(data, size * count);
  return size * count;
}

size_t Discard(char*, size_t size, size_t count, void*) { return size * count; }

HttpCancelCheck& CancelCheck() {
  static HttpCancelCheck check;
  return check;
}

HttpStop StopRequested() {
  const HttpCancelCheck& check = CancelCheck();
  return check ? check() : HttpStop::None;
}

void SayCancelled(HttpStop stop, HttpResult& result) {
  result.cancelled = true;
  result.byPlayer = stop == HttpStop::Player;
  result.error = result.byPlayer ? "stopped by the player" : "stopped: the program is ending";
}

using Clock = std::chrono::steady_clock;

// The limits curl has no option for: the whole time (stretched by the announced length) and
// the cancel check, asked from the progress function.
struct Watch {
  const HttpLimits* limits = nullptr;
  Clock::time_point start;
  Clock::time_point lastAsked;
  bool asked = false;
  HttpStop stop = HttpStop::None;
  bool timedOut = false;
};

int WatchProgress(void* user, curl_off_t downloadTotal, curl_off_t, curl_off_t, curl_off_t) {
  auto& watch = *static_cast<Watch*>(user);
  const Clock::time_point now = Clock::now();
  // Pieces can come thousands of times a second; the check is asked at most fifty.
  if (!watch.asked || now - watch.lastAsked >= std::chrono::milliseconds(20)) {
    watch.asked = true;
    watch.lastAsked = now;
    watch.stop = StopRequested();
    if (watch.stop != HttpStop::None) return 1;
  }
  const HttpLimits& limits = *watch.limits;
  if (limits.wholeSeconds > 0) {
    double allowed = static_cast<double>(limits.wholeSeconds);
    if (limits.bytesPerExtraSecond > 0 && downloadTotal > 0) {
      curl_off_t counted = downloadTotal;
      if (limits.mostStretchingBytes > 0)
        counted = std::min<curl_off_t>(counted, static_cast<curl_off_t>(limits.mostStretchingBytes));
      allowed += static_cast<double>(counted) / static_cast<double>(limits.bytesPerExtraSecond);
    }
    if (std::chrono::duration<double>(now - watch.start).count() > allowed) {
      watch.timedOut = true;
      return 1;
    }
  }
  return 0;
}

// Whether the exchange reached the server: curl records the time the connection was made
// (a reused one counts at once), and an answer's status proves it too.
bool WasConnected(CURL* curl, CURLcode code) {
  if (code == CURLE_COULDNT_CONNECT || code == CURLE_COULDNT_RESOLVE_HOST ||
      code == CURLE_COULDNT_RESOLVE_PROXY)
    return false;
  curl_off_t connectTime = 0;
  if (curl_easy_getinfo(curl, CURLINFO_CONNECT_TIME_T, &connectTime) == CURLE_OK && connectTime > 0)
    return true;
  return ResponseCode(curl) > 0;
}

// Runs the prepared request under the watch, and says in the result why it was stopped.
// Nothing is sent when the cancel check already says stop.
CURLcode Perform(CURL* curl, const HttpLimits& limits, HttpResult& result) {
  if (const HttpStop stop = StopRequested(); stop != HttpStop::None) {
    SayCancelled(stop, result);
    return CURLE_ABORTED_BY_CALLBACK;
  }
  Watch watch;
  watch.limits = &limits;
  watch.start = Clock::now();
  curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
  curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, WatchProgress);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &watch);
  const CURLcode code = curl_easy_perform(curl);
  curl_easy_setopt(curl, CURLOPT_XFERINFODATA, nullptr);
  StopRequested();  // the exchange is over whatever it says
  result.connected = WasConnected(curl, code);
  if (watch.stop != HttpStop::None) {
    SayCancelled(watch.stop, result);
  } else if (watch.timedOut) {
    result.timedOut = true;
    result.error = "no complete answer within the time allowed";
  } else if (code == CURLE_OPERATION_TIMEDOUT) {
    result.timedOut = true;
  }
  return code;
}

}  // namespace

HttpCancelCheck SetHttpCancelCheck(HttpCancelCheck check) {
  return std::exchange(CancelCheck(), std::move(check));
}

bool HttpSession::Open(const HttpOptions& options, std::string& error) {
  Close();
  EnsureGlobalInit();
  handle_ = curl_easy_init();
  if (!handle_) {
    error = "curl_easy_init failed";
    return false;
  }
  options_ = options;
  return true;
}

void HttpSession::Close() {
  if (!handle_) return;
  curl_easy_cleanup(Curl(handle_));
  handle_ = nullptr;
}

// Settings shared by every request; the handle keeps its connection between requests.
void HttpSession::Reset(const HttpLimits& limits) {
  CURL* curl = Curl(handle_);
  curl_easy_reset(curl);
  curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
  curl_easy_setopt(curl, CURLOPT_USERAGENT, options_.userAgent.c_str());
  curl_easy_setopt(curl, CURLOPT_PROXY, "");
  curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT, limits.connectSeconds);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, limits.lowSpeedBytesPerSecond);
  curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, limits.lowSpeedSeconds);
  curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
  if (!options_.user.empty()) {
    curl_easy_setopt(curl, CURLOPT_HTTPAUTH, static_cast<long>(CURLAUTH_BASIC));
    curl_easy_setopt(curl, CURLOPT_USERNAME, options_.user.c_str());
    curl_easy_setopt(curl, CURLOPT_PASSWORD, options_.password.c_str());
  }
}

HttpResult HttpSession::Get(const std::string& url, const HttpReceiver& receiver) {
  return Get(url, receiver, options_.limits);
}

HttpResult HttpSession::Get(const std::string& url, const HttpReceiver& receiver,
                            const HttpLimits& limits) {
  HttpResult result;
  if (!handle_) {
    result.error = "no session";
    return result;
  }
  Reset(limits);
  CURL* curl = Curl(handle_);
  GetState state{curl, &receiver};
  curl_slist* headers = curl_slist_append(nullptr, "Cache-Control: no-cache");
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_BUFFERSIZE, kChunkSize);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToReceiver);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &state);
  const CURLcode code = Perform(curl, limits, result);
  if (code == CURLE_OK) {
    result.completed = true;
    // An empty body never reached the write function: report the headers now.
    if (!ReportHeaders(state)) state.aborted = true;
  } else if (!state.aborted && result.error.empty()) {
    result.error = curl_easy_strerror(code);
  }
  result.aborted = state.aborted;
  result.status = ResponseCode(curl);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(headers);
  return result;
}

HttpResult HttpSession::Head(const std::string& url) {
  HttpResult result;
  if (!handle_) {
    result.error = "no session";
    return result;
  }
  Reset(options_.limits);
  CURL* curl = Curl(handle_);
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_NOBODY, 1L);
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, Discard);
  const CURLcode code = Perform(curl, options_.limits, result);
  result.completed = code == CURLE_OK;
  if (!result.completed && result.error.empty()) result.error = curl_easy_strerror(code);
  result.status = ResponseCode(curl);
  return result;
}

HttpResult HttpSession::Post(const std::string& url, const std::string& body,
                             const std::string& contentType, std::string& response) {
  HttpResult result;
  response.clear();
  if (!handle_) {
    result.error = "no session";
    return result;
  }
  Reset(options_.limits);
  CURL* curl = Curl(handle_);
  const std::string typeHeader = "Content-Type: " + contentType;
  curl_slist* headers = curl_slist_append(nullptr, typeHeader.c_str());
  curl_easy_setopt(curl, CURLOPT_URL, url.c_str());
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, headers);
  curl_easy_setopt(curl, CURLOPT_POSTFIELDS, body.c_str());
  curl_easy_setopt(curl, CURLOPT_POSTFIELDSIZE_LARGE, static_cast<curl_off_t>(body.size()));
  curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, WriteToString);
  curl_easy_setopt(curl, CURLOPT_WRITEDATA, &response);
  const CURLcode code = Perform(curl, options_.limits, result);
  result.completed = code == CURLE_OK;
  if (!result.completed && result.error.empty()) result.error = curl_easy_strerror(code);
  result.status = ResponseCode(curl);
  curl_easy_setopt(curl, CURLOPT_HTTPHEADER, nullptr);
  curl_slist_free_all(headers);
  return result;
}

}  // namespace plat
