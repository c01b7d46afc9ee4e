// Fonts on fontconfig and SDL2_ttf.
#include "platform/Fonts.h"

#include <SDL.h>
#include <SDL_ttf.h>
#include <fontconfig/fontconfig.h>
#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <set>
#include <tuple>

namespace plat {

struct FontFace {
  TTF_Font* font = nullptr;
  int cellHeight = 0;  // the height asked for: the line advance
  int emPixels = 0;    // the size the face was opened at
  int cellAscent = 0;  // cell top to baseline, as GDI places it
};

namespace {

// The folder where Debian's fonts-wine puts its metric-compatible Tahoma; fontconfig does not
// index it, so the game adds it for itself.
constexpr const char* kWineFontFolder = "/usr/share/wine/fonts";
// Fonts the game may ship beside its data.
constexpr const char* kGameFontFolder = "data/fonts";
constexpr const char* kFallbackFamily = "DejaVu Sans";
constexpr const char* kDefaultFamily = "tahoma";
// Size at which a face is measured to find the point size giving a wanted cell height.
constexpr int kReferencePoints = 100;

std::string Lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) ++b;
  while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) --e;
  return s.substr(b, e - b);
}

bool IsFolder(const char* path) {
  struct stat st{};
  return stat(path, &st) == 0 && S_ISDIR(st.st_mode);
}

// The caches below live until the process ends (never destroyed: faces stay open for the
// whole run, and nothing may close them after the font library is gone).
std::set<std::string>& AddedFolders() {
  static auto* folders = new std::set<std::string>;
  return *folders;
}

// Fontconfig keeps its parsed configuration until FcFini; handing it back at exit keeps leak
// checkers quiet. Nothing of fontconfig's is held past a lookup.
void StartFontConfig() {
  static bool started = false;
  if (started) return;
  started = true;
  FcInit();
  std::atexit([] { FcFini(); });
}

void EnsureFontConfig() {
  static bool ready = false;
  if (ready) return;
  ready = true;
  StartFontConfig();
  AddApplicationFontFolder(kWineFontFolder);
  AddApplicationFontFolder(kGameFontFolder);
}

// Faces that have no Linux counterpart of the same name, and the families tried for them in
// order before fontconfig's own nearest choice.
std::vector<std::string> Substitutes(const std::string& family) {
  if (family == "wee bairn") return {"Comic Neue", "DKG Handwriting", "Comic Neue Angular"};
  return {};
}

struct Match {
  std::string file;
  std::vector<std::string> families;  // lower-cased
  int weight = FC_WEIGHT_REGULAR;
  bool scalable = false;
};

bool FcMatchFamily(const std::string& family, bool bold, Match& out) {
  FcPattern* pattern = FcPatternCreate();
  if (!pattern) return false;
  FcPatternAddString(pattern, FC_FAMILY, reinterpret_cast<const FcChar8*>(family.c_str()));
  FcPatternAddInteger(pattern, FC_WEIGHT, bold ? FC_WEIGHT_BOLD : FC_WEIGHT_REGULAR);
  FcPatternAddInteger(pattern, FC_SLANT, FC_SLANT_ROMAN);
  FcPatternAddBool(pattern, FC_SCALABLE, FcTrue);
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  FcPatternDestroy(pattern);
  if (!match) return false;
  FcChar8* file = nullptr;
  bool ok = FcPatternGetString(match, FC_FILE, 0, &file) == FcResultMatch && file;
  if (ok) {
    out.file = reinterpret_cast<const char*>(file);
    out.families.clear();
    FcChar8* name = nullptr;
    for (int i = 0; FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
      out.families.push_back(Lower(reinterpret_cast<const char*>(name)));
    int weight = FC_WEIGHT_REGULAR;
    if (FcPatternGetInteger(match, FC_WEIGHT, 0, &weight) == FcResultMatch) out.weight = weight;
    FcBool scalable = FcFalse;
    out.scalable =
        FcPatternGetBool(match, FC_SCALABLE, 0, &scalable) == FcResultMatch && scalable;
  }
  FcPatternDestroy(match);
  return ok;
}

bool IsFamily(const Match& m, const std::string& family) {
  const std::string want = Lower(family);
  return std::find(m.families.begin(), m.families.end(), want) != m.families.end();
}

ResolvedFont FromMatch(const Match& m, bool bold) {
  ResolvedFont r;
  r.file = m.file;
  r.family = m.families.empty() ? std::string() : m.families.front();
  r.bold = bold;
  r.synthesiseBold = bold && m.weight < FC_WEIGHT_DEMIBOLD;
  return r;
}

ResolvedFont Resolve(const std::string& faceName) {
  EnsureFontConfig();
  std::string family = Lower(Trim(faceName));
  bool bold = false;
  const std::string boldSuffix = " bold";
  if (family.size() > boldSuffix.size() &&
      family.compare(family.size() - boldSuffix.size(), boldSuffix.size(), boldSuffix) == 0) {
    bold = true;
    family = Trim(family.substr(0, family.size() - boldSuffix.size()));
  }
  if (family.empty()) family = kDefaultFamily;

  Match m;
  if (FcMatchFamily(family, bold, m) && m.scalable && IsFamily(m, family))
    return FromMatch(m, bold);
  for (const std::string& substitute : Substitutes(family)) {
    Match s;
    if (FcMatchFamily(substitute, bold, s) && s.scalable && IsFamily(s, substitute))
      return FromMatch(s, bold);
  }
  // The fixed layouts were made for Tahoma's widths; the stand-in is named, not left to
  // whatever fontconfig prefers today.
  if (family != kDefaultFamily && !m.file.empty() && m.scalable) return FromMatch(m, bold);
  Match fallback;
  if (FcMatchFamily(kFallbackFamily, bold, fallback) && !fallback.file.empty())
    return FromMatch(fallback, bold);
  return FromMatch(m, bold);
}

std::map<std::string, ResolvedFont>& ResolveCache() {
  static auto* cache = new std::map<std::string, ResolvedFont>;
  return *cache;
}

using FaceKey = std::tuple<std::string, int, int>;  // file, cell height, style
std::map<FaceKey, std::unique_ptr<FontFace>>& Faces() {
  static auto* faces = new std::map<FaceKey, std::unique_ptr<FontFace>>;
  return *faces;
}

std::map<std::string, int>& ReferenceHeights() {
  static auto* heights = new std::map<std::string, int>;
  return *heights;
}

// The metrics GDI sizes a font by: units per em and the Windows ascent and descent of the
// OS/2 table (the hhea ones when there is no OS/2 table). False for files that are not a
// single sfnt font.
struct CellMetrics {
  int unitsPerEm = 0;
  int ascent = 0;
  int descent = 0;
};

bool ReadCellMetrics(const std::string& file, CellMetrics& out) {
  FILE* f = std::fopen(file.c_str(), "rb");
  if (!f) return false;
  auto u16 = [f](long at, int& v) {
    unsigned char b[2];
    if (std::fseek(f, at, SEEK_SET) != 0 || std::fread(b, 1, 2, f) != 2) return false;
    v = (b[0] << 8) | b[1];
    return true;
  };
  auto u32 = [f](long at, long& v) {
    unsigned char b[4];
    if (std::fseek(f, at, SEEK_SET) != 0 || std::fread(b, 1, 4, f) != 4) return false;
    v = (static_cast<long>(b[0]) << 24) | (b[1] << 16) | (b[2] << 8) | b[3];
    return true;
  };
  long head = -1, hhea = -1, os2 = -1;
  int tables = 0;
  bool ok = u16(4, tables) && tables > 0 && tables < 512;
  for (int i = 0; ok && i < tables; ++i) {
    char tag[4];
    long offset = 0;
    if (std::fseek(f, 12 + 16L * i, SEEK_SET) != 0 || std::fread(tag, 1, 4, f) != 4 ||
        !u32(12 + 16L * i + 8, offset)) {
      ok = false;
      break;
    }
    if (std::memcmp(tag, "head", 4) == 0) head = offset;
    if (std::memcmp(tag, "hhea", 4) == 0) hhea = offset;
    if (std::memcmp(tag, "OS/2", 4) == 0) os2 = offset;
  }
  int upm = 0, ascent = 0, descent = 0;
  ok = ok && head >= 0 && u16(head + 18, upm) && upm > 0;
  if (ok && os2 >= 0) {
    ok = u16(os2 + 74, ascent) && u16(os2 + 76, descent);
  } else if (ok && hhea >= 0) {
    ok = u16(hhea + 4, ascent) && u16(hhea + 6, descent);
    if (descent >= 0x8000) descent = 0x10000 - descent;  // stored negative
  } else {
    ok = false;
  }
  std::fclose(f);
  if (!ok || ascent + descent <= 0) return false;
  out.unitsPerEm = upm;
  out.ascent = ascent;
  out.descent = descent;
  return true;
}

// The code points of a UTF-8 string (malformed bytes are skipped).
std::vector<uint32_t> CodePoints(const std::string& utf8) {
  std::vector<uint32_t> out;
  for (size_t i = 0; i < utf8.size();) {
    const auto c = static_cast<unsigned char>(utf8[i]);
    const int extra = c < 0x80 ? 0 : (c >> 5) == 6 ? 1 : (c >> 4) == 14 ? 2 : (c >> 3) == 30 ? 3 : -1;
    if (extra < 0 || i + static_cast<size_t>(extra) >= utf8.size()) {
      ++i;
      continue;
    }
    uint32_t cp = extra == 0 ? c : (c & (0x3Fu >> extra));
    for (int k = 1; k <= extra; ++k) cp = (cp << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
    out.push_back(cp);
    i += static_cast<size_t>(extra) + 1;
  }
  return out;
}

bool EnsureTtf(std::string& error) {
  if (TTF_WasInit()) return true;
  if (TTF_Init() != 0) {
    error = TTF_GetError();
    return false;
  }
  return true;
}

}  // namespace

bool AddApplicationFontFolder(const std::string& folder) {
  if (AddedFolders().count(folder)) return true;
  if (!IsFolder(folder.c_str())) return false;
  StartFontConfig();
  if (!FcConfigAppFontAddDir(nullptr, reinterpret_cast<const FcChar8*>(folder.c_str())))
    return false;
  AddedFolders().insert(folder);
  ResolveCache().clear();  // new faces may answer names that fell back before
  return true;
}

ResolvedFont ResolveFontFace(const std::string& faceName) {
  const std::string key = Lower(Trim(faceName));
  auto& cache = ResolveCache();
  auto it = cache.find(key);
  if (it != cache.end()) return it->second;
  ResolvedFont r = Resolve(faceName);
  cache.emplace(key, r);
  return r;
}

FontHandle OpenFontAtCellHeight(const ResolvedFont& face, int cellHeight, bool italic,
                                std::string& error) {
  if (face.file.empty()) {
    error = "no font file";
    return nullptr;
  }
  if (cellHeight <= 0) {
    error = "font height must be positive";
    return nullptr;
  }
  if (!EnsureTtf(error)) return nullptr;

  // A GDI height is the cell (Windows ascent + descent), not the em size: the em in pixels
  // is height x units per em / (ascent + descent), hinted at whole pixels as GDI does.
  CellMetrics metrics;
  double emPixels = 0.0;
  if (ReadCellMetrics(face.file, metrics)) {
    emPixels = static_cast<double>(cellHeight) * metrics.unitsPerEm /
               static_cast<double>(metrics.ascent + metrics.descent);
  } else {
    auto& refs = ReferenceHeights();
    auto ref = refs.find(face.file);
    if (ref == refs.end()) {
      TTF_Font* probe = TTF_OpenFont(face.file.c_str(), kReferencePoints);
      if (!probe) {
        error = TTF_GetError();
        return nullptr;
      }
      ref = refs.emplace(face.file, TTF_FontHeight(probe)).first;
      TTF_CloseFont(probe);
    }
    if (ref->second <= 0) {
      error = "font has no height";
      return nullptr;
    }
    emPixels = static_cast<double>(kReferencePoints) * cellHeight / ref->second;
  }
  const int points = std::max(1, static_cast<int>(std::lround(emPixels)));
  const int style = (italic ? TTF_STYLE_ITALIC : 0) | (face.synthesiseBold ? TTF_STYLE_BOLD : 0);
  const FaceKey key{face.file, cellHeight, style};
  auto& faces = Faces();
  auto found = faces.find(key);
  if (found != faces.end()) return found->second.get();

  TTF_Font* font = TTF_OpenFont(face.file.c_str(), points);
  if (!font) {
    error = TTF_GetError();
    return nullptr;
  }
  TTF_SetFontKerning(font, 0);  // GDI's text output applies no kerning
  TTF_SetFontStyle(font, style);
  TTF_SetFontHinting(font, TTF_HINTING_NORMAL);
  auto handle = std::make_unique<FontFace>();
  handle->font = font;
  handle->cellHeight = cellHeight;
  handle->emPixels = points;
  handle->cellAscent =
      metrics.unitsPerEm > 0
          ? static_cast<int>(std::lround(static_cast<double>(metrics.ascent) * points /
                                         metrics.unitsPerEm))
          : TTF_FontAscent(font);
  FontFace* raw = handle.get();
  faces.emplace(key, std::move(handle));
  return raw;
}

int OpenedFontCount() { return static_cast<int>(Faces().size()); }

int FontLineHeight(FontHandle font) { return font ? font->cellHeight : 0; }

int FontEmPixels(FontHandle font) { return font ? font->emPixels : 0; }

int FontCellAscent(FontHandle font) { return font ? font->cellAscent : 0; }

bool MeasureTextWidth(FontHandle font, const std::string& utf8, int& width) {
  width = 0;
  if (!font) return false;
  if (utf8.empty()) return true;
  int w = 0, h = 0;
  if (TTF_SizeUTF8(font->font, utf8.c_str(), &w, &h) != 0) return false;
  width = w;
  return true;
}

bool RenderTextMask(FontHandle font, const std::string& utf8, std::vector<uint8_t>& mask,
                    int& width, int& height, int& top, std::string& error) {
  mask.clear();
  width = 0;
  height = 0;
  top = 0;
  if (!font) {
    error = "no font";
    return false;
  }
  if (utf8.empty()) return true;
  SDL_Surface* surface = TTF_RenderUTF8_Blended(font->font, utf8.c_str(), SDL_Color{255, 255, 255, 255});
  if (!surface) {
    error = TTF_GetError();
    return false;
  }
  SDL_Surface* argb = surface;
  if (surface->format->format != SDL_PIXELFORMAT_ARGB8888) {
    argb = SDL_ConvertSurfaceFormat(surface, SDL_PIXELFORMAT_ARGB8888, 0);
    SDL_FreeSurface(surface);
    if (!argb) {
      error = SDL_GetError();
      return false;
    }
  }
  width = argb->w;
  height = argb->h;
  // SDL_ttf puts its baseline at its own ascent, and adds rows above when a glyph reaches
  // higher than that; the cell puts it at the Windows ascent.
  int highest = 0;
  for (uint32_t cp : CodePoints(utf8)) {
    int minx = 0, maxx = 0, miny = 0, maxy = 0, advance = 0;
    if (TTF_GlyphMetrics32(font->font, cp, &minx, &maxx, &miny, &maxy, &advance) == 0)
      highest = std::max(highest, maxy);
  }
  const int baseline = std::max(0, highest - TTF_FontAscent(font->font)) + TTF_FontAscent(font->font);
  top = font->cellAscent - baseline;
  mask.resize(static_cast<size_t>(width) * static_cast<size_t>(height));
  SDL_LockSurface(argb);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(argb->pixels) +
                                                        static_cast<ptrdiff_t>(y) * argb->pitch);
    uint8_t* out = mask.data() + static_cast<size_t>(y) * static_cast<size_t>(width);
    for (int x = 0; x < width; ++x) out[x] = static_cast<uint8_t>(row[x] >> 24);
  }
  SDL_UnlockSurface(argb);
  SDL_FreeSurface(argb);
  return true;
}

}  // namespace plat
