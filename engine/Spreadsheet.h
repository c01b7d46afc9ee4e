// The game's data tables: plain text files in which only lines beginning with '#' are records.
// Every other line is a comment, a header or blank.
#pragma once

#include <memory>
#include <string>
#include <vector>

// The record lines of one table in file order, each exactly as read: the leading '#' and the
// trailing newline kept (a last line without one stays without), carriage returns dropped.
class Spreadsheet {
 public:
  std::vector<std::string> lines;

  size_t size() const { return lines.size(); }
  bool empty() const { return lines.empty(); }
  const std::string& operator[](size_t i) const { return lines[i]; }
  auto begin() const { return lines.begin(); }
  auto end() const { return lines.end(); }
};

// Loads the records of a table. A missing file writes "Failed to find spreadsheet: <path>" to
// the debug log and gives an empty table, as does a path shorter than two characters. Lines
// are read whole, however long.
std::unique_ptr<Spreadsheet> LoadSpreadsheet(const std::string& path);
