#include "classlib/widgets/Application.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/FailureDialog.h"
#include "classlib/widgets/Form.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QWidget>

#include <typeinfo>

TApplication* Application = nullptr;

namespace {

// Debian's fonts-wine ships a free bitmap "MS Sans Serif"; with it the forms keep their
// designed sizes.
constexpr const char* kDialogFont = "/usr/share/wine/fonts/ms_sans_serif.ttf";

void ReleaseMouseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) {
    grabber->releaseMouse();
  }
}

} // namespace

TApplication::TApplication(const char* programPath)
    : argv_{const_cast<char*>(programPath), nullptr} {
  // Qt sees the program's name and nothing else: the program takes no arguments.
  qt_ = std::make_unique<QApplication>(argc_, argv_);
  QApplication::setQuitOnLastWindowClosed(false);
  if (QFile::exists(kDialogFont)) {
    QFontDatabase::addApplicationFont(kDialogFont);
  }
}

TApplication::~TApplication() {
  while (!forms_.empty()) {
    forms_.pop_back();
  }
  qt_.reset();
}

void TApplication::SetTitle(const std::string& title) {
  title_ = title;
  // The window class and the desktop's name for the program; titles stay as forms set them.
  QCoreApplication::setApplicationName(QString::fromStdString(title));
}

TForm* TApplication::MainForm() const { return forms_.empty() ? nullptr : forms_.front().get(); }

void TApplication::Run() {
  if (TForm* main = MainForm()) {
    main->Show();
  }
  QApplication::exec();
}

void TApplication::ProcessMessages() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void TApplication::Terminate() {
  // exit(), not quit(): quit() first asks every window to close, and the main window
  // answers a close by asking to terminate.
  QMetaObject::invokeMethod(
      qt_.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void TApplication::Dispatch(const std::function<void()>& handler) noexcept {
  try {
    handler();
  } catch (const EAbort&) {
    ReleaseMouseCapture();
  } catch (const Exception& failure) {
    ReleaseMouseCapture();
    ShowFailure(title_, failure.Message());
  } catch (const std::exception& failure) {
    ReleaseMouseCapture();
    ShowFailure(title_, failure.what());
  } catch (...) {
    ReleaseMouseCapture();
    ShowFailure(title_, "Unknown failure");
  }
}

int RunProgram(const char* programPath, const std::function<void()>& startup) {
  int exitCode = 0;
  {
    TApplication application(programPath);
    Application = &application;
    const auto fail = [](const std::string& className, std::uintptr_t address,
                         const std::string& message) {
      const QString module = QFileInfo(QCoreApplication::applicationFilePath()).fileName();
      ShowStartupFailure(StartupFailureText(className, module.toStdString(), address, message));
      return 1;
    };
    try {
      startup();
    } catch (const Exception& failure) {
      exitCode = fail(failure.ClassName(), failure.Address(), failure.Message());
    } catch (const std::exception& failure) {
      exitCode = fail(typeid(failure).name(), 0, failure.what());
    }
  }
  Application = nullptr;
  return exitCode;
}
