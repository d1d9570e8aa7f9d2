// The plan picture from sheets whose every tile has a colour of its own, so
// that each pixel tells which tile it came from.
#include <gtest/gtest.h>

#include "plan_picture.h"

using namespace tarvik;
using namespace tarvik::plans;

namespace {

// Tile (column, row) of a sheet filled with one colour; element pictures and
// stubs use separate colour bits so that OR shows both.
QImage sheet(int cell, int columns, int rows, QRgb (*colour)(int column, int row)) {
    QImage image(cell * columns, cell * rows, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, colour(x / cell, y / cell));
    return image;
}

QRgb tileColour(int column, int row) {
    if (row == 5 && column == 2) return qRgb(0x40, 0, 0);    // element picture 3
    if (row == 9 && column == 0) return qRgb(0, 0x08, 0);    // single stub right
    if (row == 10 && column == 0) return qRgb(0, 0, 0x02);   // double stub right
    return qRgb(10 * column + 1, 20 * row + 1, 77);         // walls and the rest
}

QRgb previewColour(int column, int row) {
    if (row == 0 && column == 2) return qRgb(0x40, 0, 0);
    if (row == 3 && column == 0) return qRgb(0, 0x08, 0);
    return qRgb(0, 0, 0);
}

PlanSheets fakeSheets() {
    QImage backdrop(650, 470, QImage::Format_RGB32);
    for (int y = 0; y < 470; ++y)
        for (int x = 0; x < 650; ++x) backdrop.setPixel(x, y, qRgb(x % 256, y % 256, 200));
    return {sheet(30, 8, 11, tileColour), sheet(15, 8, 5, previewColour), backdrop};
}

}  // namespace

TEST(PlanPicture, CellsComeFromTheTilesTheGameUses) {
    PlanRecord plan{};
    plan.board.fill(168);
    plan.setCell(1, 1, 0);           // floor
    plan.setCell(2, 1, 128 + 9);     // wall tile 9: sheet column 1, row 1
    plan.setCell(3, 1, 1);           // atom 1
    plan.setCell(4, 1, 60);          // an obstacle keeps what lies beneath
    plan.atomKind[1] = 3 | (1 << 8) | (1 << (8 + 8));
    plan.atomCol[1] = 0;
    plan.atomRow[1] = 0;
    plan.molWidth = 1;
    plan.molHeight = 1;
    const PlanSheets sheets = fakeSheets();
    const QImage picture = drawPlanPicture(plan, sheets);
    ASSERT_EQ(picture.size(), QSize(650, 470));
    auto at = [&](int col, int row, int dx, int dy) { return picture.pixel(8 + 30 * col + dx, 12 + 30 * row + dy) & 0xFFFFFF; };
    EXPECT_EQ(at(1, 1, 0, 0), 0u);
    EXPECT_EQ(at(1, 1, 29, 29), 0u);
    EXPECT_EQ(at(2, 1, 5, 5), tileColour(1, 1) & 0xFFFFFF);
    EXPECT_EQ(at(3, 1, 15, 15), 0x400802u);  // element OR single stub OR double stub
    // Outside and obstacle cells show the backdrop beneath them.
    EXPECT_EQ(at(0, 0, 3, 4), sheets.backdrop.pixel(8 + 3, 12 + 4) & 0xFFFFFF);
    EXPECT_EQ(at(4, 1, 7, 2), sheets.backdrop.pixel(8 + 120 + 7, 12 + 30 + 2) & 0xFFFFFF);
    // The one-cell molecule sits in the middle of the 150 x 150 preview, in
    // preview tiles; around it the preview is black.
    EXPECT_EQ(picture.pixel(480 + 67 + 5, 200 + 67 + 5) & 0xFFFFFF, 0x400800u);
    EXPECT_EQ(picture.pixel(480 + 2, 200 + 2) & 0xFFFFFF, 0u);
    EXPECT_EQ(picture.pixel(479, 199) & 0xFFFFFF, sheets.backdrop.pixel(479, 199) & 0xFFFFFF);
}

TEST(PlanPicture, KindsThatShowNothingLeaveABlackCell) {
    PlanRecord plan{};
    plan.board.fill(0);
    plan.setCell(0, 0, 1);
    plan.setCell(1, 0, 2);
    plan.atomKind[1] = -5;                // a negative kind draws no atom
    plan.atomKind[2] = 1 << 8;            // stubs alone, no element
    const QImage picture = drawPlanPicture(plan, fakeSheets());
    EXPECT_EQ(picture.pixel(8 + 15, 12 + 15) & 0xFFFFFF, 0u);
    EXPECT_EQ(picture.pixel(30 + 8 + 15, 12 + 15) & 0xFFFFFF, 0x000800u);
}
