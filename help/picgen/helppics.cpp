// Draws the pictures of the rules: an atom being picked up, a push, a finished molecule.
// Usage: tarvik-helppics OUTPUT_FOLDER
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

#include <cstdio>
#include <vector>

namespace {

constexpr int kCell = 30;

enum Bond { Left = 1, Right = 2, Up = 4, Down = 8 };

struct Atom {
    int col;
    int row;
    QChar symbol;
    QColor colour;
    int bonds;
};

QColor hydrogen() { return QColor(235, 235, 235); }
QColor oxygen() { return QColor(220, 40, 40); }
QColor carbon() { return QColor(70, 70, 70); }

void drawFloor(QPainter& p, int cols, int rows)
{
    p.fillRect(0, 0, cols * kCell, rows * kCell, Qt::black);
}

void drawWall(QPainter& p, int col, int row)
{
    const QRect r(col * kCell, row * kCell, kCell, kCell);
    p.fillRect(r, QColor(128, 128, 140));
    p.setPen(QColor(200, 200, 210));
    p.drawLine(r.topLeft(), r.topRight());
    p.drawLine(r.topLeft(), r.bottomLeft());
    p.setPen(QColor(60, 60, 70));
    p.drawLine(r.bottomLeft(), r.bottomRight());
    p.drawLine(r.topRight(), r.bottomRight());
}

void drawAtomAt(QPainter& p, QPointF topLeft, const Atom& a, int cell = kCell)
{
    const double c = cell;
    const QPointF centre = topLeft + QPointF(c / 2, c / 2);
    p.setPen(QPen(QColor(230, 230, 230), c / 10.0));
    if (a.bonds & Left) p.drawLine(centre, centre - QPointF(c / 2, 0));
    if (a.bonds & Right) p.drawLine(centre, centre + QPointF(c / 2, 0));
    if (a.bonds & Up) p.drawLine(centre, centre - QPointF(0, c / 2));
    if (a.bonds & Down) p.drawLine(centre, centre + QPointF(0, c / 2));
    QRadialGradient shade(centre - QPointF(c / 8, c / 8), c / 2.2);
    shade.setColorAt(0, a.colour.lighter(170));
    shade.setColorAt(1, a.colour.darker(140));
    p.setPen(Qt::NoPen);
    p.setBrush(shade);
    p.drawEllipse(centre, c * 0.34, c * 0.34);
    QFont font("DejaVu Sans");
    font.setPixelSize(static_cast<int>(c * 0.4));
    font.setBold(true);
    p.setFont(font);
    p.setPen(a.colour.lightness() > 150 ? Qt::black : Qt::white);
    p.drawText(QRectF(topLeft, QSizeF(c, c)), Qt::AlignCenter, QString(a.symbol));
}

void drawAtom(QPainter& p, const Atom& a)
{
    drawAtomAt(p, QPointF(a.col * kCell, a.row * kCell), a);
}

void drawPointer(QPainter& p, QPointF tip, bool crossedOut)
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
    if (crossedOut) {
        p.setPen(QPen(QColor(255, 200, 0), 2));
        p.drawLine(tip + QPointF(-3, -3), tip + QPointF(15, 23));
    }
}

void drawArrow(QPainter& p, QPointF from, QPointF to, QColor colour)
{
    p.setPen(QPen(colour, 3, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(from, to);
    const QPointF dir = (to - from) / std::hypot(to.x() - from.x(), to.y() - from.y());
    const QPointF normal(-dir.y(), dir.x());
    QPolygonF head;
    head << to + dir * 4 << to - dir * 7 + normal * 6 << to - dir * 7 - normal * 6;
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawPolygon(head);
}

void frame(QPainter& p, int cols, int rows)
{
    for (int c = 0; c < cols; ++c) {
        drawWall(p, c, 0);
        drawWall(p, c, rows - 1);
    }
    for (int r = 1; r < rows - 1; ++r) {
        drawWall(p, 0, r);
        drawWall(p, cols - 1, r);
    }
}

QImage pickUp()
{
    const int cols = 7, rows = 5;
    QImage image(2 * cols * kCell + 20, rows * kCell, QImage::Format_RGB32);
    image.fill(QColor(255, 253, 244));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    for (int side = 0; side < 2; ++side) {
        p.save();
        p.translate(side * (cols * kCell + 20), 0);
        drawFloor(p, cols, rows);
        frame(p, cols, rows);
        drawAtom(p, {2, 2, 'O', oxygen(), Left | Right});
        drawAtom(p, {4, 1, 'H', hydrogen(), Left});
        if (side == 0)
            drawPointer(p, QPointF(2 * kCell + 16, 2 * kCell + 14), false);
        else
            drawPointer(p, QPointF(2 * kCell + 16, 2 * kCell + 14), true);
        p.restore();
    }
    drawArrow(p, QPointF(cols * kCell + 2, rows * kCell / 2.0), QPointF(cols * kCell + 16, rows * kCell / 2.0),
              QColor(200, 30, 30));
    return image;
}

QImage push()
{
    const int cols = 9, rows = 4;
    QImage image(cols * kCell, rows * kCell, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFloor(p, cols, rows);
    frame(p, cols, rows);
    drawWall(p, 7, 1);
    const Atom carried{1, 1, 'C', carbon(), Right | Down};
    // Faint copies mark the way the atom has come.
    for (int step = 1; step < 6; ++step) {
        p.setOpacity(0.12 * step);
        drawAtomAt(p, QPointF(1 * kCell + step * kCell * 0.9, kCell), carried);
    }
    p.setOpacity(1.0);
    drawAtom(p, {6, 1, 'C', carbon(), Right | Down});
    drawArrow(p, QPointF(1.5 * kCell, 2.5 * kCell), QPointF(5.8 * kCell, 2.5 * kCell), QColor(255, 200, 0));
    return image;
}

QImage molecule()
{
    const int cols = 8, rows = 6;
    const int previewCell = 15;
    QImage image(cols * kCell + 20 + 5 * previewCell + 10, rows * kCell, QImage::Format_RGB32);
    image.fill(QColor(255, 253, 244));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    drawFloor(p, cols, rows);
    frame(p, cols, rows);
    drawWall(p, 6, 3);
    const std::vector<Atom> water{{0, 0, 'H', hydrogen(), Right}, {1, 0, 'O', oxygen(), Left | Right},
                                  {2, 0, 'H', hydrogen(), Left}};
    for (const Atom& a : water)
        drawAtom(p, {a.col + 2, a.row + 2, a.symbol, a.colour, a.bonds});
    drawAtom(p, {4, 4, 'C', carbon(), 0});

    const QPointF panel(cols * kCell + 20, (rows * kCell - 5 * previewCell) / 2.0);
    p.fillRect(QRectF(panel, QSizeF(5 * previewCell, 5 * previewCell)), Qt::black);
    p.setPen(QPen(QColor(255, 217, 0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(panel, QSizeF(5 * previewCell, 5 * previewCell)));
    for (const Atom& a : water)
        drawAtomAt(p, panel + QPointF((a.col + 1) * previewCell, 2 * previewCell), a, previewCell);
    return image;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s OUTPUT_FOLDER\n", argv[0]);
        return 2;
    }
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const struct {
        const char* name;
        QImage image;
    } pictures[] = {{"pickup.png", pickUp()}, {"push.png", push()}, {"molecule.png", molecule()}};
    for (const auto& picture : pictures)
        if (!picture.image.save(folder + '/' + picture.name)) {
            std::fprintf(stderr, "cannot write %s\n", picture.name);
            return 1;
        }
    return 0;
}
