#include "classlib/widgets/ResourceBytes.h"

#include "classlib/core/Exception.h"
#include "classlib/widgets/Application.h"

std::string ReadResource(const std::string& name, const char* what) {
  std::optional<std::string> bytes = Application->Widgets().ReadResource(name);
  if (!bytes) {
    throw Exception(std::string(what) + " " + name + " is missing");
  }
  return std::move(*bytes);
}

std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + static_cast<std::size_t>(i)]);
  }
  return value;
}
