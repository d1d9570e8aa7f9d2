// The desktop icons: every size drawn at that size, and the scalable one the same picture.
#include <gtest/gtest.h>

#include <QGuiApplication>
#include <QPainter>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "icons.h"

namespace {

using tarvik::assetgen::appIcon;
using tarvik::assetgen::appIconSvg;
using tarvik::assetgen::kIconSizes;

// The fonts and the SVG renderer need a GUI application, but no screen.
class Icons : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "icon_tests";
        static char* argv[] = {name, nullptr};
        if (!QGuiApplication::instance())
            new QGuiApplication(argc, argv);
    }
};

double coverage(const QImage& image)
{
    double sum = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            sum += qAlpha(image.pixel(x, y)) / 255.0;
    return sum / (image.width() * image.height());
}

// The mean of the steepest 1 % of alpha steps between neighbours: a drawn
// outline rises within a pixel or two, an enlarged one over many.
double edgeSharpness(const QImage& image)
{
    std::vector<int> steps;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 1; x < image.width(); ++x)
            steps.push_back(std::abs(qAlpha(image.pixel(x, y)) - qAlpha(image.pixel(x - 1, y))));
    std::sort(steps.rbegin(), steps.rend());
    const std::size_t top = std::max<std::size_t>(1, steps.size() / 100);
    double sum = 0;
    for (std::size_t i = 0; i < top; ++i)
        sum += steps[i];
    return sum / top;
}

TEST_F(Icons, EverySizeIsASquareMoleculeOnAClearGround)
{
    for (int size : kIconSizes) {
        SCOPED_TRACE(size);
        const QImage icon = appIcon(size);
        ASSERT_EQ(icon.size(), QSize(size, size));
        EXPECT_TRUE(icon.hasAlphaChannel());
        for (QPoint corner : {QPoint(0, 0), QPoint(0, size - 1), QPoint(size - 1, size - 1)})
            EXPECT_EQ(qAlpha(icon.pixel(corner)), 0) << corner.x() << "," << corner.y();
        // Neither a speck nor a filled square: the atoms and bonds cover a fair part.
        EXPECT_GT(coverage(icon), 0.25);
        EXPECT_LT(coverage(icon), 0.75);
    }
}

TEST_F(Icons, LargeSizesAreDrawnThereNotEnlarged)
{
    for (int size : {64, 128, 256}) {
        SCOPED_TRACE(size);
        const QImage drawn = appIcon(size);
        const QImage enlarged = appIcon(32).scaled(size, size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        // The measure tells the two apart, and the shipped icon is the drawn kind.
        EXPECT_GT(edgeSharpness(drawn), 100.0);
        EXPECT_LT(edgeSharpness(enlarged), 0.7 * edgeSharpness(drawn));
        // Still the same picture as the window's icon, only finer.
        const QImage shrunk = drawn.scaled(32, 32, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        EXPECT_NEAR(coverage(shrunk), coverage(appIcon(32)), 0.04);
    }
}

TEST_F(Icons, TheScalableIconShowsTheSamePicture)
{
    QSvgRenderer svg(appIconSvg());
    ASSERT_TRUE(svg.isValid());
    EXPECT_EQ(svg.viewBox(), QRect(0, 0, 256, 256));
    for (int size : {48, 128, 256}) {
        SCOPED_TRACE(size);
        QImage rendered(size, size, QImage::Format_ARGB32_Premultiplied);
        rendered.fill(Qt::transparent);
        QPainter painter(&rendered);
        svg.render(&painter);
        painter.end();
        const QImage expected = appIcon(size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
        // Gradients, letters and bonds all have to come through: compare every
        // channel, allowing only for the two renderers' different edges.
        double difference = 0;
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                const QRgb a = rendered.pixel(x, y), b = expected.pixel(x, y);
                difference += std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                              std::abs(qBlue(a) - qBlue(b)) + std::abs(qAlpha(a) - qAlpha(b));
            }
        EXPECT_LT(difference / (4.0 * size * size), 4.0);
    }
}

}  // namespace
