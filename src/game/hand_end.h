#pragma once
// The end of a hand: bonuses, game scores, the game's end and the blocked hand.
#include "game/game.h"

namespace tarmigo {

constexpr int WinningScore = 5000;

void endHand(Game& g);
// Once the draw pile is exhausted, ends the hand when nobody can do anything but discard.
void checkBlockedHand(Game& g);

} // namespace tarmigo
