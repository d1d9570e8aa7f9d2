#pragma once
// The atoms' pictures and their bond stubs. Both stand on pure black, since
// the board combines them with the cell by bitwise OR.

#include <QImage>

namespace tarvik::assetgen {

inline constexpr int kCell = 30;
inline constexpr int kElementPictures = 24;
inline constexpr int kBondOverlays = 16;

// Picture number 1..24, drawn into a 30 × 30 cell.
QImage elementPicture(int picture);
// Overlay 0..15: single bonds in eight directions, double and triple in four.
QImage bondOverlay(int overlay);

}  // namespace tarvik::assetgen
