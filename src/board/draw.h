#pragma once
// Drawing the board. Every drawing reads one seat's view (game/view.h), the layout
// and a surface, so that it cannot show what that seat may not see. Nothing here is
// drawn while the rules run: a move's parts of the board are queued with their views
// and drawn when the window plays them (board/pictures.h).
#include "board/surface.h"
#include "board/table.h"
#include "game/view.h"

#include <string_view>

namespace tarmigo {

class DrawingSurface;

// What one drawing works with.
struct Board {
    const SeatView& view;
    const Layout& layout;
    DrawingSurface& surface;
};

// The view the table's screen shows: that of shownSeat, with the armed discard.
SeatView tableView(const Table& g);

// The paint handler: draws the whole board on the given surface, as the table's screen
// shows it. It changes nothing of the table (noteNothingPlayable comes before it).
void paintWindow(const Table& g, DrawingSurface& surface);
// The whole board from a view alone, on a white background.
void paintView(const Board& b);
void drawBoard(const Board& b);

void drawGrid(const Board& b);
void drawMileageBar(const Board& b);
void drawCarMarkers(const Board& b);
void drawMilesAndHeaders(const Board& b);
void drawPlayerHeader(const Board& b, int player);
void drawHeaders(const Board& b);
void drawLowerBoard(const Board& b);
void drawHand(const Board& b);
void coverHand(const Board& b);
void drawDeckArea(const Board& b);
void drawCardsLeft(const Board& b);
void drawPlayerPanels(const Board& b);
void drawSafetyRow(const Board& b, int player);
void drawBattlePile(const Board& b, int player);
void drawSpeedPile(const Board& b, int player);
void drawDistanceArea(const Board& b, int player);

// One line of board text whose top is at y: left-aligned it starts at x and may run
// to the right edge of the screen, right-aligned it ends at x.
void drawTextAt(const Board& b, std::string_view text, int x, int y, HAlign align);

// Inverts the highlight rectangle of hand slot s (1..7; 0 lies left of the window).
void invertSlotHighlight(const Board& b, int slot);

} // namespace tarmigo
