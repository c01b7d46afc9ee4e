// The game's one renderer: opens the drawing device on the main window from the display
// settings (with a software fallback), brackets each frame's scene, presents, draws untextured
// primitives, and owns the textures, found by file name in the registered folders.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "platform/RenderDevice.h"
#include "platform/Window.h"

using SpriteVertex = plat::SpriteVertex;
using TexturePtr = plat::TextureHandle;

class BaseSprite;

// Primitives kept instead of drawn, to be drawn later exactly as they would have been.
struct DrawRecord {
  struct Call {
    TexturePtr texture = nullptr;
    plat::TextureFilter filter = plat::TextureFilter::Linear;
    plat::PrimitiveType type = plat::PrimitiveType::TriangleStrip;
    int first = 0, count = 0;
    bool operator==(const Call& o) const {
      return texture == o.texture && filter == o.filter && type == o.type && first == o.first &&
             count == o.count;
    }
  };
  std::vector<Call> calls;
  std::vector<SpriteVertex> vertices;
  bool operator==(const DrawRecord& o) const;
  void Clear() {
    calls.clear();
    vertices.clear();
  }
};

// Set when the renderer starts; read by sprites, text and layout code.
extern float g_screenWidth;
extern float g_screenHeight;
// Set by BeginRender, cleared by EndScene.
extern bool g_inScene;

// One texture, by the file name it was found under. A record whose file could not be decoded
// keeps a null texture, so its name draws untextured and is never searched for again.
struct TextureRecord {
  TexturePtr texture = nullptr;
  std::string fileName;  // exactly as listed in its folder
  std::string fullPath;  // folder + "/" + file name
};

class D3DEngine {
 public:
  // Error codes that never show the box: the two a focus loss produces.
  static constexpr long kErrNoExclusiveMode = static_cast<long>(0x887600E1L);
  static constexpr long kErrSurfaceLost = static_cast<long>(0x887601C2L);
  // The code given to device failures (SDL reports text, not codes).
  static constexpr long kErrDevice = -1;
  static constexpr const char* kLogFile = ".\\debugdata\\drawdebug.txt";

  static D3DEngine& Instance();
  D3DEngine(const D3DEngine&) = delete;
  D3DEngine& operator=(const D3DEngine&) = delete;

  // --- Device ---
  bool Init(plat::WindowHandle window, int width, int height, int depth, int skipSafeMode = 0,
            int forceWindowed = 0);
  bool FallbackInit(plat::WindowHandle window, bool windowed, int width, int height, int depth);
  // Runs on SDL's software renderer over an in-memory back buffer: tests and benches.
  bool InitOffscreen(int width, int height);
  void UpdateClientRect(int x, int y);
  void BeginRender();
  void EndScene();
  void Flip();
  void RestoreSurfaces();
  void Release();
  void ReleaseTexturesAndSurfaces();
  void ReportError(long code, const std::string& step);
  void Log(const std::string& text);
  void LogCaps();
  // A vertex buffer is plain memory here; false when `count` is not positive.
  bool CreateVertexBuffer(int count, std::vector<SpriteVertex>& out);

  // --- Drawing; every operation does nothing while there is no device ---
  void SetTexture(int stage, TexturePtr texture);
  void SetPointFiltering();
  void SetLinearFiltering();
  // Callers' own vertex arrays (the value bar, snow) drawn with the texture bound now.
  bool DrawPrimitive(plat::PrimitiveType type, const SpriteVertex* vertices, int count);
  void FillRect(int left, int top, int right, int bottom, uint32_t argb);
  void FillRectHorizontalGradient(int left, int top, int right, int bottom, uint32_t leftArgb,
                                  uint32_t rightArgb);
  void FillRectBlack(int left, int top, int right, int bottom);
  void FillScreenBlack();
  void FillSpriteRect(const BaseSprite& sprite, uint32_t argb);
  void DrawLine(float x1, float y1, float x2, float y2, uint32_t argb);
  void DrawRectOutline(int left, int top, int right, int bottom, uint32_t argb);
  void DrawRoundedRectOutline(int left, int top, int right, int bottom, uint32_t argb);
  void DrawSpriteOutline(const BaseSprite& sprite, uint32_t argb);
  void DrawFullScreenImage(const char* fileName);
  // While a record is set, primitives are added to it instead of drawn (textures still bind).
  // Returns the record set before, to be put back (recordings nest).
  DrawRecord* SetRecording(DrawRecord* record) { return std::exchange(recording_, record); }
  // Draws what a record holds, as it would have been drawn (or adds it to the recording under
  // way); the binding and filter are put back afterwards.
  void Replay(const DrawRecord& record);

  // --- Textures ---
  void AddTextureFolder(const std::string& folder);
  void SetTextureByName(const char* fileName);
  void SetTextureByName(std::string fileName) { SetTextureByName(fileName.c_str()); }
  TexturePtr GetTexture(const char* fileName);
  TexturePtr GetTexture(const std::string& fileName) { return GetTexture(fileName.c_str()); }
  bool CreateTextureOnDemand(const std::string& fileName);
  bool CreateTextureFromFolder(const std::string& fileName, const std::string& folder);
  void CreateTextureFromFile(TextureRecord& record, const std::string& path);
  void CreateJpegTexture(TextureRecord& record, const std::string& path);

  // --- State ---
  int GetWidth() const { return width_; }
  int GetHeight() const { return height_; }
  // Where the window last moved to, as UpdateClientRect was told.
  int GetClientX() const { return clientX_; }
  int GetClientY() const { return clientY_; }
  // The colour depth the display rules settled on (the device itself is always 32-bit).
  int GetDepth() const { return colourDepth_; }
  bool IsInitialised() const { return device_ != nullptr; }
  bool IsWindowed() const { return windowed_; }
  bool IsFallback() const { return fallback_; }
  long GetScenesBegun() const { return scenesBegun_; }
  long GetFramesPresented() const { return framesPresented_; }
  // Counts the times every texture went (a release or a new device): a texture kept from an
  // earlier count is gone.
  long GetTextureGeneration() const { return textureGeneration_; }
  int GetBegunThisFrame() const { return begunThisFrame_; }
  float GetRedundantCalls() const { return redundantCalls_; }
  const std::string& GetCurrentTextureName() const { return currentTextureName_; }
  const std::vector<std::string>& GetTextureFolders() const { return textureFolders_; }
  const std::vector<std::unique_ptr<TextureRecord>>& GetTextureRecords() const {
    return textures_;
  }
  plat::RenderDevice* GetDevice() { return device_.get(); }
  // The renderer drawn through ("software", "opengl", ...; empty without a device). A window
  // whose accelerated renderer cannot be made falls back to the software one, and only this
  // (and the renderer log) tells.
  std::string GetRendererName() const { return device_ ? device_->Name() : std::string(); }
  // The game cursor is not drawn while set; nothing sets it yet.
  bool cursorOff = false;

  // --- Seams ---
  // What an error's box does (default: the platform's box, which never blocks
  // headless). Empty restores the default.
  using ErrorBoxHandler = std::function<void(const std::string& title, const std::string& text)>;
  void SetErrorBoxHandler(ErrorBoxHandler handler);
  // Where the renderer log goes (default ".\debugdata\drawdebug.txt"); closes an open log.
  void SetLogPath(const std::string& path);
  // Replaces the desktop depth and adapter name read from the system (0 / empty: the system's).
  void OverrideDisplayInfo(int desktopDepth, const std::string& adapterName);
  // Back to the state of a fresh start: no device, counters, latches and folders cleared.
  void ResetForTesting();

 private:
  D3DEngine();
  int ReadConfigInt(const char* key, int fallback) const;
  void DrawUntextured(plat::PrimitiveType type, const SpriteVertex* vertices, int count,
                      const char* step);
  void ReleaseDevice();
  void AddTextureFolderTree(const std::string& folder, std::set<std::string>& visited);
  TextureRecord* FindRecord(const char* fileName);

  std::unique_ptr<plat::RenderDevice> device_;
  int begunThisFrame_ = 0;
  std::vector<std::string> textureFolders_;
  int clientX_ = 0, clientY_ = 0;
  plat::WindowHandle window_ = nullptr;
  int desktopDepth_ = 32;
  int colourDepth_ = 0;
  bool windowed_ = true;
  FILE* logFile_ = nullptr;
  std::string logPath_ = kLogFile;
  std::vector<std::unique_ptr<TextureRecord>> textures_;
  std::string currentTextureName_;
  int width_ = 0, height_ = 0;
  bool fallback_ = false;
  float redundantCalls_ = 0.0f;
  float frames_ = 0.0f;
  std::set<std::string> shownErrors_;  // the steps whose box has been shown this run

  long scenesBegun_ = 0;
  long framesPresented_ = 0;
  long textureGeneration_ = 0;
  DrawRecord* recording_ = nullptr;
  bool Record(plat::PrimitiveType type, const SpriteVertex* vertices, int count);
  // Names that were searched for and not found since textures were last released: each is
  // searched and reported once, not at every bind.
  std::set<std::string> missingTextures_;
  ErrorBoxHandler errorBox_;
  int desktopDepthOverride_ = 0;
  std::string adapterOverride_;
};
