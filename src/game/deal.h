#pragma once
// Starting a hand, shuffling, dealing, sorting and drawing.
#include "game/game.h"

#include <cstddef>

namespace tarmigo {

constexpr int ShuffleExchanges = 923;

// The deck position a shuffle's draw of 0..32767 picks: the draw times the double nearest
// 100/32767, rounded down, so 0..100 with 100 for 32767 alone. A hand's shuffle makes
// 1,846 draws, so it is worked in integers: draw x 25,601 / 2^23 rounds down to the same
// position on every draw, in two instructions.
constexpr std::size_t shuffledPosition(int draw) {
    return (unsigned(draw) * 25601u) >> 23;
}

// Deals a new hand of an n-player game; with the scores reset a new game. Who
// opens it, and what the screen shows, is for the layers above to decide.
void startHand(Game& g, int playerCount, GameScores scores);
void shuffleDeck(Game& g);
void dealHands(Game& g);
void sortHand(Game& g);
// Whether the card that a draw takes from the pile is reported as sliding.
enum class DrawSlide : bool { Hidden = false, Shown = true };

// Refills the current player's waiting slot from the draw pile.
void drawCard(Game& g, DrawSlide slide);

} // namespace tarmigo
