#pragma once

#include "classlib/widgets/Graphics.h"

#include <cstdint>

// A form is laid out for a screen density and the text height its font has there. On another
// density its font height follows the density; if the text height then measured differs
// from the designed one, every position and size follows the text height.

// The font's character height on a screen of pixelsPerInch; unchanged at the designed one.
int ScaledFontHeight(std::int64_t declaredHeight, int pixelsPerInch, std::int64_t designedPpi);
// measured / designed, or exactly 1 when they are equal.
double SizeFactor(int measuredTextHeight, std::int64_t designedTextHeight);
// value x factor, rounded to the nearest integer (halves away from zero).
int Scaled(std::int64_t value, double factor);

// The outer top-left that centres a window on the screen; never negative.
TPoint CentredOn(TSize screen, TSize outer);
