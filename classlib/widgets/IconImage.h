#pragma once

#include "classlib/widgets/Graphics.h"

#include <string>

// The picture of a Windows icon file holding one 32 x 32, 16-colour image with a
// transparency mask, as the program's own icon is.
TPicture DecodeIcon(const std::string& icon, const std::string& name);
// The same, read from the named resource. Both raise Exception for a resource that is
// missing or of another kind.
TPicture LoadIconImage(const std::string& resource);
