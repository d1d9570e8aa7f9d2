#include "ui/images.h"

#include "ui/surface.h"

namespace tarvik {

namespace {

QImage loadSheet(const char* path, int width, int height)
{
    QImage image(QString::fromLatin1(path));
    if (image.isNull()) {
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
    }
    return toSurfaceFormat(image);
}

}  // namespace

Images Images::fromResources()
{
    return fromPictures(loadSheet(":/images/tilesheet.png", 240, 330),
                        loadSheet(":/images/previewsheet.png", 120, 75),
                        loadSheet(":/images/digitstrip.png", 360, 39),
                        loadSheet(":/images/backdrop.png", 650, 470));
}

Images Images::fromPictures(const QImage& tiles, const QImage& preview, const QImage& digits,
                            const QImage& backdrop)
{
    Images images;
    images.tileSheet = toSurfaceFormat(tiles);
    images.previewSheet = toSurfaceFormat(preview);
    images.digitStrip = toSurfaceFormat(digits);
    images.backdrop = toSurfaceFormat(backdrop);
    return images;
}

}  // namespace tarvik
