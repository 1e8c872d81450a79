#pragma once

#include "classlib/widgetsets/qt/QtControl.h"

#include <QPlainTextEdit>

class QtMemo : public QtControl<QPlainTextEdit, NativeMemo> {
public:
  explicit QtMemo(QWidget* parent);

  void SetText(std::string_view text) override;
};
