// assetgen: draws every picture and synthesises every sound of the game.
//   assetgen --out DIR               writes images/, glyphs/ and sounds/ under DIR
//   assetgen --contact-sheet FILE    writes one PNG showing all of them enlarged
//   assetgen --icons DIR             writes the program's icon as DIR/NxN.png for each
//                                    icon theme size and DIR/scalable.svg

#include "asset_set.h"
#include "contact_sheet.h"
#include "icons.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstring>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
        std::fprintf(stderr, "assetgen: cannot write %s\n", qPrintable(path));
        return false;
    }
    return true;
}

int usage() {
    std::fprintf(stderr, "usage: assetgen [--out DIR] [--contact-sheet FILE.png] [--icons DIR]\n");
    return 2;
}

}  // namespace

int main(int argc, char** argv) {
    // Fonts need a GUI application, but no screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    QString outDir, contactFile, iconDir;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--out") == 0 && i + 1 < argc) outDir = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--contact-sheet") == 0 && i + 1 < argc)
            contactFile = QString::fromLocal8Bit(argv[++i]);
        else if (std::strcmp(argv[i], "--icons") == 0 && i + 1 < argc) iconDir = QString::fromLocal8Bit(argv[++i]);
        else return usage();
    }
    if (outDir.isEmpty() && contactFile.isEmpty() && iconDir.isEmpty()) return usage();

    bool ok = true;
    if (!outDir.isEmpty())
        for (const tarvik::assetgen::AssetFile& file : tarvik::assetgen::allAssets())
            ok = writeFile(QDir(outDir).filePath(file.path), file.bytes) && ok;
    if (!contactFile.isEmpty()) ok = writeFile(contactFile, tarvik::assetgen::pngBytes(tarvik::assetgen::contactSheet())) && ok;
    if (!iconDir.isEmpty()) {
        for (int size : tarvik::assetgen::kIconSizes)
            ok = writeFile(QDir(iconDir).filePath(QStringLiteral("%1x%1.png").arg(size)),
                           tarvik::assetgen::pngBytes(tarvik::assetgen::appIcon(size))) && ok;
        ok = writeFile(QDir(iconDir).filePath(QStringLiteral("scalable.svg")), tarvik::assetgen::appIconSvg()) && ok;
    }
    return ok ? 0 : 1;
}
