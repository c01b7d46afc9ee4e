// The 18 textures the whole interface shares, bound by number: the two window backgrounds
// (which follow the player's wealth), frame fills, weather, rain, snow, relationship, dirt
// and stain pictures.
#pragma once

#include <string>

class GUI_TextureSet {
 public:
  static constexpr int kEntries = 18;
  static GUI_TextureSet& Instance();
  GUI_TextureSet(const GUI_TextureSet&) = delete;
  GUI_TextureSet& operator=(const GUI_TextureSet&) = delete;

  // Looks the shared textures up in the renderer (again after the textures were rebuilt),
  // then picks the window backgrounds.
  void Load();
  // Picks the window backgrounds again by the player's wealth: the current job's salary and
  // the cash (after either changes).
  void RefreshWindowTextures();
  // Binds entry i to the renderer; nothing for an index outside 0..17. An entry whose file
  // is missing binds no texture, so it draws untextured.
  void Select(int i);
  const std::string& GetName(int i) const;
  bool IsRich() const { return rich_; }

  // Wealthy: a job paying more than 19999 a year, or more than 1000 in cash.
  static bool IsWealthy(float salary, float cash);
  // The salary of the player's current job; 0 without one.
  static float GetPlayerSalary();

 private:
  GUI_TextureSet();
  std::string names_[kEntries];
  bool rich_ = false;
};
