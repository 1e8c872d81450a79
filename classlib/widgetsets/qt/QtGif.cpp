#include "classlib/widgetsets/qt/QtGif.h"

#include "classlib/core/Exception.h"

#include <gif_lib.h>

#include <algorithm>
#include <cstring>
#include <memory>

namespace {

struct Source {
  std::string_view data;
  std::size_t position = 0;
};

int ReadFromMemory(GifFileType* gif, GifByteType* buffer, int length) {
  auto* source = static_cast<Source*>(gif->UserData);
  const std::size_t count =
      std::min(static_cast<std::size_t>(length), source->data.size() - source->position);
  std::memcpy(buffer, source->data.data() + source->position, count);
  source->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const { DGifCloseFile(gif, nullptr); }
};

} // namespace

std::vector<TGifFrame> DecodeGifFrames(std::string_view data) {
  Source source{data};
  int error = 0;
  std::unique_ptr<GifFileType, GifCloser> gif(DGifOpen(&source, ReadFromMemory, &error));
  if (gif == nullptr || DGifSlurp(gif.get()) != GIF_OK || gif->ImageCount == 0) {
    throw Exception("The picture is not a readable GIF");
  }
  const int width = gif->SWidth;
  const int height = gif->SHeight;
  std::vector<TGifFrame> frames;
  for (int i = 0; i < gif->ImageCount; ++i) {
    const SavedImage& saved = gif->SavedImages[i];
    TGifFrame frame;
    int transparent = NO_TRANSPARENT_COLOR;
    for (int e = 0; e < saved.ExtensionBlockCount; ++e) {
      GraphicsControlBlock control{};
      const ExtensionBlock& block = saved.ExtensionBlocks[e];
      if (block.Function == GRAPHICS_EXT_FUNC_CODE &&
          DGifExtensionToGCB(block.ByteCount, block.Bytes, &control) == GIF_OK) {
        frame.delays.push_back(control.DelayTime);
        transparent = control.TransparentColor;
      }
    }
    const ColorMapObject* map =
        saved.ImageDesc.ColorMap ? saved.ImageDesc.ColorMap : gif->SColorMap;
    if (map == nullptr) {
      throw Exception("The picture has a frame without colours");
    }
    // The frame's own box on a transparent canvas of the picture's size.
    const GifImageDesc& box = saved.ImageDesc;
    frame.picture = {width, height,
                     std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0u)};
    for (int y = 0; y < box.Height; ++y) {
      for (int x = 0; x < box.Width; ++x) {
        const int index = saved.RasterBits[y * box.Width + x];
        const int cx = box.Left + x;
        const int cy = box.Top + y;
        if (index == transparent || index >= map->ColorCount || cx >= width || cy >= height) {
          continue;
        }
        const GifColorType& c = map->Colors[index];
        frame.picture.pixels[static_cast<std::size_t>(cy * width + cx)] =
            0xFF000000u | std::uint32_t{c.Red} << 16 | std::uint32_t{c.Green} << 8 | c.Blue;
      }
    }
    frames.push_back(std::move(frame));
  }
  return frames;
}
