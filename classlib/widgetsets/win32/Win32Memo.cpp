#include "classlib/widgetsets/win32/Win32Memo.h"

#include <string>

Win32Memo::Win32Memo(Win32Host& parent)
    : Win32Control(parent, CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", L"",
                                           WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE |
                                               ES_AUTOVSCROLL | ES_READONLY | ES_WANTRETURN,
                                           0, 0, 0, 0, parent.Window().Handle(), nullptr,
                                           GetModuleHandleW(nullptr), nullptr)) {}

void Win32Memo::SetText(std::string_view text) {
  SetWindowTextA(Handle(), std::string(text).c_str());
}
