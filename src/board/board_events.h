#pragma once
// The board's answer to what the rules report: slides, redraws and status messages.
#include "board/layout.h"
#include "game/cards.h"
#include "game/events.h"

namespace tarmigo {

struct Table;

// Listens to one table's rules and draws on that table.
class BoardEvents : public GameEvents {
  public:
    explicit BoardEvents(Table& table) : table_(table) {}

    void cardLeavesHand(Game& g, const Laid& laid) override;
    void cardLeavesDrawPile(Game& g, const Drawn& drawn) override;
    void regionChanged(Game& g, Region region, int player) override;
    void statusMessage(Game& g, int seat, int stringId) override;
    void statusNumber(Game& g, int seat, int stringId, int number) override;
    void handEnded(Game& g) override;
    void sound(Game& g, Sound s) override;
    void undoAvailable(Game& g, bool available) override;
    void extensionAsked(Game& g) override;
    void coupFourre(Game& g, const Laid& laid) override;

  private:
    Table& table_;
};

// Where `card`, laid on the pile of a target code, comes to rest; depth: the cards
// already in its distance column.
Point pileCardPosition(const Layout& l, int target, Card card, int depth);

} // namespace tarmigo
