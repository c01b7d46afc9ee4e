// Ini-file reading and in-place writing.
#include "platform/Profile.h"

#include "platform/Files.h"

namespace plat {
namespace {

struct Line {
  std::string text;    // without its ending
  std::string ending;  // "\n", "\r\n" or "" for a last line without one
};

std::vector<Line> SplitLines(const std::string& bytes) {
  std::vector<Line> lines;
  size_t start = 0;
  while (start < bytes.size()) {
    size_t nl = bytes.find('\n', start);
    if (nl == std::string::npos) {
      lines.push_back({bytes.substr(start), ""});
      break;
    }
    const bool crlf = nl > start && bytes[nl - 1] == '\r';
    const size_t end = crlf ? nl - 1 : nl;
    lines.push_back({bytes.substr(start, end - start), crlf ? "\r\n" : "\n"});
    start = nl + 1;
  }
  return lines;
}

std::string Trim(const std::string& s) {
  const size_t b = s.find_first_not_of(" \t\r\n");
  if (b == std::string::npos) return {};
  const size_t e = s.find_last_not_of(" \t\r\n");
  return s.substr(b, e - b + 1);
}

bool EqualsIgnoreCase(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    char x = a[i], y = b[i];
    if (x >= 'A' && x <= 'Z') x = static_cast<char>(x - 'A' + 'a');
    if (y >= 'A' && y <= 'Z') y = static_cast<char>(y - 'A' + 'a');
    if (x != y) return false;
  }
  return true;
}

bool IsHeader(const std::string& text) {
  const size_t b = text.find_first_not_of(" \t");
  return b != std::string::npos && text[b] == '[';
}

// The name of a header line: the text between '[' and the first ']' after it, trimmed.
std::string HeaderName(const std::string& text) {
  const size_t open = text.find('[');
  size_t close = text.find(']', open + 1);
  if (close == std::string::npos) close = text.size();
  return Trim(text.substr(open + 1, close - open - 1));
}

bool IsBlankOrComment(const std::string& text) {
  const size_t b = text.find_first_not_of(" \t");
  return b == std::string::npos || text[b] == ';';
}

// The key of an entry line: the text before the first '=', trimmed; empty when there is none.
std::string EntryKey(const std::string& text) {
  const size_t eq = text.find('=');
  return eq == std::string::npos ? std::string() : Trim(text.substr(0, eq));
}

}  // namespace

std::vector<std::string> ReadProfileSection(const std::string& section, const std::string& file) {
  std::vector<std::string> out;
  std::string text;
  if (!ReadTextFile(file, text)) return out;
  bool inSection = false;
  // The lines as SplitLines cuts them, but only headers and the section's own lines are
  // copied: a file holds many sections, and one is wanted.
  size_t start = 0;
  while (start < text.size()) {
    size_t next = text.find('\n', start);
    size_t end = next;
    if (next == std::string::npos) {
      end = next = text.size();
    } else if (next > start && text[next - 1] == '\r') {
      --end;
    }
    const size_t first = text.find_first_not_of(" \t", start);
    const bool header = first < end && text[first] == '[';  // IsHeader without the copy
    if (header || inSection) {
      const std::string line = text.substr(start, end - start);
      if (header) {
        if (inSection) break;
        inSection = EqualsIgnoreCase(HeaderName(line), Trim(section));
      } else if (!IsBlankOrComment(line)) {
        out.push_back(line);
      }
    }
    start = next + 1;
  }
  return out;
}

std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& fallback, const std::string& file) {
  const std::string wanted = Trim(key);
  for (const std::string& line : ReadProfileSection(section, file)) {
    if (!EqualsIgnoreCase(EntryKey(line), wanted) || line.find('=') == std::string::npos) continue;
    std::string value = Trim(line.substr(line.find('=') + 1));
    if (value.size() >= 2 && value.front() == '"' && value.back() == '"')
      value = value.substr(1, value.size() - 2);
    return value;
  }
  return fallback;
}

bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file) {
  std::string bytes;
  ReadFileBytes(file, bytes);  // a missing file is simply empty
  std::vector<Line> lines = SplitLines(bytes);
  const std::string newline = bytes.find("\r\n") != std::string::npos ? "\r\n" : "\n";
  const std::string entry = key + "=" + value;
  const std::string wantedSection = Trim(section);
  const std::string wantedKey = Trim(key);

  size_t header = lines.size();
  for (size_t i = 0; i < lines.size(); ++i) {
    if (IsHeader(lines[i].text) && EqualsIgnoreCase(HeaderName(lines[i].text), wantedSection)) {
      header = i;
      break;
    }
  }

  if (header == lines.size()) {
    if (!lines.empty() && lines.back().ending.empty()) lines.back().ending = newline;
    lines.push_back({"[" + section + "]", newline});
    lines.push_back({entry, newline});
  } else {
    size_t insertAfter = header;
    bool replaced = false;
    for (size_t i = header + 1; i < lines.size() && !IsHeader(lines[i].text); ++i) {
      if (IsBlankOrComment(lines[i].text)) continue;
      if (EqualsIgnoreCase(EntryKey(lines[i].text), wantedKey)) {
        lines[i].text = entry;
        replaced = true;
        break;
      }
      insertAfter = i;
    }
    if (!replaced) {
      if (lines[insertAfter].ending.empty()) lines[insertAfter].ending = newline;
      lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(insertAfter) + 1, {entry, newline});
    }
  }

  std::string out;
  out.reserve(bytes.size() + entry.size() + 16);
  for (const Line& line : lines) out += line.text + line.ending;
  return WriteFileAtomically(file, out);
}

}  // namespace plat
