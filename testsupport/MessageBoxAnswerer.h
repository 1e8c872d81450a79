#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <optional>

// Waits for the next message box to open, notes what it shows and presses its OK button,
// so that a test can go on past a modal dialog.
class MessageBoxAnswerer {
public:
  struct Seen {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttonCount;
    Qt::WindowModality modality;
  };

  MessageBoxAnswerer() {
    QObject::connect(&timer_, &QTimer::timeout, [this] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (box == nullptr || seen.has_value()) {
        return;
      }
      seen = Seen{box->windowTitle(), box->text(), box->icon(),
                  static_cast<int>(box->buttons().size()), box->windowModality()};
      box->button(QMessageBox::Ok)->click();
      timer_.stop();
    });
    timer_.start(5);
  }

  std::optional<Seen> seen;

private:
  QTimer timer_;
};
