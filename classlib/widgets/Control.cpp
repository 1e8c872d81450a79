#include "classlib/widgets/Control.h"

#include "classlib/core/Exception.h"
#include "classlib/core/Text.h"

#include <QWidget>

#include <map>

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

QString TextValue(const FormProperty& property) { return QString::fromUtf8(StringValue(property)); }

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

QColor ColourValue(const FormProperty& property) {
  // The classic Windows system colours, so that bevels look the same on every desktop.
  static const std::map<std::string, QColor> colours = {
      {"clBlack", QColor(0, 0, 0)},           {"clWhite", QColor(255, 255, 255)},
      {"clBtnFace", QColor(212, 208, 200)},   {"clBtnHighlight", QColor(255, 255, 255)},
      {"clBtnShadow", QColor(128, 128, 128)}, {"clWindow", QColor(255, 255, 255)},
      {"clWindowText", QColor(0, 0, 0)},
  };
  const auto found = colours.find(IdentifierValue(property));
  if (found == colours.end()) {
    FailProperty(property, "unknown colour " + property.value.text);
  }
  return found->second;
}

bool SetFontProperty(QWidget& widget, const FormProperty& property, const FormReading& reading) {
  QFont font = widget.font();
  if (property.name == "Font.Name") {
    font.setFamily(TextValue(property));
  } else if (property.name == "Font.Height") {
    font.setPixelSize(reading.FontPixels(IntegerValue(property)));
  } else if (property.name == "Font.Color") {
    QPalette palette = widget.palette();
    palette.setColor(QPalette::WindowText, ColourValue(property));
    widget.setPalette(palette);
    return true;
  } else {
    return false;
  }
  widget.setFont(font);
  return true;
}
