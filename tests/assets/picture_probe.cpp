#include "picture_probe.h"

#include "assets/asset_paths.h"

#include <QFile>

namespace tarvik::assets::probe {

QImage load(const char* resource) {
    ensureLoaded();
    QImage image(QString::fromLatin1(resource));
    return image.isNull() ? image : image.convertToFormat(QImage::Format_RGB32);
}

std::vector<QPoint> lit(const QImage& image, const QRect& area) {
    std::vector<QPoint> points;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (!black(image.pixel(x, y))) points.emplace_back(x, y);
    return points;
}

bool allBlack(const QImage& image, const QRect& area) { return lit(image, area).empty(); }

namespace {
std::vector<std::pair<int, int>> runs(int length, auto isLit) {
    std::vector<std::pair<int, int>> result;
    for (int i = 0; i < length; ++i) {
        if (!isLit(i)) continue;
        if (!result.empty() && result.back().second == i - 1) result.back().second = i;
        else result.emplace_back(i, i);
    }
    return result;
}
}  // namespace

std::vector<std::pair<int, int>> runsInColumn(const QImage& image, const QRect& area, int x) {
    return runs(area.height(), [&](int i) { return !black(image.pixel(area.left() + x, area.top() + i)); });
}

std::vector<std::pair<int, int>> runsInRow(const QImage& image, const QRect& area, int y) {
    return runs(area.width(), [&](int i) { return !black(image.pixel(area.left() + i, area.top() + y)); });
}

bool overlap(const std::vector<std::pair<int, int>>& a, const std::vector<std::pair<int, int>>& b) {
    for (const auto& [a0, a1] : a)
        for (const auto& [b0, b1] : b)
            if (a0 <= b1 && b0 <= a1) return true;
    return false;
}

}  // namespace tarvik::assets::probe
