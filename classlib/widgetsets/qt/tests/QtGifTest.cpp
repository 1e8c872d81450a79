#include "classlib/widgetsets/qt/QtGif.h"
#include "classlib/core/Exception.h"

#include <QFile>
#include <QMovie>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const QString kLogo = VARNEX_SOURCE_DIR "/resources/LOGO.gif";

int WriteToString(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

// A 2 x 2 GIF whose frames are preceded by control extensions with these delays.
std::string GifWithDelays(const std::vector<std::vector<int>>& delaysPerFrame) {
  std::string out;
  int error = 0;
  GifFileType* gif = EGifOpen(&out, WriteToString, &error);
  EGifSetGifVersion(gif, true);
  GifColorType colours[2] = {{0, 0, 0}, {255, 0, 0}};
  ColorMapObject* map = GifMakeMapObject(2, colours);
  EGifPutScreenDesc(gif, 2, 2, 1, 0, map);
  for (const std::vector<int>& delays : delaysPerFrame) {
    for (const int delay : delays) {
      GraphicsControlBlock control{};
      control.DelayTime = delay;
      control.TransparentColor = NO_TRANSPARENT_COLOR;
      GifByteType extension[4];
      EGifGCBToExtension(&control, extension);
      EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, extension);
    }
    EGifPutImageDesc(gif, 0, 0, 2, 2, false, nullptr);
    GifPixelType row[2] = {1, 0};
    EGifPutLine(gif, row, 2);
    EGifPutLine(gif, row, 2);
  }
  GifFreeMapObject(map);
  EGifCloseFile(gif, &error);
  return out;
}

} // namespace

TEST(QtGif, FramesMatchQtsOwnGifReaderAndCarryTheirDelays) {
  QFile file(kLogo);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const std::vector<TGifFrame> frames = DecodeGifFrames(file.readAll().toStdString());
  ASSERT_EQ(frames.size(), 15u);
  QMovie movie(kLogo);
  ASSERT_TRUE(movie.isValid());
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(i);
    const TGifFrame& frame = frames[static_cast<std::size_t>(i)];
    EXPECT_EQ(frame.delays, std::vector<int>{15});
    ASSERT_EQ(frame.picture.width, 100);
    ASSERT_EQ(frame.picture.height, 91);
    ASSERT_TRUE(movie.jumpToFrame(i));
    const QImage qts = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < 91; ++y) {
      for (int x = 0; x < 100; ++x) {
        const QRgb theirs = qts.pixel(x, y);
        ASSERT_EQ(frame.picture.Pixel(x, y), qAlpha(theirs) == 0 ? 0u : theirs) << x << "," << y;
      }
    }
  }
}

TEST(QtGif, EveryDelayBeforeAFrameIsReportedAndBadDataFails) {
  const std::vector<TGifFrame> frames = DecodeGifFrames(GifWithDelays({{0}, {2, 7, 4}, {}}));
  ASSERT_EQ(frames.size(), 3u);
  EXPECT_EQ(frames[0].delays, std::vector<int>{0});
  EXPECT_EQ(frames[1].delays, (std::vector<int>{2, 7, 4}));
  EXPECT_TRUE(frames[2].delays.empty());
  EXPECT_EQ(frames[1].picture.Pixel(0, 0), 0xFFFF0000u);
  EXPECT_THROW(DecodeGifFrames("GIF89a, but nothing else"), Exception);
}
