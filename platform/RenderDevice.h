// The small drawing device the renderer stands on: scenes, one texture stage, primitives of
// pre-transformed vertices, filtering, present and read-back. Behind it is SDL2's renderer,
// either on the game window or, for tests and benches, on an in-memory surface.
//
// What callers can rely on (the rules the game's drawing was written against):
// - colour and alpha are texture x diffuse; with no texture bound, the diffuse alone;
// - blending is source-alpha over the back buffer;
// - triangles wound counter-clockwise on screen (y down) are not drawn;
// - texture coordinates are clamped into 0..1;
// - after a present the back buffer is opaque black.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "platform/Window.h"

namespace plat {

// One pre-transformed vertex: screen x, y; z and rhw are carried but unused; diffuse and
// specular are packed ARGB (specular is unused); tu, tv the texture coordinates.
struct SpriteVertex {
  float x = 0.0f, y = 0.0f, z = 0.0f, rhw = 1.0f;
  uint32_t diffuse = 0xFFFFFFFFu;
  uint32_t specular = 0xFFFFFFFFu;
  float tu = 0.0f, tv = 0.0f;
};
static_assert(sizeof(SpriteVertex) == 32, "callers build arrays of the 32-byte vertex layout");

enum class PrimitiveType { TriangleList, TriangleStrip, LineList, LineStrip };
enum class TextureFilter { Point, Linear };

struct DeviceTexture;  // opaque: owned by the device that made it
using TextureHandle = DeviceTexture*;

class RenderDevice {
 public:
  // A renderer on the window. `software` asks for SDL's software renderer, otherwise a
  // hardware one; `fullscreen` makes the window desktop full screen with the size as the
  // logical size (letterboxed), otherwise the window takes the size. Vsync only in full screen.
  static std::unique_ptr<RenderDevice> CreateForWindow(WindowHandle window, int width, int height,
                                                       bool fullscreen, bool software,
                                                       std::string& error);
  // SDL's software renderer on an in-memory 32-bit surface (no window, no video driver).
  static std::unique_ptr<RenderDevice> CreateOffscreen(int width, int height, std::string& error);

  ~RenderDevice();
  RenderDevice(const RenderDevice&) = delete;
  RenderDevice& operator=(const RenderDevice&) = delete;

  // The renderer's name ("software", "opengl", ...).
  std::string Name() const;
  int Width() const;
  int Height() const;

  // Scene bracketing. SDL needs none; kept so a scene can be checked for balance.
  void BeginScene();
  void EndScene();
  bool InScene() const;

  // A static texture from ARGB pixels, rows top-down, `width` pixels each. Null on failure.
  TextureHandle CreateTexture(int width, int height, const uint32_t* argb, std::string& error);
  void DestroyTexture(TextureHandle texture);
  // A texture that can be drawn into as well as drawn: after SetTarget(target) every draw goes
  // into it until SetTarget(nullptr) puts drawing back on the back buffer (a present does too).
  // Its content is undefined until cleared. Null where the renderer cannot draw into textures.
  TextureHandle CreateTarget(int width, int height, std::string& error);
  bool SetTarget(TextureHandle target, std::string& error);
  TextureHandle Target() const;
  // The software renderer keeps stretched and tinted copies of what is drawn the same way
  // twice running; while eager, it makes them at the first ask, so a picture composed to be
  // kept comes out the same whatever was drawn before it.
  void SetEagerCopies(bool eager);
  // Lays `count` plain quads of `texture` (four vertices each, in strip order) one over
  // another into a new texture of width x height whose top-left is the vertices' (0, 0), each
  // placed, stretched and coloured as DrawPrimitive would draw it. Drawn blended, the result
  // gives what drawing the quads in turn gives, up to rounding. Null where the texels cannot be
  // read back (renderers other than the software one) or a quad is not plain.
  TextureHandle ComposeQuads(TextureHandle texture, const SpriteVertex* quads, int count,
                             int width, int height, std::string& error);
  // Fills what is drawn into now (a target or the back buffer) with one colour, no blending.
  void Clear(uint32_t argb);
  void BindTexture(TextureHandle texture);  // null: untextured
  TextureHandle BoundTexture() const;
  // Binds since the device was made: those that changed the texture bound, and the redundant
  // ones that named the texture already bound (callers are expected to skip those).
  struct BindCounts {
    long changes = 0, repeats = 0;
  };
  BindCounts GetBindCounts() const;
  void SetFilter(TextureFilter filter);
  TextureFilter Filter() const;

  // Draws `count` vertices. Lines take the first vertex's diffuse colour and no texture.
  bool DrawPrimitive(PrimitiveType type, const SpriteVertex* vertices, int count,
                     std::string& error);
  // Shows the back buffer, then clears it to opaque black.
  bool Present(std::string& error);
  // The back buffer as ARGB, rows top-down.
  bool ReadPixels(std::vector<uint32_t>& argb, int& width, int& height, std::string& error);

  // Window devices only: leave or re-enter desktop full screen (for boxes).
  bool IsFullscreen() const;
  void SetFullscreen(bool fullscreen);

 private:
  struct Impl;
  explicit RenderDevice(std::unique_ptr<Impl> impl);
  bool DrawQuad(const SpriteVertex* v, std::string& error);
  void SetModulation(DeviceTexture* texture, uint32_t argb);
  std::unique_ptr<Impl> impl_;
};

// Bits per pixel of the desktop (0 when unknown) and a name for the graphics adapter (the
// first renderer SDL offers; SDL names no adapters).
int DesktopBitsPerPixel();
std::string AdapterName();

}  // namespace plat
