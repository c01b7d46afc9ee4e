// The renderer. For now it keeps the display settings it is started with, sizes the window
// and counts scenes and presents; drawing arrives with the renderer proper.
#pragma once

#include <string>
#include <vector>

#include "platform/Window.h"

// Set when the renderer starts; read by sprites, text and layout code.
extern float g_screenWidth;
extern float g_screenHeight;
// Set by BeginRender, cleared by EndScene.
extern bool g_inScene;

class D3DEngine {
 public:
  static D3DEngine& Instance();
  D3DEngine(const D3DEngine&) = delete;
  D3DEngine& operator=(const D3DEngine&) = delete;

  bool Init(plat::WindowHandle window, int width, int height, int depth);
  void Release();
  void BeginRender();
  void EndScene();
  void Flip();
  void AddTextureFolder(const std::string& folder);
  void ReleaseTexturesAndSurfaces();
  void RestoreSurfaces();
  void UpdateClientRect(int x, int y);

  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  int GetDepth() const { return depth_; }
  bool IsInitialised() const { return initialised_; }
  long GetScenesBegun() const { return scenesBegun_; }
  long GetFramesPresented() const { return framesPresented_; }
  const std::vector<std::string>& GetTextureFolders() const { return textureFolders_; }

 private:
  D3DEngine() = default;

  plat::WindowHandle window_ = nullptr;
  int width_ = 0, height_ = 0, depth_ = 0;
  bool initialised_ = false;
  long scenesBegun_ = 0;
  long framesPresented_ = 0;
  std::vector<std::string> textureFolders_;
};
