#pragma once

#include <windows.h>

#include <optional>
#include <string>

// Waits for the next message box of this thread to open, notes what it shows and which of
// the program's windows are enabled meanwhile, and presses OK, so that a test can go on
// past a modal dialog. Its timer runs inside the box's own message loop.
class MessageBoxAnswerer {
public:
  struct Seen {
    std::wstring caption;
    std::wstring text;
    HWND owner;
    bool watchedEnabled; // the window given to watch, while the box was open
  };

  explicit MessageBoxAnswerer(HWND watched = nullptr) : watched_(watched) {
    current = this;
    timer_ = SetTimer(nullptr, 0, 20, &Look);
  }
  MessageBoxAnswerer(const MessageBoxAnswerer&) = delete;
  MessageBoxAnswerer& operator=(const MessageBoxAnswerer&) = delete;
  ~MessageBoxAnswerer() {
    KillTimer(nullptr, timer_);
    current = nullptr;
  }

  std::optional<Seen> seen;

private:
  static BOOL CALLBACK Find(HWND window, LPARAM found) {
    wchar_t name[16] = {};
    GetClassNameW(window, name, 16);
    if (std::wstring(name) == L"#32770" && IsWindowVisible(window)) {
      *reinterpret_cast<HWND*>(found) = window;
      return FALSE;
    }
    return TRUE;
  }

  static void CALLBACK Look(HWND, UINT, UINT_PTR, DWORD) {
    if (current == nullptr || current->seen) {
      return;
    }
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), &Find, reinterpret_cast<LPARAM>(&box));
    if (box == nullptr) {
      return;
    }
    wchar_t caption[256] = {};
    wchar_t text[1024] = {};
    GetWindowTextW(box, caption, 256);
    GetDlgItemTextW(box, 0xFFFF, text, 1024); // the box's static text
    current->seen = Seen{caption, text, GetWindow(box, GW_OWNER),
                         current->watched_ != nullptr && IsWindowEnabled(current->watched_)};
    PostMessageW(box, WM_COMMAND, IDOK, 0);
  }

  static inline MessageBoxAnswerer* current = nullptr;
  HWND watched_;
  UINT_PTR timer_;
};
