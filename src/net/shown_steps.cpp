#include "net/shown_steps.h"

#include <algorithm>

namespace tarmigo::net {
namespace {

constexpr int GuestSeat = 1;

} // namespace

void ShownSteps::report(Game& g, const Report& r) {
    const auto push = [this](ShownStep::Kind kind, int value) {
        steps_.push_back(ShownStep{kind, 0, 0, 0, 0, 0, value});
    };
    std::visit(Overloaded{
                   [&](const Laid& laid) {
                       const Laid share = shareOf(laid, GuestSeat);
                       steps_.push_back(ShownStep{ShownStep::Kind::Laid, share.player, share.slot,
                                                  share.card, share.target, share.depth, 0});
                       if (laid.coupFourre) push(ShownStep::Kind::CoupFourre, 0);
                   },
                   [&](const Drawn& drawn) {
                       const Drawn share = shareOf(drawn, GuestSeat);
                       const Card card = share.slot == 0 ? Card(0) : share.card;
                       steps_.push_back(ShownStep{ShownStep::Kind::Drawn, share.player, share.slot,
                                                  card, 0, 0, 0});
                   },
                   [](const RegionChanged&) {}, // the view says it
                   [](const StatusSaid&) {},    // the view carries seat 1's own
                   [&](const HandEnded&) { push(ShownStep::Kind::Scores, 1); },
                   [&](const SoundMade& m) { push(ShownStep::Kind::Sound, int(m.sound)); },
                   // Undo takes back the mover's last move: the guest's button is enabled by
                   // its own moves.
                   [&](const UndoAvailable& m) {
                       push(ShownStep::Kind::Undo, m.available && g.currentPlayer == GuestSeat);
                   },
                   [](const RedoAvailable&) {}, // a network game has no Redo
                   [&](const Question& m) {
                       if (g.currentPlayer == GuestSeat) push(ShownStep::Kind::Ask, m.stringId);
                   },
               },
               r);
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
