#pragma once
// Wall tiles 0..39: framed metal blocks, the block with pipe stubs, the lamp
// crosses and the plain cross. They are opaque and replace the cell.

#include <QImage>

namespace tarvik::assetgen {

inline constexpr int kWallTiles = 40;

QImage wallTile(int tile);

}  // namespace tarvik::assetgen
