#include "board/board_events.h"

#include "board/animation.h"
#include "board/draw.h"
#include "board/repaint.h"
#include "board/sentence.h"
#include "board/status_line.h"
#include "board/table.h"
#include "game/strings.h"

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

// Each report comes from the rules of the listener's own table, and every kind has its
// handler here: the screen shows its seat's share of each.
void BoardEvents::report(Game& g, const Report& r) {
    Table& t = table_;
    std::visit(Overloaded{
                   [&](const Laid& m) { laid(g, m); },
                   [&](const Drawn& m) { drawn(g, m); },
                   [&](const RegionChanged& m) { regionChanged(m); },
                   [&](const StatusSaid& m) { statusSaid(m); },
                   [&](const HandEnded&) {
                       // The bonuses are in the hand scores now, and the status says
                       // what comes next: both are shown beside the Scores, not only
                       // once the Scores are closed (the host's status would still name
                       // whose turn it was).
                       show(Region::Headers);
                       show(Region::StatusLine);
                       t.presentation.scores(true, tableView(t));
                   },
                   [&](const SoundMade& m) {
                       if (t.has(flag::playSounds)) t.presentation.sound(m.sound);
                   },
                   [&](const UndoAvailable& m) { t.presentation.undo(m.available); },
                   [&](const RedoAvailable& m) { t.presentation.redo(m.available); },
                   [&](const Question& m) { t.presentation.ask(m.stringId); },
               },
               r);
}

void BoardEvents::laid(const Game& g, const Laid& laid) {
    // Said as the card sets off, so that a reader hears the move at the key, not after the
    // slide; every card laid or discarded is seen by both.
    table_.presentation.say(laid.coupFourre ? coupFourreSentence(g.playerCount, laid)
                                            : moveSentence(g.playerCount, laid));
    slide(shareOf(laid, screenSeat(table_)));
}

void BoardEvents::drawn(const Game& g, const Drawn& drawn) {
    const Drawn share = shareOf(drawn, screenSeat(table_));
    if (const Sentence said = drawSentence(g.playerCount, share); !said.empty())
        table_.presentation.say(said);
    slide(share);
}

void BoardEvents::slide(const std::variant<Laid, Drawn>& share) {
    Table& t = table_;
    if (t.surface) t.presentation.slide(share, t.has(flag::animate), t.round.animDelay);
}

void BoardEvents::show(Region region, int which) {
    Table& t = table_;
    if (t.surface) t.presentation.show(region, which, tableView(t));
}

void BoardEvents::regionChanged(const RegionChanged& changed) {
    Table& g = table_;
    switch (changed.region) {
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
    case Region::Board: invalidateBoard(g); break;
    case Region::HandShown:
        if (g.surface) noteNothingPlayable(g); // set before the hand shows, which says it
        show(changed.region);
        break;
    case Region::SlotMark:
        // The mark is on the mover's hand: a screen that shows another seat's leaves it be.
        if (screenSeat(g) == g.currentPlayer) show(changed.region, changed.which);
        break;
    case Region::PlayerPanels:
    case Region::BattlePile:
    case Region::MilesAndHeaders:
    case Region::MileageBar:
    case Region::Headers:
    case Region::HandCovered:
    case Region::StatusLine: show(changed.region, changed.which); break;
    }
}

void BoardEvents::statusSaid(const StatusSaid& said) {
    const StatusMessage& m = said.message;
    if (m.hasNumber)
        setStatusNumber(table_, said.seat, m.id, m.number, Refresh::Yes);
    else
        setStatus(table_, said.seat, m.id, Refresh::Yes);
    // A move taken back is heard, as the moves are.
    if (m.id == text::Undone) table_.presentation.say(Sentence{.pattern = text::Undone});
}

} // namespace tarmigo
