#pragma once

#include "classlib/widgets/WidgetSet.h"

#include <string_view>
#include <vector>

// Decodes with the Windows Imaging Component; raises Exception for data that is not a
// readable GIF. Safe to call on any thread.
std::vector<TGifFrame> DecodeGifFrames(std::string_view data);
