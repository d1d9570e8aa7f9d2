#pragma once

#include <QImage>
#include <QString>

namespace tarvik {

// One of the program's own pictures, all PNGs among its compiled-in resources;
// a null image when it is missing or unreadable.
//
// A plain load first asks every installed image plugin whether it knows the
// file, which loads each of them and the libraries they need: a good part of
// the start's time and memory for pictures whose format is known anyway.
QImage readPicture(const QString& resource);

// A picture stored as bare, uncompressed 32-bit RGB rows among the resources,
// used where it lies without a copy; null when the resource is missing, of
// another size, compressed or not aligned for use in place.
QImage pixelsInPlace(const QString& resource, int width, int height);

}  // namespace tarvik
