#include "glyphs.h"

#include "icons.h"
#include "paint_kit.h"

#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>

#include <algorithm>
#include <cmath>
#include <functional>

namespace tarvik::assetgen {

namespace {

// The toolbar's face colour, under the glyphs' half-covered edge pixels.
const QColor kFace(236, 236, 236);
constexpr int kOpaqueFrom = 96;  // alpha at which an edge pixel counts as drawn

using Drawing = std::function<void(QPainter&)>;

QImage draw(int w, int h, const Drawing& drawing) {
    QImage image = clearImage(w, h);
    QPainter painter;
    beginSmooth(painter, image);
    drawing(painter);
    painter.end();
    return image;
}

QPen outlinePen(QColor c, double w) { return QPen(c, w, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin); }

// Strokes a path twice, dark and wide under bright and narrow.
void outlinedStroke(QPainter& p, const QPainterPath& path, QColor fill, double width) {
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(shade(fill, 0.35), width + 1.6));
    p.drawPath(path);
    p.setPen(outlinePen(fill, width));
    p.drawPath(path);
    p.setPen(outlinePen(shade(fill, 1.5), width * 0.3));
    p.drawPath(path.translated(-0.4, -0.5));
}

void bomb(QPainter& p) {
    const QPointF c(7.8, 11.0);
    p.setPen(QPen(QColor(10, 10, 12), 1.0));
    p.setBrush(QColor(30, 30, 34));
    p.drawEllipse(c, 6.2, 6.2);
    glossyBall(p, c, 5.6, QColor(55, 58, 66));
    p.save();
    p.translate(11.8, 6.6);
    p.rotate(45);
    p.setPen(QPen(QColor(10, 10, 12), 0.8));
    p.setBrush(QColor(120, 120, 128));
    p.drawRect(QRectF(-2.0, -1.4, 4.0, 2.8));
    p.restore();
    QPainterPath fuse;
    fuse.moveTo(12.8, 5.2);
    fuse.quadTo(13.5, 2.2, 15.3, 2.6);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(150, 110, 60), 1.2));
    p.drawPath(fuse);
    const QPointF spark(15.4, 2.5);
    p.setPen(outlinePen(QColor(255, 150, 0), 1.0));
    for (int i = 0; i < 8; ++i) {
        const double a = M_PI / 4 * i;
        p.drawLine(spark, spark + QPointF(std::cos(a), std::sin(a)) * (i % 2 ? 1.8 : 2.6));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 255, 160));
    p.drawEllipse(spark, 1.1, 1.1);
}

// A U-turn: out along the top, round the bend and back along the bottom.
void turningArrow(QPainter& p) {
    QPainterPath turn;
    turn.moveTo(2.5, 4.8);
    turn.lineTo(10.5, 4.8);
    turn.arcTo(QRectF(6.0, 4.8, 9.0, 9.0), 90, -180);
    turn.lineTo(7.0, 13.8);
    outlinedStroke(p, turn, QColor(40, 185, 60), 2.8);
    QPolygonF head;
    head << QPointF(1.6, 13.8) << QPointF(7.6, 9.4) << QPointF(7.6, 18.2 - 0.4);
    p.setPen(outlinePen(QColor(15, 70, 20), 1.0));
    p.setBrush(QColor(60, 205, 80));
    p.drawPolygon(head);
}

void floppy(QPainter& p) {
    QPainterPath body;
    body.moveTo(1.5, 4.5);
    body.lineTo(12.5, 4.5);
    body.lineTo(14.5, 6.5);
    body.lineTo(14.5, 16.5);
    body.lineTo(1.5, 16.5);
    body.closeSubpath();
    QLinearGradient g(QPointF(1, 4), QPointF(15, 17));
    g.setColorAt(0.0, QColor(90, 130, 230));
    g.setColorAt(1.0, QColor(25, 45, 140));
    p.setPen(QPen(QColor(10, 20, 70), 1.0));
    p.setBrush(g);
    p.drawPath(body);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(200, 205, 215));
    p.drawRect(QRectF(4.0, 5.0, 7.0, 4.0));
    p.setBrush(QColor(40, 45, 60));
    p.drawRect(QRectF(8.5, 5.6, 1.5, 2.8));
    p.setBrush(QColor(250, 250, 245));
    p.drawRect(QRectF(3.5, 11.0, 9.0, 5.0));
    p.setPen(QPen(QColor(150, 150, 160), 0.7));
    p.drawLine(QPointF(4.5, 12.7), QPointF(11.5, 12.7));
    p.drawLine(QPointF(4.5, 14.4), QPointF(11.5, 14.4));
}

void redArrow(QPainter& p, QPointF from, QPointF to) {
    const QPointF d = to - from;
    const double len = std::hypot(d.x(), d.y());
    const QPointF u = d / len, n(-u.y(), u.x());
    const QPointF neck = to - u * 4.0;
    QPolygonF arrow;
    arrow << from + n * 1.2 << neck + n * 1.2 << neck + n * 3.2 << to << neck - n * 3.2 << neck - n * 1.2
          << from - n * 1.2;
    p.setPen(outlinePen(QColor(90, 0, 0), 1.0));
    p.setBrush(QColor(235, 30, 20));
    p.drawPolygon(arrow);
}

void loudspeaker(QPainter& p) {
    QPolygonF cone;
    cone << QPointF(5.0, 5.5) << QPointF(9.0, 2.0) << QPointF(9.0, 14.0) << QPointF(5.0, 10.5);
    p.setPen(QPen(QColor(20, 20, 24), 1.0));
    p.setBrush(QColor(90, 92, 100));
    p.drawRect(QRectF(1.5, 5.5, 3.5, 5.0));
    QLinearGradient g(QPointF(5, 2), QPointF(9, 14));
    g.setColorAt(0.0, QColor(170, 172, 180));
    g.setColorAt(1.0, QColor(60, 62, 70));
    p.setBrush(g);
    p.drawPolygon(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(225, 25, 15), 1.8));
    for (double r : {2.8, 5.4}) p.drawArc(QRectF(9.0 - r, 8 - r, 2 * r, 2 * r), -55 * 16, 110 * 16);
}

void bulb(QPainter& p) {
    p.setPen(outlinePen(QColor(255, 190, 0), 1.0));
    const QPointF c(9.0, 7.0);
    for (int i = 0; i < 7; ++i) {
        const double a = M_PI * (1.0 + i / 6.0);
        const QPointF u(std::cos(a), std::sin(a));
        p.drawLine(c + u * 6.7, c + u * 8.6);
    }
    QRadialGradient g(c, 5.6, c - QPointF(1.5, 1.8));
    g.setColorAt(0.0, QColor(255, 255, 235));
    g.setColorAt(0.5, QColor(255, 235, 60));
    g.setColorAt(1.0, QColor(230, 150, 0));
    p.setPen(QPen(QColor(150, 90, 0), 0.9));
    p.setBrush(g);
    QPainterPath glass;
    glass.addEllipse(c, 5.2, 5.2);
    QPainterPath neck;
    neck.addRect(QRectF(6.6, 9.5, 4.8, 3.0));
    p.drawPath(glass.united(neck));
    QLinearGradient metal(QPointF(6.5, 0), QPointF(11.5, 0));
    metal.setColorAt(0.0, QColor(110, 110, 118));
    metal.setColorAt(0.4, QColor(230, 230, 235));
    metal.setColorAt(1.0, QColor(90, 90, 98));
    p.setPen(QPen(QColor(50, 50, 55), 0.8));
    p.setBrush(metal);
    p.drawRect(QRectF(6.5, 12.5, 5.0, 3.2));
    p.setBrush(QColor(50, 50, 55));
    p.drawRect(QRectF(7.5, 15.7, 3.0, 1.3));
    p.setPen(QPen(QColor(80, 80, 88), 0.7));
    p.drawLine(QPointF(6.5, 14.1), QPointF(11.5, 14.1));
}

void door(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 50, 30));
    p.drawRect(QRectF(2.5, 0.5, 13.0, 17.0));
    p.setBrush(QColor(15, 15, 25));
    p.drawRect(QRectF(3.5, 1.5, 11.0, 16.0));
    // The leaf stands a little open towards the viewer.
    QPolygonF leaf;
    leaf << QPointF(3.5, 1.5) << QPointF(12.0, 2.8) << QPointF(12.0, 16.8) << QPointF(3.5, 17.5);
    QLinearGradient g(QPointF(3.5, 0), QPointF(12, 0));
    g.setColorAt(0.0, QColor(40, 80, 210));
    g.setColorAt(1.0, QColor(90, 150, 255));
    p.setPen(QPen(QColor(10, 30, 100), 0.9));
    p.setBrush(g);
    p.drawPolygon(leaf);
    p.setPen(QPen(QColor(20, 50, 150), 0.8));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(5.3, 4.0, 4.8, 4.5));
    p.drawRect(QRectF(5.3, 10.0, 4.8, 5.0));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 215, 40));
    p.drawEllipse(QPointF(10.6, 9.5), 1.0, 1.0);
}

void lips(QPainter& p) {
    QPainterPath upper;
    upper.moveTo(0.8, 7.6);
    upper.cubicTo(3.0, 4.6, 5.0, 2.9, 7.5, 4.6);
    upper.cubicTo(10.0, 2.9, 12.0, 4.6, 14.2, 7.6);
    upper.cubicTo(10.0, 7.0, 5.0, 7.0, 0.8, 7.6);
    QPainterPath lower;
    lower.moveTo(0.8, 7.6);
    lower.cubicTo(5.0, 8.6, 10.0, 8.6, 14.2, 7.6);
    lower.cubicTo(12.0, 12.5, 3.0, 12.5, 0.8, 7.6);
    QLinearGradient g(QPointF(0, 3), QPointF(0, 12));
    g.setColorAt(0.0, QColor(255, 90, 90));
    g.setColorAt(0.5, QColor(215, 10, 30));
    g.setColorAt(1.0, QColor(140, 0, 20));
    p.setPen(QPen(QColor(100, 0, 10), 0.9));
    p.setBrush(g);
    p.drawPath(upper);
    p.drawPath(lower);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(255, 200, 200, 210));
    p.drawEllipse(QPointF(5.0, 9.8), 1.8, 0.7);
}

void letterBall(QPainter& p, QColor colour, const QString& letter, double size, QPointF nudge) {
    const QPointF c(9.0, 9.0);
    p.setPen(QPen(shade(colour, 0.35), 1.0));
    p.setBrush(shade(colour, 0.5));
    p.drawEllipse(c, 8.0, 8.0);
    glossyBall(p, c, 7.5, colour);
    centredText(p, c + nudge, letter, boldFont(size), QColor(255, 255, 255), shade(colour, 0.3), 1.2);
}

void mascot(QPainter& p) {
    const QPointF c(13.0, 10.5);
    // An orbit behind the head ...
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(40, 90, 220), 1.8));
    p.drawEllipse(c, 11.8, 4.2);
    // ... the head ...
    QRadialGradient face(c, 8.0, c - QPointF(2.5, 3.0));
    face.setColorAt(0.0, QColor(255, 240, 170));
    face.setColorAt(0.6, QColor(255, 190, 50));
    face.setColorAt(1.0, QColor(215, 110, 0));
    p.setPen(QPen(QColor(120, 60, 0), 0.9));
    p.setBrush(face);
    p.drawEllipse(c, 7.8, 8.6);
    // ... a tuft of colourful hair ...
    const QColor tuft[] = {QColor(225, 40, 35), QColor(40, 185, 60), QColor(45, 100, 235)};
    for (int i = 0; i < 3; ++i) {
        p.setPen(Qt::NoPen);
        p.setBrush(tuft[i]);
        QPolygonF spike;
        const double x = 10.0 + 3.0 * i;
        spike << QPointF(x - 2.0, 3.6) << QPointF(x + (i - 1) * 1.6, 0.2) << QPointF(x + 2.0, 3.6);
        p.drawPolygon(spike);
    }
    // ... eyes and a wide grin ...
    for (double ex : {10.0, 16.0}) {
        p.setPen(QPen(QColor(60, 40, 0), 0.6));
        p.setBrush(QColor(255, 255, 255));
        p.drawEllipse(QPointF(ex, 8.8), 2.2, 2.6);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(20, 20, 30));
        p.drawEllipse(QPointF(ex + 0.5, 9.3), 1.1, 1.3);
    }
    QPainterPath grin;
    grin.moveTo(8.6, 13.0);
    grin.quadTo(13.0, 18.0, 17.4, 13.0);
    grin.quadTo(13.0, 15.2, 8.6, 13.0);
    p.setPen(QPen(QColor(110, 0, 0), 0.8));
    p.setBrush(QColor(200, 20, 30));
    p.drawPath(grin);
    // ... and two electrons in front.
    glossyBall(p, QPointF(2.3, 12.0), 2.0, QColor(225, 40, 35));
    glossyBall(p, QPointF(23.8, 9.0), 2.0, QColor(40, 185, 60));
}

void triangle(QPainter& p, bool right) {
    QPolygonF t;
    if (right) t << QPointF(3.5, 1.5) << QPointF(13.0, 7.5) << QPointF(3.5, 13.5);
    else t << QPointF(11.5, 1.5) << QPointF(2.0, 7.5) << QPointF(11.5, 13.5);
    QLinearGradient g(QPointF(0, 1), QPointF(0, 14));
    g.setColorAt(0.0, QColor(150, 250, 150));
    g.setColorAt(0.5, QColor(40, 185, 60));
    g.setColorAt(1.0, QColor(15, 100, 30));
    p.setPen(QPen(QColor(10, 70, 20), 1.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPolygon(t);
}

void flagFrame(QPainter& p, const QRectF& r) {
    p.setPen(QPen(QColor(40, 40, 40), 1.0));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(-0.5, -0.5, 0.5, 0.5));
}

void stripedFlag(QPainter& p, const QRectF& r, std::initializer_list<QColor> bands) {
    const double h = r.height() / static_cast<double>(bands.size());
    double y = r.top();
    for (const QColor& c : bands) {
        p.fillRect(QRectF(r.left(), y, r.width(), h), c);
        y += h;
    }
    flagFrame(p, r);
}

void starsAndStripes(QPainter& p, const QRectF& r) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 7; ++i)
        p.fillRect(QRectF(r.left(), r.top() + 2 * i, r.width(), 2), i % 2 ? QColor(255, 255, 255) : QColor(190, 20, 40));
    p.fillRect(QRectF(r.left(), r.top(), 10, 8), QColor(40, 45, 130));
    for (int row = 0; row < 3; ++row)
        for (int col = 0; col < 4; ++col)
            p.fillRect(QRectF(r.left() + 1 + 2.5 * col + (row % 2), r.top() + 1 + 2.5 * row, 1, 1), QColor(255, 255, 255));
    p.restore();
    flagFrame(p, r);
}

void unionFlag(QPainter& p, const QRectF& r) {
    p.save();
    p.setClipRect(r);
    p.fillRect(r, QColor(20, 40, 130));
    p.setPen(QPen(QColor(255, 255, 255), 3.2));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setPen(QPen(QColor(205, 20, 40), 1.1));
    p.drawLine(r.topLeft(), r.bottomRight());
    p.drawLine(r.bottomLeft(), r.topRight());
    p.setRenderHint(QPainter::Antialiasing, false);
    const QPointF c = r.center();
    p.fillRect(QRectF(r.left(), c.y() - 2.5, r.width(), 5), QColor(255, 255, 255));
    p.fillRect(QRectF(c.x() - 2.5, r.top(), 5, r.height()), QColor(255, 255, 255));
    p.fillRect(QRectF(r.left(), c.y() - 1.5, r.width(), 3), QColor(205, 20, 40));
    p.fillRect(QRectF(c.x() - 1.5, r.top(), 3, r.height()), QColor(205, 20, 40));
    p.restore();
    flagFrame(p, r);
}

void swissFlag(QPainter& p, const QRectF& r) {
    p.fillRect(r, QColor(215, 25, 30));
    const QPointF c = r.center();
    p.fillRect(QRectF(c.x() - 5, c.y() - 1.5, 10, 3), QColor(255, 255, 255));
    p.fillRect(QRectF(c.x() - 1.5, c.y() - 5, 3, 10), QColor(255, 255, 255));
    flagFrame(p, r);
}

void smile(QPainter& p) {
    const QPointF c(9.0, 9.0);
    p.setPen(QPen(QColor(130, 80, 0), 1.0));
    p.setBrush(QColor(200, 140, 0));
    p.drawEllipse(c, 8.0, 8.0);
    glossyBall(p, c, 7.5, QColor(255, 215, 30));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(40, 25, 0));
    p.drawEllipse(QPointF(6.4, 7.0), 1.1, 1.6);
    p.drawEllipse(QPointF(11.6, 7.0), 1.1, 1.6);
    QPainterPath mouth;
    mouth.moveTo(4.8, 10.5);
    mouth.quadTo(9.0, 15.8, 13.2, 10.5);
    p.setBrush(Qt::NoBrush);
    p.setPen(outlinePen(QColor(60, 30, 0), 1.3));
    p.drawPath(mouth);
}

void redCross(QPainter& p, double inset, double width) {
    QPainterPath x;
    x.moveTo(inset, inset);
    x.lineTo(18 - inset, 18 - inset);
    x.moveTo(18 - inset, inset);
    x.lineTo(inset, 18 - inset);
    outlinedStroke(p, x, QColor(225, 30, 25), width);
}

void greenTick(QPainter& p) {
    QPainterPath tick;
    tick.moveTo(3.0, 9.5);
    tick.lineTo(7.0, 13.5);
    tick.lineTo(15.0, 4.0);
    outlinedStroke(p, tick, QColor(40, 185, 60), 3.0);
}

void cancelSign(QPainter& p) {
    const QPointF c(9.0, 9.0);
    p.setPen(QPen(QColor(120, 0, 0), 1.0));
    p.setBrush(QColor(150, 10, 10));
    p.drawEllipse(c, 7.8, 7.8);
    glossyBall(p, c, 7.3, QColor(220, 35, 30));
    p.setPen(outlinePen(QColor(255, 255, 255), 2.0));
    p.drawLine(QPointF(6.0, 6.0), QPointF(12.0, 12.0));
    p.drawLine(QPointF(12.0, 6.0), QPointF(6.0, 12.0));
}

// Keyed pixel for a drawing pixel: drawn over the face colour when mostly
// covered, the key colour otherwise.
QRgb keyed(QRgb premultiplied) {
    const int a = qAlpha(premultiplied);
    if (a < kOpaqueFrom) return kGlyphKey.rgb();
    const double rest = (255 - a) / 255.0;
    return qRgb(std::min(255, static_cast<int>(std::lround(qRed(premultiplied) + kFace.red() * rest))),
                std::min(255, static_cast<int>(std::lround(qGreen(premultiplied) + kFace.green() * rest))),
                std::min(255, static_cast<int>(std::lround(qBlue(premultiplied) + kFace.blue() * rest))));
}

}  // namespace

QImage keyedGlyph(const QImage& drawing, bool withDisabled) {
    const QImage src = drawing.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const int w = src.width(), h = src.height();
    QImage out(withDisabled ? 2 * w : w, h, QImage::Format_RGB32);
    out.fill(kGlyphKey);
    auto drawn = [&](int x, int y) {
        return x >= 0 && y >= 0 && x < w && y < h && qAlpha(src.pixel(x, y)) >= kOpaqueFrom;
    };
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const QRgb p = reinterpret_cast<const QRgb*>(src.constScanLine(y))[x];
            out.setPixel(x, y, keyed(p));
            if (!withDisabled) continue;
            // The disabled form: the shape in grey with a white edge below
            // and to the right, as if pressed into the button.
            if (drawn(x, y)) {
                const QRgb k = keyed(p);
                const int lum = (qRed(k) * 30 + qGreen(k) * 59 + qBlue(k) * 11) / 100;
                const int g = 100 + lum * 80 / 255;
                out.setPixel(w + x, y, qRgb(g, g, g));
            } else if (drawn(x - 1, y - 1)) {
                out.setPixel(w + x, y, qRgb(255, 255, 255));
            }
        }
    }
    // The buttons read the transparent colour from this pixel.
    out.setPixel(0, h - 1, kGlyphKey.rgb());
    return out;
}

std::vector<NamedGlyph> glyphs() {
    std::vector<NamedGlyph> list;
    auto add = [&list](const char* name, int w, int h, bool twin, const Drawing& drawing) {
        list.push_back({QString::fromLatin1(name), keyedGlyph(draw(w, h, drawing), twin)});
    };
    add("start", 18, 18, false, bomb);
    add("restart", 18, 18, true, turningArrow);
    add("load", 18, 18, true, [](QPainter& p) {
        floppy(p);
        redArrow(p, QPointF(9.5, 9.0), QPointF(17.0, 1.2));
    });
    add("save", 18, 18, true, [](QPainter& p) {
        floppy(p);
        redArrow(p, QPointF(17.0, 0.8), QPointF(9.0, 9.5));
    });
    add("sound", 16, 16, true, loudspeaker);
    add("tip", 18, 18, true, bulb);
    add("exit", 18, 18, false, door);
    add("tongue", 15, 15, false, lips);
    add("rules", 18, 18, false, [](QPainter& p) { letterBall(p, QColor(220, 35, 30), QStringLiteral("§"), 11.5, QPointF(0, 0.2)); });
    add("info", 18, 18, false, [](QPainter& p) { letterBall(p, QColor(45, 95, 235), QStringLiteral("i"), 12.5, QPointF(0, 0.3)); });
    add("tarvik", 26, 20, false, mascot);
    add("sdown", 15, 15, true, [](QPainter& p) { triangle(p, false); });
    add("sup", 15, 15, true, [](QPainter& p) { triangle(p, true); });
    add("flags_en", 53, 20, false, [](QPainter& p) {
        starsAndStripes(p, QRectF(1, 2, 24, 14));
        unionFlag(p, QRectF(28, 2, 24, 14));
    });
    add("flags_de", 80, 20, false, [](QPainter& p) {
        stripedFlag(p, QRectF(1, 2, 23, 15), {QColor(200, 16, 46), QColor(255, 255, 255), QColor(200, 16, 46)});
        stripedFlag(p, QRectF(28, 2, 23, 15), {QColor(10, 10, 10), QColor(215, 0, 0), QColor(255, 205, 0)});
        swissFlag(p, QRectF(60, 2, 15, 15));
    });
    add("smile", 18, 18, false, smile);
    add("cross", 18, 18, true, [](QPainter& p) { redCross(p, 3.5, 3.0); });
    add("tick", 18, 18, true, greenTick);
    add("cancel", 18, 18, false, cancelSign);
    add("ok", 18, 18, false, greenTick);
    return list;
}

QImage windowIcon() { return appIcon(32); }

}  // namespace tarvik::assetgen
