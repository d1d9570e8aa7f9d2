#pragma once
// Every file the generator makes, under the path it has among the program's
// resources (images/…, glyphs/…, sounds/…).

#include <QByteArray>
#include <QImage>
#include <QString>

#include <vector>

namespace tarvik::assetgen {

struct AssetFile {
    QString path;
    QByteArray bytes;
};

std::vector<AssetFile> allAssets();

// PNG with fixed settings and no metadata, so that equal pictures give equal bytes.
QByteArray pngBytes(const QImage& image);

}  // namespace tarvik::assetgen
