#pragma once

#include <QImage>
#include <QPainter>
#include <QPoint>
#include <QRect>

namespace tarvik {

// The picture of one drawn area of the window. Everything that appears there is
// made with exactly four operations; a paint event only shows the result.
//
// The operations are batched on one painter that stays open until the picture is
// read or an operation needs the raw pixels, so that a full board repaint costs one
// painter, not one per cell.
class Surface {
public:
    Surface(int width, int height);
    ~Surface();
    Surface(const Surface&) = delete;
    Surface& operator=(const Surface&) = delete;

    int width() const { return image_.width(); }
    int height() const { return image_.height(); }

    // Solid black, whatever was there.
    void fillBlack(const QRect& area);
    // A block of an in-memory image, replacing the pixels beneath it.
    void copyReplace(const QImage& source, const QRect& from, const QPoint& to);
    // A block of an in-memory image combined with the pixels beneath it by bitwise OR,
    // so that a picture standing on pure black lays itself over what is there.
    void copyOr(const QImage& source, const QRect& from, const QPoint& to);
    // A block of this surface copied to another place of it; the two may overlap.
    void copyWithin(const QRect& from, const QPoint& to);

    // The finished picture (ends any open batch).
    const QImage& image();

private:
    QPainter& painter();
    void finish();

    QImage image_;
    QPainter painter_;
};

// Every image the surfaces copy from is turned into the surfaces' own pixel format
// once, so that a copy is a plain block move and OR works on the colour bits alone.
QImage toSurfaceFormat(const QImage& image);

}  // namespace tarvik
