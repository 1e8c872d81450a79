#include "classlib/widgets/FailureText.h"

#include <cstdio>

std::string FailureText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') {
    return message + ".";
  }
  return message;
}

std::string StartupFailureText(const std::string& className, const std::string& module,
                               std::uintptr_t address, const std::string& message) {
  char hexAddress[2 * sizeof address + 1];
  std::snprintf(hexAddress, sizeof hexAddress, "%0*llX", static_cast<int>(2 * sizeof address),
                static_cast<unsigned long long>(address));
  const bool needsStop = !message.empty() && message.back() != '.';
  return "Exception " + className + " in module " + module + " at " + hexAddress + ".\n" + message +
         (needsStop ? "." : "");
}
