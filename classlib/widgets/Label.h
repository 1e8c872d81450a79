#pragma once

#include "classlib/widgets/Control.h"

#include <QLabel>

// One line of text without wrapping, opaque: it fills its box with its colour before the
// text. Once the form is loaded it takes the size of its text, keeping its left edge.
class TLabel : public QLabel, public TControl {
public:
  explicit TLabel(QWidget* parent);

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;
  void Loaded() override;

private:
  Qt::Alignment horizontal_ = Qt::AlignLeft;
  Qt::Alignment vertical_ = Qt::AlignTop;
};
