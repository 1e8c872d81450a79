#pragma once

#include "classlib/widgets/Graphics.h"

#include <string>

// The picture of an uncompressed 24-bit Windows bitmap, such as a button's glyph; every
// pixel opaque.
TPicture DecodeBitmap(const std::string& bmp, const std::string& name);
// The same, read from the named resource. Both raise Exception for a resource that is
// missing or of another kind.
TPicture LoadBitmapImage(const std::string& resource);
