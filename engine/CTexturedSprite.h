// A sprite that remembers its own texture by file name, so it survives the release of every
// texture after a focus loss: the pointer is cleared then and found again at the next draw.
// Every instance (copies included) is in one global list from construction to destruction.
#pragma once

#include <string>

#include "engine/BaseSprite.h"
#include "engine/D3DEngine.h"

class CTexturedSprite : public BaseSprite {
 public:
  static constexpr size_t kMaxName = 255;

  CTexturedSprite();
  CTexturedSprite(const CTexturedSprite& other);
  CTexturedSprite& operator=(const CTexturedSprite& other);
  ~CTexturedSprite() override;

  // Looks the texture up unless the name is the one already set.
  void SetTexture(const char* fileName);
  // As SetTexture, but also looks up again when the name is unchanged and the pointer cleared.
  void SetTextureString(const std::string& fileName);
  // Binds its own texture (finding it again by name when cleared) and draws without the
  // on-screen test.
  void Draw() override;

  TexturePtr GetTexturePtr() const { return texture_; }
  const std::string& GetTextureName() const { return textureName_; }

  static size_t Count();

 private:
  friend void ClearTexturedSpritePointers();
  TexturePtr texture_ = nullptr;
  std::string textureName_;
};

// Forgets every textured sprite's texture pointer (run when textures are released).
void ClearTexturedSpritePointers();
