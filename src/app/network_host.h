#pragma once
// The host's network game: a two-player game whose Player 2 plays from another program.
// The host holds the game and saves it after every move, apart from the game against the
// computer or at one screen; seat 0 is the person at this program, seat 1 the guest,
// whose inputs arrive through the connection (net/host_session.h) and are played through
// the same tap path as a local two-player game, after a check against the turn: an input
// out of turn changes nothing and gets "Not your turn". There is no hand-over cover:
// each player always sees their own hand. After every move the guest is sent seat 1's
// share of the move's presentation (net/shown_steps.h) and its view.
//
// While no guest is connected the game is paused: nobody moves, and the status line says
// "Waiting for Player 2 to reconnect" (or "Player 2 has left the game"). A guest that
// joins again with the code and its seat key gets the whole view and the game goes on;
// the key is saved with the game, so that a resumed host keeps the seat for it.
//
// A hand's end waits for a tap from either side to deal the next; at a game's end either
// side may ask for a rematch and the other accept it, the new game's first player
// following the record's next starter.
#include "app/session.h"
#include "app/shell_host.h"
#include "board/board_events.h"
#include "board/repaint.h"
#include "net/host_session.h"
#include "net/shown_steps.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo {

// The network game's own stores: the two copies of its record, and its join code.
struct NetworkStores {
    Store* file = nullptr;
    Store* second = nullptr;
    Store* code = nullptr; // the six characters, so that a resumed game keeps its code
    Store* seat = nullptr; // the seated guest's key; empty or missing while the seat is free
};

// What the host's program shows beside the board: the guest coming and going, its
// rematch messages and connections refused.
struct NetworkNotice {
    enum class Kind {
        GuestJoined,
        GuestDropped,      // text: why, when known
        GuestLeft,         // on purpose
        RematchAsked,      // the guest asks; answerRematch answers
        RematchAnswer,     // yes: the guest accepted the host's request (a new game began)
        ConnectionRefused, // text: the sentence (a wrong code, a lockout, versions)
        ConnectionError,   // text: the one-line reason a connection was closed
    };
    Kind kind = Kind::GuestJoined;
    std::string text;
    bool yes = false;
    std::optional<net::Refusal::Reason> refusal; // ConnectionRefused: why, when one of these
};

class NetworkHost : public net::HostEndpoint {
  public:
    // A host ready to start; `code` is used unless a saved game brings its own.
    // `lines`: each connection's keys (the programs give the sealed lines,
    // app/sealed_lines.h).
    NetworkHost(ShellHost& host, NetworkStores stores, std::string code, net::LineFactory lines,
                net::KeySource keys = net::randomKeys());
    NetworkHost(const NetworkHost&) = delete;
    NetworkHost& operator=(const NetworkHost&) = delete;

    // Whether a sound saved network game exists in the stores (a resume to offer).
    static bool hasSavedGame(NetworkStores stores);
    // The saved game's code, when a sound one is kept.
    static std::optional<std::string> savedCode(NetworkStores stores);
    // The saved game's seat key, when a sound game and a whole key are kept.
    static std::optional<net::SeatKey> savedSeat(NetworkStores stores);

    // Lays out the board and begins: the saved network game when `resume` and a sound
    // one is stored (true is returned), a new game otherwise. The game plays by the
    // options of `person` (the host's game at this program), or by the standard ones.
    bool start(std::int16_t screenWidth, std::int16_t screenHeight, bool resume,
               const Game* person = nullptr);

    Session& game() { return game_; }
    const Session& game() const { return game_; }
    const std::string& code() const { return link_.code(); }
    net::HostSession& link() { return link_; }

    // The person at this program, seat 0: a tap on the window, a place tapped (for
    // programs without a window), the extension's answer and Undo (of seat 0's own
    // last move, until the guest moves).
    void penUp(int x, int y);
    void tapPlace(int place);
    void answer(bool yes);
    bool undo();
    // A rematch at the game's end: asks the guest, or answers the guest's request.
    void askRematch();
    void answerRematch(bool yes);
    // This program stops hosting on purpose: the guest is told; the game stays saved.
    void leave();
    // Whether a guest holds Player 2's seat (connected or not), and the host's player
    // freeing it for a guest without the key.
    bool seatHeld() const { return link_.seat().has_value(); }
    void freeSeat();

    // Whether nobody may move: no guest is connected.
    bool paused() const { return !link_.hasGuest(); }
    bool rematchAsked() const { return guestAsked_; }

    // The transport (see net::HostSession).
    void opened(net::ConnectionId c, const std::string& address, std::int64_t now) override;
    void received(net::ConnectionId c, std::span<const std::uint8_t> bytes,
                  std::int64_t now) override;
    void closed(net::ConnectionId c, std::int64_t now) override;
    void tick(std::int64_t now) override;
    std::vector<net::Outgoing> takeOutgoing() override { return link_.takeOutgoing(); }
    std::vector<NetworkNotice> takeNotices();

  private:
    // Seat 0's board: the window shows the host's own Undo button and question alone.
    // It keeps what the host needs of the moves: whose move Undo would take back, a hand
    // scored.
    class HostBoard : public BoardEvents {
      public:
        HostBoard(Table& table, NetworkHost& owner) : BoardEvents(table), owner_(owner) {}
        void report(Game& g, const Report& r) override;

      private:
        NetworkHost& owner_;
    };

    void handle(const net::HostEvent& e);
    void notice(NetworkNotice::Kind kind, std::string text = {}, bool yes = false);
    // Plays one input of a seat; false when refused (out of turn, paused).
    bool play(int seat, const net::Input& input);
    // The refusal a seat's input gets, shown to that seat alone.
    void refuse(int seat, int stringId);
    void newGame(GameScores scores);
    // After every change: the save, the guest's steps and view, each side's status
    // line, the repaint.
    void settle();
    // Each side's status line after a change: its own on its turn and at a hand's end,
    // whose turn it is while it waits; the guest is sent its view.
    void showStatuses();
    // Seat 1's view with the status line the guest is shown.
    void sendView();
    // The hint the guest asked for: Expert's choice on its turn, none otherwise.
    void sendHint();
    void showPause(int stringId);
    void saveSeat();

    ShellHost& host_;
    NetworkStores stores_;
    Session game_;
    net::ShownSteps shown_;
    net::HostSession link_;
    HostBoard board_;
    // Every report goes to the host's board and the guest's steps.
    FanOut events_{&board_, &shown_};
    // The seat whose last move Undo may take back, or -1.
    int undoSeat_ = -1;
    bool hostAsked_ = false;
    bool guestAsked_ = false;
    bool guestLeft_ = false;
    bool scored_ = false;
    std::vector<NetworkNotice> notices_;
};

} // namespace tarmigo
