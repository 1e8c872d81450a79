#include "classlib/widgets/GifFrames.h"

#include "classlib/core/Exception.h"

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
    QImage image(picture.width, picture.height, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    const GifImageDesc& box = saved.ImageDesc;
    for (int y = 0; y < box.Height; ++y) {
      for (int x = 0; x < box.Width; ++x) {
        const int index = saved.RasterBits[y * box.Width + x];
        const int px = box.Left + x;
        const int py = box.Top + y;
        if (index == transparent || index >= map->ColorCount || px >= picture.width ||
            py >= picture.height) {
          continue;
        }
        const GifColorType& c = map->Colors[index];
        image.setPixel(px, py, qRgb(c.Red, c.Green, c.Blue));
      }
    }
    picture.frames.push_back({image, std::max(1, 10 * delay)});
  }
  return picture;
}
