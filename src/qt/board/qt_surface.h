#pragma once
// The board's drawing surface on a Qt image, every coordinate scaled by a whole
// zoom factor: pictures are enlarged pixel for pixel, text is drawn at the
// enlarged size so that it stays sharp. The image keeps three bytes a pixel
// (red, green, blue) rather than four: the board is opaque, 830 KiB at zoom 2
// instead of 1.1 MiB. A board left alone keeps its picture compressed, a tenth of
// that or less, until it is next drawn on or looked at. Text comes from the packed
// board font where it has the size and the characters, else from Qt's font, loaded
// then.
#include "board/recording_surface.h"
#include "board/surface.h"
#include "qt/board/bitmaps.h"
#include "qt/board/board_font.h"

#include <QFont>
#include <QFontMetrics>
#include <QImage>

#include <memory>
#include <vector>

namespace tarmigo {

struct PackedFontSize;

class QtSurface : public DrawingSurface {
  public:
    // A white width x height board (in board pixels) on an image zoom times larger.
    // The pictures are borrowed: they must outlive the surface.
    QtSurface(int width, int height, int zoom = 1, const Bitmaps& bitmaps = boardBitmaps());

    void fillRect(const Rect& r, Rgb brush, Pen pen) override;
    void drawBitmap(int bitmapId, int tintId, int x, int y, int w, int h) override;
    void invertRect(int x, int y, int w, int h) override;
    void drawText(std::string_view text, const Rect& r, HAlign h, VAlign v) override;
    void setBackground(Rgb colour) override { background_ = colour; }
    Rgb background() const override { return background_; }
    void saveBlock(int x, int y, int w, int h) override;
    void restoreBlock(int x, int y) override;
    // The text of a string id in the language the program speaks.
    std::string text(int id) const override;
    int textWidth(std::string_view text) const override;

    // The picture, expanded first if it was compressed.
    const QImage& image() const;
    int zoom() const { return zoom_; }
    // Paints the whole image one colour.
    void clear(Rgb colour = colors::White);
    // Keeps the picture as runs of one colour, row by row, and gives the image's memory
    // back to the system. The next drawing or look at it expands it again, unchanged.
    void compress();
    bool compressed() const { return !runs_.empty(); }

  private:
    // Raw access to the pixels, taken afresh at the start of every operation (which
    // expands a compressed picture).
    void beginWrite();
    void expand() const;
    uchar* row(int y);
    // Fills a box given in image pixels, clipped to the image (after beginWrite).
    void fillPixels(int left, int top, int width, int height, QRgb colour);
    // Draws a text the packed font cannot with Qt's font.
    void drawTextWithQt(const QString& text, const QRect& box, int x, int baseline);

    // The picture: the image, or while compressed its runs and a null image.
    mutable QImage image_;
    mutable std::vector<uchar> runs_;
    QSize size_;
    int zoom_;
    const Bitmaps& bitmaps_;
    Rgb background_ = colors::White;
    const PackedFontSize* packed_;
    // Qt's board font, for the texts the packed font cannot draw.
    const QFontMetrics& metrics();
    QFont font_;
    std::unique_ptr<QFontMetrics> metrics_;
    uchar* bits_ = nullptr;
    qsizetype stride_ = 0;
    // The one save buffer of the slides (three bytes a pixel), sized for a card at
    // construction.
    std::vector<uchar> saved_;
    int savedWidth_ = 0;
    int savedHeight_ = 0;
};

// Plays a recorded paint onto a fresh white image of the recording's size, zoomed.
QImage renderRecording(const RecordingSurface& recording, int zoom);

} // namespace tarmigo
