#pragma once

#include "classlib/widgets/FormData.h"

#include <QObject>

#include <functional>
#include <string>

class QWidget;

using TObject = QObject;
using TNotifyEvent = std::function<void(TObject* sender)>;

// What a component needs while its form is read: the handler an event property names.
class FormReading {
public:
  virtual ~FormReading() = default;
  virtual TNotifyEvent Handler(const FormProperty& property) const = 0;
};

// A component declared in form data. Position, size and tab order are the form's to apply;
// the rest of its properties it takes itself.
class TControl {
public:
  virtual ~TControl() = default;
  virtual QWidget* Widget() = 0;
  // Returns false for a property this kind of component does not have.
  virtual bool SetProperty(const FormProperty& property, const FormReading& reading) = 0;
};

// Typed access to declared values; a value of the wrong kind fails the form's reading.
std::int64_t IntegerValue(const FormProperty& property);
std::string StringValue(const FormProperty& property);
bool BooleanValue(const FormProperty& property);
std::string IdentifierValue(const FormProperty& property);
