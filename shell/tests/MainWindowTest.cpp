#include "testsupport/MessageBoxAnswerer.h"
#include "testsupport/SmallWordLists.h"
#include "testsupport/StartedWindows.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

class MainWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartWindows()); }

  MainWindowTest() {
    WriteSmallWordLists();
    Form1->Memo1->Clear();
  }

  TemporaryWorkingDirectory directory_;
};

const QRegularExpression kIdentity(QRegularExpression::anchoredPattern(kSmallIdentity));

} // namespace

TEST_F(MainWindowTest, TheWindowAndItsComponentsStandAsDesigned) {
  QWidget& window = QtWidget(*Form1);
  EXPECT_EQ(window.windowTitle(), "Varnex v3.0");
  EXPECT_EQ(window.size(), QSize(265, 177));
  EXPECT_EQ(window.minimumSize(), window.maximumSize());
  EXPECT_FALSE(window.windowFlags() &
               (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint));
  EXPECT_FALSE(window.windowIcon().isNull());
  EXPECT_EQ(QtWidget(*Form1->Memo1).geometry(), QRect(8, 8, 249, 97));
  EXPECT_EQ(QtWidget(*Form1->Memo1).accessibleName(), "Identity");
  const struct {
    TButton* button;
    QRect box;
    const char* caption;
  } buttons[] = {
      {Form1->Button1, {8, 112, 121, 25}, "Create Male Info"},
      {Form1->Button2, {136, 112, 121, 25}, "Create Female Info"},
      {Form1->Button3, {8, 144, 83, 25}, "Clear"},
      {Form1->Button4, {96, 144, 75, 25}, "About"},
      {Form1->Button5, {176, 144, 81, 25}, "Exit"},
  };
  QWidget* focus = &QtWidget(*Form1->Memo1);
  for (const auto& b : buttons) {
    SCOPED_TRACE(b.caption);
    auto& button = dynamic_cast<QPushButton&>(QtWidget(*b.button));
    EXPECT_EQ(button.geometry(), b.box);
    EXPECT_EQ(button.text(), b.caption);
    EXPECT_EQ(button.accessibleName().isEmpty() ? button.text() : button.accessibleName(),
              b.caption);
    EXPECT_FALSE(button.isDefault());
    EXPECT_FALSE(button.autoDefault());
    focus->setFocus();
    QTest::keyClick(focus, Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), &button);
    focus = &button;
  }
  EXPECT_FALSE(Form2->Visible());
  EXPECT_FALSE(QtWidget(*Form2).isVisible());
}

TEST_F(MainWindowTest, BothCommandsFillTheBoxAndClearEmptiesIt) {
  Click(Form1->Button1);
  const QString male = QString::fromStdString(Form1->Memo1->Text());
  EXPECT_TRUE(kIdentity.match(male).hasMatch()) << male.toStdString();
  EXPECT_TRUE(male.startsWith("Adam ") || male.startsWith("Brian "));

  Click(Form1->Button2);
  const QString female = QString::fromStdString(Form1->Memo1->Text());
  EXPECT_TRUE(kIdentity.match(female).hasMatch()) << female.toStdString();
  EXPECT_TRUE(female.startsWith("Alice ") || female.startsWith("Beth "));

  Click(Form1->Button3);
  EXPECT_EQ(Form1->Memo1->Text(), "");
  Click(Form1->Button3);
  EXPECT_EQ(Form1->Memo1->Text(), "");
}

TEST_F(MainWindowTest, AFailingCommandIsReportedAndLeavesTheBoxAsFarAsItGot) {
  Click(Form1->Button1);
  const std::string previous = Form1->Memo1->Text();

  std::filesystem::remove("areas.txt");
  {
    MessageBoxAnswerer answerer;
    Click(Form1->Button1);
    ASSERT_TRUE(answerer.seen.has_value());
    EXPECT_EQ(answerer.seen->title, "Varnex");
    EXPECT_EQ(answerer.seen->text, "Cannot open file areas.txt.");
  }
  EXPECT_EQ(Form1->Memo1->Text(), previous);

  WriteSmallWordLists();
  TemporaryWorkingDirectory::WriteFile("streets.txt", "");
  {
    MessageBoxAnswerer answerer;
    Click(Form1->Button2);
    ASSERT_TRUE(answerer.seen.has_value());
    EXPECT_EQ(answerer.seen->text, "List index out of bounds (0)");
  }
  const std::string text = Form1->Memo1->Text();
  EXPECT_EQ(text.find("\r\n"), text.size() - 2) << "only line 1 stays";

  WriteSmallWordLists();
  Click(Form1->Button2);
  EXPECT_TRUE(kIdentity.match(QString::fromStdString(Form1->Memo1->Text())).hasMatch());
}

TEST_F(MainWindowTest, AboutShowsTheOneAboutWindowWithoutBlocking) {
  Click(Form1->Button4);
  EXPECT_TRUE(QtWidget(*Form2).isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_EQ(QtWidget(*Form2).windowTitle(), "About");
  Click(Form1->Button4);
  EXPECT_TRUE(QtWidget(*Form2).isVisible());
  Click(Form1->Button1);
  EXPECT_TRUE(kIdentity.match(QString::fromStdString(Form1->Memo1->Text())).hasMatch());
  Form2->Close();
  EXPECT_FALSE(QtWidget(*Form2).isVisible());
}
