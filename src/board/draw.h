#pragma once
// Drawing the board on the current surface. Every routine does nothing when no
// surface is current (a tap in the replay driver, the simulator).
#include "game/game.h"

#include <string_view>

namespace tarmigo {

class DrawingSurface;

// The paint handler: draws the whole board on the given surface.
void paintWindow(Game& g, DrawingSurface& surface);
void drawBoard(Game& g);

void drawGrid(Game& g);
void drawMileageBar(Game& g);
void drawCarMarkers(Game& g);
void drawMilesAndHeaders(Game& g);
void drawPlayerHeader(Game& g, int player);
void drawHeaders(Game& g);
void drawLowerBoard(Game& g);
void drawHand(Game& g);
void coverHand(Game& g);
void drawDeckArea(Game& g);
void drawCardsLeft(Game& g);
void drawPlayerPanels(Game& g);
void drawSafetyRow(Game& g, int player);
void drawBattlePile(Game& g, int player);
void drawSpeedPile(Game& g, int player);
void drawDistanceArea(Game& g, int player);

// One line of board text whose top is at y: left-aligned it starts at x and may run
// to the right edge of the screen, otherwise it ends at x.
void drawTextAt(Game& g, std::string_view text, int x, int y, bool leftAligned);

// Inverts the highlight rectangle of hand slot s (1..7; 0 lies left of the window).
void invertSlotHighlight(Game& g, int slot);

} // namespace tarmigo
