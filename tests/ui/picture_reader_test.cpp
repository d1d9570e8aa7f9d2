#include <gtest/gtest.h>

#include <cstring>
#include <utility>

#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QPixmap>
#include <QResource>

#include "assets/asset_paths.h"
#include "ui/dialog_parts.h"
#include "ui/images.h"
#include "ui/picture_reader.h"

namespace tarvik {
namespace {

// Every picture the windows read, with the general loader's result as the
// yardstick: reading by the known format must not lose or alter any of them.
TEST(PictureReader, ReadsEveryPictureOfTheProgramAsTheGeneralLoaderDoes)
{
    assets::ensureLoaded();
    const char* pictures[] = {
        assets::tileSheet,    assets::previewSheet, assets::digitStrip,  assets::backdrop,    assets::icon,
        assets::testTube,     assets::title,        assets::info,        assets::logo,        assets::glyphStart,
        assets::glyphRestart, assets::glyphLoad,    assets::glyphSave,   assets::glyphSound,  assets::glyphTip,
        assets::glyphExit,    assets::glyphTongue,  assets::glyphRules,  assets::glyphInfo,   assets::glyphTarvik,
        assets::glyphSdown,   assets::glyphSup,     assets::glyphFlagsEn, assets::glyphFlagsDe, assets::glyphSmile,
        assets::glyphCross,   assets::glyphTick,    assets::glyphCancel, assets::glyphOk,
    };
    for (const char* path : pictures) {
        const QString resource = QString::fromLatin1(path);
        const QImage expected(resource);
        ASSERT_FALSE(expected.isNull()) << path;
        const QImage read = readPicture(resource);
        EXPECT_EQ(read.size(), expected.size()) << path;
        EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32))
            << path;
    }
}

// The bare pixels are laid out at build time from the PNGs; a fault in their
// layout (byte order, row length, format) would show as a wrong picture, and a
// form other than the one drawn from as a copy made at every start.
TEST(PictureReader, BarePixelsAreThoseOfTheirPicturesAndAreUsedInPlace)
{
    assets::ensureLoaded();
    int found = 0;
    for (const QString& folder : {QStringLiteral(":/raw/images"), QStringLiteral(":/raw/glyphs")}) {
        for (const QString& name : QDir(folder).entryList(QDir::Files)) {
            ++found;
            const QString raw = folder + QLatin1Char('/') + name;
            const QString png = QStringLiteral(":/") + raw.mid(6).chopped(7) + QStringLiteral(".png");
            ASSERT_EQ(rawPixelsPath(png), raw);
            const QImage expected(png);
            ASSERT_FALSE(expected.isNull()) << qPrintable(raw) << " has no picture " << qPrintable(png);
            const QImage read = readPicture(png);
            EXPECT_EQ(read.constBits(), QResource(raw).data() + 16) << qPrintable(png) << " was copied";
            EXPECT_EQ(read.convertToFormat(QImage::Format_ARGB32), expected.convertToFormat(QImage::Format_ARGB32))
                << qPrintable(png);
        }
    }
    EXPECT_EQ(found, 6 + 13) << "the four sheets, the icon, the splash and the glyphs of the main window";

    // The window's sheets are drawn from the data where it lies.
    const Images images = Images::fromResources();
    const std::pair<const QImage*, const char*> sheets[] = {{&images.tileSheet, assets::tileSheet},
                                                            {&images.previewSheet, assets::previewSheet},
                                                            {&images.digitStrip, assets::digitStrip},
                                                            {&images.backdrop, assets::backdrop}};
    for (const auto& [sheet, png] : sheets)
        EXPECT_EQ(sheet->constBits(), QResource(rawPixelsPath(QString::fromLatin1(png))).data() + 16) << png;
}

TEST(PictureReader, BarePixelsOfAnotherLayoutAreRefused)
{
    auto pixels = [](quint32 magic, quint32 width, quint32 height, quint32 format, qsizetype extra = 0) {
        QByteArray data(16 + qsizetype(width) * height * 4 + extra, '\x7f');
        const quint32 head[4] = {magic, width, height, format};
        std::memcpy(data.data(), head, sizeof head);
        return data;
    };
    constexpr quint32 kMagic = 0x58504b54u;
    auto inPlace = [](const QByteArray& data, qsizetype offset = 0) {
        return pixelsInPlace(reinterpret_cast<const uchar*>(data.constData()) + offset, data.size() - offset);
    };
    const QByteArray good = pixels(kMagic, 3, 2, QImage::Format_ARGB32);
    const QImage read = inPlace(good);
    ASSERT_FALSE(read.isNull());
    EXPECT_EQ(read.size(), QSize(3, 2));
    EXPECT_EQ(read.pixel(2, 1), 0x7f7f7f7fu);

    EXPECT_TRUE(inPlace(pixels(kMagic + 1, 3, 2, QImage::Format_ARGB32)).isNull()) << "not our layout";
    EXPECT_TRUE(inPlace(pixels(kMagic, 3, 2, QImage::Format_ARGB32, 4)).isNull()) << "longer than its head says";
    EXPECT_TRUE(inPlace(good.chopped(4)).isNull()) << "shorter than its head says";
    EXPECT_TRUE(inPlace(pixels(kMagic, 3, 2, QImage::Format_RGB16)).isNull()) << "not 32-bit pixels";
    EXPECT_TRUE(inPlace(pixels(kMagic, 0, 2, QImage::Format_RGB32)).isNull()) << "no pixels";
    EXPECT_TRUE(inPlace(good.left(10)).isNull()) << "a cut head";
    QByteArray shifted = QByteArray(2, '\0') + good;
    ASSERT_NE(reinterpret_cast<quintptr>(shifted.constData() + 2) % 4, 0u);
    EXPECT_TRUE(inPlace(shifted, 2).isNull()) << "rows that do not start on a 4-byte boundary";

    EXPECT_TRUE(pixelsInPlace(QString::fromLatin1(assets::tileSheet)).isNull()) << "a PNG";
    EXPECT_TRUE(pixelsInPlace(QStringLiteral(":/raw/missing.pixels")).isNull());
    EXPECT_EQ(rawPixelsPath(QStringLiteral(":/glyphs/ok.png")), ":/raw/glyphs/ok.pixels");
    EXPECT_TRUE(rawPixelsPath(QStringLiteral("/tmp/picture.png")).isEmpty()) << "not a resource";
    EXPECT_TRUE(rawPixelsPath(QString::fromLatin1(assets::cue1)).isEmpty()) << "not a picture";
}

// The splash comes up right after the main window, so it is shown from its
// bare pixels as they lie rather than decoded from PNG then. A picture that
// exists only as a PNG still comes through whole.
TEST(PictureReader, DialogPicturesShareTheirBarePixels)
{
    assets::ensureLoaded();
    const QString title = QString::fromLatin1(assets::title);
    const QPixmap splash = loadPicture(title);
    ASSERT_FALSE(splash.isNull());
    const QImage shown = splash.toImage();
    EXPECT_EQ(shown.constBits(), QResource(rawPixelsPath(title)).data() + 16) << "the splash was copied";
    EXPECT_EQ(shown.convertToFormat(QImage::Format_ARGB32), QImage(title).convertToFormat(QImage::Format_ARGB32));

    const QPixmap info = loadPicture(QString::fromLatin1(assets::info));
    EXPECT_EQ(info.toImage().convertToFormat(QImage::Format_ARGB32),
              QImage(QString::fromLatin1(assets::info)).convertToFormat(QImage::Format_ARGB32));
    EXPECT_TRUE(loadPicture(QStringLiteral(":/images/no-such-picture.png")).isNull());
}

TEST(PictureReader, MissingOrForeignFilesGiveANullPicture)
{
    EXPECT_TRUE(readPicture(QStringLiteral(":/images/no-such-picture.png")).isNull());
    // A sound is no picture, whatever a reader that guesses might make of it.
    EXPECT_TRUE(readPicture(QString::fromLatin1(assets::cue1)).isNull());
}

}  // namespace
}  // namespace tarvik
