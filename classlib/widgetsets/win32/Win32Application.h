#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

// The application window: a top-level window of zero size that owns every form and stands
// for the program on the taskbar, with the program's icon and title. Its window menu offers
// Restore, Minimize and Close: Minimize hides every form until Restore; Close closes the
// main window.
class Win32Application {
public:
  Win32Application();
  Win32Application(const Win32Application&) = delete;
  Win32Application& operator=(const Win32Application&) = delete;
  ~Win32Application();

  HWND Handle() const { return handle_; }
  void SetTitle(std::string_view utf8);
  // Shows the taskbar entry.
  void Show();

private:
  static LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  void Minimize();
  void Restore();

  HWND handle_ = nullptr;
  std::vector<HWND> hidden_;
};
