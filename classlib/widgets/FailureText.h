#pragma once

#include <cstdint>
#include <string>

// The text of the failure dialog: the message, with a "." added when its last byte's code
// is above that of ".".
std::string FailureText(const std::string& message);

// The text of the "Application Error" box for a failure before the message loop runs.
std::string StartupFailureText(const std::string& className, const std::string& module,
                               std::uintptr_t address, const std::string& message);
