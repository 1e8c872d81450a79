#include "classlib/widgets/Image.h"

#include "classlib/widgets/Application.h"
#include "classlib/widgets/IconImage.h"

TImage::TImage(TControl& parent) : TControl(&parent) {
  SetHandle(Application->Widgets().CreatePaintBox(*this, parent.Handle()));
}

bool TImage::SetProperty(const FormProperty& property, const FormReading&) {
  if (property.name == "Picture.Icon") {
    picture_ = LoadIconImage(StringValue(property));
    return true;
  }
  return false;
}

void TImage::Paint(TCanvas& canvas) { canvas.Draw({0, 0}, picture_); }
