#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/FailureText.h"
#include "testsupport/MessageBoxAnswerer.h"

#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

#include <new>

TEST(FailureDialog, AppendsAStopOnlyAfterACharacterAboveIt) {
  const struct {
    std::string message;
    std::string shown;
  } cases[] = {
      {"Cannot open file last.txt", "Cannot open file last.txt."},
      {"List index out of bounds (0)", "List index out of bounds (0)"},
      {"Done.", "Done."},
      {"Stop!", "Stop!"},
      {"trailing space ", "trailing space "},
      {"line break\n", "line break\n"},
      {"ends in a digit 7", "ends in a digit 7."},
      {"ends in a colon:", "ends in a colon:."},
      {"a question?", "a question?."},
      {"slash/", "slash/."},
      {"comma,", "comma,"},
      {"hyphen-", "hyphen-"},
      {"Latin-1 \xE9", "Latin-1 \xE9."},
      {"", ""},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FailureText(c.message), c.shown) << c.message;
  }
}

TEST(FailureDialog, AFailureInAHandlerIsShownAndTheProgramGoesOn) {
  Application->SetTitle("Varnex");
  QWidget window;
  window.show();
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  window.grabMouse();

  MessageBoxAnswerer answerer;
  bool laterStepRan = false;
  Application->Dispatch([&] {
    throw EFOpenError("areas.txt");
    laterStepRan = true;
  });
  ASSERT_TRUE(answerer.seen.has_value());
  EXPECT_EQ(answerer.seen->title, "Varnex");
  EXPECT_EQ(answerer.seen->text, "Cannot open file areas.txt.");
  EXPECT_EQ(answerer.seen->icon, QMessageBox::Critical);
  EXPECT_EQ(answerer.seen->buttonCount, 1);
  EXPECT_EQ(answerer.seen->modality, Qt::ApplicationModal);
  EXPECT_FALSE(laterStepRan);
  EXPECT_EQ(QWidget::mouseGrabber(), nullptr);
  EXPECT_TRUE(QTest::qWaitForWindowActive(&window));

  bool nextHandlerRan = false;
  Application->Dispatch([&] { nextHandlerRan = true; });
  EXPECT_TRUE(nextHandlerRan);
}

TEST(FailureDialog, ASilentAbortShowsNothing) {
  MessageBoxAnswerer answerer;
  Application->Dispatch([] { throw EAbort(""); });
  QTest::qWait(50);
  EXPECT_FALSE(answerer.seen.has_value());
}

TEST(FailureDialog, FailuresThatAreNotOursAreShownTooAndDoNotEndTheProgram) {
  MessageBoxAnswerer answerer;
  Application->Dispatch([] { throw std::bad_alloc(); });
  ASSERT_TRUE(answerer.seen.has_value());
  EXPECT_EQ(answerer.seen->text, "std::bad_alloc.");

  MessageBoxAnswerer second;
  Application->Dispatch([] { throw 42; });
  ASSERT_TRUE(second.seen.has_value());
  EXPECT_EQ(second.seen->text, "Unknown failure.");
}
