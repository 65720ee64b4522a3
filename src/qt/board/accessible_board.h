#pragma once
// The board as a screen reader sees it: one accessible child per place (the hand
// slots, the piles, each player's piles and score, the status line), named in the
// window's language from the view of the seat the screen shows and nothing else, so
// that no name can hold a card that seat may not see.
//
// The accessible tree is made only when an assistive client asks for it; until then
// the calls below cost a check of QAccessible::isActive().
#include "board/layout.h"
#include "board/places.h"
#include "game/view.h"

#include <QString>

#include <functional>

class QWidget;

namespace tarmigo {

// The places of the board, in the order of the accessible children: the places the
// keyboard visits (board/places.h: the hand slots, the draw and discard piles), then each
// player's piles and score, then the status line.
namespace place {
// Player p's places are FirstPlayer + p * PerPlayer + one of the offsets.
inline constexpr int FirstPlayer = DiscardPile + 1;
inline constexpr int Battle = 0;
inline constexpr int Speed = 1;
inline constexpr int Distance = 2;
inline constexpr int Safeties = 3;
inline constexpr int Score = 4;
inline constexpr int PerPlayer = 5;
inline constexpr int Status = FirstPlayer + 2 * PerPlayer;
inline constexpr int Accessible = Status + 1; // how many
// The sentences said last, kept as the status line's children (see showSentence).
inline constexpr int SentencesKept = 16;
// The accessible child of a place the keyboard visits.
inline constexpr int accessibleOf(int visited) {
    return visited == StatusLine ? Status : visited;
}
} // namespace place

// What the accessible board reads and does: the view the screen shows (the window's
// own game, or the view a joined network game was sent) and its layout, the tap that
// the Press action of a place makes, and whether the moves are still being shown (the
// board is busy: a key then is dropped).
struct BoardSource {
    std::function<SeatView()> view;
    std::function<const Layout&()> layout;
    std::function<void(Point)> tap;
    std::function<bool()> busy;
};

// Makes `board` (the board widget) accessible by its places once a client asks.
void describeBoard(QWidget* board, BoardSource source);

// A place's name, in the current language, from a view alone.
QString placeName(const SeatView& view, int place);
// A place's rectangle in board pixels, and where a tap on it lands (none: {-1, -1}).
Rect placeRect(const Layout& layout, int place);
Point placeTap(const SeatView& view, const Layout& layout, int place);

// The game changed: the places whose names changed say so.
void boardChanged(QWidget* board);

// The board's focused place moved (-1: none); the reader follows it.
void boardFocusMoved(QWidget* board, int place);

// Shows `sentence` as a new notification in the status line, for a Qt without the
// announcement event: a reader speaks a notification as it appears in a status bar, from
// its name, without its role. Each sentence takes the next of the status line's children
// in turn, so a reader that reads one late still reads that sentence, not a later one.
void showSentence(QWidget* board, const QString& sentence);

} // namespace tarmigo
