#pragma once

#include "classlib/widgetsets/qt/QtControl.h"

class TControl;

// A control the class library draws itself. Qt paints it into the window's off-screen
// buffer with whatever overlaps it, and shows the result in one operation.
class QtPaintBox : public QtControl<QWidget, NativeControl> {
public:
  QtPaintBox(TControl& control, QWidget* parent);

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  TControl& control_;
};
