#pragma once

#include "classlib/widgets/WidgetSet.h"
#include "classlib/widgetsets/win32/Win32Host.h"

#include <windows.h>

class TControl;

// A control the class library draws itself. It has no window of its own: its form window
// draws it, clipped to its box and its parents' boxes, over whatever was made before it.
class Win32PaintBox : public NativeControl, public Win32Host {
public:
  Win32PaintBox(TControl& control, Win32Host& parent);
  Win32PaintBox(const Win32PaintBox&) = delete;
  Win32PaintBox& operator=(const Win32PaintBox&) = delete;
  ~Win32PaintBox() override;

  TControl& Control() const { return control_; }
  // In the form window's client area.
  RECT Box();
  // The part of the box its parents let show; empty while it or a parent is hidden.
  RECT Clip();

  void SetBounds(const TRect& box) override;
  void SetCaption(std::string_view) override {}
  void SetAccessibleName(std::string_view) override {}
  void SetFont(const TFont&) override {}
  void SetVisible(bool visible) override;
  void SetFocus() override {}
  void Invalidate() override;

  Win32Window& Window() override { return parent_.Window(); }
  POINT Origin() override;

private:
  TControl& control_;
  Win32Host& parent_;
  Win32PaintBox* parentBox_;
  TRect bounds_;
  bool visible_ = true;
};
