#pragma once

#include "classlib/widgetsets/qt/QtControl.h"

#include <QPushButton>

class QtButton : public QtControl<QPushButton, NativeButton> {
public:
  QtButton(TButton& button, QWidget* parent);

  // "&&" shows a literal "&" and makes no accelerator.
  void SetCaption(std::string_view utf8) override;
  void SetGlyph(const TPicture& glyph) override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
};
