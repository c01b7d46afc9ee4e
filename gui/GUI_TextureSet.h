// The shared GUI textures.
#pragma once

class GUI_TextureSet {
 public:
  static GUI_TextureSet& Instance();
  // Looks the shared textures up again in the renderer's texture list.
  void Load();
  // Picks the window backgrounds again by the player's wealth (after the cash or job changes).
  void RefreshWindowTextures();

 private:
  GUI_TextureSet() = default;
};
