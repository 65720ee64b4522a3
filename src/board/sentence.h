#pragma once
// What happened, in words: a move as a sentence of string ids and numbers, put into
// words only where it is shown, in that screen's language. A move's sentence says only
// what everybody at the table saw happen: a card laid or discarded. A card drawn is said
// to its drawer alone (drawSentence), and kept out of the list of moves.
#include "game/game.h"
#include "game/move_record.h"
#include "game/view.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace tarmigo {

struct Sentence {
    int pattern = 0; // a string id whose "%1".."%4" the words fill; 0 says nothing
    std::array<int, 4> words{};
    std::uint8_t numbers = 0; // bit i: words[i] is a number, not a string id

    bool empty() const { return pattern == 0; }
    bool operator==(const Sentence&) const = default;
};

// The text of a sentence, with textOf giving the text of a string id in the language
// wanted (the string table's English by default).
std::string sentenceText(const Sentence& s,
                         const std::function<std::string(int)>& textOf = nullptr);

// The name of a card.
int cardName(Card c);

// A card laid on the pile of a target code (target.h), or discarded, in a game of
// playerCount players.
Sentence moveSentence(int playerCount, const Laid& move);
// The same move, told as the coup fourre it turned out to be.
Sentence coupFourreSentence(int playerCount, const Laid& move);
// A card drawn, told to its drawer alone ("You draw 100 miles into slot 3") from the
// screen's share of the draw, which holds the card only for the screen's own seat:
// against the computer only (between two players the other may be watching the shared
// screen), and not the deal's cards, which are sorted after them; empty for any other.
Sentence drawSentence(int playerCount, const Drawn& share);
// A player's miles, hand score and game score, as a seat sees them (the board's names
// for the sides: "Player 1" and "Player 2" between two people, also across a network).
Sentence standingSentence(const SeatView& view, int player);

} // namespace tarmigo
