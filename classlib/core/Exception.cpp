#include "classlib/core/Exception.h"

#include "classlib/core/Text.h"

#include <utility>

Exception::Exception(std::string message) : message_(std::move(message)) {}

EFOpenError::EFOpenError(std::string_view fileName)
    : EStreamError("Cannot open file " + std::string(fileName)) {}

EStringListError::EStringListError(std::int32_t index)
    : Exception("List index out of bounds (" + IntToStr(index) + ")") {}
