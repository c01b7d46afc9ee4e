// Small shared helpers.
#include "engine/Utilities.h"

#include <charconv>
#include <climits>
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

double ParseFloatPrefix(const char* text) {
  if (!text) return 0.0;
  while (*text == ' ' || *text == '\t' || *text == '\n' || *text == '\r' || *text == '\f' ||
         *text == '\v')
    ++text;
  bool negative = false;
  if (*text == '+' || *text == '-') negative = (*text++ == '-');
  if (*text == '-' || *text == '+') return 0.0;  // a second sign is no number
  double value = 0.0;
  const char* end = text + std::strlen(text);
  const auto result = std::from_chars(text, end, value, std::chars_format::general);
  if (result.ec == std::errc::invalid_argument) return 0.0;
  return negative ? -value : value;
}

std::string FormatFixed(double value, int decimals) {
  char buf[512];
  const auto result = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
  if (result.ec != std::errc()) return "0";
  return std::string(buf, result.ptr);
}
