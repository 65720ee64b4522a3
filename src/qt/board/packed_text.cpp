#include "qt/board/packed_text.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include <sys/mman.h>
#include <unistd.h>

namespace tarmigo {
namespace {

std::u16string_view textOf(const PackedGlyph& glyph) {
    return glyph.text;
}

// The longest glyph whose text starts the rest of a line.
const PackedGlyph* glyphAt(const PackedFontSize& size, std::u16string_view rest) {
    const PackedGlyph* const begin = size.glyphs;
    const PackedGlyph* const end = size.glyphs + size.glyphCount;
    for (std::size_t length = std::min<std::size_t>(3, rest.size()); length > 0; --length) {
        const std::u16string_view key = rest.substr(0, length);
        const PackedGlyph* it =
            std::lower_bound(begin, end, key, [](const PackedGlyph& g, std::u16string_view k) {
                return textOf(g) < k;
            });
        if (it != end && textOf(*it) == key) return it;
    }
    return nullptr;
}

int kerning(const PackedFontSize& size, int first, int second) {
    const PackedKerning* const begin = size.kerning;
    const PackedKerning* const end = size.kerning + size.kerningCount;
    const PackedKerning* it =
        std::lower_bound(begin, end, std::pair(first, second), [](const PackedKerning& k, auto p) {
            return std::pair<int, int>(k.first, k.second) < p;
        });
    return it != end && it->first == first && it->second == second ? it->adjust : 0;
}

// The raster blend of Qt's text drawing: a * source + (255 - a) * destination, per
// channel, rounded the way Qt rounds, so that the pixels match its own.
quint32 byteMul(quint32 x, quint32 a) {
    quint32 t = (x & 0xff00ffu) * a;
    t = (t + ((t >> 8) & 0xff00ffu) + 0x800080u) >> 8;
    t &= 0xff00ffu;
    x = ((x >> 8) & 0xff00ffu) * a;
    x = (x + ((x >> 8) & 0xff00ffu) + 0x800080u);
    x &= 0xff00ff00u;
    return x | t;
}

void blend(quint32& destination, quint32 source, int coverage) {
    if (coverage == 255) {
        destination = source;
        return;
    }
    const quint32 s = byteMul(source, quint32(coverage));
    destination = s + byteMul(destination, 255u - qAlpha(s));
}

// The same blend on a pixel of three bytes (red, green, blue), through the four-byte
// arithmetic as on an opaque pixel: the colours come out the same.
void blend3(uchar* destination, quint32 source, int coverage) {
    quint32 pixel = qRgb(destination[0], destination[1], destination[2]);
    blend(pixel, source, coverage);
    destination[0] = uchar(qRed(pixel));
    destination[1] = uchar(qGreen(pixel));
    destination[2] = uchar(qBlue(pixel));
}

} // namespace

const PackedFontSize* PackedText::sizeFor(int zoom) {
    // The sizes are static data compiled into the program.
    const auto [sizes, count] = packedFont();
    for (const PackedFontSize* s = sizes; s != sizes + count; ++s)
        if (s->zoom == zoom) return s;
    return nullptr;
}

void PackedText::releaseSizesOtherThan(int zoom) {
    // Linux maps the program's file into memory in blocks of 64 KiB and more (as large
    // as the page cache holds them) at the first touch, so the masks of every zoom are
    // resident once any zoom's text is drawn: those of zooms 1 and 3 are 200 KiB that
    // a window at zoom 2 never reads. They are let go here; they are constant data of
    // the file, which a later use maps again. (Only the masks' bytes: the tables that
    // hold pointers were fixed up when the program was loaded.)
    const auto [sizes, count] = packedFont();
    const long pageSize = sysconf(_SC_PAGESIZE);
    if (pageSize <= 0) return;
    const auto page = std::size_t(pageSize);
    for (const PackedFontSize* s = sizes; s != sizes + count; ++s) {
        if (s->zoom == zoom) continue;
        // The whole pages inside the masks' bytes.
        const auto address = reinterpret_cast<std::uintptr_t>(s->coverage);
        const std::size_t skip = (page - address % page) % page;
        if (s->coverageSize <= skip) continue;
        const std::size_t length = (s->coverageSize - skip) / page * page;
        if (length > 0)
            madvise(const_cast<std::uint8_t*>(s->coverage + skip), length, MADV_DONTNEED);
    }
}

PackedText::PackedText(const PackedFontSize* size, QStringView text) : size_(size) {
    if (!size) return;
    const std::u16string_view all(reinterpret_cast<const char16_t*>(text.utf16()),
                                  std::size_t(text.size()));
    placed_.reserve(all.size());
    int previous = -1;
    for (std::size_t at = 0; at < all.size();) {
        const PackedGlyph* glyph = glyphAt(*size, all.substr(at));
        if (!glyph) return;
        const int index = int(glyph - size->glyphs);
        if (previous >= 0) pen_ += kerning(*size, previous, index);
        placed_.push_back({glyph, pen_});
        pen_ += glyph->advance;
        previous = index;
        at += textOf(*glyph).size();
    }
    valid_ = true;
}

void PackedText::draw(QImage& image, int x, int baseline, const QRect& clip, QRgb colour) const {
    if (!valid_) return;
    const bool threeBytes = image.format() == QImage::Format_RGB888;
    const QRect area = clip & image.rect();
    const quint32 source = colour | 0xff000000u;
    for (const Placed& p : placed_) {
        if (p.glyph->firstMask < 0) continue;
        const int pen = x * 64 + p.pen;
        const int whole = pen >> 6;
        const PackedMask& mask = size_->masks[p.glyph->firstMask + p.glyph->maskAt[pen & 63]];
        const uchar* coverage = size_->coverage + mask.offset;
        const int left = whole + mask.left;
        const int top = baseline + mask.top;
        const int x0 = std::max(left, area.left());
        const int x1 = std::min(left + int(mask.width), area.right() + 1);
        const int y0 = std::max(top, area.top());
        const int y1 = std::min(top + int(mask.height), area.bottom() + 1);
        for (int y = y0; y < y1; ++y) {
            uchar* line = image.scanLine(y);
            const uchar* in = coverage + std::ptrdiff_t(y - top) * mask.width - left;
            if (threeBytes) {
                for (int px = x0; px < x1; ++px)
                    if (in[px]) blend3(line + std::ptrdiff_t(px) * 3, source, in[px]);
            } else {
                auto* row = reinterpret_cast<quint32*>(line);
                for (int px = x0; px < x1; ++px)
                    if (in[px]) blend(row[px], source, in[px]);
            }
        }
    }
}

} // namespace tarmigo
