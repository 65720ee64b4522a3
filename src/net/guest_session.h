#pragma once
// The guest's side of a network game, without sockets: the transport tells it when the
// connection is made and lost, hands it the bytes received with the time, and sends the
// bytes it gives. It says hello, runs the key exchange on the code (and the seat key
// when it holds one) and joins over the sealed line, then shows what the host sends
// (seat 1's view and the steps of each move) and sends nothing but the player's inputs,
// rematch messages and a leaving. A host silent for DropMs counts as dropped; after a
// drop the transport connects again, waiting nextDelay() between attempts, and the host
// answers the join with the whole view. The seat key the host gives on the first join
// goes with every join after it; the program keeps it beside the code.
//
// A broken line is a drop: a sealed record that does not open, a message out of order,
// an error from the host, an exchange that fails. Nothing that comes before the host's
// key confirmation checked out (the hello, a refusal or an error in the clear) changes
// what the guest keeps or ends a seat's game: a guest holding a seat key takes it as a
// failed try and connects again. Only a keyless guest's first join is ended by a clear
// refusal (it has nothing to keep), and only a sealed "seat freed" erases the key.
// After MaxFailedExchanges connections in a row that did not get the guest in, it
// stops, with the last reason. A sealed refusal and a leaving end the game's
// connection for good.
#include "net/host_session.h"
#include "net/line.h"
#include "net/messages.h"
#include "net/order.h"

#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::net {

struct GuestEvent {
    enum class Kind {
        Admitted, // the code was accepted; the view follows (and key() is the seat key)
        View,     // seat 1's view, to paint the board from
        Steps,    // the steps of a move to present, before the view that follows them
        Rematch,  // the host asks for a rematch or answers the guest's request
        Refused,  // text: the sentence to show (wrong code, lockout, versions, the seat);
                  // refusal: why, when the host said
        Dropped,  // the line was cut, altered or refused unchecked; text: why; reconnecting
        Left,     // the host quit on purpose
        Error,    // text: why the guest stopped trying (the last of MaxFailedExchanges)
    };
    Kind kind = Kind::View;
    std::string text;
    std::optional<SeatView> view;
    std::vector<ShownStep> steps;
    Rematch::Kind rematch = Rematch::Kind::Ask;
    std::optional<Refusal::Reason> refusal; // also what a refusal in the clear claimed
};

// The English sentence of a refusal, as the guest shows it (the window words its own).
std::string refusalSentence(Refusal::Reason r);

class GuestSession {
  public:
    // `nonces`: where each connection's session id comes from.
    GuestSession(std::string code, LineFactory lines, std::optional<SeatKey> key = {},
                 Hello ours = Hello::ours(), KeySource nonces = randomKeys());

    // The transport: the connection is made (the hello and the join go out), bytes
    // arrived, the connection ended, and the passing of time.
    void connected(std::int64_t now);
    void received(std::span<const std::uint8_t> bytes, std::int64_t now);
    void disconnected(std::int64_t now);
    void tick(std::int64_t now);

    // The player: an input (a tap on a place, the extension's answer, Undo), a
    // rematch request or answer, and leaving on purpose. Nothing goes out before the
    // first view.
    void send(const Input& input);
    void rematch(Rematch::Kind kind);
    void leave();

    // Whether the guest is admitted and connected now.
    bool admitted() const { return admitted_ && !close_; }
    // Whether the transport should connect again: after a drop, never after a
    // refusal, a leaving or too many failed tries.
    bool wantsConnection() const { return !finished_; }
    // Connections in a row that ended before the guest was admitted, beyond which it
    // stops: what a fake host or someone on the path can make it try.
    static constexpr int MaxFailedExchanges = 6;
    // The wait before the attempt after `failures` failed ones: 250 ms doubling to 8 s.
    static std::int64_t retryDelay(int failures);
    // The wait before the next attempt: by the attempts that failed since the guest was
    // last admitted, whether the connection was made or not.
    std::int64_t nextDelay() const { return retryDelay(failures_ - 1); }

    // Whether the last view asks the guest a question it has not answered on it: an
    // answer to any other (a question shown again after a rejoin) is not sent.
    bool questionOpen() const {
        return admitted() && view_ && view_->decisionPending && !answered_;
    }

    // The seat key held: the one given at the start or by the host.
    const std::optional<SeatKey>& key() const { return key_; }

    // The last view received, kept across a drop.
    const std::optional<SeatView>& view() const { return view_; }

    std::vector<std::uint8_t> takeOutgoing();
    // The transport closes the connection once the outgoing bytes are written.
    bool wantsClose() const { return close_; }
    std::vector<GuestEvent> takeEvents();

    // Called with every message received and accepted, for a log.
    std::function<void(const Message&)> heard;

    // The bytes of every connection so far as they went on the line, sealed or not.
    struct WireBytes {
        std::size_t received = 0;
        std::size_t sent = 0;
    };
    const WireBytes& wireBytes() const { return wireBytes_; }
    // The bytes of the messages received on every connection so far, as they came
    // (a view as a change when it came as one).
    std::size_t messageBytes() const { return earlierMessages_ + line_.messageBytes(); }

  private:
    void sendMessage(const Message& m);
    // The line broke: the host is told why (unless `tell` is false), and the guest
    // connects again.
    void broken(const std::string& reason, bool tell = true);
    void refused(const std::string& sentence, std::optional<Refusal::Reason> why);
    void handle(const Message& m);
    void exchange(const Share& theirs);
    void confirm(const Confirm& theirs);
    void lost(std::string reason);

    std::string code_;
    LineFactory lines_;
    std::optional<SeatKey> key_;
    std::optional<SeatKey> shown_; // the key this connection's exchange runs on
    // The next try shows no key: a "seat freed" came in the clear, which the key's holder
    // cannot check; a seat still free then seats it anew, one still held says so sealed.
    bool skipKey_ = false;
    bool answered_ = false;   // the last view's question, on this connection
    int failures_ = 0;        // attempts since the guest was last admitted
    int failedExchanges_ = 0; // of them, connections made
    Hello ours_;
    KeySource nonces_;
    SeatKey sessionId_{};
    bool linked_ = false;
    bool admitted_ = false;
    bool finished_ = false;
    bool close_ = false;
    Line line_;
    Order order_{Side::Guest};
    std::int64_t now_ = 0;
    std::int64_t lastHeard_ = 0;
    std::int64_t lastSent_ = 0;
    std::optional<SeatView> view_;
    std::vector<GuestEvent> events_;
    WireBytes wireBytes_;
    std::size_t earlierMessages_ = 0;
};

} // namespace tarmigo::net
