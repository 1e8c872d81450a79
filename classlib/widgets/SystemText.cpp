#include "classlib/widgets/SystemText.h"

QString ToQString(std::string_view bytes) {
  return QString::fromLocal8Bit(bytes.data(), static_cast<qsizetype>(bytes.size()));
}
