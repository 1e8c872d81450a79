#include "classlib/widgets/BitmapImage.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/ResourceBytes.h"

#include <cstdint>

TPicture DecodeBitmap(const std::string& bmp, const std::string& name) {
  const auto Le = [&](std::size_t at, int size) -> std::int64_t {
    const std::uint32_t value = LittleEndian(bmp, at, size);
    return size == 4 ? static_cast<std::int32_t>(value) : static_cast<std::int64_t>(value);
  };
  const auto fail = [&] {
    throw Exception("Bitmap " + name + " is not an uncompressed 24-bit bitmap");
  };
  if (bmp.size() < 54 || bmp.compare(0, 2, "BM") != 0 || Le(14, 4) < 40 || Le(26, 2) != 1 ||
      Le(28, 2) != 24 || Le(30, 4) != 0) {
    fail();
  }
  const std::int64_t width = Le(18, 4);
  const std::int64_t height = Le(22, 4); // positive: rows bottom-up
  const std::int64_t offset = Le(10, 4);
  const std::int64_t stride = (width * 3 + 3) / 4 * 4;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || offset < 54 ||
      offset + stride * height > static_cast<std::int64_t>(bmp.size())) {
    fail();
  }
  TPicture picture{static_cast<int>(width), static_cast<int>(height), {}};
  picture.pixels.reserve(static_cast<std::size_t>(width * height));
  for (std::int64_t y = 0; y < height; ++y) {
    const char* row = bmp.data() + offset + (height - 1 - y) * stride;
    for (std::int64_t x = 0; x < width; ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(row + 3 * x);
      picture.pixels.push_back(0xFF000000u | std::uint32_t{p[2]} << 16 | std::uint32_t{p[1]} << 8 |
                               p[0]);
    }
  }
  return picture;
}

TPicture LoadBitmapImage(const std::string& resource) {
  return DecodeBitmap(ReadResource(resource, "Bitmap"), resource);
}
