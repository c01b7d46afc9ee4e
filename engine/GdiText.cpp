// Queued text, fonts, measuring, wrapping and the rendered-text cache.
#include "engine/GdiText.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <list>
#include <memory>
#include <unordered_map>

#include "engine/D3DEngine.h"
#include "engine/DebugLog.h"
#include "engine/GdiTextItem.h"
#include "engine/GdiTextList.h"
#include "engine/RenderStats.h"
#include "platform/Fonts.h"
#include "platform/System.h"

namespace {

constexpr int kDefaultHeight = 16;     // the default font before SetDefaultGdiFont
constexpr int kClipDepth = 512;        // wrapped text is clipped this far below its top
constexpr size_t kMaxFaceName = 127;   // face names were fixed 128-byte buffers
// Rendered texts unused for this many presented frames are dropped; the count cap keeps a
// burst of distinct strings (typed-out text makes a new one every frame) within bounds.
constexpr long kMaxIdleFrames = 120;
constexpr size_t kMaxCachedTexts = 1024;

struct FontEntry {
  std::string name;
  int height = 0;
  bool italic = false;
  plat::ResolvedFont face;
  plat::FontHandle font = nullptr;
};

struct CachedText {
  std::string key;
  TexturePtr texture = nullptr;
  int width = 0, height = 0;
  int offsetY = 0;  // the texture's top relative to the text's y (negative: glyphs above)
  int lines = 0;    // how many lines the text broke into
  long lastFrame = 0;
};

struct TextState {
  std::vector<std::unique_ptr<GdiTextItem>> queue;
  GdiTextList persistent;
  bool held = false;
  // The game never empties it: fonts live for the run (only ResetGdiTextState forgets them;
  // the opened faces belong to the platform layer and stay open).
  std::vector<std::unique_ptr<FontEntry>> fonts;
  FontEntry* selected = nullptr;
  std::string defaultName;
  int defaultSize = 0;
  int r = 255, g = 255, b = 255;
  bool colourKnown = true;
  int budget = -1;
  int charactersDrawn = 0;
  std::list<CachedText> lru;  // most recently used first
  std::unordered_map<std::string, std::list<CachedText>::iterator> index;
  long renders = 0;
  GdiTextDrawObserver observer;
};

TextState& State() {
  static TextState state;
  return state;
}

int Clamp255(int v) { return v < 0 ? 0 : (v > 255 ? 255 : v); }

FontEntry* CurrentFont() {
  TextState& s = State();
  if (!s.selected) SelectDefaultGdiFont(false);
  return s.selected;
}

// Panels measure the same texts at every frame to lay out their veils and columns; shaping a
// line costs far more than finding its width again.
bool LineWidth(plat::FontHandle font, const std::string& cp1252, int& width) {
  static std::unordered_map<std::string, int> known;
  std::string key(reinterpret_cast<const char*>(&font), sizeof font);
  key += cp1252;
  if (auto found = known.find(key); found != known.end()) {
    width = found->second;
    return true;
  }
  if (!plat::MeasureTextWidth(font, plat::Cp1252ToUtf8(cp1252), width)) return false;
  if (known.size() >= 8192) known.clear();
  known.emplace(std::move(key), width);
  return true;
}

// Breaks text (drawn as it stands, "&" and all) into lines no wider than `width` where blanks allow.
std::vector<std::string> BreakLines(plat::FontHandle font, const std::string& text, int width) {
  std::vector<std::string> lines;
  if (text.empty()) return lines;
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = start;
    while (end < text.size() && text[end] != '\r' && text[end] != '\n') ++end;
    const std::string para = text.substr(start, end - start);
    // A paragraph fills lines greedily; the blanks at a break are dropped.
    if (para.empty()) {
      lines.emplace_back();
    } else {
      size_t pos = 0;
      while (pos < para.size()) {
        size_t lineEnd = pos;
        size_t i = pos;
        while (true) {
          size_t j = i;
          while (j < para.size() && para[j] == ' ') ++j;
          size_t k = j;
          while (k < para.size() && para[k] != ' ') ++k;
          if (k == j) break;  // only blanks remain
          if (lineEnd != pos) {
            int w = 0;
            if (!LineWidth(font, para.substr(pos, k - pos), w) || w > width) break;
          }
          // The first word of a line always stays on it, even when it is too wide.
          lineEnd = k;
          i = k;
        }
        if (lineEnd == pos) break;  // nothing but blanks left in the paragraph
        lines.push_back(para.substr(pos, lineEnd - pos));
        pos = lineEnd;
        while (pos < para.size() && para[pos] == ' ') ++pos;
      }
    }
    if (end >= text.size()) break;
    // CR LF is one break; a break at the very end starts no further line.
    end += (text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n') ? 2 : 1;
    if (end >= text.size()) break;
    start = end;
  }
  return lines;
}

void EvictIdle() {
  TextState& s = State();
  const long now = D3DEngine::Instance().GetFramesPresented();
  plat::RenderDevice* device = D3DEngine::Instance().GetDevice();
  while (!s.lru.empty() &&
         (s.lru.size() > kMaxCachedTexts || s.lru.back().lastFrame + kMaxIdleFrames < now)) {
    if (device) device->DestroyTexture(s.lru.back().texture);
    s.index.erase(s.lru.back().key);
    s.lru.pop_back();
  }
}

// Puts a rendered (or failed) text at the front of the cache.
const CachedText* Keep(CachedText entry) {
  TextState& s = State();
  const std::string key = entry.key;
  s.lru.push_front(std::move(entry));
  s.index[key] = s.lru.begin();
  const CachedText* result = &s.lru.front();
  if (s.lru.size() > kMaxCachedTexts) {
    // Never evict the entry just made: it is at the front, eviction takes from the back.
    EvictIdle();
  }
  return result;
}

// The text rendered before under this key, marked as used now; null when there is none.
const CachedText* FindRendered(const std::string& key) {
  TextState& s = State();
  auto found = s.index.find(key);
  if (found == s.index.end()) return nullptr;
  found->second->lastFrame = D3DEngine::Instance().GetFramesPresented();
  s.lru.splice(s.lru.begin(), s.lru, found->second);
  return &*found->second;
}

// Renders lines of text (Windows-1252) in the current colour into a texture kept under `key`,
// line i at i x lineAdvance, cut to clipWidth x clipHeight when those are positive. The colour
// is in the texels rather than tinted at every draw: SDL's software renderer copies a tinted
// texture several times slower.
const CachedText* RenderText(FontEntry& font, const std::string& key,
                             const std::vector<std::string>& lines, int lineAdvance,
                             int clipWidth, int clipHeight) {
  TextState& s = State();
  D3DEngine& engine = D3DEngine::Instance();
  const long now = engine.GetFramesPresented();
  plat::RenderDevice* device = engine.GetDevice();
  if (!device) return nullptr;

  struct Mask {
    std::vector<uint8_t> px;
    int w = 0, h = 0, top = 0;
  };
  CachedText entry;
  entry.key = key;
  entry.lines = static_cast<int>(lines.size());
  entry.lastFrame = now;
  // A text the font or the renderer cannot draw is kept as one that draws nothing, so it is
  // neither tried nor logged again every frame; the cache empties with the renderer's
  // textures, and the text is tried once more after that.
  auto failed = [&entry](const std::string& error) {
    DebugLog::Instance().Write("RenderText failed: " + error);
    return Keep(std::move(entry));
  };
  std::vector<Mask> masks(lines.size());
  int width = 0, first = 0, last = 0;  // rows first..last (exclusive) relative to y
  bool any = false;
  for (size_t i = 0; i < lines.size(); ++i) {
    std::string error;
    Mask& m = masks[i];
    if (!plat::RenderTextMask(font.font, plat::Cp1252ToUtf8(lines[i]), m.px, m.w, m.h, m.top,
                              error))
      return failed(error);
    m.top += static_cast<int>(i) * lineAdvance;
    if (m.w == 0) continue;
    width = std::max(width, m.w);
    first = any ? std::min(first, m.top) : m.top;
    last = any ? std::max(last, m.top + m.h) : m.top + m.h;
    any = true;
  }
  // Wrapped text is clipped to its box: nothing above y, nothing past the clip depth.
  if (clipWidth > 0) width = std::min(width, clipWidth);
  if (clipHeight > 0) {
    first = std::max(first, 0);
    last = std::min(last, clipHeight);
  }
  const int height = any ? last - first : 0;

  if (width > 0 && height > 0) {
    const uint32_t rgb = static_cast<uint32_t>(s.r) << 16 | static_cast<uint32_t>(s.g) << 8 |
                         static_cast<uint32_t>(s.b);
    std::vector<uint32_t> argb(static_cast<size_t>(width) * static_cast<size_t>(height), rgb);
    for (const Mask& m : masks) {
      for (int y = 0; y < m.h; ++y) {
        const int row = m.top + y - first;
        if (row < 0 || row >= height) continue;
        const uint8_t* src = m.px.data() + static_cast<size_t>(y) * static_cast<size_t>(m.w);
        uint32_t* dst = argb.data() + static_cast<size_t>(row) * static_cast<size_t>(width);
        const int w = std::min(m.w, width);
        for (int x = 0; x < w; ++x) {
          const uint32_t a = std::max<uint32_t>(src[x], dst[x] >> 24);
          dst[x] = (a << 24) | rgb;
        }
      }
    }
    std::string error;
    entry.texture = device->CreateTexture(width, height, argb.data(), error);
    if (!entry.texture) return failed(error);
    entry.width = width;
    entry.height = height;
    entry.offsetY = first;
  }
  ++s.renders;
  return Keep(std::move(entry));
}

void DrawCached(const CachedText& text, const std::string& shown, float x, float y) {
  if (!text.texture) return;
  D3DEngine& engine = D3DEngine::Instance();
  plat::RenderDevice* device = engine.GetDevice();
  if (!device) return;
  TextState& s = State();
  const uint32_t argb = 0xFFFFFFFFu;  // the colour is in the texture
  // GDI placed text on whole pixels.
  const auto left = static_cast<float>(static_cast<int>(x));
  const auto top = static_cast<float>(static_cast<int>(y) + text.offsetY);
  const auto right = left + static_cast<float>(text.width);
  const auto bottom = top + static_cast<float>(text.height);
  if (s.observer)
    s.observer(shown, static_cast<int>(left), static_cast<int>(top), text.width, text.height, s.r,
               s.g, s.b);
  SpriteVertex v[4];
  v[0].x = left, v[0].y = top, v[0].tu = 0.0f, v[0].tv = 0.0f;
  v[1].x = right, v[1].y = top, v[1].tu = 1.0f, v[1].tv = 0.0f;
  v[2].x = left, v[2].y = bottom, v[2].tu = 0.0f, v[2].tv = 1.0f;
  v[3].x = right, v[3].y = bottom, v[3].tu = 1.0f, v[3].tv = 1.0f;
  for (SpriteVertex& vertex : v) vertex.diffuse = vertex.specular = argb;
  // Bound through the renderer, which then forgets the name it last bound.
  engine.SetTexture(0, text.texture);
  // Through the renderer, so text drawn into a cached picture is kept with it.
  if (!engine.DrawPrimitive(plat::PrimitiveType::TriangleStrip, v, 4))
    DebugLog::Instance().Write("RenderText failed");
}

// A text is rendered once per font, box width and colour.
std::string CacheKey(const FontEntry& font, int wrapWidth, const std::string& text) {
  const TextState& s = State();
  std::string key = std::to_string(reinterpret_cast<uintptr_t>(font.font));
  key += '|';
  key += std::to_string(s.r << 16 | s.g << 8 | s.b);
  key += '|';
  key += std::to_string(wrapWidth);
  key += '|';
  key += text;
  return key;
}

void AppendItem(std::vector<std::unique_ptr<GdiTextItem>>& list, float x, float y,
                const std::string& text, const char* fontName, int fontSize, float width,
                int alignment, bool italic, int r, int g, int b) {
  list.push_back(
      GdiTextItem::Make(x, y, text, fontName, fontSize, width, alignment, italic, r, g, b));
}

}  // namespace

// --- The frame queue ---

void QueueText(float x, float y, const char* text, const char* fontName, int fontSize,
               float width, int alignment, int r, int g, int b) {
  QueueTextItem(x, y, text ? text : "", fontName, fontSize, width, alignment, false, r, g, b);
}

void QueueTextString(float x, float y, const std::string& text, const char* fontName,
                     int fontSize, float width, int alignment, int r, int g, int b) {
  QueueTextItem(x, y, text, fontName, fontSize, width, alignment, false, r, g, b);
}

void QueueItalicTextString(float x, float y, const std::string& text, const char* fontName,
                           int fontSize, float width, int alignment, int r, int g, int b) {
  QueueTextItem(x, y, text, fontName, fontSize, width, alignment, true, r, g, b);
}

void QueueTextItem(float x, float y, const std::string& text, const char* fontName, int fontSize,
                   float width, int alignment, bool italic, int r, int g, int b) {
  AppendItem(State().queue, x, y, text, fontName, fontSize, width, alignment, italic, r, g, b);
}

void FlushGdiText(int budget) {
  TextState& s = State();
  if (s.queue.empty()) return;
  s.charactersDrawn = 0;
  s.budget = budget;
  BeginGdiDrawing();
  // Taken out first: an item's drawing never sees the queue it came from.
  std::vector<std::unique_ptr<GdiTextItem>> items;
  items.swap(s.queue);
  for (auto& item : items) item->Draw();
  items.clear();
  DrawPersistentGdiText();
  EndGdiDrawing();
  // A budget left behind would cut later texts drawn outside a flush (a window's own list).
  s.budget = -1;
}

void SetGdiCharacterBudget(int budget) {
  State().budget = budget;
  State().charactersDrawn = 0;
}

int GetGdiCharacterBudget() { return State().budget; }

size_t QueuedGdiTextCount() { return State().queue.size(); }

// --- The persistent list ---

void AddPersistentGdiText(float x, float y, const std::string& text, const char* fontName,
                          int fontSize, float width, int alignment, int r, int g, int b) {
  State().persistent.AddText(x, y, text, fontName, fontSize, width, alignment, r, g, b);
}

void ClearPersistentGdiText() { State().persistent.Clear(); }

void DrawPersistentGdiText() {
  TextState& s = State();
  if (s.persistent.Size() == 0) return;
  s.persistent.DrawAll(s.r, s.g, s.b);
}

// --- Text drawing ---

void BeginGdiDrawing() {
  if (g_inScene) D3DEngine::Instance().EndScene();
  GetBackBufferDC();
}

void EndGdiDrawing() {
  ReleaseBackBufferDC();
  EvictIdle();
  D3DEngine::Instance().BeginRender();
}

void GetBackBufferDC() {
  TextState& s = State();
  RenderStats::Instance().Add(RenderStats::kGdiLocks, 1.0f);
  s.held = true;
  s.r = s.g = s.b = 255;
  s.colourKnown = true;
}

void ReleaseBackBufferDC() {
  TextState& s = State();
  s.held = false;
  s.selected = nullptr;
  s.colourKnown = false;
  D3DEngine::Instance().SetTexture(0, nullptr);
}

bool IsBackBufferDCHeld() { return State().held; }

void SelectGdiFont(const std::string& faceName, int height, bool italic) {
  TextState& s = State();
  const std::string name = faceName.substr(0, std::min(faceName.size(), kMaxFaceName));
  if (height <= 0) height = kDefaultHeight;  // SDL_ttf cannot open a size of 0
  FontEntry* cur = s.selected;
  if (cur && cur->height == height && cur->italic == italic && cur->name == name) return;
  for (auto& entry : s.fonts) {
    if (entry->height == height && entry->italic == italic && entry->name == name) {
      s.selected = entry.get();
      return;
    }
  }
  auto entry = std::make_unique<FontEntry>();
  entry->name = name;
  entry->height = height;
  entry->italic = italic;
  entry->face = plat::ResolveFontFace(name);
  std::string error;
  entry->font = plat::OpenFontAtCellHeight(entry->face, height, italic, error);
  if (!entry->font) DebugLog::Instance().Write("CreateFont failed: " + name + " " + error);
  s.selected = entry.get();
  s.fonts.push_back(std::move(entry));
}

void SetDefaultGdiFont(const std::string& faceName, int height) {
  State().defaultName = faceName;
  State().defaultSize = height;
}

void SelectDefaultGdiFont(bool italic) {
  SelectGdiFont(State().defaultName, State().defaultSize, italic);
}

void SetGdiTextColour(int r, int g, int b) {
  TextState& s = State();
  r = Clamp255(r), g = Clamp255(g), b = Clamp255(b);
  if (s.colourKnown && s.r == r && s.g == g && s.b == b) return;
  s.r = r, s.g = g, s.b = b;
  s.colourKnown = true;
}

int DrawGdiText(float x, float y, const char* text, float width) {
  return DrawGdiTextString(x, y, text ? std::string(text) : std::string(), width);
}

int DrawGdiTextString(float x, float y, const std::string& text, float width) {
  TextState& s = State();
  FontEntry* font = CurrentFont();
  if (!font || !font->font) {
    DebugLog::Instance().Write(width == 0.0f ? "RenderText failed: no font"
                                             : "DrawText failed: no font");
    return 0;
  }
  const int boxWidth = static_cast<int>(x + width) - static_cast<int>(x);
  if (width == 0.0f) {
    // One line, literal, unclipped; not counted against the budget.
    if (text.empty()) return font->height;
    const std::string key = CacheKey(*font, 0, text);
    const CachedText* t = FindRendered(key);
    if (!t) t = RenderText(*font, key, {text}, font->height, 0, 0);
    if (t) DrawCached(*t, text, x, y);
    return font->height;
  }
  // The budget counts what was asked for, and cuts a copy: the caller's text stays whole.
  std::string shown = text;
  const int length = static_cast<int>(text.size());
  s.charactersDrawn += length;
  if (s.budget != -1 && s.charactersDrawn > s.budget) {
    const int keep = s.budget - (s.charactersDrawn - length);
    if (keep <= 0) return 0;
    shown.resize(static_cast<size_t>(keep));
  }
  // Text drawn before keeps its texture and its line count: it is not broken again.
  const std::string key = CacheKey(*font, boxWidth, shown);
  if (boxWidth > 0) {
    if (const CachedText* t = FindRendered(key)) {
      DrawCached(*t, shown, x, y);
      return t->lines * font->height;
    }
  }
  const std::vector<std::string> lines = BreakLines(font->font, shown, boxWidth);
  const int height = static_cast<int>(lines.size()) * font->height;
  if (height == 0) return 0;
  if (boxWidth > 0) {
    const CachedText* t =
        RenderText(*font, key, lines, font->height, boxWidth, kClipDepth);
    if (t) DrawCached(*t, shown, x, y);
  }
  return height;
}

int DrawGdiTextShadowed(float x, float y, const std::string& text, float width) {
  TextState& s = State();
  const int r = s.r, g = s.g, b = s.b;
  SetGdiTextColour(0, 0, 0);
  DrawGdiTextString(x + 2.0f, y + 2.0f, text, width);
  SetGdiTextColour(r, g, b);
  return DrawGdiTextString(x, y, text, width);
}

float MeasureGdiTextWidth(const char* text) {
  return MeasureGdiTextWidth(text ? std::string(text) : std::string());
}

float MeasureGdiTextWidth(const std::string& text) {
  FontEntry* font = CurrentFont();
  int w = 0;
  if (!font || !font->font || !LineWidth(font->font, text, w)) return 0.0f;
  return static_cast<float>(w);
}

int MeasureGdiTextHeight(const std::string& text, int width) {
  return static_cast<int>(WrapGdiText(text, static_cast<float>(width)).size()) *
         (CurrentFont() ? CurrentFont()->height : 0);
}

std::vector<std::string> WrapGdiText(const std::string& text, float width) {
  FontEntry* font = CurrentFont();
  if (!font || !font->font) return {};
  return BreakLines(font->font, text, static_cast<int>(width));
}

// --- Resources ---

void ReleaseGdiTextTextures() {
  TextState& s = State();
  plat::RenderDevice* device = D3DEngine::Instance().GetDevice();
  for (CachedText& t : s.lru)
    if (device) device->DestroyTexture(t.texture);
  s.lru.clear();
  s.index.clear();
}

void ResetGdiTextState() {
  TextState& s = State();
  s.queue.clear();
  s.persistent.Clear();
  s.held = false;
  s.selected = nullptr;
  s.fonts.clear();
  s.defaultName.clear();
  s.defaultSize = 0;
  s.r = s.g = s.b = 255;
  s.colourKnown = true;
  s.budget = -1;
  s.charactersDrawn = 0;
  s.observer = nullptr;
  ReleaseGdiTextTextures();
}

size_t GdiTextCacheSize() { return State().lru.size(); }

long GdiTextRenderCount() { return State().renders; }

size_t GdiFontCacheSize() { return State().fonts.size(); }

void SetGdiTextDrawObserver(GdiTextDrawObserver observer) {
  State().observer = std::move(observer);
}

std::string SelectedGdiFontFile() {
  const FontEntry* f = State().selected;
  return f ? f->face.file : std::string();
}

int SelectedGdiFontHeight() {
  const FontEntry* f = State().selected;
  return f ? f->height : 0;
}
