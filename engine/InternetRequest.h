// Downloads from the game's web server: the list of downloadable resources, the files it
// names, and a reachability test. Every call blocks; a download reports its progress through
// a function the caller sets (the internet menu draws a frame per piece received).
//
// A network failure never stops the game: it is logged, shown once (what the library said,
// then a sentence for the player), and the call returns false so the caller keeps what it had.
// No exchange holds the game for good: each has limits on its time (GetInternetLimits), and a
// request to quit or the player's Escape stops it (only logged, no box).
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Http.h"

// Where the game's web server lives. Tests point it at a server of their own.
struct InternetServer {
  std::string host = "downloads.tovel-game.org";
  int port = 80;
};
InternetServer& GetInternetServer();

// How long an exchange with the server may take. The list, the message of the day, the upload
// and the reachability test hold the frame loop still and get the whole-time limit alone; a
// file download, which draws its progress, gets a second more for every fileBytesPerExtraSecond
// bytes of its length, so a large mod arrives over any real link while a trickle still ends
// (at the speed floor). Tests shorten them.
struct InternetLimits {
  plat::HttpLimits exchange;
  long long fileBytesPerExtraSecond = 8192;
};
InternetLimits& GetInternetLimits();

// The most a download may be: more bytes, or more lines, and it is refused (said as a failure)
// and the local file stays as it was. -1: no bound.
struct DownloadBounds {
  long long maxBytes = -1;
  long long maxLines = -1;
};
// The internet menu's list and message-of-the-day file, far above any real one: a list runs
// to a few dozen lines.
constexpr DownloadBounds kMenuListBounds{512 * 1024, 2000};
constexpr DownloadBounds kMessageFileBounds{64 * 1024, -1};
// A file the player downloads from the menu: eight times the largest shipped avatar (1 MiB).
// Checked at the headers, so an announced length beyond it is refused at once, and the time a
// download may take grows by this much at most.
constexpr DownloadBounds kFileDownloadBounds{8 * 1024 * 1024, -1};
// The message of the day is its file's first line, cut to this many characters.
constexpr size_t kMaxMessageLength = 1023;

// A copy kept on disk, read only within the bounds a fresh download has (an over-large one
// reads as none, and is logged). False when there is none to read.
bool ReadKeptCopy(const std::string& path, const DownloadBounds& bounds, std::string& text);

struct ResourceEntry {
  std::string remotePath;
  std::string localPath;
  // The internet menu's list also names each entry and its author, and notes whether the
  // file is on disk already (when the list was read).
  std::string name;
  std::string author;
  bool exists = false;
};

// The internet menu's list: one "remote,local,name,author" entry per line (missing fields
// empty, trailing blanks trimmed). Lines are whole, whatever their length; a blank line, a
// line without a remote path, and a local path outside the folders downloads belong in (see
// IsDownloadFolderPath) give no entry. `exists` tells whether "<userFolder>/<local>" is a file.
std::vector<ResourceEntry> ReadMenuResourceList(const std::string& text,
                                                const std::string& userFolder);
// The message of the day: the file's first line without its line end, cut to
// kMaxMessageLength characters. False for a file without a single byte, which leaves the
// message shown before.
bool ReadMessageOfTheDay(const std::string& text, std::string& message);

using DownloadProgressFunction = std::function<void(const std::string& text, float fraction)>;

class InternetRequest {
 public:
  InternetRequest() = default;
  InternetRequest(const InternetRequest&) = delete;
  InternetRequest& operator=(const InternetRequest&) = delete;

  bool Connect();
  void Disconnect();
  bool IsConnected() const { return session_.IsOpen(); }
  // Whether the address answers at all (any HTTP status below 400).
  bool TestUrl(const std::string& url);
  // Fetches the server's remote path into the local file. Without force, an existing local
  // file is kept and false returned. Only a complete 2xx answer within the bounds replaces
  // the local file. While a progress function is set, the download is a file the player
  // watches arrive, and its time limit grows with its length.
  bool DownloadFile(const std::string& remotePath, const std::string& localPath, bool force,
                    const DownloadBounds& bounds = {});
  // Fetches the list afresh, then reads the local copy (the old one when the fetch failed)
  // into the resource entries, replacing those held. True when a list was read.
  bool LoadResourceList();
  // Fetches every entry that is not already present locally.
  void DownloadAll();
  void SetProgressCallback(DownloadProgressFunction progress) { progress_ = std::move(progress); }
  // The last download or reachability test was stopped (a request to quit or the player's
  // Escape) rather than failed: the caller's action ends with it.
  bool WasStopped() const { return stopped_; }

  // A local path from the server may only name a place below the folder it is joined to:
  // no "..", no leading '/' or '\', no drive letter, not empty.
  static bool IsSafeLocalPath(const std::string& path);
  // The internet menu downloads and deletes what its list names, without asking: a local path
  // may only name a file in "mods" or a folder below it (avatars go to "mods/avatars"), never
  // the player's saves, options or hints beside them.
  static bool IsDownloadFolderPath(const std::string& path);
  // The same judged by where "<userFolder>/<path>" really lies, its folders' links followed:
  // a link inside "mods" that leads to the saves takes a path out of the download folders.
  // Asked before anything is written or deleted.
  static bool LiesInDownloadFolder(const std::string& userFolder, const std::string& path);

  void SetListPaths(const std::string& remote, const std::string& local) {
    remoteListPath_ = remote;
    localListPath_ = local;
  }
  const std::vector<ResourceEntry>& Resources() const { return resources_; }
  const std::vector<std::string>& LocalResources() const { return localResources_; }
  int DownloadedCount() const { return downloadedCount_; }

 private:
  std::string UrlFor(const std::string& remotePath) const;

  std::vector<std::string> localResources_;
  plat::HttpSession session_;
  std::string userName_ = "user";
  std::string password_ = "wqzb";
  std::string localListPath_;
  std::string remoteListPath_;
  std::vector<ResourceEntry> resources_;
  int downloadedCount_ = 0;
  bool stopped_ = false;
  DownloadProgressFunction progress_;
};

// The text of the download frame: "Downloading: <text>  (<percent with two decimals>%)".
std::string FormatDownloadProgress(const std::string& text, float fraction);

