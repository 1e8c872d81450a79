#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// The bytes of a compiled-in resource (or file); raises Exception "<what> <path> is missing".
QByteArray ReadResource(const QString& path, const char* what);

// The unsigned little-endian number of `size` bytes (1 to 4) at `at`.
std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int size);
