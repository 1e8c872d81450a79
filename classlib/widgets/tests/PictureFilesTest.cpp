#include "classlib/core/Exception.h"
#include "classlib/widgets/BitmapImage.h"
#include "classlib/widgets/IconImage.h"

#include <gtest/gtest.h>

TEST(IconImage, DecodesThePixelsAsQtsIconReaderDoes) {
  const QString path = VARNEX_SOURCE_DIR "/resources/MAINICON.ico";
  const QImage ours = LoadIconImage(path);
  const QImage qts = QImage(path).convertToFormat(QImage::Format_ARGB32);
  ASSERT_FALSE(qts.isNull()) << "Qt's icon reader is missing";
  ASSERT_EQ(ours.size(), QSize(32, 32));
  for (int y = 0; y < 32; ++y) {
    for (int x = 0; x < 32; ++x) {
      const QRgb a = ours.pixel(x, y);
      const QRgb b = qts.pixel(x, y);
      ASSERT_EQ(qAlpha(a), qAlpha(b)) << x << "," << y;
      if (qAlpha(a) != 0) {
        ASSERT_EQ(a, b) << x << "," << y;
      }
    }
  }
}

TEST(IconImage, OtherFilesFailWithAClearMessage) {
  EXPECT_THROW(LoadIconImage(VARNEX_SOURCE_DIR "/resources/forms/TFORM1.form"), Exception);
  try {
    LoadIconImage(":/nowhere.ico");
    FAIL();
  } catch (const Exception& failure) {
    EXPECT_EQ(failure.Message(), "Icon :/nowhere.ico is missing");
  }
}

TEST(BitmapImage, DecodesThePixelsAsQtsBitmapReaderDoes) {
  const QString path = VARNEX_SOURCE_DIR "/resources/OK.bmp";
  const QImage ours = LoadBitmapImage(path);
  const QImage qts = QImage(path).convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(qts.isNull());
  EXPECT_EQ(ours, qts);
  EXPECT_THROW(LoadBitmapImage(VARNEX_SOURCE_DIR "/resources/MAINICON.ico"), Exception);
  EXPECT_THROW(LoadBitmapImage(":/nowhere.bmp"), Exception);
}
