#pragma once
// The guest's side of a network game, without sockets: the transport tells it when the
// connection is made and lost, hands it the bytes received with the time, and sends the
// bytes it gives. It says hello, runs the key exchange on the code (and the seat key
// when it holds one) and joins over the sealed line, then shows what the host sends
// (seat 1's view and the steps of each move) and sends nothing but the player's inputs,
// rematch messages and a leaving. A host silent for DropMs counts as dropped; after a
// drop the transport connects again, waiting retryDelay between attempts, and the host
// answers the join with the whole view. The seat key the host gives on the first join
// goes with every join after it; the program keeps it beside the code.
// A refusal, a leaving or an error ends the game's connection for good: no reconnection
// follows.
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
        Dropped,  // the connection was lost or the host fell silent; reconnecting
        Left,     // the host quit on purpose
        Error,    // text: the one-line reason the connection was closed
    };
    Kind kind = Kind::View;
    std::string text;
    std::optional<SeatView> view;
    std::vector<ShownStep> steps;
    Rematch::Kind rematch = Rematch::Kind::Ask;
    std::optional<Refusal::Reason> refusal;
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
    // refusal, a leaving or an error.
    bool wantsConnection() const { return !finished_; }
    // The wait before the attempt after `failures` failed ones: 250 ms doubling to 8 s.
    static std::int64_t retryDelay(int failures);

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
    void fail(const std::string& reason);
    void handle(const Message& m);
    void exchange(const Share& theirs);
    void confirm(const Confirm& theirs);
    void lost(std::string reason);

    std::string code_;
    LineFactory lines_;
    std::optional<SeatKey> key_;
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
