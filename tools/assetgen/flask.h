#pragma once
// The laboratory flask: on the tile sheet it counts a plan's progress in
// liquid, and beside the plan number it tells solved from unsolved.

#include <QPainter>
#include <QRectF>

namespace tarvik::assetgen {

inline constexpr int kFlaskLevels = 8;  // level 0: bubbles only; kFlaskLevels: full

void drawFlask(QPainter& painter, const QRectF& box, int level);

}  // namespace tarvik::assetgen
