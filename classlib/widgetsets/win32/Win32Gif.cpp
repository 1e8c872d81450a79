#include "classlib/widgetsets/win32/Win32Gif.h"

#include "classlib/core/Exception.h"

#include <objbase.h>
#include <wincodec.h>

#include <vector>

namespace {

// Releases a COM interface at the end of its scope.
template <class T> class Com {
public:
  Com() = default;
  Com(const Com&) = delete;
  Com& operator=(const Com&) = delete;
  ~Com() {
    if (pointer_ != nullptr) {
      pointer_->Release();
    }
  }
  T** operator&() { return &pointer_; }
  T* operator->() const { return pointer_; }
  T* get() const { return pointer_; }

private:
  T* pointer_ = nullptr;
};

void Check(HRESULT result) {
  if (FAILED(result)) {
    throw Exception("The picture is not a readable GIF");
  }
}

// A number from the frame's metadata, or fallback where it has none.
unsigned Number(IWICMetadataQueryReader* reader, const wchar_t* name, unsigned fallback) {
  PROPVARIANT value;
  PropVariantInit(&value);
  unsigned number = fallback;
  if (reader != nullptr && SUCCEEDED(reader->GetMetadataByName(name, &value))) {
    switch (value.vt) {
    case VT_UI1:
      number = value.bVal;
      break;
    case VT_UI2:
      number = value.uiVal;
      break;
    case VT_BOOL:
      number = value.boolVal != 0 ? 1u : 0u;
      break;
    default:
      break;
    }
  }
  PropVariantClear(&value);
  return number;
}

bool Has(IWICMetadataQueryReader* reader, const wchar_t* name) {
  PROPVARIANT value;
  PropVariantInit(&value);
  const bool found = reader != nullptr && SUCCEEDED(reader->GetMetadataByName(name, &value));
  PropVariantClear(&value);
  return found;
}

// COM for this thread, for as long as the decoding takes.
class ComThread {
public:
  ComThread() : started_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) {}
  ComThread(const ComThread&) = delete;
  ComThread& operator=(const ComThread&) = delete;
  ~ComThread() {
    if (started_) {
      CoUninitialize();
    }
  }

private:
  bool started_;
};

} // namespace

std::vector<TGifFrame> DecodeGifFrames(std::string_view data) {
  const ComThread com;
  Com<IWICImagingFactory> factory;
  Check(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER,
                         IID_PPV_ARGS(&factory)));
  Com<IWICStream> stream;
  Check(factory->CreateStream(&stream));
  Check(stream->InitializeFromMemory(reinterpret_cast<BYTE*>(const_cast<char*>(data.data())),
                                     static_cast<DWORD>(data.size())));
  Com<IWICBitmapDecoder> decoder;
  Check(factory->CreateDecoderFromStream(stream.get(), &GUID_ContainerFormatGif,
                                         WICDecodeMetadataCacheOnLoad, &decoder));
  Com<IWICMetadataQueryReader> screen;
  Check(decoder->GetMetadataQueryReader(&screen));
  const int width = static_cast<int>(Number(screen.get(), L"/logscrdesc/Width", 0));
  const int height = static_cast<int>(Number(screen.get(), L"/logscrdesc/Height", 0));
  UINT count = 0;
  Check(decoder->GetFrameCount(&count));
  if (count == 0 || width <= 0 || height <= 0) {
    Check(E_FAIL);
  }

  std::vector<TGifFrame> frames;
  for (UINT i = 0; i < count; ++i) {
    Com<IWICBitmapFrameDecode> source;
    Check(decoder->GetFrame(i, &source));
    Com<IWICMetadataQueryReader> reader;
    source->GetMetadataQueryReader(&reader);
    TGifFrame frame;
    if (Has(reader.get(), L"/grctlext/Delay")) {
      frame.delays.push_back(static_cast<int>(Number(reader.get(), L"/grctlext/Delay", 0)));
    }
    const bool hasTransparent = Number(reader.get(), L"/grctlext/TransparencyFlag", 0) != 0;
    const unsigned transparent =
        hasTransparent ? Number(reader.get(), L"/grctlext/TransparentColorIndex", 0) : 256;
    const int left = static_cast<int>(Number(reader.get(), L"/imgdesc/Left", 0));
    const int top = static_cast<int>(Number(reader.get(), L"/imgdesc/Top", 0));

    UINT boxWidth = 0;
    UINT boxHeight = 0;
    Check(source->GetSize(&boxWidth, &boxHeight));
    Com<IWICPalette> palette;
    Check(factory->CreatePalette(&palette));
    Check(source->CopyPalette(palette.get()));
    WICColor colours[256] = {};
    UINT colourCount = 0;
    Check(palette->GetColors(256, colours, &colourCount));
    std::vector<BYTE> indexes(static_cast<std::size_t>(boxWidth) * boxHeight);
    Check(source->CopyPixels(nullptr, boxWidth, static_cast<UINT>(indexes.size()), indexes.data()));

    // The frame's own box on a transparent canvas of the picture's size.
    frame.picture = {width, height,
                     std::vector<std::uint32_t>(static_cast<std::size_t>(width * height), 0u)};
    for (UINT y = 0; y < boxHeight; ++y) {
      for (UINT x = 0; x < boxWidth; ++x) {
        const unsigned index = indexes[y * boxWidth + x];
        const int cx = left + static_cast<int>(x);
        const int cy = top + static_cast<int>(y);
        if (index == transparent || index >= colourCount || cx >= width || cy >= height) {
          continue;
        }
        frame.picture.pixels[static_cast<std::size_t>(cy * width + cx)] =
            0xFF000000u | (colours[index] & 0xFFFFFFu);
      }
    }
    frames.push_back(std::move(frame));
  }
  return frames;
}
