#include "ai/blocked_hand.h"

#include "ai/choose_card.h"
#include "game/hand_end.h"
#include "game/targets.h"

namespace tarmigo {

void checkBlockedHand(Game& g) {
    if (!g.deckExhausted() || g.has(flag::handOver)) return;
    const std::uint8_t current = g.currentPlayer;
    if (chooseCard(g, ChooseMode::AskOnly) != target::DiscardPile) return;
    g.currentPlayer = std::uint8_t(1 - current);
    if (chooseCard(g, ChooseMode::AskOnly) != target::DiscardPile) {
        g.currentPlayer = current;
        return;
    }
    g.currentPlayer = g.players[1].handScore > g.players[0].handScore ? 1 : 0;
    endHand(g);
}

} // namespace tarmigo
