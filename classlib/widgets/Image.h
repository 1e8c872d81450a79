#pragma once

#include "classlib/widgets/Control.h"

#include <QImage>
#include <QWidget>

// A picture drawn at its own size at the top-left corner of the box; its transparent
// pixels show what lies beneath.
class TImage : public QWidget, public TControl {
public:
  explicit TImage(QWidget* parent);

  const QImage& Picture() const { return picture_; }

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

protected:
  void paintEvent(QPaintEvent* event) override;

private:
  QImage picture_;
};
