#include "ui/picture_reader.h"

#include <QImageReader>
#include <QResource>

namespace tarvik {

QImage readPicture(const QString& resource)
{
    QImageReader reader(resource, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QImage pixelsInPlace(const QString& resource, int width, int height)
{
    const QResource pixels(resource);
    const qsizetype bytesPerLine = static_cast<qsizetype>(width) * 4;
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression ||
        pixels.size() != bytesPerLine * height)
        return {};
    // Rows of 32-bit pixels must start on a 4-byte boundary to be used in place.
    if (reinterpret_cast<quintptr>(pixels.data()) % 4 != 0)
        return {};
    // Read-only data: the image never writes to it, and would copy before it did.
    return QImage(pixels.data(), width, height, bytesPerLine, QImage::Format_RGB32);
}

}  // namespace tarvik
