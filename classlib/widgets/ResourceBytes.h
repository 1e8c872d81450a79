#pragma once

#include <cstdint>
#include <string>

// The bytes of a resource compiled into the program; raises Exception
// "<what> <name> is missing".
std::string ReadResource(const std::string& name, const char* what);

// The unsigned little-endian number of `size` bytes (1 to 4) at `at`.
std::uint32_t LittleEndian(const std::string& bytes, std::size_t at, int size);
