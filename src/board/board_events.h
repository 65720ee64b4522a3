#pragma once
// The board's answer to what the rules report: slides, redraws and status messages.
#include "game/events.h"
#include "game/screen.h"

namespace tarmigo {

class BoardEvents : public GameEvents {
  public:
    void cardLeavesHand(Game& g, int target, int depth) override;
    void cardLeavesDrawPile(Game& g) override;
    void regionChanged(Game& g, Region region, int player) override;
    void statusMessage(Game& g, int stringId) override;
    void statusNumber(Game& g, int stringId, int number) override;

    // The board has no state of its own: one instance serves every game.
    static BoardEvents& instance();
};

// Where a card laid from the hand on the pile of a target code comes to rest.
Point pileCardPosition(const Game& g, int target, int depth);

} // namespace tarmigo
