#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QWidget>

#include <array>

#include "test_sheets.h"
#include "ui/glyph_button.h"
#include "ui/molecule_view.h"
#include "ui/name_labels.h"
#include "ui/plan_number_view.h"
#include "ui/progress_gauge.h"

namespace tarvik {
namespace {

using testing::block;
using testing::digitColour;
using testing::solid;
using testing::testImages;

TEST(PlanNumber, ThreeDigitsWithLeadingZerosAndTheMarker)
{
    const Images images = testImages();
    PlanNumberView view(images);
    struct Case {
        int plan;
        std::array<int, 3> digits;
        bool solved;
    };
    for (const Case& c : {Case{1, {0, 0, 1}, false}, Case{7, {0, 0, 7}, true}, Case{42, {0, 4, 2}, false},
                          Case{500, {5, 0, 0}, true}, Case{139, {1, 3, 9}, false}}) {
        view.showPlanNumber(c.plan, c.solved);
        const QImage& picture = view.surface().image();
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(block(picture, QRect(30 * i, 0, 30, 39)), solid(digitColour(c.digits[i]), 30, 39))
                << "plan " << c.plan << " digit " << i;
        EXPECT_EQ(block(picture, QRect(93, 0, 30, 39)),
                  solid(c.solved ? testing::kSolvedMarker : testing::kUnsolvedMarker, 30, 39))
            << "plan " << c.plan;
    }
}

TEST(PlanNumber, LeavesTheGapsToThePanelBeneath)
{
    const Images images = testImages();
    QWidget parent;
    parent.setFixedSize(133, 39);
    parent.setStyleSheet(QStringLiteral("background: #0000ff"));
    parent.setAutoFillBackground(true);
    auto* view = new PlanNumberView(images, &parent);
    view->showPlanNumber(123, false);
    const QImage shot = parent.grab().toImage();
    EXPECT_EQ(shot.pixel(10, 10), digitColour(1));
    EXPECT_EQ(shot.pixel(91, 10), qRgb(0, 0, 255)) << "between digits and marker";
    EXPECT_EQ(shot.pixel(100, 10), testing::kUnsolvedMarker);
    EXPECT_EQ(shot.pixel(128, 10), qRgb(0, 0, 255)) << "right of the marker";
}

class FakeMolecule : public MoleculeSource {
public:
    int width = 1, height = 1;
    std::array<int, 51> col{}, row{};
    std::array<std::int32_t, 51> kind{};
    int molWidth() const override { return width; }
    int molHeight() const override { return height; }
    int atomCol(int s) const override { return col[s]; }
    int atomRow(int s) const override { return row[s]; }
    std::int32_t atomKind(int s) const override { return kind[s]; }
};

TEST(MoleculePreview, CentredAtHalfScaleWithStubs)
{
    EXPECT_EQ(moleculeOffset(1, 1), QPoint(67, 67));
    EXPECT_EQ(moleculeOffset(10, 10), QPoint(0, 0));
    EXPECT_EQ(moleculeOffset(11, 2), QPoint(-7, 60));
    EXPECT_EQ(moleculeOffset(3, 4), QPoint(52, 45));

    const Images images = testImages();
    MoleculeView view(images);
    FakeMolecule molecule;
    molecule.width = 3;
    molecule.height = 1;
    molecule.kind[1] = 3 | (1 << 8);                   // carbon, stub right
    molecule.kind[2] = 2 | (1 << 12) | (1 << 8);       // double stubs
    molecule.kind[3] = 0;                              // unused slot
    molecule.kind[4] = -1;                             // not drawn
    molecule.col = {0, 0, 2, 1, 1};
    molecule.row = {0, 0, 0, 0, 0};
    view.drawMolecule(molecule);
    const QImage& picture = view.surface().image();
    const QPoint o = moleculeOffset(3, 1);
    EXPECT_EQ(block(picture, QRect(o, QSize(15, 15))), testing::expectedPreviewAtom(images, molecule.kind[1]));
    EXPECT_EQ(block(picture, QRect(o + QPoint(30, 0), QSize(15, 15))),
              testing::expectedPreviewAtom(images, molecule.kind[2]));
    EXPECT_EQ(block(picture, QRect(o + QPoint(15, 0), QSize(15, 15))), solid(qRgb(0, 0, 0), 15, 15));
    EXPECT_EQ(picture.pixel(0, 0), qRgb(0, 0, 0));

    // A second, smaller molecule leaves nothing of the first behind.
    FakeMolecule small;
    small.kind[1] = 1;
    view.drawMolecule(small);
    EXPECT_EQ(block(view.surface().image(), QRect(o, QSize(15, 15))), solid(qRgb(0, 0, 0), 15, 15));
    EXPECT_EQ(block(view.surface().image(), QRect(67, 67, 15, 15)), testing::expectedPreviewAtom(images, 1));
}

TEST(ProgressGauge, RedBarInWholePercentSteps)
{
    EXPECT_EQ(wholePercent(0, 330), 0);
    EXPECT_EQ(wholePercent(1, 330), 0);
    EXPECT_EQ(wholePercent(4, 330), 1);
    EXPECT_EQ(wholePercent(329, 330), 99);
    EXPECT_EQ(wholePercent(330, 330), 100);
    EXPECT_EQ(wholePercent(3, 0), 0) << "no plans: an empty bar, not a division by zero";

    ProgressGauge gauge;
    gauge.setFixedSize(146, 18);
    gauge.setMaximum(3);
    gauge.setValue(1);
    EXPECT_EQ(gauge.barWidth(), 146 * 33 / 100);
    gauge.setValue(2);
    EXPECT_EQ(gauge.barWidth(), 146 * 66 / 100);
    const QImage shot = gauge.grab().toImage();
    EXPECT_EQ(shot.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(95, 17), qRgb(255, 0, 0));
    EXPECT_EQ(shot.pixel(96, 0), qRgb(0, 0, 0));
    EXPECT_EQ(shot.pixel(145, 9), qRgb(0, 0, 0)) << "no border";
}

TEST(NameLabels, CentredAroundTheSameLineAndShownAsPlainText)
{
    QWidget window;
    NameLabels lines(&window);
    lines.show(QStringLiteral("<b>x</b>"), QString(), QStringLiteral("ignored"));
    EXPECT_EQ(lines.label(0)->y(), 193);
    EXPECT_EQ(lines.label(0)->textFormat(), Qt::PlainText);
    EXPECT_EQ(lines.label(0)->text(), QStringLiteral("<b>x</b>"));

    lines.show(QStringLiteral("a"), QStringLiteral("b"), QString());
    EXPECT_EQ(lines.label(0)->y(), 183);
    EXPECT_EQ(lines.label(1)->y(), 203);
    EXPECT_EQ(lines.label(2)->y(), 213) << "unused lines keep their place";

    lines.show(QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"));
    EXPECT_EQ(lines.label(0)->y(), 173);
    EXPECT_EQ(lines.label(1)->y(), 193);
    EXPECT_EQ(lines.label(2)->y(), 213);

    lines.show(QStringLiteral("one"), QString(), QString());
    EXPECT_EQ(lines.label(0)->y(), 193);
    EXPECT_EQ(lines.label(1)->y(), 193) << "kept from the three-line name";
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(lines.label(i)->x(), 480);
        EXPECT_EQ(lines.label(i)->size(), QSize(150, 20));
    }
}

TEST(NameLabels, ALineTooWideForThePanelIsSetSmallerUntilItFitsAndGrowsBack)
{
    QWidget window;
    NameLabels lines(&window);
    lines.show(QStringLiteral("Water"), QString(), QString());
    EXPECT_EQ(lines.label(0)->font().pixelSize(), 16);

    const QString longName = QStringLiteral("Chloromethyl methyl ether");
    lines.show(longName, QString(), QString());
    const QFont shrunk = lines.label(0)->font();
    EXPECT_LT(shrunk.pixelSize(), 16);
    EXPECT_GE(shrunk.pixelSize(), kSmallestNamePixels);
    EXPECT_LE(QFontMetrics(shrunk).horizontalAdvance(longName), NameLabels::kWidth);

    lines.show(QStringLiteral("Water"), QString(), QString());
    EXPECT_EQ(lines.label(0)->font().pixelSize(), 16) << "a short line gets the full face back";
}

TEST(Glyphs, FirstPictureWithTheBottomLeftColourMaskedOut)
{
    QImage file(8, 2, QImage::Format_RGB32);
    file.fill(qRgb(255, 0, 255));
    file.setPixel(1, 0, qRgb(10, 20, 30));
    file.setPixel(5, 0, qRgb(99, 99, 99));  // the disabled picture
    const QImage picture = glyphPicture(file, 2);
    ASSERT_EQ(picture.size(), QSize(4, 2));
    EXPECT_EQ(qAlpha(picture.pixel(0, 0)), 0);
    EXPECT_EQ(picture.pixel(1, 0), qRgb(10, 20, 30));
    EXPECT_EQ(qAlpha(picture.pixel(3, 1)), 0);
    EXPECT_TRUE(glyphPicture(QImage(), 1).isNull());
}

}  // namespace
}  // namespace tarvik
