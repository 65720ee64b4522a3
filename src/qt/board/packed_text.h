#pragma once
// Board text drawn from the packed board font (packed_font.h), without the system's
// font machinery. A text with a character the packed font lacks, or at a zoom it
// was not packed for, is not laid out: the caller draws it with Qt instead.
#include "qt/board/packed_font.h"

#include <QImage>
#include <QRect>
#include <QStringView>

#include <vector>

namespace tarmigo {

class PackedText {
  public:
    // The packed size of the board font at a zoom, or null.
    static const PackedFontSize* sizeFor(int zoom);
    // Gives the pages of the other sizes' masks back to the system (see the definition).
    static void releaseSizesOtherThan(int zoom);

    // Lays a text out; valid() is false where it cannot be drawn from the packed font.
    PackedText(const PackedFontSize* size, QStringView text);

    bool valid() const { return valid_; }
    // The advance of the whole text in pixels, as QFontMetrics::horizontalAdvance.
    int width() const { return (pen_ + 32) >> 6; }
    // Draws the text in an opaque colour with the pen at (x, baseline), inside clip, on
    // an image of 32-bit pixels or of Format_RGB888.
    void draw(QImage& image, int x, int baseline, const QRect& clip, QRgb colour) const;

  private:
    struct Placed {
        const PackedGlyph* glyph;
        int pen; // in 1/64 pixel from the start
    };
    const PackedFontSize* size_;
    std::vector<Placed> placed_;
    int pen_ = 0;
    bool valid_ = false;
};

} // namespace tarmigo
