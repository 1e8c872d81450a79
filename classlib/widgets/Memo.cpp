#include "classlib/widgets/Memo.h"

#include "classlib/widgets/SystemText.h"

TMemo::TMemo(QWidget* parent) : QPlainTextEdit(parent) {
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

void TMemo::Clear() {
  text_.clear();
  ShowText();
}

void TMemo::AddLine(std::string_view line) {
  text_.append(line).append("\r\n");
  ShowText();
}

void TMemo::SetText(std::string_view text) {
  text_ = text;
  ShowText();
}

void TMemo::ShowText() {
  QString shown = ToQString(text_);
  shown.replace("\r\n", "\n").replace('\r', '\n');
  setPlainText(shown);
}

bool TMemo::SetProperty(const FormProperty& property, const FormReading&) {
  if (property.name == "ReadOnly") {
    if (!BooleanValue(property)) {
      FailProperty(property, "a TMemo is always read-only");
    }
    return true;
  }
  return false;
}
