// Table loading.
#include "engine/Spreadsheet.h"

#include "engine/DebugLog.h"
#include "platform/Files.h"

std::unique_ptr<Spreadsheet> LoadSpreadsheet(const std::string& path) {
  auto sheet = std::make_unique<Spreadsheet>();
  if (path.size() < 2) return sheet;

  std::string text;
  if (!plat::ReadTextFile(path, text)) {
    DebugLog::Instance().Write("Failed to find spreadsheet: " + path);
    return sheet;
  }
  // Whole lines: cutting a long line into pieces would turn a piece that happens to start
  // with '#' into a bogus record.
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    end = (end == std::string::npos) ? text.size() : end + 1;
    if (text[start] == '#') sheet->lines.push_back(text.substr(start, end - start));
    start = end;
  }
  return sheet;
}
