#pragma once

#include <QImage>
#include <QString>

// The image of an uncompressed 24-bit Windows bitmap resource, such as a button's glyph.
// Decoded here rather than through Qt's image reader, whose first use scans for image
// plugins and so lengthens start-up. Raises Exception for a resource that is missing or of
// another kind.
QImage LoadBitmapImage(const QString& resource);
