#pragma once

#include "classlib/widgets/Control.h"

#include <string>

class NativeButton;

// A push button that is never a default or cancel button: Enter or Space presses it only
// while it has the focus. Its caption carries no accelerator.
class TButton : public TControl {
public:
  explicit TButton(TControl& parent);

  const std::string& Caption() const { return caption_; }
  // What a press does: runs the OnClick handler through the application's dispatch.
  void Click();

  bool TabStop() const override { return true; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

protected:
  NativeButton& Button() const { return *button_; }

private:
  NativeButton* button_;
  std::string caption_;
  TNotifyEvent onClick_;
};
