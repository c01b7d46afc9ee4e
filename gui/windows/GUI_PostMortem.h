// The full-screen report of a finished social evening: the evening's picture, its name and a
// verdict on its quality, the player's face, a column of guest icons, and for the chosen guest
// their portrait, how the evening went for them, what was talked about, how well it suited
// them, a piece of gossip, an effect, and a bar of how much the relationship with the player
// moved. The standing earned shows when the player organised; a Chinese meal leaves a fortune
// cookie. The in-game screen draws it instead of the main scene and gives it the left clicks;
// continue or the next day closes it.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "engine/CTexturedSprite.h"
#include "gui/GUI_IconButton.h"
#include "gui/GUI_NightClubLights.h"
#include "gui/GUI_WindowBase.h"

class GUI_ButtonText;
class SIM_SocialiseInstance;
class SIM_SocialiseReport;

// A fortune for the cookie: the entry of a random number below the count of entries in the
// file's numbered section "cookies" ("" when there is none).
std::string PickFortune(const std::string& file = "data/simulation/fortunes.txt");

// One guest in the report's column: the grey portrait, the coloured one under the mouse.
// Clicking it shows that guest.
class GUI_PostMortemIcon : public GUI_IconButton {
 public:
  explicit GUI_PostMortemIcon(const SIM_SocialiseReport* record);
  void Draw() override;
  void Activate() override;
  const SIM_SocialiseReport* GetRecord() const { return record; }

 private:
  const SIM_SocialiseReport* record;
};

class GUI_PostMortem : public GUI_WindowBase {
 public:
  Rank GetRank() const override { return Rank::kEveningReportPage; }
  // The report box's place on the screen.
  static constexpr int kLeft = 200, kTop = 240, kRight = 710, kBottom = 550;
  static constexpr float kBarHalf = 160.0f;

  // Replaces an open report; the caller may add summary lines to the one returned.
  static GUI_PostMortem* Open(SIM_SocialiseInstance* evening);
  static void Close();
  static bool IsOpen() { return instance != nullptr; }
  static GUI_PostMortem* Instance() { return instance; }
  static void DrawOpen();
  bool OnClick(float x, float y) override;

  ~GUI_PostMortem() override;
  void Draw() override;
  void AddLine(std::string line) { lines.push_back(std::move(line)); }
  void Select(const SIM_SocialiseReport* record);

  SIM_SocialiseInstance* GetEvening() const { return evening; }
  const SIM_SocialiseReport* Selected() const { return selected; }
  const std::vector<std::string>& Lines() const { return lines; }
  const std::vector<GUI_PostMortemIcon*>& Icons() const { return icons; }
  GUI_IconButton* LinkIcon() const { return linkIcon; }
  GUI_ButtonText* ContinueButton() const { return continueButton; }
  // Null unless the evening was a Chinese meal.
  GUI_IconButton* FortuneCookie() const { return fortuneCookie; }
  const std::string& Fortune() const { return fortune; }
  // The disco lights of a night-club evening (pulsing while its music plays); null otherwise.
  GUI_NightClubLights* Lights() const { return nightClubLights.get(); }
  // The centre of the portrait, where the chosen guest's elbow line ends.
  float PortraitX() const { return static_cast<float>(kLeft + 80); }
  float PortraitY() const { return static_cast<float>(kTop + 104); }

 private:
  explicit GUI_PostMortem(SIM_SocialiseInstance* evening);
  void UpdateLinkIcon();
  void DrawSelected();
  void DrawRelationshipBar(float change);
  // Queues a wrapped text and gives its height.
  float QueueWrapped(float x, float y, const std::string& text, int size, int width);

  static GUI_PostMortem* instance;
  SIM_SocialiseInstance* evening;
  const SIM_SocialiseReport* selected = nullptr;
  CTexturedSprite portrait;
  GUI_IconButton* linkIcon = nullptr;
  GUI_ButtonText* continueButton = nullptr;
  GUI_IconButton* fortuneCookie = nullptr;
  std::string fortune;
  std::unique_ptr<GUI_NightClubLights> nightClubLights;
  std::vector<std::string> lines;
  std::vector<GUI_PostMortemIcon*> icons;
};
