#include "classlib/widgets/Control.h"

#include "classlib/core/Exception.h"
#include "classlib/core/Text.h"

namespace {

const FormValue& Checked(const FormProperty& property, FormValue::Kind kind, const char* what) {
  if (property.value.kind != kind) {
    throw Exception("Form data, line " + IntToStr(property.line) + ": " + property.name +
                    " takes " + what);
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
    throw Exception("Form data, line " + IntToStr(property.line) + ": " + property.name +
                    " takes True or False");
  }
  return value == "True";
}
