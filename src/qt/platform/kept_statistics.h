#pragma once
// The statistics kept with the desktop settings, apart from the saved record: one
// line of text for each opponent, and the mark of the last hand counted (see
// app/statistics_book.h). A line that cannot be read shows as no games and is
// written afresh with the next result; the other lines are not touched.
#include "app/statistics_book.h"

class QSettings;

namespace tarmigo {

class KeptStatistics : private StatisticsStore {
  public:
    // Null keeps nothing and shows no games.
    explicit KeptStatistics(QSettings* settings)
        : settings_(settings), book_(settings ? this : nullptr),
          networkBook_(settings ? this : nullptr, StatisticsBook::Games::Network) {}

    // Whether the window's game is the network game it hosts: its hands count in the
    // Network column, against the network game's own mark.
    void setNetworkGame(bool network) { network_ = network; }

    Figures figures(Opponent o) const { return book_.figures(o); }
    // Counts g's hand when it is over and not counted yet, for the level played now.
    // Call it after the game record is saved: a second call for the same hand does
    // nothing.
    void countHand(const Game& g) { book().countFinishedHand(g, expertChosen()); }
    // At start-up, once the saved game is restored: counts a finished hand that a
    // kill kept from being counted, or takes back one that an undo reopened.
    void settle(const Game& g) { book().settle(g, expertChosen()); }
    void countForfeit(const Game& g, int creditedSeat) {
        book().countForfeit(g, expertChosen(), creditedSeat);
    }
    // Puts the figures back as they were before the last hand counted, when an undo
    // reopens that hand; it is counted again when it ends again.
    void takeBackHand() { book().takeBackHand(); }
    // A guest's hand, from its seat's view at the hand's end.
    void countSeatHand(const SeatView& v) { book_.countSeatHand(v); }
    // Forgets every figure.
    void reset() { book_.reset(); }

  private:
    StatisticsBook& book() { return network_ ? networkBook_ : book_; }
    bool expertChosen() const;
    std::optional<std::string> read(const std::string& key) const override;
    void write(const Lines& lines) override;

    QSettings* settings_;
    StatisticsBook book_;
    StatisticsBook networkBook_;
    bool network_ = false;
};

} // namespace tarmigo
