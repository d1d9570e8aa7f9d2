#pragma once
// The three sheets the board and the plan panel cut their tiles from.

#include <QImage>

namespace tarvik::assetgen {

QImage tileSheet();     // 240 × 330: walls, element pictures, flash, bonds
QImage previewSheet();  // 120 × 75: element pictures and bonds at half size
QImage digitStrip();    // 360 × 39: digits 0..9, unsolved and solved marker

// One fiery numeral in its 30 × 39 cell.
QImage digitCell(int digit);

}  // namespace tarvik::assetgen
