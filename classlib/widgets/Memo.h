#pragma once

#include "classlib/widgets/Control.h"

#include <QPlainTextEdit>

#include <string>
#include <string_view>

// A read-only, word-wrapping text box without scroll bars. Its text is bytes with CR LF
// line breaks, kept exactly; what it displays is that text decoded for Qt. The user can
// select and copy but not change it.
class TMemo : public QPlainTextEdit, public TControl {
public:
  explicit TMemo(QWidget* parent);

  void Clear();
  // Adds the line and CR LF at the end of the text.
  void AddLine(std::string_view line);
  const std::string& Text() const { return text_; }
  void SetText(std::string_view text);

  QWidget* Widget() override { return this; }
  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

private:
  void ShowText();

  std::string text_;
};
