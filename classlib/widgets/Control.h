#pragma once

#include "classlib/widgets/FormData.h"
#include "classlib/widgets/Graphics.h"

#include <functional>
#include <memory>
#include <string>

class NativeControl;
class TCanvas;

class TObject {
public:
  virtual ~TObject() = default;
};

using TNotifyEvent = std::function<void(TObject* sender)>;

// What a component needs while its form is read: the handler an event property names, and
// a declared font height (negative: character height in pixels) as pixels on this screen.
class FormReading {
public:
  virtual ~FormReading() = default;
  virtual TNotifyEvent Handler(const FormProperty& property) const = 0;
  virtual int FontPixels(std::int64_t declaredHeight) const = 0;
};

// A window or a component declared in form data, standing on a native control of the
// widget set. Position, size and tab order are the form's to apply; the rest of its
// properties it takes itself.
class TControl : public TObject {
public:
  TControl(const TControl&) = delete;
  TControl& operator=(const TControl&) = delete;
  ~TControl() override;

  const std::string& Name() const { return name_; }
  void SetName(const std::string& name) { name_ = name; }
  // In the parent's client area.
  const TRect& BoundsRect() const { return bounds_; }
  void SetBounds(const TRect& box);
  bool Visible() const { return visible_; }
  void SetVisible(bool visible);
  // Every component takes its parent's font unless it declares its own.
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font);
  virtual bool TabStop() const { return false; }

  // Returns false for a property this kind of component does not have.
  virtual bool SetProperty(const FormProperty& property, const FormReading& reading);
  // Called once every property of the form has been set.
  virtual void Loaded() {}
  // Draws a component that has no native look, when the widget set asks.
  virtual void Paint(TCanvas& canvas);

  NativeControl& Handle() const { return *handle_; }

protected:
  explicit TControl(const TControl* parent);
  void SetHandle(std::unique_ptr<NativeControl> handle);

private:
  std::unique_ptr<NativeControl> handle_;
  std::string name_;
  TRect bounds_;
  TFont font_;
  bool visible_ = true;
};

// Typed access to declared values; a value of the wrong kind fails the form's reading.
std::int64_t IntegerValue(const FormProperty& property);
// Form data is UTF-8 text, whatever the system's code page.
std::string StringValue(const FormProperty& property);
bool BooleanValue(const FormProperty& property);
std::string IdentifierValue(const FormProperty& property);
// clBlack, clWhite, clBtnFace, clBtnHighlight, clBtnShadow, clWindow, clWindowText.
TColor ColourValue(const FormProperty& property);
// Font.Name, Font.Height and Font.Color into font; false for any other property.
bool SetFontProperty(TFont& font, const FormProperty& property, const FormReading& reading);
// Raises the form-reading failure for this property.
[[noreturn]] void FailProperty(const FormProperty& property, const std::string& what);

// The classic Windows system colours, so that bevels look the same on every desktop.
constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clBtnFace = 0xD4D0C8;
constexpr TColor clBtnHighlight = 0xFFFFFF;
constexpr TColor clBtnShadow = 0x808080;
