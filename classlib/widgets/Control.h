#pragma once

#include "classlib/widgets/FormData.h"

#include <QColor>
#include <QObject>
#include <QString>

#include <functional>
#include <string>

class QWidget;

using TObject = QObject;
using TNotifyEvent = std::function<void(TObject* sender)>;

// What a component needs while its form is read: the handler an event property names, and
// a declared font height (negative: character height in pixels) as pixels on this screen.
class FormReading {
public:
  virtual ~FormReading() = default;
  virtual TNotifyEvent Handler(const FormProperty& property) const = 0;
  virtual int FontPixels(std::int64_t declaredHeight) const = 0;
};

// A component declared in form data. Position, size and tab order are the form's to apply;
// the rest of its properties it takes itself.
class TControl {
public:
  virtual ~TControl() = default;
  virtual QWidget* Widget() = 0;
  // Returns false for a property this kind of component does not have.
  virtual bool SetProperty(const FormProperty& property, const FormReading& reading) = 0;
  // Called once every property of the form has been set.
  virtual void Loaded() {}
};

// Typed access to declared values; a value of the wrong kind fails the form's reading.
std::int64_t IntegerValue(const FormProperty& property);
std::string StringValue(const FormProperty& property);
// A string shown to the user: form data is UTF-8 text, whatever the system's code page.
QString TextValue(const FormProperty& property);
bool BooleanValue(const FormProperty& property);
std::string IdentifierValue(const FormProperty& property);
// clBlack, clWhite, clBtnFace, clBtnHighlight, clBtnShadow, clWindow, clWindowText.
QColor ColourValue(const FormProperty& property);
// Font.Name, Font.Height and Font.Color of a component with a font of its own; false for
// any other property.
bool SetFontProperty(QWidget& widget, const FormProperty& property, const FormReading& reading);
// Raises the form-reading failure for this property.
[[noreturn]] void FailProperty(const FormProperty& property, const std::string& what);
