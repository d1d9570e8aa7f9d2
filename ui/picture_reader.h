#pragma once

#include <QImage>
#include <QString>

namespace tarvik {

// One of the program's own pictures, all PNGs among its compiled-in resources;
// a null image when it is missing or unreadable. Where the resources also hold
// the picture's bare pixels (see rawPixelsPath), those are used where they lie:
// decoding a PNG costs the start more than any other step of its own.
//
// A PNG is read by its known format: a plain load first asks every installed
// image plugin whether it knows the file, which loads each of them and the
// libraries they need.
QImage readPicture(const QString& resource);

// Where the bare pixels of a picture resource would be: ":/images/x.png" has
// them in ":/raw/images/x.pixels". Empty for a name of another form.
QString rawPixelsPath(const QString& resource);

// Bare pixels as the build lays them out: a 16-byte head (the letters TKPX,
// width, height and QImage format as native 32-bit numbers), then rows of
// 32-bit RGB or ARGB pixels without padding. The picture uses the data where it
// lies, without a copy; null when the data is missing, compressed, of another
// layout or not aligned for use in place.
QImage pixelsInPlace(const QString& resource);
QImage pixelsInPlace(const uchar* data, qsizetype size);

}  // namespace tarvik
