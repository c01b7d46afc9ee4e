// Element geometry: truncation, hit tests and keeping elements on the screen.
#include "gui/GUI_BaseElement.h"

#include "gui/GuiFixture.h"

namespace {

using guitest::GuiTest;

TEST_F(GuiTest, SetRectTruncatesEachValueAndTheDifferences) {
  GUI_BaseElement e;
  e.SetRect(10.9f, 20.9f, 110.2f, 60.1f);
  EXPECT_EQ(e.GetRect().left, 10);
  EXPECT_EQ(e.GetRect().top, 20);
  EXPECT_EQ(e.GetRect().right, 110);
  EXPECT_EQ(e.GetRect().bottom, 60);
  EXPECT_EQ(e.GetWidth(), 99);   // trunc(99.3)
  EXPECT_EQ(e.GetHeight(), 39);  // trunc(39.2)
  e.SetRect(-10.7f, -5.5f, 5.0f, 5.0f);  // toward zero, not down
  EXPECT_EQ(e.GetRect().left, -10);
  EXPECT_EQ(e.GetRect().top, -5);
}

TEST_F(GuiTest, HitTestIncludesLeftAndTopButNotRightAndBottom) {
  GUI_BaseElement e;
  e.SetRect(10, 20, 30, 40);
  EXPECT_TRUE(e.HitTest(10, 20));
  EXPECT_TRUE(e.HitTest(29.9f, 39.9f));
  EXPECT_FALSE(e.HitTest(30, 25));
  EXPECT_FALSE(e.HitTest(15, 40));
  EXPECT_FALSE(e.HitTest(9.5f, 25));  // 9.5 truncates to 9
}

TEST_F(GuiTest, CentreMoveAndClampKeepTheSize) {
  GUI_BaseElement e;
  e.SetSize(101, 51);
  e.CentreOnScreen();
  EXPECT_EQ(e.GetRect().left, 512 - 50);
  EXPECT_EQ(e.GetRect().top, 384 - 25);
  EXPECT_EQ(e.GetRect().right - e.GetRect().left, 101);

  GUI_BaseElement small;
  small.SetRect(-20, -5, 30, 45);
  small.ClampToScreen();
  EXPECT_EQ(small.GetRect().left, 0);
  EXPECT_EQ(small.GetRect().right, 50);
  EXPECT_EQ(small.GetRect().top, 0);
  EXPECT_EQ(small.GetRect().bottom, 50);

  GUI_BaseElement big;
  big.SetRect(100, 100, 1300, 900);  // larger than the screen both ways
  big.ClampToScreen();
  EXPECT_EQ(big.GetRect().left, 0);
  EXPECT_EQ(big.GetRect().top, 0);
  EXPECT_EQ(big.GetRect().right, 1200);

  GUI_BaseElement corner;
  corner.SetSize(100, 40);
  corner.MoveOnScreen(1000, 760);
  EXPECT_EQ(corner.GetRect().left, 924);
  EXPECT_EQ(corner.GetRect().top, 728);
  corner.MoveOnScreen(-30, -1);
  EXPECT_EQ(corner.GetRect().left, 0);
  EXPECT_EQ(corner.GetRect().top, 0);
  EXPECT_EQ(corner.GetRect().bottom, 40);
}

}  // namespace
