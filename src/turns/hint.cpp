#include "turns/hint.h"

#include "ai/expert.h"
#include "board/animation.h"
#include "board/bitmaps.h"
#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

Rect cardAt(Point p) {
    return {p.x, p.y, p.x + CardWidth, p.y + CardHeight};
}

bool playersTurn(const Game& g) {
    return !isComputerTurn(g) && !handOver(g) && g.pending == Decision::None &&
           !g.has(flag::turnHandover);
}

} // namespace

Hint shownHint(const SeatView& view, const Layout& layout, int slot, int target) {
    Hint hint;
    const Card c =
        slot >= 1 && slot <= HandSize ? view.hand[std::size_t(slot - 1)] : Card(EmptySlot);
    const bool onBoard = target >= target::SafetyArea && target <= target::DiscardPile;
    if (!isCard(c) || !onBoard) {
        hint.sentence.pattern = text::HintNotYourTurn;
        return hint;
    }
    const bool discard = target == target::DiscardPile || target == target::DrawPile;
    hint.given = true;
    hint.slot = slot;
    hint.target = discard ? target::DiscardPile : target;
    hint.sentence.pattern = discard ? text::HintDiscard : text::HintPlay;
    hint.sentence.words[0] = cardName(c);
    hint.card = cardAt(layout.slotCard(slot));
    const int p = (hint.target - target::SafetyArea) % 2;
    const int depth =
        isDistance(c) ? view.players[std::size_t(p)].distancePlayed[c - Distance25] : 0;
    hint.place = cardAt(pileCardPosition(layout, hint.target, c, depth));
    return hint;
}

Hint hintFor(const Table& g) {
    if (!playersTurn(g)) return shownHint({}, g.layout, 0, 0);
    Game plan(static_cast<const Game&>(g));
    plan.events = &GameEvents::silent();
    // The person's own seen cards are not kept: Expert goes by the hand and the table.
    const int t = chooseExpertCard(plan, nullptr);
    return shownHint(viewFor(g, g.currentPlayer), g.layout, plan.own().selectedSlot(), t);
}

} // namespace tarmigo
