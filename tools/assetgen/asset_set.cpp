#include "asset_set.h"

#include "backdrop.h"
#include "glyphs.h"
#include "pictures.h"
#include "sheets.h"
#include "sounds.h"

#include <QBuffer>
#include <QImageWriter>

namespace tarvik::assetgen {

QByteArray pngBytes(const QImage& image) {
    QImage clean = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                           : image.convertToFormat(QImage::Format_RGB32);
    clean.setDotsPerMeterX(3780);
    clean.setDotsPerMeterY(3780);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    writer.setQuality(50);
    writer.write(clean);
    return bytes;
}

std::vector<AssetFile> allAssets() {
    std::vector<AssetFile> files;
    auto image = [&files](const char* name, const QImage& picture) {
        files.push_back({QStringLiteral("images/%1.png").arg(QLatin1String(name)), pngBytes(picture)});
    };
    image("tilesheet", tileSheet());
    image("previewsheet", previewSheet());
    image("digitstrip", digitStrip());
    image("backdrop", backdrop());
    image("icon", windowIcon());
    image("testtube", testTube());
    image("title", title());
    image("info", info());
    image("logo", logo());
    for (const NamedGlyph& glyph : glyphs())
        files.push_back({QStringLiteral("glyphs/%1.png").arg(glyph.name), pngBytes(glyph.image)});
    for (int cue = 1; cue <= static_cast<int>(kCueFormats.size()); ++cue)
        files.push_back({QStringLiteral("sounds/cue%1.wav").arg(cue),
                         waveFile(kCueFormats[static_cast<size_t>(cue - 1)].rate, cueSamples(cue))});
    return files;
}

}  // namespace tarvik::assetgen
