// Batched quads: the quad index list, the global list of buffers and its re-creation after a
// display loss, indexed drawing, and a lock without a buffer.
#include "engine/GVertexBuffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "RenderFixture.h"

namespace {

using rendertest::RenderTest;

bool Listed(const GVertexBuffer* b) {
  const auto& all = GVertexBuffer::All();
  return std::find(all.begin(), all.end(), b) != all.end();
}

TEST_F(RenderTest, VertexBuffersIndexQuadsAndLeaveTheListWhenDestroyed) {
  auto buffer = std::make_unique<GVertexBuffer>();
  ASSERT_TRUE(buffer->Create(12, false));
  EXPECT_TRUE(Listed(buffer.get()));
  EXPECT_EQ(buffer->Indices(), (std::vector<uint16_t>{0, 1, 2, 2, 1, 3, 4, 5, 6, 6, 5, 7, 8, 9,
                                                      10, 10, 9, 11}));
  GVertexBuffer plain;
  ASSERT_TRUE(plain.Create(6, true));
  EXPECT_TRUE(plain.Indices().empty());

  // Two quads (a red one and a green one) drawn through the index list.
  SpriteVertex* v = buffer->Lock();
  ASSERT_NE(v, nullptr);
  auto quad = [v](int q, float l, float t, float r, float b, uint32_t argb) {
    const float xs[4] = {l, r, l, r}, ys[4] = {t, t, b, b};
    for (int i = 0; i < 4; ++i) {
      v[q * 4 + i].x = xs[i];
      v[q * 4 + i].y = ys[i];
      v[q * 4 + i].diffuse = argb;
    }
  };
  quad(0, 2, 2, 12, 12, 0xFFFF0000u);
  quad(1, 20, 2, 30, 12, 0xFF00FF00u);
  buffer->count = 8;
  buffer->Unlock();
  engine.BeginRender();
  engine.SetTexture(0, nullptr);
  EXPECT_TRUE(buffer->DrawIndexed());
  EXPECT_EQ(Pixel(6, 6), 0xFFFF0000u);
  EXPECT_EQ(Pixel(25, 6), 0xFF00FF00u);
  EXPECT_EQ(Pixel(16, 6), 0xFF000000u);

  // Restoring after a loss makes every listed buffer again (empty); a destroyed one is gone
  // from the list, so the restore never touches it.
  GVertexBuffer* raw = buffer.get();
  buffer.reset();
  EXPECT_FALSE(Listed(raw));
  plain.count = 5;
  engine.RestoreSurfaces();
  EXPECT_EQ(plain.count, 0);
  EXPECT_TRUE(Listed(&plain));
}

TEST_F(RenderTest, LockingABufferThatWasNeverMadeIsReported) {
  GVertexBuffer none;
  EXPECT_EQ(none.Lock(), nullptr);
  EXPECT_EQ(CountInLog("Error locking VB"), 1);
  EXPECT_EQ(boxes.size(), 1u);
  GVertexBuffer zero;
  EXPECT_FALSE(zero.Create(0, false));
  EXPECT_TRUE(Listed(&zero));  // listed all the same: a later restore may succeed
}

}  // namespace
