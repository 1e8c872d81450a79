#include "classlib/widgetsets/win32/Win32Canvas.h"

#include "classlib/widgetsets/win32/Win32Font.h"
#include "classlib/widgetsets/win32/Win32Text.h"

#include <algorithm>

Win32Canvas::Win32Canvas(HDC dc, std::uint32_t* bits, SIZE size, POINT origin, RECT clip)
    : dc_(dc), bits_(bits), size_(size), origin_(origin), clip_(clip) {}

RECT Win32Canvas::Absolute(const TRect& box) const {
  RECT rect{origin_.x + box.left, origin_.y + box.top, origin_.x + box.left + box.width,
            origin_.y + box.top + box.height};
  IntersectRect(&rect, &rect, &clip_);
  return rect;
}

void Win32Canvas::FillRect(const TRect& box, TColor colour) {
  const RECT rect = Absolute(box);
  HBRUSH brush = CreateSolidBrush(ColourRef(colour));
  ::FillRect(dc_, &rect, brush);
  DeleteObject(brush);
}

void Win32Canvas::Draw(TPoint at, const TPicture& picture) {
  GdiFlush(); // GDI's drawing so far reaches the bits before they are written directly
  const RECT area = Absolute({at.x, at.y, picture.width, picture.height});
  for (LONG y = area.top; y < area.bottom; ++y) {
    for (LONG x = area.left; x < area.right; ++x) {
      const std::uint32_t pixel = picture.Pixel(static_cast<int>(x - origin_.x - at.x),
                                                static_cast<int>(y - origin_.y - at.y));
      if (pixel != 0) {
        bits_[y * size_.cx + x] = pixel & 0xFFFFFFu;
      }
    }
  }
}

void Win32Canvas::TextRect(const TRect& box, std::string_view utf8, const TFont& font,
                           TAlignment alignment, TTextLayout layout) {
  RECT rect{origin_.x + box.left, origin_.y + box.top, origin_.x + box.left + box.width,
            origin_.y + box.top + box.height};
  const UINT horizontal = alignment == TAlignment::taCenter         ? DT_CENTER
                          : alignment == TAlignment::taRightJustify ? DT_RIGHT
                                                                    : DT_LEFT;
  const UINT vertical = layout == TTextLayout::tlCenter   ? DT_VCENTER
                        : layout == TTextLayout::tlBottom ? DT_BOTTOM
                                                          : DT_TOP;
  const int saved = SaveDC(dc_);
  IntersectClipRect(dc_, clip_.left, clip_.top, clip_.right, clip_.bottom);
  SelectObject(dc_, Win32Font(font));
  SetTextColor(dc_, ColourRef(font.colour));
  SetBkMode(dc_, TRANSPARENT);
  const std::wstring text = Widen(utf8);
  DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &rect,
            horizontal | vertical | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(dc_, saved);
}
