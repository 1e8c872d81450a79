#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  std::uint32_t v = 0;
  for (int i = 3; i >= 0; --i) {
    v = v << 8 | static_cast<unsigned char>(b.at(at + i));
  }
  return v;
}

using Rgb = std::array<int, 3>;

// Pixel (x, y), top row 0, of the 24-bit bottom-up bitmap.
Rgb At(const std::string& bmp, int x, int y) {
  const std::size_t at = 54 + static_cast<std::size_t>(16 - y) * 204 + x * 3;
  return {static_cast<unsigned char>(bmp[at + 2]), static_cast<unsigned char>(bmp[at + 1]),
          static_cast<unsigned char>(bmp[at])};
}

const std::string kOk = ReadFile(VARNEX_SOURCE_DIR "/resources/OK.bmp");

} // namespace

TEST(OkPicture, IsAnUncompressed24BitBitmapOf67By17) {
  ASSERT_EQ(kOk.size(), 54u + 204u * 17u);
  EXPECT_EQ(kOk.substr(0, 2), "BM");
  EXPECT_EQ(U32(kOk, 2), kOk.size());
  EXPECT_EQ(U32(kOk, 10), 54u);
  EXPECT_EQ(U32(kOk, 14), 40u);
  EXPECT_EQ(U32(kOk, 18), 67u);
  EXPECT_EQ(U32(kOk, 22), 17u);
  EXPECT_EQ(U32(kOk, 26) & 0xFFFF, 1u); // planes
  EXPECT_EQ(U32(kOk, 26) >> 16, 24u);   // bits per pixel
  EXPECT_EQ(U32(kOk, 30), 0u);          // uncompressed
}

TEST(OkPicture, FieldDottedRingAndWhiteLetters) {
  ASSERT_EQ(kOk.size(), 54u + 204u * 17u);
  const Rgb grey{64, 64, 64}, black{0, 0, 0}, white{255, 255, 255}, field{1, 1, 1};
  for (int x = 0; x < 67; ++x) {
    for (int y = 0; y < 17; ++y) {
      const bool ring = x == 0 || y == 0 || x == 66 || y == 16;
      const bool letters = y >= 4 && y <= 12 && ((x >= 27 && x <= 32) || (x >= 35 && x <= 40));
      const Rgb p = At(kOk, x, y);
      if (ring) {
        EXPECT_EQ(p, (x + y) % 2 == 0 ? grey : black) << x << "," << y;
      } else if (!letters) {
        EXPECT_EQ(p, field) << x << "," << y;
      } else {
        EXPECT_TRUE(p == white || p == field) << x << "," << y;
      }
    }
  }
  EXPECT_EQ(At(kOk, 0, 16), grey); // the bottom-left pixel, the button's transparent colour
  // O: closed left and right strokes, open corners; K: a full stem.
  for (int y = 5; y <= 11; ++y) {
    EXPECT_EQ(At(kOk, 27, y), white);
    EXPECT_EQ(At(kOk, 32, y), white);
  }
  EXPECT_EQ(At(kOk, 27, 4), field);
  EXPECT_EQ(At(kOk, 28, 4), white);
  for (int y = 4; y <= 12; ++y) {
    EXPECT_EQ(At(kOk, 35, y), white);
  }
  EXPECT_EQ(At(kOk, 40, 4), white);
  EXPECT_EQ(At(kOk, 40, 12), white);
}
