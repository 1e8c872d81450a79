#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <QTimer>

#include <functional>

// A timer of the GUI thread's event loop.
class QtTimer : public NativeTimer {
public:
  explicit QtTimer(std::function<void()> tick) {
    timer_.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer_, &QTimer::timeout, std::move(tick));
  }
  void Start(int intervalMs) override { timer_.start(intervalMs); }
  void Stop() override { timer_.stop(); }

private:
  QTimer timer_;
};
