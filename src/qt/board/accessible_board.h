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

#include <algorithm>
#include <array>
#include <functional>

class QWidget;

namespace tarmigo {

// The accessible children, in order: the places the keyboard visits (board/places.h:
// the hand slots, the draw and discard piles), then each player's piles and score, then
// the status line.
namespace place {
inline constexpr std::array<Place, 20> Read = [] {
    std::array<Place, 20> read{};
    int i = 0;
    for (int slot = 1; slot <= 7; ++slot) read[i++] = {slot};
    read[i++] = {target::DrawPile};
    read[i++] = {target::DiscardPile};
    for (int p = 0; p < 2; ++p) {
        for (int pile :
             {target::BattlePile, target::SpeedPile, target::DistanceArea, target::SafetyArea})
            read[i++] = {pile + p};
        read[i++] = {target::ScorePanel, p};
    }
    read[i] = {target::StatusLine};
    return read;
}();
inline constexpr int Accessible = int(Read.size()); // how many
// The sentences said last, kept as the status line's children (see showSentence).
inline constexpr int SentencesKept = 16;
// The accessible child of a place; -1: none.
inline constexpr int childOf(Place p) {
    const auto* at = std::find(Read.begin(), Read.end(), p);
    return at == Read.end() ? -1 : int(at - Read.begin());
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
QString placeName(const SeatView& view, Place place);
// Where the Press action of a place taps, from a view (none: {-1, -1}).
Point placeTap(const SeatView& view, const Layout& layout, Place place);

// The game changed: the places whose names changed say so.
void boardChanged(QWidget* board);

// The board's focused place moved (target::Nothing: none); the reader follows it.
void boardFocusMoved(QWidget* board, int target);

// The player pressed a key or tapped the board: unless a sentence answers it, the status
// line is said once the board changes next, though it shows the same text as before.
void boardKeyed(QWidget* board);

// Shows `sentence` as a new notification in the status line, for a Qt without the
// announcement event: a reader speaks a notification as it appears in a status bar, from
// its name, without its role. Each sentence takes the next of the status line's children
// in turn, so a reader that reads one late still reads that sentence, not a later one.
void showSentence(QWidget* board, const QString& sentence);

} // namespace tarmigo
