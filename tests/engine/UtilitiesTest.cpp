// Number parsing and formatting that must not depend on the locale, and trimming.
#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <climits>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "engine/Utilities.h"

namespace {

TEST(UtilitiesTest, IntPrefixBehavesLikeAtoiWithoutOverflow) {
  EXPECT_EQ(ParseIntPrefix(" 12abc"), 12);
  EXPECT_EQ(ParseIntPrefix("-5"), -5);
  EXPECT_EQ(ParseIntPrefix("+7"), 7);
  EXPECT_EQ(ParseIntPrefix("x1"), 0);
  EXPECT_EQ(ParseIntPrefix(""), 0);
  EXPECT_EQ(ParseIntPrefix(nullptr), 0);
  EXPECT_EQ(ParseIntPrefix("99999999999999999999"), INT_MAX);
  EXPECT_EQ(ParseIntPrefix("-99999999999999999999"), INT_MIN);
}

TEST(UtilitiesTest, FloatPrefixUsesAPointAndTakesTheLongestNumber) {
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("  0.25"), 0.25);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("-1.5e2xyz"), -150.0);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix(".5"), 0.5);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("+3"), 3.0);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("1,5"), 1.0);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("abc"), 0.0);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("--1"), 0.0);
}

TEST(UtilitiesTest, FloatPrefixReadsNoWordsAndNothingBeyondTheRange) {
  // Found by fuzzing: "nan" and "inf" came back as such and passed checks that compare.
  for (const char* text : {"nan", "NAN", "-nan", "inf", "+Infinity", " nan(1)", "infinity7"})
    EXPECT_DOUBLE_EQ(ParseFloatPrefix(text), 0.0) << text;
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("-.5x"), -0.5);
  EXPECT_DOUBLE_EQ(ParseFloatPrefix("7nan"), 7.0);
}

TEST(UtilitiesTest, FloatPrefixTellsANumberTooLargeForAFloat) {
  // Found by fuzzing: a 60-digit price fits a double but became infinite as a float.
  const std::string sixtyDigits = "1" + std::string(59, '0');
  for (const std::string& text : {sixtyDigits, "-" + sixtyDigits, std::string("3.5e38"),
                                  std::string("1e400"), std::string("0.001e+500"),
                                  std::string(400, '9') + ".5e-5"}) {
    bool tooLarge = false;
    EXPECT_EQ(ParseFloatPrefix(text.c_str(), &tooLarge), 0.0f) << text;
    EXPECT_TRUE(tooLarge) << text;
  }
  // The largest floats and numbers too small for a double are no fault; the flag is only
  // ever set, so one flag can stand for several fields.
  bool tooLarge = false;
  EXPECT_FLOAT_EQ(ParseFloatPrefix("3.4e38", &tooLarge), 3.4e38f);
  EXPECT_FLOAT_EQ(ParseFloatPrefix("-3.4e38", &tooLarge), -3.4e38f);
  EXPECT_EQ(ParseFloatPrefix("1e-400", &tooLarge), 0.0f);
  EXPECT_EQ(ParseFloatPrefix("0.00001e-320", &tooLarge), 0.0f);
  EXPECT_EQ(ParseFloatPrefix(("0." + std::string(400, '0') + "1e+5").c_str(), &tooLarge), 0.0f);
  EXPECT_FALSE(tooLarge);
  ParseFloatPrefix("1e39", &tooLarge);
  EXPECT_FLOAT_EQ(ParseFloatPrefix("2.5", &tooLarge), 2.5f);
  EXPECT_TRUE(tooLarge);
}

TEST(UtilitiesTest, AFloatBeyondAnIntBecomesTheNearestEndOfItsRange) {
  EXPECT_EQ(ClampToInt(-2.7), -2);  // toward zero, as a cast
  EXPECT_EQ(ClampToInt(2147483646.9), 2147483646);
  EXPECT_EQ(ClampToInt(1e30), INT_MAX);
  EXPECT_EQ(ClampToInt(-FLT_MAX), INT_MIN);
  EXPECT_EQ(ClampToInt(std::numeric_limits<double>::infinity()), INT_MAX);
  EXPECT_EQ(ClampToInt(std::nan("")), 0);
}

TEST(UtilitiesTest, FixedFormatting) {
  EXPECT_EQ(FormatFixed(0.256, 2), "0.26");
  EXPECT_EQ(FormatFixed(-3.0, 1), "-3.0");
  EXPECT_EQ(FormatFixed(1e300, 2).size(), 304u);
}

// Read back without the text, a written number must still be the very float its text gives:
// halfway cases, near misses either side of them, signs and numbers past the quick way included.
TEST(UtilitiesTest, AFixedNumberReadsBackAsItsText) {
  std::vector<float> values = {-0.0f, -0.25f, -3.0f, 1e-30f, 1e10f, 59.999998f, NAN, INFINITY};
  for (int k = 0; k <= 2048; ++k) values.push_back(k / 1024.0f);
  for (int k = 0; k <= 200; ++k) {
    const float half = (k + 0.5f) / 100.0f;
    values.push_back(std::nextafter(half, 0.0f));
    values.push_back(std::nextafter(half, 1.0f));
  }
  uint32_t state = 12345;
  for (int i = 0; i < 20000; ++i) {
    state = state * 1664525u + 1013904223u;
    values.push_back(static_cast<float>(state >> 8) * (60.0f / 16777216.0f));
  }
  for (const float v : values) {
    for (int decimals = 0; decimals <= 7; ++decimals) {
      const float text = ParseFloatPrefix(FormatFixed(v, decimals).c_str());
      ASSERT_EQ(std::bit_cast<uint32_t>(ReadBackFixed(v, decimals)), std::bit_cast<uint32_t>(text))
          << FormatFixed(v, 9) << " with " << decimals << " decimals";
    }
  }
}

TEST(UtilitiesTest, TrimTrailingWhitespace) {
  EXPECT_EQ(TrimTrailingWhitespace("name \r\n"), "name");
  EXPECT_EQ(TrimTrailingWhitespace("  lead"), "  lead");
  EXPECT_EQ(TrimTrailingWhitespace("tab\t"), "tab\t");
  const std::string longText(1024, ' ');
  EXPECT_EQ(TrimTrailingWhitespace(longText), longText);
}

}  // namespace
