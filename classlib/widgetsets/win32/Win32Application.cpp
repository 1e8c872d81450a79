#include "classlib/widgetsets/win32/Win32Application.h"

#include "classlib/widgets/Application.h"
#include "classlib/widgets/Form.h"
#include "classlib/widgetsets/win32/Win32Text.h"

namespace {

constexpr const wchar_t* kClassName = L"VarnexApplication";

Win32Application* instance = nullptr;

BOOL CALLBACK CollectShownWindow(HWND window, LPARAM list) {
  if (IsWindowVisible(window) && GetWindow(window, GW_OWNER) == instance->Handle()) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
  }
  return TRUE;
}

} // namespace

Win32Application::Win32Application() {
  instance = this;
  HINSTANCE module = GetModuleHandleW(nullptr);
  WNDCLASSEXW windowClass{};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = &Procedure;
  windowClass.hInstance = module;
  windowClass.hIcon = LoadIconW(module, L"MAINICON");
  windowClass.lpszClassName = kClassName;
  RegisterClassExW(&windowClass);
  handle_ = CreateWindowExW(0, kClassName, L"",
                            WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                            GetSystemMetrics(SM_CXSCREEN) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                            0, nullptr, nullptr, module, nullptr);
  if (HMENU menu = GetSystemMenu(handle_, FALSE)) {
    DeleteMenu(menu, SC_MAXIMIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_SIZE, MF_BYCOMMAND);
    DeleteMenu(menu, SC_MOVE, MF_BYCOMMAND);
  }
}

Win32Application::~Win32Application() {
  DestroyWindow(handle_);
  instance = nullptr;
}

void Win32Application::SetTitle(std::string_view utf8) {
  SetWindowTextW(handle_, Widen(utf8).c_str());
}

void Win32Application::Show() {
  // Zero size: shown, it is a taskbar entry and nothing on the screen.
  SetWindowPos(handle_, nullptr, 0, 0, 0, 0,
               SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER | SWP_NOSIZE | SWP_NOMOVE);
}

void Win32Application::Minimize() {
  hidden_.clear();
  EnumThreadWindows(GetCurrentThreadId(), &CollectShownWindow, reinterpret_cast<LPARAM>(&hidden_));
  for (HWND window : hidden_) {
    ShowWindow(window, SW_HIDE);
  }
  ShowWindow(handle_, SW_MINIMIZE);
}

void Win32Application::Restore() {
  ShowWindow(handle_, SW_RESTORE);
  for (HWND window : hidden_) {
    if (IsWindow(window)) {
      ShowWindow(window, SW_SHOW);
    }
  }
  if (!hidden_.empty()) {
    SetActiveWindow(hidden_.front());
  }
  hidden_.clear();
}

LRESULT CALLBACK Win32Application::Procedure(HWND handle, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  if (instance != nullptr && handle == instance->handle_) {
    if (message == WM_SYSCOMMAND) {
      switch (wParam & 0xFFF0) {
      case SC_MINIMIZE:
        instance->Minimize();
        return 0;
      case SC_RESTORE:
        instance->Restore();
        return 0;
      case SC_CLOSE:
        break; // as WM_CLOSE
      default:
        return DefWindowProcW(handle, message, wParam, lParam);
      }
      message = WM_CLOSE;
    }
    if (message == WM_CLOSE) {
      if (TForm* main = Application != nullptr ? Application->MainForm() : nullptr) {
        main->Close();
      }
      return 0;
    }
  }
  return DefWindowProcW(handle, message, wParam, lParam);
}
