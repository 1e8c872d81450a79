#include "classlib/widgets/FormData.h"

#include "classlib/core/Exception.h"
#include "classlib/core/Text.h"

#include <cctype>

namespace {

class Parser {
public:
  explicit Parser(std::string_view text) : text_(text) {}

  FormObject Document() {
    FormObject root = Object();
    SkipBlanks();
    if (pos_ < text_.size()) {
      Fail("text after the last 'end'");
    }
    return root;
  }

private:
  FormObject Object() {
    Expect("object");
    FormObject object;
    object.name = Word();
    SkipBlanks();
    Expect(":");
    object.className = Word();
    for (;;) {
      const std::string word = Word();
      if (word == "end") {
        return object;
      }
      if (word == "object") {
        pos_ -= word.size();
        object.children.push_back(Object());
        continue;
      }
      FormProperty property{word, {}, line_};
      Expect("=");
      property.value = Value();
      object.properties.push_back(std::move(property));
    }
  }

  FormValue Value() {
    SkipBlanks();
    FormValue value;
    const char c = Peek();
    if (c == '\'') {
      value.kind = FormValue::Kind::String;
      value.text = Quoted();
    } else if (c == '[') {
      value.kind = FormValue::Kind::Set;
      ++pos_;
      SkipBlanks();
      while (Peek() != ']') {
        value.items.push_back(Word());
        SkipBlanks();
        if (Peek() == ',') {
          ++pos_;
        } else if (Peek() != ']') {
          Fail("',' or ']' expected");
        }
      }
      ++pos_;
    } else if (c == '-' || std::isdigit(static_cast<unsigned char>(c))) {
      value.kind = FormValue::Kind::Integer;
      const bool negative = c == '-';
      pos_ += negative ? 1 : 0;
      if (!std::isdigit(static_cast<unsigned char>(Peek()))) {
        Fail("digit expected");
      }
      while (std::isdigit(static_cast<unsigned char>(Peek()))) {
        value.integer = value.integer * 10 + (text_[pos_++] - '0');
        if (value.integer > 1'000'000'000) {
          Fail("number too large");
        }
      }
      value.integer = negative ? -value.integer : value.integer;
    } else {
      value.kind = FormValue::Kind::Identifier;
      value.text = Word();
    }
    return value;
  }

  std::string Quoted() {
    ++pos_;
    std::string text;
    for (;;) {
      if (pos_ >= text_.size() || text_[pos_] == '\n') {
        Fail("unterminated string");
      }
      const char c = text_[pos_++];
      if (c != '\'') {
        text += c;
      } else if (Peek() == '\'') {
        text += '\'';
        ++pos_;
      } else {
        return text;
      }
    }
  }

  // A name: letters, digits, '_' and '.', as in "Font.Height".
  std::string Word() {
    SkipBlanks();
    const std::size_t start = pos_;
    while (pos_ < text_.size() && (std::isalnum(static_cast<unsigned char>(text_[pos_])) ||
                                   text_[pos_] == '_' || text_[pos_] == '.')) {
      ++pos_;
    }
    if (pos_ == start) {
      Fail(pos_ < text_.size() ? "name expected" : "unexpected end of the text");
    }
    return std::string(text_.substr(start, pos_ - start));
  }

  void Expect(std::string_view token) {
    SkipBlanks();
    if (text_.substr(pos_, token.size()) != token) {
      Fail("'" + std::string(token) + "' expected");
    }
    pos_ += token.size();
  }

  void SkipBlanks() {
    while (pos_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[pos_]))) {
      line_ += text_[pos_] == '\n' ? 1 : 0;
      ++pos_;
    }
  }

  char Peek() const { return pos_ < text_.size() ? text_[pos_] : '\0'; }

  [[noreturn]] void Fail(const std::string& what) const {
    throw Exception("Form data, line " + IntToStr(line_) + ": " + what);
  }

  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

} // namespace

FormObject ParseFormData(std::string_view text) { return Parser(text).Document(); }
