#pragma once

#include "classlib/widgets/Control.h"

// A picture drawn at its own size at the top-left corner of the box; its transparent
// pixels show what lies beneath.
class TImage : public TControl {
public:
  explicit TImage(TControl& parent);

  const TPicture& Picture() const { return picture_; }

  bool SetProperty(const FormProperty& property, const FormReading& reading) override;
  void Paint(TCanvas& canvas) override;

private:
  TPicture picture_;
};
