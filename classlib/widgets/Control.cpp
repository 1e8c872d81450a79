#include "classlib/widgets/Control.h"

#include "classlib/core/Exception.h"
#include "classlib/core/Text.h"
#include "classlib/widgets/WidgetSet.h"

#include <map>

TControl::TControl(const TControl* parent) {
  if (parent != nullptr) {
    font_ = parent->Font();
  }
}

TControl::~TControl() = default;

void TControl::SetHandle(std::unique_ptr<NativeControl> handle) {
  handle_ = std::move(handle);
  handle_->SetFont(font_);
}

void TControl::SetBounds(const TRect& box) {
  bounds_ = box;
  handle_->SetBounds(box);
}

void TControl::SetVisible(bool visible) {
  visible_ = visible;
  handle_->SetVisible(visible);
}

void TControl::SetFont(const TFont& font) {
  font_ = font;
  handle_->SetFont(font);
}

bool TControl::SetProperty(const FormProperty&, const FormReading&) { return false; }

void TControl::Paint(TCanvas&) {}

void FailProperty(const FormProperty& property, const std::string& what) {
  throw Exception("Form data, line " + IntToStr(property.line) + ": " + what);
}

namespace {

const FormValue& Checked(const FormProperty& property, FormValue::Kind kind, const char* what) {
  if (property.value.kind != kind) {
    FailProperty(property, property.name + " takes " + what);
  }
  return property.value;
}

} // namespace

std::int64_t IntegerValue(const FormProperty& property) {
  return Checked(property, FormValue::Kind::Integer, "a number").integer;
}

std::string StringValue(const FormProperty& property) {
  return Checked(property, FormValue::Kind::String, "a quoted string").text;
}

std::string IdentifierValue(const FormProperty& property) {
  return Checked(property, FormValue::Kind::Identifier, "a name").text;
}

bool BooleanValue(const FormProperty& property) {
  const std::string value = IdentifierValue(property);
  if (value != "True" && value != "False") {
    FailProperty(property, property.name + " takes True or False");
  }
  return value == "True";
}

TColor ColourValue(const FormProperty& property) {
  static const std::map<std::string, TColor> colours = {
      {"clBlack", clBlack},         {"clWhite", clWhite},
      {"clBtnFace", clBtnFace},     {"clBtnHighlight", clBtnHighlight},
      {"clBtnShadow", clBtnShadow}, {"clWindow", 0xFFFFFF},
      {"clWindowText", 0x000000},
  };
  const auto found = colours.find(IdentifierValue(property));
  if (found == colours.end()) {
    FailProperty(property, "unknown colour " + property.value.text);
  }
  return found->second;
}

bool SetFontProperty(TFont& font, const FormProperty& property, const FormReading& reading) {
  if (property.name == "Font.Name") {
    font.name = StringValue(property);
  } else if (property.name == "Font.Height") {
    font.height = reading.FontPixels(IntegerValue(property));
  } else if (property.name == "Font.Color") {
    font.colour = ColourValue(property);
  } else {
    return false;
  }
  return true;
}
