#include "classlib/widgets/BitBtn.h"

#include "classlib/widgets/BitmapImage.h"

#include <QBitmap>
#include <QPixmap>

bool TBitBtn::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name != "Glyph") {
    return TButton::SetProperty(property, reading);
  }
  const QImage bitmap = LoadBitmapImage(TextValue(property));
  const int glyphs = bitmap.width() % bitmap.height() == 0 ? bitmap.width() / bitmap.height() : 1;
  const QImage glyph = bitmap.copy(0, 0, bitmap.width() / glyphs, bitmap.height());
  QPixmap pixmap = QPixmap::fromImage(glyph);
  const QRgb transparent = bitmap.pixel(0, bitmap.height() - 1);
  pixmap.setMask(QBitmap::fromImage(glyph.createMaskFromColor(transparent, Qt::MaskInColor)));
  setIcon(QIcon(pixmap));
  setIconSize(glyph.size());
  return true;
}
