// The player's page on the game's community site: the running game's player character as an
// HTML form posted to our web server, which builds the page; once it has taken the form, the
// page is opened in the web browser. Called by the internet menu's upload button and the end-game screen.
#pragma once

#include <functional>
#include <string>

// A form value percent-encoded (unreserved characters kept, a blank as '+', every other byte
// as "%XX" of its Windows-1252 value), so a name holding '&' or '=' cannot split the form.
std::string EncodeFormValue(const std::string& value);
// Money as the page shows it: the pound sign, a blank and the amount truncated to a whole
// number with thousands separators ("\xA3 -1,500").
std::string FormatPageMoney(double amount);
// The achievements' shown names, each followed by ',', in unlock order; a name that would take
// the list to 1000 characters or more is left out (a later, shorter one may still fit).
std::string BuildAchievementText();
// The address of a path on our web server, for the browser.
std::string CommunitySiteAddress(const std::string& path);
// The page's file name, "user_<player id>.html".
std::string CommunityPageName();
// The form body of the running game's player ("&key=value" for each of the 24 fields, values
// encoded). False, with the body emptied, when no game runs.
bool BuildCommunityPageBody(std::string& body);
// Builds the body into `body`, posts it and, once the server has taken it, opens the player's
// page in the browser. Nothing happens unless a game runs. Failures of the post go to the
// debug log, and no page opens after one: it would show the page as it was, as if the upload
// had worked. Blocks until the exchange ends, its time runs out, or a request to quit or the
// player's Escape stops it. Returns what went wrong with the post for a caller that tells the
// player: the library's terms, then on a line of its own a sentence in the player's words (""
// when it went through, nothing was sent, or it was stopped).
std::string PostCommunityPage(std::string& body);
// A frame of its own, the screen drawn by `drawScreen` with `text` along its bottom: what an
// exchange about to hold the frame loop still waits for.
void DrawWorkingFrame(const std::function<void()>& drawScreen, const std::string& text);
