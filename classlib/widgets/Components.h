#pragma once

#include "classlib/widgets/Control.h"

#include <memory>
#include <string>

// A new component of the named class (TMemo, TButton, TBitBtn, TPanel, TLabel, TImage,
// TRxGIFAnimator) inside parent; raises Exception for a class it does not know.
std::unique_ptr<TControl> CreateControl(const std::string& className, TControl& parent);
