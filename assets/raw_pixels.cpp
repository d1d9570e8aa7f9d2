// Build step: writes a picture's pixels in the form the program uses them, so
// that it can draw from them where they lie instead of decoding a PNG at every
// start. The file is a 16-byte head (the letters TKPX, then width, height and
// the QImage format as 32-bit numbers in native byte order) and the rows of
// 32-bit pixels without padding.
//
//   tarvik_rawpixels rgb32|argb32 PICTURE OUT
//
// rgb32 is the form of the window's drawing surfaces, argb32 keeps transparency.
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <cstdio>
#include <cstring>

int main(int argc, char** argv)
{
    if (argc != 4 || (std::strcmp(argv[1], "rgb32") != 0 && std::strcmp(argv[1], "argb32") != 0)) {
        std::fprintf(stderr, "usage: tarvik_rawpixels rgb32|argb32 PICTURE OUT\n");
        return 2;
    }
    const QImage::Format format = argv[1][0] == 'r' ? QImage::Format_RGB32 : QImage::Format_ARGB32;
    // Read exactly as the program would read the PNG, then converted as it would.
    QImageReader reader(QString::fromLocal8Bit(argv[2]), QByteArrayLiteral("png"));
    const QImage picture = reader.read().convertToFormat(format);
    if (picture.isNull()) {
        std::fprintf(stderr, "tarvik_rawpixels: cannot read %s\n", argv[2]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[3]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tarvik_rawpixels: cannot write %s\n", argv[3]);
        return 1;
    }
    const std::uint32_t head[4] = {0x58504b54u /* "TKPX" read as little-endian bytes */,
                                   static_cast<std::uint32_t>(picture.width()),
                                   static_cast<std::uint32_t>(picture.height()), static_cast<std::uint32_t>(format)};
    bool written = out.write(reinterpret_cast<const char*>(head), sizeof head) == sizeof head;
    const qint64 row = static_cast<qint64>(picture.width()) * 4;
    for (int y = 0; written && y < picture.height(); ++y)
        written = out.write(reinterpret_cast<const char*>(picture.constScanLine(y)), row) == row;
    if (!written || !out.flush()) {
        std::fprintf(stderr, "tarvik_rawpixels: cannot write %s\n", argv[3]);
        return 1;
    }
    return 0;
}
