// Build helper: rasterises the board font with Qt's own text drawing and writes the
// glyphs as a C++ source (see src/qt/board/packed_font.h).
// Usage: tarmigo-pack-font OUTPUT.cpp ZOOM[,ZOOM...] TRANSLATIONS.ts...
// The glyphs are those of the digits, the space and every character of the texts in
// the translation files (the English texts and their translations): all the board
// can show. Every glyph is drawn alone at each 1/64 of a pixel, black on white, and the ink it
// leaves is kept as its coverage; the advances, the kerning of every pair and the
// ligatures come from Qt's shaping of the same texts. A font that Qt draws with
// colour fringes (subpixel anti-aliasing) cannot be packed: the output then holds no
// size, and the program draws its text with Qt at run time.
#include "qt/board/board_font.h"

#include <QFile>
#include <QFontMetrics>
#include <QFontMetricsF>
#include <QGlyphRun>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QTextLayout>
#include <QTextStream>
#include <QXmlStreamReader>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <map>
#include <optional>
#include <vector>

namespace {

using tarmigo::boardFont;

// The characters of the program's texts in its languages, one to a string; empty
// when a file cannot be read.
QStringList charactersOf(const QStringList& translationFiles) {
    QString all = QStringLiteral("0123456789 ");
    for (const QString& path : translationFiles) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) return {};
        QXmlStreamReader xml(&file);
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement) continue;
            if (xml.name() == QLatin1String("source") || xml.name() == QLatin1String("translation"))
                all += xml.readElementText(QXmlStreamReader::IncludeChildElements);
        }
        if (xml.hasError()) return {};
    }
    QStringList characters;
    for (QChar c : all)
        if (c.isPrint() && !c.isSurrogate() && !characters.contains(QString(c)))
            characters << QString(c);
    return characters;
}
// The ligatures the font may form of them.
const char* const LigatureCandidates[] = {"ffi", "ffl", "ff", "fi", "fl"};

// The glyph positions of a text as Qt shapes it, in 1/64 pixel.
std::vector<int> shapedPositions(const QFont& font, const QString& text) {
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    std::vector<int> out;
    for (const QGlyphRun& run : layout.glyphRuns())
        for (const QPointF& p : run.positions()) out.push_back(int(std::lround(p.x() * 64)));
    return out;
}

int advance64(const QFont& font, const QString& text) {
    return int(std::lround(QFontMetricsF(font).horizontalAdvance(text) * 64));
}

struct Mask {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    std::vector<uchar> coverage;
    bool operator==(const Mask&) const = default;
};

// The ink of a text drawn with the pen at origin + fraction/64, relative to the whole
// pixel of the pen and to the baseline; nothing when the drawing is not grey.
std::optional<Mask> inkAt(const QFont& font, const QString& text, int fraction, int pad,
                          int ascent) {
    const int size = pad;
    QImage image(4 * size + pad, 3 * size, QImage::Format_RGB32);
    image.fill(Qt::white);
    const int originX = 2 * size;
    const int baseline = size + ascent;
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(QPointF(originX + fraction / 64.0, baseline), text);
    painter.end();
    int x0 = image.width();
    int y0 = image.height();
    int x1 = -1;
    int y1 = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = row[x];
            if (qRed(p) != qGreen(p) || qRed(p) != qBlue(p)) return std::nullopt;
            if (qRed(p) == 255) continue;
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = std::max(y1, y);
        }
    }
    Mask mask;
    if (x1 < 0) return mask;
    if (x0 == 0 || y0 == 0 || x1 == image.width() - 1 || y1 == image.height() - 1)
        return std::nullopt; // the glyph did not fit the canvas
    mask.left = x0 - originX;
    mask.top = y0 - baseline;
    mask.width = x1 - x0 + 1;
    mask.height = y1 - y0 + 1;
    for (int y = y0; y <= y1; ++y)
        for (int x = x0; x <= x1; ++x)
            mask.coverage.push_back(uchar(255 - qRed(image.pixel(x, y))));
    return mask;
}

struct Glyph {
    QString text;
    int advance = 0;
    int firstMask = -1;
    std::vector<int> maskAt; // 64 indexes relative to firstMask
};

// One size of the font as C++ definitions named with the zoom; false when it
// cannot be packed.
bool packSize(int zoom, const QStringList& characters, QTextStream& out, QString& entry) {
    const QFont font = boardFont(zoom);
    const QFontMetrics metrics(font);
    const int pad = 12 * zoom;

    std::vector<Glyph> glyphs;
    for (const QString& text : characters) {
        if (!metrics.inFont(text.at(0))) continue;
        glyphs.push_back({text, advance64(font, text), -1, {}});
    }
    for (const char* ligature : LigatureCandidates) {
        const QString text = QString::fromLatin1(ligature);
        if (shapedPositions(font, text).size() == 1)
            glyphs.push_back({text, advance64(font, text), -1, {}});
    }
    std::sort(glyphs.begin(), glyphs.end(),
              [](const Glyph& a, const Glyph& b) { return a.text < b.text; });

    std::vector<Mask> masks;
    for (Glyph& glyph : glyphs) {
        std::vector<Mask> own;
        for (int fraction = 0; fraction < 64; ++fraction) {
            const std::optional<Mask> mask =
                inkAt(font, glyph.text, fraction, pad, metrics.ascent());
            if (!mask) return false;
            if (mask->width == 0) {
                glyph.maskAt.push_back(0);
                continue;
            }
            auto it = std::find(own.begin(), own.end(), *mask);
            if (it == own.end()) it = own.insert(own.end(), *mask);
            glyph.maskAt.push_back(int(it - own.begin()));
        }
        if (own.empty()) {
            glyph.maskAt.clear();
            continue;
        }
        if (own.size() > 255) return false;
        glyph.firstMask = int(masks.size());
        masks.insert(masks.end(), own.begin(), own.end());
    }

    struct Pair {
        int first, second, adjust;
    };
    std::vector<Pair> kerning;
    for (int a = 0; a < int(glyphs.size()); ++a) {
        for (int b = 0; b < int(glyphs.size()); ++b) {
            const std::vector<int> at = shapedPositions(font, glyphs[a].text + glyphs[b].text);
            if (at.size() != 2) continue; // the two make a ligature: packed as one glyph
            const int adjust = at[1] - glyphs[a].advance;
            if (adjust != 0) kerning.push_back({a, b, adjust});
        }
    }

    const QString z = QString::number(zoom);
    out << "const std::uint8_t coverage" << z << "[] = {";
    std::size_t offset = 0;
    std::vector<std::size_t> offsets;
    int column = 0;
    for (const Mask& mask : masks) {
        offsets.push_back(offset);
        for (uchar c : mask.coverage) {
            out << (column++ % 24 == 0 ? "\n    " : "") << int(c) << ",";
            ++offset;
        }
    }
    out << "\n};\nconst PackedMask masks" << z << "[] = {\n";
    for (std::size_t i = 0; i < masks.size(); ++i)
        out << "    {" << masks[i].left << ", " << masks[i].top << ", " << masks[i].width << ", "
            << masks[i].height << ", " << offsets[i] << "},\n";
    out << "};\nconst char16_t texts" << z << "[] = {";
    std::vector<int> textAt;
    int textOffset = 0;
    for (const Glyph& glyph : glyphs) {
        textAt.push_back(textOffset);
        out << "\n    ";
        for (QChar c : glyph.text) out << "0x" << QString::number(c.unicode(), 16) << ", ";
        out << "0,";
        textOffset += int(glyph.text.size()) + 1;
    }
    out << "\n};\nconst PackedGlyph glyphs" << z << "[] = {\n";
    for (std::size_t i = 0; i < glyphs.size(); ++i) {
        const Glyph& glyph = glyphs[i];
        out << "    {texts" << z << " + " << textAt[i] << ", " << glyph.advance << ", "
            << glyph.firstMask << ", {";
        for (int f = 0; f < 64; ++f)
            out << (glyph.maskAt.empty() ? 0 : glyph.maskAt[std::size_t(f)]) << (f < 63 ? "," : "");
        out << "}},\n";
    }
    out << "};\nconst PackedKerning kerning" << z << "[] = {\n";
    for (const Pair& pair : kerning)
        out << "    {" << pair.first << ", " << pair.second << ", " << pair.adjust << "},\n";
    if (kerning.empty()) out << "    {0, 0, 0},\n";
    out << "};\n\n";
    QTextStream(&entry) << "    {" << zoom << ", " << metrics.ascent() << ", " << metrics.height()
                        << ", " << metrics.underlinePos() << ", " << metrics.lineWidth()
                        << ", glyphs" << z << ", " << glyphs.size() << ", masks" << z
                        << ", coverage" << z << ", sizeof coverage" << z << ", kerning" << z << ", "
                        << kerning.size() << "},\n";
    return true;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s OUTPUT.cpp ZOOM[,ZOOM...] TRANSLATIONS.ts...\n", argv[0]);
        return 2;
    }
    static int qtArgc = 3;
    static char name[] = "tarmigo-pack-font";
    static char platform[] = "-platform";
    static char offscreen[] = "offscreen";
    static char* qtArgv[] = {name, platform, offscreen, nullptr};
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
    const QGuiApplication app(qtArgc, qtArgv);

    QStringList files;
    for (int i = 3; i < argc; ++i) files << QString::fromLocal8Bit(argv[i]);
    const QStringList characters = charactersOf(files);
    if (characters.isEmpty()) {
        std::fprintf(stderr, "%s: cannot read the translation files\n", argv[0]);
        return 1;
    }
    QString body;
    QString table;
    for (const QString& zoomText : QString::fromLatin1(argv[2]).split(QLatin1Char(','))) {
        bool ok = false;
        const int zoom = zoomText.toInt(&ok);
        if (!ok || zoom < 1) {
            std::fprintf(stderr, "%s: bad zoom %s\n", argv[0], qPrintable(zoomText));
            return 2;
        }
        QString definitions;
        QTextStream sizeOut(&definitions);
        QString entry;
        if (!packSize(zoom, characters, sizeOut, entry)) {
            std::fprintf(stderr,
                         "%s: the board font at zoom %d cannot be packed; "
                         "the program draws its text with Qt\n",
                         argv[0], zoom);
            body.clear();
            table.clear();
            break;
        }
        sizeOut.flush();
        body += definitions;
        table += entry;
    }

    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        std::fprintf(stderr, "%s: cannot write %s\n", argv[0], argv[1]);
        return 1;
    }
    QTextStream result(&file);
    result << "// Made by tarmigo-pack-font: do not edit.\n"
           << "#include \"qt/board/packed_font.h\"\n\n#include <iterator>\n\nnamespace tarmigo "
              "{\nnamespace {\n\n"
           << body;
    if (table.isEmpty()) {
        result << "} // namespace\n\nPackedFont packedFont() {\n    return {nullptr, 0};\n}\n\n";
    } else {
        result << "const PackedFontSize sizes[] = {\n"
               << table << "};\n\n} // namespace\n\n"
               << "PackedFont packedFont() {\n    return {sizes, int(std::size(sizes))};\n}\n\n";
    }
    result << "} // namespace tarmigo\n";
    result.flush();
    return file.error() == QFileDevice::NoError ? 0 : 1;
}
