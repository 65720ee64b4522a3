// The Qt drawing surface beyond the one-to-one board the golden images pin (with the
// pictures packed into the program): every zoom shows that board in hard-edged blocks,
// a slide, a double inversion and a missing picture leave no trace, and a picture
// compressed at rest comes back unchanged.
#include "board/recording_surface.h"
#include "qt/board/board_view.h"
#include "qt/board/qt_surface.h"

#include <QTest>
#include <gtest/gtest.h>

namespace tarmigo::testing {
namespace {
QImage enlarged(const QImage& image, int zoom) {
    QImage big(image.size() * zoom, QImage::Format_RGB32);
    for (int y = 0; y < big.height(); ++y)
        for (int x = 0; x < big.width(); ++x) big.setPixel(x, y, image.pixel(x / zoom, y / zoom));
    return big;
}

TEST(QtSurface, EveryZoomShowsTheOneToOneBoardInBlocksOfZoomPixels) {
    RecordingSurface r(64, 40);
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
    r.saveBlock(44, 10, 18, 26);
    r.drawBitmap(101, 0, 44, 10, 18, 26);
    r.restoreBlock(44, 10);
    r.invertRect(-3, 20, 16, 30);
    r.invertRect(-3, 20, 16, 30);
    for (int missing : {0, 126, 999}) r.drawBitmap(missing, 122, 0, 0, 18, 26);
    EXPECT_EQ(renderRecording(r, 1), one);
    EXPECT_EQ(renderRecording(r, 3), enlarged(one, 3));
}
TEST(QtSurface, APictureCompressedBetweenAnyTwoDrawingsComesBackUnchanged) {
    // A picture whose every pixel differs from the next, wider than the longest run of
    // pixels kept as they are; the rest of the board is long runs of one colour.
    Bitmaps pictures = Bitmaps::packed();
    QImage noise(200, 30, QImage::Format_RGB32);
    for (int y = 0; y < noise.height(); ++y)
        for (int x = 0; x < noise.width(); ++x) noise.setPixel(x, y, qRgb(x * 7, y * 13, x * y));
    pictures.set(101, noise);
    RecordingSurface r(240, 60);
    r.fillRect({0, 0, 240, 60}, colors::LightGrey, Pen::Null);
    r.drawBitmap(101, 0, 20, 4, 200, 30);
    r.drawBitmap(107, 122, 2, 30, 18, 26);
    r.fillRect({30, 40, 237, 58}, colors::Blue, Pen::Black);
    r.drawText("Tap a card to play it", {40, 42, 200, 56}, HAlign::Left, VAlign::Top);
    r.saveBlock(100, 20, 18, 26); // a slide over the noise and the text
    r.drawBitmap(110, 0, 100, 20, 18, 26);
    r.restoreBlock(100, 20);
    r.invertRect(0, 25, 240, 10);
    r.fillRect({238, 0, 240, 60}, colors::Red, Pen::Null); // a last pixel of its own
    for (int zoom : {1, 2, 3}) {
        QtSurface whole(240, 60, zoom, pictures);
        QtSurface rested(240, 60, zoom, pictures);
        for (const DrawOp& op : r.ops()) {
            applyDraw(op, whole);
            rested.compress();
            ASSERT_TRUE(rested.compressed());
            applyDraw(op, rested);
            EXPECT_FALSE(rested.compressed());
        }
        rested.compress();
        const QtSurface& looked = rested;
        EXPECT_EQ(looked.image(), whole.image()) << "zoom " << zoom;
        EXPECT_FALSE(rested.compressed());
    }
}

TEST(BoardView, ABoardLeftAloneCompressesItsPictureAndStillShowsIt) {
    BoardView view;
    view.setZoom(2);
    view.surface().fillRect({10, 10, 60, 40}, colors::Green, Pen::Black);
    view.show();
    const QImage shown = view.grab().toImage();
    EXPECT_FALSE(view.surface().compressed()); // painted just now
    EXPECT_TRUE(QTest::qWaitFor([&] { return view.surface().compressed(); }, 5000));
    EXPECT_EQ(view.grab().toImage(), shown);
}

} // namespace
} // namespace tarmigo::testing
