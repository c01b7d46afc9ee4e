// The community page: the player's character described as a form and posted to our server,
// then opened in the browser. Until the upload is built, a placeholder that records its call.
#pragma once

#include <string>

// Fills the body with the form and posts it; nothing happens unless a game is running.
void PostCommunityPage(std::string& body);
