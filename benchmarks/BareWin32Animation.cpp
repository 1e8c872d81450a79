// The yardstick for the About window's CPU on Windows: the plainest Win32 window that
// repaints a logo-sized area from an off-screen bitmap every 150 ms.
#include <windows.h>

namespace {

constexpr RECT kArea{42, 64, 142, 155}; // 100 x 91, where the About window's logo stands
int frame = 0;

LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
  case WM_TIMER:
    ++frame;
    InvalidateRect(window, &kArea, FALSE);
    return 0;
  case WM_PAINT: {
    PAINTSTRUCT paint;
    HDC screen = BeginPaint(window, &paint);
    HDC buffer = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, 100, 91);
    HGDIOBJ previous = SelectObject(buffer, bitmap);
    const RECT whole{0, 0, 100, 91};
    HBRUSH brush = CreateSolidBrush(RGB(frame * 17 % 256, 128, 0));
    FillRect(buffer, &whole, brush);
    DeleteObject(brush);
    BitBlt(screen, kArea.left, kArea.top, 100, 91, buffer, 0, 0, SRCCOPY);
    SelectObject(buffer, previous);
    DeleteObject(bitmap);
    DeleteDC(buffer);
    EndPaint(window, &paint);
    return 0;
  }
  case WM_DESTROY:
    PostQuitMessage(0);
    return 0;
  default:
    return DefWindowProcW(window, message, wParam, lParam);
  }
}

} // namespace

int main() {
  WNDCLASSW windowClass{};
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH));
  windowClass.lpszClassName = L"BareAnimation";
  RegisterClassW(&windowClass);
  RECT outer{0, 0, 201, 207};
  const DWORD style = WS_POPUP | WS_CAPTION;
  AdjustWindowRect(&outer, style, FALSE);
  HWND window =
      CreateWindowW(L"BareAnimation", L"BareAnimation", style, 100, 100, outer.right - outer.left,
                    outer.bottom - outer.top, nullptr, nullptr, windowClass.hInstance, nullptr);
  ShowWindow(window, SW_SHOWNORMAL);
  SetTimer(window, 1, 150, nullptr);
  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
