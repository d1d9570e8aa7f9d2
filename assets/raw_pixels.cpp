// Build step: writes the pixels of a picture as bare 32-bit RGB rows (native
// byte order, no padding), the form the window draws from, so that the program
// can use them where they lie instead of decoding them at every start.
//
//   tarvik_rawpixels PICTURE OUT
#include <QFile>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: tarvik_rawpixels PICTURE OUT\n");
        return 2;
    }
    const QImage picture = QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    if (picture.isNull()) {
        std::fprintf(stderr, "tarvik_rawpixels: cannot read %s\n", argv[1]);
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "tarvik_rawpixels: cannot write %s\n", argv[2]);
        return 1;
    }
    const qint64 row = static_cast<qint64>(picture.width()) * 4;
    for (int y = 0; y < picture.height(); ++y) {
        if (out.write(reinterpret_cast<const char*>(picture.constScanLine(y)), row) != row) {
            std::fprintf(stderr, "tarvik_rawpixels: cannot write %s\n", argv[2]);
            return 1;
        }
    }
    return out.flush() ? 0 : 1;
}
