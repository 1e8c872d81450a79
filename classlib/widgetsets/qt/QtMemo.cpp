#include "classlib/widgetsets/qt/QtMemo.h"

QtMemo::QtMemo(QWidget* parent) : QtControl(parent) {
  setReadOnly(true);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
  setWordWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
  setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  setTabChangesFocus(true);
  // A sunken two-pixel border and a one-pixel margin: seven 13-pixel lines in 97 pixels.
  setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
  document()->setDocumentMargin(1);
}

void QtMemo::SetText(std::string_view text) {
  QString shown = ToQString(text);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  setPlainText(shown);
}
