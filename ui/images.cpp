#include "ui/images.h"

#include "ui/picture_reader.h"
#include "ui/surface.h"

#include "assets/asset_paths.h"

namespace tarvik {

namespace {

QImage loadSheet(const char* path, int width, int height)
{
    QImage image = readPicture(QString::fromLatin1(path));
    if (image.isNull()) {
        image = QImage(width, height, QImage::Format_RGB32);
        image.fill(Qt::black);
    }
    return toSurfaceFormat(image);
}

}  // namespace

Images Images::fromResources()
{
    assets::ensureLoaded();
    return fromPictures(loadSheet(assets::tileSheet, 240, 330),
                        loadSheet(assets::previewSheet, 120, 75),
                        loadSheet(assets::digitStrip, 360, 39),
                        loadSheet(assets::backdrop, 650, 470));
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
