#include "classlib/widgets/Form.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Components.h"
#include "classlib/widgets/IconImage.h"

#include <QCloseEvent>
#include <QFile>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QIcon>
#include <QPixmap>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace {

// The form's handlers and font scale, as the components see them while the form is read.
class Reading : public FormReading {
public:
  Reading(const TForm::Handlers& handlers, double fontScale)
      : handlers_(handlers), fontScale_(fontScale) {}

  TNotifyEvent Handler(const FormProperty& property) const override {
    const auto found = handlers_.find(IdentifierValue(property));
    if (found == handlers_.end()) {
      FailProperty(property, "no handler " + property.value.text);
    }
    return found->second;
  }

  int FontPixels(std::int64_t declaredHeight) const override {
    return static_cast<int>(
        std::lround(static_cast<double>(std::abs(declaredHeight)) * fontScale_));
  }

private:
  const TForm::Handlers& handlers_;
  double fontScale_;
};

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
  std::optional<QColor> colour; // the style's own when not declared
  QString icon;
  const FormProperty* onShow = nullptr;
};

WindowSettings ReadWindowSettings(const FormObject& root) {
  WindowSettings window;
  for (const FormProperty& p : root.properties) {
    if (p.name == "Caption") {
      window.caption = TextValue(p);
    } else if (p.name == "ClientWidth") {
      window.clientWidth = IntegerValue(p);
    } else if (p.name == "ClientHeight") {
      window.clientHeight = IntegerValue(p);
    } else if (p.name == "BorderStyle") {
      window.borderStyle = IdentifierValue(p);
    } else if (p.name == "BorderIcons") {
      if (p.value.kind != FormValue::Kind::Set) {
        FailProperty(p, "BorderIcons takes a [set]");
      }
      window.borderIcons = p.value.items;
    } else if (p.name == "Position") {
      window.position = IdentifierValue(p);
    } else if (p.name == "Font.Name") {
      window.fontName = TextValue(p);
    } else if (p.name == "Font.Height") {
      window.fontHeight = IntegerValue(p);
    } else if (p.name == "PixelsPerInch") {
      window.pixelsPerInch = IntegerValue(p);
    } else if (p.name == "TextHeight") {
      window.textHeight = IntegerValue(p);
    } else if (p.name == "Color") {
      window.colour = ColourValue(p);
    } else if (p.name == "Icon") {
      window.icon = TextValue(p);
    } else if (p.name == "OnShow") {
      window.onShow = &p;
    } else {
      FailProperty(p, "a form has no property " + p.name);
    }
  }
  return window;
}

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
  const WindowSettings window = ReadWindowSettings(root);

  // Scaling: the font follows the screen's pixels per inch; if the text height it then
  // measures differs from the designed one, every size follows in proportion.
  const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchY();
  const double fontScale = std::lround(dpi) == window.pixelsPerInch
                               ? 1.0
                               : dpi / static_cast<double>(window.pixelsPerInch);
  const Reading reading(handlers, fontScale);
  QFont font(window.fontName);
  font.setStyleHint(QFont::SansSerif);
  font.setPixelSize(reading.FontPixels(window.fontHeight));
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
  if (window.colour) {
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, *window.colour);
    setPalette(palette);
    setAutoFillBackground(true);
  }
  centreOnFirstShow_ = window.position == "poScreenCenter";
  if (!window.icon.isEmpty()) {
    setWindowIcon(QIcon(QPixmap::fromImage(LoadIconImage(window.icon))));
  }
  if (window.onShow != nullptr) {
    onShow_ = reading.Handler(*window.onShow);
  }

  std::vector<std::pair<std::int64_t, QWidget*>> tabOrder;
  std::vector<TControl*> controls;
  CreateComponents(root, this, reading, factor, tabOrder, controls);
  for (TControl* control : controls) {
    control->Loaded();
  }

  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  QWidget* first = nullptr;
  QWidget* previous = nullptr;
  for (const auto& [order, widget] : tabOrder) {
    if (!(widget->focusPolicy() & Qt::TabFocus)) {
      continue;
    }
    if (previous != nullptr) {
      setTabOrder(previous, widget);
    }
    first = first != nullptr ? first : widget;
    previous = widget;
  }
  if (first != nullptr) {
    first->setFocus();
  }
}

void TForm::CreateComponents(const FormObject& object, QWidget* parent, const FormReading& reading,
                             double factor,
                             std::vector<std::pair<std::int64_t, QWidget*>>& tabOrder,
                             std::vector<TControl*>& controls) {
  for (const FormObject& child : object.children) {
    TControl* control = CreateControl(child.className, parent);
    QWidget* widget = control->Widget();
    widget->setObjectName(QString::fromStdString(child.name));
    components_[child.name] = widget;
    controls.push_back(control);
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
      } else if (p.name == "AccessibleName") {
        widget->setAccessibleName(TextValue(p)); // what a screen reader calls a captionless control
      } else if (!control->SetProperty(p, reading)) {
        FailProperty(p, "a " + child.className + " has no property " + p.name);
      }
    }
    widget->setGeometry(box);
    CreateComponents(child, widget, reading, factor, tabOrder, controls);
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
