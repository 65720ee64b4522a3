#include "board/board_events.h"

#include "board/animation.h"
#include "board/draw.h"
#include "board/repaint.h"
#include "board/sentence.h"
#include "board/status_line.h"
#include "board/table.h"
#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

// A sorted hand moves the card just drawn: its sentence names the slot it lies in now
// (the first of its kind: the same cards lie side by side).
void placeDrawn(Sentence& drawn, const PlayerRecord& p) {
    for (int slot = 1; slot <= HandSize; ++slot)
        if (isCard(p.slot(slot)) && cardName(p.slot(slot)) == drawn.words[0]) {
            drawn.words[1] = slot;
            return;
        }
}

} // namespace

Point pileCardPosition(const Layout& l, int t, Card card, int depth) {
    if (t == target::DiscardPile) return l.discardCard();
    const int p = (t - target::SafetyArea) % 2;
    if (t - p == target::SafetyArea) return l.safetyCard(p, safetyBit(card));
    if (t - p == target::BattlePile) return l.battleCard(p);
    if (t - p == target::SpeedPile) return l.speedCard(p);
    return l.distanceCard(p, card - Distance25, depth);
}

// Each report comes from the rules of the listener's own table.
// The screen shows its seat's share of each move.
void BoardEvents::cardLeavesHand(Game& g, const Laid& laid) {
    // Said as the card sets off, so that a reader hears the move at the key, not after the
    // slide; every card laid or discarded is seen by both.
    table_.presentation.say(moveSentence(g.playerCount, laid));
    animatePlayedCard(table_, shareOf(laid, screenSeat(table_)),
                      pileCardPosition(table_.layout, laid.target, laid.card, laid.depth));
}

void BoardEvents::cardLeavesDrawPile(Game& g, const Drawn& drawn) {
    const Drawn share = shareOf(drawn, screenSeat(table_));
    if (const Sentence said = drawSentence(g.playerCount, share); !said.empty())
        table_.presentation.say(said);
    animateDraw(table_, share);
}

void BoardEvents::regionChanged(Game&, Region region, int player) {
    Table& g = table_;
    switch (region) {
    case Region::Hand:
        invalidateHand(g);
        if (Sentence* drawn = g.presentation.lastSaid(text::YouDraw)) placeDrawn(*drawn, g.own());
        break;
    case Region::DrawPile:
        invalidateDeck(g);
        if (g.deckExhausted()) {
            Sentence empty;
            empty.pattern = text::DrawPileEmpty;
            g.presentation.say(empty);
        }
        break;
    case Region::PlayerPanels: drawPlayerPanels(g); break;
    case Region::BattlePile: drawBattlePile(g, player); break;
    case Region::MilesAndHeaders: drawMilesAndHeaders(g); break;
    case Region::MileageBar: drawMileageBar(g); break;
    case Region::Board: invalidateBoard(g, Erase::No); break;
    }
}

void BoardEvents::statusMessage(Game&, int seat, int stringId) {
    setStatus(table_, seat, stringId, Refresh::Yes);
    // A move taken back is heard, as the moves are.
    if (stringId == text::Undone) table_.presentation.say(Sentence{.pattern = text::Undone});
}

void BoardEvents::statusNumber(Game&, int seat, int stringId, int number) {
    setStatusNumber(table_, seat, stringId, number, Refresh::Yes);
}

void BoardEvents::handEnded(Game&) {
    table_.presentation.scores(true, tableView(table_));
}

void BoardEvents::sound(Game&, Sound s) {
    if (table_.has(flag::playSounds)) table_.presentation.sound(s);
}

void BoardEvents::undoAvailable(Game&, bool available) {
    table_.presentation.undo(available);
}

void BoardEvents::coupFourre(Game& g, const Laid& laid) {
    if (Sentence* last = table_.presentation.lastSaid())
        *last = coupFourreSentence(g.playerCount, laid);
}

void BoardEvents::extensionAsked(Game&) {
    table_.presentation.ask(text::ExtendRace);
}

} // namespace tarmigo
