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

    // The current player's selected card leaves the hand for the pile named by a
    // target code; depth counts the cards already in its distance column.
    virtual void cardLeavesHand(Game&, int /*target*/, int /*depth*/) {}
    // A card is about to be drawn from the pile into the current player's slot.
    virtual void cardLeavesDrawPile(Game&) {}
    virtual void regionChanged(Game&, Region, int /*player*/) {}
    // A message for the status line, by string id; the number fills its "%d".
    virtual void statusMessage(Game&, int /*stringId*/) {}
    virtual void statusNumber(Game&, int /*stringId*/, int /*number*/) {}
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
    // The safety being laid (the current player's selected card) is a coup fourre.
    virtual void coupFourre(Game&) {}

    // Reports to nobody.
    static GameEvents& silent();
};

} // namespace tarmigo
