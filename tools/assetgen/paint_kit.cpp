#include "paint_kit.h"

#include <QFontDatabase>
#include <QPainterPath>
#include <QRadialGradient>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <vector>

namespace tarvik::assetgen {

QImage opaqueImage(int width, int height, QColor fill) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(fill);
    return image;
}

QImage clearImage(int width, int height) {
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void beginSmooth(QPainter& painter, QImage& image) {
    painter.begin(&image);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
}

namespace {
QString boldFamily() {
    static const QString family = [] {
        for (const char* path : {"/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf",
                                 "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"}) {
            const int id = QFontDatabase::addApplicationFont(QString::fromLatin1(path));
            if (id >= 0) {
                const QStringList families = QFontDatabase::applicationFontFamilies(id);
                if (!families.isEmpty()) return families.front();
            }
        }
        return QStringLiteral("DejaVu Sans");
    }();
    return family;
}
}  // namespace

QFont boldFont(qreal pixelSize) {
    QFont font(boldFamily());
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
    font.setBold(true);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QFont condensedBoldFont(qreal pixelSize) {
    QFont font = boldFont(pixelSize);
    font.setStretch(78);
    return font;
}

QColor mix(QColor a, QColor b, double t) {
    t = std::clamp(t, 0.0, 1.0);
    auto lerp = [t](int x, int y) { return static_cast<int>(std::lround(x + (y - x) * t)); };
    return QColor(lerp(a.red(), b.red()), lerp(a.green(), b.green()), lerp(a.blue(), b.blue()),
                  lerp(a.alpha(), b.alpha()));
}

QColor shade(QColor c, double factor) {
    if (factor <= 1.0) {
        return QColor(static_cast<int>(c.red() * factor), static_cast<int>(c.green() * factor),
                      static_cast<int>(c.blue() * factor), c.alpha());
    }
    return mix(c, QColor(255, 255, 255, c.alpha()), factor - 1.0);
}

void glossyBall(QPainter& painter, QPointF centre, qreal radius, QColor base) {
    painter.save();
    painter.setPen(Qt::NoPen);
    QRadialGradient body(centre, radius, centre + QPointF(-0.38 * radius, -0.42 * radius));
    body.setColorAt(0.0, shade(base, 1.55));
    body.setColorAt(0.45, base);
    body.setColorAt(0.85, shade(base, 0.62));
    body.setColorAt(1.0, shade(base, 0.42));
    painter.setBrush(body);
    painter.drawEllipse(centre, radius, radius);
    // The specular spot sells the gloss even at 19 pixels across.
    const QPointF spot = centre + QPointF(-0.42 * radius, -0.48 * radius);
    QRadialGradient shine(spot, 0.32 * radius);
    shine.setColorAt(0.0, QColor(255, 255, 255, 235));
    shine.setColorAt(1.0, QColor(255, 255, 255, 0));
    painter.setBrush(shine);
    painter.drawEllipse(spot, 0.34 * radius, 0.26 * radius);
    painter.restore();
}

void centredText(QPainter& painter, QPointF centre, const QString& text, const QFont& font, QColor fill,
                 QColor outline, qreal outlineWidth) {
    QPainterPath path;
    path.addText(0, 0, font, text);
    const QRectF box = path.boundingRect();
    path.translate(centre - box.center());
    painter.save();
    if (outline.isValid() && outlineWidth > 0) {
        painter.setPen(QPen(outline, outlineWidth, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        painter.setBrush(Qt::NoBrush);
        painter.drawPath(path);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawPath(path);
    painter.restore();
}

std::uint32_t Dice::next() {
    state_ ^= state_ << 13;
    state_ ^= state_ >> 17;
    state_ ^= state_ << 5;
    return state_;
}

double Dice::unit() { return (next() >> 8) / 16777216.0; }

namespace {
double latticeValue(int ix, int iy, std::uint32_t seed) {
    std::uint32_t h = static_cast<std::uint32_t>(ix) * 374761393u + static_cast<std::uint32_t>(iy) * 668265263u +
                      seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return (h & 0xFFFFFF) / 16777215.0;
}
double smooth(double t) { return t * t * (3.0 - 2.0 * t); }
}  // namespace

double valueNoise(double x, double y, double cell, std::uint32_t seed) {
    const double fx = x / cell, fy = y / cell;
    const int ix = static_cast<int>(std::floor(fx)), iy = static_cast<int>(std::floor(fy));
    const double tx = smooth(fx - ix), ty = smooth(fy - iy);
    const double a = latticeValue(ix, iy, seed), b = latticeValue(ix + 1, iy, seed);
    const double c = latticeValue(ix, iy + 1, seed), d = latticeValue(ix + 1, iy + 1, seed);
    return (a + (b - a) * tx) + ((c + (d - c) * tx) - (a + (b - a) * tx)) * ty;
}

QImage blurred(const QImage& source, int radius) {
    QImage image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (radius <= 0) return image;
    const int w = image.width(), h = image.height();
    std::vector<double> buf(static_cast<size_t>(w) * h * 4), tmp(buf.size());
    for (int y = 0; y < h; ++y) {
        const QRgb* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = (static_cast<size_t>(y) * w + x) * 4;
            buf[i] = qRed(line[x]);
            buf[i + 1] = qGreen(line[x]);
            buf[i + 2] = qBlue(line[x]);
            buf[i + 3] = qAlpha(line[x]);
        }
    }
    auto pass = [&](bool horizontal) {
        const int outer = horizontal ? h : w, inner = horizontal ? w : h;
        for (int o = 0; o < outer; ++o) {
            for (int i = 0; i < inner; ++i) {
                double sum[4] = {0, 0, 0, 0};
                int count = 0;
                for (int k = std::max(0, i - radius); k <= std::min(inner - 1, i + radius); ++k) {
                    const int x = horizontal ? k : o, y = horizontal ? o : k;
                    const size_t j = (static_cast<size_t>(y) * w + x) * 4;
                    for (int c = 0; c < 4; ++c) sum[c] += buf[j + c];
                    ++count;
                }
                const int x = horizontal ? i : o, y = horizontal ? o : i;
                const size_t j = (static_cast<size_t>(y) * w + x) * 4;
                // Dividing by the full window width lets the glow fade at the picture's edge.
                for (int c = 0; c < 4; ++c) tmp[j + c] = sum[c] / (2 * radius + 1);
                (void)count;
            }
        }
        buf.swap(tmp);
    };
    for (int round = 0; round < 3; ++round) {
        pass(true);
        pass(false);
    }
    for (int y = 0; y < h; ++y) {
        QRgb* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const size_t i = (static_cast<size_t>(y) * w + x) * 4;
            auto ch = [&](int c) { return std::clamp(static_cast<int>(std::lround(buf[i + c])), 0, 255); };
            const int a = ch(3);
            line[x] = qRgba(std::min(ch(0), a), std::min(ch(1), a), std::min(ch(2), a), a);
        }
    }
    return image;
}

QImage halved(const QImage& source) {
    const QImage image = source.convertToFormat(QImage::Format_RGB32);
    QImage half(image.width() / 2, image.height() / 2, QImage::Format_RGB32);
    for (int y = 0; y < half.height(); ++y) {
        QRgb* out = reinterpret_cast<QRgb*>(half.scanLine(y));
        const QRgb* a = reinterpret_cast<const QRgb*>(image.constScanLine(2 * y));
        const QRgb* b = reinterpret_cast<const QRgb*>(image.constScanLine(2 * y + 1));
        for (int x = 0; x < half.width(); ++x) {
            const QRgb p[4] = {a[2 * x], a[2 * x + 1], b[2 * x], b[2 * x + 1]};
            int r = 0, g = 0, bl = 0;
            for (QRgb q : p) {
                r += qRed(q);
                g += qGreen(q);
                bl += qBlue(q);
            }
            // Rounding up keeps a one-pixel stub visible at half size.
            out[x] = qRgb((r + 3) / 4, (g + 3) / 4, (bl + 3) / 4);
        }
    }
    return half;
}

}  // namespace tarvik::assetgen
