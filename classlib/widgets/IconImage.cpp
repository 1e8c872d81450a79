#include "classlib/widgets/IconImage.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/ResourceBytes.h"

TPicture DecodeIcon(const std::string& icon, const std::string& name) {
  const auto U16 = [&](std::size_t at) { return LittleEndian(icon, at, 2); };
  const auto U32 = [&](std::size_t at) { return LittleEndian(icon, at, 4); };
  constexpr int kSize = 32;
  constexpr std::size_t kImage = 22;
  constexpr std::size_t kPalette = kImage + 40;
  constexpr std::size_t kColours = kPalette + 16 * 4;
  constexpr std::size_t kMask = kColours + kSize * kSize / 2;
  if (icon.size() < kMask + kSize * kSize / 8 || U16(2) != 1 || U16(4) != 1 || U32(18) != kImage ||
      U32(kImage + 4) != kSize || U16(kImage + 14) != 4 || U32(kImage + 16) != 0) {
    throw Exception("Icon " + name + " is not a 32 x 32, 16-colour icon");
  }
  TPicture picture{kSize, kSize, {}};
  picture.pixels.reserve(kSize * kSize);
  for (int y = 0; y < kSize; ++y) {
    const auto row = static_cast<std::size_t>(kSize - 1 - y); // rows are stored bottom-up
    for (int x = 0; x < kSize; ++x) {
      const auto column = static_cast<std::size_t>(x);
      const auto pair = static_cast<unsigned char>(icon[kColours + row * kSize / 2 + column / 2]);
      const unsigned index = x % 2 == 0 ? pair >> 4 : pair & 0xFu;
      const auto maskBits = static_cast<unsigned char>(icon[kMask + row * kSize / 8 + column / 8]);
      const bool transparent = ((maskBits >> (7 - x % 8)) & 1) != 0;
      const std::uint32_t bgr = U32(kPalette + index * 4);
      picture.pixels.push_back(transparent ? 0u : 0xFF000000u | (bgr & 0xFFFFFFu));
    }
  }
  return picture;
}

TPicture LoadIconImage(const std::string& resource) {
  return DecodeIcon(ReadResource(resource, "Icon"), resource);
}
