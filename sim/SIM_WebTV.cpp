// Web sites and TV channels.
#include "sim/SIM_WebTV.h"

#include "engine/Spreadsheet.h"
#include "engine/StringTokenizer.h"
#include "engine/Utilities.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Screens.h"
#include "sim/SIM_Statistics.h"

namespace {

template <class Entry>
struct EntryList {
  std::vector<std::unique_ptr<Entry>> entries;
  bool loaded = false;
};

EntryList<SIM_Website>& Sites() {
  static EntryList<SIM_Website> list;
  return list;
}

EntryList<SIM_TVChannel>& Channels() {
  static EntryList<SIM_TVChannel> list;
  return list;
}

// Every remaining field of the row is one modifier, cut to its longest.
void AddModifiers(StringTokenizer& tokens, SIM_ModifierContainer& entry) {
  while (!tokens.AtEnd()) {
    std::string field = tokens.NextString();
    if (field.size() > kMaxWebTVModifier) field.resize(kMaxWebTVModifier);
    entry.AddModifier(field);
  }
}

// The two tables differ only in their fifth column (the tooltip for a site, the cable flag
// for a channel, whose tooltip follows it).
template <class Entry, class ReadRest>
void Load(EntryList<Entry>& list, const std::string& path, ReadRest readRest) {
  if (list.loaded) return;
  list.entries.clear();
  list.loaded = true;
  const auto table = LoadSpreadsheet(path);
  for (const std::string& line : *table) {
    StringTokenizer tokens;
    tokens.SetText(line);
    tokens.NextToken();  // the '#' marker
    auto entry = std::make_unique<Entry>();
    entry->name = TrimField(tokens.NextString());
    entry->SetName(entry->name);
    entry->otherText = TrimField(tokens.NextString());
    entry->texture = TrimField(tokens.NextString());
    readRest(tokens, *entry);
    AddModifiers(tokens, *entry);
    list.entries.push_back(std::move(entry));
  }
}

}  // namespace

bool SIM_TVChannel::IsAvailable() const {
  return !needsCable || GlobalNamedValues().IsSet("cabletv");
}

const std::vector<std::unique_ptr<SIM_Website>>& WebsiteList() {
  LoadWebsites();
  return Sites().entries;
}

const std::vector<std::unique_ptr<SIM_TVChannel>>& TVChannelList() {
  LoadTVChannels();
  return Channels().entries;
}

void LoadWebsites(const std::string& path) {
  Load(Sites(), path, [](StringTokenizer& tokens, SIM_Website& site) {
    site.tooltip = TrimField(tokens.NextString());
  });
}

void LoadTVChannels(const std::string& path) {
  Load(Channels(), path, [](StringTokenizer& tokens, SIM_TVChannel& channel) {
    channel.needsCable = tokens.NextInt() != 0;
    channel.tooltip = TrimField(tokens.NextString());
  });
}

void ForgetWebTVLists() {
  Sites() = {};
  Channels() = {};
}

void ChooseWebsite(SIM_Website* site) {
  if (site) site->ApplyModifiers(1.0f);
}

bool ChooseTVChannel(SIM_TVChannel* channel) {
  if (!channel || !channel->IsAvailable()) return false;
  channel->ApplyModifiers(1.0f);
  SIM_Statistics::Instance().AddInt(1, kStatTVWatched);
  return true;
}

void HookSurfWeb() { Screens().OpenSurfWeb(); }
void HookWatchTV() { Screens().OpenWatchTV(); }
