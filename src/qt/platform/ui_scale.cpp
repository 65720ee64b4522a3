#include "qt/platform/ui_scale.h"

#include <QApplication>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include <algorithm>
#include <cmath>
#include <map>

namespace tarmigo {
namespace {

// Room for the window frame and title bar that the zoom does not scale.
constexpr int FrameWidth = 16;
constexpr int FrameHeight = 48;

// From this zoom on the controls grow with their text.
constexpr int WholeScaleZoom = 3;

int fittingZoom(int width, int height) {
    const int byWidth = (width - FrameWidth) / ScreenWidth;
    const int byHeight = (height - FrameHeight) / ScreenHeight;
    return std::clamp(std::min(byWidth, byHeight), 1, MaxZoom);
}

// The desktop's style with its measures enlarged: the boxes, arrows and margins of the
// controls grow with their text.
class ScaledStyle : public QProxyStyle {
  public:
    // Over a style of the application's kind (the proxy owns it).
    explicit ScaledStyle(double scale)
        : QProxyStyle(QStyleFactory::create(QApplication::style()->name())), scale_(scale) {}

    int pixelMetric(PixelMetric metric, const QStyleOption* option,
                    const QWidget* widget) const override {
        const int size = QProxyStyle::pixelMetric(metric, option, widget);
        return int(std::lround(size * scale_));
    }

  private:
    double scale_;
};

QStyle* styleFor(int zoom) {
    // One style a zoom, kept as long as the application.
    static std::map<int, QPointer<QStyle>> styles;
    QPointer<QStyle>& style = styles[zoom];
    if (!style) {
        style = new ScaledStyle(uiScale(zoom));
        style->setParent(qApp);
    }
    return style;
}

} // namespace

double uiScale(int zoom) {
    if (zoom >= WholeScaleZoom) return zoom * 0.5;
    return std::clamp(zoom * 0.625, 1.0, 1.25);
}

QFont uiFont(int zoom) {
    QFont font = QApplication::font();
    const double scale = uiScale(zoom);
    if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

void scaleToZoom(QWidget* widget, int zoom) {
    widget->setFont(uiFont(zoom));
    // Below 3 the style keeps its own measures (null: the application's), beside a text
    // that grows only a little. A widget's style is its own, not its children's.
    QStyle* style = zoom >= WholeScaleZoom ? styleFor(zoom) : nullptr;
    const auto give = [style](QWidget* w) {
        if (w->style() != (style ? style : QApplication::style())) w->setStyle(style);
    };
    give(widget);
    const QFont font = uiFont(zoom);
    for (QWidget* child : widget->findChildren<QWidget*>()) {
        give(child);
        // A window among them (a submenu) takes no font from its parent.
        if (child->isWindow()) child->setFont(font);
    }
}

bool fitsGameWindow(const QWidget* dialog, int zoom) {
    return dialog->sizeHint().width() <= ScreenWidth * zoom - DialogFrameWidth;
}

int comfortableZoom(int availableWidth, int availableHeight) {
    // Leave a tenth of the screen free around the window.
    return fittingZoom(availableWidth * 9 / 10, availableHeight * 9 / 10);
}

int largestZoom(int availableWidth, int availableHeight) {
    return fittingZoom(availableWidth, availableHeight);
}

} // namespace tarmigo
