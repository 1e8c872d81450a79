#pragma once

#include "classlib/widgetsets/win32/Win32Control.h"

// A read-only multi-line edit box with a sunken edge: word wrap, no scroll bars, Enter kept
// in the box. Its text goes through the ANSI API: the bytes in the process's code page.
class Win32Memo : public Win32Control<NativeMemo> {
public:
  explicit Win32Memo(Win32Host& parent);

  void SetText(std::string_view text) override;
};
