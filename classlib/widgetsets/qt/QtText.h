#pragma once

#include <QString>

#include <string_view>

// The one place where the class library's text meets Qt. Bytes from files and failures are
// in the system's code page (UTF-8 on Linux); form data is UTF-8.
QString ToQString(std::string_view bytes);
QString FromUtf8(std::string_view utf8);
