#include "qt/board/board_view.h"

#include "board/places.h"
#include "qt/board/board_font.h"
#include "qt/platform/ui_scale.h"

#include <QKeyEvent>

#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QTouchEvent>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

namespace tarmigo {
namespace {

// The rows of the board's image drawn at a time: Qt's raster engine spreads a
// drawing of more than 95 rows over threads.
constexpr int PaintBand = 64;

// A board shown unchanged for a second is at rest: between moves, behind a dialog,
// on a desktop left alone. (A slide's frames come far closer together.)
constexpr int RestAfterMs = 1000;

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

BoardView::BoardView(QWidget* parent) : QWidget(parent), focusPlace_(target::StatusLine) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setAttribute(Qt::WA_AcceptTouchEvents);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    setMinimumSize(BoardWidth / 2, BoardHeight / 2);
    rest_.setSingleShot(true);
    rest_.setInterval(RestAfterMs);
    connect(&rest_, &QTimer::timeout, this, [this] {
        if (surface_) surface_->compress();
    });
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

void BoardView::repaintBoardPixels(const QRect& box) {
    const QRectF area = boardArea();
    const double scale = area.width() / BoardWidth;
    repaint(QRectF(area.left() + box.left() * scale, area.top() + box.top() * scale,
                   box.width() * scale, box.height() * scale)
                .toAlignedRect());
}

void BoardView::paintEvent(QPaintEvent* event) {
    QPainter painter(this);
    const QRectF area = boardArea();
    const QImage& image = surface().image();
    if (!area.contains(event->rect())) paintSurround(painter, area, image);
    // Whole-number enlargements keep every pixel square; only a squeezed board is smoothed.
    const qreal density = devicePixelRatioF();
    const bool exact = std::abs(area.width() * density - image.width()) < 0.5;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, !exact);
    if (exact && density == 1) {
        // In bands of rows: Qt converts the image's three-byte pixels on the way, and
        // hands a larger area to worker threads that it starts for this alone. (Not
        // on a scaled screen, where the bands' edges might not meet exactly.)
        // Only the bands the event asks for: a slide's frame changes two cards' boxes.
        const QRect asked = event->rect().translated(-area.topLeft().toPoint());
        for (int y = 0; y < image.height(); y += PaintBand) {
            const int rows = std::min(PaintBand, image.height() - y);
            if (y >= asked.bottom() + 1 || y + rows <= asked.top()) continue;
            painter.drawImage(QRectF(area.left(), area.top() + y, area.width(), rows), image,
                              QRectF(0, y, image.width(), rows));
        }
    } else {
        painter.drawImage(area, image);
    }
    paintMarks(painter, area);
    painter.end();
    rest_.start();

    if (!densityNoticed_ && needsNewImage() && onDensityChanged) {
        densityNoticed_ = true;
        QMetaObject::invokeMethod(
            this, [this] { onDensityChanged(); }, Qt::QueuedConnection);
    }
    if (onPainted) onPainted();
}

QRectF BoardView::onScreen(const QRectF& area, const Rect& box) const {
    const qreal scale = area.width() / BoardWidth;
    return {area.left() + box.left * scale, area.top() + box.top * scale,
            (box.right - box.left) * scale, (box.bottom - box.top) * scale};
}

void BoardView::paintMarks(QPainter& painter, const QRectF& area) {
    const qreal scale = area.width() / BoardWidth;
    const auto ring = [&](const Rect& box, const QColor& colour) {
        // Two board pixels wide at any zoom, a white line inside it so that it shows on
        // dark cards and on the white board alike.
        const QRectF r = onScreen(area, box);
        painter.setBrush(Qt::NoBrush);
        painter.setPen(QPen(colour, 2 * scale));
        painter.drawRect(r.adjusted(scale, scale, -scale, -scale));
        painter.setPen(QPen(Qt::white, scale));
        painter.drawRect(r.adjusted(2.5 * scale, 2.5 * scale, -2.5 * scale, -2.5 * scale));
    };
    if (!note_.isEmpty()) {
        const QRectF strip = onScreen(area, layout_.statusRect());
        painter.fillRect(strip, Qt::white);
        painter.setPen(Qt::black);
        painter.setFont(boardFont(std::max(1, int(scale))));
        painter.drawText(strip.adjusted(5 * scale, scale, -scale, 0),
                         Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, note_);
    }
    bool hinted = false; // the focused place is one the hint rings
    const Rect focused = place::ringBox(layout_, focusPlace_);
    for (const QRect& h : hint_) {
        if (h.isNull()) continue;
        const Rect r{h.left() - 2, h.top() - 2, h.right() + 3, h.bottom() + 3};
        ring(r, QColor(0, 160, 0));
        hinted = hinted || (r.left == focused.left && r.top == focused.top);
    }
    if (hasFocus() && layout_.screenWidth > 0) {
        Rect box = focused;
        if (focusPlace_ == target::StatusLine)
            box.top -= 3; // above the text, which begins at the strip's top
        else if (hinted)
            box = {box.left - 2, box.top - 2, box.right + 2, box.bottom + 2}; // around the hint's
        ring(box, QColor(0, 64, 224));
    }
}

void BoardView::setFocusPlace(int place) {
    if (place::visitIndex(place) < 0 || place == focusPlace_) return;
    focusPlace_ = place;
    update();
    if (onFocusMoved) onFocusMoved(place);
}

void BoardView::showHint(const QRect& card, const QRect& place) {
    hint_[0] = card;
    hint_[1] = place;
    update();
}

void BoardView::showNote(const QString& note) {
    note_ = note;
    update();
}

void BoardView::clearMarks() {
    if (note_.isEmpty() && !hintShown()) return;
    hint_[0] = hint_[1] = QRect();
    note_.clear();
    update();
}

void BoardView::keyPressEvent(QKeyEvent* event) {
    // Left and Right go round the places in order; Up and Down between the cards and
    // the status line, Up coming back to the first slot.
    const int count = int(place::Visited.size());
    const int at = place::visitIndex(focusPlace_);
    const auto step = [&](int by) { return place::Visited[(at + count + by) % count]; };
    constexpr int FirstSlot = place::Visited.front();
    switch (event->key()) {
    case Qt::Key_Left: setFocusPlace(step(-1)); break;
    case Qt::Key_Right: setFocusPlace(step(1)); break;
    case Qt::Key_Up:
        setFocusPlace(focusPlace_ == target::StatusLine ? FirstSlot : focusPlace_);
        break;
    case Qt::Key_Down: setFocusPlace(target::StatusLine); break;
    case Qt::Key_Home: setFocusPlace(FirstSlot); break;
    case Qt::Key_End: setFocusPlace(target::StatusLine); break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter: {
        if (event->isAutoRepeat()) break;
        const Point p = place::tapPoint(layout_, {focusPlace_});
        if (onPlaceTapped) onPlaceTapped(QPoint(p.x, p.y));
        break;
    }
    default: QWidget::keyPressEvent(event); return;
    }
    event->accept();
}

void BoardView::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // The place is named again whenever the board takes the focus (the start, the end of
    // a dialog): once the board's own focus has been told, which follows this event.
    QTimer::singleShot(0, this, [this] {
        if (hasFocus() && onFocusMoved) onFocusMoved(focusPlace_);
    });
}

void BoardView::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

void BoardView::paintSurround(QPainter& painter, const QRectF& area, const QImage& image) {
    // The board's edges carry on to the view's: the room around it takes the board's
    // own colours, each side those of the board's edge beside it.
    painter.setRenderHint(QPainter::SmoothPixmapTransform, false);
    const qreal w = image.width();
    const qreal h = image.height();
    const QRectF view = rect();
    const qreal left = area.left();
    const qreal top = area.top();
    const qreal right = area.right();
    const qreal bottom = area.bottom();
    const std::pair<QRectF, QRectF> sides[] = {
        {QRectF(0, top, left, area.height()), QRectF(0, 0, 1, h)},
        {QRectF(right, top, view.right() - right, area.height()), QRectF(w - 1, 0, 1, h)},
        {QRectF(left, 0, area.width(), top), QRectF(0, 0, w, 1)},
        {QRectF(left, bottom, area.width(), view.bottom() - bottom), QRectF(0, h - 1, w, 1)},
    };
    for (const auto& [to, from] : sides)
        if (!to.isEmpty()) painter.drawImage(to, image, from);
    const std::pair<QRectF, QPoint> corners[] = {
        {QRectF(0, 0, left, top), QPoint(0, 0)},
        {QRectF(right, 0, view.right() - right, top), QPoint(int(w) - 1, 0)},
        {QRectF(0, bottom, left, view.bottom() - bottom), QPoint(0, int(h) - 1)},
        {QRectF(right, bottom, view.right() - right, view.bottom() - bottom),
         QPoint(int(w) - 1, int(h) - 1)},
    };
    for (const auto& [to, from] : corners)
        if (!to.isEmpty()) painter.fillRect(to, QColor(image.pixel(from)));
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
