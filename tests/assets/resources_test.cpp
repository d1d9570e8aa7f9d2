// A program that links tarvik_assets finds every resource under its path,
// without calling anything first.

#include "assets/asset_paths.h"

#include <QFile>
#include <QImage>

#include <gtest/gtest.h>

using namespace tarvik::assets;

TEST(Resources, AreRegisteredByLinkingAlone) {
    // Deliberately no ensureLoaded() here; this test runs first in its own process under ctest.
    EXPECT_TRUE(QFile::exists(QString::fromLatin1(tileSheet)));
}

TEST(Resources, EveryPathOfTheContractIsThereAndDecodes) {
    ensureLoaded();
    const char* images[] = {tileSheet, previewSheet, digitStrip, backdrop, icon, testTube, title, info, logo,
                            glyphStart, glyphRestart, glyphLoad, glyphSave, glyphSound, glyphTip, glyphExit,
                            glyphTongue, glyphRules, glyphInfo, glyphTarvik, glyphSdown, glyphSup, glyphFlagsEn,
                            glyphFlagsDe, glyphSmile, glyphCross, glyphTick, glyphCancel, glyphOk};
    for (const char* path : images) EXPECT_FALSE(QImage(QString::fromLatin1(path)).isNull()) << path;
    for (const char* path : cues) EXPECT_TRUE(QFile::exists(QString::fromLatin1(path))) << path;
}
