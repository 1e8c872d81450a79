#pragma once

#include <QImage>
#include <QString>

// The image of a Windows icon file holding one 16-colour picture with a transparency mask,
// as the program's own icon is. Decoded here rather than through Qt's icon plugin, whose
// loading is a good part of the program's start-up time. Raises Exception for a resource
// that is missing or of another kind.
QImage LoadIconImage(const QString& resource);
