#pragma once
// The hint: the card that Expert's planning would play for the player whose turn the
// screen shows, and where it would go. Expert plans on a copy, from what that player
// may know (the own hand and the table), at any level; the game itself, and so the
// saved record, stays as it was.
#include "board/layout.h"
#include "board/sentence.h"
#include "board/table.h"

namespace tarmigo {

struct Hint {
    bool given = false; // false: it is not the player's turn, and the sentence says so
    Sentence sentence;  // "Hint: play 100 miles", "Hint: discard Stop"
    int slot = 0;       // the hand slot of the card
    Rect card;          // the card in the hand, in board pixels
    Rect place;         // where it would go
};

Hint hintFor(const Table& g);

} // namespace tarmigo
