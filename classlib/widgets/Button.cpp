#include "classlib/widgets/Button.h"

#include "classlib/widgets/Application.h"

TButton::TButton(TControl& parent) : TControl(&parent) {
  auto native = Application->Widgets().CreateButton(*this, parent.Handle());
  button_ = native.get();
  SetHandle(std::move(native));
}

void TButton::Click() {
  if (onClick_) {
    Application->Dispatch([this] { onClick_(this); });
  }
}

bool TButton::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name == "Caption") {
    caption_ = StringValue(property);
    button_->SetCaption(caption_);
    return true;
  }
  if (property.name == "OnClick") {
    onClick_ = reading.Handler(property);
    return true;
  }
  return false;
}
