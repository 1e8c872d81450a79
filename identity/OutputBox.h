#pragma once

#include <string>
#include <string_view>

// The box a generation writes into: the main window's memo, or a string in tests.
class OutputBox {
public:
  virtual ~OutputBox() = default;

  virtual void Clear() = 0;
  // Adds the line followed by CR LF at the end of the text.
  virtual void AddLine(std::string_view line) = 0;
  virtual std::string GetText() const = 0;
  virtual void SetText(std::string_view text) = 0;
};

// An output box that is just its text.
class StringOutputBox : public OutputBox {
public:
  void Clear() override { text_.clear(); }
  void AddLine(std::string_view line) override {
    text_ += line;
    text_ += "\r\n";
  }
  std::string GetText() const override { return text_; }
  void SetText(std::string_view text) override { text_ = text; }

private:
  std::string text_;
};
