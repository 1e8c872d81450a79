#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/FailureText.h"
#include "classlib/widgets/Form.h"
#include "testsupport/MessageBoxAnswerer.h"

#include <gtest/gtest.h>

#include <QRegularExpression>

#include <memory>

namespace {

class FailingForm : public TForm {
public:
  FailingForm() { throw EFOpenError("TFORM9"); }
};

FailingForm* failing = nullptr;

} // namespace

TEST(StartupFailure, TheTextNamesClassModuleAddressAndMessage) {
  EXPECT_EQ(StartupFailureText("EFOpenError", "varnex.exe", 0x45A2B1, "Cannot open file x"),
            "Exception EFOpenError in module varnex.exe at 000000000045A2B1.\n"
            "Cannot open file x.");
  EXPECT_EQ(StartupFailureText("Exception", "varnex", 0, "Done."),
            "Exception Exception in module varnex at 0000000000000000.\nDone.");
  EXPECT_EQ(StartupFailureText("Exception", "varnex", 0, ""),
            "Exception Exception in module varnex at 0000000000000000.\n");
}

TEST(StartupFailure, AFormThatFailsToBuildEndsTheProgramWithExitCodeOne) {
  std::unique_ptr<MessageBoxAnswerer> answerer;
  bool loopRan = false;
  const int exitCode = RunProgram(CreateWidgetSet("startup-failure-test"), [&] {
    answerer = std::make_unique<MessageBoxAnswerer>();
    Application->SetTitle("Varnex");
    Application->CreateForm(failing);
    loopRan = true;
    Application->Run();
  });
  EXPECT_EQ(exitCode, 1);
  EXPECT_FALSE(loopRan);
  ASSERT_TRUE(answerer->seen.has_value());
  EXPECT_EQ(answerer->seen->title, "Application Error");
  EXPECT_EQ(answerer->seen->icon, QMessageBox::Critical);
  const QRegularExpression format(
      "^Exception EFOpenError in module classlib_widgets_startup_failure_test at "
      "[0-9A-F]{16}\\.\nCannot open file TFORM9\\.$");
  EXPECT_TRUE(format.match(answerer->seen->text).hasMatch()) << answerer->seen->text.toStdString();
}
