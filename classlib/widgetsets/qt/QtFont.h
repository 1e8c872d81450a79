#pragma once

#include "classlib/widgets/Graphics.h"

#include <QFont>

// The Qt font for a declared font. A bitmap family is used where one of its strikes has
// the character height asked for; otherwise a scalable sans-serif with the same metrics
// takes its place, so that text at other densities is drawn at its own size rather than
// stretched from a smaller strike.
QFont QtFont(const TFont& font);
