#pragma once
// Loading the compiled-in pictures and looking at their pixels.

#include <QImage>
#include <QRect>
#include <QString>

#include <utility>
#include <vector>

namespace tarvik::assets::probe {

QImage load(const char* resource);

inline bool black(QRgb p) { return qRed(p) == 0 && qGreen(p) == 0 && qBlue(p) == 0; }
// Positions inside `area` whose pixel is not exactly black.
std::vector<QPoint> lit(const QImage& image, const QRect& area);
bool allBlack(const QImage& image, const QRect& area);
// Runs of lit pixels along a column (x fixed) or a row (y fixed) of `area`,
// as [first, last] pairs in the area's own coordinates.
std::vector<std::pair<int, int>> runsInColumn(const QImage& image, const QRect& area, int x);
std::vector<std::pair<int, int>> runsInRow(const QImage& image, const QRect& area, int y);
bool overlap(const std::vector<std::pair<int, int>>& a, const std::vector<std::pair<int, int>>& b);

}  // namespace tarvik::assets::probe
