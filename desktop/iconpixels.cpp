// Build step: writes a PNG picture's pixels as the program's windows hold them (32-bit
// premultiplied ARGB, this machine's byte order, rows one after another), so a program can
// show its icon without decoding a PNG at its start.
// Usage: iconpixels <picture.png> <pixels file>

#include <QFile>
#include <QImage>
#include <QImageReader>
#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: iconpixels <picture.png> <pixels file>\n");
        return 2;
    }
    QImageReader reader(QString::fromLocal8Bit(argv[1]), "png");
    reader.setAutoDetectImageFormat(false);
    const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) {
        std::fprintf(stderr, "%s: %s\n", argv[1], qPrintable(reader.errorString()));
        return 1;
    }
    QFile out(QString::fromLocal8Bit(argv[2]));
    if (!out.open(QIODevice::WriteOnly)) {
        std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
        return 1;
    }
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const char*>(image.constScanLine(y));
        const qint64 rowBytes = qint64(image.width()) * 4;
        if (out.write(row, rowBytes) != rowBytes) {
            std::fprintf(stderr, "%s: %s\n", argv[2], qPrintable(out.errorString()));
            return 1;
        }
    }
    return out.flush() ? 0 : 1;
}
