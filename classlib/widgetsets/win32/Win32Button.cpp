#include "classlib/widgetsets/win32/Win32Button.h"

#include "classlib/widgets/Button.h"

#include <string>

namespace {

HWND MakeButton(Win32Host& parent) {
  return CreateWindowExW(0, L"BUTTON", L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON, 0,
                         0, 0, 0, parent.Window().Handle(), nullptr, GetModuleHandleW(nullptr),
                         nullptr);
}

} // namespace

Win32Button::Win32Button(TButton& button, Win32Host& parent)
    : Win32Control(parent, MakeButton(parent)), button_(button) {
  SetWindowLongPtrW(Handle(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

Win32Button* Win32Button::Of(HWND handle) {
  Win32Window* window = Win32Window::Of(GetParent(handle));
  if (window == nullptr) {
    return nullptr;
  }
  return reinterpret_cast<Win32Button*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

void Win32Button::Click() { button_.Click(); }

void Win32Button::SetCaption(std::string_view utf8) {
  std::string caption;
  for (const char c : utf8) {
    caption += c == '&' ? std::string("&&") : std::string(1, c);
  }
  SetWindowTextW(Handle(), Widen(caption).c_str());
}

void Win32Button::SetAccessibleName(std::string_view utf8) {
  if (!glyph_.pixels.empty()) {
    SetWindowTextW(Handle(), Widen(utf8).c_str());
  }
}

void Win32Button::SetGlyph(const TPicture& glyph) {
  glyph_ = glyph;
  const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
  SetWindowLongPtrW(Handle(), GWL_STYLE, (style & ~LONG_PTR{BS_TYPEMASK}) | BS_OWNERDRAW);
  Invalidate();
}

void Win32Button::Draw(const DRAWITEMSTRUCT& item) {
  RECT face = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  const int shift = pressed ? 1 : 0;
  const LONG left = (item.rcItem.right - glyph_.width) / 2 + shift;
  const LONG top = (item.rcItem.bottom - glyph_.height) / 2 + shift;
  for (int y = 0; y < glyph_.height; ++y) {
    for (int x = 0; x < glyph_.width; ++x) {
      const std::uint32_t pixel = glyph_.Pixel(x, y);
      if (pixel != 0) {
        SetPixelV(item.hDC, left + x, top + y,
                  RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF));
      }
    }
  }
  if ((item.itemState & ODS_FOCUS) != 0) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}
