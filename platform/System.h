// Process-level services: debugger output, opening documents and mail in the desktop's
// programs, and the encoding of the game's text for the system.
#pragma once

#include <functional>
#include <string>

namespace plat {

// Debugger output: goes to stderr, each message ending its line.
void DebugOutput(const std::string& text);

// Opens a web page, folder or mailto: address with the desktop's handler (xdg-open), started
// directly without a shell and not waited for. Failure is ignored.
void ShellOpen(const std::string& target);

// Replaces the launcher (tests record targets instead of starting programs). Empty restores it.
void SetShellOpenHandler(std::function<void(const std::string&)> handler);

// Windows-1252 bytes (the game's data text) as UTF-8.
std::string Cp1252ToUtf8(const std::string& text);

}  // namespace plat
