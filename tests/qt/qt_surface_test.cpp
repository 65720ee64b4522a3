// The Qt drawing surface beyond the one-to-one board the golden images pin: every zoom
// shows that board in hard-edged blocks, a slide, a double inversion and a missing picture
// leave no trace, and a picture compressed at rest comes back unchanged.
#include "board/recording_surface.h"
#include "qt/board/qt_surface.h"

#include <gtest/gtest.h>

#include <utility>

namespace tarmigo::testing {
namespace {
QImage enlarged(const QImage& image, int zoom) {
    QImage big(image.size() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, image.pixel(x / zoom, y / zoom));
    return big;
}

TEST(QtSurface, EveryZoomShowsTheOneToOneBoardInBlocksAndARestLeavesItUnchanged) {
    RecordingSurface r(240, 40);
    r.fillRect({2, 3, 7, 9}, colors::Red, Pen::Black);
    r.fillRect({10, 10, 15, 15}, colors::Blue, Pen::White);
    r.fillRect({20, 2, 30, 8}, colors::Green, Pen::Null);
    r.fillRect({0, 30, 40, 31}, colors::LightGrey, Pen::Black); // a line
    r.drawBitmap(107, 122, 32, 5, 18, 26);                      // tinted
    r.drawBitmap(110, 0, -5, 12, 18, 26);                       // past the left edge
    r.invertRect(-3, 20, 16, 30);                               // past two edges
    const QImage one = renderRecording(r, 1);
    EXPECT_TRUE(one.pixel(12, 39) == 0xFF000000 && one.pixel(13, 39) == 0xFFFFFFFF); // inverted
    for (int zoom : {2, 3}) EXPECT_EQ(renderRecording(r, zoom), enlarged(one, zoom)) << zoom;
    // A card slid over a saved block, a second inversion and missing pictures leave no trace.
    r.saveBlock(8, 8, 18, 26);
    r.drawBitmap(101, 0, 8, 8, 18, 26);
    r.restoreBlock(8, 8);
    r.invertRect(-3, 20, 16, 30);
    r.invertRect(-3, 20, 16, 30);
    for (int missing : {0, 126, 999}) r.drawBitmap(missing, 122, 0, 0, 18, 26);
    EXPECT_EQ(renderRecording(r, 1), one);
    EXPECT_EQ(renderRecording(r, 3), enlarged(one, 3));
    // Compressed before every drawing, as a board at rest, the picture comes back unchanged;
    // among the drawings, text and a picture whose every pixel differs from the next, wider
    // than the longest run of pixels kept as they are.
    Bitmaps pictures = Bitmaps::packed();
    QImage noise(200, 30, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, qRgb(x * 7, y * 13, x * y));
    pictures.set(125, noise);
    r.drawBitmap(125, 0, 38, 4, 200, 30);
    r.drawText("Tap a card to play it", {40, 20, 200, 34}, HAlign::Left, VAlign::Top);
    r.fillRect({238, 0, 240, 40}, colors::Red, Pen::Null); // a last pixel of its own
    for (int zoom : {1, 2, 3}) {
        QtSurface whole(240, 40, zoom, pictures), rested(240, 40, zoom, pictures);
        for (const DrawOp& op : r.ops()) {
            applyDraw(op, whole);
            rested.compress();
            ASSERT_TRUE(rested.compressed());
            applyDraw(op, rested);
        }
        rested.compress();
        EXPECT_EQ(std::as_const(rested).image(), whole.image()) << "zoom " << zoom;
    }
}
} // namespace
} // namespace tarmigo::testing
