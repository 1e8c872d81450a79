#pragma once

#include <string>
#include <string_view>

// Form data's UTF-8 for the wide API. Bytes in the system's code page go to the ANSI API
// as they are.
std::wstring Widen(std::string_view utf8);
