#include "classlib/widgets/Form.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"
#include "classlib/widgets/Components.h"
#include "classlib/widgets/IconImage.h"
#include "classlib/widgets/ResourceBytes.h"
#include "classlib/widgets/Scaling.h"

#include <algorithm>

namespace {

// The form's handlers and font scale, as the components see them while the form is read.
class Reading : public FormReading {
public:
  Reading(const TForm::Handlers& handlers, int pixelsPerInch, std::int64_t designedPpi)
      : handlers_(handlers), pixelsPerInch_(pixelsPerInch), designedPpi_(designedPpi) {}

  TNotifyEvent Handler(const FormProperty& property) const override {
    const auto found = handlers_.find(IdentifierValue(property));
    if (found == handlers_.end()) {
      FailProperty(property, "no handler " + property.value.text);
    }
    return found->second;
  }

  int FontPixels(std::int64_t declaredHeight) const override {
    return ScaledFontHeight(declaredHeight, pixelsPerInch_, designedPpi_);
  }

private:
  const TForm::Handlers& handlers_;
  int pixelsPerInch_;
  std::int64_t designedPpi_;
};

// What the form data says about the window itself.
struct WindowSettings {
  std::string caption;
  std::int64_t clientWidth = 0;
  std::int64_t clientHeight = 0;
  TWindowStyle style;
  std::string position = "poDesigned";
  std::string fontName = "MS Sans Serif";
  std::int64_t fontHeight = -11;
  std::int64_t pixelsPerInch = 96;
  std::int64_t textHeight = 13;
  std::string icon;
  const FormProperty* onShow = nullptr;
};

TBorderStyle BorderStyleValue(const FormProperty& p) {
  const std::string value = IdentifierValue(p);
  if (value == "bsSizeable") {
    return TBorderStyle::bsSizeable;
  }
  if (value == "bsSingle") {
    return TBorderStyle::bsSingle;
  }
  if (value == "bsDialog") {
    return TBorderStyle::bsDialog;
  }
  FailProperty(p, "unknown border style " + value);
}

WindowSettings ReadWindowSettings(const FormObject& root) {
  WindowSettings window;
  for (const FormProperty& p : root.properties) {
    if (p.name == "Caption") {
      window.caption = StringValue(p);
    } else if (p.name == "ClientWidth") {
      window.clientWidth = IntegerValue(p);
    } else if (p.name == "ClientHeight") {
      window.clientHeight = IntegerValue(p);
    } else if (p.name == "BorderStyle") {
      window.style.border = BorderStyleValue(p);
    } else if (p.name == "BorderIcons") {
      if (p.value.kind != FormValue::Kind::Set) {
        FailProperty(p, "BorderIcons takes a [set]");
      }
      const auto has = [&](const char* icon) {
        return std::find(p.value.items.begin(), p.value.items.end(), icon) != p.value.items.end();
      };
      window.style.systemMenu = has("biSystemMenu");
      window.style.minimize = has("biMinimize");
      window.style.maximize = has("biMaximize");
    } else if (p.name == "Position") {
      window.position = IdentifierValue(p);
    } else if (p.name == "Font.Name") {
      window.fontName = StringValue(p);
    } else if (p.name == "Font.Height") {
      window.fontHeight = IntegerValue(p);
    } else if (p.name == "PixelsPerInch") {
      window.pixelsPerInch = IntegerValue(p);
    } else if (p.name == "TextHeight") {
      window.textHeight = IntegerValue(p);
    } else if (p.name == "Color") {
      window.style.coloured = true;
      window.style.colour = ColourValue(p);
    } else if (p.name == "Icon") {
      window.icon = StringValue(p);
    } else if (p.name == "OnShow") {
      window.onShow = &p;
    } else {
      FailProperty(p, "a form has no property " + p.name);
    }
  }
  if (window.style.border == TBorderStyle::bsDialog) {
    window.style.systemMenu = window.style.minimize = window.style.maximize = false;
  }
  return window;
}

} // namespace

TForm::TForm() : TControl(nullptr) {}

TForm::~TForm() {
  while (!components_.empty()) {
    components_.pop_back();
  }
}

void TForm::LoadForm(const std::string& resourceName, const Handlers& handlers) {
  const std::string bytes = ReadResource(resourceName, "Form data");
  const FormObject root = ParseFormData(bytes);
  const WindowSettings window = ReadWindowSettings(root);
  WidgetSet& widgets = Application->Widgets();

  // Scaling: the font follows the screen's pixels per inch; if the text height it then
  // measures differs from the designed one, every size follows in proportion.
  const Reading reading(handlers, widgets.PixelsPerInch(), window.pixelsPerInch);
  TFont font;
  font.name = window.fontName;
  font.height = reading.FontPixels(window.fontHeight);
  const double factor = SizeFactor(widgets.TextExtent(font, "0").height, window.textHeight);

  style_ = window.style;
  auto native = widgets.CreateFormWindow(*this, style_);
  window_ = native.get();
  SetHandle(std::move(native));
  SetVisible(false);
  SetFont(font);
  caption_ = window.caption;
  window_->SetCaption(caption_);
  clientSize_ = {Scaled(window.clientWidth, factor), Scaled(window.clientHeight, factor)};
  window_->SetClientSize(clientSize_);
  centreOnFirstShow_ = window.position == "poScreenCenter";
  if (!window.icon.empty()) {
    window_->SetIcon(LoadIconImage(window.icon));
  }
  if (window.onShow != nullptr) {
    onShow_ = reading.Handler(*window.onShow);
  }

  std::vector<std::pair<std::int64_t, TControl*>> tabOrder;
  CreateComponents(root, *this, reading, factor, tabOrder);
  for (const auto& component : components_) {
    component->Loaded();
  }

  std::stable_sort(tabOrder.begin(), tabOrder.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  std::vector<NativeControl*> order;
  for (const auto& [position, control] : tabOrder) {
    if (control->TabStop()) {
      order.push_back(&control->Handle());
    }
  }
  window_->SetTabOrder(order);
  if (!order.empty()) {
    order.front()->SetFocus();
  }
}

void TForm::CreateComponents(const FormObject& object, TControl& parent, const FormReading& reading,
                             double factor,
                             std::vector<std::pair<std::int64_t, TControl*>>& tabOrder) {
  for (const FormObject& child : object.children) {
    components_.push_back(CreateControl(child.className, parent));
    TControl& control = *components_.back();
    control.SetName(child.name);
    byName_[child.name] = &control;
    TRect box;
    for (const FormProperty& p : child.properties) {
      if (p.name == "Left") {
        box.left = Scaled(IntegerValue(p), factor);
      } else if (p.name == "Top") {
        box.top = Scaled(IntegerValue(p), factor);
      } else if (p.name == "Width") {
        box.width = Scaled(IntegerValue(p), factor);
      } else if (p.name == "Height") {
        box.height = Scaled(IntegerValue(p), factor);
      } else if (p.name == "TabOrder") {
        tabOrder.emplace_back(IntegerValue(p), &control);
      } else if (p.name == "AccessibleName") {
        control.Handle().SetAccessibleName(StringValue(p));
      } else if (!control.SetProperty(p, reading)) {
        FailProperty(p, "a " + child.className + " has no property " + p.name);
      }
    }
    control.SetBounds(box);
    CreateComponents(child, control, reading, factor, tabOrder);
  }
}

TControl* TForm::Component(const std::string& name) const {
  const auto found = byName_.find(name);
  if (found == byName_.end()) {
    throw Exception("Form data declares no component " + name);
  }
  return found->second;
}

void TForm::Show() {
  if (!Visible()) {
    if (onShow_) {
      Application->Dispatch([&] { onShow_(this); });
    }
    if (centreOnFirstShow_ && !shownBefore_) {
      window_->MoveTo(CentredOn(Application->Widgets().ScreenSize(), window_->OuterSize()));
    }
    shownBefore_ = true;
    SetVisible(true);
  }
  window_->BringToFront();
}

void TForm::Hide() { SetVisible(false); }

void TForm::Close() {
  if (Application->MainForm() == this) {
    // The main window stays on screen until the application ends.
    Application->Terminate();
    return;
  }
  Hide(); // it lives on until the application ends
}
