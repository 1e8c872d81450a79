// The yardstick for start-up time: the plainest Qt window of the main window's size.
#include <QApplication>
#include <QWidget>

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QWidget window;
  window.setWindowTitle("Bare");
  window.setFixedSize(265, 177);
  window.show();
  return QApplication::exec();
}
