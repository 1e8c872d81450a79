#include "classlib/widgetsets/qt/QtMemo.h"

#include <QApplication>
#include <QClipboard>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

class QtMemoTest : public ::testing::Test {
protected:
  QtMemoTest() : memo(&window) {
    memo.SetFont(TFont{});
    window.resize(265, 177);
    memo.setGeometry(8, 8, 249, 97);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    memo.setFocus();
  }
  QWidget window;
  QtMemo memo;
};

} // namespace

TEST_F(QtMemoTest, TheUserCanSelectAndCopyButNotChangeTheText) {
  memo.SetText("Adam Smith\r\n1000 Maple Ave");
  QApplication::clipboard()->setText("pasted");
  QTest::keyClicks(&memo, "typed");
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClick(&memo, Qt::Key_Backspace);
  QTest::keyClick(&memo, Qt::Key_Delete);
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(memo.toPlainText(), "Adam Smith\n1000 Maple Ave");

  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Adam Smith\n1000 Maple Ave");
}

TEST_F(QtMemoTest, SevenLinesFitAndTheRestComesIntoViewWithTheCaret) {
  memo.SetText("1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n8\r\n9");
  EXPECT_EQ(memo.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  EXPECT_EQ(memo.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
  const int viewportHeight = memo.viewport()->height();
  QTextBlock seventh = memo.document()->findBlockByNumber(6);
  QTextCursor cursor(seventh);
  EXPECT_LE(memo.cursorRect(cursor).bottom(), viewportHeight);
  EXPECT_EQ(memo.cursorRect(cursor).height(), 13);
  QTextCursor eighth(memo.document()->findBlockByNumber(7));
  EXPECT_GT(memo.cursorRect(eighth).bottom(), viewportHeight);

  QTest::keyClick(&memo, Qt::Key_End, Qt::ControlModifier);
  EXPECT_EQ(memo.textCursor().block().text(), "9");
  EXPECT_LE(memo.cursorRect().bottom(), viewportHeight);
}

TEST_F(QtMemoTest, LongLinesWrapAtWordBoundaries) {
  memo.SetText("E-Mail: averyveryverylongname@averyverylongdomainname.com and more words");
  EXPECT_GT(memo.document()->firstBlock().layout()->lineCount(), 1);
}
