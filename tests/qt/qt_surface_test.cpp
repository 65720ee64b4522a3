// The Qt drawing surface: exact pixel boxes at any zoom, inversion, the OR tint,
// crisp enlarged pictures, opaque text cells, the save buffer and recorded paints.
#include "board/animation.h"
#include "board/draw.h"
#include "board/layout.h"
#include "board/table.h"
#include "qt/qt_surface.h"
#include "support/test_host.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <memory>
#include <new>

// Counts the allocations made while a slide runs: its steps must make none.
namespace {
std::atomic<bool> countingAllocations{false};
std::atomic<long> allocations{0};
} // namespace

void* operator new(std::size_t size) {
    if (countingAllocations) ++allocations;
    if (void* p = std::malloc(size ? size : 1)) return p;
    throw std::bad_alloc();
}
void operator delete(void* p) noexcept {
    std::free(p);
}
void operator delete(void* p, std::size_t) noexcept {
    std::free(p);
}

namespace tarmigo::testing {
namespace {

// Fonts need an application object; the offscreen platform needs no display.
class QtEnvironment : public ::testing::Environment {
  public:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
        static int argc = 1;
        static char name[] = "tarmigo_qt_surface_tests";
        static char* argv[] = {name, nullptr};
        app_ = std::make_unique<QGuiApplication>(argc, argv);
    }
    void TearDown() override { app_.reset(); }

  private:
    std::unique_ptr<QGuiApplication> app_;
};
const auto* const environment = ::testing::AddGlobalTestEnvironment(new QtEnvironment);

constexpr QRgb White = 0xFFFFFFFF;
constexpr QRgb Black = 0xFF000000;
constexpr QRgb Red = 0xFFFF8888;

QRgb at(const QtSurface& s, int x, int y) {
    return s.image().pixel(x, y);
}

// Every pixel of the image box is the colour.
bool boxIs(const QtSurface& s, int left, int top, int right, int bottom, QRgb colour) {
    for (int y = top; y < bottom; ++y)
        for (int x = left; x < right; ++x)
            if (at(s, x, y) != colour) return false;
    return true;
}

// A picture whose pixels are given row by row.
QImage picture(int w, int h, std::initializer_list<QRgb> pixels) {
    QImage image(w, h, QImage::Format_RGB32);
    auto it = pixels.begin();
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixel(x, y, *it++);
    return image;
}

TEST(QtSurface, FillWithPenOutlinesTheWholeBoxAtZoomOne) {
    Bitmaps none;
    QtSurface s(40, 40, 1, none);
    s.fillRect({2, 3, 7, 9}, colors::Red, Pen::Black);
    EXPECT_TRUE(boxIs(s, 3, 4, 6, 8, Red));
    EXPECT_EQ(at(s, 2, 3), Black);
    EXPECT_EQ(at(s, 6, 8), Black);
    EXPECT_EQ(at(s, 6, 5), Black);
    EXPECT_EQ(at(s, 7, 5), White);
    EXPECT_EQ(at(s, 4, 9), White);

    // The null pen fills one pixel narrower and lower, with no outline.
    s.clear();
    s.fillRect({2, 3, 7, 9}, colors::Red, Pen::Null);
    EXPECT_TRUE(boxIs(s, 2, 3, 6, 8, Red));
    EXPECT_EQ(at(s, 6, 3), White);
    EXPECT_EQ(at(s, 2, 8), White);
}

TEST(QtSurface, FillsScaleByTheZoom) {
    Bitmaps none;
    QtSurface s(40, 40, 3, none);
    EXPECT_EQ(s.image().size(), QSize(120, 120));
    s.fillRect({2, 3, 7, 9}, colors::Red, Pen::White);
    s.fillRect({10, 10, 15, 15}, colors::Blue, Pen::Black);
    // A three-pixel black outline around blue.
    EXPECT_TRUE(boxIs(s, 30, 30, 45, 33, Black));
    EXPECT_TRUE(boxIs(s, 30, 30, 33, 45, Black));
    EXPECT_TRUE(boxIs(s, 42, 30, 45, 45, Black));
    EXPECT_TRUE(boxIs(s, 30, 42, 45, 45, Black));
    EXPECT_TRUE(boxIs(s, 33, 33, 42, 42, qRgb(136, 136, 255)));
    EXPECT_EQ(at(s, 45, 35), White);
    EXPECT_EQ(at(s, 29, 35), White);

    s.clear();
    s.fillRect({2, 3, 7, 9}, colors::Red, Pen::Null);
    EXPECT_TRUE(boxIs(s, 6, 9, 18, 24, Red));
    EXPECT_EQ(at(s, 18, 9), White);
    EXPECT_EQ(at(s, 6, 24), White);
    EXPECT_EQ(at(s, 5, 9), White);
}

TEST(QtSurface, OnePixelLineIsZoomPixelsThickInThePenColour) {
    Bitmaps none;
    QtSurface s(20, 20, 3, none);
    s.fillRect({0, 5, 10, 6}, colors::LightGrey, Pen::Black);
    EXPECT_TRUE(boxIs(s, 0, 15, 30, 18, Black));
    EXPECT_EQ(at(s, 0, 14), White);
    EXPECT_EQ(at(s, 0, 18), White);
    EXPECT_EQ(at(s, 30, 16), White);
    s.fillRect({4, 0, 5, 10}, colors::LightGrey, Pen::White);
    EXPECT_TRUE(boxIs(s, 12, 15, 15, 18, White));
}

TEST(QtSurface, InvertTwiceRestoresAndClipsAtTheEdges) {
    Bitmaps none;
    for (int zoom : {1, 3}) {
        QtSurface s(30, 30, zoom, none);
        s.fillRect({0, 0, 10, 10}, colors::Red, Pen::Null);
        const QImage before = s.image().copy();
        s.invertRect(-3, 2, 16, 18);
        EXPECT_EQ(at(s, 0, 2 * zoom), qRgb(0, 119, 119));
        EXPECT_EQ(at(s, 13 * zoom - 1, 19 * zoom), Black);
        EXPECT_EQ(at(s, 13 * zoom, 19 * zoom), White);
        EXPECT_EQ(at(s, 0, 2 * zoom - 1), Red);
        s.invertRect(-3, 2, 16, 18);
        EXPECT_EQ(s.image(), before);
    }
}

TEST(QtSurface, TintIsCopiedFirstAndThePictureOredOntoIt) {
    Bitmaps set;
    set.set(107, picture(2, 1, {qRgb(0x10, 0x20, 0x40), qRgb(0, 0, 0)}));
    set.set(122, picture(2, 1, {qRgb(0x80, 0x80, 0x80), qRgb(0x80, 0x80, 0x80)}));
    for (int zoom : {1, 2}) {
        QtSurface s(10, 10, zoom, set);
        s.drawBitmap(107, 122, 1, 1, 2, 1);
        EXPECT_TRUE(boxIs(s, zoom, zoom, 2 * zoom, 2 * zoom, qRgb(0x90, 0xA0, 0xC0)));
        EXPECT_TRUE(boxIs(s, 2 * zoom, zoom, 3 * zoom, 2 * zoom, qRgb(0x80, 0x80, 0x80)));
        // Without a tint the picture is copied as it is.
        s.drawBitmap(107, 0, 1, 1, 2, 1);
        EXPECT_EQ(at(s, 2 * zoom, zoom), Black);
    }
}

TEST(QtSurface, MissingPicturesDrawNothing) {
    Bitmaps set;
    set.set(122, picture(1, 1, {Black}));
    QtSurface s(10, 10, 1, set);
    s.drawBitmap(107, 122, 0, 0, 18, 26);
    s.drawBitmap(0, 0, 0, 0, 18, 26);
    s.drawBitmap(999, 0, 0, 0, 18, 26);
    EXPECT_TRUE(boxIs(s, 0, 0, 10, 10, White));
}

TEST(QtSurface, PicturesAreEnlargedWithHardEdges) {
    Bitmaps set;
    set.set(101, picture(2, 2, {Black, White, White, Black}));
    QtSurface s(10, 10, 3, set);
    s.fillRect({0, 0, 10, 10}, colors::Red, Pen::Null);
    s.drawBitmap(101, 0, 1, 1, 2, 2);
    EXPECT_TRUE(boxIs(s, 3, 3, 6, 6, Black));
    EXPECT_TRUE(boxIs(s, 6, 3, 9, 6, White));
    EXPECT_TRUE(boxIs(s, 3, 6, 6, 9, White));
    EXPECT_TRUE(boxIs(s, 6, 6, 9, 9, Black));
    EXPECT_EQ(at(s, 2, 3), Red);
    EXPECT_EQ(at(s, 9, 9), Red);
}

TEST(QtSurface, SavedBlockComesBackAfterACardSlidesOverIt) {
    Bitmaps set;
    set.set(107, picture(2, 2, {Black, Black, Black, Black}));
    QtSurface s(10, 10, 2, set);
    s.fillRect({0, 0, 10, 10}, colors::Green, Pen::Black);
    const QImage before = s.image().copy();
    for (int x : {-1, 4, 9}) {
        s.saveBlock(x, 3, 2, 2);
        s.drawBitmap(107, 0, x, 3, 2, 2);
        s.restoreBlock(x, 3);
        EXPECT_EQ(s.image(), before) << x;
    }
}

TEST(QtSurface, TextCellIsOpaqueBlackOnTheBackgroundAndClipped) {
    Bitmaps none;
    QtSurface s(100, 40, 1, none);
    s.fillRect({0, 0, 101, 41}, colors::Red, Pen::Null);
    s.setBackground(colors::Blue);
    s.drawText("Hand", {10, 2, 44, 28}, HAlign::Center, VAlign::Top);
    int ink = 0;
    int blue = 0;
    int outside = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 100; ++x) {
            QRgb p = at(s, x, y);
            bool inside = x >= 10 && x < 44 && y >= 2 && y < 28;
            if (!inside && p != Red) ++outside;
            if (inside && p == qRgb(136, 136, 255)) ++blue;
            if (inside && qGray(p) < 80) ++ink;
        }
    EXPECT_EQ(outside, 0);
    EXPECT_GT(ink, 10);
    EXPECT_GT(blue, 50);
    EXPECT_EQ(at(s, 11, 27), Red); // below the cell the fill shows through
}

TEST(QtSurface, TextIsRenderedAtTheZoomedSize) {
    Bitmaps none;
    auto inkHeight = [&](int zoom) {
        QtSurface s(60, 20, zoom, none);
        s.drawText("Hd", {0, 0, 60, 20}, HAlign::Left, VAlign::Top);
        int top = -1, bottom = -1;
        for (int y = 0; y < s.image().height(); ++y)
            for (int x = 0; x < s.image().width(); ++x)
                if (qGray(at(s, x, y)) < 128) {
                    if (top < 0) top = y;
                    bottom = y;
                }
        return bottom - top + 1;
    };
    int one = inkHeight(1);
    int three = inkHeight(3);
    EXPECT_GE(one, 7);
    EXPECT_NEAR(three, 3 * one, 4);
}

TEST(QtSurface, RecordedPaintRendersZoomed) {
    RecordingSurface recording(20, 10);
    recording.fillRect({0, 0, 5, 5}, colors::Red, Pen::Black);
    recording.invertRect(10, 0, 2, 2);
    QImage image = renderRecording(recording, 2);
    EXPECT_EQ(image.size(), QSize(40, 20));
    EXPECT_EQ(image.pixel(0, 0), Black);
    EXPECT_EQ(image.pixel(3, 3), Red);
    EXPECT_EQ(image.pixel(21, 3), Black);
    EXPECT_EQ(image.pixel(24, 3), White);
}

TEST(QtSurface, SlideStepsAllocateNothing) {
    TestHost host;
    Table g(host, host);
    g.layout = computeLayout(240, 320);
    g.round.set(flag::animate, true);
    QtSurface s(240, 320, 3);
    paintWindow(g, s);
    g.surface = &s;
    allocations = 0;
    countingAllocations = true;
    slideBitmap(g, {.bitmap = Stop, .from = {5, 219}, .to = {141, 99}, .delay = 8});
    countingAllocations = false;
    EXPECT_EQ(host.animationSteps, 34);
    EXPECT_EQ(allocations, 0);
}

// With the real art: a two-player hand-over paints a light-grey hand row in a white frame.
TEST(QtSurface, HandOverBoardOnTheRealArt) {
    if (boardBitmaps().loadedCount() == 0) GTEST_SKIP() << "card pictures are not built in";
    EXPECT_EQ(boardBitmaps().loadedCount(), Bitmaps::LastId - Bitmaps::FirstId + 1);
    EXPECT_EQ(boardBitmaps().find(101)->size(), QSize(18, 26));
    EXPECT_EQ(boardBitmaps().find(123)->size(), QSize(12, 15));
    EXPECT_EQ(boardBitmaps().find(125)->size(), QSize(32, 32));

    TestHost host;
    Table g(host, host);
    g.layout = computeLayout(240, 320);
    g.playerCount = 2;
    g.round.raceLength = 700;
    g.round.set(flag::turnHandover, true);
    g.players[0].hand.fill(Go);
    g.players[1].hand.fill(Go);
    QtSurface s(240, 320, 1);
    paintWindow(g, s);
    const QRgb grey = qRgb(192, 192, 192);
    EXPECT_TRUE(boxIs(s, 2, 216, 170, 249, grey));
    EXPECT_TRUE(boxIs(s, 1, 215, 171, 216, White));
    EXPECT_TRUE(boxIs(s, 1, 249, 171, 250, White));
    EXPECT_TRUE(boxIs(s, 1, 215, 2, 250, White));
    EXPECT_TRUE(boxIs(s, 170, 215, 171, 250, White));
    EXPECT_TRUE(boxIs(s, 0, 214, 240, 215, Black));
    EXPECT_TRUE(boxIs(s, 171, 214, 172, 250, Black));
    // The draw pile's back is not white, and the race line is black.
    EXPECT_NE(at(s, 203, 232), White);
    EXPECT_EQ(at(s, 110, 60), Black);
}

} // namespace
} // namespace tarmigo::testing
