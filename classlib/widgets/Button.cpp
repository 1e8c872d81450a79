#include "classlib/widgets/Button.h"

#include "classlib/widgets/Application.h"

#include <QKeyEvent>

TButton::TButton(QWidget* parent) : QPushButton(parent) {
  setAutoDefault(false);
  setDefault(false);
  setFocusPolicy(Qt::StrongFocus);
}

bool TButton::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name == "Caption") {
    // "&&" shows a literal "&" and makes no accelerator.
    setText(TextValue(property).replace('&', "&&"));
    return true;
  }
  if (property.name == "OnClick") {
    connect(this, &QPushButton::clicked, this, [this, handler = reading.Handler(property)] {
      Application->Dispatch([&] { handler(this); });
    });
    return true;
  }
  return false;
}

void TButton::keyPressEvent(QKeyEvent* event) {
  if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) &&
      event->modifiers() == Qt::NoModifier) {
    click();
    return;
  }
  QPushButton::keyPressEvent(event);
}
