#pragma once
// The board on the screen: the board image shown at a whole zoom, centred in the
// board's own colours when the window is larger, and the mouse or a touch as the stylus.
#include "board/layout.h"
#include "qt/board/qt_surface.h"

#include <QPoint>
#include <QRectF>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

class QPainter;
#include <memory>

namespace tarmigo {

class BoardView : public QWidget {
  public:
    explicit BoardView(QWidget* parent = nullptr);
    ~BoardView() override;

    // Makes a new, white board image for a zoom (the caller then draws the board).
    void setZoom(int zoom);
    int zoom() const { return zoom_; }
    // The board image; taps and paints draw on it. Made by the first setZoom().
    QtSurface& surface();
    // True when the screen's pixel density no longer matches the board image.
    bool needsNewImage() const;

    // Where the board is shown in the widget.
    QRectF boardArea() const;
    // Shows at once what changed in a box of board pixels, and nothing else.
    void repaintBoardPixels(const QRect& box);
    // A widget position in board pixels: rounded down, kept within 16 bits.
    QPoint toBoard(QPointF position) const;

    QSize sizeHint() const override;

    // The stylus: pen down anywhere in the view; pen up wherever it is released.
    std::function<void()> onPenDown;
    std::function<void(QPoint)> onPenUp;
    // The screen's pixel density changed (the window moved to another screen).
    std::function<void()> onDensityChanged;
    // After each paint of the widget.
    std::function<void()> onPainted;

    // The keyboard's place on the board, by its target code (board/places.h), shown by a
    // ring while the board has the focus; the arrow keys move it and Enter or Space taps it.
    void setPlaces(const Layout& layout) { layout_ = layout; }
    int focusPlace() const { return focusPlace_; }
    void setFocusPlace(int place);
    std::function<void(int place)> onFocusMoved;
    std::function<void(QPoint boardPoint)> onPlaceTapped;

    // Marks the window draws over the board, never into its image: the hint's two
    // boxes (board pixels) and a note over the status strip. Gone at the next tap.
    void showHint(const QRect& card, const QRect& place);
    void showNote(const QString& note);
    void clearMarks();
    const QString& note() const { return note_; }
    bool hintShown() const { return !hint_[0].isNull(); }

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

  private:
    void paintSurround(QPainter& painter, const QRectF& area, const QImage& image);
    void paintMarks(QPainter& painter, const QRectF& area);
    QRectF onScreen(const QRectF& area, const Rect& box) const;

    Layout layout_;
    int focusPlace_;
    QRect hint_[2];
    QString note_;

    int zoom_ = 1;
    std::unique_ptr<QtSurface> surface_;
    bool densityNoticed_ = false;
    // Started by every paint: a board shown unchanged this long compresses its picture.
    QTimer rest_;
};

} // namespace tarmigo
