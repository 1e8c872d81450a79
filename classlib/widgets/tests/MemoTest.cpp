#include "classlib/widgets/Memo.h"

#include <QApplication>
#include <QClipboard>
#include <QScrollBar>
#include <QTest>
#include <QTextBlock>

#include <gtest/gtest.h>

namespace {

class MemoTest : public ::testing::Test {
protected:
  MemoTest() : memo(&window) {
    QFont font("MS Sans Serif");
    font.setPixelSize(11);
    window.setFont(font);
    window.resize(265, 177);
    memo.setGeometry(8, 8, 249, 97);
    window.show();
    QApplication::setActiveWindow(&window);
    EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
    memo.setFocus();
  }
  QWidget window;
  TMemo memo;
};

} // namespace

TEST_F(MemoTest, KeepsItsBytesAndShowsThemDecoded) {
  memo.AddLine("Ren\xC3\xA9 Smith");
  memo.AddLine("");
  memo.SetText(memo.Text() + "D.0.B. 3/7/69");
  EXPECT_EQ(memo.Text(), "Ren\xC3\xA9 Smith\r\n\r\nD.0.B. 3/7/69");
  EXPECT_EQ(memo.toPlainText(), QString::fromUtf8("René Smith\n\nD.0.B. 3/7/69"));
  memo.Clear();
  EXPECT_EQ(memo.Text(), "");
  EXPECT_EQ(memo.toPlainText(), "");
}

TEST_F(MemoTest, TheUserCanSelectAndCopyButNotChangeTheText) {
  memo.SetText("Adam Smith\r\n1000 Maple Ave");
  QApplication::clipboard()->setText("pasted");
  QTest::keyClicks(&memo, "typed");
  QTest::keyClick(&memo, Qt::Key_Return);
  QTest::keyClick(&memo, Qt::Key_Backspace);
  QTest::keyClick(&memo, Qt::Key_Delete);
  QTest::keyClick(&memo, Qt::Key_V, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_X, Qt::ControlModifier);
  EXPECT_EQ(memo.Text(), "Adam Smith\r\n1000 Maple Ave");
  EXPECT_EQ(memo.toPlainText(), "Adam Smith\n1000 Maple Ave");

  QTest::keyClick(&memo, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(&memo, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "Adam Smith\n1000 Maple Ave");
}

TEST_F(MemoTest, SevenLinesFitAndTheRestComesIntoViewWithTheCaret) {
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

TEST_F(MemoTest, LongLinesWrapAtWordBoundaries) {
  memo.SetText("E-Mail: averyveryverylongname@averyverylongdomainname.com and more words");
  EXPECT_GT(memo.document()->firstBlock().layout()->lineCount(), 1);
}
