#include "turns/tap.h"

#include "ai/blocked_hand.h"
#include "ai/choose_card.h"
#include "ai/expert.h"
#include "board/bitmaps.h"
#include "board/draw.h"
#include "board/repaint.h"
#include "board/status_line.h"
#include "game/deal.h"
#include "game/legality.h"
#include "game/moves.h"
#include "game/strings.h"
#include "game/targets.h"

namespace tarmigo {
namespace {

void passTurn(Table& g) {
    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    drawHeaders(g);
}

} // namespace

void playTap(Table& g, int x, int y) {
    if (handOver(g)) return;
    if (g.has(flag::turnHandover)) {
        if (y < g.layout.statusY) return;
        // The next player takes the device: show his hand and give him his card.
        g.round.set(flag::turnHandover, false);
        drawHand(g);
        drawCard(g, DrawSlide::Shown);
        g.host.enableUndoButton(false);
        return;
    }
    int result = TurnStays;
    if (g.playerCount == 2 || g.currentPlayer == 0) {
        result = executeTarget(g, hitTest(g, x, y));
        checkBlockedHand(g);
        if (handOver(g)) return;
        if (result == TurnPasses) passTurn(g);
        if (result == TurnStays || isComputerTurn(g)) drawCard(g, DrawSlide::Shown);
    }
    if (isComputerTurn(g)) {
        if (!computerTurn(g)) return;
    } else if (g.playerCount == 2 && result == TurnPasses) {
        coverHand(g);
        setStatusNumber(g, text::EndOfTurn, g.currentPlayer + 1, Refresh::Yes);
        g.round.set(flag::turnHandover, true);
    }
}

bool computerTurn(Table& g) {
    int result = TurnStays;
    for (int attempts = 0; result == TurnStays && attempts < ComputerAttempts;) {
        const int choice =
            g.expert && g.has(flag::hard) ? chooseExpertCard(g) : chooseCard(g, ChooseMode::Select);
        ++attempts;
        // The computer's card is drawn before it chooses, so "draw first" only comes
        // from an odd restored state: it draws, and must not arm the human's discard.
        result = choice == target::DrawPile ? TurnStays : executeTarget(g, choice);
        if (result == TurnStays) drawCard(g, DrawSlide::Shown); // refills the slot of a laid safety
        checkBlockedHand(g);
        if (handOver(g)) return false;
    }
    // After 20 attempts without a move that ends the turn, it passes all the same.
    g.currentPlayer = std::uint8_t(1 - g.currentPlayer);
    drawCard(g, DrawSlide::Shown);
    drawHeaders(g);
    return true;
}

int hitTest(const Table& g, int x, int y) {
    const Layout& l = g.layout;
    // A card's box, its right and bottom edges included.
    for (int s = 1; s <= HandSize; ++s) {
        const Point card = l.slotCard(s);
        if (x >= card.x && x <= card.x + CardWidth && y >= card.y && y <= card.y + CardHeight)
            return s;
    }
    if (y >= l.handY && y <= l.statusY && x >= l.deckX) return target::DrawPile;
    const bool onPanel = x <= l.panelWidth || x >= l.columnStride;
    if (y < 30 && onPanel) return target::ScorePanel;
    if (y >= 30 && y <= l.handY && onPanel) return target::Board;
    if (y > l.statusY && y < l.screenHeight - 26) return target::StatusLine;
    return target::Nothing;
}

int executeTarget(Table& g, int t) {
    PlayerRecord& own = g.own();
    if (target::isHandSlot(t)) {
        const int s = t;
        if (own.slot(s) == EmptySlot) return TurnStays;
        if (g.discardArmed) {
            setSelectedSlot(g, s);
            g.discardArmed = false;
            t = target::DiscardPile;
        } else if (g.round.get(flag::playMode) != 0 && own.markedSlot() != s) {
            setSelectedSlot(g, s);
            markSlot(g, s);
            return TurnStays;
        } else {
            if (own.markedSlot() != s) markSlot(g, 0);
            setSelectedSlot(g, s);
            t = autoTarget(g, own.slot(s));
        }
    }
    int result = TurnStays;
    if (own.selectedSlot() != 0) {
        result = dispatchMove(g, t);
        if (result == MoveRefused) result = handleRefusedMove(g);
    } else if (t == target::DrawPile) {
        g.discardArmed = !g.discardArmed;
        setStatus(g, g.discardArmed ? text::TapToDiscard : text::TapToPlay, Refresh::Yes);
    } else {
        setStatus(g, text::TapToPlay, Refresh::Yes);
    }
    if (t == target::ScorePanel) g.host.runScoresDialog();
    return result;
}

void markSlot(Table& g, int s) {
    PlayerRecord& own = g.own();
    const int m = own.markedSlot();
    if (m != 0 && m != s) invertSlotHighlight(g, m);
    invertSlotHighlight(g, s);
    own.setMarkedSlot(m == s ? 0 : s);
}

int handleRefusedMove(Table& g) {
    PlayerRecord& own = g.own();
    const int s = own.selectedSlot();
    const int m = own.markedSlot();
    const int mode = g.round.get(flag::discardMode);
    if (mode == 2 || (mode == 1 && m != 0)) return discardCard(g);
    if (m != s) {
        markSlot(g, s);
        g.lastStatusId = 0;
    } else if (mode == 0) {
        // Refusals of the marked card alternate between the hint and the rule.
        if (g.lastStatusId == text::TapDeckToDiscard) {
            g.lastStatusId = 0;
        } else {
            setStatus(g, text::TapDeckToDiscard, Refresh::Yes);
            g.lastStatusId = text::TapDeckToDiscard;
        }
    }
    return TurnStays;
}

} // namespace tarmigo
