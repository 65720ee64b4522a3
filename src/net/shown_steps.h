#pragma once
// The host's game reports a move here, and seat 1's share of it becomes the steps the
// guest is sent: a card laid (its slot only from seat 1's own hand, a coup fourre as a
// field), a draw (the host's as a back) with the pile's count after it, the sound, the
// Undo button (enabled only by seat 1's own move), the Scores dialog with its figures,
// and the question when seat 1 answers it; what the board redraws and the host's status
// lines are not sent (the view carries seat 1's own).
// Nothing is taken from the game but what its reports name and whose turn it is.
#include "game/events.h"
#include "net/messages.h"

namespace tarmigo::net {

class ShownSteps : public GameEvents {
  public:
    void report(Game& g, const Report& r) override;

    // The steps since the last take, in at most MaxSteps each.
    std::vector<Steps> take();
    bool empty() const { return steps_.empty(); }

  private:
    std::vector<ShownStep> steps_;
};

} // namespace tarmigo::net
