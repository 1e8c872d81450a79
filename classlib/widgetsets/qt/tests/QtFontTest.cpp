#include "classlib/widgetsets/qt/QtFont.h"

#include <QFontInfo>
#include <QFontMetrics>

#include <gtest/gtest.h>

// The dialog font at each desktop scale: the bitmap strike where it has the size asked for,
// a scalable sans-serif with the same metrics where it has not, and never a strike drawn at
// another size.
TEST(QtFont, EveryCharacterHeightGetsAFontOfThatSize) {
  const struct {
    int height; // the character height the form asks for
    const char* family;
    int textHeight;
  } cases[] = {
      {11, "MS Sans Serif", 13},   // 96 pixels per inch: the 13-pixel strike
      {14, "Liberation Sans", 16}, // 120
      {17, "Liberation Sans", 19}, // 144
      {22, "Liberation Sans", 25}, // 192
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.height);
    const QFont font = QtFont(TFont{"MS Sans Serif", c.height, 0});
    EXPECT_EQ(QFontInfo(font).family(), c.family);
    EXPECT_EQ(QFontMetrics(font).height(), c.textHeight);
  }
}
