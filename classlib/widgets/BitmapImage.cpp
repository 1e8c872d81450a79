#include "classlib/widgets/BitmapImage.h"

#include "classlib/core/Exception.h"

#include "classlib/widgets/ResourceBytes.h"

#include <cstdint>

QImage LoadBitmapImage(const QString& resource) {
  const QByteArray bmp = ReadResource(resource, "Bitmap");
  const auto Le = [&](qsizetype at, int size) -> std::int64_t {
    const std::uint32_t value = LittleEndian(bmp, at, size);
    return size == 4 ? static_cast<std::int32_t>(value) : static_cast<std::int64_t>(value);
  };
  const auto fail = [&] {
    throw Exception("Bitmap " + resource.toStdString() + " is not an uncompressed 24-bit bitmap");
  };
  if (bmp.size() < 54 || !bmp.startsWith("BM") || Le(14, 4) < 40 || Le(26, 2) != 1 ||
      Le(28, 2) != 24 || Le(30, 4) != 0) {
    fail();
  }
  const std::int64_t width = Le(18, 4);
  const std::int64_t height = Le(22, 4); // positive: rows bottom-up
  const std::int64_t offset = Le(10, 4);
  const std::int64_t stride = (width * 3 + 3) / 4 * 4;
  if (width <= 0 || height <= 0 || width > 4096 || height > 4096 || offset < 54 ||
      offset + stride * height > bmp.size()) {
    fail();
  }
  QImage image(static_cast<int>(width), static_cast<int>(height), QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    const char* row = bmp.constData() + offset + (height - 1 - y) * stride;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      const auto* p = reinterpret_cast<const unsigned char*>(row + 3 * x);
      line[x] = qRgb(p[2], p[1], p[0]);
    }
  }
  return image;
}
