// Laid-out bitmap-font text recorded for later: while a list is being recorded, every string
// given to its renderer's AddString becomes a chunk of the list instead of being drawn. The list
// owns its chunks; deleting it deletes them (and ends a recording into it).
#pragma once

#include <memory>
#include <vector>

#include "engine/LibTextChunk.h"

class LibTextRenderer;

class LibTextChunkList {
 public:
  LibTextChunkList() = default;
  virtual ~LibTextChunkList();
  LibTextChunkList(const LibTextChunkList&) = delete;
  LibTextChunkList& operator=(const LibTextChunkList&) = delete;

  void Add(std::unique_ptr<LibTextChunk> chunk);
  // Adds every chunk to the renderer's batch in order (or records copies into another list
  // being recorded). A recording into this list is paused meanwhile, so drawing the list never
  // records it into itself.
  void Draw(LibTextRenderer& renderer) const;
  void Clear();
  size_t Size() const { return chunks_.size(); }
  const LibTextChunk& At(size_t i) const { return *chunks_[i]; }

 private:
  friend class LibTextRenderer;
  std::vector<std::unique_ptr<LibTextChunk>> chunks_;
  LibTextRenderer* recorder_ = nullptr;  // the renderer recording into this list, if any
};
