// Turns a 32 x 32 grid of palette digits into a 16-colour Windows icon file with a
// transparency mask. In the grid, 0-9 and A-F pick a colour of the standard 16-colour
// palette and '.' is transparent. Usage: make_icon GRID.txt OUT.ico
#include "tools/LittleEndian.h"

#include <algorithm>
#include <cstdint>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kSize = 32;
constexpr std::uint8_t kPalette[16][3] = {
    {0, 0, 0},     {128, 0, 0},     {0, 128, 0},     {128, 128, 0},  {0, 0, 128}, {128, 0, 128},
    {0, 128, 128}, {192, 192, 192}, {128, 128, 128}, {255, 0, 0},    {0, 255, 0}, {255, 255, 0},
    {0, 0, 255},   {255, 0, 255},   {0, 255, 255},   {255, 255, 255}};

} // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::cerr << "usage: make_icon GRID.txt OUT.ico\n";
    return 2;
  }
  std::ifstream in(argv[1]);
  std::vector<std::string> grid;
  for (std::string line; std::getline(in, line);) {
    grid.push_back(line);
  }
  if (grid.size() != kSize) {
    std::cerr << argv[1] << ": " << grid.size() << " rows, 32 expected\n";
    return 1;
  }
  std::vector<int> index(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    if (grid[y].size() != kSize) {
      std::cerr << argv[1] << ":" << y + 1 << ": 32 columns expected\n";
      return 1;
    }
    for (int x = 0; x < kSize; ++x) {
      const char c = grid[y][x];
      const std::string digits = "0123456789ABCDEF";
      const auto found = digits.find(c);
      if (c != '.' && found == std::string::npos) {
        std::cerr << argv[1] << ":" << y + 1 << ": '" << c << "' is no palette digit\n";
        return 1;
      }
      index[y * kSize + x] = c == '.' ? -1 : static_cast<int>(found);
    }
  }

  std::string image;
  Put32(image, 40);        // BITMAPINFOHEADER size
  Put32(image, kSize);     // width
  Put32(image, 2 * kSize); // height: colour image and mask
  Put16(image, 1);         // planes
  Put16(image, 4);         // bits per pixel
  Put32(image, 0);         // no compression
  Put32(image, 512 + 128); // colour image and mask bytes
  for (int i = 0; i < 4; ++i) {
    Put32(image, 0); // resolution and colour counts unused
  }
  for (const auto& rgb : kPalette) {
    image += static_cast<char>(rgb[2]);
    image += static_cast<char>(rgb[1]);
    image += static_cast<char>(rgb[0]);
    image += '\0';
  }
  // Rows bottom-up; two pixels a byte, the left one in the high nibble.
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 2) {
      const int left = std::max(index[y * kSize + x], 0);
      const int right = std::max(index[y * kSize + x + 1], 0);
      image += static_cast<char>((left << 4) | right);
    }
  }
  // The mask: a set bit is a transparent pixel, the leftmost pixel in the high bit.
  for (int y = kSize - 1; y >= 0; --y) {
    for (int x = 0; x < kSize; x += 8) {
      int bits = 0;
      for (int bit = 0; bit < 8; ++bit) {
        bits = (bits << 1) | (index[y * kSize + x + bit] < 0 ? 1 : 0);
      }
      image += static_cast<char>(bits);
    }
  }

  std::string file;
  Put16(file, 0); // reserved
  Put16(file, 1); // an icon
  Put16(file, 1); // one image
  file += static_cast<char>(kSize);
  file += static_cast<char>(kSize);
  file += static_cast<char>(16); // colours
  file += '\0';
  Put16(file, 1); // planes
  Put16(file, 4); // bits per pixel
  Put32(file, static_cast<std::uint32_t>(image.size()));
  Put32(file, 22); // the image follows the header and the one directory entry
  file += image;

  std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
  out.write(file.data(), static_cast<std::streamsize>(file.size()));
  return out ? 0 : 1;
}
