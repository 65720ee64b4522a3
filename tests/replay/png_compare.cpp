// Compares two pictures pixel for pixel; prints where they first differ.
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: png_compare ACTUAL EXPECTED\n");
        return 2;
    }
    const QImage actual =
        QImage(QString::fromLocal8Bit(argv[1])).convertToFormat(QImage::Format_RGB32);
    const QImage expected =
        QImage(QString::fromLocal8Bit(argv[2])).convertToFormat(QImage::Format_RGB32);
    if (actual.isNull() || expected.isNull()) {
        std::fprintf(stderr, "cannot read %s\n", actual.isNull() ? argv[1] : argv[2]);
        return 2;
    }
    if (actual.size() != expected.size()) {
        std::fprintf(stderr, "size %dx%d, expected %dx%d\n", actual.width(), actual.height(),
                     expected.width(), expected.height());
        return 1;
    }
    int differing = 0;
    for (int y = 0; y < actual.height(); ++y)
        for (int x = 0; x < actual.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y) && differing++ == 0)
                std::fprintf(stderr, "first difference at (%d, %d): %08x, expected %08x\n", x, y,
                             actual.pixel(x, y), expected.pixel(x, y));
    if (differing) std::fprintf(stderr, "%d pixels differ\n", differing);
    return differing ? 1 : 0;
}
