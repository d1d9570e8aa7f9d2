#include "help/picgen/rule_pictures.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <cmath>

#include "assets/asset_paths.h"
#include "core/atom_kind.h"
#include "core/cell_codes.h"
#include "ui/board_view.h"
#include "ui/images.h"
#include "ui/main_layout.h"
#include "ui/molecule_view.h"
#include "ui/plan_number_view.h"

namespace tarvik {

namespace {

constexpr int kCell = BoardView::kCell;
const QColor kPage(255, 253, 244);  // the pages' background
const QColor kArrowRed(200, 30, 30);
const QColor kArrowYellow(255, 200, 0);

using From = PictureCell::From;

// A board for the pictures: everything outside the playing area until set otherwise.
class PictureBoard final : public BoardSource {
public:
    PictureBoard() { cells_.fill(kFirstOutsideCode); }

    void empty(int c, int r) { cells_[cellIndex(c, r)] = kEmptyCell; }
    void wall(int c, int r, int tile) { cells_[cellIndex(c, r)] = static_cast<std::uint8_t>(kFirstWallCode + tile); }
    void atom(int c, int r, AtomKind kind)
    {
        kinds_.push_back(kind);
        cells_[cellIndex(c, r)] = static_cast<std::uint8_t>(kinds_.size());
    }
    // A floor of cols x rows cells framed by walls.
    void room(int cols, int rows, int tile)
    {
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) {
                if (c == 0 || r == 0 || c == cols - 1 || r == rows - 1)
                    wall(c, r, tile);
                else
                    empty(c, r);
            }
    }
    void setSolvedLook(bool solved) { solved_ = solved; }

    std::uint8_t cell(int column, int row) const override { return cells_[cellIndex(column, row)]; }
    std::int32_t atomKind(int atom) const override
    {
        return atom >= 1 && atom <= static_cast<int>(kinds_.size()) ? kinds_[atom - 1] : 0;
    }
    bool solvedLook() const override { return solved_; }

    // The cells the game drew as atoms or walls, at their place in a picture.
    void describe(std::vector<PictureCell>& cells, QPoint at, int cols, int rows) const
    {
        for (int c = 0; c < cols; ++c)
            for (int r = 0; r < rows; ++r) {
                const int code = cell(c, r);
                const QRect where(at + QPoint(c * kCell, r * kCell), QSize(kCell, kCell));
                if (isAtomCode(code))
                    cells.push_back({From::BoardAtom, where, solved_ ? 0 : atomKind(code)});
                else if (isWallCode(code))
                    cells.push_back({From::BoardWall, where, code - kFirstWallCode});
                else if (isEmptyCode(code))
                    cells.push_back({From::BoardAtom, where, 0});
            }
    }

private:
    std::array<std::uint8_t, kCellCount> cells_{};
    std::vector<AtomKind> kinds_;
    bool solved_ = false;
};

QImage boardImage(const Images& images, const PictureBoard& board, int cols, int rows)
{
    BoardView view(images, board);
    view.boxPaint();
    return view.surface().image().copy(0, 0, cols * kCell, rows * kCell);
}

constexpr std::uint32_t bonds(std::initializer_list<int> list)
{
    std::uint32_t mask = 0;
    for (int b : list)
        mask |= 1u << b;
    return mask;
}

const AtomKind kHydrogenRight = makeAtomKind(kHydrogen, bonds({kSingleRight}));
const AtomKind kHydrogenLeft = makeAtomKind(kHydrogen, bonds({kSingleLeft}));
const AtomKind kOxygenBoth = makeAtomKind(kOxygen, bonds({kSingleLeft, kSingleRight}));
const AtomKind kCarbonFour = makeAtomKind(kCarbon, bonds({kSingleLeft, kSingleRight, kSingleUp, kSingleDown}));
constexpr int kWallTile = 3;

void drawPointer(QPainter& p, QPointF tip)
{
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 17));
    arrow.lineTo(tip + QPointF(4.5, 13));
    arrow.lineTo(tip + QPointF(8, 20));
    arrow.lineTo(tip + QPointF(10.5, 19));
    arrow.lineTo(tip + QPointF(7, 12));
    arrow.lineTo(tip + QPointF(12, 12));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-dir.y(), dir.x());
    QPolygonF head;
    head << to + dir * 4 << to - dir * 7 + normal * 6 << to - dir * 7 - normal * 6;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
    p.restore();
}

// Pictures placed side by side on the page colour, with an arrow in each gap.
struct Strip {
    static constexpr int kGap = 24;
    std::vector<QImage> parts;
    QImage compose(QColor arrow, std::vector<QPoint>* origins = nullptr) const
    {
        int width = 0, height = 0;
        for (const QImage& part : parts) {
            width += part.width() + (width ? kGap : 0);
            height = std::max(height, part.height());
        }
        QImage image(width, height, QImage::Format_RGB32);
        image.fill(kPage);
        QPainter p(&image);
        int x = 0;
        for (const QImage& part : parts) {
            if (x && arrow.alpha() > 0)
                drawArrow(p, QPointF(x - kGap + 3, height / 2.0), QPointF(x - 5, height / 2.0), arrow);
            const QPoint at(x, (height - part.height()) / 2);
            p.drawImage(at, part);
            if (origins)
                origins->push_back(at);
            x += part.width() + kGap;
        }
        return image;
    }
};

}  // namespace

RulePicture pickUpPicture(const Images& images)
{
    const int cols = 7, rows = 5;
    PictureBoard board;
    board.room(cols, rows, kWallTile);
    board.atom(2, 2, kOxygenBoth);
    board.atom(4, 1, kHydrogenLeft);
    const QImage drawn = boardImage(images, board, cols, rows);

    RulePicture picture{"pickup.png", {}, {}};
    std::vector<QPoint> origins;
    picture.image = Strip{{drawn, drawn}}.compose(kArrowRed, &origins);
    // Before the click the pointer stands on the atom; after it, it has gone.
    QPainter p(&picture.image);
    p.setRenderHint(QPainter::Antialiasing);
    drawPointer(p, origins[0] + QPointF(2 * kCell + 16, 2 * kCell + 14));
    p.end();
    board.describe(picture.cells, origins[1], cols, rows);
    return picture;
}

RulePicture pushPicture(const Images& images)
{
    const int cols = 9, rows = 4;
    PictureBoard board;
    board.room(cols, rows, kWallTile);
    board.wall(7, 1, kWallTile);
    board.atom(6, 1, kCarbonFour);
    RulePicture picture{"push.png", boardImage(images, board, cols, rows), {}};

    // Faint copies of the game's own atom mark the way it has come.
    const QImage atom = picture.image.copy(6 * kCell, kCell, kCell, kCell);
    QPainter p(&picture.image);
    p.setCompositionMode(QPainter::CompositionMode_Plus);
    for (int step = 1; step < 5; ++step) {
        QImage faint = atom;
        QPainter fade(&faint);
        fade.fillRect(faint.rect(), QColor(0, 0, 0, 255 - 40 * step));
        fade.end();
        p.drawImage(QPointF(kCell + (step - 1) * kCell * 1.2, kCell), faint);
    }
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    drawArrow(p, QPointF(1.5 * kCell, 2.5 * kCell), QPointF(6.6 * kCell, 2.5 * kCell), kArrowYellow);
    p.end();
    // The floor carries the trail and the arrow; the walls and the atom are as drawn.
    board.describe(picture.cells, {}, cols, rows);
    std::erase_if(picture.cells, [](const PictureCell& cell) { return cell.from != From::BoardWall; });
    picture.cells.push_back({From::BoardAtom, QRect(6 * kCell, kCell, kCell, kCell), kCarbonFour});
    return picture;
}

namespace {

class WaterMolecule final : public MoleculeSource {
public:
    int molWidth() const override { return 3; }
    int molHeight() const override { return 1; }
    int atomCol(int slot) const override { return slot - 1; }
    int atomRow(int) const override { return 0; }
    std::int32_t atomKind(int slot) const override
    {
        static const AtomKind kinds[] = {kHydrogenRight, kOxygenBoth, kHydrogenLeft};
        return slot >= 1 && slot <= 3 ? kinds[slot - 1] : 0;
    }
};

// The water molecule built on a board with a stray atom beside it.
PictureBoard waterBoard(int cols, int rows)
{
    PictureBoard board;
    board.room(cols, rows, kWallTile);
    board.wall(6, 3, kWallTile);
    board.atom(2, 2, kHydrogenRight);
    board.atom(3, 2, kOxygenBoth);
    board.atom(4, 2, kHydrogenLeft);
    board.atom(4, 4, kCarbonFour);
    return board;
}

}  // namespace

RulePicture moleculePicture(const Images& images)
{
    const int cols = 8, rows = 6;
    const PictureBoard board = waterBoard(cols, rows);
    const QImage drawn = boardImage(images, board, cols, rows);

    // The target as the panel shows it, with a margin of the preview's black around it.
    const WaterMolecule water;
    MoleculeView preview(images);
    preview.drawMolecule(water);
    const QPoint offset = moleculeOffset(water.molWidth(), water.molHeight());
    const int margin = MoleculeView::kCell;
    const QRect box(offset - QPoint(margin, 2 * margin),
                    QSize(3 * MoleculeView::kCell + 2 * margin, MoleculeView::kCell + 4 * margin));
    QImage target(box.size() + QSize(4, 4), QImage::Format_RGB32);
    target.fill(QColor(255, 217, 0));
    {
        QPainter p(&target);
        p.drawImage(QPoint(2, 2), preview.surface().image(), box);
    }

    RulePicture picture{"molecule.png", {}, {}};
    std::vector<QPoint> origins;
    picture.image = Strip{{drawn, target}}.compose(Qt::transparent, &origins);
    board.describe(picture.cells, origins[0], cols, rows);
    for (int slot = 1; slot <= 3; ++slot)
        picture.cells.push_back(
            {From::PreviewAtom,
             QRect(origins[1] + QPoint(2, 2) + offset - box.topLeft() +
                       QPoint(water.atomCol(slot) * MoleculeView::kCell, 0),
                   QSize(MoleculeView::kCell, MoleculeView::kCell)),
             water.atomKind(slot)});
    return picture;
}

RulePicture solvedPicture(const Images& images)
{
    // Three boards side by side, so a small room: the water molecule and a stray atom.
    const int cols = 6, rows = 5;
    PictureBoard board;
    board.room(cols, rows, kWallTile);
    board.wall(4, 3, kWallTile);
    board.atom(1, 1, kHydrogenRight);
    board.atom(2, 1, kOxygenBoth);
    board.atom(3, 1, kHydrogenLeft);
    board.atom(2, 3, kCarbonFour);
    const QImage complete = boardImage(images, board, cols, rows);

    // Half-way through the flash: frame 2 over every atom cell.
    BoardView flashing(images, board);
    flashing.boxPaint();
    std::vector<QPoint> atomCells;
    for (int c = 0; c < cols; ++c)
        for (int r = 0; r < rows; ++r)
            if (isAtomCode(board.cell(c, r))) {
                flashing.paintFlashCell(c, r, 2);
                atomCells.emplace_back(c, r);
            }
    const QImage flash = flashing.surface().image().copy(0, 0, cols * kCell, rows * kCell);

    PictureBoard after = board;
    after.setSolvedLook(true);
    const QImage empty = boardImage(images, after, cols, rows);

    RulePicture picture{"solved.png", {}, {}};
    std::vector<QPoint> origins;
    picture.image = Strip{{complete, flash, empty}}.compose(kArrowRed, &origins);
    board.describe(picture.cells, origins[0], cols, rows);
    for (const QPoint& cell : atomCells)
        picture.cells.push_back({From::BoardFlash, QRect(origins[1] + cell * kCell, QSize(kCell, kCell)), 2});
    after.describe(picture.cells, origins[2], cols, rows);
    return picture;
}

RulePicture planNumberPicture(const Images& images)
{
    // The number display on the panel of the backdrop, as the window shows it.
    const QRect inBackdrop = layout::kLevelBox.translated(0, -BoardView::kToolbarHeight);
    std::vector<QImage> parts;
    for (const bool solved : {false, true}) {
        PlanNumberView view(images);
        view.showPlanNumber(12, solved);
        QImage part = images.backdrop.copy(inBackdrop);
        QPainter p(&part);
        const QImage& drawn = view.surface().image();
        p.drawImage(QPoint(0, 0), drawn, QRect(0, 0, 3 * PlanNumberView::kDigitWidth, PlanNumberView::kHeight));
        p.drawImage(QPoint(PlanNumberView::kMarkerX, 0), drawn,
                    QRect(PlanNumberView::kMarkerX, 0, PlanNumberView::kDigitWidth, PlanNumberView::kHeight));
        parts.push_back(part);
    }
    RulePicture picture{"plannumber.png", {}, {}};
    std::vector<QPoint> origins;
    picture.image = Strip{parts}.compose(kArrowRed, &origins);
    for (int side = 0; side < 2; ++side) {
        const QSize digit(PlanNumberView::kDigitWidth, PlanNumberView::kHeight);
        for (int place = 0; place < 3; ++place)  // 0, 1, 2: plan 12 with its leading zero
            picture.cells.push_back(
                {From::Digit, QRect(origins[side] + QPoint(place * PlanNumberView::kDigitWidth, 0), digit), place});
        picture.cells.push_back(
            {From::Marker, QRect(origins[side] + QPoint(PlanNumberView::kMarkerX, 0), digit), side});
    }
    return picture;
}

std::vector<RulePicture> rulePictures(const Images& images)
{
    return {pickUpPicture(images), pushPicture(images), moleculePicture(images), solvedPicture(images),
            planNumberPicture(images)};
}

std::vector<RulePicture> buttonPictures()
{
    static const struct {
        const char* name;
        const char* resource;
    } glyphs[] = {
        {"start", assets::glyphStart}, {"restart", assets::glyphRestart}, {"load", assets::glyphLoad},
        {"save", assets::glyphSave},   {"sound", assets::glyphSound},     {"tip", assets::glyphTip},
        {"exit", assets::glyphExit},   {"tongue", assets::glyphTongue},   {"rules", assets::glyphRules},
        {"info", assets::glyphInfo},   {"tarvik", assets::glyphTarvik},
    };
    assets::ensureLoaded();
    std::vector<RulePicture> pictures;
    for (const auto& glyph : glyphs) {
        QImage image(QString::fromLatin1(glyph.resource));
        if (image.isNull())
            continue;
        // A glyph twice as wide as high holds the disabled form on its right.
        if (image.width() >= 2 * image.height())
            image = image.copy(0, 0, image.width() / 2, image.height());
        image = image.convertToFormat(QImage::Format_ARGB32);
        const QRgb transparent = image.pixel(0, image.height() - 1);
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (image.pixel(x, y) == transparent)
                    image.setPixel(x, y, qRgba(0, 0, 0, 0));
        pictures.push_back({QStringLiteral("button-%1.png").arg(QLatin1String(glyph.name)), image, {}});
    }
    return pictures;
}

}  // namespace tarvik
