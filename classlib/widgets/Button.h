#pragma once

#include "classlib/widgets/Control.h"

#include <QPushButton>

// A push button that is never a default or cancel button: Enter or Space presses it only
// while it has the focus. Its caption carries no accelerator.
class TButton : public QPushButton, public TControl {
public:
  explicit TButton(QWidget* parent);

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

protected:
  void keyPressEvent(QKeyEvent* event) override;
};
