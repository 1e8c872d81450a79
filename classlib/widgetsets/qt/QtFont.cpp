#include "classlib/widgetsets/qt/QtFont.h"

#include "classlib/widgetsets/qt/QtText.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

namespace {

// Arial's metrics, which are those of the classic dialog font.
constexpr const char* kScalableSans = "Liberation Sans";

// A strike serves a character height from its ascent up to its full pixel size.
bool StrikeFits(const QFont& font, int height) {
  return QFontMetrics(font).ascent() <= height && height <= QFontInfo(font).pixelSize();
}

} // namespace

QFont QtFont(const TFont& font) {
  QFont qtFont(FromUtf8(font.name));
  qtFont.setStyleHint(QFont::SansSerif);
  qtFont.setPixelSize(font.height);
  if (QFontDatabase::isScalable(QFontInfo(qtFont).family()) || StrikeFits(qtFont, font.height)) {
    return qtFont;
  }
  QFont scalable(kScalableSans);
  scalable.setStyleHint(QFont::SansSerif);
  scalable.setPixelSize(font.height);
  return scalable;
}
