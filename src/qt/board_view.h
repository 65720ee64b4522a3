#pragma once
// The board on the screen: the board image shown at a whole zoom, centred in the
// board's own colours when the window is larger, and the mouse or a touch as the stylus.
#include "qt/qt_surface.h"

#include <QPoint>
#include <QRectF>
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

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    bool event(QEvent* event) override;

  private:
    void paintSurround(QPainter& painter, const QRectF& area, const QImage& image);

    int zoom_ = 1;
    std::unique_ptr<QtSurface> surface_;
    bool densityNoticed_ = false;
};

} // namespace tarmigo
