// Runs the real start-up routine and ends it the ways a user can.
#include "shell/Startup.h"
#include "about/Unit2.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgetsets/qt/QtWidgetSet.h"
#include "shell/Unit1.h"

#include <QCoreApplication>
#include <QPushButton>
#include <QScreen>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

// What the next start-up does once its message loop runs.
std::function<void()> scenario;

void ScheduleScenario() {
  QTimer::singleShot(0, [] { scenario(); });
}
Q_COREAPP_STARTUP_FUNCTION(ScheduleScenario)

} // namespace

TEST(Startup, TheMainWindowComesUpCentredAndExitEndsWithCodeZero) {
  bool checked = false;
  scenario = [&] {
    EXPECT_EQ(Application->Title(), "Varnex");
    EXPECT_EQ(QCoreApplication::applicationName(), "Varnex");
    EXPECT_TRUE(QtWidget(*Form1).isVisible());
    EXPECT_FALSE(QtWidget(*Form2).isVisible());
    EXPECT_EQ(Form1->Memo1->Text(), "");
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QRect outer = QtWidget(*Form1).frameGeometry();
    EXPECT_EQ(outer.topLeft(),
              QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
    checked = true;
    dynamic_cast<QPushButton&>(QtWidget(*Form1->Button5)).click();
  };
  EXPECT_EQ(VarnexMain(CreateWidgetSet("varnex")), 0);
  EXPECT_TRUE(checked);
}

TEST(Startup, ClosingTheMainWindowWhileAboutIsOpenEndsWithCodeZero) {
  bool closed = false;
  scenario = [&] {
    dynamic_cast<QPushButton&>(QtWidget(*Form1->Button4)).click();
    EXPECT_TRUE(QtWidget(*Form2).isVisible());
    QtWidget(*Form1).close(); // the close box
    closed = true;
  };
  EXPECT_EQ(VarnexMain(CreateWidgetSet("varnex")), 0);
  EXPECT_TRUE(closed);
}

TEST(Startup, ExitHandlesQueuedMessagesFirst) {
  bool generated = false;
  scenario = [&] {
    // A click queued before Exit runs to its end before the program stops.
    QMetaObject::invokeMethod(
        &QtWidget(*Form1), [&] { generated = true; }, Qt::QueuedConnection);
    dynamic_cast<QPushButton&>(QtWidget(*Form1->Button5)).click();
    EXPECT_TRUE(generated);
  };
  EXPECT_EQ(VarnexMain(CreateWidgetSet("varnex")), 0);
  EXPECT_TRUE(generated);
}
