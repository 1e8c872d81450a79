#include "classlib/widgetsets/qt/QtWindow.h"

#include "classlib/widgets/Form.h"
#include "classlib/widgetsets/qt/QtPicture.h"

#include <QCloseEvent>
#include <QIcon>
#include <QPixmap>

QtWindow::QtWindow(TForm& form, const TWindowStyle& style)
    : QtControl(nullptr), form_(form), fixedSize_(style.border != TBorderStyle::bsSizeable) {
  setAttribute(Qt::WA_QuitOnClose, false);
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (style.systemMenu) {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (style.minimize) {
    flags |= Qt::WindowMinimizeButtonHint;
  }
  if (style.maximize) {
    flags |= Qt::WindowMaximizeButtonHint;
  }
  if (fixedSize_) {
    flags |= Qt::MSWindowsFixedSizeDialogHint;
  }
  setWindowFlags(flags);
  if (style.coloured) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(style.colour));
    setPalette(palette);
    setAutoFillBackground(true);
  }
}

void QtWindow::SetClientSize(TSize size) {
  if (fixedSize_) {
    setFixedSize(size.width, size.height);
  } else {
    resize(size.width, size.height);
  }
}

TSize QtWindow::OuterSize() {
  create(); // the platform's window, whose frame the window system knows
  const QSize outer = frameGeometry().size();
  return {outer.width(), outer.height()};
}

void QtWindow::MoveTo(TPoint outerTopLeft) { move(outerTopLeft.x, outerTopLeft.y); }

void QtWindow::BringToFront() {
  raise();
  activateWindow();
}

void QtWindow::SetIcon(const TPicture& icon) {
  setWindowIcon(QIcon(QPixmap::fromImage(ToQImage(icon))));
}

void QtWindow::SetTabOrder(const std::vector<NativeControl*>& order) {
  for (std::size_t i = 1; i < order.size(); ++i) {
    setTabOrder(QtWidgetOf(*order[i - 1]), QtWidgetOf(*order[i]));
  }
}

void QtWindow::closeEvent(QCloseEvent* event) {
  event->ignore(); // the form decides: end the application, or hide
  form_.Close();
}
