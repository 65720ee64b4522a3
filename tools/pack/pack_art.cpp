// Build helper: decodes the program's XPM pictures and writes them as a C++ source
// of 32-bit pixel arrays (see src/qt/board/packed_art.h).
// Usage: tarmigo-pack-art OUTPUT.cpp ART_DIR NAME...
// Pictures named by a board id (101 to 125) are made opaque the way the board
// needs them (Bitmaps::opaque); the others keep their transparency.
#include "qt/board/bitmaps.h"

#include <QFile>
#include <QImage>
#include <QTextStream>

#include <cstdio>

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp ART_DIR NAME...\n", argv[0]);
        return 2;
    }
    const QString dir = QString::fromLocal8Bit(argv[2]);
    QString body;
    QTextStream out(&body);
    QString table;
    QTextStream entries(&table);
    for (int i = 3; i < argc; ++i) {
        const QString name = QString::fromLatin1(argv[i]);
        const QImage decoded(dir + QLatin1Char('/') + name + QStringLiteral(".xpm"));
        if (decoded.isNull()) {
            std::fprintf(stderr, "%s: cannot read %s/%s.xpm\n", argv[0], argv[2], argv[i]);
            return 1;
        }
        bool isId = false;
        const int id = name.toInt(&isId);
        const bool opaque =
            isId && id >= tarmigo::Bitmaps::FirstId && id <= tarmigo::Bitmaps::LastId;
        const QImage image = opaque ? tarmigo::Bitmaps::opaque(decoded)
                                    : decoded.convertToFormat(QImage::Format_ARGB32);
        out << "alignas(16) const std::uint32_t picture" << i << "[] = {";
        for (int y = 0; y < image.height(); ++y) {
            const auto* row = reinterpret_cast<const quint32*>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                out << ((x % 8) == 0 ? "\n    " : " ") << "0x" << QString::number(row[x], 16)
                    << "u,";
            }
        }
        out << "\n};\n";
        entries << "    {\"" << name << "\", " << image.width() << ", " << image.height() << ", "
                << (opaque ? "true" : "false") << ", picture" << i << "},\n";
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    QTextStream result(&file);
    result << "// Made by tarmigo-pack-art from resources/art: do not edit.\n"
           << "#include \"qt/board/packed_art.h\"\n\nnamespace tarmigo {\nnamespace {\n\n"
           << body << "\nconst PackedPicture pictures[] = {\n"
           << table << "};\n\n} // namespace\n\n"
           << "PackedArt packedArt() {\n    return {pictures, int(std::size(pictures))};\n}\n\n"
           << "} // namespace tarmigo\n";
    result.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
