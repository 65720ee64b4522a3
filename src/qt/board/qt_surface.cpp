#include "qt/board/qt_surface.h"

#include "qt/board/packed_text.h"
#include "qt/platform/translation.h"

#include "board/bitmaps.h"
#include "game/cards.h"
#include "game/strings.h"

#include <QPainter>
#include <QString>

#include <algorithm>
#include <cstring>

#if defined(__GLIBC__)
#include <malloc.h>
#endif

namespace tarmigo {
namespace {

QRgb toQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

// A pixel of the board's image: red, green and blue bytes in that order.
constexpr std::ptrdiff_t PixelBytes = 3;

void put(uchar* pixel, QRgb colour) {
    pixel[0] = uchar(qRed(colour));
    pixel[1] = uchar(qGreen(colour));
    pixel[2] = uchar(qBlue(colour));
}

// A compressed row of the picture is a series of counts, each followed by its pixels:
// a count of 1 to 127 by that many pixels as they are, a count of 128 and above by one
// pixel repeated count - 126 times. A row equal to the row above is the single count 0.
constexpr int MostAsTheyAre = 127;
constexpr int RepeatBias = 126;
constexpr int MostRepeated = 255 - RepeatBias;

bool samePixel(const uchar* a, const uchar* b) {
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2];
}

void compressRow(const uchar* row, const uchar* above, int width, std::vector<uchar>& out) {
    const auto bytes = std::size_t(width * PixelBytes);
    if (above && std::memcmp(row, above, bytes) == 0) {
        out.push_back(0);
        return;
    }
    const auto at = [row](int x) { return row + std::ptrdiff_t(x) * PixelBytes; };
    for (int x = 0; x < width;) {
        int repeats = 1;
        while (x + repeats < width && repeats < MostRepeated && samePixel(at(x), at(x + repeats)))
            ++repeats;
        if (repeats > 1) {
            out.push_back(uchar(repeats + RepeatBias));
            out.insert(out.end(), at(x), at(x + 1));
            x += repeats;
            continue;
        }
        // As they are, up to the next pair of equal pixels.
        const int first = x;
        do ++x;
        while (x < width && x - first < MostAsTheyAre &&
               (x + 1 == width || !samePixel(at(x), at(x + 1))));
        out.push_back(uchar(x - first));
        out.insert(out.end(), at(first), at(x));
    }
}

const uchar* expandRow(const uchar* in, uchar* row, const uchar* above, int width) {
    if (*in == 0) {
        std::memcpy(row, above, std::size_t(width * PixelBytes));
        return in + 1;
    }
    for (int x = 0; x < width;) {
        const int count = *in++;
        uchar* out = row + std::ptrdiff_t(x) * PixelBytes;
        if (count <= MostAsTheyAre) {
            std::memcpy(out, in, std::size_t(count * PixelBytes));
            in += count * PixelBytes;
            x += count;
            continue;
        }
        const int repeats = count - RepeatBias;
        for (int i = 0; i < repeats; ++i) std::memcpy(out + i * PixelBytes, in, PixelBytes);
        in += PixelBytes;
        x += repeats;
    }
    return in;
}

} // namespace

QtSurface::QtSurface(int width, int height, int zoom, const Bitmaps& bitmaps)
    : image_(std::max(1, width * std::max(1, zoom)), std::max(1, height * std::max(1, zoom)),
             QImage::Format_RGB888),
      size_(image_.size()), zoom_(std::max(1, zoom)), bitmaps_(bitmaps),
      packed_(PackedText::sizeFor(zoom_)),
      saved_(std::size_t(CardWidth * CardHeight * zoom_ * zoom_) * std::size_t(PixelBytes)) {
    image_.fill(Qt::white);
}

void QtSurface::clear(Rgb colour) {
    expand();
    image_.fill(QColor(colour.r, colour.g, colour.b));
}

const QImage& QtSurface::image() const {
    expand();
    return image_;
}

void QtSurface::compress() {
    if (compressed()) return;
    std::vector<uchar> runs;
    for (int y = 0; y < size_.height(); ++y)
        compressRow(image_.constScanLine(y), y ? image_.constScanLine(y - 1) : nullptr,
                    size_.width(), runs);
    runs.shrink_to_fit();
    runs_ = std::move(runs);
    image_ = QImage();
    bits_ = nullptr;
#if defined(__GLIBC__)
    // The image's block, freed in the middle of the heap, goes back to the system too.
    malloc_trim(0);
#endif
}

void QtSurface::expand() const {
    if (!compressed()) return;
    image_ = QImage(size_, QImage::Format_RGB888);
    const uchar* in = runs_.data();
    for (int y = 0; y < size_.height(); ++y)
        in = expandRow(in, image_.scanLine(y), y ? image_.constScanLine(y - 1) : nullptr,
                       size_.width());
    std::vector<uchar>().swap(runs_);
}

uchar* QtSurface::row(int y) {
    return bits_ + static_cast<qsizetype>(y) * stride_;
}

void QtSurface::beginWrite() {
    expand();
    bits_ = image_.bits(); // detaches once per operation, not once per pixel
    stride_ = image_.bytesPerLine();
}

void QtSurface::fillPixels(int left, int top, int width, int height, QRgb colour) {
    int x0 = std::max(0, left);
    int y0 = std::max(0, top);
    int x1 = std::min(image_.width(), left + width);
    int y1 = std::min(image_.height(), top + height);
    if (x1 <= x0 || y1 <= y0) return;
    // The first row pixel by pixel, the others copied from it.
    uchar* const first = row(y0) + x0 * PixelBytes;
    const auto bytes = std::size_t((x1 - x0) * PixelBytes);
    for (std::size_t i = 0; i < bytes; i += PixelBytes) put(first + i, colour);
    for (int y = y0 + 1; y < y1; ++y) std::memcpy(row(y) + x0 * PixelBytes, first, bytes);
}

void QtSurface::fillRect(const Rect& r, Rgb brush, Pen pen) {
    beginWrite();
    const int z = zoom_;
    if (pen == Pen::Null) {
        // Without an outline the fill stops one pixel short on the right and bottom.
        fillPixels(r.left * z, r.top * z, (r.right - 1 - r.left) * z, (r.bottom - 1 - r.top) * z,
                   toQRgb(brush));
        return;
    }
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    if (w <= 0 || h <= 0) return;
    fillPixels(r.left * z, r.top * z, w * z, h * z, toQRgb(brush));
    const QRgb line = toQRgb(pen == Pen::White ? colors::White : colors::Black);
    fillPixels(r.left * z, r.top * z, w * z, z, line);
    fillPixels(r.left * z, (r.bottom - 1) * z, w * z, z, line);
    fillPixels(r.left * z, r.top * z, z, h * z, line);
    fillPixels((r.right - 1) * z, r.top * z, z, h * z, line);
}

void QtSurface::drawBitmap(int bitmapId, int tintId, int x, int y, int w, int h) {
    const QImage* picture = bitmaps_.find(bitmapId);
    const QImage* tint = tintId ? bitmaps_.find(tintId) : nullptr;
    if (!picture) return;
    beginWrite();
    const int z = zoom_;
    // A source row, or null where the picture is shorter than the box.
    auto sourceRow = [](const QImage* image, int sy) -> const QRgb* {
        if (!image || sy >= image->height()) return nullptr;
        return reinterpret_cast<const QRgb*>(image->constScanLine(sy));
    };
    const int firstX = std::max(0, -x * z);
    const int lastX = std::min(w * z, image_.width() - x * z);
    for (int sy = 0; sy < h; ++sy) {
        const QRgb* p = sourceRow(picture, sy);
        const QRgb* t = sourceRow(tint, sy);
        const int pw = p ? picture->width() : 0;
        const int tw = t ? tint->width() : 0;
        // The enlarged row is worked out once and copied to the other rows of its block,
        // as far as the picture or the tint reaches (beyond, the board shows through).
        const int drawnEnd = std::min(lastX, std::max(pw, tw) * z);
        const uchar* drawn = nullptr;
        for (int dy = 0; dy < z; ++dy) {
            const int py = (y + sy) * z + dy;
            if (py < 0 || py >= image_.height()) continue;
            uchar* out = row(py) + std::ptrdiff_t(x) * z * PixelBytes;
            if (drawn) {
                if (drawnEnd > firstX)
                    std::memcpy(out + firstX * PixelBytes, drawn + firstX * PixelBytes,
                                std::size_t((drawnEnd - firstX) * PixelBytes));
                continue;
            }
            drawn = out;
            for (int dx = firstX; dx < lastX; ++dx) {
                const int sx = dx / z;
                const bool hasP = sx < pw;
                const bool hasT = sx < tw;
                uchar* pixel = out + std::ptrdiff_t(dx) * PixelBytes;
                // The tint is laid first and the picture ORed onto it: a lighter, greyed card.
                if (hasP && hasT)
                    put(pixel, p[sx] | t[sx]);
                else if (hasP)
                    put(pixel, p[sx]);
                else if (hasT)
                    put(pixel, t[sx]);
            }
        }
    }
}

void QtSurface::invertRect(int x, int y, int w, int h) {
    const int z = zoom_;
    beginWrite();
    int x0 = std::max(0, x * z);
    int y0 = std::max(0, y * z);
    int x1 = std::min(image_.width(), (x + w) * z);
    int y1 = std::min(image_.height(), (y + h) * z);
    for (int py = y0; py < y1; ++py) {
        uchar* line = row(py);
        for (std::ptrdiff_t i = x0 * PixelBytes; i < x1 * PixelBytes; ++i) line[i] ^= 0xFFu;
    }
}

const QFontMetrics& QtSurface::metrics() {
    if (!metrics_) {
        font_ = boardFont(zoom_);
        metrics_ = std::make_unique<QFontMetrics>(font_);
    }
    return *metrics_;
}

std::string QtSurface::text(int id) const {
    return shownText(stringText(id)).toStdString();
}

int QtSurface::textWidth(std::string_view text) const {
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const PackedText packed(packed_, s);
    // Measuring loads Qt's font as drawing would; the picture itself is not touched.
    const int width = packed.valid() ? packed.width()
                                     : const_cast<QtSurface*>(this)->metrics().horizontalAdvance(s);
    return (width + zoom_ - 1) / zoom_;
}

void QtSurface::drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) {
    const int z = zoom_;
    const QRect box(r.left * z, r.top * z, (r.right - r.left) * z, (r.bottom - r.top) * z);
    if (box.isEmpty() || text.empty()) return;
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const PackedText packed(packed_, s);
    const int width = packed.valid() ? packed.width() : metrics().horizontalAdvance(s);
    const int height = packed.valid() ? packed_->height : metrics().height();
    const int ascent = packed.valid() ? packed_->ascent : metrics().ascent();
    int left = box.left();
    if (h == HAlign::Center) left = box.left() + (box.width() - width) / 2;
    if (h == HAlign::Right) left = box.left() + box.width() - width;
    const int top = v == VAlign::Top ? box.top() : box.top() + box.height() - height;

    // The text cell is painted opaque in the background colour, then the text in black.
    const QRect cell = QRect(left, top, width, height) & box;
    beginWrite();
    if (!cell.isEmpty())
        fillPixels(cell.left(), cell.top(), cell.width(), cell.height(), toQRgb(background_));
    if (packed.valid()) {
        packed.draw(image_, left, top + ascent, box, qRgb(0, 0, 0));
        return;
    }
    drawTextWithQt(s, box, left, top + ascent);
}

void QtSurface::drawTextWithQt(const QString& text, const QRect& box, int x, int baseline) {
    // Qt draws on a four-byte copy of the box, the format its text drawing and the
    // packed font's blending are made for, and the copy goes back into the image.
    const QRect area = box & image_.rect();
    if (area.isEmpty()) return;
    QImage part = image_.copy(area).convertToFormat(QImage::Format_RGB32);
    QPainter painter(&part);
    painter.translate(-area.topLeft());
    painter.setClipRect(area);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(x, baseline, text);
    painter.end();
    QPainter(&image_).drawImage(area.topLeft(), part);
}

void QtSurface::saveBlock(int x, int y, int w, int h) {
    expand();
    const int z = zoom_;
    savedWidth_ = std::max(0, w * z);
    savedHeight_ = std::max(0, h * z);
    const std::size_t needed = static_cast<std::size_t>(savedWidth_) * savedHeight_ * PixelBytes;
    if (saved_.size() < needed) saved_.resize(needed); // only for blocks larger than a card
    // Outside the image the block holds white.
    std::fill(saved_.begin(), saved_.begin() + std::ptrdiff_t(needed), uchar(0xFF));
    const int x0 = std::max(0, -x * z);
    const int x1 = std::min(savedWidth_, image_.width() - x * z);
    for (int line = 0; line < savedHeight_; ++line) {
        const int py = y * z + line;
        if (py < 0 || py >= image_.height() || x1 <= x0) continue;
        uchar* out = saved_.data() + static_cast<std::size_t>(line) * savedWidth_ * PixelBytes;
        const uchar* in = image_.constScanLine(py) + std::ptrdiff_t(x * z) * PixelBytes;
        std::copy(in + x0 * PixelBytes, in + x1 * PixelBytes, out + x0 * PixelBytes);
    }
}

void QtSurface::restoreBlock(int x, int y) {
    const int z = zoom_;
    beginWrite();
    const int x0 = std::max(0, -x * z);
    const int x1 = std::min(savedWidth_, image_.width() - x * z);
    for (int line = 0; line < savedHeight_; ++line) {
        const int py = y * z + line;
        if (py < 0 || py >= image_.height() || x1 <= x0) continue;
        const uchar* in = saved_.data() + static_cast<std::size_t>(line) * savedWidth_ * PixelBytes;
        uchar* out = row(py) + std::ptrdiff_t(x * z) * PixelBytes;
        std::copy(in + x0 * PixelBytes, in + x1 * PixelBytes, out + x0 * PixelBytes);
    }
}

QImage renderRecording(const RecordingSurface& recording, int zoom) {
    QtSurface surface(recording.width(), recording.height(), zoom);
    recording.replay(surface);
    return surface.image().convertToFormat(QImage::Format_RGB32);
}

} // namespace tarmigo
