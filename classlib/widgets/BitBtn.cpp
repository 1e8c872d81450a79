#include "classlib/widgets/BitBtn.h"

#include "classlib/widgets/BitmapImage.h"
#include "classlib/widgets/WidgetSet.h"

TPicture GlyphOf(const TPicture& bitmap) {
  const int glyphs = bitmap.width % bitmap.height == 0 ? bitmap.width / bitmap.height : 1;
  TPicture glyph{bitmap.width / glyphs, bitmap.height, {}};
  const std::uint32_t transparent = bitmap.Pixel(0, bitmap.height - 1);
  for (int y = 0; y < glyph.height; ++y) {
    for (int x = 0; x < glyph.width; ++x) {
      const std::uint32_t pixel = bitmap.Pixel(x, y);
      glyph.pixels.push_back(pixel == transparent ? 0u : pixel);
    }
  }
  return glyph;
}

bool TBitBtn::SetProperty(const FormProperty& property, const FormReading& reading) {
  if (property.name != "Glyph") {
    return TButton::SetProperty(property, reading);
  }
  glyph_ = GlyphOf(LoadBitmapImage(StringValue(property)));
  Button().SetGlyph(glyph_);
  return true;
}
