#pragma once
// What the rules report while they change the state.
//
// The rules are callees: they change the records and say what happened, and the
// layers above decide what that looks like. A move reports the card leaving the
// hand before the state changes (so a slide can start from where the card was),
// then the parts of the board it changed; a drawn card, a status message and the
// end of a hand are reported the same way. Every report has a do-nothing default,
// so a bare game (a rule test, a benchmark, the computer's planning) runs silently;
// the board layer implements it by sliding and drawing: each Table (board/table.h)
// reports its rules to its own board, which draws on that table's screen.
#include "game/move_record.h"

#include <initializer_list>
#include <vector>

namespace tarmigo {

struct Game;

// The sound a move makes.
enum class Sound { Safety, Remedy, Hazard, Miles };

// The name of a sound's recording: "WVS", "WVR", "WVH", "WVM".
const char* soundName(Sound s);

// The parts of the board that a rule may change.
enum class Region {
    Hand,            // the current player's hand row
    DrawPile,        // the draw pile and the count of cards left
    PlayerPanels,    // both players' piles and safeties
    BattlePile,      // one player's battle pile
    MilesAndHeaders, // the miles and the players' headers
    MileageBar,      // the bar of miles under the headers
    Board,           // the whole board
};

class GameEvents {
  public:
    virtual ~GameEvents() = default;

    // The current player's selected card leaves the hand for a pile.
    virtual void cardLeavesHand(Game&, const Laid&) {}
    // A card is about to be drawn from the pile into the current player's slot.
    virtual void cardLeavesDrawPile(Game&, const Drawn&) {}
    virtual void regionChanged(Game&, Region, int /*player*/) {}
    // A message for a seat's status line (AllSeats: every seat's), by string id; the
    // number fills its "%d".
    virtual void statusMessage(Game&, int /*seat*/, int /*stringId*/) {}
    virtual void statusNumber(Game&, int /*seat*/, int /*stringId*/, int /*number*/) {}
    // The hand is scored and, when a player reached the winning score, the game
    // decided; reported once per hand, before the scores are shown.
    virtual void handEnded(Game&) {}
    // A move makes its sound (whether it is heard is the listener's option).
    virtual void sound(Game&, Sound) {}
    // Whether the last move can now be taken back.
    virtual void undoAvailable(Game&, bool /*available*/) {}
    // A human reached the trip's length first: the move waits for the answer to
    // whether the race is extended (Game::pending).
    virtual void extensionAsked(Game&) {}
    // The safety just laid (reported as it left the hand) is a coup fourre.
    virtual void coupFourre(Game&, const Laid&) {}

    // Reports to nobody.
    static GameEvents& silent();
};

// Hands every report to each listener in turn, in the order given: one game shown to
// several audiences (a window and a network guest) or watched beside its board.
class FanOut : public GameEvents {
  public:
    FanOut(std::initializer_list<GameEvents*> listeners) : listeners_(listeners) {}

    void cardLeavesHand(Game& g, const Laid& m) override;
    void cardLeavesDrawPile(Game& g, const Drawn& m) override;
    void regionChanged(Game& g, Region region, int player) override;
    void statusMessage(Game& g, int seat, int stringId) override;
    void statusNumber(Game& g, int seat, int stringId, int number) override;
    void handEnded(Game& g) override;
    void sound(Game& g, Sound s) override;
    void undoAvailable(Game& g, bool available) override;
    void extensionAsked(Game& g) override;
    void coupFourre(Game& g, const Laid& m) override;

  private:
    std::vector<GameEvents*> listeners_;
};

} // namespace tarmigo
