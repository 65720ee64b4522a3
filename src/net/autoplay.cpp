#include "net/autoplay.h"

#include "game/targets.h"

#include <vector>

namespace tarmigo::net {

std::uint64_t Dice::next() {
    // splitmix64
    std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
    z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
    z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
    return z ^ (z >> 31);
}

std::optional<Input> randomInput(const SeatView& v, Dice& dice) {
    if (v.decisionPending) return Input{Input::Kind::Extension, dice.below(2)};
    if (v.handOver || !v.isOwnTurn() || !v.handShown) return std::nullopt;
    // A card refused and marked is discarded by a tap on the draw pile.
    if (v.selectedSlot != 0) return Input{Input::Kind::Tap, target::DrawPile};
    std::vector<int> playable;
    std::vector<int> held;
    for (int s = 1; s <= HandSize; ++s) {
        const Card c = v.hand[s - 1];
        if (c == 0 || c == EmptySlot) continue;
        held.push_back(s);
        if (v.playable[s - 1]) playable.push_back(s);
    }
    // Now and then a card that may be laid is discarded instead (tapped when refused),
    // so that discards of every kind come up.
    const std::vector<int>& from = playable.empty() || dice.below(8) == 0 ? held : playable;
    if (from.empty()) return Input{Input::Kind::Tap, target::DrawPile};
    return Input{Input::Kind::Tap, from[std::size_t(dice.below(int(from.size())))]};
}

} // namespace tarmigo::net
