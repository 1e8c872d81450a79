#include "classlib/widgets/Form.h"

#include "classlib/core/Exception.h"
#include "classlib/core/Text.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Button.h"
#include "classlib/widgets/IconImage.h"
#include "classlib/widgets/Memo.h"
#include "classlib/widgets/SystemText.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

namespace {

[[noreturn]] void Fail(const FormProperty& property, const std::string& what) {
  throw Exception("Form data, line " + IntToStr(property.line) + ": " + what);
}

class HandlerTable : public FormReading {
public:
  explicit HandlerTable(const TForm::Handlers& handlers) : handlers_(handlers) {}
  TNotifyEvent Handler(const FormProperty& property) const override {
    const auto found = handlers_.find(IdentifierValue(property));
    if (found == handlers_.end()) {
      Fail(property, "no handler " + property.value.text);
    }
    return found->second;
  }

private:
  const TForm::Handlers& handlers_;
};

TControl* CreateControl(const FormObject& object, QWidget* parent) {
  if (object.className == "TMemo") {
    return new TMemo(parent);
  }
  if (object.className == "TButton") {
    return new TButton(parent);
  }
  throw Exception("Form data: unknown component class " + object.className);
}

int Scaled(std::int64_t value, double factor) {
  return static_cast<int>(std::lround(static_cast<double>(value) * factor));
}

// What the form data says about the window itself.
struct WindowSettings {
  QString caption;
  std::int64_t clientWidth = 0;
  std::int64_t clientHeight = 0;
  std::string borderStyle = "bsSizeable";
  std::vector<std::string> borderIcons = {"biSystemMenu", "biMinimize", "biMaximize"};
  std::string position = "poDesigned";
  QString fontName = "MS Sans Serif";
  std::int64_t fontHeight = -11;
  std::int64_t pixelsPerInch = 96;
  std::int64_t textHeight = 13;
  QString icon;
  std::string onShow;
};

bool Has(const std::vector<std::string>& items, const std::string& item) {
  return std::find(items.begin(), items.end(), item) != items.end();
}

} // namespace

TForm::TForm() : QWidget(nullptr) { setAttribute(Qt::WA_QuitOnClose, false); }

void TForm::LoadForm(const std::string& resourceName, const Handlers& handlers) {
  QFile resource(QString::fromStdString(":/forms/" + resourceName));
  if (!resource.open(QIODevice::ReadOnly)) {
    throw Exception("Form data " + resourceName + " is missing");
  }
  const QByteArray bytes = resource.readAll();
  const FormObject root = ParseFormData(std::string_view(bytes.constData(), bytes.size()));
  const HandlerTable reading(handlers);

  WindowSettings window;
  for (const FormProperty& p : root.properties) {
    if (p.name == "Caption") {
      window.caption = ToQString(StringValue(p));
    } else if (p.name == "ClientWidth") {
      window.clientWidth = IntegerValue(p);
    } else if (p.name == "ClientHeight") {
      window.clientHeight = IntegerValue(p);
    } else if (p.name == "BorderStyle") {
      window.borderStyle = IdentifierValue(p);
    } else if (p.name == "BorderIcons" && p.value.kind == FormValue::Kind::Set) {
      window.borderIcons = p.value.items;
    } else if (p.name == "Position") {
      window.position = IdentifierValue(p);
    } else if (p.name == "Font.Name") {
      window.fontName = ToQString(StringValue(p));
    } else if (p.name == "Font.Height") {
      window.fontHeight = IntegerValue(p);
    } else if (p.name == "PixelsPerInch") {
      window.pixelsPerInch = IntegerValue(p);
    } else if (p.name == "TextHeight") {
      window.textHeight = IntegerValue(p);
    } else if (p.name == "Icon") {
      window.icon = ToQString(StringValue(p));
    } else if (p.name == "OnShow") {
      onShow_ = reading.Handler(p);
    } else {
      Fail(p, "a form has no property " + p.name);
    }
  }

  // Scaling: the font follows the screen's pixels per inch; if the text height it then
  // measures differs from the designed one, every size follows in proportion.
  QFont font(window.fontName);
  font.setStyleHint(QFont::SansSerif);
  double fontPixels = static_cast<double>(std::abs(window.fontHeight));
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  if (std::lround(dpi) != window.pixelsPerInch) {
    fontPixels = std::round(fontPixels * dpi / static_cast<double>(window.pixelsPerInch));
  }
  font.setPixelSize(static_cast<int>(fontPixels));
  setFont(font);
  const int measured = QFontMetrics(font).height();
  const double factor = measured == window.textHeight ? 1.0
                                                      : static_cast<double>(measured) /
                                                            static_cast<double>(window.textHeight);

  setWindowTitle(window.caption);
  setFixedSize(Scaled(window.clientWidth, factor), Scaled(window.clientHeight, factor));
  Qt::WindowFlags flags = Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint;
  if (Has(window.borderIcons, "biSystemMenu") && window.borderStyle != "bsDialog") {
    flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
  }
  if (window.borderStyle == "bsSingle" || window.borderStyle == "bsDialog") {
    flags |= Qt::MSWindowsFixedSizeDialogHint;
  }
  setWindowFlags(flags);
  centreOnFirstShow_ = window.position == "poScreenCenter";
  if (!window.icon.isEmpty()) {
    setWindowIcon(QIcon(QPixmap::fromImage(LoadIconImage(window.icon))));
  }

  std::vector<std::pair<std::int64_t, QWidget*>> tabOrder;
  for (const FormObject& child : root.children) {
    TControl* control = CreateControl(child, this);
    QWidget* widget = control->Widget();
    widget->setObjectName(QString::fromStdString(child.name));
    components_[child.name] = widget;
    QRect box;
    for (const FormProperty& p : child.properties) {
      if (p.name == "Left") {
        box.moveLeft(Scaled(IntegerValue(p), factor));
      } else if (p.name == "Top") {
        box.moveTop(Scaled(IntegerValue(p), factor));
      } else if (p.name == "Width") {
        box.setWidth(Scaled(IntegerValue(p), factor));
      } else if (p.name == "Height") {
        box.setHeight(Scaled(IntegerValue(p), factor));
      } else if (p.name == "TabOrder") {
        tabOrder.emplace_back(IntegerValue(p), widget);
      } else if (!control->SetProperty(p, reading)) {
        Fail(p, "a " + child.className + " has no property " + p.name);
      }
    }
    widget->setGeometry(box);
  }

  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < tabOrder.size(); ++i) {
    setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
  }
  if (!tabOrder.empty()) {
    tabOrder.front().second->setFocus();
  }
}

QWidget* TForm::Component(const std::string& name) const {
  const auto found = components_.find(name);
  if (found == components_.end()) {
    throw Exception("Form data declares no component " + name);
  }
  return found->second;
}

void TForm::Show() {
  show();
  raise();
  activateWindow();
}

void TForm::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  if (event->spontaneous()) {
    return; // the window system restoring a minimised window, not a show of ours
  }
  if (onShow_) {
    Application->Dispatch([&] { onShow_(this); });
  }
  if (centreOnFirstShow_ && !shownBefore_) {
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    const QSize outer = frameGeometry().size();
    move(std::max(0, (screen.width() - outer.width()) / 2),
         std::max(0, (screen.height() - outer.height()) / 2));
  }
  shownBefore_ = true;
}

void TForm::closeEvent(QCloseEvent* event) {
  if (Application->MainForm() == this) {
    // The main window stays on screen until the application ends.
    event->ignore();
    Application->Terminate();
    return;
  }
  event->accept(); // hides the window; it lives on until the application ends
}
