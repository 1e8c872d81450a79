#include "classlib/widgets/Memo.h"

#include "classlib/widgets/Application.h"

TMemo::TMemo(TControl& parent) : TControl(&parent) {
  auto native = Application->Widgets().CreateMemo(parent.Handle());
  memo_ = native.get();
  SetHandle(std::move(native));
}

void TMemo::Clear() { SetText(""); }

void TMemo::AddLine(std::string_view line) {
  text_.append(line).append("\r\n");
  memo_->SetText(text_);
}

void TMemo::SetText(std::string_view text) {
  text_ = text;
  memo_->SetText(text_);
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
