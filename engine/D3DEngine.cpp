// The renderer over the platform's drawing device.
#include "engine/D3DEngine.h"

#include <cstdio>
#include <cstring>
#include <filesystem>

#include "engine/BaseSprite.h"
#include "engine/CTexturedSprite.h"
#include "engine/CachedPicture.h"
#include "engine/DisplaySettings.h"
#include "engine/GVertexBuffer.h"
#include "engine/GdiText.h"
#include "engine/QuadSheet.h"
#include "engine/RenderStats.h"
#include "engine/TextureImage.h"
#include "engine/Utilities.h"
#include "platform/Files.h"
#include "platform/MessageBox.h"
#include "platform/System.h"

float g_screenWidth = 0.0f;
float g_screenHeight = 0.0f;
bool g_inScene = false;

namespace {

SpriteVertex Vertex(float x, float y, uint32_t argb, float u = 0.0f, float v = 0.0f) {
  SpriteVertex out;
  out.x = x;
  out.y = y;
  out.diffuse = argb;
  out.specular = argb;
  out.tu = u;
  out.tv = v;
  return out;
}

bool Contains(const std::string& text, const char* part) {
  return text.find(part) != std::string::npos;
}

}  // namespace

D3DEngine& D3DEngine::Instance() {
  static D3DEngine engine;
  return engine;
}

D3DEngine::D3DEngine() {
  const int depth = plat::DesktopBitsPerPixel();
  desktopDepth_ = depth > 0 ? depth : 32;
}

int D3DEngine::ReadConfigInt(const char* key, int fallback) const {
  // Through the settings, not the file: a full-screen switch that could not be written still
  // holds there.
  return DisplaySettings::GetInt("config", key, fallback);
}

void D3DEngine::Log(const std::string& text) {
  if (!logFile_) {
    logFile_ = plat::OpenFile(logPath_, "w");
    if (!logFile_) return;  // the folder is never made: no folder, no log
  }
  std::fputs(text.c_str(), logFile_);
  std::fputc('\n', logFile_);
  std::fflush(logFile_);
  plat::DebugOutput(text + "\n");
}

void D3DEngine::SetLogPath(const std::string& path) {
  if (logFile_) std::fclose(logFile_);
  logFile_ = nullptr;
  logPath_ = path;
}

void D3DEngine::SetErrorBoxHandler(ErrorBoxHandler handler) { errorBox_ = std::move(handler); }

void D3DEngine::OverrideDisplayInfo(int desktopDepth, const std::string& adapterName) {
  desktopDepthOverride_ = desktopDepth;
  adapterOverride_ = adapterName;
}

void D3DEngine::ResetForTesting() {
  ReleaseDevice();
  textureFolders_.clear();
  shownErrors_.clear();
  redundantCalls_ = 0.0f;
  frames_ = 0.0f;
  begunThisFrame_ = 0;
  colourDepth_ = 0;
  fallback_ = false;
  windowed_ = true;
  g_inScene = false;
}

// --- Device ---

bool D3DEngine::Init(plat::WindowHandle window, int width, int height, int depth,
                     int skipSafeMode, int forceWindowed) {
  Log("Initialising Direct Draw");
  ReleaseDevice();  // a second Init replaces the device rather than leaking it
  // Each display start registers its folders again; start from none so toggles never grow
  // the list.
  textureFolders_.clear();
  fallback_ = false;
  bool windowed = forceWindowed ? true : ReadConfigInt("IsWindowed", 0) != 0;
  const bool useRgb = ReadConfigInt("UseRGB", 0) != 0;
  if (!skipSafeMode && ReadConfigInt("SafeMode", 0) != 0) {
    windowed = true;
    Log("Forcing to safe mode, fullscreen not stable");
  }
  windowed_ = windowed;
  Log(windowed ? "Attempting windowed mode" : "Attempting fullscreen mode");
  width_ = width;
  height_ = height;
  if (useRgb) Log("Using RGB renderer");
  Log("Creating Context at " + std::to_string(width) + " " + std::to_string(height) + " " +
      std::to_string(depth));
  const bool forceFallback = ReadConfigInt("ForceFallback", 0) != 0;
  // The device is always 32-bit; the depth rules only decide what is logged and reported.
  const int desktopDepth = desktopDepthOverride_ > 0 ? desktopDepthOverride_ : desktopDepth_;
  if (desktopDepth == 16 && depth == 32) {
    Log("Can't use 32 bit color on a 16bit desktop, swapping to 16 bit");
    depth = 16;
  }
  if (ReadConfigInt("IgnoreIntel", 0) == 0) {
    const std::string adapter = adapterOverride_.empty() ? plat::AdapterName() : adapterOverride_;
    if (Contains(adapter, "intel") || Contains(adapter, "Intel")) {
      Log("Intel video card detected, forcing to 16 bit mode");
      depth = 16;
    }
  }
  colourDepth_ = depth;  // kept even when no device opens, as the display rules decided it

  if (forceFallback) {
    Log("Forcing Fallback Init");
    if (!FallbackInit(window, windowed, width, height, depth)) return false;
  } else {
    std::string error;
    ++textureGeneration_;  // whatever the old device held goes with it
    if (window)
      device_ = plat::RenderDevice::CreateForWindow(window, width, height, !windowed, useRgb, error);
    else
      error = "NULL window handle";
    if (!device_) {
      Log("D3DXCreateContext failed, HRESULT was (" + std::to_string(kErrDevice) + ")" + error);
      if (!FallbackInit(window, windowed, width, height, depth)) return false;
    } else {
      Log("context created");
      window_ = window;
    }
  }
  if (!fallback_) {
    Log("Device obtained");
    Log("backbuffer obtained");
  }
  for (auto& record : textures_) device_->DestroyTexture(record->texture);
  textures_.clear();
  g_screenWidth = static_cast<float>(width);
  g_screenHeight = static_cast<float>(height);
  LogCaps();
  return true;
}

bool D3DEngine::FallbackInit(plat::WindowHandle window, bool windowed, int width, int height,
                             int depth) {
  Log("Attempting Fallback Init");
  g_screenWidth = static_cast<float>(width);
  g_screenHeight = static_cast<float>(height);
  width_ = static_cast<int>(g_screenWidth);
  height_ = static_cast<int>(g_screenHeight);
  windowed_ = windowed;
  window_ = window;
  if (!window) {
    Log("NULL window handle");
    return false;
  }
  std::string error;
  ++textureGeneration_;
  device_ = plat::RenderDevice::CreateForWindow(window, width, height, !windowed, true, error);
  if (!device_) {
    Log(error);
    ReportError(kErrDevice, "CreateDevice(d3d7)");
    return false;
  }
  colourDepth_ = windowed ? (desktopDepthOverride_ > 0 ? desktopDepthOverride_ : desktopDepth_)
                          : depth;
  if (windowed) UpdateClientRect(0, 0);
  Log("Fallback init succeeded");
  fallback_ = true;
  return true;
}

bool D3DEngine::InitOffscreen(int width, int height) {
  ReleaseDevice();
  textureFolders_.clear();
  std::string error;
  device_ = plat::RenderDevice::CreateOffscreen(width, height, error);
  if (!device_) {
    Log("Offscreen device failed: " + error);
    return false;
  }
  width_ = width;
  height_ = height;
  colourDepth_ = 32;
  windowed_ = true;
  fallback_ = false;
  window_ = nullptr;
  g_screenWidth = static_cast<float>(width);
  g_screenHeight = static_cast<float>(height);
  LogCaps();
  return true;
}

void D3DEngine::UpdateClientRect(int x, int y) {
  // SDL presents to the window itself; the position is kept for parity only.
  clientX_ = x;
  clientY_ = y;
}

void D3DEngine::LogCaps() {
  if (!device_) return;
  Log("Driver: " + device_->Name());
}

void D3DEngine::BeginRender() {
  if (!device_ || g_inScene) return;
  device_->BeginScene();
  SetTexture(0, nullptr);
  device_->SetFilter(plat::TextureFilter::Linear);
  g_inScene = true;
  ++begunThisFrame_;
  ++scenesBegun_;
}

void D3DEngine::EndScene() {
  if (device_) device_->EndScene();
  g_inScene = false;
  currentTextureName_.clear();
}

void D3DEngine::Flip() {
  if (!device_) return;
  std::string error;
  if (!device_->Present(error)) {
    Log(error);
    ReportError(kErrDevice, "Flip");
  }
  begunThisFrame_ = 0;
  frames_ += 1.0f;
  ++framesPresented_;
  RenderStats::Instance().Reset();
}

void D3DEngine::RestoreSurfaces() {
  // Textures come back by name when next used; the batched-quad buffers are made again here.
  RecreateVertexBuffers();
}

void D3DEngine::ReleaseTexturesAndSurfaces() {
  // The kept pictures (every target texture among them) first, while their textures are
  // still known to be theirs.
  ReleaseCachedPictures();
  ReleaseQuadSheets();
  ++textureGeneration_;
  for (auto& record : textures_) {
    if (device_) device_->DestroyTexture(record->texture);
    record->texture = nullptr;
  }
  textures_.clear();
  // Nothing bound or remembered may outlive the textures; missing names get searched again.
  currentTextureName_.clear();
  SetTexture(0, nullptr);
  missingTextures_.clear();
  ClearTexturedSpritePointers();
  ReleaseGdiTextTextures();
}

void D3DEngine::ReleaseDevice() {
  // Textured sprites keep raw pointers to these textures: a device replaced without a
  // release first (a second Init) must not leave them pointing at freed textures.
  if (!textures_.empty()) ClearTexturedSpritePointers();
  for (auto& record : textures_)
    if (device_) device_->DestroyTexture(record->texture);
  textures_.clear();
  currentTextureName_.clear();
  missingTextures_.clear();
  ReleaseGdiTextTextures();  // cached text textures belong to the device that goes now
  ReleaseCachedPictures();
  ReleaseQuadSheets();
  device_.reset();
  ++textureGeneration_;
  g_inScene = false;
}

void D3DEngine::Release() {
  if (!device_) {
    Log("Engine already released");
    return;
  }
  Log("Release D3DEngine");
  if (frames_ > 0.0f) Log("Redundant calls/frame = " + FormatFixed(redundantCalls_ / frames_, 6));
  ReleaseTexturesAndSurfaces();
  ReleaseDevice();
  // Leaving the scene open would make the next frame after a re-start skip its BeginRender.
  g_inScene = false;
}

void D3DEngine::ReportError(long code, const std::string& step) {
  Log(step);
  Log(code == 0 ? "no error" : "device error");
  if (code == kErrNoExclusiveMode || code == kErrSurfaceLost) return;
  // Each error is shown once a run: one that repeats every frame raises one box, and a later,
  // different error is still seen. Once the window is up the box is the game's own, drawn in
  // the game's window, so full screen stays.
  if (!shownErrors_.insert(step).second) return;
  const std::string text =
      "Please check publishers website for tech support Details: [" + step + "] ";
  if (errorBox_)
    errorBox_("D3DEngine Error", text);
  else
    plat::ShowMessageBox("D3DEngine Error", text, plat::BoxIcon::Warning);
}

bool D3DEngine::CreateVertexBuffer(int count, std::vector<SpriteVertex>& out) {
  if (count <= 0) {
    ReportError(kErrDevice, "Problem creating Vertex Buffer");
    return false;
  }
  out.assign(static_cast<size_t>(count), SpriteVertex{});
  return true;
}

// --- Drawing ---

void D3DEngine::SetTexture(int stage, TexturePtr texture) {
  if (!device_ || stage != 0) return;
  // The texture already bound stays bound, and so does the name it was bound by.
  if (device_->BoundTexture() == texture) return;
  device_->BindTexture(texture);
  currentTextureName_.clear();
}

void D3DEngine::SetPointFiltering() {
  if (device_) device_->SetFilter(plat::TextureFilter::Point);
}

void D3DEngine::SetLinearFiltering() {
  if (device_) device_->SetFilter(plat::TextureFilter::Linear);
}

bool DrawRecord::operator==(const DrawRecord& o) const {
  return calls == o.calls && vertices.size() == o.vertices.size() &&
         std::memcmp(vertices.data(), o.vertices.data(), vertices.size() * sizeof(SpriteVertex)) ==
             0;
}

bool D3DEngine::Record(plat::PrimitiveType type, const SpriteVertex* vertices, int count) {
  if (!recording_ || !vertices || count <= 0) return false;
  recording_->calls.push_back(DrawRecord::Call{device_->BoundTexture(), device_->Filter(), type,
                                               static_cast<int>(recording_->vertices.size()),
                                               count});
  recording_->vertices.insert(recording_->vertices.end(), vertices, vertices + count);
  return true;
}

void D3DEngine::Replay(const DrawRecord& record) {
  if (!device_) return;
  if (recording_) {
    for (const DrawRecord::Call& call : record.calls) {
      DrawRecord::Call kept = call;
      kept.first = static_cast<int>(recording_->vertices.size());
      recording_->calls.push_back(kept);
      recording_->vertices.insert(recording_->vertices.end(),
                                  record.vertices.begin() + call.first,
                                  record.vertices.begin() + call.first + call.count);
    }
    return;
  }
  const TexturePtr bound = device_->BoundTexture();
  const plat::TextureFilter filter = device_->Filter();
  for (const DrawRecord::Call& call : record.calls) {
    device_->BindTexture(call.texture);
    device_->SetFilter(call.filter);
    std::string error;
    if (!device_->DrawPrimitive(call.type, &record.vertices[static_cast<size_t>(call.first)],
                                call.count, error))
      Log(error);
  }
  device_->BindTexture(bound);
  device_->SetFilter(filter);
}

bool D3DEngine::DrawPrimitive(plat::PrimitiveType type, const SpriteVertex* vertices, int count) {
  if (!device_) return false;
  if (recording_) return Record(type, vertices, count) || true;
  std::string error;
  if (device_->DrawPrimitive(type, vertices, count, error)) return true;
  Log(error);
  return false;
}

void D3DEngine::DrawUntextured(plat::PrimitiveType type, const SpriteVertex* vertices, int count,
                               const char* step) {
  if (!device_) return;
  SetTexture(0, nullptr);
  if (recording_) {
    Record(type, vertices, count);
    return;
  }
  std::string error;
  if (!device_->DrawPrimitive(type, vertices, count, error) && step) {
    Log(error);
    ReportError(kErrDevice, step);
  }
}

void D3DEngine::FillRect(int left, int top, int right, int bottom, uint32_t argb) {
  const auto l = static_cast<float>(left), t = static_cast<float>(top);
  const auto r = static_cast<float>(right), b = static_cast<float>(bottom);
  const SpriteVertex v[4] = {Vertex(l, t, argb, 0, 0), Vertex(r, t, argb, 1, 0),
                             Vertex(l, b, argb, 0, 1), Vertex(r, b, argb, 1, 1)};
  DrawUntextured(plat::PrimitiveType::TriangleStrip, v, 4, "Fill rect");
}

void D3DEngine::FillRectHorizontalGradient(int left, int top, int right, int bottom,
                                           uint32_t leftArgb, uint32_t rightArgb) {
  const auto l = static_cast<float>(left), t = static_cast<float>(top);
  const auto r = static_cast<float>(right), b = static_cast<float>(bottom);
  const SpriteVertex v[4] = {Vertex(l, t, leftArgb, 0, 0), Vertex(r, t, rightArgb, 1, 0),
                             Vertex(l, b, leftArgb, 0, 1), Vertex(r, b, rightArgb, 1, 1)};
  DrawUntextured(plat::PrimitiveType::TriangleStrip, v, 4, nullptr);
}

void D3DEngine::FillRectBlack(int left, int top, int right, int bottom) {
  if (!device_) return;
  BaseSprite sprite;
  sprite.width = static_cast<float>(right - left);
  sprite.height = static_cast<float>(bottom - top);
  sprite.SetPosition(static_cast<float>(left) + sprite.width / 2.0f,
                     static_cast<float>(top) + sprite.height / 2.0f);
  sprite.SetColourARGB(0xFF000000u);
  SetTexture(0, nullptr);
  // Drawn without the on-screen test: a rectangle covering the whole screen has no corner
  // inside it, and must still be drawn.
  sprite.DrawQuad();
}

void D3DEngine::FillScreenBlack() {
  FillRectBlack(0, 0, static_cast<int>(g_screenWidth), static_cast<int>(g_screenHeight));
}

void D3DEngine::FillSpriteRect(const BaseSprite& sprite, uint32_t argb) {
  FillRect(static_cast<int>(sprite.vertices[0].x), static_cast<int>(sprite.vertices[0].y),
           static_cast<int>(sprite.vertices[3].x), static_cast<int>(sprite.vertices[3].y), argb);
}

void D3DEngine::DrawLine(float x1, float y1, float x2, float y2, uint32_t argb) {
  const SpriteVertex v[2] = {Vertex(x1, y1, argb), Vertex(x2, y2, argb)};
  DrawUntextured(plat::PrimitiveType::LineList, v, 2, nullptr);
}

void D3DEngine::DrawRectOutline(int left, int top, int right, int bottom, uint32_t argb) {
  const auto l = static_cast<float>(left), t = static_cast<float>(top);
  const auto r = static_cast<float>(right), b = static_cast<float>(bottom);
  const SpriteVertex v[5] = {Vertex(l, t, argb), Vertex(r, t, argb), Vertex(r, b, argb),
                             Vertex(l, b, argb), Vertex(l, t, argb)};
  DrawUntextured(plat::PrimitiveType::LineStrip, v, 5, nullptr);
}

void D3DEngine::DrawRoundedRectOutline(int left, int top, int right, int bottom, uint32_t argb) {
  const auto l = static_cast<float>(left), t = static_cast<float>(top);
  const auto r = static_cast<float>(right), b = static_cast<float>(bottom);
  const SpriteVertex v[9] = {Vertex(l + 2, t, argb), Vertex(r - 2, t, argb),
                             Vertex(r, t + 2, argb), Vertex(r, b - 2, argb),
                             Vertex(r - 2, b, argb), Vertex(l + 2, b, argb),
                             Vertex(l, b - 2, argb), Vertex(l, t + 2, argb),
                             Vertex(l + 2, t, argb)};
  DrawUntextured(plat::PrimitiveType::LineStrip, v, 9, nullptr);
}

void D3DEngine::DrawSpriteOutline(const BaseSprite& sprite, uint32_t argb) {
  SpriteVertex v[5] = {sprite.vertices[0], sprite.vertices[1], sprite.vertices[3],
                       sprite.vertices[2], sprite.vertices[0]};
  for (SpriteVertex& p : v) p.diffuse = argb;
  DrawUntextured(plat::PrimitiveType::LineStrip, v, 5, nullptr);
}

void D3DEngine::DrawFullScreenImage(const char* fileName) {
  if (!device_) return;
  BaseSprite sprite;
  sprite.width = g_screenWidth;
  sprite.height = g_screenHeight;
  sprite.SetPosition(g_screenWidth / 2.0f, g_screenHeight / 2.0f);
  SetTextureByName(fileName);
  sprite.DrawQuad();  // no on-screen test: every corner lies on the screen's edge
}

// --- Textures ---

void D3DEngine::AddTextureFolder(const std::string& folder) {
  // An empty name would make "/*.*": the whole file system, not a folder of the game.
  if (folder.empty()) return;
  std::set<std::string> visited;
  for (const std::string& known : textureFolders_) {
    std::error_code ec;
    const auto canonical = std::filesystem::canonical(plat::ResolvePath(known), ec);
    visited.insert(ec ? known : canonical.string());
  }
  AddTextureFolderTree(folder, visited);
}

void D3DEngine::AddTextureFolderTree(const std::string& folder, std::set<std::string>& visited) {
  // A folder is listed once however it is reached, so a symbolic link back up the tree
  // cannot make the walk endless and a folder added twice is not searched twice.
  std::error_code ec;
  const auto canonical = std::filesystem::canonical(plat::ResolvePath(folder), ec);
  if (!visited.insert(ec ? folder : canonical.string()).second) return;
  textureFolders_.push_back(folder);
  for (const plat::DirEntry& entry : plat::ListMatching(folder + "/*.*")) {
    if (!entry.isDirectory || entry.name.empty() || entry.name[0] == '.') continue;
    AddTextureFolderTree(folder + "/" + entry.name, visited);
  }
}

TextureRecord* D3DEngine::FindRecord(const char* fileName) {
  for (auto& record : textures_)
    if (record->fileName == fileName) return record.get();
  return nullptr;
}

void D3DEngine::SetTextureByName(const char* fileName) {
  if (!device_ || !fileName) return;
  if (!g_inScene) BeginRender();
  if (currentTextureName_ == fileName) {
    redundantCalls_ += 1.0f;
    return;
  }
  TextureRecord* record = FindRecord(fileName);
  if (!record && !missingTextures_.count(fileName)) {
    if (CreateTextureOnDemand(fileName)) {
      record = FindRecord(fileName);
    } else {
      missingTextures_.insert(fileName);
      ReportError(0, std::string("Failed to locate texture: ") + fileName);
    }
  }
  if (!record) return;  // the binding stays as it was
  SetTexture(0, record->texture);
  currentTextureName_ = fileName;
}

TexturePtr D3DEngine::GetTexture(const char* fileName) {
  if (!device_ || !fileName) return nullptr;
  if (TextureRecord* record = FindRecord(fileName)) return record->texture;
  if (missingTextures_.count(fileName)) return nullptr;
  if (CreateTextureOnDemand(fileName)) {
    if (TextureRecord* record = FindRecord(fileName)) return record->texture;
  }
  missingTextures_.insert(fileName);
  ReportError(0, std::string("Failed to locate texture: ") + fileName);
  return nullptr;
}

bool D3DEngine::CreateTextureOnDemand(const std::string& fileName) {
  for (const std::string& folder : textureFolders_)
    if (CreateTextureFromFolder(fileName, folder)) return true;
  Log("Failed to create texture on demand");
  return false;
}

bool D3DEngine::CreateTextureFromFolder(const std::string& fileName, const std::string& folder) {
  const char* pattern = Contains(fileName, ".dds")   ? "/*.dds"
                        : Contains(fileName, ".jpg") ? "/*.jpg"
                                                     : "/*.bmp";
  for (const plat::DirEntry& entry : plat::ListMatching(folder + pattern)) {
    if (entry.isDirectory || entry.name != fileName) continue;  // the name's case must match
    auto record = std::make_unique<TextureRecord>();
    record->fileName = entry.name;
    record->fullPath = folder + "/" + entry.name;
    CreateTextureFromFile(*record, record->fullPath);
    textures_.push_back(std::move(record));
    Log(entry.name);
    return true;
  }
  return false;
}

void D3DEngine::CreateTextureFromFile(TextureRecord& record, const std::string& path) {
  if (Contains(path, ".jpg")) {
    CreateJpegTexture(record, path);
    return;
  }
  TextureImage image;
  std::string error;
  if (device_ && TextureImage::Load(path, false, image, error)) {
    record.texture = device_->CreateTexture(image.width, image.height, image.pixels.data(), error);
  }
  if (record.texture) {
    Log("Texture created : " + path);
  } else {
    Log(error);
    ReportError(kErrDevice, "CreateTextureFromFile");
  }
}

void D3DEngine::CreateJpegTexture(TextureRecord& record, const std::string& path) {
  Log("Creating JPG file");
  TextureImage image;
  std::string error;
  // JPEG carries no alpha: the texture is opaque whatever the file's colour model.
  if (!TextureImage::Load(path, true, image, error)) {
    Log("failed loading jpg");
    return;
  }
  Log("JPG data is height: " + std::to_string(image.height) +
      " width : " + std::to_string(image.width));
  record.texture =
      device_ ? device_->CreateTexture(image.width, image.height, image.pixels.data(), error)
              : nullptr;
  if (!record.texture) {
    Log(error);
    ReportError(kErrDevice, "Failed to create jpg surface");
    return;
  }
  Log("Created jpg surface");
}
