#pragma once

#include <windows.h>

class Win32Window;

// Where a native control stands: the form window whose client area holds it, and its
// parent's top-left in that client area. Child windows all belong to the form window;
// paint boxes nest inside one another only in coordinates.
class Win32Host {
public:
  virtual ~Win32Host() = default;
  virtual Win32Window& Window() = 0;
  virtual POINT Origin() = 0;
};
