// A batch of screen quads drawn in one call. Buffers made with Create are listed globally so
// the renderer can re-create them after the display was lost (RecreateVertexBuffers).
#pragma once

#include <cstdint>
#include <vector>

#include "engine/D3DEngine.h"

class GVertexBuffer {
 public:
  static constexpr int kLocalVertices = 750;

  GVertexBuffer() = default;
  virtual ~GVertexBuffer();
  GVertexBuffer(const GVertexBuffer&) = delete;
  GVertexBuffer& operator=(const GVertexBuffer&) = delete;

  // Stores the capacity (vertices) and the no-indices flag, makes the device buffer and lists
  // the buffer. False when the device buffer could not be made.
  bool Create(int capacity, bool noIndices);
  // (Re)makes the device buffer: count 0; unless there are no indices, the index list is
  // filled for quads (0, 1, 2, 2, 1, 3 per quad of top-left, top-right, bottom-left,
  // bottom-right).
  bool CreateDeviceBuffer();
  // The vertices to write (capacity of them), or null with "Error locking VB" reported.
  SpriteVertex* Lock();
  void Unlock() {}
  // A triangle list of the first n vertices.
  bool Draw(int n);
  // Triangle list through the index list, for the first `count` vertices (whole quads).
  bool DrawIndexed();

  int count = 0;  // vertices in use
  int Capacity() const { return capacity_; }
  bool HasIndices() const { return !noIndices_; }
  const std::vector<uint16_t>& Indices() const { return indices_; }
  static const std::vector<GVertexBuffer*>& All();

 private:
  int capacity_ = 0;
  bool noIndices_ = false;
  bool listed_ = false;
  std::vector<SpriteVertex> vertices_;
  std::vector<uint16_t> indices_;
  std::vector<SpriteVertex> expanded_;  // reused by DrawIndexed
};

// Re-creates the device buffer of every listed vertex buffer.
void RecreateVertexBuffers();
