#pragma once

#include <QImage>

namespace tarvik {

// The window's four sheets, decoded once and kept for the whole run:
// 0 TileSheet, 1 PreviewSheet, 2 DigitStrip, 3 Backdrop.
struct Images {
    QImage tileSheet;     // 240 x 330: walls, elements, flash frames, bonds (30 x 30 tiles)
    QImage previewSheet;  // 120 x 75: elements and bonds at 15 x 15
    QImage digitStrip;    // 360 x 39: digits 0..9, unsolved and solved marker
    QImage backdrop;      // 650 x 470: everything below the toolbar

    // From the compiled-in resources. A sheet that cannot be read is left black at its
    // size, so that a broken build still shows a usable window rather than crashing.
    static Images fromResources();
    // Any four pictures (tests use sheets of their own); all converted once to the
    // surfaces' pixel format.
    static Images fromPictures(const QImage& tiles, const QImage& preview, const QImage& digits,
                               const QImage& backdrop);
};

}  // namespace tarvik
