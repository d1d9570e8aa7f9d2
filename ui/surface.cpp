#include "ui/surface.h"

#include <cstring>

namespace tarvik {

namespace {
constexpr QImage::Format kFormat = QImage::Format_RGB32;
}

QImage toSurfaceFormat(const QImage& image)
{
    if (image.format() == kFormat)
        return image;
    return image.convertToFormat(kFormat);
}

Surface::Surface(int width, int height) : image_(width, height, kFormat)
{
    image_.fill(Qt::black);
}

Surface::~Surface()
{
    finish();
}

QPainter& Surface::painter()
{
    if (!painter_.isActive())
        painter_.begin(&image_);
    return painter_;
}

void Surface::finish()
{
    if (painter_.isActive())
        painter_.end();
}

void Surface::fillBlack(const QRect& area)
{
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.fillRect(area, Qt::black);
}

void Surface::copyReplace(const QImage& source, const QRect& from, const QPoint& to)
{
    QPainter& p = painter();
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(to, source, from);
}

void Surface::copyOr(const QImage& source, const QRect& from, const QPoint& to)
{
    QPainter& p = painter();
    p.setCompositionMode(QPainter::RasterOp_SourceOrDestination);
    p.drawImage(to, source, from);
}

void Surface::copyWithin(const QRect& from, const QPoint& to)
{
    // A painter may not read the image it paints on, and the two blocks overlap
    // during a slide, so this one works on the rows directly.
    finish();
    const QPoint shift = to - from.topLeft();
    const QRect target = from.intersected(image_.rect()).translated(shift).intersected(image_.rect());
    if (target.isEmpty())
        return;
    const QRect source = target.translated(-shift);

    const qsizetype bytesPerLine = image_.bytesPerLine();
    uchar* bits = image_.bits();
    const int rowBytes = target.width() * 4;
    auto copyRow = [&](int row) {
        uchar* dst = bits + (target.top() + row) * bytesPerLine + target.left() * 4;
        const uchar* src = bits + (source.top() + row) * bytesPerLine + source.left() * 4;
        std::memmove(dst, src, rowBytes);
    };
    // Moving down, start at the bottom so that no row is overwritten before it is read.
    if (target.top() > source.top()) {
        for (int row = target.height() - 1; row >= 0; --row)
            copyRow(row);
    } else {
        for (int row = 0; row < target.height(); ++row)
            copyRow(row);
    }
}

const QImage& Surface::image()
{
    finish();
    return image_;
}

}  // namespace tarvik
