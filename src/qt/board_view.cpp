#include "qt/board_view.h"

#include "qt/ui_scale.h"

#include <QMouseEvent>
#include <QPainter>
#include <QTouchEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarmigo {
namespace {

// The bars around the board when the window is larger than the board.
const QColor Letterbox(64, 64, 64);

// The rows of the board's image drawn at a time: Qt's raster engine spreads a
// drawing of more than 95 rows over threads.
constexpr int PaintBand = 64;

// The board image is drawn in device pixels, so that it stays sharp on dense screens.
int imageZoom(int zoom, qreal density) {
    return std::max(1, int(std::lround(zoom * density)));
}

int toBoardCoordinate(qreal widgetOffset, qreal scale) {
    const double v = std::floor(widgetOffset / scale);
    return int(std::clamp(v, double(std::numeric_limits<std::int16_t>::min()),
                          double(std::numeric_limits<std::int16_t>::max())));
}

} // namespace

BoardView::BoardView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(BoardWidth / 2, BoardHeight / 2);
}

BoardView::~BoardView() = default;

void BoardView::setZoom(int zoom) {
    zoom_ = std::clamp(zoom, 1, MaxZoom);
    surface_ =
        std::make_unique<QtSurface>(BoardWidth, BoardHeight, imageZoom(zoom_, devicePixelRatioF()));
    densityNoticed_ = false;
    updateGeometry();
    update();
}

QtSurface& BoardView::surface() {
    if (!surface_) setZoom(zoom_);
    return *surface_;
}

bool BoardView::needsNewImage() const {
    return surface_ && surface_->zoom() != imageZoom(zoom_, devicePixelRatioF());
}

QSize BoardView::sizeHint() const {
    return {BoardWidth * zoom_, BoardHeight * zoom_};
}

QRectF BoardView::boardArea() const {
    // The chosen zoom when there is room for it, else as large as fits, same proportions.
    qreal scale = zoom_;
    if (width() < BoardWidth * zoom_ || height() < BoardHeight * zoom_)
        scale = std::min(qreal(width()) / BoardWidth, qreal(height()) / BoardHeight);
    const qreal w = BoardWidth * scale;
    const qreal h = BoardHeight * scale;
    return {std::floor((width() - w) / 2), std::floor((height() - h) / 2), w, h};
}

QPoint BoardView::toBoard(QPointF position) const {
    const QRectF area = boardArea();
    const qreal scale = area.width() / BoardWidth;
    return {toBoardCoordinate(position.x() - area.left(), scale),
            toBoardCoordinate(position.y() - area.top(), scale)};
}

void BoardView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF area = boardArea();
    // The bars around a board smaller than the view.
    if (area != QRectF(rect())) painter.fillRect(rect(), Letterbox);
    const QImage& image = surface().image();
    // Whole-number enlargements keep every pixel square; only a squeezed board is smoothed.
    const qreal density = devicePixelRatioF();
    const bool exact = std::abs(area.width() * density - image.width()) < 0.5;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    if (exact && density == 1) {
        // In bands of rows: Qt converts the image's three-byte pixels on the way, and
        // hands a larger area to worker threads that it starts for this alone. (Not
        // on a scaled screen, where the bands' edges might not meet exactly.)
        for (int y = 0; y < image.height(); y += PaintBand) {
            const int rows = std::min(PaintBand, image.height() - y);
            painter.drawImage(QRectF(area.left(), area.top() + y, area.width(), rows), image,
                              QRectF(0, y, image.width(), rows));
        }
    } else {
        painter.drawImage(area, image);
    }
    painter.end();

    if (!densityNoticed_ && needsNewImage() && onDensityChanged) {
        densityNoticed_ = true;
        QMetaObject::invokeMethod(
            this, [this] { onDensityChanged(); }, Qt::QueuedConnection);
    }
    if (onPainted) onPainted();
}

void BoardView::mousePressEvent(QMouseEvent* event) {
    // Qt keeps sending the mouse to this widget until the button is released.
    if (event->button() == Qt::LeftButton && onPenDown) onPenDown();
}

void BoardView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && onPenUp) onPenUp(toBoard(event->position()));
}

bool BoardView::event(QEvent* event) {
    switch (event->type()) {
    case QEvent::TouchBegin:
        event->accept();
        if (onPenDown) onPenDown();
        return true;
    case QEvent::TouchUpdate: event->accept(); return true;
    case QEvent::TouchEnd: {
        auto* touch = static_cast<QTouchEvent*>(event);
        event->accept();
        if (!touch->points().isEmpty() && onPenUp)
            onPenUp(toBoard(touch->points().first().position()));
        return true;
    }
    default: return QWidget::event(event);
    }
}

} // namespace tarmigo
