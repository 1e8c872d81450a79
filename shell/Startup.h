#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <memory>

// Starts Varnex on the widget set and returns its exit code: 0 after a normal end, 1 after a
// failure at start-up. It reads no arguments, environment variables or settings.
int VarnexMain(std::unique_ptr<WidgetSet> widgetSet);
