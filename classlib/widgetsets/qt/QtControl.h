#pragma once

#include "classlib/widgets/WidgetSet.h"
#include "classlib/widgetsets/qt/QtFont.h"
#include "classlib/widgetsets/qt/QtText.h"

#include <QWidget>

// The native control operations every Qt widget of the widget set does the same way.
template <class Widget, class Native> class QtControl : public Widget, public Native {
public:
  using Widget::Widget;

  void SetBounds(const TRect& box) override {
    this->setGeometry(box.left, box.top, box.width, box.height);
  }
  void SetCaption(std::string_view utf8) override { this->setWindowTitle(FromUtf8(utf8)); }
  void SetAccessibleName(std::string_view utf8) override {
    this->setAccessibleName(FromUtf8(utf8));
  }
  void SetFont(const TFont& font) override { this->setFont(QtFont(font)); }
  void SetVisible(bool visible) override { this->setVisible(visible); }
  void SetFocus() override { this->setFocus(); }
  void Invalidate() override { this->update(); }
};

// The Qt widget standing for a native control of this widget set.
inline QWidget* QtWidgetOf(NativeControl& native) { return dynamic_cast<QWidget*>(&native); }
