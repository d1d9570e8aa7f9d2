#include <gtest/gtest.h>

#include <array>
#include <cstdint>

#include "test_sheets.h"
#include "ui/board_view.h"
#include "ui/surface.h"

namespace tarvik {
namespace {

using testing::backdropColour;
using testing::block;
using testing::expectedAtomCell;
using testing::solid;
using testing::testImages;

class FakeBoard : public BoardSource {
public:
    std::array<std::uint8_t, 225> cells{};
    std::array<std::int32_t, 51> kinds{};
    bool solved = false;

    void set(int c, int r, std::uint8_t code) { cells[r * 15 + c] = code; }
    std::uint8_t cell(int c, int r) const override { return cells[r * 15 + c]; }
    std::int32_t atomKind(int atom) const override { return kinds[atom]; }
    bool solvedLook() const override { return solved; }
};

QRect cellRect(int c, int r) { return QRect(c * 30, r * 30, 30, 30); }

class BoardDrawing : public ::testing::Test {
protected:
    Images images = testImages();
    FakeBoard board;
    BoardView view{images, board};

    QImage cellPicture(int c, int r) { return block(view.surface().image(), cellRect(c, r)); }
};

TEST(SurfaceOperations, OrCombinesReplaceOverwritesFillBlackens)
{
    Surface surface(4, 1);
    QImage source(2, 1, QImage::Format_RGB32);
    source.setPixel(0, 0, qRgb(0x10, 0x01, 0x00));
    source.setPixel(1, 0, qRgb(0x00, 0x00, 0x00));
    surface.copyReplace(solid(qRgb(0x01, 0x10, 0x80), 4, 1), QRect(0, 0, 4, 1), QPoint(0, 0));
    surface.copyOr(source, QRect(0, 0, 2, 1), QPoint(0, 0));
    EXPECT_EQ(surface.image().pixel(0, 0), qRgb(0x11, 0x11, 0x80));
    EXPECT_EQ(surface.image().pixel(1, 0), qRgb(0x01, 0x10, 0x80)) << "black must leave the pixel as it was";
    surface.copyReplace(source, QRect(0, 0, 2, 1), QPoint(2, 0));
    EXPECT_EQ(surface.image().pixel(3, 0), qRgb(0, 0, 0));
    surface.fillBlack(QRect(0, 0, 1, 1));
    EXPECT_EQ(surface.image().pixel(0, 0), qRgb(0, 0, 0));
}

TEST(SurfaceOperations, CopyWithinHandlesOverlapInEveryDirection)
{
    Images images = testImages();
    // Moving a 30 x 30 block by fewer pixels than its size overlaps source and target.
    for (QPoint shift : {QPoint(3, 0), QPoint(-3, 0), QPoint(0, 5), QPoint(0, -5), QPoint(2, 2)}) {
        Surface surface(90, 90);
        surface.copyReplace(images.backdrop, QRect(0, 0, 90, 90), QPoint(0, 0));
        const QImage before = surface.image().copy();
        surface.copyWithin(QRect(30, 30, 30, 30), QPoint(30, 30) + shift);
        EXPECT_EQ(block(surface.image(), QRect(QPoint(30, 30) + shift, QSize(30, 30))),
                  block(before, QRect(30, 30, 30, 30)))
            << shift.x() << "," << shift.y();
    }
}

TEST_F(BoardDrawing, EveryKindOfCellShowsItsTile)
{
    board.kinds[1] = 3 | (1 << 8) | (1 << 12);  // element with two stubs
    board.kinds[2] = (1 << 10) | (1 << 23);      // stubs alone, no element
    board.kinds[3] = -5;                        // negative: nothing
    board.kinds[4] = 25 | (1 << 9);             // picture out of range: stub only
    board.kinds[5] = static_cast<std::int32_t>(0x80000101u);  // bit 31: a negative kind
    board.kinds[6] = 24 | 0x7f000000;           // the top byte plays no part
    board.set(0, 0, 1);
    board.set(1, 0, 2);
    board.set(2, 0, 3);
    board.set(3, 0, 4);
    board.set(4, 0, 5);
    board.set(5, 0, 6);
    board.set(6, 0, 128);
    board.set(7, 0, 167);
    board.set(8, 0, 145);
    board.set(9, 0, 168);
    board.set(14, 14, 255);
    board.set(0, 14, 200);
    view.boxPaint();

    EXPECT_EQ(cellPicture(0, 0), expectedAtomCell(images, board.kinds[1]));
    EXPECT_EQ(cellPicture(1, 0), expectedAtomCell(images, board.kinds[2]));
    EXPECT_EQ(cellPicture(1, 0).pixel(15, 15), qRgb(0, 0, 0)) << "no element picture under the stubs";
    EXPECT_EQ(cellPicture(2, 0), solid(qRgb(0, 0, 0)));
    EXPECT_EQ(cellPicture(3, 0), expectedAtomCell(images, 1 << 9));
    EXPECT_EQ(cellPicture(4, 0), solid(qRgb(0, 0, 0)));
    EXPECT_EQ(cellPicture(5, 0), expectedAtomCell(images, 24));
    EXPECT_EQ(cellPicture(6, 0), solid(testing::wallColour(0)));
    EXPECT_EQ(cellPicture(7, 0), solid(testing::wallColour(39)));
    EXPECT_EQ(cellPicture(8, 0), solid(testing::wallColour(17)));
    EXPECT_EQ(cellPicture(10, 0), solid(qRgb(0, 0, 0))) << "empty floor";

    // Outside cells show the backdrop block that lies beneath them in the window.
    for (QPoint cell : {QPoint(9, 0), QPoint(14, 14), QPoint(0, 14)}) {
        const int x = cell.x() * 30, y = cell.y() * 30;
        const QImage picture = cellPicture(cell.x(), cell.y());
        EXPECT_EQ(picture.pixel(0, 0), backdropColour(8 + x, 12 + y));
        EXPECT_EQ(picture.pixel(29, 29), backdropColour(8 + x + 29, 12 + y + 29));
        EXPECT_EQ(picture, block(images.backdrop, QRect(8 + x, 12 + y, 30, 30)));
    }
}

TEST_F(BoardDrawing, ObstaclesShowTheBackdropBeneathThemWhateverWasThere)
{
    // Something else on screen first: a picture shifted against the window's backdrop.
    view.surface().copyReplace(images.backdrop, QRect(100, 10, 450, 450), QPoint(0, 0));
    board.set(4, 4, 51);
    board.set(5, 4, 127);
    board.set(6, 4, 90);
    view.boxPaint();
    for (int column : {4, 5, 6})
        EXPECT_EQ(cellPicture(column, 4), block(images.backdrop, QRect(8 + column * 30, 12 + 4 * 30, 30, 30)))
            << column;
    EXPECT_EQ(cellPicture(7, 4), solid(qRgb(0, 0, 0)));
}

TEST_F(BoardDrawing, RepaintingTwiceGivesTheSamePicture)
{
    board.kinds[1] = 2 | (1 << 8);
    board.set(3, 3, 1);
    board.set(4, 3, 130);
    board.set(5, 3, 170);
    view.boxPaint();
    const QImage first = view.surface().image().copy();
    view.boxPaint();
    EXPECT_EQ(view.surface().image(), first);
}

TEST_F(BoardDrawing, SolvedPlanShowsAtomCellsAsFloorButKeepsWallsAndOutside)
{
    board.kinds[1] = 1 | (1 << 8);
    board.set(2, 2, 1);
    board.set(3, 2, 150);
    board.set(4, 2, 190);
    board.solved = true;
    view.boxPaint();
    EXPECT_EQ(cellPicture(2, 2), solid(qRgb(0, 0, 0)));
    EXPECT_EQ(cellPicture(3, 2), solid(testing::wallColour(22)));
    EXPECT_EQ(cellPicture(4, 2), block(images.backdrop, QRect(8 + 120, 12 + 60, 30, 30)));
    // The hint draws through the same painter and so shows floor too.
    view.paintAtomCell(60, 60, board.kinds[1]);
    EXPECT_EQ(cellPicture(2, 2), solid(qRgb(0, 0, 0)));
}

TEST_F(BoardDrawing, WallCellWithNegativeTileIsFloor)
{
    view.surface().copyReplace(images.backdrop, QRect(0, 0, 450, 450), QPoint(0, 0));
    view.paintWallCell(30, 60, -1);
    EXPECT_EQ(cellPicture(1, 2), solid(qRgb(0, 0, 0)));
    view.paintWallCell(30, 60, 9);
    EXPECT_EQ(cellPicture(1, 2), solid(testing::wallColour(9)));
}

TEST_F(BoardDrawing, FlashFrameReplacesTheCellAndNothingElse)
{
    board.kinds[1] = 2;
    board.kinds[2] = 5;
    board.set(1, 1, 1);
    board.set(7, 9, 2);
    board.set(2, 1, 140);
    view.boxPaint();
    for (int frame = 0; frame < 6; ++frame) {
        view.paintFlashCell(1, 1, frame);
        view.paintFlashCell(7, 9, frame);
        EXPECT_EQ(cellPicture(1, 1), solid(testing::flashColour(frame)));
        EXPECT_EQ(cellPicture(7, 9), solid(testing::flashColour(frame)));
        EXPECT_EQ(cellPicture(2, 1), solid(testing::wallColour(12)));
        EXPECT_EQ(cellPicture(0, 0), solid(qRgb(0, 0, 0)));
    }
}

struct SlideCase {
    int speed;
    int steps;
};

class SlideDrawing : public BoardDrawing, public ::testing::WithParamInterface<SlideCase> {};

TEST_P(SlideDrawing, PictureEndsExactlyOnTheNextCellInEveryDirection)
{
    const auto [speed, steps] = GetParam();
    ASSERT_EQ(30 / speed, steps);
    board.kinds[1] = 4 | (1 << 8) | (1 << 14);
    const QImage atom = expectedAtomCell(images, board.kinds[1]);
    for (QPoint direction : {QPoint(1, 0), QPoint(-1, 0), QPoint(0, 1), QPoint(0, -1)}) {
        board.cells.fill(0);
        board.set(0, 7, 150);  // something else on the board that must stay as it is
        board.set(7, 7, 1);
        view.boxPaint();
        const QImage wall = cellPicture(0, 7);
        view.beginSlide(210, 210, direction.x(), direction.y(), speed);
        for (int i = 0; i < steps; ++i)
            view.drawSlideStep();
        const QPoint next = QPoint(7, 7) + direction;
        EXPECT_EQ(cellPicture(next.x(), next.y()), atom) << direction.x() << "," << direction.y();
        EXPECT_EQ(cellPicture(7, 7), solid(qRgb(0, 0, 0))) << "the cell left behind is floor";
        EXPECT_EQ(cellPicture(0, 7), wall);
        // A second cell continues from where the first one ended.
        for (int i = 0; i < steps; ++i)
            view.drawSlideStep();
        const QPoint after = next + direction;
        EXPECT_EQ(cellPicture(after.x(), after.y()), atom);
        EXPECT_EQ(cellPicture(next.x(), next.y()), solid(qRgb(0, 0, 0)));
    }
}

TEST_P(SlideDrawing, OneStepMovesThePictureBySpeedPixels)
{
    const int speed = GetParam().speed;
    board.kinds[1] = 6;
    board.set(5, 5, 1);
    view.boxPaint();
    const QImage before = view.surface().image().copy();
    view.beginSlide(150, 150, 1, 0, speed);
    view.drawSlideStep();
    EXPECT_EQ(block(view.surface().image(), QRect(150 + speed, 150, 30, 30)), block(before, QRect(150, 150, 30, 30)));
    EXPECT_EQ(block(view.surface().image(), QRect(150, 150, speed, 30)), solid(qRgb(0, 0, 0), speed, 30));
}

INSTANTIATE_TEST_SUITE_P(Speeds, SlideDrawing,
                         ::testing::Values(SlideCase{2, 15}, SlideCase{3, 10}, SlideCase{5, 6}, SlideCase{10, 3}),
                         [](const ::testing::TestParamInfo<SlideCase>& info) {
                             return "speed" + std::to_string(info.param.speed);
                         });

TEST(SlideStrip, TrailingStripIsTheEdgeTheAtomLeaves)
{
    EXPECT_EQ(slideTrailingStrip(60, 90, 1, 0, 3), QRect(60, 90, 3, 30));
    EXPECT_EQ(slideTrailingStrip(60, 90, -1, 0, 3), QRect(87, 90, 3, 30));
    EXPECT_EQ(slideTrailingStrip(60, 90, 0, 1, 5), QRect(60, 90, 30, 5));
    EXPECT_EQ(slideTrailingStrip(60, 90, 0, -1, 5), QRect(60, 115, 30, 5));
}

}  // namespace
}  // namespace tarvik
