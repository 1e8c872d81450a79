#include "classlib/widgetsets/win32/Win32PaintBox.h"

#include "classlib/widgetsets/win32/Win32Window.h"

#include <algorithm>

Win32PaintBox::Win32PaintBox(TControl& control, Win32Host& parent)
    : control_(control), parent_(parent), parentBox_(dynamic_cast<Win32PaintBox*>(&parent)) {
  Window().AddPaintBox(*this);
}

Win32PaintBox::~Win32PaintBox() {
  Invalidate();
  Window().RemovePaintBox(*this);
}

POINT Win32PaintBox::Origin() {
  const POINT parent = parent_.Origin();
  return {parent.x + bounds_.left, parent.y + bounds_.top};
}

RECT Win32PaintBox::Box() {
  const POINT origin = Origin();
  return {origin.x, origin.y, origin.x + bounds_.width, origin.y + bounds_.height};
}

RECT Win32PaintBox::Clip() {
  if (!visible_) {
    return {0, 0, 0, 0};
  }
  RECT clip = Box();
  if (parentBox_ != nullptr) {
    const RECT outer = parentBox_->Clip();
    IntersectRect(&clip, &clip, &outer);
  }
  return clip;
}

void Win32PaintBox::SetBounds(const TRect& box) {
  Invalidate();
  bounds_ = box;
  Invalidate();
}

void Win32PaintBox::SetVisible(bool visible) {
  visible_ = visible;
  Window().InvalidateArea(Box());
}

void Win32PaintBox::Invalidate() { Window().InvalidateArea(Box()); }
