#include "classlib/widgets/IconImage.h"

#include "classlib/core/Exception.h"

#include "classlib/widgets/ResourceBytes.h"

QImage LoadIconImage(const QString& resource) {
  const QByteArray icon = ReadResource(resource, "Icon");
  const auto U16 = [&](qsizetype at) { return LittleEndian(icon, at, 2); };
  const auto U32 = [&](qsizetype at) { return LittleEndian(icon, at, 4); };
  constexpr int kSize = 32;
  constexpr qsizetype kImage = 22;
  constexpr qsizetype kPalette = kImage + 40;
  constexpr qsizetype kColours = kPalette + 16 * 4;
  constexpr qsizetype kMask = kColours + kSize * kSize / 2;
  if (icon.size() < kMask + kSize * kSize / 8 || U16(2) != 1 || U16(4) != 1 || U32(18) != kImage ||
      U32(kImage + 4) != kSize || U16(kImage + 14) != 4 || U32(kImage + 16) != 0) {
    throw Exception("Icon " + resource.toStdString() + " is not a 32 x 32, 16-colour icon");
  }
  QImage image(kSize, kSize, QImage::Format_ARGB32);
  for (int y = 0; y < kSize; ++y) {
    const int row = kSize - 1 - y; // rows are stored bottom-up
    for (int x = 0; x < kSize; ++x) {
      const auto pair = static_cast<unsigned char>(icon[kColours + row * kSize / 2 + x / 2]);
      const int index = x % 2 == 0 ? pair >> 4 : pair & 0xF;
      const auto maskBits = static_cast<unsigned char>(icon[kMask + row * kSize / 8 + x / 8]);
      const bool transparent = ((maskBits >> (7 - x % 8)) & 1) != 0;
      const std::uint32_t bgr = U32(kPalette + index * 4);
      image.setPixel(x, y, transparent ? 0u : 0xFF000000u | (bgr & 0xFFFFFFu));
    }
  }
  return image;
}
