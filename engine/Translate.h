// Every text the player sees is looked up by key in "data/strings.ini": section "strings"
// holds the ordinary texts; other sections hold numbered lists ("0", "1", ...) picked from by
// a fraction or at random (month names are section "MonthNames"). A text may carry
// placeholders, a token name in angle brackets, filled from a token list.
#pragma once

#include <string>
#include <vector>

class ConfigFile;

inline constexpr const char* kStringsFile = "data/strings.ini";

// The text of a key of section "strings" (loaded on first use). A missing key, or one with an
// empty value, gives back the key itself (the same pointer). The returned text lives until
// ResetStringTable. A read that finds no texts at all (the file missing or unreadable) is
// said once, in the debug log and in a box, in words of its own.
const char* Translate(const char* key);

// Entry trunc(count * fraction) of a numbered section of "data/strings.ini", kept within
// 0..count-1; "" for an empty or missing section.
const char* GetNumberedString(float fraction, const std::string& section);
// A random entry of a numbered section of any ini file; "" (and a warning in the debug log)
// when the section has no entries.
const char* GetRandomStringFromFile(const std::string& section, const std::string& file);
// A random entry of a numbered section of "data/strings.ini".
const char* GetRandomString(const std::string& section);
// The results of the two functions above share one buffer: copy them before the next call.

// Replaces the token table from a list "NAME=value,NAME2=value2," (each pair ends with a
// comma; a last pair without one is not added).
void SetTokens(const std::string& list);
// A token's value; an unknown name logs "failed to find token:<name>" and gives "".
std::string GetToken(const std::string& name);
// Translate(key) with every "<NAME>" replaced by the token's value from the list (an unknown
// token leaves nothing). Texts of any length are handled whole.
std::string TranslateWithTokens(const char* key, const std::string& list);

// A section of an ini file, loaded on first use and kept until ReleaseStringCaches.
ConfigFile* GetCachedConfig(const std::string& section, const std::string& file);
// Empties the token table and deletes every cached section (simulation shutdown). Pointers
// from GetCachedConfig are invalid afterwards.
void ReleaseStringCaches();

// Every key Translate was asked for and could not give a text (missing, or an empty value),
// with how often, since the last ResetMissingTexts. The game logs nothing per miss; the bench
// and the tests read this to find words a player would see as keys. Keys meant to be absent
// (IsMeantToBeAbsent) are not counted.
struct MissingText {
  std::string key;
  int count = 0;
  std::string folder;  // the folder the strings file was read from (tests use texts of their own)
};
std::vector<MissingText> MissingTexts();
int MissingTextCount();  // distinct keys
void ResetMissingTexts();
// The short list of keys looked up on purpose without a text: each has its reason beside it.
bool IsMeantToBeAbsent(const char* key);

// Forgets the loaded "strings" section so the next Translate reads the file again (tests that
// switch data folders use this). Texts returned by earlier Translate calls become invalid.
void ResetStringTable();

// Moves on with every ResetStringTable and ReleaseStringCaches: whoever keeps copies of texts
// or word lists read through here rebuilds them once the count has moved.
unsigned StringCachesGeneration();
