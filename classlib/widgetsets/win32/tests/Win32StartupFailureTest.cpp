#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Form.h"
#include "classlib/widgetsets/win32/tests/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <memory>
#include <regex>

namespace {

class FailingForm : public TForm {
public:
  FailingForm() { throw EFOpenError("TFORM9"); }
};

FailingForm* failing = nullptr;

} // namespace

TEST(Win32StartupFailure, AFormThatFailsToBuildShowsApplicationErrorAndGivesExitCodeOne) {
  std::unique_ptr<MessageBoxAnswerer> answerer;
  const int exitCode = RunProgram(CreateWidgetSet("ignored"), [&] {
    answerer = std::make_unique<MessageBoxAnswerer>();
    Application->SetTitle("Varnex");
    Application->CreateForm(failing);
    Application->Run();
  });
  EXPECT_EQ(exitCode, 1);
  ASSERT_TRUE(answerer->seen.has_value());
  EXPECT_EQ(answerer->seen->caption, L"Application Error");
  EXPECT_EQ(answerer->seen->owner, nullptr);
  const std::wregex format(L"Exception EFOpenError in module "
                           L"classlib_widgetset_win32_startup_failure_test\\.exe at "
                           L"[0-9A-F]{16}\\.\nCannot open file TFORM9\\.");
  EXPECT_TRUE(std::regex_match(answerer->seen->text, format));
}
