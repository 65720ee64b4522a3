// Placeholders until the board drawing lands.
#include "board/animation.h"
#include "board/draw.h"
#include "board/status_line.h"

namespace tarmigo {
void paintWindow(Game& g, DrawingSurface& s) {
    DrawingSurface* old = g.surface;
    g.surface = &s;
    drawBoard(g);
    g.surface = old;
}
void drawBoard(Game&) {}
void drawGrid(Game&) {}
void drawMileageBar(Game&) {}
void drawCarMarkers(Game&) {}
void drawMilesAndHeaders(Game&) {}
void drawPlayerHeader(Game&, int) {}
void drawHeaders(Game&) {}
void drawLowerBoard(Game&) {}
void drawHand(Game&) {}
void coverHand(Game&) {}
void drawDeckArea(Game&) {}
void drawCardsLeft(Game&) {}
void drawPlayerPanels(Game&) {}
void drawSafetyRow(Game&, int) {}
void drawBattlePile(Game&, int) {}
void drawSpeedPile(Game&, int) {}
void drawDistanceArea(Game&, int) {}
void invertSlotHighlight(Game&, int) {}
void slideBitmap(Game&, int, int, int, int, int, int, int, int, int, bool) {}
void animatePlayedCard(Game&, int, int) {}
void animateDraw(Game&) {}
void clearStatusLine(Game&) {}
void drawStatusLine(Game&) {}
} // namespace tarmigo
