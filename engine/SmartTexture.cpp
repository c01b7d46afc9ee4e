#include "engine/SmartTexture.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<SmartTexture*>& Registry() {
  static std::vector<SmartTexture*> list;
  return list;
}
}  // namespace

SmartTexture::SmartTexture() { Registry().push_back(this); }

SmartTexture::SmartTexture(const SmartTexture& other) : name(other.name), texture(other.texture) {
  Registry().push_back(this);
}

SmartTexture& SmartTexture::operator=(const SmartTexture& other) {
  name = other.name;
  texture = other.texture;
  return *this;
}

SmartTexture::~SmartTexture() {
  auto& list = Registry();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

size_t SmartTexture::Count() { return Registry().size(); }

void SmartTexture::Rebind() {
  texture = name.empty() ? nullptr : D3DEngine::Instance().GetTexture(name.c_str());
}

void SmartTexture::RebindAll() {
  // A copy, so a texture lookup that makes or drops a SmartTexture cannot upset the walk.
  const std::vector<SmartTexture*> list = Registry();
  for (SmartTexture* t : list) t->Rebind();
}

void SmartTexture::Bind() { D3DEngine::Instance().SetTexture(0, texture); }
