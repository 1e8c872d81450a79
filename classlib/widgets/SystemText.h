#pragma once

#include <QString>

#include <string_view>

// The one place where 8-bit text meets Qt: bytes are decoded with the system's code page
// (UTF-8 on Linux, the ANSI code page on Windows).
QString ToQString(std::string_view bytes);
