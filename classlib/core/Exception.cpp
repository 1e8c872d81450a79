#include "classlib/core/Exception.h"

#include "classlib/core/Text.h"

#include <utility>

#if defined(__GNUC__) || defined(__clang__)
#define VARNEX_RETURN_ADDRESS() reinterpret_cast<std::uintptr_t>(__builtin_return_address(0))
#else
#define VARNEX_RETURN_ADDRESS()                                                                    \
  std::uintptr_t { 0 }
#endif

Exception::Exception(std::string message)
    : message_(std::move(message)), address_(VARNEX_RETURN_ADDRESS()) {}

EFOpenError::EFOpenError(std::string_view fileName)
    : EStreamError("Cannot open file " + std::string(fileName)) {}

EStringListError::EStringListError(std::int32_t index)
    : Exception("List index out of bounds (" + IntToStr(index) + ")") {}
