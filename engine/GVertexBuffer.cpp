// Batched quads.
#include "engine/GVertexBuffer.h"

#include <algorithm>

#include "engine/DebugLog.h"

namespace {
std::vector<GVertexBuffer*>& Registry() {
  static std::vector<GVertexBuffer*> buffers;
  return buffers;
}
}  // namespace

const std::vector<GVertexBuffer*>& GVertexBuffer::All() { return Registry(); }

GVertexBuffer::~GVertexBuffer() {
  // A listed buffer that outlived its entry would be re-created after being freed.
  auto& list = Registry();
  list.erase(std::remove(list.begin(), list.end(), this), list.end());
}

bool GVertexBuffer::Create(int capacity, bool noIndices) {
  capacity_ = capacity;
  noIndices_ = noIndices;
  const bool ok = CreateDeviceBuffer();
  if (!listed_) {
    Registry().push_back(this);
    listed_ = true;
  }
  return ok;
}

bool GVertexBuffer::CreateDeviceBuffer() {
  count = 0;
  if (!D3DEngine::Instance().CreateVertexBuffer(capacity_, vertices_)) return false;
  indices_.clear();
  if (!noIndices_) {
    // Indices are 16-bit: quads whose corners would not fit are left out.
    const int quads = std::min(capacity_, 65536) / 4;
    indices_.reserve(static_cast<size_t>(quads) * 6);
    for (int q = 0; q < quads; ++q) {
      const auto base = static_cast<uint16_t>(q * 4);
      for (uint16_t i : {0, 1, 2, 2, 1, 3}) indices_.push_back(static_cast<uint16_t>(base + i));
    }
  }
  return true;
}

SpriteVertex* GVertexBuffer::Lock() {
  if (vertices_.empty()) {
    DebugLog::Instance().Write("Vertex buffer lock failed");
    D3DEngine::Instance().ReportError(D3DEngine::kErrDevice, "Error locking VB");
    return nullptr;
  }
  return vertices_.data();
}

bool GVertexBuffer::Draw(int n) {
  n = std::min(n, static_cast<int>(vertices_.size()));
  if (n <= 0) return true;
  return D3DEngine::Instance().DrawPrimitive(plat::PrimitiveType::TriangleList, vertices_.data(),
                                             n);
}

bool GVertexBuffer::DrawIndexed() {
  const int quads = std::min(count, static_cast<int>(vertices_.size())) / 4;
  if (quads <= 0 || noIndices_) return true;
  expanded_.clear();
  const size_t used = std::min(indices_.size(), static_cast<size_t>(quads) * 6);
  for (size_t i = 0; i < used; ++i) expanded_.push_back(vertices_[indices_[i]]);
  return D3DEngine::Instance().DrawPrimitive(plat::PrimitiveType::TriangleList, expanded_.data(),
                                             static_cast<int>(expanded_.size()));
}

void RecreateVertexBuffers() {
  for (GVertexBuffer* buffer : Registry()) buffer->CreateDeviceBuffer();
}
