#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <windows.h>

#include <functional>

// A thread timer: WM_TIMER reaches the GUI thread's message loop, which calls the tick.
class Win32Timer : public NativeTimer {
public:
  explicit Win32Timer(std::function<void()> tick) : tick_(std::move(tick)) {}
  Win32Timer(const Win32Timer&) = delete;
  Win32Timer& operator=(const Win32Timer&) = delete;
  ~Win32Timer() override { Stop(); }

  void Start(int intervalMs) override;
  void Stop() override;

private:
  static void CALLBACK Elapsed(HWND, UINT, UINT_PTR id, DWORD);

  std::function<void()> tick_;
  UINT_PTR id_ = 0;
};
