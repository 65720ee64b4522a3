#pragma once
// The Expert computer: plans each choice by playing the hand out on copies of the
// game, over many guesses at the cards it cannot see.
#include "game/game.h"

#include <cstdint>

namespace tarmigo {

// The Expert's choice for the current player, with the contract of chooseCard with
// select set: a target code, and the card's slot written into selectedSlot. It reads
// only what that player may know: the own hand, the table, the seen-card counts (for
// the computer of a one-player game), the size of the draw pile and of the
// opponent's hand. The guesses are drawn from seed, so a seed gives one answer.
int chooseExpertCardSeeded(Game& g, std::uint32_t seed);

// The same, seeded from the game's tick count so that replays and the simulator repeat.
int chooseExpertCard(Game& g);

} // namespace tarmigo
