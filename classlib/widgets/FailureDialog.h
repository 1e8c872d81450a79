#pragma once

#include <cstdint>
#include <string>

// The text of the failure dialog: the message, with a "." added when its last byte's code
// is above that of ".".
std::string FailureText(const std::string& message);

// The failure dialog: a critical message box with one OK button, captioned with the
// application title, blocking every window of the application while it is open; the window
// that was active before is activated again afterwards.
void ShowFailure(const std::string& title, const std::string& message);

// The text of the "Application Error" box for a failure before the message loop runs.
std::string StartupFailureText(const std::string& className, const std::string& module,
                               std::uintptr_t address, const std::string& message);

// The "Application Error" box: task-modal, no owner.
void ShowStartupFailure(const std::string& text);
