// The project random generator and the helpers built on it.
#include <gtest/gtest.h>

#include <vector>

#include "engine/Random.h"

namespace {

class RandomTest : public ::testing::Test {
 protected:
  void SetUp() override { saved_ = GetRandomState(); }
  void TearDown() override { SetRandomState(saved_); }
  uint32_t saved_ = 0;
};

TEST_F(RandomTest, DrawsStayInRangeAndCoverIt) {
  SeedRandom(12345);
  int lowest = kRandomMax, highest = 0;
  for (int i = 0; i < 200000; ++i) {
    const int r = RandomInt();
    ASSERT_GE(r, 0);
    ASSERT_LE(r, kRandomMax);
    lowest = std::min(lowest, r);
    highest = std::max(highest, r);
  }
  EXPECT_EQ(lowest, 0);
  EXPECT_EQ(highest, kRandomMax);
}

TEST_F(RandomTest, SameSeedOrStateRepeatsTheSequence) {
  SeedRandom(99);
  std::vector<int> first;
  for (int i = 0; i < 50; ++i) first.push_back(RandomInt());
  SeedRandom(99);
  for (int i = 0; i < 50; ++i) EXPECT_EQ(RandomInt(), first[i]);

  SeedRandom(7);
  RandomInt();
  const uint32_t state = GetRandomState();
  const int a = RandomInt(), b = RandomInt();
  SetRandomState(state);
  EXPECT_EQ(RandomInt(), a);
  EXPECT_EQ(RandomInt(), b);

  SeedRandom(1);
  const int fromOne = RandomInt();
  SeedRandom(2);
  EXPECT_NE(RandomInt(), fromOne);
}

TEST_F(RandomTest, RandomFloatStaysInsideItsRange) {
  SeedRandom(4242);
  float lowest = 1e9f, highest = -1e9f;
  for (int i = 0; i < 100000; ++i) {
    const float v = RandomFloat(15000.0f, 25000.0f);
    ASSERT_GE(v, 15000.0f);
    ASSERT_LE(v, 25000.0f);
    lowest = std::min(lowest, v);
    highest = std::max(highest, v);
  }
  // Spread over the whole range, not squashed into a corner of it.
  EXPECT_LT(lowest, 15100.0f);
  EXPECT_GT(highest, 24900.0f);
}

TEST_F(RandomTest, UnitAndChance) {
  SeedRandom(5);
  int hits = 0;
  for (int i = 0; i < 20000; ++i) {
    const float u = RandomUnit();
    ASSERT_GE(u, 0.0f);
    ASSERT_LE(u, 1.0f);
    EXPECT_FALSE(RandomChance(0.0f));
    EXPECT_FALSE(RandomChance(-1.0f));
    if (RandomChance(0.25f)) ++hits;
  }
  EXPECT_GT(hits, 4000);
  EXPECT_LT(hits, 6000);
  EXPECT_TRUE(RandomChance(1.5f));
}

TEST_F(RandomTest, RandomBelowGivesEveryResidueAndToleratesZero) {
  SeedRandom(3);
  std::vector<int> seen(7, 0);
  for (int i = 0; i < 7000; ++i) {
    const int r = RandomBelow(7);
    ASSERT_GE(r, 0);
    ASSERT_LT(r, 7);
    ++seen[r];
  }
  for (int n : seen) EXPECT_GT(n, 0);
  EXPECT_EQ(RandomBelow(0), 0);
  EXPECT_EQ(RandomBelow(-4), 0);
  EXPECT_EQ(RandomBelow(1), 0);
}

}  // namespace
