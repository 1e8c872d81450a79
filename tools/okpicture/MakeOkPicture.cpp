// Draws the About window's OK picture: 67 x 17 pixels, 24-bit, uncompressed Windows bitmap.
// A near-black field, a ring of alternating dark grey and black pixels (grey where column
// plus row is even), and a white O and K, 9 pixels high with one-pixel strokes.
// Usage: make_ok_picture OUT.bmp
#include "tools/LittleEndian.h"

#include <array>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

namespace {

constexpr int kWidth = 67;
constexpr int kHeight = 17;
constexpr int kLetterTop = 4;

// Each letter is 6 columns by 9 rows; '#' is a white pixel.
constexpr std::array<const char*, 9> kO = {".####.", "#....#", "#....#", "#....#", "#....#",
                                           "#....#", "#....#", "#....#", ".####."};
constexpr std::array<const char*, 9> kK = {"#....#", "#...#.", "#..#..", "#.#...", "##....",
                                           "#.#...", "#..#..", "#...#.", "#....#"};

struct Rgb {
  std::uint8_t r, g, b;
};

Rgb PixelAt(int x, int y) {
  const auto letter = [&](const std::array<const char*, 9>& glyph, int left) {
    const int row = y - kLetterTop;
    const int column = x - left;
    return row >= 0 && row < 9 && column >= 0 && column < 6 && glyph[row][column] == '#';
  };
  if (letter(kO, 27) || letter(kK, 35)) {
    return {255, 255, 255};
  }
  if (x == 0 || y == 0 || x == kWidth - 1 || y == kHeight - 1) {
    return (x + y) % 2 == 0 ? Rgb{64, 64, 64} : Rgb{0, 0, 0};
  }
  return {1, 1, 1};
}

} // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: make_ok_picture OUT.bmp\n");
    return 2;
  }
  const int stride = (kWidth * 3 + 3) / 4 * 4;
  const std::uint32_t pixelBytes = stride * kHeight;
  std::string bmp = "BM";
  Put32(bmp, 14 + 40 + pixelBytes); // file size
  Put32(bmp, 0);                    // reserved
  Put32(bmp, 14 + 40);              // where the pixels start
  Put32(bmp, 40);                   // BITMAPINFOHEADER
  Put32(bmp, kWidth);
  Put32(bmp, kHeight); // positive: rows bottom-up
  Put16(bmp, 1);       // planes
  Put16(bmp, 24);      // bits per pixel
  Put32(bmp, 0);       // uncompressed
  Put32(bmp, pixelBytes);
  Put32(bmp, 0); // resolution and colour counts unused
  Put32(bmp, 0);
  Put32(bmp, 0);
  Put32(bmp, 0);
  for (int y = kHeight - 1; y >= 0; --y) {
    std::string row;
    for (int x = 0; x < kWidth; ++x) {
      const Rgb p = PixelAt(x, y);
      row += static_cast<char>(p.b);
      row += static_cast<char>(p.g);
      row += static_cast<char>(p.r);
    }
    row.resize(stride, '\0');
    bmp += row;
  }
  std::ofstream out(argv[1], std::ios::binary | std::ios::trunc);
  out.write(bmp.data(), static_cast<std::streamsize>(bmp.size()));
  return out ? 0 : 1;
}
