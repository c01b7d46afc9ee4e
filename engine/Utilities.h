// Small shared helpers: folders, the user-folder test, mail, trimming, and number text that
// reads and writes '.' as the decimal point whatever the locale.
#pragma once

#include <string>

// Creates the folder when nothing exists at the path; when it cannot be made, the game
// cannot keep saves, so the process ends with the system's error (ExitOnWindowsError).
void EnsureDirectoryExists(const std::string& path);

// Whether the user folder lives under the documents folder (always, on this system) rather
// than in the relative "userdir". Tests force either answer with the override
// (-1 removes it, 0 forces false, 1 forces true).
bool IsDocumentsFolderSupported();
void OverrideDocumentsFolderSupport(int value);

// Opens a new mail in the desktop's mail program. Subject and body are percent-encoded.
void OpenMailTo(const std::string& subject, const std::string& body, const std::string& address);

// A copy without trailing newline, carriage-return and space characters. Texts of 1024
// characters or more come back unchanged.
std::string TrimTrailingWhitespace(const std::string& text);

// atoi and atof without the locale: leading blanks skipped, the longest numeric prefix
// taken, 0 when there is none. Integers beyond the int range are clamped.
int ParseIntPrefix(const char* text);
double ParseFloatPrefix(const char* text);

// A number in fixed notation with `decimals` digits after a '.' ("%.*f" in the C locale).
std::string FormatFixed(double value, int decimals);
