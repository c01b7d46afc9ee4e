// The shared GUI textures.
#pragma once

class GUI_TextureSet {
 public:
  static GUI_TextureSet& Instance();
  // Looks the shared textures up again in the renderer's texture list.
  void Load();

 private:
  GUI_TextureSet() = default;
};
