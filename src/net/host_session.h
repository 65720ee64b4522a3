#pragma once
// The host's side of the connections of a network game, without sockets: the transport
// hands it each connection's opening, bytes and closing with the time, and takes the
// bytes to send and the connections to close; the game above takes the events (a guest
// admitted, dropped or gone, its inputs and rematch messages) and sends the guest its
// view and steps. Every connection says hello, then joins with the code; a wrong code is
// refused and counted against its address (net/lockout.h), a right one admits the guest
// and replaces any guest connection still open (the same player coming back). A peer
// silent for DropMs is dropped; a keep-alive goes out after KeepAliveMs without sending.
// A malformed, oversized, unknown or out-of-order message closes its connection with an
// error message and a one-line reason, and touches nothing else.
#include "net/lockout.h"
#include "net/messages.h"
#include "net/order.h"
#include "net/stream.h"

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

inline constexpr std::int64_t KeepAliveMs = 3'000;
inline constexpr std::int64_t DropMs = 15'000;
// Connections that have not joined yet, beyond which a new one is closed at once, so
// that a flood of connections cannot make the host grow.
inline constexpr std::size_t MaxWaiting = 32;

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
    explicit HostSession(std::string code, Hello ours = Hello::ours());

    const std::string& code() const { return code_; }

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
        StreamDecoder decoder{};
        Order order{Side::Host};
        std::int64_t lastHeard = 0;
        std::int64_t lastSent = 0;
    };
    void sendTo(ConnectionId c, const Message& m, bool close = false);
    void fail(ConnectionId c, const std::string& reason);
    void handle(ConnectionId c, const Message& m);
    void forget(ConnectionId c);

    std::string code_;
    Hello ours_;
    std::int64_t now_ = 0;
    Lockout lockout_;
    std::map<ConnectionId, Peer> peers_;
    std::optional<ConnectionId> guest_;
    std::vector<Outgoing> out_;
    std::vector<HostEvent> events_;
};

} // namespace tarmigo::net
