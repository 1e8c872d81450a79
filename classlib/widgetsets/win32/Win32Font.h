#pragma once

#include "classlib/widgets/Graphics.h"

#include <windows.h>

// The GDI font for a declared font: that face at that character height, the default
// character set. Fonts are made once and live as long as the program.
HFONT Win32Font(const TFont& font);
