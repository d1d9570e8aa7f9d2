// Glyphs, the icon and the dialog pictures: sizes, the transparent colour
// in the bottom-left pixel, and the grey disabled halves.

#include "picture_probe.h"

#include "assets/asset_paths.h"

#include <QColor>

#include <gtest/gtest.h>

using namespace tarvik::assets;
using namespace tarvik::assets::probe;

namespace {

struct GlyphEntry {
    const char* path;
    int width, height;
    bool twin;
};

const GlyphEntry kGlyphs[] = {
    {glyphStart, 18, 18, false},  {glyphRestart, 36, 18, true}, {glyphLoad, 36, 18, true},
    {glyphSave, 36, 18, true},    {glyphSound, 32, 16, true},   {glyphTip, 36, 18, true},
    {glyphExit, 18, 18, false},   {glyphTongue, 15, 15, false}, {glyphRules, 18, 18, false},
    {glyphInfo, 18, 18, false},   {glyphTarvik, 26, 20, false}, {glyphSdown, 30, 15, true},
    {glyphSup, 30, 15, true},     {glyphFlagsEn, 53, 20, false}, {glyphFlagsDe, 80, 20, false},
    {glyphSmile, 18, 18, false},  {glyphCross, 36, 18, true},   {glyphTick, 36, 18, true},
    {glyphCancel, 18, 18, false}, {glyphOk, 18, 18, false},
};

// Pixels of the picture within `area` that are not the transparent colour.
std::vector<QRgb> drawn(const QImage& g, const QRect& area) {
    const QRgb key = g.pixel(0, g.height() - 1);
    std::vector<QRgb> out;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (g.pixel(x, y) != key) out.push_back(g.pixel(x, y));
    return out;
}

}  // namespace

TEST(Glyphs, HaveTheirSizesAndAPictureOnATransparentGround) {
    for (const GlyphEntry& glyph : kGlyphs) {
        const QImage g = load(glyph.path);
        ASSERT_FALSE(g.isNull()) << glyph.path;
        EXPECT_EQ(g.size(), QSize(glyph.width, glyph.height)) << glyph.path;
        const int half = glyph.twin ? glyph.width / 2 : glyph.width;
        const size_t area = static_cast<size_t>(half) * glyph.height;
        const size_t picture = drawn(g, QRect(0, 0, half, glyph.height)).size();
        EXPECT_GT(picture, area / 8) << glyph.path << ": too little drawn";
        EXPECT_LT(picture, area) << glyph.path << ": nothing left transparent";
        // Black outlines are part of many pictures, so black must never be the transparent colour.
        EXPECT_NE(g.pixel(0, g.height() - 1), qRgb(0, 0, 0)) << glyph.path;
    }
}

TEST(Glyphs, TwinGlyphsHoldAGreyDisabledFormOnTheRight) {
    for (const GlyphEntry& glyph : kGlyphs) {
        if (!glyph.twin) continue;
        const QImage g = load(glyph.path);
        const int half = glyph.width / 2;
        const auto enabled = drawn(g, QRect(0, 0, half, glyph.height));
        const auto disabled = drawn(g, QRect(half, 0, half, glyph.height));
        EXPECT_GT(disabled.size(), enabled.size() / 2) << glyph.path;
        int colourful = 0;
        for (QRgb p : enabled) colourful += QColor(p).hsvSaturation() > 100;
        EXPECT_GT(colourful, 0) << glyph.path << ": the enabled picture has colour";
        for (QRgb p : disabled) ASSERT_EQ(QColor(p).hsvSaturation(), 0) << glyph.path << ": the disabled form is grey";
    }
}

TEST(Pictures, HaveTheirSizes) {
    const std::pair<const char*, QSize> pictures[] = {
        {icon, {32, 32}}, {testTube, {320, 240}}, {title, {200, 150}}, {info, {100, 75}}, {logo, {119, 68}}};
    for (const auto& [path, size] : pictures) {
        const QImage image = load(path);
        ASSERT_FALSE(image.isNull()) << path;
        EXPECT_EQ(image.size(), size) << path;
        EXPECT_GT(lit(image, image.rect()).size(), static_cast<size_t>(size.width() * size.height() / 4)) << path;
    }
}

TEST(Pictures, IconHasATransparentGround) {
    ensureLoaded();
    const QImage image(QString::fromLatin1(icon));
    ASSERT_TRUE(image.hasAlphaChannel());
    EXPECT_EQ(qAlpha(image.pixel(0, 31)), 0);
    EXPECT_EQ(qAlpha(image.pixel(31, 0)), 0);
    EXPECT_EQ(qAlpha(image.pixel(12, 17)), 255);
}
