// The tile sheet, preview sheet and digit strip: sizes, grid, the pure black
// ground that bitwise OR needs, and bond stubs that meet their neighbours.

#include "picture_probe.h"

#include "assets/asset_paths.h"

#include <gtest/gtest.h>

#include <set>

using namespace tarvik::assets;
using namespace tarvik::assets::probe;

namespace {

struct Sheet {
    QImage image;
    int tile;
    int elementRow;  // first row of element pictures
    int bondRow;     // first row of bond overlays
    QRect element(int picture) const {
        const int n = picture - 1;
        return QRect((n % 8) * tile, (elementRow + n / 8) * tile, tile, tile);
    }
    QRect bond(int k) const { return QRect((k % 8) * tile, (bondRow + k / 8) * tile, tile, tile); }
};

Sheet tiles() { return {load(tileSheet), 30, 5, 9}; }
Sheet preview() { return {load(previewSheet), 15, 0, 3}; }

bool isBar(int picture) { return picture >= 7 && picture <= 10; }

// Bond overlays by direction: 0 right, 1 upper-right, ... 7 lower-right.
enum { Right = 0, UpRight, Up, UpLeft, Left, DownLeft, Down, DownRight };

}  // namespace

TEST(Sheets, HaveTheirSizes) {
    EXPECT_EQ(load(tileSheet).size(), QSize(240, 330));
    EXPECT_EQ(load(previewSheet).size(), QSize(120, 75));
    EXPECT_EQ(load(digitStrip).size(), QSize(360, 39));
}

TEST(TileSheet, EveryWallAndFlashFrameIsDrawnAndTheUnusedTilesAreBlack) {
    const QImage sheet = load(tileSheet);
    for (int n = 0; n < 40; ++n) {
        const QRect r((n % 8) * 30, (n / 8) * 30, 30, 30);
        EXPECT_GT(lit(sheet, r).size(), 200u) << "wall tile " << n;
    }
    for (int f = 0; f < 5; ++f) EXPECT_FALSE(allBlack(sheet, QRect(f * 30, 240, 30, 30))) << "flash frame " << f;
    EXPECT_TRUE(allBlack(sheet, QRect(150, 240, 90, 30))) << "frame 5 and the two spare tiles";
}

TEST(TileSheet, WallTilesDifferFromEachOther) {
    const QImage sheet = load(tileSheet);
    std::set<QByteArray> seen;
    for (int n = 0; n < 40; ++n) {
        const QImage t = sheet.copy((n % 8) * 30, (n / 8) * 30, 30, 30);
        seen.insert(QByteArray(reinterpret_cast<const char*>(t.constBits()), t.sizeInBytes()));
    }
    EXPECT_EQ(seen.size(), 40u);
}

TEST(TileSheet, PipeTilesHaveStubsExactlyTowardsTheirNeighbours) {
    // Left, right, up, down for tiles 24..35; a pipe is green where it meets the edge.
    const bool pipes[12][4] = {{0, 0, 0, 0}, {1, 1, 0, 0}, {0, 0, 1, 1}, {0, 1, 1, 0}, {1, 0, 1, 0}, {1, 0, 0, 1},
                               {0, 1, 0, 1}, {1, 1, 1, 1}, {1, 1, 1, 0}, {1, 0, 1, 1}, {1, 1, 0, 1}, {0, 1, 1, 1}};
    const QImage sheet = load(tileSheet);
    auto greenAt = [&](int tile, int x, int y) {
        const QRgb p = sheet.pixel((tile % 8) * 30 + x, (tile / 8) * 30 + y);
        return qGreen(p) > qRed(p) + 40 && qGreen(p) > qBlue(p) + 40;
    };
    for (int i = 0; i < 12; ++i) {
        const int tile = 24 + i;
        EXPECT_EQ(greenAt(tile, 0, 15), pipes[i][0]) << "tile " << tile << " left";
        EXPECT_EQ(greenAt(tile, 29, 15), pipes[i][1]) << "tile " << tile << " right";
        EXPECT_EQ(greenAt(tile, 15, 0), pipes[i][2]) << "tile " << tile << " up";
        EXPECT_EQ(greenAt(tile, 15, 29), pipes[i][3]) << "tile " << tile << " down";
    }
}

TEST(TileSheet, LampCrossesShowGreyGreenAndRedLamps) {
    const QImage sheet = load(tileSheet);
    auto centre = [&](int tile) { return QColor(sheet.pixel((tile % 8) * 30 + 16, (tile / 8) * 30 + 16)); };
    EXPECT_LT(centre(36).hsvSaturation(), 60);
    EXPECT_NEAR(centre(37).hsvHue(), 125, 30);
    const int redHue = centre(38).hsvHue();
    EXPECT_TRUE(redHue < 20 || redHue > 340) << redHue;
    // The corners outside the cross are black.
    for (int tile = 36; tile < 40; ++tile)
        EXPECT_TRUE(allBlack(sheet, QRect((tile % 8) * 30, (tile / 8) * 30, 5, 5))) << tile;
}

class GroundTest : public ::testing::TestWithParam<bool> {
protected:
    Sheet sheet() const { return GetParam() ? preview() : tiles(); }
};

TEST_P(GroundTest, ElementPicturesStandOnPureBlack) {
    const Sheet s = sheet();
    const int last = s.tile - 1;
    for (int p = 1; p <= 24; ++p) {
        const QRect r = s.element(p);
        EXPECT_FALSE(allBlack(s.image, r)) << "picture " << p;
        if (isBar(p)) continue;  // bars run through the cell, checked below
        for (int i = 0; i < s.tile; ++i) {
            for (QPoint q : {QPoint(i, 0), QPoint(i, last), QPoint(0, i), QPoint(last, i)})
                ASSERT_TRUE(black(s.image.pixel(r.topLeft() + q))) << "picture " << p << " at " << q.x() << "," << q.y();
        }
    }
}

TEST_P(GroundTest, BallsLeaveRoomForTheStubsAndStubsLeaveTheBallAlone) {
    const Sheet s = sheet();
    const double scale = s.tile / 30.0;
    for (int p : {1, 2, 3, 4, 5, 6, 11, 21, 22, 23, 24}) {
        const QRect r = s.element(p);
        // Between the ball and the edge there is black on every side.
        const int gap = static_cast<int>(4 * scale);
        EXPECT_TRUE(allBlack(s.image, QRect(r.right() - gap + 1, r.top(), gap, s.tile))) << "picture " << p;
        EXPECT_TRUE(allBlack(s.image, QRect(r.left(), r.bottom() - gap + 1, s.tile, gap))) << "picture " << p;
    }
    for (int k = 0; k < 16; ++k) {
        const QRect r = s.bond(k);
        const QPointF c = QPointF(r.topLeft()) + QPointF(s.tile / 2.0, s.tile / 2.0);
        // Every pixel whose centre lies well inside the ball stays black.
        const double inner = 7.5 * scale;
        for (QPoint q : lit(s.image, r)) {
            const double dx = q.x() + 0.5 - c.x(), dy = q.y() + 0.5 - c.y();
            ASSERT_GT(dx * dx + dy * dy, inner * inner) << "overlay " << k << " at " << q.x() - r.left() << "," << q.y() - r.top();
        }
    }
}

TEST_P(GroundTest, EachStubReachesOnlyItsOwnEdgeOrCorner) {
    const Sheet s = sheet();
    const int last = s.tile - 1;
    for (int k = 0; k < 16; ++k) {
        const QRect r = s.bond(k);
        const int dir = k < 8 ? k : 2 * (k % 4);
        const bool right = dir == Right || dir == UpRight || dir == DownRight;
        const bool left = dir == Left || dir == UpLeft || dir == DownLeft;
        const bool up = dir == Up || dir == UpRight || dir == UpLeft;
        const bool down = dir == Down || dir == DownRight || dir == DownLeft;
        EXPECT_EQ(!runsInColumn(s.image, r, last).empty(), right) << "overlay " << k;
        EXPECT_EQ(!runsInColumn(s.image, r, 0).empty(), left) << "overlay " << k;
        EXPECT_EQ(!runsInRow(s.image, r, 0).empty(), up) << "overlay " << k;
        EXPECT_EQ(!runsInRow(s.image, r, last).empty(), down) << "overlay " << k;
    }
}

TEST_P(GroundTest, StubsMeetTheirPartnersAcrossTheBorder) {
    const Sheet s = sheet();
    const int last = s.tile - 1;
    // Straight stubs: single (0/4, 2/6), double (8/10, 9/11), triple (12/14, 13/15).
    const int horizontal[][2] = {{0, 4}, {8, 10}, {12, 14}};
    const size_t lines[] = {1, 2, 3};
    for (int i = 0; i < 3; ++i) {
        const auto out = runsInColumn(s.image, s.bond(horizontal[i][0]), last);
        const auto in = runsInColumn(s.image, s.bond(horizontal[i][1]), 0);
        EXPECT_EQ(out, in) << "overlays " << horizontal[i][0] << " and " << horizontal[i][1];
        if (!GetParam()) {
            EXPECT_EQ(out.size(), lines[i]) << "separate lines of overlay " << horizontal[i][0];
        }
    }
    const int vertical[][2] = {{2, 6}, {9, 11}, {13, 15}};
    for (int i = 0; i < 3; ++i) {
        const auto out = runsInRow(s.image, s.bond(vertical[i][0]), 0);
        const auto in = runsInRow(s.image, s.bond(vertical[i][1]), last);
        EXPECT_EQ(out, in) << "overlays " << vertical[i][0] << " and " << vertical[i][1];
        if (!GetParam()) {
            EXPECT_EQ(out.size(), lines[i]) << "separate lines of overlay " << vertical[i][0];
        }
    }
    // Diagonals meet at the shared corner.
    auto at = [&](int k, int x, int y) { return !black(s.image.pixel(s.bond(k).topLeft() + QPoint(x, y))); };
    EXPECT_TRUE(at(UpRight, last, 0) && at(DownLeft, 0, last));
    EXPECT_TRUE(at(UpLeft, 0, 0) && at(DownRight, last, last));
}

TEST_P(GroundTest, BarsLineUpWithTheStubsOfTheirNeighbours) {
    const Sheet s = sheet();
    const int last = s.tile - 1;
    EXPECT_EQ(runsInColumn(s.image, s.element(7), 0), runsInColumn(s.image, s.bond(Right), last));
    EXPECT_EQ(runsInColumn(s.image, s.element(7), last), runsInColumn(s.image, s.bond(Left), 0));
    EXPECT_EQ(runsInRow(s.image, s.element(9), 0), runsInRow(s.image, s.bond(Down), last));
    EXPECT_EQ(runsInRow(s.image, s.element(9), last), runsInRow(s.image, s.bond(Up), 0));
    auto at = [&](int p, int x, int y) { return !black(s.image.pixel(s.element(p).topLeft() + QPoint(x, y))); };
    EXPECT_TRUE(at(8, 0, last) && at(8, last, 0));
    EXPECT_FALSE(at(8, 0, 0) || at(8, last, last));
    EXPECT_TRUE(at(10, 0, 0) && at(10, last, last));
    EXPECT_FALSE(at(10, 0, last) || at(10, last, 0));
}

INSTANTIATE_TEST_SUITE_P(FullAndHalfSize, GroundTest, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "PreviewSheet" : "TileSheet"; });

TEST(PreviewSheet, IsTheTileSheetAtHalfSize) {
    // Same pictures in the same order: each preview tile is close to the
    // average of the corresponding 2 × 2 blocks of the tile sheet.
    const Sheet full = tiles(), half = preview();
    for (int p = 1; p <= 24; ++p) {
        const QRect a = full.element(p), b = half.element(p);
        long difference = 0;
        for (int y = 0; y < 15; ++y)
            for (int x = 0; x < 15; ++x) {
                int sum = 0;
                for (int d = 0; d < 4; ++d) sum += qGray(full.image.pixel(a.left() + 2 * x + d % 2, a.top() + 2 * y + d / 2));
                difference += std::abs(sum / 4 - qGray(half.image.pixel(b.left() + x, b.top() + y)));
            }
        EXPECT_LT(difference / 225.0, 4.0) << "picture " << p;
    }
}

TEST(DigitStrip, DigitsAreFieryOnBlackAndTheMarkersAreFlasks) {
    const QImage strip = load(digitStrip);
    for (int d = 0; d < 12; ++d) {
        const QRect cell(30 * d, 0, 30, 39);
        EXPECT_TRUE(allBlack(strip, QRect(cell.left(), 0, 30, 1))) << "cell " << d << " top row";
        EXPECT_TRUE(allBlack(strip, QRect(cell.left(), 0, 1, 39))) << "cell " << d << " left column";
        const auto points = lit(strip, cell);
        EXPECT_GT(points.size(), 100u) << "cell " << d;
        if (d >= 10) continue;
        long r = 0, g = 0, b = 0;
        for (QPoint q : points) {
            r += qRed(strip.pixel(q));
            g += qGreen(strip.pixel(q));
            b += qBlue(strip.pixel(q));
        }
        EXPECT_GT(r, g) << "digit " << d;  // orange-yellow: red over green over blue
        EXPECT_GT(g, 2 * b) << "digit " << d;
    }
    // The solved flask holds more green than the one with bubbles only.
    auto green = [&](int left) {
        int count = 0;
        for (QPoint q : lit(strip, QRect(left, 0, 30, 39))) {
            const QRgb p = strip.pixel(q);
            count += qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60;
        }
        return count;
    };
    EXPECT_GT(green(330), 2 * green(300));
}

TEST(TileSheet, FlaskSeriesFillsStepByStep) {
    const QImage sheet = load(tileSheet);
    auto green = [&](int picture) {
        const int n = picture - 1;
        int count = 0;
        for (QPoint q : lit(sheet, QRect((n % 8) * 30, (5 + n / 8) * 30, 30, 30))) {
            const QRgb p = sheet.pixel(q);
            count += qGreen(p) > qRed(p) + 60 && qGreen(p) > qBlue(p) + 60;
        }
        return count;
    };
    for (int p = 13; p <= 20; ++p) EXPECT_GT(green(p), green(p - 1)) << "picture " << p;
}
