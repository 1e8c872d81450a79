#include "classlib/widgets/Panel.h"

#include <QPainter>

TPanel::TPanel(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

bool TPanel::SetProperty(const FormProperty& property, const FormReading&) {
  if (property.name == "Color") {
    colour_ = ColourValue(property);
    return true;
  }
  return false;
}

void TPanel::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colour_);
  const QRect box = rect();
  const QColor highlight(255, 255, 255);
  const QColor shadow(128, 128, 128);
  painter.fillRect(box.left(), box.top(), box.width(), 1, highlight);
  painter.fillRect(box.left(), box.top(), 1, box.height(), highlight);
  painter.fillRect(box.left(), box.bottom(), box.width(), 1, shadow);
  painter.fillRect(box.right(), box.top(), 1, box.height(), shadow);
}
