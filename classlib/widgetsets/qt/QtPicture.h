#pragma once

#include "classlib/widgets/Graphics.h"

#include <QImage>

// The picture as a Qt image sharing its pixels: valid while the picture lives unchanged.
inline QImage ToQImage(const TPicture& picture) {
  // Every pixel is either opaque or 0, so the pixels are already premultiplied.
  return QImage(reinterpret_cast<const uchar*>(picture.pixels.data()), picture.width,
                picture.height, picture.width * 4, QImage::Format_ARGB32_Premultiplied);
}
