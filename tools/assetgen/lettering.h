#pragma once
// Glossy lettering with every letter in its own atom colour: the program's
// name on the backdrop and on the title picture.

#include <QImage>
#include <QRectF>
#include <QStringList>

namespace tarvik::assetgen {

// Draws the lines into `area` of the picture (one line per share of the
// height), scaled to fit, with a soft shadow.
void colourfulLettering(QImage& image, const QRectF& area, const QStringList& lines, double outline = 2.0);

}  // namespace tarvik::assetgen
