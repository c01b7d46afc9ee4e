#include "engine/CTexturedSprite.h"

#include <algorithm>
#include <vector>

#include "engine/DebugLog.h"

namespace {
std::vector<CTexturedSprite*>& Registry() {
  static std::vector<CTexturedSprite*> list;
  return list;
}
}  // namespace

CTexturedSprite::CTexturedSprite() { Registry().push_back(this); }

CTexturedSprite::CTexturedSprite(const CTexturedSprite& other)
    : BaseSprite(other), texture_(other.texture_), textureName_(other.textureName_) {
  Registry().push_back(this);
}

CTexturedSprite& CTexturedSprite::operator=(const CTexturedSprite& other) {
  BaseSprite::operator=(other);
  texture_ = other.texture_;
  textureName_ = other.textureName_;
  return *this;
}

CTexturedSprite::~CTexturedSprite() {
  auto& list = Registry();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

size_t CTexturedSprite::Count() { return Registry().size(); }

void CTexturedSprite::SetTexture(const char* fileName) {
  const std::string name = std::string(fileName ? fileName : "").substr(0, kMaxName);
  if (name == textureName_) return;
  texture_ = D3DEngine::Instance().GetTexture(name.c_str());
  textureName_ = name;
}

void CTexturedSprite::SetTextureString(const std::string& fileName) {
  const std::string name = fileName.substr(0, kMaxName);
  if (name == textureName_ && texture_) return;
  texture_ = D3DEngine::Instance().GetTexture(name.c_str());
  textureName_ = name;
}

void CTexturedSprite::Draw() {
  D3DEngine& engine = D3DEngine::Instance();
  if (!texture_) {
    DebugLog::Instance().Write("Rebuilding lost textured sprite pointer");
    if (!textureName_.empty()) texture_ = engine.GetTexture(textureName_.c_str());
  }
  if (!g_inScene) engine.BeginRender();
  engine.SetTexture(0, texture_);
  DrawQuad();
}

void ClearTexturedSpritePointers() {
  DebugLog::Instance().Write("Clearing textured sprites");
  for (CTexturedSprite* sprite : Registry()) sprite->texture_ = nullptr;
}
