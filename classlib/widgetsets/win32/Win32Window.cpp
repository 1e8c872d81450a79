#include "classlib/widgetsets/win32/Win32Window.h"

#include "classlib/widgets/Form.h"
#include "classlib/widgetsets/win32/Win32Button.h"
#include "classlib/widgetsets/win32/Win32Canvas.h"
#include "classlib/widgetsets/win32/Win32PaintBox.h"
#include "classlib/widgetsets/win32/Win32Text.h"

#include <algorithm>

namespace {

constexpr const wchar_t* kClassName = L"VarnexForm";

void RegisterClassOnce() {
  static const bool registered = [] {
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = DefWindowProcW; // replaced per window once it is made
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
    windowClass.lpszClassName = kClassName;
    return RegisterClassExW(&windowClass) != 0;
  }();
  (void)registered;
}

DWORD StyleOf(const TWindowStyle& style) {
  DWORD bits = WS_CLIPCHILDREN | WS_CLIPSIBLINGS | WS_CAPTION;
  bits |= style.border == TBorderStyle::bsDialog ? WS_POPUP : WS_OVERLAPPED;
  if (style.border == TBorderStyle::bsSizeable) {
    bits |= WS_THICKFRAME;
  }
  if (style.systemMenu) {
    bits |= WS_SYSMENU;
  }
  if (style.minimize) {
    bits |= WS_MINIMIZEBOX;
  }
  if (style.maximize) {
    bits |= WS_MAXIMIZEBOX;
  }
  return bits;
}

// A 32 x 32 icon from a picture: its colours, and a mask of its transparent pixels.
HICON MakeIcon(const TPicture& picture) {
  BITMAPV5HEADER header{};
  header.bV5Size = sizeof header;
  header.bV5Width = picture.width;
  header.bV5Height = -picture.height;
  header.bV5Planes = 1;
  header.bV5BitCount = 32;
  header.bV5Compression = BI_BITFIELDS;
  header.bV5RedMask = 0x00FF0000;
  header.bV5GreenMask = 0x0000FF00;
  header.bV5BlueMask = 0x000000FF;
  header.bV5AlphaMask = 0xFF000000;
  void* bits = nullptr;
  HDC screen = GetDC(nullptr);
  HBITMAP colour = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&header), DIB_RGB_COLORS,
                                    &bits, nullptr, 0);
  ReleaseDC(nullptr, screen);
  std::copy(picture.pixels.begin(), picture.pixels.end(), static_cast<std::uint32_t*>(bits));
  HBITMAP mask = CreateBitmap(picture.width, picture.height, 1, 1, nullptr);
  ICONINFO info{TRUE, 0, 0, mask, colour};
  HICON icon = CreateIconIndirect(&info);
  DeleteObject(mask);
  DeleteObject(colour);
  return icon;
}

} // namespace

Win32Window::Win32Window(TForm& form, const TWindowStyle& style, HWND owner)
    : form_(form), style_(StyleOf(style)),
      exStyle_(style.border == TBorderStyle::bsDialog ? WS_EX_DLGMODALFRAME | WS_EX_WINDOWEDGE
                                                      : WS_EX_WINDOWEDGE),
      background_(style.coloured ? CreateSolidBrush(ColourRef(style.colour))
                                 : GetSysColorBrush(COLOR_BTNFACE)) {
  RegisterClassOnce();
  handle_ = CreateWindowExW(exStyle_, kClassName, L"", style_, CW_USEDEFAULT, CW_USEDEFAULT, 0, 0,
                            owner, nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(handle_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(handle_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure));
  if (!style.systemMenu) {
    return;
  }
  // A fixed frame offers neither Size nor Maximize in its window menu.
  if (HMENU menu = GetSystemMenu(handle_, FALSE);
      menu != nullptr && style.border != TBorderStyle::bsSizeable) {
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MINIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_RESTORE, MF_BYCOMMAND);
  }
}

Win32Window::~Win32Window() {
  SetWindowLongPtrW(handle_, GWLP_USERDATA, 0);
  DestroyWindow(handle_);
  if (buffer_ != nullptr) {
    SelectObject(buffer_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(buffer_);
  }
  if (icon_ != nullptr) {
    DestroyIcon(icon_);
  }
}

Win32Window* Win32Window::Of(HWND handle) {
  wchar_t name[32] = {};
  if (handle == nullptr || GetClassNameW(handle, name, 32) == 0 ||
      std::wstring_view(name) != kClassName) {
    return nullptr;
  }
  return reinterpret_cast<Win32Window*>(GetWindowLongPtrW(handle, GWLP_USERDATA));
}

void Win32Window::SetBounds(const TRect& box) {
  MoveWindow(handle_, box.left, box.top, box.width, box.height, TRUE);
}

void Win32Window::SetCaption(std::string_view utf8) {
  SetWindowTextW(handle_, Widen(utf8).c_str());
}

void Win32Window::SetAccessibleName(std::string_view) {}

void Win32Window::SetFont(const TFont&) {}

void Win32Window::SetVisible(bool visible) {
  ShowWindow(handle_, visible ? SW_SHOWNORMAL : SW_HIDE);
}

void Win32Window::SetFocus() { ::SetFocus(handle_); }

void Win32Window::Invalidate() { InvalidateRect(handle_, nullptr, FALSE); }

void Win32Window::SetClientSize(TSize size) {
  RECT outer{0, 0, size.width, size.height};
  AdjustWindowRectEx(&outer, style_, FALSE, exStyle_);
  SetWindowPos(handle_, nullptr, 0, 0, outer.right - outer.left, outer.bottom - outer.top,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

TSize Win32Window::OuterSize() {
  RECT outer;
  GetWindowRect(handle_, &outer);
  return {outer.right - outer.left, outer.bottom - outer.top};
}

void Win32Window::MoveTo(TPoint outerTopLeft) {
  SetWindowPos(handle_, nullptr, outerTopLeft.x, outerTopLeft.y, 0, 0,
               SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void Win32Window::BringToFront() {
  SetWindowPos(handle_, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetActiveWindow(handle_);
}

void Win32Window::SetIcon(const TPicture& icon) {
  if (icon_ != nullptr) {
    DestroyIcon(icon_);
  }
  icon_ = MakeIcon(icon);
  SendMessageW(handle_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon_));
  SendMessageW(handle_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
}

void Win32Window::SetTabOrder(const std::vector<NativeControl*>& order) {
  tabOrder_.clear();
  for (NativeControl* control : order) {
    if (auto* child = dynamic_cast<Win32ChildWindow*>(control)) {
      tabOrder_.push_back(child->ChildHandle());
    }
  }
}

void Win32Window::AddPaintBox(Win32PaintBox& box) { paintBoxes_.push_back(&box); }

void Win32Window::RemovePaintBox(Win32PaintBox& box) {
  paintBoxes_.erase(std::remove(paintBoxes_.begin(), paintBoxes_.end(), &box), paintBoxes_.end());
}

void Win32Window::InvalidateArea(const RECT& area) { InvalidateRect(handle_, &area, FALSE); }

void Win32Window::Focus(HWND control) {
  focus_ = control;
  if (GetActiveWindow() == handle_) {
    ::SetFocus(control);
  }
}

void Win32Window::MoveFocus(bool backwards) {
  if (tabOrder_.empty()) {
    return;
  }
  const auto count = static_cast<std::ptrdiff_t>(tabOrder_.size());
  const auto current = std::find(tabOrder_.begin(), tabOrder_.end(), GetFocus());
  std::ptrdiff_t index =
      current == tabOrder_.end() ? (backwards ? 0 : -1) : current - tabOrder_.begin();
  for (std::ptrdiff_t step = 0; step < count; ++step) {
    index = (index + (backwards ? count - 1 : 1)) % count;
    HWND candidate = tabOrder_[static_cast<std::size_t>(index)];
    if (IsWindowVisible(candidate) && IsWindowEnabled(candidate)) {
      Focus(candidate);
      return;
    }
  }
}

void Win32Window::PrepareBuffer(SIZE size) {
  if (buffer_ != nullptr && size.cx == bufferSize_.cx && size.cy == bufferSize_.cy) {
    return;
  }
  if (buffer_ != nullptr) {
    SelectObject(buffer_, previousBitmap_);
    DeleteObject(bitmap_);
    DeleteDC(buffer_);
  }
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = size.cx;
  info.bmiHeader.biHeight = -size.cy;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<std::uint32_t*>(bits);
  buffer_ = CreateCompatibleDC(nullptr);
  previousBitmap_ = SelectObject(buffer_, bitmap_);
  bufferSize_ = size;
}

void Win32Window::Paint() {
  PAINTSTRUCT paint;
  HDC screen = BeginPaint(handle_, &paint);
  RECT client;
  GetClientRect(handle_, &client);
  PrepareBuffer({std::max<LONG>(client.right, 1), std::max<LONG>(client.bottom, 1)});
  const RECT& dirty = paint.rcPaint;
  const int saved = SaveDC(buffer_);
  IntersectClipRect(buffer_, dirty.left, dirty.top, dirty.right, dirty.bottom);
  ::FillRect(buffer_, &dirty, background_);
  for (Win32PaintBox* box : paintBoxes_) {
    RECT clip = box->Clip();
    if (!IntersectRect(&clip, &clip, &dirty)) {
      continue;
    }
    const RECT whole = box->Box();
    Win32Canvas canvas(buffer_, bits_, bufferSize_, {whole.left, whole.top}, clip);
    box->Control().Paint(canvas);
  }
  RestoreDC(buffer_, saved);
  GdiFlush();
  BitBlt(screen, dirty.left, dirty.top, dirty.right - dirty.left, dirty.bottom - dirty.top, buffer_,
         dirty.left, dirty.top, SRCCOPY);
  EndPaint(handle_, &paint);
}

LRESULT CALLBACK Win32Window::Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam) {
  Win32Window* window = Of(handle);
  return window != nullptr ? window->Receive(message, wParam, lParam)
                           : DefWindowProcW(handle, message, wParam, lParam);
}

LRESULT Win32Window::Receive(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_PAINT:
    Paint();
    return 0;
  case WM_ERASEBKGND:
    return 1; // painting covers the whole of what needs it
  case WM_CLOSE:
    form_.Close(); // ends the application, or hides the window
    return 0;
  case WM_COMMAND:
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
      if (Win32Button* button = Win32Button::Of(reinterpret_cast<HWND>(lParam))) {
        button->Click();
      }
      return 0;
    }
    break;
  case WM_DRAWITEM:
    if (auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lParam); item->CtlType == ODT_BUTTON) {
      if (Win32Button* button = Win32Button::Of(item->hwndItem)) {
        button->Draw(*item);
        return TRUE;
      }
    }
    break;
  case WM_CTLCOLORSTATIC: // a read-only edit box: text on the window colour, as an editable one
    SetBkColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOW));
    SetTextColor(reinterpret_cast<HDC>(wParam), GetSysColor(COLOR_WINDOWTEXT));
    return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_WINDOW));
  case WM_ACTIVATE:
    if (LOWORD(wParam) == WA_INACTIVE) {
      if (HWND focus = GetFocus(); focus != nullptr && IsChild(handle_, focus)) {
        focus_ = focus;
      }
    } else if (focus_ != nullptr && IsWindowVisible(focus_)) {
      ::SetFocus(focus_);
    } else {
      MoveFocus(false);
    }
    return 0;
  default:
    break;
  }
  return DefWindowProcW(handle_, message, wParam, lParam);
}
