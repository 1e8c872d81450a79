#pragma once

#include "classlib/widgets/Button.h"

// A push button showing a glyph: a bitmap whose bottom-left pixel's colour is transparent.
// A bitmap as wide as a whole number of its heights holds that many glyphs, the first for
// the normal state; any other bitmap is a single glyph. The button has no built-in role.
class TBitBtn : public TButton {
public:
  explicit TBitBtn(TControl& parent) : TButton(parent) {}

  const TPicture& Glyph() const { return glyph_; }

  bool SetProperty(const FormProperty& property, const FormReading& reading) override;

private:
  TPicture glyph_;
};

// The first glyph of a bitmap, with the bottom-left pixel's colour made transparent.
TPicture GlyphOf(const TPicture& bitmap);
