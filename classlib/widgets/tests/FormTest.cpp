#include "classlib/widgets/Form.h"
#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Button.h"
#include "classlib/widgets/Memo.h"

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

} // namespace

TEST(Form, AFontTallerOrShorterThanDesignedScalesEverySize) {
  // The form was laid out for a text height of 26; the font in use measures 13.
  TestForm form("TSCALED");
  ASSERT_EQ(QFontMetrics(form.font()).height(), 13);
  EXPECT_EQ(form.size(), QSize(133, 89)); // 132.5 and 88.5 rounded away from zero
  EXPECT_EQ(form.minimumSize(), form.maximumSize());
  EXPECT_EQ(form.Get<TButton>("Button1")->geometry(), QRect(5, 56, 61, 13));
  EXPECT_EQ(form.Get<TMemo>("Memo1")->geometry(), QRect(4, 4, 125, 49));
  EXPECT_EQ(form.windowTitle(), "Half size");
  EXPECT_EQ(form.Get<TButton>("Button1")->text(), "R&&D");
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(form.windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(form.windowFlags() & Qt::WindowCloseButtonHint);
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
  EXPECT_FALSE(form.isVisible());
  form.Show();
  ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  const QRect outer = form.frameGeometry();
  EXPECT_EQ(outer.topLeft(),
            QPoint((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2));

  form.move(10, 20);
  form.Close(); // not the main window: it only hides
  EXPECT_FALSE(form.isVisible());
  form.Show();
  EXPECT_EQ(form.frameGeometry().topLeft(), QPoint(10, 20));
}

TEST(Form, TabOrderFollowsTheDeclarationAndButtonsAnswerEnterOnlyWithFocus) {
  TestForm form("TSCALED");
  form.Show();
  QApplication::setActiveWindow(&form);
  ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
  auto* memo = form.Get<TMemo>("Memo1");
  auto* button = form.Get<TButton>("Button1");
  EXPECT_EQ(QApplication::focusWidget(), memo); // first in tab order, though declared second
  EXPECT_FALSE(button->isDefault());
  EXPECT_FALSE(button->autoDefault());

  QTest::keyClick(memo, Qt::Key_Return);
  EXPECT_EQ(form.clickedBy, nullptr);
  QTest::keyClick(memo, Qt::Key_Tab);
  EXPECT_EQ(QApplication::focusWidget(), button);
  QTest::keyClick(button, Qt::Key_Return);
  EXPECT_EQ(form.clickedBy, button);
  form.clickedBy = nullptr;
  QTest::keyClick(button, Qt::Key_Space);
  EXPECT_EQ(form.clickedBy, button);
  form.clickedBy = nullptr;
  QTest::keyClick(button, Qt::Key_D, Qt::AltModifier); // no accelerator in "R&D"
  EXPECT_EQ(form.clickedBy, nullptr);
}
