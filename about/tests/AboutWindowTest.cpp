#include "classlib/widgetsets/qt/QtFont.h"
#include "testsupport/StartedWindows.h"

#include "testsupport/TemporaryWorkingDirectory.h"
#include <QFontMetrics>

#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class AboutWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartWindows()); }

  // "About" as the user presses it.
  static void PressAbout() { Click(Form1->Button4); }
  static void PressOk() { Click(Form2->BitBtn1); }
  static QWidget& Window() { return QtWidget(*Form2); }

  static TRxGIFAnimator& Logo() { return *Form2->RxGIFAnimator1; }

  void TearDown() override {
    if (Form2->Visible()) {
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
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(Window().windowTitle(), "About");
  EXPECT_EQ(Window().size(), QSize(201, 207));
  EXPECT_EQ(Window().minimumSize(), Window().maximumSize());
  EXPECT_FALSE(Window().windowFlags() &
               (Qt::WindowCloseButtonHint | Qt::WindowSystemMenuHint |
                Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint |
                Qt::WindowContextHelpButtonHint));
  EXPECT_EQ(Window().palette().color(QPalette::Window), Qt::black);
  const struct {
    TControl* control;
    QRect box;
  } placed[] = {{Form2->Panel1, {8, 8, 185, 161}},
                {Form2->BitBtn1, {64, 176, 75, 25}},
                {Form2->Image1, {8, 8, 33, 33}},
                {&Logo(), {40, 64, 105, 91}}};
  for (const auto& p : placed) {
    EXPECT_EQ(QtWidget(*p.control).geometry(), p.box) << p.control->Name();
  }
  EXPECT_EQ(Form2->Image1->Picture().width, 32);
  EXPECT_EQ(Form2->Image1->Picture().height, 32);
  EXPECT_EQ(Form2->Label1->Caption(), "Varnex v3.0");
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
    SCOPED_TRACE(l.label->Caption());
    const QWidget& shown = QtWidget(*l.label);
    EXPECT_EQ(shown.pos(), l.at);
    EXPECT_EQ(shown.size(),
              QSize(QFontMetrics(QtFont(l.label->Font()))
                        .horizontalAdvance(QString::fromStdString(l.label->Caption())),
                    13));
    EXPECT_EQ(l.label->Font().colour, clWhite);
    EXPECT_LE(shown.geometry().right(), 184) << "inside the panel";
  }
  // Drawn in this order, each over the ones before.
  QStringList stacking;
  for (QObject* child : QtWidget(*Form2->Panel1).children()) {
    for (TControl* control :
         {static_cast<TControl*>(Form2->Image1), static_cast<TControl*>(Form2->Label1),
          static_cast<TControl*>(Form2->Label2), static_cast<TControl*>(Form2->Label3),
          static_cast<TControl*>(Form2->Label4), static_cast<TControl*>(&Logo()),
          static_cast<TControl*>(Form2->Label5)}) {
      if (child == &QtWidget(*control)) {
        stacking << QString::fromStdString(control->Name());
      }
    }
  }
  EXPECT_EQ(stacking, (QStringList{"Image1", "Label1", "Label2", "Label3", "Label4",
                                   "RxGIFAnimator1", "Label5"}));
  auto& ok = dynamic_cast<QPushButton&>(QtWidget(*Form2->BitBtn1));
  EXPECT_EQ(ok.text(), "");
  EXPECT_EQ(ok.accessibleName(), "OK");
  EXPECT_EQ(ok.iconSize(), QSize(67, 17));
  EXPECT_FALSE(ok.isDefault());
}

TEST_F(AboutWindowTest, ShowOkShowCentresOnceRewindsAndRestartsTheLogo) {
  PressAbout();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&Window()));
  EXPECT_TRUE(Logo().Animate());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = Window().frameGeometry();
  EXPECT_EQ(outer.topLeft(),
            QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));
  EXPECT_EQ(QApplication::focusWidget(), &QtWidget(*Form2->BitBtn1));

  for (int tick = 0; tick < 6; ++tick) {
    Logo().Tick();
  }
  Window().move(30, 40); // as if dragged by its title bar
  PressOk();
  EXPECT_FALSE(Window().isVisible());
  EXPECT_FALSE(Logo().Animate());
  EXPECT_EQ(Logo().FrameIndex(), 0);

  PressAbout();
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Window().frameGeometry().topLeft(), QPoint(30, 40));
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
  EXPECT_TRUE(Window().isVisible());
  EXPECT_EQ(Logo().FrameIndex(), frame);
  EXPECT_TRUE(Logo().Animate());
}

TEST_F(AboutWindowTest, OkAnswersEnterAndSpaceButEscapeDoesNothing) {
  PressAbout();
  QApplication::setActiveWindow(&Window());
  ASSERT_TRUE(QTest::qWaitForWindowActive(&Window()));
  QTest::keyClick(&Window(), Qt::Key_Escape);
  EXPECT_TRUE(Window().isVisible());
  QTest::keyClick(&QtWidget(*Form2->BitBtn1), Qt::Key_Return);
  EXPECT_FALSE(Window().isVisible());
  PressAbout();
  QTest::keyClick(&QtWidget(*Form2->BitBtn1), Qt::Key_Space);
  EXPECT_FALSE(Window().isVisible());
  EXPECT_EQ(Logo().FrameIndex(), 0);
}

TEST_F(AboutWindowTest, ACloseByAnotherRouteHidesTheWindowButTheLogoRunsOn) {
  PressAbout();
  Logo().Tick();
  Window().close(); // a close request that is not OK
  EXPECT_FALSE(Window().isVisible());
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
  const QRect label5(8 + 32, 8 + 136, Form2->Label5->BoundsRect().width, 13);
  const QRect label4UnderLogo(8 + 42, 8 + 64, Form2->Label4->BoundsRect().width - 34, 11);
  QImage label5Alone;
  for (int frame = 0; frame < 15; ++frame) {
    SCOPED_TRACE(frame);
    const QImage shot = Window().grab().toImage();
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
  Click(Form1->Button1);
  EXPECT_EQ(Form1->Memo1->Text().substr(0, 13), "Entry Entry\r\n");
  EXPECT_TRUE(Window().isVisible());
}
