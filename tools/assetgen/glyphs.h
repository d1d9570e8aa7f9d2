#pragma once
// Button glyphs and the window icon. A glyph is opaque: the colour of its
// bottom-left pixel is the transparent colour, which the buttons mask out.
// Glyphs with two pictures hold the grey disabled form on the right half.

#include <QColor>
#include <QImage>
#include <QString>

#include <vector>

namespace tarvik::assetgen {

inline const QColor kGlyphKey(255, 0, 255);

struct NamedGlyph {
    QString name;  // file name without extension
    QImage image;
};

std::vector<NamedGlyph> glyphs();
QImage windowIcon();  // 32 × 32 with alpha

// Turns a drawing with alpha into the keyed form; `withDisabled` appends
// the grey disabled picture to the right.
QImage keyedGlyph(const QImage& drawing, bool withDisabled);

}  // namespace tarvik::assetgen
