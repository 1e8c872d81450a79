#include "classlib/widgetsets/qt/QtButton.h"

#include "classlib/widgets/Button.h"
#include "classlib/widgetsets/qt/QtPicture.h"

#include <QKeyEvent>
#include <QPixmap>

QtButton::QtButton(TButton& button, QWidget* parent) : QtControl(parent) {
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
  connect(this, &QPushButton::clicked, this, [&button] { button.Click(); });
}

void QtButton::SetCaption(std::string_view utf8) { setText(FromUtf8(utf8).replace('&', "&&")); }

void QtButton::SetGlyph(const TPicture& glyph) {
  setIcon(QIcon(QPixmap::fromImage(ToQImage(glyph))));
  setIconSize(QSize(glyph.width, glyph.height));
}

void QtButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}
