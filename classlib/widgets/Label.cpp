#include "classlib/widgets/Label.h"

#include "classlib/widgets/Application.h"

TLabel::TLabel(TControl& parent) : TControl(&parent) {
  SetHandle(Application->Widgets().CreatePaintBox(*this, parent.Handle()));
}

bool TLabel::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name == "Caption") {
    caption_ = StringValue(property);
  } else if (property.name == "Color") {
    colour_ = ColourValue(property);
  } else if (property.name == "Alignment") {
    const std::string value = IdentifierValue(property);
    alignment_ = value == "taCenter"         ? TAlignment::taCenter
                 : value == "taRightJustify" ? TAlignment::taRightJustify
                                             : TAlignment::taLeftJustify;
  } else if (property.name == "Layout") {
    const std::string value = IdentifierValue(property);
    layout_ = value == "tlCenter"   ? TTextLayout::tlCenter
              : value == "tlBottom" ? TTextLayout::tlBottom
                                    : TTextLayout::tlTop;
  } else {
    TFont font = Font();
    if (!SetFontProperty(font, property, reading)) {
      return false;
    }
    SetFont(font);
  }
  return true;
}

void TLabel::Loaded() {
  const TSize size = Application->Widgets().TextExtent(Font(), caption_);
  SetBounds({BoundsRect().left, BoundsRect().top, size.width, size.height});
}

void TLabel::Paint(TCanvas& canvas) {
  const TRect box{0, 0, BoundsRect().width, BoundsRect().height};
  canvas.FillRect(box, colour_);
  canvas.TextRect(box, caption_, Font(), alignment_, layout_);
}
