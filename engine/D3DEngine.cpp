// Renderer bookkeeping until drawing arrives.
#include "engine/D3DEngine.h"

#include "engine/CallTrace.h"

float g_screenWidth = 0.0f;
float g_screenHeight = 0.0f;
bool g_inScene = false;

D3DEngine& D3DEngine::Instance() {
  static D3DEngine engine;
  return engine;
}

bool D3DEngine::Init(plat::WindowHandle window, int width, int height, int depth) {
  TraceCall("D3DEngine::Init");
  window_ = window;
  width_ = width;
  height_ = height;
  depth_ = depth;
  g_screenWidth = static_cast<float>(width);
  g_screenHeight = static_cast<float>(height);
  plat::SetWindowSize(window, width, height);
  initialised_ = true;
  return true;
}

void D3DEngine::Release() {
  TraceCall("D3DEngine::Release");
  initialised_ = false;
  textureFolders_.clear();
  g_inScene = false;
}

void D3DEngine::BeginRender() {
  ++scenesBegun_;
  g_inScene = true;
}

void D3DEngine::EndScene() { g_inScene = false; }

void D3DEngine::Flip() { ++framesPresented_; }

void D3DEngine::AddTextureFolder(const std::string& folder) {
  TraceCall("D3DEngine::AddTextureFolder");
  textureFolders_.push_back(folder);
}

void D3DEngine::ReleaseTexturesAndSurfaces() { TraceCall("D3DEngine::ReleaseTexturesAndSurfaces"); }

void D3DEngine::RestoreSurfaces() { TraceCall("D3DEngine::RestoreSurfaces"); }

void D3DEngine::UpdateClientRect(int x, int y) { TraceCall("D3DEngine::UpdateClientRect"); }
