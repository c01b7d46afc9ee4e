// Named values, their lists and the global list.
#include <gtest/gtest.h>

#include <cmath>

#include "sim/SIM_NamedValueList.h"
#include "support/TestSupport.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;

namespace {

TEST(NamedValueTest, ApplyOperationsClampToUnitRange) {
  SIM_NamedValue v("happiness", "HAPPY", 0.8f);
  v.Apply("+=", 0.5f);
  EXPECT_FLOAT_EQ(v.GetValue(), 1.0f);
  v.SetValue(0.2f);
  v.Apply("-=", 0.5f);
  EXPECT_FLOAT_EQ(v.GetValue(), 0.0f);
  v.SetValue(0.4f);
  v.Apply("*=", 2.0f);
  EXPECT_FLOAT_EQ(v.GetValue(), 0.8f);
  v.Apply("/=", 4.0f);
  EXPECT_FLOAT_EQ(v.GetValue(), 0.2f);
  v.SetValue(3.0f);
  v.Apply("=", 0.1f);  // unknown operation: unchanged, but clamped
  EXPECT_FLOAT_EQ(v.GetValue(), 1.0f);
  v.SetValue(0.5f);
  v.Apply("+= ", 0.1f);
  EXPECT_FLOAT_EQ(v.GetValue(), 0.5f);
}

TEST(NamedValueTest, DividingByZeroLeavesTheValue) {
  SIM_NamedValue zero("a", "a", 0.0f);
  zero.Apply("/=", 0.0f);
  EXPECT_FALSE(std::isnan(zero.GetValue()));
  EXPECT_FLOAT_EQ(zero.GetValue(), 0.0f);
  SIM_NamedValue half("b", "b", 0.5f);
  half.Apply("/=", 0.0f);
  EXPECT_FLOAT_EQ(half.GetValue(), 0.5f);
}

TEST(NamedValueListTest, FindHasIsSetRemoveAndClear) {
  SIM_NamedValueList list("testlist");
  auto* first = new SIM_NamedValue("x", "X1", 0.0f);
  auto* second = new SIM_NamedValue("x", "X2", 0.7f);
  auto* y = new SIM_NamedValue("y", "Y", 0.3f);
  list.Add(first);
  list.Add(second);
  list.Add(y);
  EXPECT_EQ(list.Find("x"), first);  // the first added wins
  EXPECT_TRUE(list.Has("x"));
  EXPECT_FALSE(list.IsSet("x"));  // there but 0
  EXPECT_TRUE(list.IsSet("y"));
  EXPECT_FALSE(list.Has("X"));
  EXPECT_FALSE(list.IsSet("nothing"));
  EXPECT_FLOAT_EQ(list.GetValue("y"), 0.3f);

  list.Remove(first);
  EXPECT_EQ(list.Find("x"), second);
  delete first;  // Remove does not delete
  list.Clear();
  EXPECT_EQ(list.Size(), 0u);
  EXPECT_FALSE(list.Has("y"));
}

TEST(NamedValueListTest, MissingValueAndMissingListAreFatal) {
  SIM_NamedValueList list("registered");
  FatalCatcher catcher;
  EXPECT_THROW(list.GetValue("absent"), FatalStop);
  EXPECT_EQ(SIM_NamedValueList::FindList("registered"), &list);
  EXPECT_THROW(SIM_NamedValueList::FindList("never made"), FatalStop);
  {
    SIM_NamedValueList temporary("temporary");
    EXPECT_EQ(SIM_NamedValueList::FindList("temporary"), &temporary);
  }
  // A destroyed list leaves the registry.
  EXPECT_THROW(SIM_NamedValueList::FindList("temporary"), FatalStop);
}

TEST(NamedValueListTest, RecalculateAllReachesEveryValue) {
  struct Counting : SIM_NamedValue {
    explicit Counting(int* calls) : SIM_NamedValue("c", "c", 0.0f), calls_(calls) {}
    void Recalculate() override { ++*calls_; }
    int* calls_;
  };
  int calls = 0;
  SIM_NamedValueList list;
  list.Add(new Counting(&calls));
  list.Add(new Counting(&calls));
  list.RecalculateAll();
  EXPECT_EQ(calls, 2);
}

TEST(GlobalValuesTest, SetGlobalValueStoresUnclampedAndApplyClamps) {
  GlobalNamedValues().Clear();
  SetGlobalValue("dog", 0.0f);
  EXPECT_TRUE(GlobalNamedValues().Has("dog"));
  EXPECT_FALSE(GlobalNamedValues().IsSet("dog"));
  SetGlobalValue("weather_sun", 5.0f);
  EXPECT_FLOAT_EQ(GlobalNamedValues().GetValue("weather_sun"), 5.0f);
  SetGlobalValue("weather_sun", 4.0f);  // sets, does not add a second entry
  EXPECT_EQ(GlobalNamedValues().Size(), 2u);
  SIM_NamedValue* sun = GlobalNamedValues().Find("weather_sun");
  EXPECT_EQ(sun->GetGuiName(), "weather_sun");
  sun->Apply("+=", 0.0f);
  EXPECT_FLOAT_EQ(sun->GetValue(), 1.0f);
  GlobalNamedValues().Clear();
}

}  // namespace
