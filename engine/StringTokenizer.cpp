// Row tokenizing.
#include "engine/StringTokenizer.h"

#include "engine/Utilities.h"

std::string TrimField(const std::string& field) {
  size_t end = field.size();
  while (end > 0 && (field[end - 1] == '\n' || field[end - 1] == '\r' || field[end - 1] == ' ' ||
                     field[end - 1] == '\t'))
    --end;
  return field.substr(0, end);
}

void StringTokenizer::SetText(const std::string& line, char separator) {
  text_ = line;
  length_ = line.size();
  separator_ = separator;
  position_ = 0;
  numberTooLarge_ = false;
  token_.clear();
  token_.reserve(length_ + 1);
}

const char* StringTokenizer::NextToken() {
  token_.clear();
  bool inQuotes = false;
  // At or past the end there is no character to read: the field is empty.
  while (position_ < length_) {
    const char c = text_[position_];
    if (c == '"') {
      inQuotes = !inQuotes;
    } else if (c == separator_ && !inQuotes) {
      break;
    } else {
      token_ += c;
    }
    ++position_;
  }
  ++position_;  // past the separator (or beyond the end after the last field)
  if (position_ > length_ + 1) position_ = length_ + 1;
  return token_.c_str();
}

int StringTokenizer::NextInt() { return ParseIntPrefix(NextToken()); }

float StringTokenizer::NextFloat() { return ParseFloatPrefix(NextToken(), &numberTooLarge_); }

std::string StringTokenizer::NextString() {
  NextToken();
  return token_;
}

std::string StringTokenizer::NextTrimmedString() { return TrimField(NextToken()); }
