#pragma once
// The board's geometry as plain values, derived once from the screen size.
#include <cstdint>

namespace tarmigo {

// Left, top, right, bottom; right and bottom exclusive.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool operator==(const Rect&) const = default;
};

struct Point {
    int x = 0;
    int y = 0;
    bool operator==(const Point&) const = default;
};

struct Layout {
    int screenWidth = 0;
    int screenHeight = 0;
    int halfWidth = 0;
    int panelWidth = 0;
    int subColumn = 0;
    int columnStride = 0;
    int deckX = 0;
    int statusY = 0;
    int handY = 0;
    // In a network game, the window's own seat: drawn on the left, where a player against
    // the computer sees theirs, and marked as theirs. -1 at one screen: seat 0 on the left
    // and no mark. The one place a board turns round: its drawing, its slides, the places'
    // boxes and the taps all go by panelX.
    int ownSeat = -1;

    // The rows of a player panel, top down: the header (score panel) above HeaderBottom,
    // the safeties down to SafetyBottom, the battle and speed piles down to PileBottom,
    // the distance area below; and the menu bar's strip along the bottom of the screen.
    static constexpr int HeaderBottom = 30;
    static constexpr int SafetyBottom = 80;
    static constexpr int PileBottom = 130;
    static constexpr int MenuBarHeight = 26;
    // The rows of the cards on the player panels.
    static constexpr int SafetyRowY = 49;
    static constexpr int PileY = 99;
    static constexpr int DistanceY = 149;

    // The side player p is drawn on: 0 left, 1 right.
    int sideOf(int p) const { return ownSeat == 1 ? 1 - p : p; }
    // Left edge of player p's panel.
    int panelX(int p) const { return sideOf(p) * columnStride; }
    // Top-left corner of the card in hand slot s (1..7).
    int slotX(int s) const { return 23 * s - 18; }
    int cardY() const { return handY + 5; }

    // Where each card lies, by its top-left corner: the paint draws it there, a slide
    // ends there and the hit test looks for the hand's cards there.
    Point slotCard(int s) const { return {slotX(s), cardY()}; }
    Point drawPileCard() const { return {deckX + 23, handY + 5}; }
    Point discardCard() const { return {deckX + 46, handY + 5}; }
    // The safety of bit b (Right of Way 0 .. Puncture Proof 3) in player p's row.
    Point safetyCard(int p, int b) const { return {panelX(p) + 23 * b + 5, SafetyRowY}; }
    Point battleCard(int p) const { return {panelX(p) + 5, PileY}; }
    Point speedCard(int p) const { return {panelX(p) + subColumn + 5, PileY}; }
    // The card at depth d (0 on top of the column) of distance column k (25 .. 200).
    Point distanceCard(int p, int k, int d) const {
        return {panelX(p) + 19 * k + 5, DistanceY + 4 * d};
    }

    // The bottom of the board, where the menu bar begins.
    int boardBottom() const { return screenHeight - MenuBarHeight; }
    Rect boardRect() const { return {0, 0, screenWidth, boardBottom()}; }
    Rect handRect() const { return {0, handY, deckX, statusY}; }
    Rect deckRect() const { return {deckX, handY, screenWidth, statusY}; }
    Rect statusRect() const { return {0, statusY + 1, screenWidth - 1, boardBottom() - 1}; }

    // Where a key taps for the stylus: the middle of hand slot s's card, of the draw
    // pile's place, and of the status line.
    Point slotTap(int s) const { return {slotX(s) + 9, handY + 18}; }
    Point drawPileTap() const { return {deckX + 32, handY + 18}; }
    Point statusTap() const { return {halfWidth, statusY + 10}; }
};

// The screen size is taken as the platform reports it: signed 16-bit values.
Layout computeLayout(std::int16_t width, std::int16_t height);

} // namespace tarmigo
