#include "net/shown_steps.h"

#include <algorithm>

namespace tarmigo::net {
namespace {

constexpr int GuestSeat = 1;

} // namespace

void ShownSteps::report(Game& g, const Report& r) {
    std::visit(Overloaded{
                   [&](const Laid& laid) { steps_.emplace_back(shareOf(laid, GuestSeat)); },
                   [&](const Drawn& drawn) { steps_.emplace_back(shareOf(drawn, GuestSeat)); },
                   [](const RegionChanged&) {}, // the view says it
                   [](const StatusSaid&) {},    // the view carries seat 1's own
                   // The Scores as they stand when the hand ends, as the host's own show them.
                   [&](const HandEnded&) {
                       steps_.emplace_back(ScoresStep{scoresContent(viewFor(g, GuestSeat))});
                   },
                   [&](const SoundMade& m) { steps_.emplace_back(SoundStep{m.sound}); },
                   // Undo takes back the mover's last move: the guest's button is enabled by
                   // its own moves.
                   [&](const UndoAvailable& m) {
                       steps_.emplace_back(UndoStep{m.available && g.currentPlayer == GuestSeat});
                   },
                   [](const RedoAvailable&) {}, // a network game has no Redo
                   [&](const Question& m) {
                       if (g.currentPlayer == GuestSeat) steps_.emplace_back(AskStep{m.stringId});
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
