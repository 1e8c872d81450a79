#include "classlib/widgets/Image.h"

#include "classlib/widgets/IconImage.h"

#include <QPainter>

TImage::TImage(QWidget* parent) : QWidget(parent) { setFocusPolicy(Qt::NoFocus); }

bool TImage::SetProperty(const FormProperty& property, const FormReading&) {
  if (property.name == "Picture.Icon") {
    picture_ = LoadIconImage(TextValue(property));
    return true;
  }
  return false;
}

void TImage::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.drawImage(0, 0, picture_);
}
