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

unsigned U16(const std::string& b, std::size_t at) {
  return static_cast<unsigned char>(b[at]) | static_cast<unsigned char>(b[at + 1]) << 8;
}

std::uint32_t U32(const std::string& b, std::size_t at) {
  return U16(b, at) | static_cast<std::uint32_t>(U16(b, at + 2)) << 16;
}

// The palette index of pixel (x, y), top row 0, and whether the mask makes it transparent.
struct Pixel {
  int index;
  bool transparent;
};
Pixel At(const std::string& icon, int x, int y) {
  const std::size_t colours = 22 + 40 + 64;
  const std::size_t mask = colours + 512;
  const int row = 31 - y; // rows are stored bottom-up
  const auto byte = static_cast<unsigned char>(icon[colours + row * 16 + x / 2]);
  const auto bits = static_cast<unsigned char>(icon[mask + row * 4 + x / 8]);
  return {x % 2 == 0 ? byte >> 4 : byte & 0xF, ((bits >> (7 - x % 8)) & 1) != 0};
}

} // namespace

TEST(Icon, IsOne744ByteSixteenColourImageWithAMask) {
  const std::string icon = ReadFile(VARNEX_SOURCE_DIR "/resources/MAINICON.ico");
  ASSERT_EQ(icon.size(), 766u);
  EXPECT_EQ(U16(icon, 0), 0u); // reserved
  EXPECT_EQ(U16(icon, 2), 1u); // an icon
  EXPECT_EQ(U16(icon, 4), 1u); // one image
  EXPECT_EQ(static_cast<unsigned char>(icon[6]), 32);
  EXPECT_EQ(static_cast<unsigned char>(icon[7]), 32);
  EXPECT_EQ(static_cast<unsigned char>(icon[8]), 16);
  EXPECT_EQ(U16(icon, 10), 1u); // planes
  EXPECT_EQ(U16(icon, 12), 4u); // bits per pixel
  EXPECT_EQ(U32(icon, 14), 744u);
  EXPECT_EQ(U32(icon, 18), 22u);

  EXPECT_EQ(U32(icon, 22), 40u);                       // BITMAPINFOHEADER
  EXPECT_EQ(U32(icon, 26), 32u);                       // width
  EXPECT_EQ(U32(icon, 30), 64u);                       // colour image and mask
  EXPECT_EQ(U16(icon, 36), 4u);                        // bits per pixel
  EXPECT_EQ(U32(icon, 38), 0u);                        // uncompressed
  EXPECT_EQ(U32(icon, 22 + 40 + 7 * 4), 0x00C0C0C0u);  // standard palette: silver
  EXPECT_EQ(U32(icon, 22 + 40 + 15 * 4), 0x00FFFFFFu); // and white
}

TEST(Icon, ShowsAWhiteCardWithABlackOutlineOnATransparentGround) {
  const std::string icon = ReadFile(VARNEX_SOURCE_DIR "/resources/MAINICON.ico");
  ASSERT_EQ(icon.size(), 766u);
  for (const auto& [x, y] : {std::pair{0, 0}, {31, 31}, {1, 5}, {30, 26}}) {
    EXPECT_TRUE(At(icon, x, y).transparent) << x << "," << y;
  }
  EXPECT_EQ(At(icon, 15, 5).index, 0);   // outline
  EXPECT_EQ(At(icon, 20, 10).index, 15); // white card
  EXPECT_EQ(At(icon, 5, 9).index, 0);    // black photo field
  EXPECT_EQ(At(icon, 8, 17).index, 7);   // grey figure
  EXPECT_FALSE(At(icon, 20, 10).transparent);
}
