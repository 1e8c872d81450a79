#include "classlib/widgetsets/win32/Win32Timer.h"

#include <map>

namespace {

std::map<UINT_PTR, Win32Timer*>& Running() {
  static std::map<UINT_PTR, Win32Timer*> running;
  return running;
}

} // namespace

void Win32Timer::Start(int intervalMs) {
  Stop();
  id_ = SetTimer(nullptr, 0, static_cast<UINT>(intervalMs), &Elapsed);
  Running()[id_] = this;
}

void Win32Timer::Stop() {
  if (id_ != 0) {
    KillTimer(nullptr, id_);
    Running().erase(id_);
    id_ = 0;
  }
}

void CALLBACK Win32Timer::Elapsed(HWND, UINT, UINT_PTR id, DWORD) {
  const auto found = Running().find(id);
  if (found != Running().end()) {
    found->second->tick_();
  }
}
