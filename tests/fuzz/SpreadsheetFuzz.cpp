// The data-table reader and the row tokenizer on any bytes.
#include <string>

#include "FuzzSupport.h"
#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"

namespace {

// Every field of a row, read the ways the table loaders read them. The walk must end within
// one field per character plus one.
void WalkRow(const std::string& row, char separator) {
  StringTokenizer tokens;
  tokens.SetText(row, separator);
  size_t fields = 0;
  size_t taken = 0;
  while (!tokens.AtEnd()) {
    FUZZ_CHECK(++fields <= row.size() + 1);
    switch (fields % 4) {
      case 0: taken += std::string(tokens.NextToken()).size(); break;
      case 1: (void)tokens.NextInt(); break;
      case 2: (void)tokens.NextFloat(); break;
      default: taken += tokens.NextTrimmedString().size(); break;
    }
  }
  FUZZ_CHECK(taken <= row.size());
  // Past the end the tokenizer keeps giving empty fields.
  FUZZ_CHECK(*tokens.NextToken() == '\0');
  FUZZ_CHECK(tokens.NextInt() == 0);
  FUZZ_CHECK(tokens.NextString().empty());
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  fuzz::Init();
  const std::string path = fuzz::WriteInput("table.csv", data, size);
  const auto sheet = LoadSpreadsheet(path);
  FUZZ_CHECK(sheet != nullptr);
  size_t total = 0;
  for (const std::string& row : *sheet) {
    FUZZ_CHECK(!row.empty() && row[0] == '#');
    total += row.size();
    WalkRow(row, ',');
  }
  FUZZ_CHECK(total <= size);
  // The tokenizer alone on the raw bytes, with another separator.
  WalkRow(std::string(reinterpret_cast<const char*>(data), size), ';');
  return 0;
}
