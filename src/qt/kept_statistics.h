#pragma once
// The statistics kept with the desktop settings, apart from the saved record: one
// line of text for each opponent. A line that cannot be read shows as no games
// and is written afresh with the next result; the other lines are not touched.
#include "app/statistics.h"

#include <optional>
#include <utility>

class QSettings;

namespace tarmigo {

class KeptStatistics {
  public:
    // Null keeps nothing and shows no games.
    explicit KeptStatistics(QSettings* settings) : settings_(settings) {}

    Figures figures(Opponent o) const;
    // Counts for the opponent in play: the level the game is played at now.
    void countHand(const Game& g);
    void countForfeit(const Game& g, int creditedSeat);
    // Puts the figures back as they were before the last hand counted, when an undo
    // reopens that hand; it is counted again when it ends again.
    void takeBackHand();
    // Forgets every figure.
    void reset();

  private:
    bool expertChosen() const;
    void keep(Opponent o, const Figures& f);

    QSettings* settings_;
    // The figures that the last hand counted changed, as they were before it.
    std::optional<std::pair<Opponent, Figures>> beforeLastHand_;
};

} // namespace tarmigo
