#include "engine/LibTextRenderer.h"

#include <cmath>

#include "engine/DebugLog.h"
#include "engine/LibTextChunkList.h"

namespace {

void Log(const std::string& text) { DebugLog::Instance().Write(text); }

}  // namespace

LibTextRenderer& LibTextRenderer::Instance() {
  // Never destroyed: its vertex buffer must not leave the buffer list after that list is gone.
  static LibTextRenderer* renderer = new LibTextRenderer();
  return *renderer;
}

LibTextRenderer::~LibTextRenderer() { EndRecording(); }

bool LibTextRenderer::Init() {
  if (initialised_) return true;
  initialised_ = buffer_.Create(kMaxVertices, false);
  return initialised_;
}

LibFont* LibTextRenderer::LoadFont(const std::string& name, int cellSize) {
  for (const auto& f : fonts_)
    if (f->Name() == name) return f.get();
  Init();
  fonts_.push_back(std::make_unique<LibFont>(name, cellSize));
  fonts_.back()->MeasureGlyphWidths();
  return fonts_.back().get();
}

void LibTextRenderer::SelectFont(const std::string& name) {
  for (const auto& f : fonts_) {
    if (f->Name() != name) continue;
    if (f.get() != font_ && !batch_.empty()) Flush();
    font_ = f.get();
    return;
  }
  Log("missing font: " + name);
}

void LibTextRenderer::SetFont(const std::string& name, int size) {
  if (font_ && font_->Name() == name && size == size_) return;
  SelectFont(name);
  // Pending glyphs were laid out for the old size and are filtered for it.
  if (size != size_ && !batch_.empty()) Flush();
  size_ = size;
}

float LibTextRenderer::DrawSize() const {
  if (size_ > 0) return static_cast<float>(size_);
  return font_ ? static_cast<float>(font_->CellSize()) : 0.0f;
}

unsigned char LibTextRenderer::FoldCharacter(unsigned char c) {
  switch (c) {
    case 0x92: return '\'';
    case 0xC0: case 0xC1: case 0xC4: return 'A';
    case 0xC8: case 0xC9: case 0xCB: return 'E';
    case 0xCC: case 0xCD: case 0xCF: return 'I';
    case 0xD2: case 0xD3: case 0xD6: return 'O';
    case 0xD9: case 0xDA: case 0xDC: return 'U';
    case 0xE0: case 0xE1: case 0xE2: return 'a';
    case 0xEA: return 'e';
    case 0xED: return 'i';
    case 0xF1: return 'n';
    case 0xF2: case 0xF3: case 0xF4: return 'o';
    case 0xF9: case 0xFA: return 'u';
    default: return c;
  }
}

bool LibTextRenderer::RequireFont(const char* message) const {
  if (font_) return true;
  Log(message);
  return false;
}

template <typename GlyphFn>
float LibTextRenderer::Layout(const std::string& text, float x, GlyphFn&& glyph) const {
  const float size = DrawSize();
  const float scale = size / static_cast<float>(font_->CellSize());
  int previous = -1;
  for (char ch : text) {
    const unsigned char c = FoldCharacter(static_cast<unsigned char>(ch));
    if (c == '\t') {
      x = (std::floor(x / kTabStop) + 1.0f) * kTabStop;
      previous = -1;
      continue;
    }
    if (c == ' ') {
      x += size / 4.0f;
      previous = -1;
      continue;
    }
    const int g = LibFont::GlyphOf(c);
    if (g < 0) continue;
    x += font_->Kerning(previous, g) * scale;
    if (!glyph(g, x)) break;
    x += static_cast<float>(font_->Width(g)) * scale;
    previous = g;
  }
  return x;
}

float LibTextRenderer::GlyphWidth(unsigned char c) {
  if (!RequireFont("Text Not Initialised")) return 0.0f;
  c = FoldCharacter(c);
  if (c == ' ') return DrawSize() / 4.0f;
  const int g = LibFont::GlyphOf(c);
  if (g < 0) return 0.0f;
  return static_cast<float>(font_->Width(g)) * DrawSize() / static_cast<float>(font_->CellSize());
}

int LibTextRenderer::MeasureString(const std::string& text) {
  if (!RequireFont("Text Not Initialised")) return 0;
  return static_cast<int>(std::lround(Layout(text, 0.0f, [](int, float) { return true; })));
}

void LibTextRenderer::AddString(float x, float y, const std::string& text, uint32_t argb,
                                float width, int alignment) {
  if (!RequireFont("TextNotInitialised")) return;
  if (recording_) {
    recording_->Add(std::make_unique<LibTextChunk>(text, x, y, argb, width, alignment,
                                                   font_->Name(), size_));
    return;
  }
  int quads = 0;
  Layout(text, 0.0f, [&quads](int, float) {
    ++quads;
    return true;
  });
  if (quads == 0) return;
  if (static_cast<int>(batch_.size()) + quads * 4 > kMaxVertices) Flush();

  if (alignment == kRight || alignment == kCentre) {
    const float spare = width - static_cast<float>(MeasureString(text));
    x += alignment == kRight ? std::round(spare) : std::round(spare / 2.0f);
  }

  const float size = DrawSize();
  const float texW = static_cast<float>(font_->TextureWidth());
  const float texH = static_cast<float>(font_->TextureHeight());
  Layout(text, x, [&](int g, float gx) {
    if (static_cast<int>(batch_.size()) + 4 > kMaxVertices) {
      // A single string of more than 2000 glyphs: the rest cannot be drawn.
      Log("ERROR - Text exceeds max characters");
      return false;
    }
    const LibFont::GlyphRect& r = font_->Rect(g);
    const float u0 = static_cast<float>(r.left) / texW;
    const float u1 = static_cast<float>(r.left + r.width) / texW;
    const float v0 = static_cast<float>(r.top) / texH;
    const float v1 = static_cast<float>(r.top + r.height) / texH;
    // Top-left, top-right, bottom-left, bottom-right: the order of the quad index list.
    const float xs[4] = {gx, gx + size, gx, gx + size};
    const float ys[4] = {y, y, y + size, y + size};
    const float us[4] = {u0, u1, u0, u1};
    const float vs[4] = {v0, v0, v1, v1};
    for (int i = 0; i < 4; ++i) {
      SpriteVertex v;
      v.x = xs[i];
      v.y = ys[i];
      v.diffuse = argb;
      v.tu = us[i];
      v.tv = vs[i];
      batch_.push_back(v);
    }
    return true;
  });
}

void LibTextRenderer::SplitLine(float maxWidth, std::string& text, std::string& line) {
  if (!RequireFont("Text Not Initialised")) {
    // Without a font nothing can be measured; handing the whole text on keeps a caller's
    // line-by-line loop finite.
    line = text;
    text.clear();
    return;
  }
  // The prefix width after each character, from one layout pass.
  std::vector<float> ends(text.size(), 0.0f);
  size_t i = 0;
  float x = 0.0f;
  const float size = DrawSize();
  const float scale = size / static_cast<float>(font_->CellSize());
  int previous = -1;
  for (; i < text.size(); ++i) {
    const unsigned char c = FoldCharacter(static_cast<unsigned char>(text[i]));
    if (c == '\t') {
      x = (std::floor(x / kTabStop) + 1.0f) * kTabStop;
      previous = -1;
    } else if (c == ' ') {
      x += size / 4.0f;
      previous = -1;
    } else if (const int g = LibFont::GlyphOf(c); g >= 0) {
      x += (font_->Kerning(previous, g) + static_cast<float>(font_->Width(g))) * scale;
      previous = g;
    }
    if (static_cast<float>(std::lround(x)) >= maxWidth) break;
  }
  if (i == text.size()) {
    line = text;
    text.clear();
    return;
  }
  const size_t space = text.rfind(' ', i);
  if (space != std::string::npos) {
    line = text.substr(0, space);
    text.erase(0, space + 1);
  } else {
    // One word wider than the line: break inside it, keeping at least one character.
    const size_t cut = i > 0 ? i : 1;
    line = text.substr(0, cut);
    text.erase(0, cut);
  }
}

void LibTextRenderer::Flush() {
  if (!RequireFont("TextNotInitialised")) return;
  if (batch_.empty()) return;
  if (!Init()) {
    batch_.clear();
    return;
  }
  D3DEngine& engine = D3DEngine::Instance();
  engine.BeginRender();
  if (DrawSize() == static_cast<float>(font_->CellSize()))
    engine.SetPointFiltering();
  else
    engine.SetLinearFiltering();
  // The textures may have been released since the last flush: look the font's up again.
  font_->Texture().Rebind();
  font_->Texture().Bind();
  if (SpriteVertex* v = buffer_.Lock()) {
    std::copy(batch_.begin(), batch_.end(), v);
    buffer_.count = static_cast<int>(batch_.size());
    buffer_.Unlock();
    buffer_.DrawIndexed();
  }
  buffer_.count = 0;
  batch_.clear();
}

void LibTextRenderer::BeginRecording(LibTextChunkList* list) {
  EndRecording();
  if (!list) return;
  if (list->recorder_) list->recorder_->EndRecording();
  recording_ = list;
  list->recorder_ = this;
}

void LibTextRenderer::EndRecording() {
  if (recording_) recording_->recorder_ = nullptr;
  recording_ = nullptr;
}
