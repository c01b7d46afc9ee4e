#include "engine/LibTextChunkList.h"

#include "engine/LibTextRenderer.h"

LibTextChunkList::~LibTextChunkList() {
  // A renderer must not go on recording into a list that is gone.
  if (recorder_) recorder_->EndRecording();
}

void LibTextChunkList::Add(std::unique_ptr<LibTextChunk> chunk) {
  if (chunk) chunks_.push_back(std::move(chunk));
}

void LibTextChunkList::Draw(LibTextRenderer& renderer) const {
  LibTextChunkList* const self = const_cast<LibTextChunkList*>(this);
  const bool paused = renderer.Recording() == self;
  if (paused) renderer.EndRecording();
  for (const auto& chunk : chunks_) chunk->Draw(renderer);
  if (paused) renderer.BeginRecording(self);
}

void LibTextChunkList::Clear() { chunks_.clear(); }
