#pragma once

#include "classlib/widgets/Control.h"

// A plain area in its colour with a raised one-pixel bevel and no caption; it holds other
// components and never takes the focus.
class TPanel : public TControl {
public:
  explicit TPanel(TControl& parent);

  bool SetProperty(const FormProperty& property, const FormReading& reading) override;
  void Paint(TCanvas& canvas) override;

private:
  TColor colour_ = clBtnFace;
};
