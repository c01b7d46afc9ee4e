// Settings files in the ini format the game's data uses ("[section]" then "key=value" lines),
// with the lookup rules of the original profile calls: section and key names ignore case.
#pragma once

#include <string>
#include <vector>

namespace plat {

// The lines of a section, each exactly as in the file apart from its line ending, in file
// order. Blank lines and ';' comment lines are left out. The section runs to the next line
// whose first non-blank character is '['. Empty when the file or the section is missing.
// There is no size cap.
std::vector<std::string> ReadProfileSection(const std::string& section, const std::string& file);

// One value with blanks around it trimmed (and one pair of enclosing double quotes removed),
// or `fallback` when the file, section or key is missing.
std::string ReadProfileString(const std::string& section, const std::string& key,
                              const std::string& fallback, const std::string& file);

// Sets key=value in the section: an existing key (matched ignoring case) is replaced in place,
// a new key goes after the section's last entry, a new section at the end of the file, a
// missing file is created. Every other byte of the file is kept, line endings included.
// False when the file cannot be written.
bool WriteProfileString(const std::string& section, const std::string& key,
                        const std::string& value, const std::string& file);

}  // namespace plat
