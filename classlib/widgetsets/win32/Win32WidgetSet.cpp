#include "classlib/widgetsets/win32/Win32WidgetSet.h"

#include "classlib/widgets/Control.h"
#include "classlib/widgetsets/win32/Win32Button.h"
#include "classlib/widgetsets/win32/Win32Font.h"
#include "classlib/widgetsets/win32/Win32Gif.h"
#include "classlib/widgetsets/win32/Win32Memo.h"
#include "classlib/widgetsets/win32/Win32PaintBox.h"
#include "classlib/widgetsets/win32/Win32Text.h"
#include "classlib/widgetsets/win32/Win32Timer.h"
#include "classlib/widgetsets/win32/Win32Window.h"

#include <algorithm>
#include <string>
#include <vector>

std::unique_ptr<WidgetSet> CreateWidgetSet(const char*) {
  return std::make_unique<Win32WidgetSet>();
}

Win32WidgetSet::Win32WidgetSet() = default;

std::unique_ptr<NativeWindow> Win32WidgetSet::CreateFormWindow(TForm& form,
                                                               const TWindowStyle& style) {
  return std::make_unique<Win32Window>(form, style, application_.Handle());
}

std::unique_ptr<NativeMemo> Win32WidgetSet::CreateMemo(NativeControl& parent) {
  return std::make_unique<Win32Memo>(dynamic_cast<Win32Host&>(parent));
}

std::unique_ptr<NativeButton> Win32WidgetSet::CreateButton(TButton& button, NativeControl& parent) {
  return std::make_unique<Win32Button>(button, dynamic_cast<Win32Host&>(parent));
}

std::unique_ptr<NativeControl> Win32WidgetSet::CreatePaintBox(TControl& control,
                                                              NativeControl& parent) {
  return std::make_unique<Win32PaintBox>(control, dynamic_cast<Win32Host&>(parent));
}

std::unique_ptr<NativeTimer> Win32WidgetSet::CreateTimer(std::function<void()> tick) {
  return std::make_unique<Win32Timer>(std::move(tick));
}

void Win32WidgetSet::SetTitle(std::string_view utf8) { application_.SetTitle(utf8); }

bool Win32WidgetSet::Dispatch(MSG& message) {
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return false;
  }
  if (message.message == WM_KEYDOWN) {
    const bool modified =
        (GetKeyState(VK_CONTROL) & 0x8000) != 0 || (GetKeyState(VK_MENU) & 0x8000) != 0;
    Win32Window* window = Win32Window::Of(GetAncestor(message.hwnd, GA_ROOT));
    if (window != nullptr && !modified && message.wParam == VK_TAB) {
      window->MoveFocus((GetKeyState(VK_SHIFT) & 0x8000) != 0);
      return true;
    }
    Win32Button* button = Win32Button::Of(message.hwnd);
    if (button != nullptr && !modified && message.wParam == VK_RETURN) {
      button->Click(); // Enter presses the focused button, and only that one
      return true;
    }
  }
  TranslateMessage(&message);
  DispatchMessageW(&message);
  return true;
}

void Win32WidgetSet::RunMessageLoop() {
  application_.Show();
  MSG message;
  while (!terminated_) {
    const BOOL got = GetMessageW(&message, nullptr, 0, 0);
    if (got == -1) {
      break;
    }
    if (got == 0) {
      message.message = WM_QUIT;
    }
    Dispatch(message);
  }
}

void Win32WidgetSet::ProcessMessages() {
  MSG message;
  while (!terminated_ && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    Dispatch(message);
  }
}

void Win32WidgetSet::PostQuit() { PostQuitMessage(0); }

void Win32WidgetSet::ReleaseMouseCapture() {
  if (HWND capture = GetCapture()) {
    SendMessageW(capture, WM_CANCELMODE, 0, 0);
  }
}

namespace {

BOOL CALLBACK CollectEnabledWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && IsWindowEnabled(window)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

} // namespace

void Win32WidgetSet::ShowFailureBox(std::string_view caption, std::string_view text) {
  HWND active = GetActiveWindow();
  std::vector<HWND> disabled;
  EnumThreadWindows(GetCurrentThreadId(), &CollectEnabledWindow,
                    reinterpret_cast<LPARAM>(&disabled));
  if (IsWindowEnabled(application_.Handle()) &&
      std::find(disabled.begin(), disabled.end(), application_.Handle()) == disabled.end()) {
    disabled.push_back(application_.Handle());
  }
  for (HWND window : disabled) {
    EnableWindow(window, FALSE);
  }
  MessageBoxA(application_.Handle(), std::string(text).c_str(), std::string(caption).c_str(),
              MB_OK | MB_ICONERROR);
  for (HWND window : disabled) {
    if (IsWindow(window)) {
      EnableWindow(window, TRUE);
    }
  }
  if (active != nullptr && IsWindow(active)) {
    SetActiveWindow(active);
  }
}

void Win32WidgetSet::ShowStartupFailureBox(std::string_view text) {
  MessageBoxA(nullptr, std::string(text).c_str(), "Application Error",
              MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

std::string Win32WidgetSet::ModuleName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string whole(path);
  const std::size_t slash = whole.find_last_of("\\/");
  return slash == std::string::npos ? whole : whole.substr(slash + 1);
}

TSize Win32WidgetSet::ScreenSize() {
  return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
}

int Win32WidgetSet::PixelsPerInch() {
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  return pixelsPerInch;
}

TSize Win32WidgetSet::TextExtent(const TFont& font, std::string_view utf8) {
  HDC dc = CreateCompatibleDC(nullptr);
  HGDIOBJ previous = SelectObject(dc, Win32Font(font));
  const std::wstring text = Widen(utf8);
  SIZE size{0, 0};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  TEXTMETRICW metrics{};
  GetTextMetricsW(dc, &metrics);
  SelectObject(dc, previous);
  DeleteDC(dc);
  return {size.cx, metrics.tmHeight};
}

std::optional<std::string> Win32WidgetSet::ReadResource(std::string_view name) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found = FindResourceW(module, Widen(name).c_str(), MAKEINTRESOURCEW(10)); // RT_RCDATA
  if (found == nullptr) {
    return std::nullopt;
  }
  HGLOBAL loaded = LoadResource(module, found);
  const auto* bytes = static_cast<const char*>(LockResource(loaded));
  return std::string(bytes, SizeofResource(module, found));
}

std::vector<TGifFrame> Win32WidgetSet::DecodeGif(std::string_view bytes) {
  return DecodeGifFrames(bytes);
}

HWND Win32Handle(const TControl& control) {
  NativeControl& native = control.Handle();
  if (auto* window = dynamic_cast<Win32Window*>(&native)) {
    return window->Handle();
  }
  if (auto* child = dynamic_cast<Win32ChildWindow*>(&native)) {
    return child->ChildHandle();
  }
  return nullptr;
}
