#include "classlib/widgetsets/qt/QtPaintBox.h"

#include "classlib/widgets/Control.h"
#include "classlib/widgetsets/qt/QtPicture.h"

#include <QPainter>

namespace {

class QtCanvas : public TCanvas {
public:
  explicit QtCanvas(QPainter& painter) : painter_(painter) {}

  void FillRect(const TRect& box, TColor colour) override {
    painter_.fillRect(box.left, box.top, box.width, box.height, QColor::fromRgb(colour));
  }

  void Draw(TPoint at, const TPicture& picture) override {
    painter_.drawImage(at.x, at.y, ToQImage(picture));
  }

  void TextRect(const TRect& box, std::string_view utf8, const TFont& font, TAlignment alignment,
                TTextLayout layout) override {
    const int horizontal = alignment == TAlignment::taCenter         ? Qt::AlignHCenter
                           : alignment == TAlignment::taRightJustify ? Qt::AlignRight
                                                                     : Qt::AlignLeft;
    const int vertical = layout == TTextLayout::tlCenter   ? Qt::AlignVCenter
                         : layout == TTextLayout::tlBottom ? Qt::AlignBottom
                                                           : Qt::AlignTop;
    painter_.setFont(QtFont(font));
    painter_.setPen(QColor::fromRgb(font.colour));
    painter_.drawText(QRect(box.left, box.top, box.width, box.height),
                      horizontal | vertical | Qt::TextSingleLine, FromUtf8(utf8));
  }

private:
  QPainter& painter_;
};

} // namespace

QtPaintBox::QtPaintBox(TControl& control, QWidget* parent) : QtControl(parent), control_(control) {
  setFocusPolicy(Qt::NoFocus);
}

void QtPaintBox::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  QtCanvas canvas(painter);
  control_.Paint(canvas);
}
