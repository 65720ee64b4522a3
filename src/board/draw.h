#pragma once
// Drawing the board on the current surface. Every routine does nothing when no
// surface is current (a tap in the replay driver, the simulator).
#include "board/surface.h"
#include "board/table.h"

#include <string_view>

namespace tarmigo {

class DrawingSurface;

// The paint handler: draws the whole board on the given surface.
void paintWindow(Table& g, DrawingSurface& surface);
void drawBoard(Table& g);

void drawGrid(Table& g);
void drawMileageBar(Table& g);
void drawCarMarkers(Table& g);
void drawMilesAndHeaders(Table& g);
void drawPlayerHeader(Table& g, int player);
void drawHeaders(Table& g);
void drawLowerBoard(Table& g);
void drawHand(Table& g);
void coverHand(Table& g);
void drawDeckArea(Table& g);
void drawCardsLeft(Table& g);
void drawPlayerPanels(Table& g);
void drawSafetyRow(Table& g, int player);
void drawBattlePile(Table& g, int player);
void drawSpeedPile(Table& g, int player);
void drawDistanceArea(Table& g, int player);

// One line of board text whose top is at y: left-aligned it starts at x and may run
// to the right edge of the screen, right-aligned it ends at x.
void drawTextAt(Table& g, std::string_view text, int x, int y, HAlign align);

// Inverts the highlight rectangle of hand slot s (1..7; 0 lies left of the window).
void invertSlotHighlight(Table& g, int slot);

} // namespace tarmigo
