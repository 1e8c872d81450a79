#include "classlib/widgets/Panel.h"

#include "classlib/widgets/Application.h"

TPanel::TPanel(TControl& parent) : TControl(&parent) {
  SetHandle(Application->Widgets().CreatePaintBox(*this, parent.Handle()));
}

bool TPanel::SetProperty(const FormProperty& property, const FormReading&) {
  if (property.name == "Color") {
    colour_ = ColourValue(property);
    return true;
  }
  return false;
}

void TPanel::Paint(TCanvas& canvas) {
  const int w = BoundsRect().width;
  const int h = BoundsRect().height;
  canvas.FillRect({0, 0, w, h}, colour_);
  canvas.FillRect({0, 0, w, 1}, clBtnHighlight);
  canvas.FillRect({0, 0, 1, h}, clBtnHighlight);
  canvas.FillRect({0, h - 1, w, 1}, clBtnShadow);
  canvas.FillRect({w - 1, 0, 1, h}, clBtnShadow);
}
