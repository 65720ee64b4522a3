#pragma once
// Starting a hand, shuffling, dealing, sorting and drawing.
#include "game/game.h"

namespace tarmigo {

constexpr int ShuffleExchanges = 923;

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
