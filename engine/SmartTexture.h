// A named texture handle that can find its texture again after the textures were released.
// Every instance is in one global list, so all can be looked up again at once.
#pragma once

#include <string>

#include "engine/D3DEngine.h"

class SmartTexture {
 public:
  SmartTexture();
  SmartTexture(const SmartTexture& other);
  SmartTexture& operator=(const SmartTexture& other);
  virtual ~SmartTexture();

  // Texture = the engine's texture of that name, or none when the name is empty.
  void Rebind();
  static void RebindAll();
  // Binds its texture (or none) to stage 0.
  void Bind();

  std::string name;
  TexturePtr texture = nullptr;

  static size_t Count();
};
