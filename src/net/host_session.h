#pragma once
// The host's side of the connections of a network game, without sockets: the transport
// hands it each connection's opening, bytes and closing with the time, and takes the
// bytes to send and the connections to close; the game above takes the events (a guest
// admitted, dropped or gone, its inputs and rematch messages) and sends the guest its
// view and steps. Every connection says hello, then runs the key exchange on the code
// (net/line_keys.h): a wrong code fails its confirmation and is refused and counted
// against its address (net/lockout.h), one guess a connection; from then on every
// message is sealed, and the guest joins. The first right one admits
// the guest and gives it a random seat key; from then on the seat is the key holder's:
// a join with the code but not the key is refused ("the seat is taken") and displaces
// nobody, and one with both replaces any guest connection still open (the same player
// coming back), which is told so before it is closed. The key passes any lockout. The
// guest leaving on purpose, or the host's player, frees the seat. A peer
// silent for DropMs, or not joined after JoinMs, is dropped; a keep-alive goes out after
// KeepAliveMs without sending. A malformed, oversized, unknown or out-of-order message
// closes its connection with an error message and a one-line reason, and touches nothing
// else.
#include "net/line.h"
#include "net/lockout.h"
#include "net/messages.h"
#include "net/order.h"

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::net {

// Chosen by the transport, never reused while the session lives.
using ConnectionId = std::uint64_t;

// Where seat keys come from: the system's random source in the programs, a fixed
// sequence in the tests.
using KeySource = std::function<SeatKey()>;

// Keys from the standard library's random device.
KeySource randomKeys();

inline constexpr std::int64_t KeepAliveMs = 3'000;
inline constexpr std::int64_t DropMs = 15'000;
// Connections that have not joined yet, in all and from one place (an IPv4 address or an
// IPv6 /64, net/lockout.h), so that a flood of connections cannot make the host grow: a
// newcomer beyond either lets go of the one of them silent the longest, so that a
// trickle of idle connections cannot keep the seated guest out. And the time a
// connection has to join.
inline constexpr std::size_t MaxWaiting = 32;
inline constexpr std::size_t MaxWaitingPerPlace = 4;
inline constexpr std::int64_t JoinMs = 5'000;

// Bytes for one connection, and whether to close it once they are written.
struct Outgoing {
    ConnectionId to = 0;
    std::vector<std::uint8_t> bytes;
    bool close = false;
};

struct HostEvent {
    enum class Kind {
        Joined,  // the guest is admitted: send it the whole view now
        Dropped, // the guest's connection ended without a leaving (text: why, or empty)
        Left,    // the guest quit on purpose
        Input,   // the guest's input, for the game to check and play
        Rematch, // the guest asks for a rematch or answers the host's request
        Refused, // a connection was refused (text: the sentence); the game is untouched
        Error,   // a connection sent what may not come (text: the one-line reason)
    };
    Kind kind = Kind::Joined;
    ConnectionId connection = 0;
    std::string text;
    std::optional<Refusal::Reason> refusal; // Refused: why, but for a mismatch of versions
    Input input;
    Rematch::Kind rematch = Rematch::Kind::Ask;
    bool operator==(const HostEvent&) const = default;
};

// What a transport feeds the connections to and takes the bytes from: a HostSession,
// or the game that holds one (app/network_host.h).
class HostEndpoint {
  public:
    virtual ~HostEndpoint() = default;
    virtual void opened(ConnectionId c, const std::string& address, std::int64_t now) = 0;
    virtual void received(ConnectionId c, std::span<const std::uint8_t> bytes,
                          std::int64_t now) = 0;
    virtual void closed(ConnectionId c, std::int64_t now) = 0;
    virtual void tick(std::int64_t now) = 0;
    virtual std::vector<Outgoing> takeOutgoing() = 0;
};

class HostSession : public HostEndpoint {
  public:
    HostSession(std::string code, LineFactory lines, KeySource keys = randomKeys(),
                Hello ours = Hello::ours());

    const std::string& code() const { return code_; }

    // The seated guest's key; nothing while the seat is free.
    const std::optional<SeatKey>& seat() const { return seat_; }
    // A resumed game's seat, held by the key saved with it.
    void holdSeat(const SeatKey& key) { seat_ = key; }
    // The host's player frees the seat for a guest without the key: a guest connected
    // is told and let go, and the next join with the code is seated.
    void freeSeat();

    // The transport: a connection accepted from an address ("127.0.0.1"), bytes
    // received on it, its end (by the peer or the network), and the passing of time.
    void opened(ConnectionId c, const std::string& address, std::int64_t now) override;
    void received(ConnectionId c, std::span<const std::uint8_t> bytes, std::int64_t now) override;
    void closed(ConnectionId c, std::int64_t now) override;
    void tick(std::int64_t now) override;

    // To the admitted guest; nothing when none is connected.
    void send(const Message& m);
    // The host quits on purpose: the guest is told and its connection closed.
    void leave();

    bool hasGuest() const { return guest_.has_value(); }
    std::optional<ConnectionId> guest() const { return guest_; }
    std::size_t connections() const { return peers_.size(); }

    std::vector<Outgoing> takeOutgoing() override;
    std::vector<HostEvent> takeEvents();

    // Called with every message received and accepted from the admitted guest, for a log.
    std::function<void(const Message&)> heard;

  private:
    struct Peer {
        std::string address;
        std::string place; // Lockout::placeOf(address)
        Line line;
        bool withKey = false; // the exchange ran on the code and the seat key
        Order order{Side::Host};
        std::int64_t opened = 0;
        std::int64_t lastHeard = 0;
        std::int64_t lastSent = 0;
    };
    void sendTo(ConnectionId c, const Message& m, bool close = false);
    // What is left to write to the connection, and then its end.
    void closeConnection(ConnectionId c);
    void fail(ConnectionId c, const std::string& reason);
    void refuse(ConnectionId c, Refusal::Reason reason);
    void handle(ConnectionId c, const Message& m);
    void exchange(ConnectionId c, const Share& share);
    void confirm(ConnectionId c, const Confirm& theirs);
    void join(ConnectionId c, const Join& join);
    void forget(ConnectionId c);

    std::string code_;
    LineFactory lines_;
    KeySource keys_;
    std::optional<SeatKey> seat_;
    Hello ours_;
    std::int64_t now_ = 0;
    Lockout lockout_;
    std::map<ConnectionId, Peer> peers_;
    std::optional<ConnectionId> guest_;
    std::vector<Outgoing> out_;
    std::vector<HostEvent> events_;
};

} // namespace tarmigo::net
