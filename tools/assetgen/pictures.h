#pragma once
// The dialogs' pictures: the golden test tube of the final congratulation,
// the title picture of the splash, its cartoon for the info dialog, and the
// logo of the authors' guild.

#include <QImage>

namespace tarvik::assetgen {

QImage testTube();  // 320 × 240
QImage title();     // 200 × 150
QImage info();      // 100 × 75
QImage logo();      // 119 × 68

}  // namespace tarvik::assetgen
