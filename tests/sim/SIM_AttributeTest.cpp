// Attributes, their effects, parents and change markers.
#include <gtest/gtest.h>

#include <algorithm>

#include "engine/CallTrace.h"
#include "support/RecordingScreens.h"
#include "sim/SIM_Attribute.h"
#include "sim/SIM_Effect.h"
#include "sim/SIM_NamedValueList.h"
#include "support/TestSupport.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;

namespace {

std::vector<std::string> Row(const std::string& name, const std::string& parent = "",
                             const std::string& factor = "") {
  return {"#", name, "GUI_" + name, "0.5", "1", "1", "d1 ", "d2\r\n", "d3", "above", "0.8",
          parent, factor};
}

TEST(EffectTest, DecaysByItsFactorAndIsRemovedWhenSpent) {
  SIM_Attribute a("happiness", "HAPPY", 0.0f);
  a.AddEffect(0.2f, 0.5f, "test");
  const float expected[] = {0.1f, 0.05f, 0.025f};
  for (float e : expected) {
    SIM_Effect::DailyUpdateAll();
    ASSERT_EQ(a.GetEffects().size(), 1u);
    EXPECT_FLOAT_EQ(a.GetEffects()[0]->GetAmount(), e);
  }
  // 0.2 * 0.5^n falls below 0.001 at n = 8 (0.00078).
  int day = 3;
  while (!a.GetEffects().empty()) {
    SIM_Effect::DailyUpdateAll();
    ++day;
  }
  EXPECT_EQ(day, 8);
}

TEST(EffectTest, DegradeZeroGoesNextDayDegradeOneStays) {
  SIM_Attribute a("stress", "STRESS", 0.0f);
  a.AddEffect(0.3f, 0.0f, "gone");
  a.AddEffect(-0.3f, 1.0f, "kept");
  SIM_Effect::DailyUpdateAll();
  ASSERT_EQ(a.GetEffects().size(), 1u);
  EXPECT_EQ(a.GetEffects()[0]->GetDebugName(), "kept");
  for (int i = 0; i < 100; ++i) SIM_Effect::DailyUpdateAll();
  EXPECT_FLOAT_EQ(a.GetEffects()[0]->GetAmount(), -0.3f);
  a.Recalculate();
  EXPECT_FLOAT_EQ(a.GetValue(), 0.0f);  // clamped at 0
}

TEST(AttributeTest, BasePlusEffectsClampsToOne) {
  SIM_Attribute a("fitness", "FIT", 0.9f);
  a.AddEffect(0.2f, 0.5f, "x");
  a.AddEffect(0.1f, 0.5f, "y");
  EXPECT_FLOAT_EQ(a.GetValue(), 1.0f);
}

TEST(AttributeTest, WarnLimitIsStrict) {
  SIM_Attribute a("tiredness", "TIRED", 0.7f);
  a.Recalculate();
  a.SetWarnLimit(SIM_Attribute::kWarnAbove, 0.7f);
  EXPECT_FALSE(a.IsPastWarnLimit());
  a.SetBase(0.71f);
  a.Recalculate();
  EXPECT_TRUE(a.IsPastWarnLimit());
  a.SetWarnLimit(SIM_Attribute::kWarnBelow, 0.71f);
  EXPECT_FALSE(a.IsPastWarnLimit());
  a.SetBase(0.5f);
  a.Recalculate();
  EXPECT_TRUE(a.IsPastWarnLimit());
  a.SetWarnLimit(SIM_Attribute::kWarnNone, 0.9f);
  EXPECT_FALSE(a.IsPastWarnLimit());
}

TEST(AttributeTest, RowFieldsAreRead) {
  SIM_NamedValueList list;
  SIM_Attribute* a = SIM_Attribute::FromRow(Row("iq"));
  list.Add(a);
  EXPECT_EQ(a->GetName(), "iq");
  EXPECT_EQ(a->GetGuiName(), "GUI_iq");
  EXPECT_FLOAT_EQ(a->GetBase(), 0.5f);
  EXPECT_TRUE(a->GetFlag1());
  EXPECT_TRUE(a->IsRisingGood());
  EXPECT_EQ(a->GetDescription(0), "d1");
  EXPECT_EQ(a->GetDescription(1), "d2");
  EXPECT_EQ(a->GetWarnCriterion(), SIM_Attribute::kWarnAbove);
  EXPECT_FLOAT_EQ(a->GetWarnThreshold(), 0.8f);
  EXPECT_EQ(a->GetParent(), nullptr);
  EXPECT_FLOAT_EQ(a->GetParentFactor(), 1.0f);
  EXPECT_EQ(SIM_Attribute::Find("iq"), a);
  // A short row leaves the rest at their defaults.
  SIM_Attribute* b = SIM_Attribute::FromRow({"#", "short", "S", "0.2", "0", "0", "", "", "", "-"});
  list.Add(b);
  EXPECT_EQ(b->GetWarnCriterion(), SIM_Attribute::kWarnNone);
  EXPECT_FALSE(b->IsRisingGood());
}

TEST(AttributeTest, ParentListedAfterItsChildResolves) {
  SIM_NamedValueList list;
  list.Add(SIM_Attribute::FromRow(Row("iq_logic", "iq", "0.25")));
  list.Add(SIM_Attribute::FromRow(Row("iq")));
  FatalCatcher catcher;
  SIM_Attribute::ResolveParents(list);
  auto* child = dynamic_cast<SIM_Attribute*>(list.Find("iq_logic"));
  EXPECT_EQ(child->GetParent(), list.Find("iq"));
  EXPECT_FLOAT_EQ(child->GetParentFactor(), 0.25f);
}

TEST(AttributeTest, UnknownParentAndCyclesAreFatal) {
  FatalCatcher catcher;
  {
    SIM_NamedValueList list;
    list.Add(SIM_Attribute::FromRow(Row("orphan", "nobody", "1")));
    EXPECT_THROW(SIM_Attribute::ResolveParents(list), FatalStop);
  }
  {
    SIM_NamedValueList list;
    list.Add(SIM_Attribute::FromRow(Row("a", "b", "1")));
    list.Add(SIM_Attribute::FromRow(Row("b", "a", "1")));
    EXPECT_THROW(SIM_Attribute::ResolveParents(list), FatalStop);
  }
  {
    SIM_NamedValueList list;
    list.Add(SIM_Attribute::FromRow(Row("self", "self", "1")));
    EXPECT_THROW(SIM_Attribute::ResolveParents(list), FatalStop);
  }
}

TEST(AttributeTest, ChangeShowsOnEveryBarUpTheChainScaledByEachFactor) {
  testsupport::ScopedScreens screens(&testsupport::RecordingScreens::Instance());
  SIM_Attribute top("culture", "CULT", 0.1f);
  SIM_Attribute mid("culture_arts", "ARTS", 0.1f);
  SIM_Attribute leaf("painting", "PAINT", 0.1f);
  leaf.SetParent(&mid, 0.5f);
  mid.SetParent(&top, 0.5f);
  ClearTracedCalls();
  leaf.AddEffect(0.4f, 0.9f, "evening class");
  std::vector<std::string> changes;
  for (const std::string& call : TracedCalls())
    if (call.rfind("ShowAttributeChange", 0) == 0) changes.push_back(call);
  // The screens decide which of them has a bar; the simulation tells every one.
  EXPECT_EQ(changes, (std::vector<std::string>{"ShowAttributeChange 0.400",
                                               "ShowAttributeChange 0.200",
                                               "ShowAttributeChange 0.100"}));
  EXPECT_FLOAT_EQ(leaf.GetValue(), 0.5f);
  EXPECT_FLOAT_EQ(top.GetValue(), 0.1f);  // only the leaf itself changes
}

TEST(AttributeTest, DeletingAnAttributeDeletesItsEffects) {
  const size_t before = SIM_Effect::CountAll();
  auto* a = new SIM_Attribute("boredom", "BORED", 0.0f);
  a->AddEffect(0.5f, 0.9f, "x");
  a->AddEffect(0.5f, 0.9f, "y");
  EXPECT_EQ(SIM_Effect::CountAll(), before + 2);
  delete a;
  EXPECT_EQ(SIM_Effect::CountAll(), before);
  EXPECT_EQ(SIM_Attribute::Find("boredom"), nullptr);
}

}  // namespace
