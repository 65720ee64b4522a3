#pragma once
// Where a card goes and whether the current player may lay it now.
#include "game/game.h"

namespace tarmigo {

// A check answers Legal or the string id of the message that explains the refusal
// (0, no text, for a card that is not a remedy at all).
inline constexpr int Legal = -1;

int autoTarget(const Game& g, Card c);
int checkRemedy(const Game& g, Card c);
int checkHazard(const Game& g, Card c);
int checkEndOfLimit(const Game& g);
int checkSpeedLimit(const Game& g);
int checkDistance(const Game& g, Card c);
bool isSlotPlayable(const Game& g, int slot);

} // namespace tarmigo
