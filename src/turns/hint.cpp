#include "turns/hint.h"

#include "ai/expert.h"
#include "board/bitmaps.h"
#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

Rect cardAt(Point p) {
    return {p.x, p.y, p.x + CardWidth, p.y + CardHeight};
}

// The place a card played to a target code comes to rest.
Point placeOf(const Game& g, const Layout& l, Card c, int t) {
    if (t == target::DiscardPile || t == target::DrawPile) return l.discardCard();
    const int p = (t - target::SafetyArea) % 2;
    if (t - p == target::SafetyArea) return l.safetyCard(p, safetyBit(c));
    if (t - p == target::BattlePile) return l.battleCard(p);
    if (t - p == target::SpeedPile) return l.speedCard(p);
    const int k = c - Distance25;
    return l.distanceCard(p, k, g.players[std::size_t(p)].distancePlayed[std::size_t(k)]);
}

bool playersTurn(const Game& g) {
    return !isComputerTurn(g) && !handOver(g) && g.pending == Decision::None &&
           !g.has(flag::turnHandover);
}

} // namespace

Hint hintFor(const Table& g) {
    Hint hint;
    if (!playersTurn(g)) {
        hint.sentence.pattern = text::HintNotYourTurn;
        return hint;
    }
    Game plan(static_cast<const Game&>(g));
    plan.events = &GameEvents::silent();
    // The person's own seen cards are not kept: Expert goes by the hand and the table.
    const int t = chooseExpertCard(plan, nullptr);
    const int slot = plan.own().selectedSlot();
    const Card c = slot >= 1 && slot <= HandSize ? g.own().slot(slot) : Card(EmptySlot);
    if (t == target::DrawPile && !isCard(c)) {
        hint.sentence.pattern = text::HintNotYourTurn;
        return hint;
    }
    const bool discard = t == target::DiscardPile || t == target::DrawPile;
    hint.given = true;
    hint.slot = slot;
    hint.sentence.pattern = discard ? text::HintDiscard : text::HintPlay;
    hint.sentence.words[0] = cardName(c);
    hint.card = cardAt(g.layout.slotCard(slot));
    hint.place = cardAt(placeOf(g, g.layout, c, t));
    return hint;
}

} // namespace tarmigo
