#pragma once
// The Expert computer: plans each choice by playing the hand out on copies of the
// game, over many guesses at the cards it cannot see.
#include "game/game.h"

#include <array>
#include <cstdint>

namespace tarmigo {

// How many cards of each kind a player has seen so far in the hand: every card it
// drew (its whole hand among them) and every card its opponent laid or discarded.
// The computer of a one-player game keeps these in the round record.
using SeenCounts = std::array<std::uint8_t, CardKinds>;

// The Expert's choice for the current player, with the contract of chooseCard with
// select set: a target code, and the card's slot written into selectedSlot. It reads
// only what that player may know: the own hand, the table, the seen-card counts, the
// size of the draw pile and of the opponent's hand. Without seen counts it goes by
// the own hand and the table alone. The guesses are drawn from seed, so a seed gives
// one answer.
int chooseExpertCardSeeded(Game& g, std::uint32_t seed, const SeenCounts* seen);

// The same, seeded from the game's tick count so that replays and the simulator
// repeat; the computer of a one-player game goes by its own seen counts.
int chooseExpertCard(Game& g, const SeenCounts* seen);
int chooseExpertCard(Game& g);

} // namespace tarmigo
