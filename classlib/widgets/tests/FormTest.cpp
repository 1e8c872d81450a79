#include "classlib/widgets/Form.h"
#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Button.h"
#include "classlib/widgets/Memo.h"
#include "classlib/widgetsets/qt/QtWidgetSet.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include <gtest/gtest.h>

namespace {

class TestForm : public TForm {
public:
  explicit TestForm(const std::string& resource) {
    LoadForm(resource, {{"Clicked", [this](TObject* sender) { clickedBy = sender; }}});
  }
  template <class T> T* Get(const std::string& name) {
    T* component = nullptr;
    Bind(component, name);
    return component;
  }
  TObject* clickedBy = nullptr;
};

std::string LoadFailure(const std::string& resource) {
  try {
    TestForm form(resource);
  } catch (const Exception& failure) {
    return failure.Message();
  }
  return "";
}

QRect QtRect(const TRect& box) { return {box.left, box.top, box.width, box.height}; }

} // namespace

TEST(Form, AFontTallerOrShorterThanDesignedScalesEverySize) {
  // The form was laid out for a text height of 26; the font in use measures 13.
  TestForm form("TSCALED");
  QWidget& window = QtWidget(form);
  ASSERT_EQ(QFontMetrics(window.font()).height(), 13);
  EXPECT_EQ(form.ClientSize(), (TSize{133, 89})); // 132.5 and 88.5 rounded away from zero
  EXPECT_EQ(window.size(), QSize(133, 89));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  const struct {
    TControl* control;
    TRect box;
  } components[] = {{form.Get<TButton>("Button1"), {5, 56, 61, 13}},
                    {form.Get<TMemo>("Memo1"), {4, 4, 125, 49}}};
  for (const auto& c : components) {
    EXPECT_EQ(c.control->BoundsRect(), c.box) << c.control->Name();
    EXPECT_EQ(QtWidget(*c.control).geometry(), QtRect(c.box)) << c.control->Name();
  }
  EXPECT_EQ(window.windowTitle(), "Half size");
  EXPECT_EQ(form.Get<TButton>("Button1")->Caption(), "R&D");
  EXPECT_EQ(dynamic_cast<QPushButton&>(QtWidget(*form.Get<TButton>("Button1"))).text(), "R&&D");
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(window.windowFlags() & Qt::WindowCloseButtonHint);
}

TEST(Form, ComponentsAndHandlersNotDeclaredFailTheBuild) {
  EXPECT_EQ(LoadFailure("TBADPROPERTY"), "Form data, line 5: a TButton has no property Colour");
  EXPECT_EQ(LoadFailure("TBADHANDLER"), "Form data, line 3: no handler Nowhere");
  EXPECT_EQ(LoadFailure("TMISSING"), "Form data TMISSING is missing");
  TestForm form("TSCALED");
  EXPECT_THROW(form.Get<TButton>("Button9"), Exception);
}

TEST(Form, CentredAtTheFirstShowingOnlyAndHiddenWhenClosed) {
  TestForm form("TSCALED");
  QWidget& window = QtWidget(form);
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(window.isVisible());
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
  EXPECT_TRUE(form.Visible());
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = window.frameGeometry();
  EXPECT_EQ(outer.topLeft(),
            QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));

  window.move(10, 20); // as if dragged by its title bar
  window.close();      // the close box: not the main window, so it only hides
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(window.isVisible());
  form.Show();
  EXPECT_EQ(window.frameGeometry().topLeft(), QPoint(10, 20));
}

TEST(Form, TabOrderFollowsTheDeclarationAndButtonsAnswerEnterOnlyWithFocus) {
  TestForm form("TSCALED");
  form.Show();
  QWidget& window = QtWidget(form);
  QApplication::setActiveWindow(&window);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
  auto* memo = &QtWidget(*form.Get<TMemo>("Memo1"));
  TButton* button = form.Get<TButton>("Button1");
  auto* qtButton = &dynamic_cast<QPushButton&>(QtWidget(*button));
  EXPECT_EQ(QApplication::focusWidget(), memo); // first in tab order, though declared second
  EXPECT_FALSE(qtButton->isDefault());
  EXPECT_FALSE(qtButton->autoDefault());

  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(form.clickedBy, nullptr);
  QTest::keyClick(memo, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), qtButton);
  QTest::keyClick(qtButton, Qt::Key_Return);
  EXPECT_EQ(form.clickedBy, button);
  form.clickedBy = nullptr;
  QTest::keyClick(qtButton, Qt::Key_Space);
  EXPECT_EQ(form.clickedBy, button);
  form.clickedBy = nullptr;
  QTest::keyClick(qtButton, Qt::Key_D, Qt::AltModifier); // no accelerator in "R&D"
  EXPECT_EQ(form.clickedBy, nullptr);
}

TEST(Form, TheMemoKeepsItsBytesAndShowsThemDecoded) {
  TestForm form("TSCALED");
  TMemo* memo = form.Get<TMemo>("Memo1");
  auto& shown = dynamic_cast<QPlainTextEdit&>(QtWidget(*memo));
  memo->AddLine("Ren\xC3\xA9 Smith");
  memo->AddLine("");
  memo->SetText(memo->Text() + "D.0.B. 3/7/69");
  EXPECT_EQ(memo->Text(), "Ren\xC3\xA9 Smith\r\n\r\nD.0.B. 3/7/69");
  EXPECT_EQ(shown.toPlainText(), QString::fromUtf8("René Smith\n\nD.0.B. 3/7/69"));
  memo->Clear();
  EXPECT_EQ(memo->Text(), "");
  EXPECT_EQ(shown.toPlainText(), "");
}
