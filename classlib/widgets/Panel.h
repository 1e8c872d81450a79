#pragma once

#include "classlib/widgets/Control.h"

#include <QWidget>

// A plain area in its colour with a raised one-pixel bevel and no caption; it holds other
// components and never takes the focus.
class TPanel : public QWidget, public TControl {
public:
  explicit TPanel(QWidget* parent);

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QColor colour_{212, 208, 200};
};
