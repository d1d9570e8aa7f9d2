#include <gtest/gtest.h>

#include <QImage>
#include <QImageReader>
#include <QResource>

#include "assets/asset_paths.h"
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

// The backdrop's bare pixels are made at build time from its PNG; a fault in
// their layout (byte order, row length) would show as a wrong backdrop.
TEST(PictureReader, BackdropPixelsInPlaceAreThoseOfItsPictureAndAreNotCopied)
{
    assets::ensureLoaded();
    const QString resource = QString::fromLatin1(assets::backdropPixels);
    const QImage inPlace = pixelsInPlace(resource, 650, 470);
    ASSERT_FALSE(inPlace.isNull());
    EXPECT_EQ(inPlace.constBits(), QResource(resource).data());
    EXPECT_EQ(inPlace, readPicture(QString::fromLatin1(assets::backdrop)).convertToFormat(QImage::Format_RGB32));

    const Images images = Images::fromResources();
    EXPECT_EQ(images.backdrop.constBits(), inPlace.constBits()) << "the window draws from the data in place";

    EXPECT_TRUE(pixelsInPlace(resource, 650, 471).isNull()) << "pixels of another size";
    EXPECT_TRUE(pixelsInPlace(QString::fromLatin1(assets::tileSheet), 240, 330).isNull()) << "a PNG";
    EXPECT_TRUE(pixelsInPlace(QStringLiteral(":/raw/missing.rgb32"), 650, 470).isNull());
}

TEST(PictureReader, MissingOrForeignFilesGiveANullPicture)
{
    EXPECT_TRUE(readPicture(QStringLiteral(":/images/no-such-picture.png")).isNull());
    // A sound is no picture, whatever a reader that guesses might make of it.
    EXPECT_TRUE(readPicture(QString::fromLatin1(assets::cue1)).isNull());
}

}  // namespace
}  // namespace tarvik
