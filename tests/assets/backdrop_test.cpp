// The backdrop: black panels exactly where the plan panel draws, framed in
// red and yellow, on a light-grey texture, with the name in colour.

#include "picture_probe.h"

#include "assets/asset_paths.h"

#include <QColor>

#include <gtest/gtest.h>

using namespace tarvik::assets;
using namespace tarvik::assets::probe;

namespace {

constexpr int kToolbar = 33;  // the backdrop lies at client (0, 33)
const QRect kUpperPanel(480, 51 - kToolbar, 150, 100);
const QRect kLowerPanel(480, 173 - kToolbar, 150, 210);

bool redOrYellow(QRgb p) {
    const QColor c(p);
    const int hue = c.hsvHue();
    return c.hsvSaturation() > 150 && c.value() > 100 && (hue <= 60 || hue >= 340);
}

}  // namespace

TEST(Backdrop, PanelsAreBlackExactlyInsideRedAndYellowFrames) {
    const QImage image = load(backdrop);
    ASSERT_EQ(image.size(), QSize(650, 470));
    for (const QRect& panel : {kUpperPanel, kLowerPanel}) {
        EXPECT_TRUE(allBlack(image, panel));
        bool sawRed = false, sawYellow = false;
        for (int ring = 1; ring <= 3; ++ring) {
            const QRect r = panel.adjusted(-ring, -ring, ring, ring);
            for (int x = r.left(); x <= r.right(); ++x)
                for (int y : {r.top(), r.bottom()}) {
                    ASSERT_TRUE(redOrYellow(image.pixel(x, y))) << x << "," << y;
                    const int hue = QColor(image.pixel(x, y)).hsvHue();
                    (hue > 40 && hue <= 60 ? sawYellow : sawRed) = true;
                }
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x : {r.left(), r.right()}) ASSERT_TRUE(redOrYellow(image.pixel(x, y))) << x << "," << y;
        }
        EXPECT_TRUE(sawRed && sawYellow);
    }
}

TEST(Backdrop, BoardAreaIsALightGreyTexture) {
    const QImage image = load(backdrop);
    // The board covers client x 8..457, y 45..494: backdrop y 12..461.
    const QRect board(8, 12, 450, 450);
    long sum = 0, count = 0;
    int lightest = 0, darkest = 255, maxSaturation = 0;
    for (int y = board.top(); y <= board.bottom(); y += 3)
        for (int x = board.left(); x <= board.right(); x += 3) {
            const QColor c(image.pixel(x, y));
            sum += c.value();
            ++count;
            lightest = std::max(lightest, c.value());
            darkest = std::min(darkest, c.value());
            maxSaturation = std::max(maxSaturation, c.hsvSaturation());
        }
    const double mean = static_cast<double>(sum) / count;
    EXPECT_GT(mean, 160.0);
    EXPECT_LT(mean, 235.0);
    EXPECT_GT(lightest - darkest, 40) << "a texture, not a flat fill";
    EXPECT_LT(maxSaturation, 40) << "grey";
}

TEST(Backdrop, NameIsLetteredInColourInTheLowerRightCorner) {
    const QImage image = load(backdrop);
    const QRect lettering(477, 408 - kToolbar, 159, 74);
    int hues[6] = {0, 0, 0, 0, 0, 0};
    for (int y = lettering.top(); y <= lettering.bottom(); ++y)
        for (int x = lettering.left(); x <= lettering.right(); ++x) {
            const QColor c(image.pixel(x, y));
            if (c.hsvSaturation() > 150 && c.value() > 120) ++hues[c.hsvHue() / 60];
        }
    int colours = 0;
    for (int h : hues) colours += h > 20;
    EXPECT_GE(colours, 4) << "letters in several colours";
}
