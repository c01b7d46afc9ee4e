// Small shared helpers.
#include "engine/Utilities.h"

#include <algorithm>
#include <charconv>
#include <climits>
#include <cfloat>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "engine/DebugLog.h"
#include "platform/Files.h"
#include "platform/System.h"

namespace {

int g_documentsOverride = -1;

std::string PercentEncode(const std::string& text) {
  static const char* hex = "0123456789ABCDEF";
  std::string out;
  for (unsigned char c : text) {
    if ((c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
        c == '_' || c == '.' || c == '~' || c == ':' || c == ',') {
      out += static_cast<char>(c);
    } else {
      out += '%';
      out += hex[c >> 4];
      out += hex[c & 15];
    }
  }
  return out;
}

}  // namespace

void EnsureDirectoryExists(const std::string& path) {
  if (plat::PathExists(path)) return;
  int err = 0;
  if (!plat::MakeDirectory(path, err)) {
    errno = err;
    ExitOnWindowsError();
  }
}

bool IsDocumentsFolderSupported() {
  if (g_documentsOverride >= 0) return g_documentsOverride != 0;
  return true;
}

void OverrideDocumentsFolderSupport(int value) { g_documentsOverride = value; }

void OpenMailTo(const std::string& subject, const std::string& body, const std::string& address) {
  plat::ShellOpen("mailto:" + address + "?subject=" + PercentEncode(subject) +
                  "&body=" + PercentEncode(body));
}

std::string TrimTrailingWhitespace(const std::string& text) {
  if (text.size() >= 1024) return text;
  size_t end = text.size();
  while (end > 0 && (text[end - 1] == '\n' || text[end - 1] == '\r' || text[end - 1] == ' ')) --end;
  return text.substr(0, end);
}

int ParseIntPrefix(const char* text) {
  if (!text) return 0;
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
         *text == '\v')
    ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = (*text++ == '-');
  long long value = 0;
  while (*text >= '0' && *text <= '9') {
    value = value * 10 + (*text++ - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) break;
  }
  if (negative) value = -value;
  if (value > INT_MAX) return INT_MAX;
  if (value < INT_MIN) return INT_MIN;
  return static_cast<int>(value);
}

int ClampToInt(double value) {
  if (std::isnan(value)) return 0;
  if (value >= static_cast<double>(INT_MAX)) return INT_MAX;
  if (value <= static_cast<double>(INT_MIN)) return INT_MIN;
  return static_cast<int>(value);
}

namespace {

// Whether a number the double parser found out of range (begin..end, sign excluded) is too
// large rather than too small: the power of ten of its first significant digit plus its
// exponent. Out of range means that sum is beyond about 300 either way, so its sign decides.
bool AboveTheRange(const char* begin, const char* end) {
  long long power = 0;
  bool point = false;
  bool significant = false;
  const char* p = begin;
  for (; p < end && ((*p >= '0' && *p <= '9') || *p == '.'); ++p) {
    if (*p == '.') {
      point = true;
    } else if (!significant) {
      if (*p != '0') {
        significant = true;
        power = point ? power - 1 : 0;
      } else if (point) {
        --power;  // a zero between the point and the first significant digit
      }
    } else if (!point) {
      ++power;
    }
  }
  if (!significant) return false;
  long long exponent = 0;
  if (p < end && (*p == 'e' || *p == 'E')) exponent = ParseIntPrefix(std::string(p + 1, end).c_str());
  return power + exponent > 0;
}

}  // namespace

float ParseFloatPrefix(const char* text, bool* tooLarge) {
  if (!text) return 0.0f;
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
         *text == '\v')
    ++text;
  const char* start = text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = (*text++ == '-');
  if (*text == '-' || *text == '+') return 0.0f;  // a second sign is no number
  // Only digits make a number: the words "inf" and "nan", which the parser below would take,
  // would put values no table means into the game.
  if (!((*text >= '0' && *text <= '9') || *text == '.')) return 0.0f;
  double value = 0.0;
  const char* end = text + std::strlen(text);
  const auto result = std::from_chars(text, end, value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return 0.0f;
  const bool large = result.ec == std::errc::result_out_of_range
                         ? AboveTheRange(text, result.ptr)
                         : std::fabs(value) > static_cast<double>(FLT_MAX);
  if (large) {
    const size_t shown = std::min<size_t>(static_cast<size_t>(result.ptr - start), 40);
    LogWarning(("Number too large, read as 0: " + std::string(start, shown) +
                (start + shown < result.ptr ? "..." : ""))
                   .c_str(),
               "Utilities", __LINE__);
    if (tooLarge) *tooLarge = true;
    return 0.0f;
  }
  if (result.ec != std::errc()) return 0.0f;  // too small for a double
  return static_cast<float>(negative ? -value : value);
}

std::string FormatFixed(double value, int decimals) {
  char buf[512];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buf, result.ptr);
}

float ReadBackFixed(float value, int decimals) {
  // A float times 10^6 or less is exact in a double, so unless it lies halfway between two
  // whole numbers it rounds to the digits the text would carry, and those read back as the
  // double nearest to n / 10^decimals. Halfway cases, negative values (a "-0.00" reads back
  // as -0) and large ones go through the text.
  static constexpr double kPowersOfTen[] = {1.0, 1e1, 1e2, 1e3, 1e4, 1e5, 1e6};
  if (decimals >= 0 && decimals <= 6 && !std::signbit(value)) {
    const double scale = kPowersOfTen[decimals];
    const double scaled = static_cast<double>(value) * scale;
    if (scaled < 1e9 && scaled - std::floor(scaled) != 0.5)
      return static_cast<float>(std::floor(scaled + 0.5) / scale);
  }
  return ParseFloatPrefix(FormatFixed(value, decimals).c_str());
}

// ---- Files and folders ----

bool FileExists(const std::string& path) {
  if (!plat::IsRegularFile(path)) return false;
  FILE* f = plat::OpenFile(path, "rb");
  if (!f) return false;
  std::fclose(f);
  return true;
}

std::string MakeUniqueFileName(const std::string& base, const std::string& extension) {
  std::string name = base + "." + extension;
  for (int i = 1; FileExists(name) && i < INT_MAX; ++i)
    name = base + "(" + std::to_string(i) + ")." + extension;
  return name;
}

void ShellOpen(const std::string& target) { plat::ShellOpen(target); }

void FileList::AddFiles(const std::string& pattern) {
  for (const plat::DirEntry& entry : plat::ListMatching(pattern)) files.push_back(prefix + entry.name);
}

void FileList::AddFolders(const std::string& pattern) {
  for (const plat::DirEntry& entry : plat::ListMatching(pattern)) {
    if (!entry.isDirectory || entry.name.empty() || entry.name[0] == '.') continue;
    files.push_back(prefix + entry.name);
  }
}

// ---- Geometry ----

float PointDistance(float x1, float y1, float x2, float y2) {
  const double dx = static_cast<double>(x2) - x1;
  const double dy = static_cast<double>(y2) - y1;
  return static_cast<float>(std::sqrt(dx * dx + dy * dy));
}

float AngleBetweenPoints(float x1, float y1, float x2, float y2) {
  const double pi = 3.14159265358979323846;
  const double angle = std::atan2(static_cast<double>(y2) - y1, static_cast<double>(x2) - x1);
  double degrees = (angle + pi) * 57.2957763671875 - 90.0;
  if (degrees < 0.0) degrees += 360.0;
  return static_cast<float>(degrees);
}

// ---- Numbers and text entry ----

std::string FormatThousands(int value) {
  // The magnitude in 64 bits so INT_MIN has one.
  long long magnitude = value;
  const bool negative = magnitude < 0;
  if (negative) magnitude = -magnitude;
  const std::string digits = std::to_string(magnitude);
  std::string out;
  for (size_t i = 0; i < digits.size(); ++i) {
    if (i > 0 && (digits.size() - i) % 3 == 0) out += ',';
    out += digits[i];
  }
  return negative ? "-" + out : out;
}

bool ReplaceTagWithNumber(std::string& text, const std::string& tag, int value) {
  return ReplaceSubstring(text, tag, FormatThousands(value)) != 0;
}

char ScanCodeToChar(int scanCode) {
  static const char* row1 = "qwertyuiop";
  static const char* row2 = "asdfghjkl";
  static const char* row3 = "zxcvbnm";
  if (scanCode >= 2 && scanCode <= 10) return static_cast<char>('1' + scanCode - 2);
  if (scanCode == 11) return '0';
  if (scanCode == 12) return '-';
  if (scanCode >= 16 && scanCode <= 25) return row1[scanCode - 16];
  if (scanCode >= 30 && scanCode <= 38) return row2[scanCode - 30];
  if (scanCode == 40) return '\'';
  if (scanCode >= 44 && scanCode <= 50) return row3[scanCode - 44];
  if (scanCode == 51) return ',';
  if (scanCode == 52) return '.';
  if (scanCode == 57) return ' ';
  return 0;
}

// ---- Strings ----

std::string ToLowerString(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  return out;
}

std::string ToUpperString(const std::string& text) {
  std::string out = text;
  for (char& c : out)
    if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
  return out;
}

std::string TruncateWithEllipsis(const std::string& text, int max) {
  const size_t limit = max > 0 ? static_cast<size_t>(max) : 0;
  if (text.size() <= limit) return text;
  return text.substr(0, limit) + "...";
}

const char* EllipsizeString(const std::string& text, int max) {
  static std::string shared;
  shared = text;
  const size_t limit = max > 0 ? static_cast<size_t>(max) : 0;
  if (shared.size() > limit) {
    shared.resize(limit);
    if (limit >= 3) shared.replace(limit - 3, 3, "...");
  }
  return shared.c_str();
}

bool ParseKeyValueLine(const std::string& line, std::string& key, std::string& value) {
  const size_t eq = line.find('=');
  if (eq == std::string::npos) return false;
  key = line.substr(0, eq);
  size_t start = eq + 1;
  while (start < line.size() && line[start] == ' ') ++start;
  size_t end = line.size();
  while (end > start && (line[end - 1] == '\n' || line[end - 1] == '\r' || line[end - 1] == ' '))
    --end;
  value = line.substr(start, end - start);
  return true;
}

int ReplaceSubstring(std::string& text, const std::string& tag, const std::string& replacement) {
  if (tag.empty()) return 0;
  const size_t pos = text.find(tag);
  if (pos == std::string::npos) return 0;
  text.replace(pos, tag.size(), replacement);
  return 1;
}

int ReplaceSubstring(char* buffer, size_t capacity, const char* tag, const char* replacement) {
  if (!buffer || capacity == 0 || !tag || !replacement) return 0;
  size_t length = 0;
  while (length < capacity - 1 && buffer[length] != '\0') ++length;
  std::string text(buffer, length);
  if (!ReplaceSubstring(text, tag, replacement)) return 0;
  const size_t n = std::min(text.size(), capacity - 1);
  std::memcpy(buffer, text.data(), n);
  buffer[n] = '\0';
  return 1;
}
