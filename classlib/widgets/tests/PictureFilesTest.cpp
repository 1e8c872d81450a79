#include "classlib/core/Exception.h"
#include "classlib/widgets/BitmapImage.h"
#include "classlib/widgets/IconImage.h"

#include <QImage>

#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <sstream>

namespace {

const std::string kResources = VARNEX_SOURCE_DIR "/resources/";

std::string Bytes(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream bytes;
  bytes << file.rdbuf();
  return bytes.str();
}

// Qt's own reader is the reference: each pixel the same, transparent where it is.
void ExpectSamePixels(const TPicture& ours, const QImage& qts) {
  ASSERT_FALSE(qts.isNull()) << "Qt's image reader is missing";
  ASSERT_EQ(ours.width, qts.width());
  ASSERT_EQ(ours.height, qts.height());
  for (int y = 0; y < ours.height; ++y) {
    for (int x = 0; x < ours.width; ++x) {
      const QRgb theirs = qts.pixel(x, y);
      ASSERT_EQ(ours.Pixel(x, y), qAlpha(theirs) == 0 ? 0u : theirs) << x << "," << y;
    }
  }
}

} // namespace

TEST(IconImage, DecodesThePixelsAsQtsIconReaderDoes) {
  const std::string path = kResources + "MAINICON.ico";
  ExpectSamePixels(DecodeIcon(Bytes(path), "MAINICON"),
                   QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32));
}

TEST(BitmapImage, DecodesThePixelsAsQtsBitmapReaderDoes) {
  const std::string path = kResources + "OK.bmp";
  ExpectSamePixels(DecodeBitmap(Bytes(path), "OK"),
                   QImage(QString::fromStdString(path)).convertToFormat(QImage::Format_ARGB32));
}

TEST(PictureFiles, OtherFilesAndMissingResourcesFailWithAClearMessage) {
  const struct {
    std::function<void()> load;
    const char* message;
  } cases[] = {
      {[] { DecodeIcon(Bytes(kResources + "OK.bmp"), "OK"); },
       "Icon OK is not a 32 x 32, 16-colour icon"},
      {[] { DecodeBitmap(Bytes(kResources + "MAINICON.ico"), "MAINICON"); },
       "Bitmap MAINICON is not an uncompressed 24-bit bitmap"},
      {[] { DecodeBitmap("BM", "SHORT"); }, "Bitmap SHORT is not an uncompressed 24-bit bitmap"},
      {[] { LoadIconImage("NOWHERE"); }, "Icon NOWHERE is missing"},
      {[] { LoadBitmapImage("NOWHERE"); }, "Bitmap NOWHERE is missing"},
  };
  for (const auto& c : cases) {
    try {
      c.load();
      ADD_FAILURE() << "no failure for " << c.message;
    } catch (const Exception& failure) {
      EXPECT_EQ(failure.Message(), c.message);
    }
  }
}
