#pragma once
// The board's geometry as plain values: the rectangles of the repaint requests and
// the layout that the game object carries for the screen. Only the board layer
// computes and reads the layout; it is declared here because the game object holds
// it beside the rules' state.
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

    // Left edge of player p's panel.
    int panelX(int p) const { return p * columnStride; }
    // Top-left corner of the card in hand slot s (1..7).
    int slotX(int s) const { return 23 * s - 18; }
    int cardY() const { return handY + 5; }

    Rect boardRect() const { return {0, 0, screenWidth, screenHeight - 26}; }
    Rect handRect() const { return {0, handY, deckX, statusY}; }
    Rect deckRect() const { return {deckX, handY, screenWidth, statusY}; }
    Rect statusRect() const { return {0, statusY + 1, screenWidth - 1, screenHeight - 27}; }
};

} // namespace tarmigo
