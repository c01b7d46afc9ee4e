// A still picture composed once into a texture and copied every frame after, until what it
// shows changes. The software renderer pays for every blended or tinted pixel on every frame;
// a cached picture costs one copy instead.
//
// What the picture shows is found out every frame by running its drawing code with the
// primitives recorded rather than drawn: the same primitives make the same picture. A layer
// asked for twice running is composed; one that changes every frame (an animation) is drawn
// as it is, primitive by primitive. While caching is off (tests that watch text land on the
// screen), everything is drawn as it is.
#pragma once

#include <functional>

#include "engine/D3DEngine.h"

class CachedPicture {
 public:
  enum class Kind {
    kScreen,  // covers the whole screen, over opaque black
    kLayer,   // see-through, as large as what it draws; laid over what is under it
  };
  explicit CachedPicture(Kind kind);
  ~CachedPicture();
  CachedPicture(const CachedPicture&) = delete;
  CachedPicture& operator=(const CachedPicture&) = delete;

  // Draws what `draw` draws, from the cache when it can.
  void Draw(const std::function<void()>& draw);
  // How many times the picture was composed: a still scene composes once.
  long Compositions() const { return compositions_; }
  static void SetCaching(bool on);

 private:
  bool Compose(const DrawRecord& record);
  bool ComposeRecord(const DrawRecord& record);
  bool ComposeLayer(plat::RenderDevice& device, const DrawRecord& record);
  void Forget();
  friend void ReleaseCachedPictures();
  Kind kind_;
  plat::TextureHandle texture_ = nullptr;
  bool sparse_ = false;  // composed and found mostly holes: drawn piece by piece instead
  long generation_ = -1;  // of the renderer's textures when texture_ was made
  int left_ = 0, top_ = 0, width_ = 0, height_ = 0;  // where the picture lies on screen
  DrawRecord shown_;     // what the cache holds
  DrawRecord previous_;  // what the last frame asked for
  DrawRecord fresh_;     // what this frame asks for
  long compositions_ = 0;
  // Every picture, so the textures' release can take theirs.
  CachedPicture* prev_ = nullptr;
  CachedPicture* next_ = nullptr;
};

// Lets go of every picture's texture and of the scratch picture layers are composed in; the
// renderer calls it before the textures go.
void ReleaseCachedPictures();
