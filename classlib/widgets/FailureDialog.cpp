#include "classlib/widgets/FailureDialog.h"

#include "classlib/widgets/SystemText.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>

#include <cstdio>

std::string FailureText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

void ShowFailure(const std::string& title, const std::string& message) {
  const QPointer<QWidget> active = QApplication::activeWindow();
  QMessageBox box(QMessageBox::Critical, ToQString(title), ToQString(FailureText(message)),
                  QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  if (active) {
    active->activateWindow();
  }
}

std::string StartupFailureText(const std::string& className, const std::string& module,
                               std::uintptr_t address, const std::string& message) {
  char hexAddress[2 * sizeof address + 1];
  std::snprintf(hexAddress, sizeof hexAddress, "%0*llX", static_cast<int>(2 * sizeof address),
                static_cast<unsigned long long>(address));
  const bool needsStop = !message.empty() && message.back() != '.';
  return "Exception " + className + " in module " + module + " at " + hexAddress + ".\n" + message +
         (needsStop ? "." : "");
}

void ShowStartupFailure(const std::string& text) {
  QMessageBox box(QMessageBox::Critical, "Application Error", ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}
