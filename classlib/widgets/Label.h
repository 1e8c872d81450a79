#pragma once

#include "classlib/widgets/Control.h"

#include <string>

// One line of text without wrapping, opaque: it fills its box with its colour before the
// text. Once the form is loaded it takes the size of its text, keeping its left edge.
class TLabel : public TControl {
public:
  explicit TLabel(TControl& parent);

  const std::string& Caption() const { return caption_; }

  bool SetProperty(const FormProperty& property, const FormReading& reading) override;
  void Loaded() override;
  void Paint(TCanvas& canvas) override;

private:
  std::string caption_;
  TColor colour_ = clBtnFace;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TTextLayout layout_ = TTextLayout::tlTop;
};
