#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <windows.h>

#include <cstdint>

// Drawing into a form window's off-screen bitmap (32 bits per pixel, rows from the top), for
// one paint box: coordinates start at its top-left and nothing lands outside its clip.
class Win32Canvas : public TCanvas {
public:
  Win32Canvas(HDC dc, std::uint32_t* bits, SIZE size, POINT origin, RECT clip);

  void FillRect(const TRect& box, TColor colour) override;
  void Draw(TPoint at, const TPicture& picture) override;
  void TextRect(const TRect& box, std::string_view utf8, const TFont& font, TAlignment alignment,
                TTextLayout layout) override;

private:
  RECT Absolute(const TRect& box) const;

  HDC dc_;
  std::uint32_t* bits_;
  SIZE size_;
  POINT origin_;
  RECT clip_;
};

// A GDI colour for 0xRRGGBB.
inline COLORREF ColourRef(TColor colour) {
  return RGB((colour >> 16) & 0xFF, (colour >> 8) & 0xFF, colour & 0xFF);
}
