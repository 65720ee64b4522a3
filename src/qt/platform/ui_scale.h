#pragma once
// How the window's own controls grow with the board's zoom.
#include <QFont>

class QWidget;

namespace tarmigo {

// The board's logical size: a 240 x 320 board less the 26-pixel menu bar along its bottom.
inline constexpr int ScreenWidth = 240;
inline constexpr int ScreenHeight = 320;
inline constexpr int BoardWidth = ScreenWidth;
inline constexpr int BoardHeight = ScreenHeight - 26;
inline constexpr int MenuBarHeight = ScreenHeight - BoardHeight;
inline constexpr int MaxZoom = 8;
// What a dialog's frame may add to its width, left and right.
inline constexpr int DialogFrameWidth = 8;

// How much larger than the desktop's own the menus and dialogs are beside a board at a
// zoom: their text a little larger at 2, then everything, half as fast as the board,
// from 3 on (1.5 at 3, 2.5 at 5), so that they do not stay tiny beside a large board.
double uiScale(int zoom);
// The font of the menus and dialogs at a zoom.
QFont uiFont(int zoom);
// Gives a dialog or a menu, and every control in it, the size for a zoom: the font, and
// from 3 on the style's measures too (check boxes, arrows, sliders, margins).
void scaleToZoom(QWidget* widget, int zoom);
// Whether a dialog, at the size it asks for and with room for a window frame, is no wider
// than the game's window at a zoom.
bool fitsGameWindow(const QWidget* dialog, int zoom);

// The zoom that fits comfortably in a screen area (width x height, in pixels), and
// the largest that fits at all; both at least 1.
int comfortableZoom(int availableWidth, int availableHeight);
int largestZoom(int availableWidth, int availableHeight);

} // namespace tarmigo
