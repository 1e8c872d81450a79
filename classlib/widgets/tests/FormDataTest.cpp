#include "classlib/widgets/FormData.h"
#include "classlib/core/Exception.h"

#include <gtest/gtest.h>

TEST(FormData, ReadsObjectsPropertiesAndEveryKindOfValue) {
  const FormObject form = ParseFormData("object Form1: TForm1\n"
                                        "  Caption = 'It''s Varnex'\n"
                                        "  Font.Height = -11\n"
                                        "  BorderIcons = [biSystemMenu, biMinimize]\n"
                                        "  BorderStyle = bsSingle\n"
                                        "  object Memo1: TMemo\n"
                                        "    ReadOnly = True\n"
                                        "  end\n"
                                        "  object Panel1: TPanel\n"
                                        "    object Label1: TLabel\n"
                                        "    end\n"
                                        "  end\n"
                                        "end\n");
  EXPECT_EQ(form.name, "Form1");
  EXPECT_EQ(form.className, "TForm1");
  ASSERT_EQ(form.properties.size(), 4u);
  EXPECT_EQ(form.properties[0].value.text, "It's Varnex");
  EXPECT_EQ(form.properties[0].value.kind, FormValue::Kind::String);
  EXPECT_EQ(form.properties[1].name, "Font.Height");
  EXPECT_EQ(form.properties[1].value.integer, -11);
  EXPECT_EQ(form.properties[2].value.items,
            (std::vector<std::string>{"biSystemMenu", "biMinimize"}));
  EXPECT_EQ(form.properties[3].value.kind, FormValue::Kind::Identifier);
  EXPECT_EQ(form.properties[3].line, 5);
  ASSERT_EQ(form.children.size(), 2u);
  EXPECT_EQ(form.children[0].properties[0].value.text, "True");
  EXPECT_EQ(form.children[1].children[0].className, "TLabel");
  EXPECT_TRUE(
      ParseFormData("object F: TForm BorderIcons = [] end").properties[0].value.items.empty());
}

TEST(FormData, MalformedTextFailsNamingTheLine) {
  const struct {
    const char* text;
    const char* message;
  } cases[] = {
      {"", "Form data, line 1: 'object' expected"},
      {"object Form1 TForm1\nend", "Form data, line 1: ':' expected"},
      {"object F: TForm\n  Caption = 'open\nend", "Form data, line 2: unterminated string"},
      {"object F: TForm\n  Left 8\nend", "Form data, line 2: '=' expected"},
      {"object F: TForm\n  Left = -\nend", "Form data, line 2: digit expected"},
      {"object F: TForm\n  Icons = [a b]\nend", "Form data, line 2: ',' or ']' expected"},
      {"object F: TForm\n  Left = 8\n", "Form data, line 3: unexpected end of the text"},
      {"object F: TForm\nend\nend", "Form data, line 3: text after the last 'end'"},
      {"object F: TForm\n  Left = 99999999999\nend", "Form data, line 2: number too large"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    try {
      (void)ParseFormData(c.text);
      ADD_FAILURE() << "no failure";
    } catch (const Exception& failure) {
      EXPECT_EQ(failure.Message(), c.message);
    }
  }
}
