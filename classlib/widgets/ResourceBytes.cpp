#include "classlib/widgets/ResourceBytes.h"

#include "classlib/core/Exception.h"

#include <QFile>

QByteArray ReadResource(const QString& path, const char* what) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    throw Exception(std::string(what) + " " + path.toStdString() + " is missing");
  }
  return file.readAll();
}

std::uint32_t LittleEndian(const QByteArray& bytes, qsizetype at, int size) {
  std::uint32_t value = 0;
  for (int i = size - 1; i >= 0; --i) {
    value = value << 8 | static_cast<unsigned char>(bytes[at + i]);
  }
  return value;
}
