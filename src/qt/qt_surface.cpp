#include "qt/qt_surface.h"

#include "qt/packed_text.h"
#include "qt/translation.h"

#include "board/bitmaps.h"
#include "game/cards.h"

#include <QPainter>
#include <QString>

#include <algorithm>

namespace tarmigo {
namespace {

QRgb toQRgb(Rgb c) {
    return qRgb(c.r, c.g, c.b);
}

} // namespace

QtSurface::QtSurface(int width, int height, int zoom, const Bitmaps& bitmaps)
    : image_(std::max(1, width * std::max(1, zoom)), std::max(1, height * std::max(1, zoom)),
             QImage::Format_RGB32),
      zoom_(std::max(1, zoom)), bitmaps_(bitmaps), packed_(PackedText::sizeFor(zoom_)),
      saved_(static_cast<std::size_t>(CardWidth * CardHeight * zoom_ * zoom_)) {
    image_.fill(Qt::white);
}

void QtSurface::clear(Rgb colour) {
    image_.fill(toQRgb(colour));
}

QRgb* QtSurface::row(int y) {
    return reinterpret_cast<QRgb*>(bits_ + static_cast<qsizetype>(y) * stride_);
}

void QtSurface::beginWrite() {
    bits_ = image_.bits(); // detaches once per operation, not once per pixel
    stride_ = image_.bytesPerLine();
}

void QtSurface::fillPixels(int left, int top, int width, int height, QRgb colour) {
    int x0 = std::max(0, left);
    int y0 = std::max(0, top);
    int x1 = std::min(image_.width(), left + width);
    int y1 = std::min(image_.height(), top + height);
    if (x1 <= x0) return;
    for (int y = y0; y < y1; ++y) std::fill(row(y) + x0, row(y) + x1, colour);
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
        for (int dy = 0; dy < z; ++dy) {
            const int py = (y + sy) * z + dy;
            if (py < 0 || py >= image_.height()) continue;
            QRgb* out = row(py) + std::ptrdiff_t(x) * z;
            for (int dx = firstX; dx < lastX; ++dx) {
                const int sx = dx / z;
                const bool hasP = sx < pw;
                const bool hasT = sx < tw;
                // The tint is laid first and the picture ORed onto it: a lighter, greyed card.
                if (hasP && hasT)
                    out[dx] = p[sx] | t[sx];
                else if (hasP)
                    out[dx] = p[sx];
                else if (hasT)
                    out[dx] = t[sx];
            }
        }
    }
}

void QtSurface::invertRect(int x, int y, int w, int h) {
    const int z = zoom_;
    int x0 = std::max(0, x * z);
    int y0 = std::max(0, y * z);
    int x1 = std::min(image_.width(), (x + w) * z);
    int y1 = std::min(image_.height(), (y + h) * z);
    beginWrite();
    for (int py = y0; py < y1; ++py) {
        QRgb* line = row(py);
        for (int px = x0; px < x1; ++px) line[px] ^= 0x00FFFFFFu;
    }
}

const QFontMetrics& QtSurface::metrics() {
    if (!metrics_) {
        font_ = boardFont(zoom_);
        metrics_ = std::make_unique<QFontMetrics>(font_);
    }
    return *metrics_;
}

void QtSurface::drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) {
    const int z = zoom_;
    const QRect box(r.left * z, r.top * z, (r.right - r.left) * z, (r.bottom - r.top) * z);
    if (box.isEmpty() || text.empty()) return;
    const QString s = shownText(text);
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
    QPainter painter(&image_);
    painter.setClipRect(box);
    painter.setFont(font_);
    painter.setPen(Qt::black);
    painter.drawText(left, top + ascent, s);
}

void QtSurface::saveBlock(int x, int y, int w, int h) {
    const int z = zoom_;
    savedWidth_ = std::max(0, w * z);
    savedHeight_ = std::max(0, h * z);
    const std::size_t needed = static_cast<std::size_t>(savedWidth_) * savedHeight_;
    if (saved_.size() < needed) saved_.resize(needed); // only for blocks larger than a card
    for (int line = 0; line < savedHeight_; ++line) {
        const int py = y * z + line;
        QRgb* out = saved_.data() + static_cast<std::size_t>(line) * savedWidth_;
        if (py < 0 || py >= image_.height()) {
            std::fill(out, out + savedWidth_, qRgb(255, 255, 255));
            continue;
        }
        const QRgb* in = reinterpret_cast<const QRgb*>(image_.constScanLine(py));
        for (int col = 0; col < savedWidth_; ++col) {
            const int px = x * z + col;
            out[col] = px >= 0 && px < image_.width() ? in[px] : qRgb(255, 255, 255);
        }
    }
}

void QtSurface::restoreBlock(int x, int y) {
    const int z = zoom_;
    beginWrite();
    for (int line = 0; line < savedHeight_; ++line) {
        const int py = y * z + line;
        if (py < 0 || py >= image_.height()) continue;
        const QRgb* in = saved_.data() + static_cast<std::size_t>(line) * savedWidth_;
        QRgb* out = row(py);
        const int x0 = std::max(0, -x * z);
        const int x1 = std::min(savedWidth_, image_.width() - x * z);
        for (int col = x0; col < x1; ++col) out[x * z + col] = in[col];
    }
}

QImage renderRecording(const RecordingSurface& recording, int zoom) {
    QtSurface surface(recording.width(), recording.height(), zoom);
    recording.replay(surface);
    return surface.image();
}

} // namespace tarmigo
