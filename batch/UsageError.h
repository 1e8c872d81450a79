#pragma once

#include "classlib/core/Exception.h"

// A command line that cannot be run: exit code 2, with a pointer to --help.
class EUsageError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EUsageError"; }
};
