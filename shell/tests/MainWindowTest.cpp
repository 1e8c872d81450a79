#include "testsupport/MessageBoxAnswerer.h"
#include "testsupport/StartedWindows.h"
#include "testsupport/TemporaryWorkingDirectory.h"

#include <QRegularExpression>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

void WriteWordLists() {
  const std::pair<const char*, const char*> lists[] = {
      {"males.txt", "Adam\r\nBrian"},
      {"females.txt", "Alice\r\nBeth"},
      {"last.txt", "Smith\r\nJones"},
      {"cities.txt", "Springfield, IL 62701\r\nDayton, OH 45402"},
      {"areas.txt", "(217)\r\n(937)"},
      {"streets.txt", "Maple Ave\r\nOak St"},
      {"domains.txt", "mail.\r\npost."},
      {"dom_exts.txt", "com\r\nnet"},
  };
  for (const auto& [name, content] : lists) {
    TemporaryWorkingDirectory::WriteFile(name, content);
  }
}

class MainWindowTest : public ::testing::Test {
protected:
  static void SetUpTestSuite() { ASSERT_TRUE(StartWindows()); }

  MainWindowTest() {
    WriteWordLists();
    Form1->Memo1->Clear();
  }

  TemporaryWorkingDirectory directory_;
};

const QRegularExpression kIdentity(
    "^(Adam|Brian|Alice|Beth) (Smith|Jones)\r\n[1-9][0-9]{3} (Maple Ave|Oak St)\r\n"
    "(Springfield, IL 62701|Dayton, OH 45402)\r\n\r\nPhone: \\((217|937)\\) [1-9][0-9]{2}-"
    "[1-9][0-9]{3}\r\nE-Mail: [ab](smith|jones)@(mail|post)\\.(com|net)\r\n"
    "D\\.0\\.B\\. ([1-9]|1[01])/([1-9]|1[0-9]|2[0-8])/(6[5-9]|7[0-9]|8[0-4])$");

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

  WriteWordLists();
  TemporaryWorkingDirectory::WriteFile("streets.txt", "");
  {
    MessageBoxAnswerer answerer;
    Click(Form1->Button2);
    ASSERT_TRUE(answerer.seen.has_value());
    EXPECT_EQ(answerer.seen->text, "List index out of bounds (0)");
  }
  const std::string text = Form1->Memo1->Text();
  EXPECT_EQ(text.find("\r\n"), text.size() - 2) << "only line 1 stays";

  WriteWordLists();
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
