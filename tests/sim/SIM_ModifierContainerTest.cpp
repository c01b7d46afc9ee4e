// Modifier parsing and applying to the player and to global values.
#include <gtest/gtest.h>

#include "engine/CallTrace.h"
#include "sim/SIM_GlobalVariables.h"
#include "sim/SIM_ModifierContainer.h"
#include "sim/SIM_NamedValueList.h"
#include "sim/SIM_Vesk.h"
#include "support/TestSupport.h"
#include "SimTestWorld.h"

using testsupport::FatalCatcher;
using testsupport::FatalStop;
using testsupport::TempDir;
using testsupport::WriteFile;

namespace {

class ModifierTest : public ::testing::Test {
 protected:
  void SetUp() override {
    container.SetName("reading");
    GlobalNamedValues().Clear();
    ClearTracedCalls();
  }
  void TearDown() override { GlobalNamedValues().Clear(); }
  // Whether a change reached the player: it would be among the player's values.
  static bool ReachedPlayer(const std::string& name) {
    return SIM_Vesk::Instance()->GetNamedValue(name, false) != nullptr;
  }
  SIM_ModifierContainer container;
};

// With a game started the player has attributes: a change lands on one as a decaying effect
// named after its source, the limit being its daily decay.
using ModifierPlayerTest = SimWorldTest;

TEST_F(ModifierPlayerTest, ScaledChangeGoesToThePlayerWithLimitAndSource) {
  SIM_ModifierContainer container;
  container.SetName("reading");
  container.AddModifier("happiness,0.2,0.5");
  container.ApplyModifiers(0.5f);
  const std::vector<const SIM_Effect*> changes = PlayerEffects("happiness", "reading");
  ASSERT_EQ(changes.size(), 1u);
  EXPECT_FLOAT_EQ(changes[0]->GetAmount(), 0.1f);
  EXPECT_FLOAT_EQ(changes[0]->GetDegrade(), 0.5f);
  EXPECT_FLOAT_EQ(container.GetModifierValue("happiness"), 0.2f);
  EXPECT_EQ(container.GetModifiers()[0]->source, "reading");
}

TEST_F(ModifierTest, AmountAndLimitAreClamped) {
  container.AddModifier("happiness,3,7");
  container.AddModifier("stress,-4,-2");
  ASSERT_EQ(container.GetModifiers().size(), 2u);
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->amount, 1.0f);
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->limit, 1.0f);
  EXPECT_FLOAT_EQ(container.GetModifiers()[1]->amount, -1.0f);
  EXPECT_FLOAT_EQ(container.GetModifiers()[1]->limit, 0.0f);
}

TEST_F(ModifierTest, BadTextsAreIgnoredAndMissingFieldsReadZero) {
  container.AddModifier("x");
  container.AddModifier("1abc,0.5,0.5");
  container.AddModifier(" happiness,0.5,0.5");
  container.AddModifier("");
  EXPECT_TRUE(container.GetModifiers().empty());
  container.AddModifier("xy");  // a name alone: amount and limit 0
  ASSERT_EQ(container.GetModifiers().size(), 1u);
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->amount, 0.0f);
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->limit, 0.0f);
  EXPECT_FLOAT_EQ(container.GetModifierValue("absent"), 0.0f);  // warns, gives 0
}

TEST_F(ModifierTest, UnderscoreFieldsAreGameVariablesWithTheUnderscore) {
  TempDir dir;
  WriteFile(dir.Path() / "config.txt", "[config]\n_BOOST=0.3\n_KEEP=0.8\nBOOST=0.9\n");
  SIM_GlobalVariables::Instance().Load((dir.Path() / "config.txt").string());
  container.AddModifier("_energy,_BOOST,_KEEP");
  ASSERT_EQ(container.GetModifiers().size(), 1u);
  EXPECT_EQ(container.GetModifiers()[0]->name, "_energy");
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->amount, 0.3f);
  EXPECT_FLOAT_EQ(container.GetModifiers()[0]->limit, 0.8f);
  FatalCatcher catcher;
  EXPECT_THROW(container.AddModifier("happiness,_NOT_THERE,0.5"), FatalStop);
}

TEST_F(ModifierTest, GlobalNamesCreateOrApplyWithClamp) {
  container.AddModifier("glob_dirt,-0.3,0");
  container.ApplyModifiers(1.0f);
  SIM_NamedValue* dirt = GlobalNamedValues().Find("glob_dirt");
  ASSERT_NE(dirt, nullptr);
  EXPECT_FLOAT_EQ(dirt->GetValue(), -0.3f);  // created unclamped
  EXPECT_FALSE(ReachedPlayer("glob_dirt"));
  dirt->SetValue(0.2f);
  container.ApplyModifiers(1.0f);
  EXPECT_FLOAT_EQ(dirt->GetValue(), 0.0f);  // applied with the clamp
  EXPECT_EQ(GlobalNamedValues().Size(), 1u);
}

TEST_F(ModifierTest, GlobAnywhereInTheNameCountsAsGlobal) {
  container.AddModifier("foo_glob_bar,0.4,0.5");
  container.ApplyModifiers(0.5f);
  EXPECT_FALSE(ReachedPlayer("foo_glob_bar"));
  EXPECT_FLOAT_EQ(GlobalNamedValues().GetValue("foo_glob_bar"), 0.2f);
}

TEST_F(ModifierTest, DisplayTextIsTheTranslatedNvKey) {
  container.AddModifier("happiness,0.1,0.5");
  container.AddModifier("nosuchvalue,0.1,0.5");
  EXPECT_NE(container.GetModifiers()[0]->displayText, "nv_happiness");
  EXPECT_EQ(container.GetModifiers()[1]->displayText, "nv_nosuchvalue");  // a missing key
}

}  // namespace
