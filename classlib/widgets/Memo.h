#pragma once

#include "classlib/widgets/Control.h"

#include <string>
#include <string_view>

class NativeMemo;

// A read-only, word-wrapping text box without scroll bars. Its text is bytes with CR LF
// line breaks, kept exactly as set; the widget set shows them in the system's code page.
// The user can select and copy but not change it.
class TMemo : public TControl {
public:
  explicit TMemo(TControl& parent);

  void Clear();
  // Adds the line and CR LF at the end of the text.
  void AddLine(std::string_view line);
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);

  bool TabStop() const override { return true; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

private:
  NativeMemo* memo_;
  std::string text_;
};
