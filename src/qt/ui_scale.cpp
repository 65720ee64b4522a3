#include "qt/ui_scale.h"

#include <QApplication>

#include <algorithm>
#include <cmath>

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
    // Check boxes, arrows and sliders keep the style's size, so the text grows only
    // so far beside them.
    const double scale = std::clamp(zoom * 0.625, 1.0, 1.5);
    if (font.pixelSize() > 0)
        font.setPixelSize(int(std::lround(font.pixelSize() * scale)));
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
