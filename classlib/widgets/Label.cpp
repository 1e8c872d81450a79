#include "classlib/widgets/Label.h"

#include <QFontMetrics>

TLabel::TLabel(QWidget* parent) : QLabel(parent) {
  setTextFormat(Qt::PlainText);
  setWordWrap(false);
  setAutoFillBackground(true);
  setAlignment(horizontal_ | vertical_);
}

bool TLabel::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name == "Caption") {
    setText(TextValue(property));
  } else if (property.name == "Color") {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, ColourValue(property));
    setPalette(palette);
  } else if (property.name == "Alignment") {
    const std::string value = IdentifierValue(property);
    horizontal_ = value == "taCenter"         ? Qt::AlignHCenter
                  : value == "taRightJustify" ? Qt::AlignRight
                                              : Qt::AlignLeft;
    setAlignment(horizontal_ | vertical_);
  } else if (property.name == "Layout") {
    const std::string value = IdentifierValue(property);
    vertical_ = value == "tlCenter"   ? Qt::AlignVCenter
                : value == "tlBottom" ? Qt::AlignBottom
                                      : Qt::AlignTop;
    setAlignment(horizontal_ | vertical_);
  } else {
    return SetFontProperty(*this, property, reading);
  }
  return true;
}

void TLabel::Loaded() {
  const QFontMetrics metrics(font());
  resize(metrics.horizontalAdvance(text()), metrics.height());
}
