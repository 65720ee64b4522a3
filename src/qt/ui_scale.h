#pragma once
// How the window's own controls grow with the board's zoom.
#include <QFont>

namespace tarmigo {

// The board's logical size: a 240 x 320 board less the 26-pixel menu bar along its bottom.
inline constexpr int ScreenWidth = 240;
inline constexpr int ScreenHeight = 320;
inline constexpr int BoardWidth = ScreenWidth;
inline constexpr int BoardHeight = ScreenHeight - 26;
inline constexpr int MenuBarHeight = ScreenHeight - BoardHeight;
inline constexpr int MaxZoom = 8;

// The font of the menus and dialogs at a zoom: the desktop's own font at zoom 1,
// somewhat larger with a larger board, so that the dialogs stay in proportion with it.
QFont uiFont(int zoom);

// The zoom that fits comfortably in a screen area (width x height, in pixels), and
// the largest that fits at all; both at least 1.
int comfortableZoom(int availableWidth, int availableHeight);
int largestZoom(int availableWidth, int availableHeight);

} // namespace tarmigo
