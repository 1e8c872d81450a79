#include "classlib/widgets/Scaling.h"

#include <gtest/gtest.h>

TEST(Scaling, TheFontFollowsTheDensityAndSizesFollowTheMeasuredTextHeight) {
  const struct {
    int pixelsPerInch;
    int fontHeight;     // from the declared -11 at 96
    int measuredHeight; // the text height of that font
    TSize client;       // from the designed 265 x 177 and a text height of 13
  } cases[] = {
      {96, 11, 13, {265, 177}},  // the designed sizes exactly
      {120, 14, 16, {326, 218}}, // 13.75 rounds to 14; 265 x 16 / 13 = 326.2
      {144, 17, 19, {387, 259}}, // 16.5 rounds away from zero
      {72, 8, 10, {204, 136}},   // 203.8 and 136.2
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.pixelsPerInch);
    EXPECT_EQ(ScaledFontHeight(-11, c.pixelsPerInch, 96), c.fontHeight);
    const double factor = SizeFactor(c.measuredHeight, 13);
    EXPECT_EQ((TSize{Scaled(265, factor), Scaled(177, factor)}), c.client);
  }
  EXPECT_EQ(SizeFactor(13, 13), 1.0);
  EXPECT_EQ(Scaled(-3, 1.5), -5); // halves away from zero, on both sides
}

TEST(Scaling, CentringUsesTheOuterSizeAndNeverGoesOffTheTopLeft) {
  EXPECT_EQ(CentredOn({1024, 768}, {271, 203}), (TPoint{376, 282})); // 376.5 truncated
  EXPECT_EQ(CentredOn({200, 100}, {301, 150}), (TPoint{0, 0}));
}
