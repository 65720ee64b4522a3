#pragma once
// What the rules report of the state they changed: one value type (Report), handed
// through one function, so that a listener that presents reports and leaves a kind out
// does not compile (it visits a Report with an Overloaded set of handlers and no
// catch-all).
//
// The rules are callees: they change the records, then say what happened, each report
// complete when made, and the layers above decide what that looks like. A move reports
// the card laid (the slot it left, where it went) once the state has changed, then the
// parts of the board it changed; a drawn card, a status message and the end of a hand
// are reported the same way. Nobody listens by default, so a bare game (a rule test, a
// benchmark, the computer's planning) runs silently; each Table (board/table.h) reports
// its rules to its own board, which shows them on that table's screen.
#include "game/move_record.h"
#include "game/strings.h"

#include <array>
#include <initializer_list>
#include <variant>
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
    // What a turn shows at once, where it happens: the players' headers (whose turn it
    // is), the mover's hand row turned up or covered for the hand-over, and the mark on
    // one slot of the mover's hand moved on or off.
    Headers,
    HandShown,
    HandCovered,
    SlotMark,
    StatusLine, // the status line, drawn at once
};

// A part of the board changed; which: whose battle pile, or the slot of a mark.
struct RegionChanged {
    Region region = Region::Board;
    int which = 0;
};

// A message for a seat's status line (AllSeats: every seat's).
struct StatusSaid {
    int seat = 0;
    StatusMessage message;
};

// The hand is scored and, when a player reached the winning score, the game decided;
// reported once per hand, before the scores are shown.
struct HandEnded {
    std::array<int, 2> handScore{};
    std::array<int, 2> gameScore{};
    bool gameOver = false;
};

// A move makes its sound (whether it is heard is the listener's option).
struct SoundMade {
    Sound sound = Sound::Miles;
};

// Whether the last move can now be taken back.
struct UndoAvailable {
    bool available = false;
};

// Whether the moves Undo took back can be played again.
struct RedoAvailable {
    bool available = false;
};

// The move waits for the mover's answer (Game::pending) to a question, by string id:
// a human reached the trip's length first and is asked whether to extend the race.
struct Question {
    int stringId = 0;
};

// A card laid (a coup fourre is a field of the safety laid) or drawn, and the rest.
using Report = std::variant<Laid, Drawn, RegionChanged, StatusSaid, HandEnded, SoundMade,
                            UndoAvailable, RedoAvailable, Question>;

// The bit of a kind of report in GameEvents::hears.
template <class Kind> constexpr unsigned reportBit() {
    return 1u << Report(std::in_place_type<Kind>).index();
}

// A set of handlers for std::visit, one per kind.
template <class... Handler> struct Overloaded : Handler... { using Handler::operator()...; };
template <class... Handler> Overloaded(Handler...) -> Overloaded<Handler...>;

class GameEvents {
  public:
    virtual ~GameEvents() = default;
    virtual void report(Game&, const Report&) {}

    // The kinds of report this listener hears (reportBit): the rules make no report of
    // another kind for it, which keeps a listener of cards alone (a self-played hand's
    // memory) as cheap as the rules without one. Every kind unless it says otherwise.
    unsigned hears = ~0u;

    // Reports to nobody.
    static GameEvents& silent();
};

// Hands every report to each listener in turn, in the order given: one game shown to
// several audiences (a window and a network guest) or watched beside its board.
class FanOut : public GameEvents {
  public:
    FanOut(std::initializer_list<GameEvents*> listeners) : listeners_(listeners) {
        hears = 0;
        for (const GameEvents* l : listeners_) hears |= l->hears;
    }
    void report(Game& g, const Report& r) override {
        for (GameEvents* l : listeners_) l->report(g, r);
    }

  private:
    std::vector<GameEvents*> listeners_;
};

} // namespace tarmigo
