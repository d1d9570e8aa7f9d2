// The rules pages' pictures are the game's own drawing: every cell they show as the game
// drew it must hold exactly the pixels the game's sheets give for it.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRandomGenerator>

#include "help/picgen/rule_pictures.h"
#include "ui/images.h"

namespace tarvik {
namespace {

QImage noise(int width, int height, quint32 seed)
{
    QRandomGenerator random(seed);
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(random.bounded(256), random.bounded(256), random.bounded(256)));
    return image;
}

// Sheets of random pixels, so that no picture of our own can match them by chance.
Images randomSheets()
{
    return Images::fromPictures(noise(240, 330, 1), noise(120, 75, 2), noise(360, 39, 3), noise(650, 470, 4));
}

// A cell of `size` pixels: black, then the element picture and every bond laid over by OR.
QImage atomCell(const QImage& sheet, std::int32_t kind, int size, int elementRow, int bondRow)
{
    QImage cell(size, size, QImage::Format_RGB32);
    cell.fill(Qt::black);
    if (kind <= 0)
        return cell;
    auto orIn = [&](int column, int row) {
        const QImage tile = sheet.copy(column * size, row * size, size, size).convertToFormat(QImage::Format_RGB32);
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x)
                cell.setPixel(x, y, (cell.pixel(x, y) | tile.pixel(x, y)) | 0xFF000000u);
    };
    const int n = (kind & 255) - 1;
    if (n >= 0 && n < 24)
        orIn(n % 8, elementRow + n / 8);
    for (int k = 0; k < 16; ++k)
        if (kind & (1 << (8 + k)))
            orIn(k % 8, bondRow + k / 8);
    return cell;
}

QImage expectedCell(const Images& images, const PictureCell& cell)
{
    using From = PictureCell::From;
    const QImage& tiles = images.tileSheet;
    switch (cell.from) {
    case From::BoardAtom: return atomCell(tiles, cell.what, 30, 5, 9);
    case From::BoardWall: return tiles.copy(cell.what % 8 * 30, cell.what / 8 * 30, 30, 30);
    case From::BoardFlash: return tiles.copy(cell.what * 30, 240, 30, 30);
    case From::PreviewAtom: return atomCell(images.previewSheet, cell.what, 15, 0, 3);
    case From::Digit: return images.digitStrip.copy(30 * cell.what, 0, 30, 39);
    case From::Marker: return images.digitStrip.copy(cell.what ? 330 : 300, 0, 30, 39);
    }
    return {};
}

void expectDrawnFromSheets(const Images& images, const char* sheets)
{
    const auto pictures = rulePictures(images);
    ASSERT_EQ(pictures.size(), 5u);
    for (const RulePicture& picture : pictures) {
        SCOPED_TRACE(picture.fileName.toStdString() + " from " + sheets);
        ASSERT_FALSE(picture.image.isNull());
        // Every picture shows a good part of the game's drawing, walls and atoms alike.
        EXPECT_GE(picture.cells.size(), 8u);
        for (const PictureCell& cell : picture.cells) {
            ASSERT_TRUE(picture.image.rect().contains(cell.where));
            const QImage shown = picture.image.copy(cell.where).convertToFormat(QImage::Format_RGB32);
            const QImage expected = expectedCell(images, cell).convertToFormat(QImage::Format_RGB32);
            EXPECT_EQ(shown, expected) << "cell at " << cell.where.x() << "," << cell.where.y()
                                       << " of kind " << static_cast<int>(cell.from) << " / " << cell.what;
        }
    }
}

TEST(RulePictures, EveryCellShownIsTheGamesOwnDrawing)
{
    expectDrawnFromSheets(randomSheets(), "random sheets");
    expectDrawnFromSheets(Images::fromResources(), "the game's sheets");
}

TEST(RulePictures, EachPictureShowsWhatItsPageTalksAbout)
{
    const auto pictures = rulePictures(Images::fromResources());
    auto count = [](const RulePicture& picture, PictureCell::From from, bool drawnAtom) {
        int n = 0;
        for (const auto& cell : picture.cells)
            n += cell.from == from && (!drawnAtom || cell.what > 0);
        return n;
    };
    using From = PictureCell::From;
    for (const auto& picture : pictures)
        EXPECT_GT(count(picture, From::BoardWall, false) + count(picture, From::Digit, false), 0)
            << picture.fileName.toStdString();
    EXPECT_EQ(pictures[2].fileName, "molecule.png");
    EXPECT_EQ(count(pictures[2], From::PreviewAtom, true), 3);  // the target beside the board
    EXPECT_EQ(pictures[3].fileName, "solved.png");
    EXPECT_EQ(count(pictures[3], From::BoardFlash, false), 4);   // every atom flashes ...
    EXPECT_EQ(count(pictures[3], From::BoardAtom, true), 4);     // ... of the four before
    EXPECT_EQ(pictures[4].fileName, "plannumber.png");
    EXPECT_EQ(count(pictures[4], From::Marker, false), 2);
}

TEST(RulePictures, ButtonPicturesAreTheToolbarsGlyphsWithoutTheirKeyColour)
{
    const auto buttons = buttonPictures();
    ASSERT_EQ(buttons.size(), 11u);
    for (const auto& button : buttons) {
        SCOPED_TRACE(button.fileName.toStdString());
        EXPECT_TRUE(button.fileName.startsWith("button-"));
        EXPECT_LE(button.image.width(), 26);
        EXPECT_LE(button.image.height(), 20);
        EXPECT_EQ(qAlpha(button.image.pixel(0, button.image.height() - 1)), 0);
        int opaque = 0;
        for (int y = 0; y < button.image.height(); ++y)
            for (int x = 0; x < button.image.width(); ++x)
                opaque += qAlpha(button.image.pixel(x, y)) == 255;
        EXPECT_GT(opaque, button.image.width() * button.image.height() / 5);
    }
}

}  // namespace
}  // namespace tarvik
