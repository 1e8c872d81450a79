#include "classlib/widgets/GifAnimator.h"
#include "classlib/core/Exception.h"
#include "classlib/widgets/GifFrames.h"

#include <QDir>
#include <QFile>
#include <QMovie>

#include <gif_lib.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class NoHandlers : public FormReading {
public:
  TNotifyEvent Handler(const FormProperty&) const override { return {}; }
  int FontPixels(std::int64_t height) const override { return static_cast<int>(-height); }
};

FormProperty Text(const std::string& name, const std::string& text) {
  FormProperty property{name, {}, 1};
  property.value.kind = FormValue::Kind::String;
  property.value.text = text;
  return property;
}

FormProperty Flag(const std::string& name, bool on) {
  FormProperty property{name, {}, 1};
  property.value.kind = FormValue::Kind::Identifier;
  property.value.text = on ? "True" : "False";
  return property;
}

const QString kLogo = VARNEX_SOURCE_DIR "/resources/LOGO.gif";

int WriteToString(GifFileType* gif, const GifByteType* bytes, int length) {
  static_cast<std::string*>(gif->UserData)->append(reinterpret_cast<const char*>(bytes), length);
  return length;
}

// A 2 x 2 GIF whose frames are preceded by control extensions with these delays.
QByteArray GifWithDelays(const std::vector<std::vector<int>>& delaysPerFrame) {
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
  return QByteArray::fromStdString(out);
}

class GifAnimatorTest : public ::testing::Test {
protected:
  GifAnimatorTest() : animator(&parent) {
    EXPECT_TRUE(animator.SetProperty(Text("Image", kLogo.toStdString()), reading));
    EXPECT_TRUE(animator.SetProperty(Flag("Center", true), reading));
    animator.setGeometry(0, 0, 105, 91);
  }
  NoHandlers reading;
  QWidget parent;
  TRxGIFAnimator animator;
};

} // namespace

TEST(GifFrames, FramesMatchQtsOwnGifReaderAndStay150Ms) {
  QFile file(kLogo);
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const GifPicture picture = DecodeGif(file.readAll());
  ASSERT_EQ(picture.frames.size(), 15u);
  EXPECT_EQ(picture.width, 100);
  EXPECT_EQ(picture.height, 91);
  QMovie movie(kLogo);
  ASSERT_TRUE(movie.isValid());
  for (int i = 0; i < 15; ++i) {
    SCOPED_TRACE(i);
    ASSERT_TRUE(movie.jumpToFrame(i));
    const QImage qts = movie.currentImage().convertToFormat(QImage::Format_ARGB32);
    const QImage& ours = picture.frames[static_cast<std::size_t>(i)].image;
    EXPECT_EQ(picture.frames[static_cast<std::size_t>(i)].displayMs, 150);
    for (int y = 0; y < 91; ++y) {
      for (int x = 0; x < 100; ++x) {
        const QRgb a = ours.pixel(x, y);
        const QRgb b = qts.pixel(x, y);
        ASSERT_EQ(qAlpha(a) == 0, qAlpha(b) == 0) << x << "," << y;
        if (qAlpha(a) != 0) {
          ASSERT_EQ(a, b) << x << "," << y;
        }
      }
    }
  }
}

TEST(GifFrames, DisplayTimeIsTheLargestDelayBeforeTheFrameAndNeverZero) {
  const GifPicture picture = DecodeGif(GifWithDelays({{0}, {3}, {2, 7, 4}, {}}));
  ASSERT_EQ(picture.frames.size(), 4u);
  EXPECT_EQ(picture.frames[0].displayMs, 1);
  EXPECT_EQ(picture.frames[1].displayMs, 30);
  EXPECT_EQ(picture.frames[2].displayMs, 70);
  EXPECT_EQ(picture.frames[3].displayMs, 1);
  EXPECT_THROW(DecodeGif("GIF89a, but nothing else"), Exception);
}

TEST_F(GifAnimatorTest, StartsStillOnTheFirstFrameAndTicksRoundAllFifteen) {
  EXPECT_FALSE(animator.Animate());
  EXPECT_EQ(animator.FrameIndex(), 0);
  EXPECT_EQ(animator.FrameCount(), 15);
  animator.SetAnimate(true);
  EXPECT_EQ(animator.TimerInterval(), 150);
  std::vector<int> seen;
  for (int tick = 0; tick < 16; ++tick) {
    animator.Tick();
    seen.push_back(animator.FrameIndex());
    EXPECT_EQ(animator.TimerInterval(), 150);
  }
  EXPECT_EQ(seen, (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 0, 1}));
  EXPECT_TRUE(animator.Animate()); // Loop is on: it never stops by itself
}

TEST_F(GifAnimatorTest, FrameIndexIgnoresTheCurrentAndOutOfRangeIndexes) {
  animator.SetFrameIndex(7);
  EXPECT_EQ(animator.FrameIndex(), 7);
  for (const int ignored : {7, -1, 15, 1000}) {
    animator.SetFrameIndex(ignored);
    EXPECT_EQ(animator.FrameIndex(), 7) << ignored;
  }
  animator.SetFrameIndex(0);
  EXPECT_EQ(animator.FrameIndex(), 0);
}

TEST_F(GifAnimatorTest, ATickDoesNothingWhileTheControlIsHiddenOrWithOneFrame) {
  animator.SetAnimate(true);
  animator.hide();
  animator.Tick();
  EXPECT_EQ(animator.FrameIndex(), 0);
  animator.show();
  animator.Tick();
  EXPECT_EQ(animator.FrameIndex(), 1);

  QFile single(QDir::temp().filePath("varnex-single-frame.gif"));
  ASSERT_TRUE(single.open(QIODevice::WriteOnly));
  single.write(GifWithDelays({{5}}));
  single.close();
  TRxGIFAnimator still(&parent);
  ASSERT_TRUE(still.SetProperty(Text("Image", single.fileName().toStdString()), reading));
  still.SetAnimate(true);
  still.Tick();
  EXPECT_EQ(still.FrameIndex(), 0);
  single.remove();
}

TEST_F(GifAnimatorTest, WithLoopOffTheAnimationStopsBackOnTheFirstFrame) {
  ASSERT_TRUE(animator.SetProperty(Flag("Loop", false), reading));
  animator.SetAnimate(true);
  for (int tick = 0; tick < 15; ++tick) {
    animator.Tick();
  }
  EXPECT_EQ(animator.FrameIndex(), 0);
  EXPECT_FALSE(animator.Animate());
}

TEST_F(GifAnimatorTest, TheCentredFrameLeavesTheGroundShowingThroughItsTransparentPixels) {
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(0, 0, 255));
  parent.setPalette(palette);
  parent.setAutoFillBackground(true);
  parent.resize(105, 91);
  const QImage shot = parent.grab().toImage();
  EXPECT_EQ(shot.pixelColor(0, 0), QColor(0, 0, 255)); // transparent corner: the blue ground
  EXPECT_EQ(shot.pixelColor(104, 90), QColor(0, 0, 255));
  EXPECT_NE(shot.pixelColor(52, 41), QColor(0, 0, 255)); // the emblem's centre, offset by (2, 0)
}
