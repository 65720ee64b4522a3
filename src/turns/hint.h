#pragma once
// The hint: the card that Expert's planning would play for the player whose turn the
// screen shows, and where it would go. Expert plans on a copy, from what that player
// may know (the own hand and the table), at any level; the game itself, and so the
// saved record, stays as it was.
#include "board/layout.h"
#include "board/sentence.h"
#include "board/table.h"
#include "game/view.h"

namespace tarmigo {

struct Hint {
    bool given = false; // false: it is not the player's turn, and the sentence says so
    Sentence sentence;  // "Hint: play 100 miles", "Hint: discard Stop"
    int slot = 0;       // the hand slot of the card
    int target = 0;     // where it goes (game/targets.h); the discard pile for a discard
    Rect card;          // the card in the hand, in board pixels
    Rect place;         // where it would go
};

Hint hintFor(const Table& g);

// The hint of the card in `slot` going to `target`, as the seat of `view` is shown it;
// slot 0 for none. A guest of a network game is sent the choice and shows it so.
Hint shownHint(const SeatView& view, const Layout& layout, int slot, int target);

} // namespace tarmigo
