// The logo's file structure, byte by byte, and where its frames draw.
#include <gif_lib.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

unsigned Byte(const std::string& b, std::size_t at) { return static_cast<unsigned char>(b.at(at)); }
unsigned U16(const std::string& b, std::size_t at) { return Byte(b, at) | Byte(b, at + 1) << 8; }

// Skips a chain of data sub-blocks starting at `at`; returns the position after its end.
std::size_t SkipSubBlocks(const std::string& b, std::size_t at) {
  while (Byte(b, at) != 0) {
    at += 1 + Byte(b, at);
  }
  return at + 1;
}

int TransparentIndex(int frame) {
  return frame == 3 ? 246 : frame == 4 ? 219 : frame == 11 ? 218 : 255;
}

const std::string kLogo = ReadFile(VARNEX_SOURCE_DIR "/resources/LOGO.gif");

} // namespace

TEST(Logo, HeaderScreenAndLoopExtension) {
  const std::string& gif = kLogo;
  ASSERT_GT(gif.size(), 13u + 768u + 19u);
  EXPECT_EQ(gif.substr(0, 6), "GIF89a");
  EXPECT_EQ(U16(gif, 6), 100u);
  EXPECT_EQ(U16(gif, 8), 91u);
  EXPECT_EQ(Byte(gif, 10) & 0x80, 0x80u); // global colour table
  EXPECT_EQ(Byte(gif, 10) & 0x07, 7u);    // of 256 entries
  EXPECT_EQ(Byte(gif, 11), 0u);           // background index
  EXPECT_EQ(Byte(gif, 12), 0u);           // aspect ratio byte
  const std::size_t ext = 13 + 768;
  EXPECT_EQ(gif.substr(ext, 3), std::string("\x21\xFF\x0B", 3));
  EXPECT_EQ(gif.substr(ext + 3, 11), "NETSCAPE2.0");
  EXPECT_EQ(gif.substr(ext + 14, 5), std::string("\x03\x01\x00\x00\x00", 5)); // loop count 0
}

TEST(Logo, FifteenInterlacedFullFramesEachAfterItsControlExtension) {
  const std::string& gif = kLogo;
  std::size_t at = 13 + 768 + 19;
  int frame = 0;
  while (Byte(gif, at) != 0x3B) {
    SCOPED_TRACE(frame);
    ASSERT_LT(frame, 15);
    ASSERT_EQ(Byte(gif, at), 0x21u);
    ASSERT_EQ(Byte(gif, at + 1), 0xF9u); // only control extensions between frames
    ASSERT_EQ(Byte(gif, at + 2), 4u);
    const unsigned packed = Byte(gif, at + 3);
    EXPECT_EQ((packed >> 2) & 7, 2u); // restore to background
    EXPECT_EQ(packed & 2, 0u);        // no user input
    EXPECT_EQ(packed & 1, 1u);        // a transparent colour
    EXPECT_EQ(U16(gif, at + 4), 15u); // 15 hundredths of a second
    EXPECT_EQ(Byte(gif, at + 6), static_cast<unsigned>(TransparentIndex(frame)));
    EXPECT_EQ(Byte(gif, at + 7), 0u);
    at += 8;
    ASSERT_EQ(Byte(gif, at), 0x2Cu);
    EXPECT_EQ(U16(gif, at + 1), 0u);
    EXPECT_EQ(U16(gif, at + 3), 0u);
    EXPECT_EQ(U16(gif, at + 5), 100u);
    EXPECT_EQ(U16(gif, at + 7), 91u);
    const unsigned image = Byte(gif, at + 9);
    EXPECT_EQ(image & 0x40, 0x40u); // interlaced
    const bool local = (image & 0x80) != 0;
    EXPECT_EQ(local, frame < 14);
    at += 10;
    if (local) {
      EXPECT_EQ(image & 7, 7u); // 256 entries
      at += 768;
    }
    EXPECT_EQ(Byte(gif, at), 8u); // LZW minimum code size
    at = SkipSubBlocks(gif, at + 1);
    ++frame;
  }
  EXPECT_EQ(frame, 15);
  EXPECT_EQ(at + 1, gif.size());
}

TEST(Logo, EveryFrameDrawsOnlyInsideItsBox) {
  int error = 0;
  GifFileType* gif = DGifOpenFileName(VARNEX_SOURCE_DIR "/resources/LOGO.gif", &error);
  ASSERT_NE(gif, nullptr);
  ASSERT_EQ(DGifSlurp(gif), GIF_OK);
  ASSERT_EQ(gif->ImageCount, 15);
  for (int frame = 0; frame < 15; ++frame) {
    const SavedImage& image = gif->SavedImages[frame];
    int drawn = 0;
    for (int y = 0; y < 91; ++y) {
      for (int x = 0; x < 100; ++x) {
        const bool transparent = image.RasterBits[y * 100 + x] == TransparentIndex(frame);
        const bool inside = x >= 10 && x <= 89 && y >= 11 && y <= 70;
        EXPECT_TRUE(transparent || inside) << "frame " << frame << " draws at " << x << "," << y;
        drawn += transparent ? 0 : 1;
      }
    }
    EXPECT_GT(drawn, 300) << "frame " << frame;
  }
  DGifCloseFile(gif, &error);
}
