#include "classlib/widgets/GifFrames.h"

#include "classlib/core/Exception.h"

#include <QPainter>

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct Source {
  const QByteArray& data;
  qsizetype position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<Source*>(gif->UserData);
  const auto count =
      static_cast<int>(std::min<qsizetype>(length, source->data.size() - source->position));
  std::memcpy(buffer, source->data.constData() + source->position, static_cast<std::size_t>(count));
  source->position += count;
  return count;
}

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

} // namespace

GifPicture DecodeGif(const QByteArray& data) {
  Source source{data};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
  if (gif == nullptr || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount == 0) {
    throw Exception("The picture is not a readable GIF");
  }
  GifPicture picture;
  picture.width = gif->SWidth;
  picture.height = gif->SHeight;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& saved = gif->SavedImages[i];
    int delay = 0;
    int transparent = NO_TRANSPARENT_COLOR;
    for (int e = 0; e < saved.ExtensionBlockCount; ++e) {
      GraphicsControlBlock control{};
      const ExtensionBlock& block = saved.ExtensionBlocks[e];
      if (block.Function == GRAPHICS_EXT_FUNC_CODE &&
          DGifExtensionToGCB(block.ByteCount, block.Bytes, &control) == GIF_OK) {
        delay = std::max(delay, control.DelayTime);
        transparent = control.TransparentColor;
      }
    }
    const ColorMapObject* map =
        saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
    if (map == nullptr) {
      throw Exception("The picture has a frame without colours");
    }
    // The frame's own box as indexed pixels, its transparent entry fully transparent.
    const GifImageDesc& box = saved.ImageDesc;
    QList<QRgb> table(256, qRgba(0, 0, 0, 0));
    for (int c = 0; c < std::min(map->ColorCount, 256); ++c) {
      if (c != transparent) {
        table[c] = qRgb(map->Colors[c].Red, map->Colors[c].Green, map->Colors[c].Blue);
      }
    }
    QImage indexed(box.Width, box.Height, QImage::Format_Indexed8);
    indexed.setColorTable(table);
    for (int y = 0; y < box.Height; ++y) {
      std::memcpy(indexed.scanLine(y), saved.RasterBits + y * box.Width,
                  static_cast<std::size_t>(box.Width));
    }
    QImage image;
    if (box.Left == 0 && box.Top == 0 && box.Width == picture.width &&
        box.Height == picture.height) {
      image = indexed.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    } else {
      image = QImage(picture.width, picture.height, QImage::Format_ARGB32_Premultiplied);
      image.fill(Qt::transparent);
      QPainter painter(&image);
      painter.drawImage(box.Left, box.Top, indexed);
    }
    picture.frames.push_back({image, std::max(1, 10 * delay)});
  }
  return picture;
}
