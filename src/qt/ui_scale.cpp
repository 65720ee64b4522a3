#include "qt/ui_scale.h"

#include <QApplication>

#include <algorithm>

namespace tarmigo {
namespace {

// Room for the window frame and title bar that the zoom does not scale.
constexpr int FrameWidth = 16;
constexpr int FrameHeight = 48;

int fittingZoom(int width, int height) {
    const int byWidth = (width - FrameWidth) / ScreenWidth;
    const int byHeight = (height - FrameHeight) / ScreenHeight;
    return std::clamp(std::min(byWidth, byHeight), 1, MaxZoom);
}

} // namespace

QFont uiFont(int zoom) {
    QFont font = QApplication::font();
    const double scale = std::max(1.0, zoom * 0.625);
    if (font.pixelSize() > 0)
        font.setPixelSize(int(font.pixelSize() * scale + 0.5));
    else
        font.setPointSizeF(font.pointSizeF() * scale);
    return font;
}

int comfortableZoom(int availableWidth, int availableHeight) {
    // Leave a tenth of the screen free around the window.
    return fittingZoom(availableWidth * 9 / 10, availableHeight * 9 / 10);
}

int largestZoom(int availableWidth, int availableHeight) {
    return fittingZoom(availableWidth, availableHeight);
}

} // namespace tarmigo
