#include "shell/tests/StartedWindows.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartWindows()); }

  // "About" as the user presses it.
  static void PressAbout() { QTest::mouseClick(Form1->Button4, Qt::LeftButton); }
  static void PressOk() { QTest::mouseClick(Form2->BitBtn1, Qt::LeftButton); }

  static TRxGIFAnimator& Logo() { return *Form2->RxGIFAnimator1; }

  void TearDown() override {
    if (Form2->isVisible()) {
      PressOk();
    }
  }
};

// Whether the rectangle of the window's picture holds any white pixel.
bool HasWhite(const QImage& shot, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (shot.pixelColor(x, y) == Qt::white) {
        return true;
      }
    }
  }
  return false;
}

} // namespace

TEST_F(AboutWindowTest, TheWindowAndItsComponentsStandAsDesigned) {
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_EQ(Form2->windowTitle(), "About");
  EXPECT_EQ(Form2->size(), QSize(201, 207));
  EXPECT_EQ(Form2->minimumSize(), Form2->maximumSize());
  EXPECT_FALSE(Form2->windowFlags() & (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                                       Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                                       Qt::WindowContextHelpButtonHint));
  EXPECT_EQ(Form2->palette().color(QPalette::Window), Qt::black);
  EXPECT_EQ(Form2->Panel1->geometry(), QRect(8, 8, 185, 161));
  EXPECT_EQ(Form2->BitBtn1->geometry(), QRect(64, 176, 75, 25));
  EXPECT_EQ(Form2->Image1->geometry(), QRect(8, 8, 33, 33));
  EXPECT_EQ(Form2->Image1->Picture().size(), QSize(32, 32));
  EXPECT_EQ(Logo().geometry(), QRect(40, 64, 105, 91));
  EXPECT_EQ(Form2->Label1->text(), "Varnex v3.0");
  // Labels keep their left and top and take the size of their text.
  const struct {
    TLabel* label;
    QPoint at;
  } labels[] = {{Form2->Label1, {56, 8}},
                {Form2->Label2, {56, 24}},
                {Form2->Label3, {8, 48}},
                {Form2->Label4, {8, 64}},
                {Form2->Label5, {32, 136}}};
  for (const auto& l : labels) {
    SCOPED_TRACE(l.label->text().toStdString());
    EXPECT_EQ(l.label->pos(), l.at);
    EXPECT_EQ(l.label->size(),
              QSize(l.label->fontMetrics().horizontalAdvance(l.label->text()), 13));
    EXPECT_EQ(l.label->palette().color(QPalette::WindowText), Qt::white);
    EXPECT_LE(l.label->geometry().right(), 184) << "inside the panel";
  }
  // Drawn in this order, each over the ones before.
  QStringList stacking;
  for (QObject* child : Form2->Panel1->children()) {
    stacking << child->objectName();
  }
  EXPECT_EQ(stacking, (QStringList{"Image1", "Label1", "Label2", "Label3", "Label4",
                                   "RxGIFAnimator1", "Label5"}));
  EXPECT_EQ(Form2->BitBtn1->text(), "");
  EXPECT_EQ(Form2->BitBtn1->accessibleName(), "OK");
  EXPECT_EQ(Form2->BitBtn1->iconSize(), QSize(67, 17));
  EXPECT_FALSE(Form2->BitBtn1->isDefault());
}

TEST_F(AboutWindowTest, ShowOkShowCentresOnceRewindsAndRestartsTheLogo) {
  PressAbout();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(Form2));
  EXPECT_TRUE(Logo().Animate());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = Form2->frameGeometry();
  EXPECT_EQ(outer.topLeft(),
            QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
  EXPECT_EQ(QApplication::focusWidget(), Form2->BitBtn1);

  for (int tick = 0; tick < 6; ++tick) {
    Logo().Tick();
  }
  Form2->move(30, 40); // as if dragged by its title bar
  PressOk();
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_FALSE(Logo().Animate());
  EXPECT_EQ(Logo().FrameIndex(), 0);

  PressAbout();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Form2->frameGeometry().topLeft(), QPoint(30, 40));
  EXPECT_TRUE(Logo().Animate());
  EXPECT_EQ(Logo().FrameIndex(), 0);
  EXPECT_EQ(Logo().TimerInterval(), 150); // the second frame follows within 150 ms
  EXPECT_TRUE(QTest::qWaitFor([] { return Logo().FrameIndex() == 1; }, 1000));
}

TEST_F(AboutWindowTest, AboutWhileShownNeitherRestartsNorRewinds) {
  PressAbout();
  Logo().Tick();
  Logo().Tick();
  Logo().Tick();
  const int frame = Logo().FrameIndex();
  PressAbout();
  EXPECT_TRUE(Form2->isVisible());
  EXPECT_EQ(Logo().FrameIndex(), frame);
  EXPECT_TRUE(Logo().Animate());
}

TEST_F(AboutWindowTest, OkAnswersEnterAndSpaceButEscapeDoesNothing) {
  PressAbout();
  QApplication::setActiveWindow(Form2);
  ASSERT_TRUE(QTest::qWaitForWindowActive(Form2));
  QTest::keyClick(Form2, Qt::Key_Escape);
  EXPECT_TRUE(Form2->isVisible());
  QTest::keyClick(Form2->BitBtn1, Qt::Key_Return);
  EXPECT_FALSE(Form2->isVisible());
  PressAbout();
  QTest::keyClick(Form2->BitBtn1, Qt::Key_Space);
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_EQ(Logo().FrameIndex(), 0);
}

TEST_F(AboutWindowTest, ACloseByAnotherRouteHidesTheWindowButTheLogoRunsOn) {
  PressAbout();
  Logo().Tick();
  Form2->Close(); // a close request that is not OK
  EXPECT_FALSE(Form2->isVisible());
  EXPECT_TRUE(Logo().Animate());
  Logo().Tick();
  Logo().Tick();
  EXPECT_EQ(Logo().FrameIndex(), 3); // it advanced while hidden
  PressAbout();
  EXPECT_EQ(Logo().FrameIndex(), 3);
  EXPECT_TRUE(Logo().Animate());
}

TEST_F(AboutWindowTest, Label5StaysOnTopAndLabel4ShowsThroughTheLogo) {
  PressAbout();
  // In window coordinates: Label5's box, and the part of Label4 that lies in the logo's box.
  const QRect label5(8 + 32, 8 + 136, Form2->Label5->width(), 13);
  const QRect label4UnderLogo(8 + 42, 8 + 64, Form2->Label4->width() - 34, 11);
  QImage label5Alone;
  for (int frame = 0; frame < 15; ++frame) {
    SCOPED_TRACE(frame);
    const QImage shot = Form2->grab().toImage();
    const QImage label5Now = shot.copy(label5);
    if (frame == 0) {
      label5Alone = label5Now;
      EXPECT_TRUE(HasWhite(shot, label5));
    }
    EXPECT_EQ(label5Now, label5Alone);
    EXPECT_TRUE(HasWhite(shot, label4UnderLogo));
    Logo().Tick();
  }
}

TEST_F(AboutWindowTest, TheMainWindowWorksWhileAboutIsOpen) {
  const TemporaryWorkingDirectory directory;
  for (const char* name : {"males.txt", "last.txt", "cities.txt", "areas.txt", "streets.txt",
                           "domains.txt", "dom_exts.txt"}) {
    TemporaryWorkingDirectory::WriteFile(name, "Entry");
  }
  PressAbout();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  QTest::mouseClick(Form1->Button1, Qt::LeftButton);
  EXPECT_EQ(Form1->Memo1->Text().substr(0, 13), "Entry Entry\r\n");
  EXPECT_TRUE(Form2->isVisible());
}
