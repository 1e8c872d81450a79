#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// A form's declared layout, read from text such as
//
//   object Form1: TForm1
//     Caption = 'Varnex v3.0'
//     BorderIcons = [biSystemMenu]
//     object Memo1: TMemo
//       Left = 8
//       ReadOnly = True
//     end
//   end
//
// Values are integers, 'quoted strings' (a doubled quote stands for one), identifiers, or
// [sets] of identifiers.
struct FormValue {
  enum class Kind { Integer, String, Identifier, Set };
  Kind kind = Kind::Integer;
  std::int64_t integer = 0;
  std::string text;               // String and Identifier
  std::vector<std::string> items; // Set
};

struct FormProperty {
  std::string name;
  FormValue value;
  int line = 0;
};

struct FormObject {
  std::string name;
  std::string className;
  std::vector<FormProperty> properties;
  std::vector<FormObject> children;
};

// Raises Exception with the line number on malformed text.
FormObject ParseFormData(std::string_view text);
