// Splits one table row into fields.
//
// A double quote toggles quoting and is dropped; inside quotes the separator is an ordinary
// character. Fields are not trimmed: blanks and the row's trailing newline stay where they
// stand (NextInt and NextFloat ignore them; text readers use NextTrimmedString for a row's last
// field). Reading past the last field gives empty fields.
#pragma once

#include <string>

class StringTokenizer {
 public:
  StringTokenizer() = default;

  // Copies the row and starts at its first field.
  void SetText(const std::string& line, char separator = ',');

  // The next field; the pointer stays valid until the next call.
  const char* NextToken();
  // The next field as a number, read with '.' as the decimal point whatever the locale.
  int NextInt();
  float NextFloat();
  std::string NextString();
  // The next field without trailing newline, carriage return, blank or tab characters.
  std::string NextTrimmedString();
  bool AtEnd() const { return position_ >= length_; }
  // Whether NextFloat met a number too large for the game (read as 0) since SetText, so a
  // reader can skip the row, or refuse the file, rather than use it.
  bool NumberTooLarge() const { return numberTooLarge_; }

 private:
  size_t position_ = 0;
  std::string text_;
  std::string token_;
  size_t length_ = 0;
  char separator_ = ',';
  bool numberTooLarge_ = false;
};

// A copy without trailing newline, carriage return, blank and tab characters, at any length.
std::string TrimField(const std::string& field);
