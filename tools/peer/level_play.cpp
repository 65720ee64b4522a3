#include "level_play.h"

#include "ai/choose_card.h"
#include "game/targets.h"

namespace tarmigo::peer {
namespace {

// The computer's Easy level draws its odd choices from the clock.
class Clock : public Host {
  public:
    std::uint32_t tickCount() override { return ticks_ += 7919; }

  private:
    std::uint32_t ticks_ = 1;
};

Clock& clock() {
    static Clock c;
    return c;
}

} // namespace

std::optional<net::Input> LevelPlayer::next(const Game& real, int seat, net::Dice& dice) {
    const SeatView v = viewFor(real, seat);
    if (v.decisionPending) return net::Input{net::Input::Kind::Extension, dice.below(2)};
    if (v.handOver || !v.isOwnTurn() || !v.handShown) return std::nullopt;
    // A card refused and marked is discarded by a tap on the pile.
    if (v.selectedSlot != 0) {
        armedSlot_ = 0;
        return net::Input{net::Input::Kind::Tap, target::DrawPile};
    }
    if (armedSlot_ != 0) {
        const int slot = armedSlot_;
        armedSlot_ = 0;
        return net::Input{net::Input::Kind::Tap, slot};
    }
    Game g(clock());
    g.deck = real.deck;
    g.round = real.round;
    g.players = real.players;
    g.playerCount = real.playerCount;
    g.currentPlayer = std::uint8_t(seat);
    g.round.set(flag::hard, level_ != Level::Easy);
    const int target = chooseCard(g, ChooseMode::Select);
    const int slot = g.own().selectedSlot();
    if (slot == 0) return net::randomInput(v, dice);
    if (target == target::DiscardPile) {
        armedSlot_ = slot;
        return net::Input{net::Input::Kind::Tap, target::DrawPile};
    }
    return net::Input{net::Input::Kind::Tap, slot};
}

std::optional<net::Input> LevelPlayer::next(const SeatView& v, net::Dice& dice) {
    if (v.decisionPending) return net::Input{net::Input::Kind::Extension, dice.below(2)};
    if (v.handOver || !v.isOwnTurn() || !v.handShown) return std::nullopt;
    Game g(clock());
    g.playerCount = std::uint8_t(v.playerCount);
    g.currentPlayer = std::uint8_t(v.currentPlayer);
    g.round.deckPos = std::uint8_t(DeckSize - v.cardsLeft);
    g.round.discardTop = v.discardTop == EmptySlot ? 0 : v.discardTop;
    g.round.raceLength = std::uint16_t(v.raceLength);
    for (int p = 0; p < 2; ++p) {
        const PlayerView& pv = v.players[std::size_t(p)];
        PlayerRecord& r = g.players[std::size_t(p)];
        r.miles = std::uint16_t(pv.miles);
        r.setSafeties(pv.safeties);
        r.setCoupFourre(pv.coupFourre);
        r.setBattle(pv.battle);
        r.setSpeed(pv.speed);
        for (std::size_t i = 0; i < r.distancePlayed.size(); ++i)
            r.distancePlayed[i] = std::uint8_t(pv.distancePlayed[i]);
        r.hand.fill(Card(EmptySlot));
    }
    // The other hand is unknown: the guest's own alone is filled in.
    g.players[std::size_t(v.seat)].hand = v.hand;
    g.players[std::size_t(v.seat)].setSelectedSlot(v.selectedSlot);
    return next(g, v.seat, dice);
}

} // namespace tarmigo::peer
