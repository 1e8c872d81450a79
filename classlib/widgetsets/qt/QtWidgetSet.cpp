#include "classlib/widgetsets/qt/QtWidgetSet.h"

#include "classlib/widgets/Control.h"
#include "classlib/widgetsets/qt/QtButton.h"
#include "classlib/widgetsets/qt/QtGif.h"
#include "classlib/widgetsets/qt/QtMemo.h"
#include "classlib/widgetsets/qt/QtPaintBox.h"
#include "classlib/widgetsets/qt/QtTimer.h"
#include "classlib/widgetsets/qt/QtWindow.h"

#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>

#include <cmath>

namespace {

// Debian's fonts-wine ships a free bitmap "MS Sans Serif"; with it the forms keep their
// designed sizes.
constexpr const char* kDialogFont = "/usr/share/wine/fonts/ms_sans_serif.ttf";

} // namespace

std::unique_ptr<WidgetSet> CreateWidgetSet(const char* programPath) {
  return std::make_unique<QtWidgetSet>(programPath);
}

QtWidgetSet::QtWidgetSet(const char* programPath) : argv_{const_cast<char*>(programPath), nullptr} {
  // The forms scale themselves by the screen's density and their font's text height, as
  // Windows programs do; Qt's own scaling would stretch text drawn for 96 pixels per inch.
  qputenv("QT_ENABLE_HIGHDPI_SCALING", "0");
  // Qt sees the program's name and nothing else: the program takes no arguments.
  qt_ = std::make_unique<QApplication>(argc_, argv_);
  QApplication::setQuitOnLastWindowClosed(false);
  if (QFile::exists(kDialogFont)) {
    QFontDatabase::addApplicationFont(kDialogFont);
  }
}

QtWidgetSet::~QtWidgetSet() = default;

std::unique_ptr<NativeWindow> QtWidgetSet::CreateFormWindow(TForm& form,
                                                            const TWindowStyle& style) {
  return std::make_unique<QtWindow>(form, style);
}

std::unique_ptr<NativeMemo> QtWidgetSet::CreateMemo(NativeControl& parent) {
  return std::make_unique<QtMemo>(QtWidgetOf(parent));
}

std::unique_ptr<NativeButton> QtWidgetSet::CreateButton(TButton& button, NativeControl& parent) {
  return std::make_unique<QtButton>(button, QtWidgetOf(parent));
}

std::unique_ptr<NativeControl> QtWidgetSet::CreatePaintBox(TControl& control,
                                                           NativeControl& parent) {
  return std::make_unique<QtPaintBox>(control, QtWidgetOf(parent));
}

std::unique_ptr<NativeTimer> QtWidgetSet::CreateTimer(std::function<void()> tick) {
  return std::make_unique<QtTimer>(std::move(tick));
}

void QtWidgetSet::SetTitle(std::string_view utf8) {
  // The window class and the desktop's name for the program; titles stay as forms set them.
  QCoreApplication::setApplicationName(FromUtf8(utf8));
}

void QtWidgetSet::RunMessageLoop() { QApplication::exec(); }

void QtWidgetSet::ProcessMessages() {
  QCoreApplication::sendPostedEvents();
  QCoreApplication::processEvents(QEventLoop::AllEvents);
}

void QtWidgetSet::PostQuit() {
  // exit(), not quit(): quit() first asks every window to close, and the main window
  // answers a close by asking to terminate.
  QMetaObject::invokeMethod(
      qt_.get(), [] { QCoreApplication::exit(0); }, Qt::QueuedConnection);
}

void QtWidgetSet::ReleaseMouseCapture() {
  if (QWidget* grabber = QWidget::mouseGrabber()) {
    grabber->releaseMouse();
  }
}

void QtWidgetSet::ShowFailureBox(std::string_view caption, std::string_view text) {
  const QPointer<QWidget> active = QApplication::activeWindow();
  QMessageBox box(QMessageBox::Critical, ToQString(caption), ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
  if (active) {
    active->activateWindow();
  }
}

void QtWidgetSet::ShowStartupFailureBox(std::string_view text) {
  QMessageBox box(QMessageBox::Critical, "Application Error", ToQString(text), QMessageBox::Ok);
  box.setWindowModality(Qt::ApplicationModal);
  box.exec();
}

std::string QtWidgetSet::ModuleName() {
  return QFileInfo(QCoreApplication::applicationFilePath()).fileName().toLocal8Bit().toStdString();
}

TSize QtWidgetSet::ScreenSize() {
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  return {screen.width(), screen.height()};
}

int QtWidgetSet::PixelsPerInch() {
  return static_cast<int>(std::lround(QGuiApplication::primaryScreen()->logicalDotsPerInchY()));
}

TSize QtWidgetSet::TextExtent(const TFont& font, std::string_view utf8) {
  // The height is the pitch at which Qt lays out lines of this font, as the memo shows them.
  const QFontMetricsF metrics(QtFont(font));
  return {static_cast<int>(std::ceil(metrics.horizontalAdvance(FromUtf8(utf8)))),
          static_cast<int>(std::ceil(metrics.lineSpacing()))};
}

std::optional<std::string> QtWidgetSet::ReadResource(std::string_view name) {
  QFile file(":/" + FromUtf8(name));
  if (!file.open(QIODevice::ReadOnly)) {
    return std::nullopt;
  }
  return file.readAll().toStdString();
}

std::vector<TGifFrame> QtWidgetSet::DecodeGif(std::string_view bytes) {
  return DecodeGifFrames(bytes);
}

QWidget& QtWidget(const TControl& control) { return *QtWidgetOf(control.Handle()); }
