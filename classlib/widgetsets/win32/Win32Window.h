#pragma once

#include "classlib/widgets/WidgetSet.h"
#include "classlib/widgetsets/win32/Win32Host.h"

#include <windows.h>

#include <cstdint>
#include <vector>

class TForm;
class Win32PaintBox;

// A form's top-level window, owned by the application window. It draws its paint boxes
// itself, in the order they were made, into an off-screen bitmap copied to the screen in one
// operation; memos and buttons are child windows above them. It routes button presses to
// their buttons and a close to the form.
class Win32Window : public NativeWindow, public Win32Host {
public:
  Win32Window(TForm& form, const TWindowStyle& style, HWND owner);
  Win32Window(const Win32Window&) = delete;
  Win32Window& operator=(const Win32Window&) = delete;
  ~Win32Window() override;

  HWND Handle() const { return handle_; }
  // The window of ours that holds this window handle, if any.
  static Win32Window* Of(HWND handle);

  void SetBounds(const TRect& box) override;
  void SetCaption(std::string_view utf8) override;
  void SetAccessibleName(std::string_view utf8) override;
  void SetFont(const TFont& font) override;
  void SetVisible(bool visible) override;
  void SetFocus() override;
  void Invalidate() override;
  void SetClientSize(TSize size) override;
  TSize OuterSize() override;
  void MoveTo(TPoint outerTopLeft) override;
  void BringToFront() override;
  void SetIcon(const TPicture& icon) override;
  void SetTabOrder(const std::vector<NativeControl*>& order) override;

  Win32Window& Window() override { return *this; }
  POINT Origin() override { return {0, 0}; }

  void AddPaintBox(Win32PaintBox& box);
  void RemovePaintBox(Win32PaintBox& box);
  void InvalidateArea(const RECT& area);
  // Gives the control the focus now if the window is active, or when it next becomes active.
  void Focus(HWND control);
  // Tab and Shift+Tab: the next or previous visible, enabled control in tab order.
  void MoveFocus(bool backwards);

private:
  static LRESULT CALLBACK Procedure(HWND handle, UINT message, WPARAM wParam, LPARAM lParam);
  LRESULT Receive(UINT message, WPARAM wParam, LPARAM lParam);
  void Paint();
  // The off-screen bitmap of the client area's size, made again when the size changes.
  void PrepareBuffer(SIZE size);

  TForm& form_;
  HWND handle_ = nullptr;
  DWORD style_;
  DWORD exStyle_;
  HBRUSH background_;
  HICON icon_ = nullptr;
  std::vector<Win32PaintBox*> paintBoxes_;
  std::vector<HWND> tabOrder_;
  HWND focus_ = nullptr;
  HDC buffer_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previousBitmap_ = nullptr;
  std::uint32_t* bits_ = nullptr;
  SIZE bufferSize_{0, 0};
};
