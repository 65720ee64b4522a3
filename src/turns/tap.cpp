#include "turns/tap.h"

#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "ai/turn.h"
#include "board/draw.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/strings.h"
#include "game/targets.h"
#include "game/undo.h"

namespace tarmigo {
namespace {

void note(Table& g, const Move& m) {
    if (g.moveLog) g.moveLog->note(m);
}

void passTurn(Table& g) {
    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    tell(g, RegionChanged{Region::Headers});
}

// Whoever moves next: the computer plays its turn; between two people the hand row
// is covered and the device handed over.
void nextTurn(Table& g, MoveResult result) {
    if (isComputerTurn(g)) {
        computerTurn(g);
    } else if (g.playerCount == 2 && result == MoveResult::TurnPasses && g.network) {
        // The next player sits at another program: no cover, the card is drawn at once.
        tell(g, RegionChanged{Region::HandShown});
        drawCard(g, DrawSlide::Shown);
    } else if (g.playerCount == 2 && result == MoveResult::TurnPasses) {
        tell(g, RegionChanged{Region::HandCovered});
        // Said on the one screen, whose seat is now the next player's.
        setStatusNumber(g, g.currentPlayer, text::EndOfTurn, g.currentPlayer + 1, Refresh::Yes);
        g.round.set(flag::turnHandover, true);
    }
}

// What follows a person's move: the blocked-hand check, the turn passing (a laid
// safety keeps it, with a replacement card), and the next turn.
void afterMove(Table& g, MoveResult result) {
    checkBlockedHand(g);
    if (handOver(g)) return;
    if (result == MoveResult::TurnPasses) passTurn(g);
    if (result == MoveResult::TurnStays || isComputerTurn(g)) drawCard(g, DrawSlide::Shown);
    nextTurn(g, result);
}

} // namespace

void playTap(Table& g, int x, int y) {
    // A move waiting for its answer takes no other input.
    if (handOver(g) || g.pending != Decision::None) return;
    if (g.has(flag::turnHandover)) {
        if (y >= g.layout.statusY) takeOverDevice(g);
        return;
    }
    playTarget(g, hitTest(g.layout, x, y));
}

void takeOverDevice(Table& g) {
    if (!g.has(flag::turnHandover)) return;
    note(g, Move{g.currentPlayer, 0, target::StatusLine});
    // The next player takes the device: show his hand and give him his card.
    g.round.set(flag::turnHandover, false);
    tell(g, RegionChanged{Region::HandShown});
    drawCard(g, DrawSlide::Shown);
    tell(g, UndoAvailable{false});
}

void playTarget(Table& g, int target) {
    if (handOver(g) || g.pending != Decision::None) return;
    note(g, Move{g.currentPlayer, 0, target});
    if (g.playerCount == 2 || g.currentPlayer == 0) {
        const MoveResult result = executeTarget(g, target);
        if (g.pending == Decision::None) afterMove(g, result);
    } else {
        nextTurn(g, MoveResult::TurnStays); // a restored position can leave the computer to move
    }
}

void answerDecision(Table& g, bool yes) {
    if (g.pending != Decision::Extension) return;
    note(g, Move{g.currentPlayer, 0, 0, yes ? Move::Answer::Yes : Move::Answer::No});
    answerExtension(g, yes);
    afterMove(g, MoveResult::TurnPasses);
}

bool computerTurn(Table& g) {
    // The computer's card is drawn before it chooses, so "draw first" only comes from an
    // odd restored state: it draws, and must not arm the human's discard.
    const bool passed = takeTurn(
        g, Mover::Computer,
        [&g] {
            // Played again from a history, the computer chooses what it chose then.
            if (g.moveLog && g.moveLog->replaying) {
                const std::optional<Move> m = g.moveLog->take();
                if (!m) return int(target::Nothing);
                setSelectedSlot(g, m->slot);
                return m->target;
            }
            const int chosen = computerLevel(g) == Level::Expert
                                   ? chooseExpertCard(g)
                                   : chooseCard(g, ChooseMode::Select);
            note(g, Move{g.currentPlayer, g.own().selectedSlot(), chosen});
            return chosen;
        },
        [&g](int target) { return executeTarget(g, target); },
        [&g] { drawCard(g, DrawSlide::Shown); });
    if (passed) tell(g, RegionChanged{Region::Headers});
    return passed;
}

void playNextInput(Table& g, MoveHistory& log) {
    MoveHistory* const kept = g.moveLog;
    g.moveLog = &log;
    const Move* const m = &log.history.moves[log.next++];
    if (m->answer != Move::Answer::None)
        answerDecision(g, m->answer == Move::Answer::Yes);
    else if (m->target == entry::Undo && g.undo.round.raceLength != 0)
        undoLastMove(g);
    else if (m->target == entry::Redo && g.redoable)
        redoMove(g);
    else if (m->target == entry::Undo || m->target == entry::Redo)
        log.exhausted = true;
    else if (g.has(flag::turnHandover) && m->target == target::StatusLine)
        takeOverDevice(g);
    else
        playTarget(g, m->target);
    g.moveLog = kept;
}

bool replayHistory(Table& g, const HandMoves& h) {
    applyStart(g, h.start);
    for (int s = 0; s < 2; ++s) g.seats[s].discardArmed = (h.armed >> s) & 1;
    g.pending = Decision::None;
    g.redoable = false;
    g.undo.round.raceLength = 0; // no snapshot yet: an Undo of a move before the start fails
    MoveHistory log;
    log.history.moves = h.moves;
    log.replaying = true;
    while (log.next < log.history.moves.size()) playNextInput(g, log);
    return !log.exhausted;
}

int hitTest(const Layout& l, int x, int y) {
    // A card's box, its right and bottom edges included.
    for (int s = 1; s <= HandSize; ++s) {
        const Point card = l.slotCard(s);
        if (x >= card.x && x <= card.x + CardWidth && y >= card.y && y <= card.y + CardHeight)
            return s;
    }
    if (y >= l.handY && y <= l.statusY && x >= l.deckX) return target::DrawPile;
    const bool onPanel = x <= l.panelWidth || x >= l.columnStride;
    if (y < Layout::HeaderBottom && onPanel) return target::ScorePanel;
    if (y >= Layout::HeaderBottom && y <= l.handY && onPanel) return target::Board;
    if (y > l.statusY && y < l.boardBottom()) return target::StatusLine;
    return target::Nothing;
}

MoveResult executeTarget(Table& g, int t) {
    // The input is the current player's, resolved by that seat's own state.
    const int seat = g.currentPlayer;
    PlayerRecord& own = g.own();
    int slot = 0; // the slot the tap names; 0: the card the seat picked before, if any
    if (target::isHandSlot(t)) {
        const int s = t;
        if (own.slot(s) == EmptySlot) return MoveResult::TurnStays;
        if (bool& armed = g.seats[seat].discardArmed) {
            slot = s;
            armed = false;
            t = target::DiscardPile;
        } else if (modesOf(g, seat).play == PlayMode::TapTwice && own.markedSlot() != s) {
            setSelectedSlot(g, s);
            markSlot(g, s);
            return MoveResult::TurnStays;
        } else {
            if (own.markedSlot() != s) markSlot(g, 0);
            slot = s;
            t = autoTarget(g, own.slot(s));
        }
    }
    MoveResult result = MoveResult::TurnStays;
    if (slot != 0 || own.selectedSlot() != 0) {
        result = playMove(g, Move{seat, slot, t});
        if (result == MoveResult::Refused) result = handleRefusedMove(g);
    } else if (t == target::DrawPile) {
        bool& armed = g.seats[seat].discardArmed;
        armed = !armed;
        setStatus(g, seat, armed ? text::TapToDiscard : text::TapToPlay, Refresh::Yes);
    } else {
        setStatus(g, seat, text::TapToPlay, Refresh::Yes);
    }
    if (t == target::ScorePanel) g.presentation.scores(false, tableView(g));
    return result;
}

void markSlot(Table& g, int s) {
    PlayerRecord& own = g.own();
    const int m = own.markedSlot();
    if (m != 0 && m != s) tell(g, RegionChanged{Region::SlotMark, m});
    tell(g, RegionChanged{Region::SlotMark, s});
    own.setMarkedSlot(m == s ? 0 : s);
}

MoveResult handleRefusedMove(Table& g) {
    PlayerRecord& own = g.own();
    SeatState& me = g.seats[g.currentPlayer];
    const int s = own.selectedSlot();
    const int m = own.markedSlot();
    const DiscardMode mode = modesOf(g, g.currentPlayer).discard;
    if (mode == DiscardMode::TapOnce || (mode == DiscardMode::TapTwice && m != 0))
        return discardCard(g);
    if (m != s) {
        markSlot(g, s);
        me.lastStatusId = 0;
    } else if (mode == DiscardMode::CardThenDeck) {
        // Refusals of the marked card alternate between the hint and the rule.
        if (me.lastStatusId == text::TapDeckToDiscard) {
            me.lastStatusId = 0;
        } else {
            setStatus(g, g.currentPlayer, text::TapDeckToDiscard, Refresh::Yes);
            me.lastStatusId = text::TapDeckToDiscard;
        }
    }
    return MoveResult::TurnStays;
}

} // namespace tarmigo
