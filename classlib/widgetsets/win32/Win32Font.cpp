#include "classlib/widgetsets/win32/Win32Font.h"

#include "classlib/widgetsets/win32/Win32Text.h"

#include <map>
#include <utility>

HFONT Win32Font(const TFont& font) {
  static std::map<std::pair<std::string, int>, HFONT> made;
  HFONT& handle = made[{font.name, font.height}];
  if (handle == nullptr) {
    // A negative height asks for the character height, as form data gives it.
    handle = CreateFontW(-font.height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                         OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                         DEFAULT_PITCH | FF_DONTCARE, Widen(font.name).c_str());
  }
  return handle;
}
