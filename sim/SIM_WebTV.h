// Web surfing and TV: what the player chooses to do with a "surfweb" or "watchtv" activity
// the simulation has already started (and paid, and counted as the slot). Each web site and TV
// channel is a set of modifiers applied once when chosen; a channel may need the cable-TV
// asset ("cabletv"). The hooks ask the screens for the choosing window; the window (or the
// headless screens' answer) calls ChooseWebsite or ChooseTVChannel.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "sim/SIM_ModifierContainer.h"

class SIM_Website : public SIM_ModifierContainer {
 public:
  std::string name;
  std::string otherText;  // the second text column: kept, shown nowhere
  std::string texture;    // the button's picture
  std::string tooltip;    // shown as it stands, not a text key
};

class SIM_TVChannel : public SIM_ModifierContainer {
 public:
  std::string name;
  std::string otherText;
  std::string texture;
  std::string tooltip;
  bool needsCable = false;
  // False while the channel needs cable and the player has none.
  bool IsAvailable() const;
};

inline constexpr const char* kWebsitesFile = "data/simulation/websites.csv";
inline constexpr const char* kTVChannelsFile = "data/simulation/tvchannels.csv";
// A modifier column longer than this is cut.
inline constexpr size_t kMaxWebTVModifier = 127;

// The lists in file order, read once per run on first use (a missing file leaves the list
// empty, and it is not read again).
const std::vector<std::unique_ptr<SIM_Website>>& WebsiteList();
const std::vector<std::unique_ptr<SIM_TVChannel>>& TVChannelList();
void LoadWebsites(const std::string& path = kWebsitesFile);
void LoadTVChannels(const std::string& path = kTVChannelsFile);
// Forgets both lists so the next use reads the files again (tests and fuzzing, which change
// the data folder).
void ForgetWebTVLists();

// The player's choice: the entry's modifiers applied once; a channel also counts towards the
// TV statistic. A channel that is not available is refused (false, nothing applied).
void ChooseWebsite(SIM_Website* site);
bool ChooseTVChannel(SIM_TVChannel* channel);
// The statistic that counts the channels watched.
inline constexpr int kStatTVWatched = 6;

// The hooks "surfweb" and "watchtv": they open the choosing windows and nothing else.
void HookSurfWeb();
void HookWatchTV();
