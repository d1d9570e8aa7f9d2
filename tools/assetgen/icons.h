#pragma once
// The program's icon: a small molecule of four glossy atoms. The window uses
// it at 32 pixels; the desktop's icon theme gets it at every size below, each
// drawn at that size so that lines stay crisp and letters appear only where
// they can be read, and once more as a scalable picture.

#include <QByteArray>
#include <QImage>

#include <array>

namespace tarvik::assetgen {

inline constexpr std::array<int, 7> kIconSizes = {16, 24, 32, 48, 64, 128, 256};

QImage appIcon(int size);  // size × size with alpha
QByteArray appIconSvg();   // the same drawing on a 256-unit canvas

}  // namespace tarvik::assetgen
