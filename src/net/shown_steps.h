#pragma once
// The host's game reports a move here, and seat 1's share of it becomes the steps the
// guest is sent: a card laid (its slot only from seat 1's own hand) and whether it was a
// coup fourre, a draw as a back, the sound, the Undo button (enabled only by seat 1's
// own move), the Scores dialog, and the question when seat 1 answers it. Nothing is
// taken from the game but what its reports name.
#include "game/events.h"
#include "net/messages.h"

namespace tarmigo::net {

class ShownSteps : public GameEvents {
  public:
    void cardLeavesHand(Game& g, const Laid& laid) override;
    void cardLeavesDrawPile(Game& g, const Drawn& drawn) override;
    void coupFourre(Game& g, const Laid& laid) override;
    void handEnded(Game& g) override;
    void sound(Game& g, Sound s) override;
    void undoAvailable(Game& g, bool available) override;
    void extensionAsked(Game& g) override;

    // The steps since the last take, in at most MaxSteps each.
    std::vector<Steps> take();
    bool empty() const { return steps_.empty(); }

  private:
    std::vector<ShownStep> steps_;
};

} // namespace tarmigo::net
