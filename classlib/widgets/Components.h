#pragma once

#include "classlib/widgets/Control.h"

#include <string>

// A new component of the named class (TMemo, TButton, TBitBtn, TPanel, TLabel, TImage,
// TRxGIFAnimator) inside parent; raises Exception for a class it does not know.
TControl* CreateControl(const std::string& className, QWidget* parent);
