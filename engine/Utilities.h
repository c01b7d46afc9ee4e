// Small shared helpers: folders, the user-folder test, mail, trimming, and number text that
// reads and writes '.' as the decimal point whatever the locale.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

// Creates the folder when nothing exists at the path; when it cannot be made, the game
// cannot keep saves, so the process ends with the system's error (ExitOnWindowsError).
void EnsureDirectoryExists(const std::string& path);

// Whether the user folder lives under the documents folder (always, on this system) rather
// than in the relative "userdir". Tests force either answer with the override
// (-1 removes it, 0 forces false, 1 forces true).
bool IsDocumentsFolderSupported();
void OverrideDocumentsFolderSupport(int value);

// Opens a new mail in the desktop's mail program. Subject and body are percent-encoded.
void OpenMailTo(const std::string& subject, const std::string& body, const std::string& address);

// A copy without trailing newline, carriage-return and space characters. Texts of 1024
// characters or more come back unchanged.
std::string TrimTrailingWhitespace(const std::string& text);

// atoi and atof without the locale: leading blanks skipped, the longest numeric prefix
// taken, 0 when there is none. Integers beyond the int range are clamped.
int ParseIntPrefix(const char* text);
// The game keeps its numbers in floats, so every number it reads is one: the text is read as
// a double and rounded to float. Only digits make a number ("inf" and "nan" read 0), and a
// number too small for a double reads 0. A number beyond the largest float would become
// infinite in play: it reads 0, leaves a line in the debug log and, when tooLarge is given,
// sets it (never clears it, so one flag can gather a whole row) for readers that refuse it.
float ParseFloatPrefix(const char* text, bool* tooLarge = nullptr);

// A float made an int as a cast makes it (toward zero), for numbers that come from a table, a
// save or a sum of them: a cast of one beyond the int range is undefined, so such a number
// gives the nearest end of the range and NaN gives 0. Callers that go on adding to the result
// bound it more tightly themselves.
int ClampToInt(double value);

// A number in fixed notation with `decimals` digits after a '.' ("%.*f" in the C locale).
std::string FormatFixed(double value, int decimals);
// The float ParseFloatPrefix reads from FormatFixed(value, decimals): what a number written
// into a data row reads back as. Mostly worked out without the text (for 0..6 decimals).
float ReadBackFixed(float value, int decimals);

// ---- Files and folders ----

// True only for an existing regular file that can be opened for reading (a folder is false).
bool FileExists(const std::string& path);

// The first of "base.ext", "base(1).ext", "base(2).ext", ... that does not exist as a file.
std::string MakeUniqueFileName(const std::string& base, const std::string& extension);

// Opens a web page or folder with the desktop's handler; failure is ignored.
void ShellOpen(const std::string& target);

// A list of names found on disk, each with `prefix` put in front. Listings come back sorted
// ignoring case, so music play lists and menus keep the same order on every run.
class FileList {
 public:
  // Every entry (files and folders alike) matching a wildcard in the last component, such as
  // "data\\sounds\\music\\*.ogg" (case ignored).
  void AddFiles(const std::string& pattern);
  // Folders only, leaving out names that begin with '.'.
  void AddFolders(const std::string& pattern);
  void Clear() { files.clear(); }

  std::vector<std::string> files;
  std::string prefix;
};

// ---- Geometry ----

float PointDistance(float x1, float y1, float x2, float y2);
// The compass direction from the first point to the second in screen coordinates (y down), in
// degrees 0..360: up 0 (or a hair under 360), right 90, down 180, left 270.
float AngleBetweenPoints(float x1, float y1, float x2, float y2);

// ---- Numbers and text entry ----

// Digits in groups of three separated by commas ("1,234,567"); negative values get a leading
// '-' (INT_MIN included).
std::string FormatThousands(int value);
// The first `tag` in the text replaced by FormatThousands(value); false when the tag is absent.
bool ReplaceTagWithNumber(std::string& text, const std::string& tag, int value);
// The character a keyboard scan code types (lower-case letters, digits, a little punctuation
// and space), or 0.
char ScanCodeToChar(int scanCode);

// ---- Strings ----

std::string ToLowerString(const std::string& text);
std::string ToUpperString(const std::string& text);
// The text when it has at most max characters, else its first max characters and "...".
std::string TruncateWithEllipsis(const std::string& text, int max);
// A copy in a shared buffer (valid until the next call): longer than max, it is cut at max and
// its last three kept characters become "..."; with max below 3 it is only cut.
const char* EllipsizeString(const std::string& text, int max);
// "key=value": false without '='; else the key before the first '=', and the value after it
// without leading blanks and without trailing newline, carriage return or blanks.
bool ParseKeyValueLine(const std::string& line, std::string& key, std::string& value);
// Replaces the first `tag` in the text; returns 1 when replaced, 0 when the tag is absent (or
// empty).
int ReplaceSubstring(std::string& text, const std::string& tag, const std::string& replacement);
// The same in a zero-terminated buffer of `capacity` bytes; a result that would not fit is cut
// so the buffer always ends with its zero inside the capacity.
int ReplaceSubstring(char* buffer, size_t capacity, const char* tag, const char* replacement);
