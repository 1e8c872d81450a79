#include "classlib/widgets/Scaling.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

int ScaledFontHeight(std::int64_t declaredHeight, int pixelsPerInch, std::int64_t designedPpi) {
  const auto height = static_cast<double>(std::llabs(declaredHeight));
  if (pixelsPerInch == designedPpi || designedPpi <= 0) {
    return static_cast<int>(height);
  }
  return static_cast<int>(std::lround(height * pixelsPerInch / static_cast<double>(designedPpi)));
}

double SizeFactor(int measuredTextHeight, std::int64_t designedTextHeight) {
  if (measuredTextHeight == designedTextHeight || designedTextHeight <= 0) {
    return 1.0;
  }
  return static_cast<double>(measuredTextHeight) / static_cast<double>(designedTextHeight);
}

int Scaled(std::int64_t value, double factor) {
  return static_cast<int>(std::lround(static_cast<double>(value) * factor));
}

TPoint CentredOn(TSize screen, TSize outer) {
  return {std::max(0, (screen.width - outer.width) / 2),
          std::max(0, (screen.height - outer.height) / 2)};
}
