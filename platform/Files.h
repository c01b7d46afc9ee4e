// Files and folders with the rules the game's data expects: '\' and '/' both separate,
// names resolve case-insensitively, listings come back in a stable case-insensitive order.
#pragma once

#include <cstdio>
#include <string>
#include <vector>

namespace plat {

// '\' becomes '/'. Nothing else changes.
std::string NormalizeSlashes(std::string path);

// The path as it exists on disk: normalised, and when not found as written, matched
// component by component ignoring ASCII case. A path with no match comes back normalised,
// with whatever leading components did match resolved (so a file can be created inside
// a folder whose case differs).
std::string ResolvePath(const std::string& path);

bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
bool IsRegularFile(const std::string& path);

// Creates one folder level. On failure returns false and sets err to the errno value.
bool MakeDirectory(const std::string& path, int& err);
// Creates every missing level (mkdir -p).
bool MakeDirectories(const std::string& path, int& err);

bool RemoveFile(const std::string& path);

// fopen on the resolved path. Mode as for fopen; "t" is ignored.
FILE* OpenFile(const std::string& path, const char* mode);
// A new file of that name for writing ("wb"): whatever had the name before is removed first
// (a link is removed, never followed), then the file is made afresh and only if nothing took
// the name meanwhile, so a link planted there cannot turn the write onto another file.
// Null when either step fails.
FILE* CreateFreshFile(const std::string& path);
// Removes every file or link whose name ends in `suffix` in the folder, and with `below` in
// the folders under it too (links to folders are not entered). Returns how many went.
int RemoveFilesEndingIn(const std::string& folder, const std::string& suffix, bool below);

// Whole file as bytes. False when it cannot be read.
bool ReadFileBytes(const std::string& path, std::string& out);
// Whole file as text: a '\r' before '\n' is dropped (and a final lone '\r').
bool ReadTextFile(const std::string& path, std::string& out);
// Drops '\r' before '\n' in place; used for every text read.
void StripCarriageReturns(std::string& text);

// Writes through a temporary file and a rename, so a failed write never leaves half a file.
bool WriteFileAtomically(const std::string& path, const std::string& bytes);
// Whether WriteFileAtomically syncs the file and its folder to disk before it returns (the
// default). Only a measurement turns it off, to time the work apart from the disk's wait.
void SetDurableWrites(bool durable);
bool DurableWrites();

struct DirEntry {
  std::string name;  // the entry's name only, without the folder
  bool isDirectory = false;
};

// Entries of one folder matching a wildcard pattern in the last component ('*' and '?',
// ASCII case ignored), such as "data\\sounds\\music\\*.ogg". "." and ".." are never listed.
// Sorted case-insensitively (then by bytes) so every run sees the same order.
std::vector<DirEntry> ListMatching(const std::string& pattern);

// Case-insensitive wildcard match of a single name.
bool WildcardMatch(const std::string& pattern, const std::string& name);

// The user's documents folder: $XDG_DOCUMENTS_DIR, else the user-dirs.dirs entry, else
// $HOME/Documents; created when missing. False only without $HOME or when it cannot be made.
bool DocumentsFolder(std::string& out);

// The folder holding the running executable, or empty.
std::string ExecutableDirectory();
bool ChangeDirectory(const std::string& path);
std::string CurrentDirectory();
// The game's relative paths ("data/...", "debugdata/...") need the game folder as the working
// directory: stays when the working folder holds data/, else moves to the executable's folder
// or the nearest parent (up to four levels) holding data/config.muf.
void FindGameFolder();

// Where a path really lies: its deepest existing folder (from the parent up) made absolute
// with every link followed, the rest as written (case resolved as ResolvePath does). The last
// name itself is not followed: removing or replacing it touches the entry, not a link's target.
std::string RealLocation(const std::string& path);

// The last system error code and the system's text for an error code.
int LastErrorCode();
std::string ErrorText(int code);

}  // namespace plat
