#pragma once

#include "classlib/widgets/WidgetSet.h"
#include "classlib/widgetsets/win32/Win32Font.h"
#include "classlib/widgetsets/win32/Win32Host.h"
#include "classlib/widgetsets/win32/Win32Text.h"
#include "classlib/widgetsets/win32/Win32Window.h"

#include <windows.h>

// A control that is a window of its own, a child of its form window.
class Win32ChildWindow {
public:
  virtual ~Win32ChildWindow() = default;
  virtual HWND ChildHandle() const = 0;
};

// A child window of a form window: the operations every control window does the same way.
template <class Native>
class Win32Control : public Native, public Win32Host, public Win32ChildWindow {
public:
  Win32Control(Win32Host& parent, HWND handle) : parent_(parent), handle_(handle) {}
  Win32Control(const Win32Control&) = delete;
  Win32Control& operator=(const Win32Control&) = delete;
  ~Win32Control() override { DestroyWindow(handle_); }

  HWND Handle() const { return handle_; }
  HWND ChildHandle() const override { return handle_; }

  void SetBounds(const TRect& box) override {
    const POINT origin = parent_.Origin();
    origin_ = {origin.x + box.left, origin.y + box.top};
    MoveWindow(handle_, origin_.x, origin_.y, box.width, box.height, TRUE);
  }
  void SetCaption(std::string_view utf8) override { SetWindowTextW(handle_, Widen(utf8).c_str()); }
  void SetAccessibleName(std::string_view) override {}
  void SetFont(const TFont& font) override {
    SendMessageW(handle_, WM_SETFONT, reinterpret_cast<WPARAM>(Win32Font(font)), TRUE);
  }
  void SetVisible(bool visible) override { ShowWindow(handle_, visible ? SW_SHOW : SW_HIDE); }
  void SetFocus() override { Window().Focus(handle_); }
  void Invalidate() override { InvalidateRect(handle_, nullptr, FALSE); }

  Win32Window& Window() override { return parent_.Window(); }
  POINT Origin() override { return origin_; }

private:
  Win32Host& parent_;
  HWND handle_;
  POINT origin_{0, 0};
};
