#pragma once
// A card that moves, as a value: what the rules report when a card is laid or drawn,
// complete when reported, so that whoever shows it later (a slide, a sentence, the
// steps sent to a network guest) reads nothing from the live game.
//
// Each seat gets its share. A card laid is public once it is on its pile, but the slot
// it left tells of the mover's hand and is the mover's alone; a card drawn, and the slot
// it went to, are the drawer's alone.
#include "game/cards.h"

namespace tarmigo {

// A card leaves a player's hand for a pile (a discard goes to the discard pile).
struct Laid {
    int player = 0;
    int slot = 0; // 1 to 7; 0 in another seat's share
    Card card = EmptySlot;
    int target = 0;          // the pile, as a target code
    int depth = 0;           // the cards already in its distance column
    bool coupFourre = false; // a safety laid on the hazard the other has just laid
    bool operator==(const Laid&) const = default;
};

// A card goes from the draw pile into a player's hand.
struct Drawn {
    int player = 0;
    int slot = 0;          // 1 to 7; 0 in another seat's share
    Card card = EmptySlot; // EmptySlot in another seat's share
    int cardsLeft = 0;     // in the pile, this card taken
    bool operator==(const Drawn&) const = default;
};

// What the player in `seat` may know of a move.
constexpr Laid shareOf(Laid move, int seat) {
    if (move.player != seat) move.slot = 0;
    return move;
}

constexpr Drawn shareOf(Drawn move, int seat) {
    if (move.player != seat) {
        move.slot = 0;
        move.card = EmptySlot;
    }
    return move;
}

} // namespace tarmigo
