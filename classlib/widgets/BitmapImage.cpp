#include "classlib/widgets/BitmapImage.h"

#include "classlib/core/Exception.h"

#include <QFile>

#include <cstdint>

namespace {

std::int64_t Le(const QByteArray& b, qsizetype at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) {
    v = v << 8 | static_cast<unsigned char>(b[at + i]);
  }
  return bytes == 4 ? static_cast<std::int32_t>(v) : static_cast<std::int64_t>(v);
}

} // namespace

QImage LoadBitmapImage(const QString& resource) {
  QFile file(resource);
  if (!file.open(QIODevice::ReadOnly)) {
    throw Exception("Bitmap " + resource.toStdString() + " is missing");
  }
  const QByteArray bmp = file.readAll();
  const auto fail = [&] {
    throw Exception("Bitmap " + resource.toStdString() + " is not an uncompressed 24-bit bitmap");
  };
  if (bmp.size() < 54 || !bmp.startsWith("BM") || Le(bmp, 14, 4) < 40 || Le(bmp, 26, 2) != 1 ||
      Le(bmp, 28, 2) != 24 || Le(bmp, 30, 4) != 0) {
    fail();
  }
  const std::int64_t width = Le(bmp, 18, 4);
  const std::int64_t height = Le(bmp, 22, 4); // positive: rows bottom-up
  const std::int64_t offset = Le(bmp, 10, 4);
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
