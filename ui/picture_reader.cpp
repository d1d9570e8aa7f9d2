#include "ui/picture_reader.h"

#include <QImageReader>
#include <QResource>

#include <cstdint>
#include <cstring>

namespace tarvik {

namespace {

constexpr std::uint32_t kMagic = 0x58504b54u;  // "TKPX" in the file's byte order
constexpr qsizetype kHeadBytes = 16;
constexpr std::uint32_t kLargest = 4096;

}  // namespace

QImage readPicture(const QString& resource)
{
    if (QImage inPlace = pixelsInPlace(rawPixelsPath(resource)); !inPlace.isNull())
        return inPlace;
    QImageReader reader(resource, QByteArrayLiteral("png"));
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

QString rawPixelsPath(const QString& resource)
{
    if (!resource.startsWith(QLatin1String(":/")) || !resource.endsWith(QLatin1String(".png")))
        return {};
    return QStringLiteral(":/raw/") + resource.mid(2, resource.size() - 2 - 4) + QStringLiteral(".pixels");
}

QImage pixelsInPlace(const QString& resource)
{
    if (resource.isEmpty())
        return {};
    const QResource pixels(resource);
    if (!pixels.isValid() || pixels.compressionAlgorithm() != QResource::NoCompression)
        return {};
    return pixelsInPlace(pixels.data(), pixels.size());
}

QImage pixelsInPlace(const uchar* data, qsizetype size)
{
    if (!data || size < kHeadBytes)
        return {};
    // Rows of 32-bit pixels must start on a 4-byte boundary to be used in place.
    if (reinterpret_cast<quintptr>(data) % 4 != 0)
        return {};
    std::uint32_t head[4];
    std::memcpy(head, data, sizeof head);
    const std::uint32_t width = head[1], height = head[2];
    const auto format = static_cast<QImage::Format>(head[3]);
    if (head[0] != kMagic || width == 0 || height == 0 || width > kLargest || height > kLargest ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32))
        return {};
    const qsizetype bytesPerLine = static_cast<qsizetype>(width) * 4;
    if (size != kHeadBytes + bytesPerLine * static_cast<qsizetype>(height))
        return {};
    // Read-only data: the image never writes to it, and would copy before it did.
    return QImage(data + kHeadBytes, static_cast<int>(width), static_cast<int>(height), bytesPerLine, format);
}

}  // namespace tarvik
