#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct TPoint {
  int x = 0;
  int y = 0;
  friend bool operator==(const TPoint&, const TPoint&) = default;
};

struct TSize {
  int width = 0;
  int height = 0;
  friend bool operator==(const TSize&, const TSize&) = default;
};

struct TRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const TRect&, const TRect&) = default;
};

// 0xRRGGBB.
using TColor = std::uint32_t;

// A font as form data declares it. The height is the character height in pixels.
struct TFont {
  std::string name = "MS Sans Serif";
  int height = 11;
  TColor colour = 0x000000;
  friend bool operator==(const TFont&, const TFont&) = default;
};

enum class TAlignment { taLeftJustify, taCenter, taRightJustify };
enum class TTextLayout { tlTop, tlCenter, tlBottom };

// A picture, rows from the top, each pixel 0xAARRGGBB with alpha 0 (transparent) or 255.
struct TPicture {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> pixels;

  std::uint32_t Pixel(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
  }
};
