#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <string_view>
#include <vector>

// Decodes with giflib; raises Exception for data that is not a readable GIF.
std::vector<TGifFrame> DecodeGifFrames(std::string_view data);
