#pragma once

#include <cstdint>
#include <exception>
#include <string>
#include <string_view>

// The failures the program raises. Each reports its class name for the start-up failure box.
class Exception : public std::exception {
public:
  explicit Exception(std::string message);

  const std::string& Message() const noexcept { return message_; }
  const char* what() const noexcept override { return message_.c_str(); }
  virtual const char* ClassName() const noexcept { return "Exception"; }
  // The code address that raised the failure, for the start-up failure box; 0 where unknown.
  std::uintptr_t Address() const noexcept { return address_; }

private:
  std::string message_;
  std::uintptr_t address_;
};

// Ends a handler silently: the failure dialog shows nothing for it.
class EAbort : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EAbort"; }
};

class EStreamError : public Exception {
public:
  using Exception::Exception;
  const char* ClassName() const noexcept override { return "EStreamError"; }
};

// "Cannot open file <name>", with the name exactly as it was passed.
class EFOpenError : public EStreamError {
public:
  explicit EFOpenError(std::string_view fileName);
  const char* ClassName() const noexcept override { return "EFOpenError"; }
};

// "List index out of bounds (<index>)".
class EStringListError : public Exception {
public:
  explicit EStringListError(std::int32_t index);
  const char* ClassName() const noexcept override { return "EStringListError"; }
};
