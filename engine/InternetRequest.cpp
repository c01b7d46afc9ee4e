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

InternetMessageFallback& Fallback() {
  static InternetMessageFallback fallback;
  return fallback;
}

// A failure the player should hear about: logged and shown once; the game goes on.
void InternetError(const std::string& message, const std::string& detail = {}) {
  const std::string text = "IERROR:  " + message;
  DebugLog::Instance().Write(detail.empty() ? text : text + " (" + detail + ")");
  if (!plat::ShowMessageBox("ERROR", text, plat::BoxIcon::Error) && Fallback())
    Fallback()("ERROR", text);
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

// A request to quit stopped the exchange: said only in the log, since the game is ending
// and a box now would hold it.
void InternetStopped(const std::string& what) {
  DebugLog::Instance().Write("IWARNING:  stopped, the game is closing: " + what + "\n");
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

InternetMessageFallback SetInternetMessageFallback(InternetMessageFallback fallback) {
  return std::exchange(Fallback(), std::move(fallback));
}

bool InternetRequest::Connect() {
  plat::HttpOptions options;
  options.userAgent = kUpdaterAgent;
  options.limits = GetInternetLimits().exchange;
  options.user = userName_;
  options.password = password_;
  std::string error;
  if (!session_.Open(options, error)) {
    InternetError("Internet: InternetOpen() Failed", error);
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
  if (!session.Open(options, error)) {
    InternetError("Internet: InternetOpen() Failed", error);
    return false;
  }
  const plat::HttpResult result = session.Head(url);
  if (result.cancelled) {
    InternetStopped(url);
    return false;
  }
  if (!result.completed || result.status <= 0 || result.status >= 400) {
    InternetError("InternetOpenUrl() Failed",
                  result.completed ? "HTTP status " + std::to_string(result.status) : result.error);
    return false;
  }
  return true;
}

bool InternetRequest::DownloadFile(const std::string& remotePath, const std::string& localPath,
                                   bool force, const DownloadBounds& bounds) {
  if (!force && FileExists(localPath)) {
    InternetWarning("local copy found: " + localPath);
    return false;
  }
  if (!session_.IsOpen()) {
    InternetError("Internet: HttpOpenRequest() Failed", "not connected");
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
    file = plat::OpenFile(partial, "wb");
    if (!file) {
      writeFailed = true;
      return false;
    }
    if (length == 0 && progress_) progress_(localPath, 1.0f);
    return true;
  };
  receiver.onData = [&](const char* data, size_t size) {
    lines += CountLines(data, size);
    if (Exceeds(lines, bounds.maxLines)) {
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
  if (progress_) limits.bytesPerExtraSecond = GetInternetLimits().fileBytesPerExtraSecond;
  const plat::HttpResult result = session_.Get(UrlFor(remotePath), receiver, limits);
  if (file && std::fclose(file) != 0) writeFailed = true;
  file = nullptr;

  bool ok = false;
  if (result.cancelled) {
    InternetStopped(remotePath);
  } else if (tooLarge) {
    InternetError(Translate("INTERNET_TOO_LARGE"),
                  remotePath + ": over " + std::to_string(bounds.maxBytes) + " bytes or " +
                      std::to_string(bounds.maxLines) + " lines");
  } else if (writeFailed) {
    InternetError("Failed writing local web copy", localPath);
  } else if (headersSeen && !IsSuccess(status)) {
    InternetError("Internet: HttpSendRequest() Failed",
                  remotePath + ": HTTP status " + std::to_string(status));
  } else if (noLength) {
    InternetWarning("no content length: " + remotePath);
  } else if (!result.completed) {
    InternetError(headersSeen ? "Internet: InternetReadFile() Failed"
                              : "Internet: HttpSendRequest() Failed",
                  remotePath + ": " + result.error);
  } else {
    std::error_code ec;
    std::filesystem::rename(partial, target, ec);
    if (ec) {
      InternetError("Failed writing local web copy", localPath + ": " + ec.message());
    } else {
      ok = true;
    }
  }
  if (!ok) {
    plat::RemoveFile(partial);
    return false;
  }
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

