#pragma once
// What belongs to one seat rather than to the game: how the person there plays their
// taps, what they have armed, and what their status line says. Each seat has its own,
// beside the rules' record and never swapped with the other's, so that nothing one
// seat is told or has picked reaches the other. None of it is saved: a start derives
// it afresh (nothing armed, the prompt of the position).
//
// The card a seat has picked and marked stays in its own player's record word, which
// the saved record keeps byte for byte; a move names it by its slot.
#include "game/records.h"
#include "game/strings.h"

#include <cstdint>
#include <optional>

namespace tarmigo {

// How a seat plays its taps: the Options' "To play" and "To discard".
struct SeatModes {
    PlayMode play = PlayMode::TapOnce;
    DiscardMode discard = DiscardMode::CardThenDeck;
    bool operator==(const SeatModes&) const = default;
};

struct SeatState {
    // The next tapped card is discarded (the draw pile was tapped with none selected).
    bool discardArmed = false;
    // The last message a refused move showed this seat, so that a repeat alternates.
    std::int16_t lastStatusId = 0;
    // A seat at another program plays by the options its program sent; every other
    // seat by the game's own (the record's flags).
    std::optional<SeatModes> modes;
    // The seat's status line, by id: made from what the rules and the turn say to it.
    StatusMessage status;
    bool operator==(const SeatState&) const = default;
};

// Every seat, where a report is addressed: what all players may read.
inline constexpr int AllSeats = -1;

// A move, the one input the rules take from a seat: the card of a hand slot laid on a
// target (slot 0: the card the seat has already picked), or the answer to the question
// the last move asked.
struct Move {
    enum class Answer : std::uint8_t { None, Yes, No };
    int seat = 0;
    int slot = 0;
    int target = 0;
    Answer answer = Answer::None;
    bool operator==(const Move&) const = default;
};

} // namespace tarmigo
