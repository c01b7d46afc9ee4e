// Downloads from the game's web server.
#include "engine/InternetRequest.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <filesystem>
#include <system_error>
#include <utility>

#include "engine/DebugLog.h"
#include "engine/StringTokenizer.h"
#include "engine/Translate.h"
#include "engine/Utilities.h"
#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"

namespace {

constexpr const char* kUpdaterAgent = "CorvantaGames - AutoUpdater";
constexpr const char* kLibraryAgent = "CorvantaGames - Internet Library";

constexpr const char* kNoConnection = "INTERNET_NO_CONNECTION";
constexpr const char* kStoppedAnswering = "INTERNET_STOPPED_ANSWERING";
constexpr const char* kRefused = "INTERNET_REFUSED";
constexpr const char* kWriteFailed = "INTERNET_WRITE_FAILED";
constexpr const char* kNoLength = "INTERNET_NO_LENGTH";

// A failure the player should hear about: logged and shown once; the game goes on. The box
// says what went wrong in the library's terms, then in the player's (`said`, a text key);
// the library's own reason (`detail`) goes to the log only. While the game's window is up
// the game's own box says it, so the window and a termination signal still end the game.
void InternetError(const std::string& message, const std::string& detail = {},
                   const char* said = nullptr) {
  const std::string first = "IERROR:  " + message;
  DebugLog::Instance().Write(detail.empty() ? first : first + " (" + detail + ")");
  const std::string text = said ? first + "\n" + Translate(said) : first;
  plat::ShowMessageBox("ERROR", text, plat::BoxIcon::Error);
}

// The player's words for an exchange that did not complete: a server never reached, or one
// that was reached and then fell silent.
const char* UnfinishedExchange(const plat::HttpResult& result) {
  return result.connected ? kStoppedAnswering : kNoConnection;
}

void InternetWarning(const std::string& message) {
  DebugLog::Instance().Write("IWARNING:  " + message + "\n");
}

bool IsSuccess(long status) { return status >= 200 && status < 300; }

long long CountLines(const char* data, size_t size) {
  long long lines = 0;
  for (size_t i = 0; i < size; ++i) lines += data[i] == '\n' ? 1 : 0;
  return lines;
}

bool Exceeds(long long amount, long long bound) { return bound >= 0 && amount > bound; }

// A request to quit or the player's Escape stopped the exchange: said only in the log, since
// the game is ending (a box now would hold it) or the player knows.
void InternetStopped(const plat::HttpResult& result, const std::string& what) {
  DebugLog::Instance().Write(std::string(result.byPlayer ? "IWARNING:  stopped by the player: "
                                                         : "IWARNING:  stopped, the game is closing: ") +
                             what + "\n");
}

// "mods" in any case: paths are matched ignoring case.
bool IsModsFolderName(const std::string& name) {
  if (name.size() != 4) return false;
  for (size_t i = 0; i < 4; ++i)
    if (std::tolower(static_cast<unsigned char>(name[i])) != "mods"[i]) return false;
  return true;
}

}  // namespace

InternetServer& GetInternetServer() {
  static InternetServer server;
  return server;
}

InternetLimits& GetInternetLimits() {
  static InternetLimits limits;
  return limits;
}

bool ReadKeptCopy(const std::string& path, const DownloadBounds& bounds, std::string& text) {
  text.clear();
  std::error_code ec;
  const auto size = std::filesystem::file_size(plat::ResolvePath(path), ec);
  if (ec || !Exceeds(static_cast<long long>(size), bounds.maxBytes)) {
    if (!plat::ReadTextFile(path, text)) return false;
    if (!Exceeds(CountLines(text.data(), text.size()), bounds.maxLines)) return true;
    text.clear();
  }
  InternetWarning("kept copy too large, not read: " + path);
  return false;
}

std::string InternetRequest::UrlFor(const std::string& remotePath) const {
  const InternetServer& server = GetInternetServer();
  std::string url = "http://" + server.host + ":" + std::to_string(server.port);
  if (remotePath.empty() || (remotePath[0] != '/' && remotePath[0] != '\\')) url += '/';
  for (char c : remotePath) {
    if (c == '\\') {
      url += '/';
    } else if (c == ' ') {
      url += "%20";
    } else {
      url += c;
    }
  }
  return url;
}

bool InternetRequest::Connect() {
  plat::HttpOptions options;
  options.userAgent = kUpdaterAgent;
  options.limits = GetInternetLimits().exchange;
  options.user = userName_;
  options.password = password_;
  std::string error;
  if (!session_.Open(options, error)) {
    InternetError("Internet: InternetOpen() Failed", error, kNoConnection);
    return false;
  }
  return true;
}

void InternetRequest::Disconnect() { session_.Close(); }

bool InternetRequest::TestUrl(const std::string& url) {
  plat::HttpSession session;
  plat::HttpOptions options;
  options.userAgent = kLibraryAgent;
  options.limits = GetInternetLimits().exchange;
  std::string error;
  stopped_ = false;
  if (!session.Open(options, error)) {
    InternetError("Internet: InternetOpen() Failed", error, kNoConnection);
    return false;
  }
  const plat::HttpResult result = session.Head(url);
  if (result.cancelled) {
    stopped_ = true;
    InternetStopped(result, url);
    return false;
  }
  if (!result.completed || result.status <= 0 || result.status >= 400) {
    InternetError("InternetOpenUrl() Failed",
                  result.completed ? "HTTP status " + std::to_string(result.status) : result.error,
                  result.completed ? kRefused : UnfinishedExchange(result));
    return false;
  }
  return true;
}

bool InternetRequest::DownloadFile(const std::string& remotePath, const std::string& localPath,
                                   bool force, const DownloadBounds& bounds) {
  stopped_ = false;
  if (!force && FileExists(localPath)) {
    InternetWarning("local copy found: " + localPath);
    return false;
  }
  if (!session_.IsOpen()) {
    InternetError("Internet: HttpOpenRequest() Failed", "not connected", kNoConnection);
    return false;
  }

  // The body goes to a side file that replaces the local file only when complete, so a
  // failed download never leaves half a file or destroys the copy the player had.
  const std::string target = plat::ResolvePath(localPath);
  const std::string partial = target + ".part";
  FILE* file = nullptr;
  long status = 0;
  bool noLength = false;
  bool writeFailed = false;
  bool headersSeen = false;
  bool tooLarge = false;
  long long length = 0;
  long long received = 0;
  long long lines = 0;

  plat::HttpReceiver receiver;
  receiver.onHeaders = [&](long code, long long contentLength) {
    headersSeen = true;
    status = code;
    if (!IsSuccess(code)) return false;
    if (contentLength < 0) {
      noLength = true;
      return false;
    }
    length = contentLength;
    if (Exceeds(length, bounds.maxBytes)) {
      tooLarge = true;
      return false;
    }
    // Made afresh: a link of that name (a mod's archive can carry one) is removed, never
    // written through.
    file = plat::CreateFreshFile(partial);
    if (!file) {
      writeFailed = true;
      return false;
    }
    if (length == 0 && progress_) progress_(localPath, 1.0f);
    return true;
  };
  receiver.onData = [&](const char* data, size_t size) {
    lines += CountLines(data, size);
    // A server that sends more than it announced is held to the bound all the same.
    if (Exceeds(lines, bounds.maxLines) ||
        Exceeds(received + static_cast<long long>(size), bounds.maxBytes)) {
      tooLarge = true;
      return false;
    }
    if (std::fwrite(data, 1, size, file) != size) {
      writeFailed = true;
      return false;
    }
    received += static_cast<long long>(size);
    if (progress_) {
      const float fraction =
          length > 0 ? static_cast<float>(static_cast<double>(received) / length) : 1.0f;
      progress_(localPath, fraction);
    }
    return true;
  };

  // A file the player watches arrive may take longer the longer it is.
  plat::HttpLimits limits = GetInternetLimits().exchange;
  // The length the time may grow by is the bound's at most (a longer one is refused anyway).
  if (progress_) {
    limits.bytesPerExtraSecond = GetInternetLimits().fileBytesPerExtraSecond;
    limits.mostStretchingBytes = std::max(bounds.maxBytes, 0LL);
  }
  const plat::HttpResult result = session_.Get(UrlFor(remotePath), receiver, limits);
  if (file && std::fclose(file) != 0) writeFailed = true;
  file = nullptr;

  bool renamed = false;
  std::string renameError;
  if (!result.cancelled && !tooLarge && !writeFailed && result.completed && IsSuccess(status) &&
      !noLength) {
    std::error_code ec;
    std::filesystem::rename(partial, target, ec);
    renamed = !ec;
    renameError = ec.message();
  }
  // Gone before anything is said: a box may wait long, and the game may be killed meanwhile.
  if (!renamed) plat::RemoveFile(partial);

  if (result.cancelled) {
    stopped_ = true;
    InternetStopped(result, remotePath);
  } else if (tooLarge) {
    InternetError(Translate("INTERNET_TOO_LARGE"),
                  remotePath + ": over " + std::to_string(bounds.maxBytes) + " bytes or " +
                      std::to_string(bounds.maxLines) + " lines");
  } else if (writeFailed) {
    InternetError("Failed writing local web copy", localPath, kWriteFailed);
  } else if (headersSeen && !IsSuccess(status)) {
    InternetError("Internet: HttpSendRequest() Failed",
                  remotePath + ": HTTP status " + std::to_string(status), kRefused);
  } else if (noLength) {
    // The player pressed a button and hears of it as of every other failure.
    InternetError("Internet: HttpQueryInfo() Failed", remotePath + ": no content length",
                  kNoLength);
  } else if (!result.completed) {
    // A server never reached is told apart from one that took the request and fell silent.
    const char* first = !result.connected ? "Internet: InternetConnect() Failed"
                        : headersSeen     ? "Internet: InternetReadFile() Failed"
                                          : "Internet: HttpSendRequest() Failed";
    InternetError(first, remotePath + ": " + result.error, UnfinishedExchange(result));
  } else if (!renamed) {
    InternetError("Failed writing local web copy", localPath + ": " + renameError, kWriteFailed);
  }
  if (!renamed) return false;
  if (!force) localResources_.push_back(localPath);
  return true;
}

bool InternetRequest::IsSafeLocalPath(const std::string& path) {
  if (path.empty() || path[0] == '/' || path[0] == '\\') return false;
  if (path.size() >= 2 && std::isalpha(static_cast<unsigned char>(path[0])) && path[1] == ':')
    return false;
  // ".." as a whole component, whichever separator surrounds it.
  size_t start = 0;
  while (start <= path.size()) {
    size_t end = path.find_first_of("/\\", start);
    if (end == std::string::npos) end = path.size();
    if (path.compare(start, end - start, "..") == 0) return false;
    start = end + 1;
  }
  return true;
}

bool InternetRequest::IsDownloadFolderPath(const std::string& path) {
  if (!IsSafeLocalPath(path)) return false;
  const size_t first = path.find_first_of("/\\");
  if (first == std::string::npos || !IsModsFolderName(path.substr(0, first)))
    return false;
  // A file, not a folder: a name after the last separator, and no "." component.
  size_t start = first + 1;
  bool named = false;
  while (start <= path.size()) {
    size_t end = path.find_first_of("/\\", start);
    if (end == std::string::npos) end = path.size();
    const std::string part = path.substr(start, end - start);
    if (part == ".") return false;
    named = !part.empty();
    start = end + 1;
  }
  return named;
}

bool InternetRequest::LiesInDownloadFolder(const std::string& userFolder,
                                           const std::string& path) {
  if (!IsDownloadFolderPath(path)) return false;
  const std::string first = path.substr(0, path.find_first_of("/\\"));
  // Where a name inside the folder lies: the folder itself followed, should it be a link.
  std::string mods = plat::RealLocation(userFolder + "/" + first + "/-");
  mods.pop_back();
  const std::string real = plat::RealLocation(userFolder + "/" + path);
  return real.size() > mods.size() && real.compare(0, mods.size(), mods) == 0;
}

bool InternetRequest::LoadResourceList() {
  // A second load replaces the list rather than adding to it.
  resources_.clear();
  DownloadFile(remoteListPath_, localListPath_, true);
  std::string text;
  if (!plat::ReadTextFile(localListPath_, text)) {
    InternetError("Intenet: Local file resource list not found", localListPath_);
    return false;
  }
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(start, end - start);
    start = end + 1;
    if (line.empty()) continue;
    StringTokenizer tokens;
    tokens.SetText(line);
    ResourceEntry entry;
    entry.remotePath = TrimField(tokens.NextString());
    entry.localPath = TrimField(tokens.NextString());
    if (entry.remotePath.empty() || entry.localPath.empty()) {
      InternetWarning("incomplete resource line: " + line);
      continue;
    }
    if (!IsSafeLocalPath(entry.localPath)) {
      InternetWarning("unsafe local path rejected: " + entry.localPath);
      continue;
    }
    resources_.push_back(std::move(entry));
  }
  return true;
}

std::vector<ResourceEntry> ReadMenuResourceList(const std::string& text,
                                                const std::string& userFolder) {
  std::vector<ResourceEntry> entries;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    StringTokenizer tokens;
    tokens.SetText(line);
    ResourceEntry entry;
    entry.remotePath = TrimField(tokens.NextString());
    entry.localPath = TrimField(tokens.NextString());
    entry.name = TrimField(tokens.NextString());
    entry.author = TrimField(tokens.NextString());
    // The local path comes from the server, and the menu deletes what it names: it may only
    // name a file where downloads belong.
    if (entry.remotePath.empty() ||
        !InternetRequest::LiesInDownloadFolder(userFolder, entry.localPath)) {
      InternetWarning("resource line skipped: " + line.substr(0, 200));
      continue;
    }
    entry.exists = FileExists(userFolder + "/" + entry.localPath);
    entries.push_back(std::move(entry));
  }
  return entries;
}

bool ReadMessageOfTheDay(const std::string& text, std::string& message) {
  if (text.empty()) return false;
  const size_t end = text.find('\n');
  message = text.substr(0, std::min(end, kMaxMessageLength));
  if (!message.empty() && message.back() == '\r') message.pop_back();
  return true;
}

void InternetRequest::DownloadAll() {
  downloadedCount_ = 0;
  for (const ResourceEntry& entry : resources_)
    if (DownloadFile(entry.remotePath, entry.localPath, false)) ++downloadedCount_;
}

std::string FormatDownloadProgress(const std::string& text, float fraction) {
  return "Downloading: " + text + "  (" + FormatFixed(static_cast<double>(fraction) * 100.0, 2) +
         "%)";
}

