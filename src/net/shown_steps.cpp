#include "net/shown_steps.h"

#include <algorithm>

namespace tarmigo::net {
namespace {

constexpr int GuestSeat = 1;

} // namespace

void ShownSteps::cardLeavesHand(Game&, const Laid& laid) {
    const Laid share = shareOf(laid, GuestSeat);
    ShownStep s{ShownStep::Kind::Laid};
    s.player = share.player;
    s.slot = share.slot;
    s.card = share.card;
    s.target = share.target;
    s.depth = share.depth;
    steps_.push_back(s);
}

void ShownSteps::cardLeavesDrawPile(Game&, const Drawn& drawn) {
    const Drawn share = shareOf(drawn, GuestSeat);
    ShownStep s{ShownStep::Kind::Drawn};
    s.player = share.player;
    s.slot = share.slot;
    steps_.push_back(s);
}

void ShownSteps::coupFourre(Game&, const Laid&) {
    steps_.push_back(ShownStep{ShownStep::Kind::CoupFourre});
}

void ShownSteps::handEnded(Game&) {
    steps_.push_back(ShownStep{ShownStep::Kind::Scores, 0, 0, 0, 0, 0, 1});
}

void ShownSteps::sound(Game&, Sound s) {
    steps_.push_back(ShownStep{ShownStep::Kind::Sound, 0, 0, 0, 0, 0, int(s)});
}

// Undo takes back the mover's last move: the guest's button is enabled by its own moves.
void ShownSteps::undoAvailable(Game& g, bool available) {
    const bool guests = available && g.currentPlayer == GuestSeat;
    steps_.push_back(ShownStep{ShownStep::Kind::Undo, 0, 0, 0, 0, 0, guests});
}

void ShownSteps::extensionAsked(Game& g) {
    if (g.currentPlayer == GuestSeat)
        steps_.push_back(ShownStep{ShownStep::Kind::Ask, 0, 0, 0, 0, 0, text::ExtendRace});
}

std::vector<Steps> ShownSteps::take() {
    std::vector<Steps> out;
    for (std::size_t at = 0; at < steps_.size(); at += MaxSteps) {
        const std::size_t end = std::min(steps_.size(), at + MaxSteps);
        std::vector<ShownStep> part(steps_.begin() + long(at), steps_.begin() + long(end));
        out.push_back(Steps{std::move(part)});
    }
    steps_.clear();
    return out;
}

} // namespace tarmigo::net
