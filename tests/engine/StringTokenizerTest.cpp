// Splitting table rows into fields.
#include <gtest/gtest.h>

#include <climits>
#include <string>

#include "engine/StringTokenizer.h"

namespace {

TEST(StringTokenizerTest, PlainFieldsKeepBlanksAndTheNewline) {
  StringTokenizer t;
  t.SetText("#, 12 ,abc,x\n", ',');
  EXPECT_FALSE(t.AtEnd());
  EXPECT_STREQ(t.NextToken(), "#");
  EXPECT_STREQ(t.NextToken(), " 12 ");
  EXPECT_EQ(t.NextString(), "abc");
  EXPECT_STREQ(t.NextToken(), "x\n");
  EXPECT_TRUE(t.AtEnd());
}

TEST(StringTokenizerTest, ReadingPastTheEndGivesEmptyFields) {
  StringTokenizer t;
  t.SetText("#,1", ',');
  t.NextToken();
  EXPECT_EQ(t.NextInt(), 1);
  EXPECT_TRUE(t.AtEnd());
  // Readers ask for more fields than a short row has; each comes back empty.
  for (int i = 0; i < 3; ++i) {
    EXPECT_STREQ(t.NextToken(), "");
    EXPECT_TRUE(t.AtEnd());
  }
  EXPECT_EQ(t.NextInt(), 0);
  EXPECT_FLOAT_EQ(t.NextFloat(), 0.0f);

  StringTokenizer empty;  // never given a row
  EXPECT_TRUE(empty.AtEnd());
  EXPECT_STREQ(empty.NextToken(), "");
}

TEST(StringTokenizerTest, QuotesKeepSeparatorsAndVanish) {
  StringTokenizer t;
  t.SetText("#,\"Smith, John\",a\"b,c\"d,\"open", ',');
  t.NextToken();
  EXPECT_STREQ(t.NextToken(), "Smith, John");
  EXPECT_STREQ(t.NextToken(), "ab,cd");
  EXPECT_STREQ(t.NextToken(), "open");  // an unclosed quote runs to the end
  EXPECT_TRUE(t.AtEnd());
}

TEST(StringTokenizerTest, EmptyFieldsAndTrailingSeparator) {
  StringTokenizer t;
  t.SetText(",,x,", ',');
  EXPECT_STREQ(t.NextToken(), "");
  EXPECT_STREQ(t.NextToken(), "");
  EXPECT_STREQ(t.NextToken(), "x");
  EXPECT_TRUE(t.AtEnd());
  EXPECT_STREQ(t.NextToken(), "");
}

TEST(StringTokenizerTest, NumbersIgnoreBlanksAndUseAPoint) {
  StringTokenizer t;
  t.SetText("#, 0.25 ,-3,7\n", ',');
  t.NextToken();
  EXPECT_FLOAT_EQ(t.NextFloat(), 0.25f);
  EXPECT_EQ(t.NextInt(), -3);
  EXPECT_EQ(t.NextInt(), 7);  // the newline of the last field does not matter
}

TEST(StringTokenizerTest, ARowRemembersANumberTooLargeUntilTheNext) {
  StringTokenizer t;
  t.SetText("#,1e39,0.5,-" + std::string(60, '9') + "\n");
  t.NextToken();
  EXPECT_EQ(t.NextFloat(), 0.0f);
  EXPECT_FLOAT_EQ(t.NextFloat(), 0.5f);
  EXPECT_TRUE(t.NumberTooLarge());
  EXPECT_EQ(t.NextFloat(), 0.0f);
  EXPECT_TRUE(t.NumberTooLarge());
  t.SetText("#,3e38,99999999999999999999");
  t.NextToken();
  EXPECT_FLOAT_EQ(t.NextFloat(), 3e38f);
  EXPECT_EQ(t.NextInt(), INT_MAX);  // integers clamp, which is no fault
  EXPECT_FALSE(t.NumberTooLarge());
}

TEST(StringTokenizerTest, LastFieldOfACrlfRowIsTrimmedForTextReaders) {
  // A row read from a CRLF file arrives with its CR already dropped.
  StringTokenizer t;
  t.SetText("#,WORKINGCLASS,x\n", ',');
  t.NextToken();
  EXPECT_STREQ(t.NextToken(), "WORKINGCLASS");
  EXPECT_STREQ(t.NextToken(), "x\n");
  t.SetText("#,name,x \r\n", ',');
  t.NextToken();
  t.NextToken();
  EXPECT_EQ(t.NextTrimmedString(), "x");
  EXPECT_EQ(TrimField(std::string(3000, 'a') + "\t \n"), std::string(3000, 'a'));
}

TEST(StringTokenizerTest, OtherSeparatorAndReuse) {
  StringTokenizer t;
  t.SetText("a;b,c", ';');
  EXPECT_STREQ(t.NextToken(), "a");
  EXPECT_STREQ(t.NextToken(), "b,c");
  t.SetText("longer,row", ',');
  EXPECT_STREQ(t.NextToken(), "longer");
  EXPECT_STREQ(t.NextToken(), "row");
}

}  // namespace
