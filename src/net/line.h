#pragma once
// One connection's bytes both ways, clear and sealed. Frames go in the clear until a
// direction is sealed (after the sender's key confirmation); from then on the frames
// written at once are sealed together as one record, sent as a frame whose body is the
// sealed bytes, and the receiver takes the frames that open out of it as they came.
// Only the hellos, the exchange's shares and confirmations, a refusal and an error may
// come in the clear; a sealed record that does not open (changed, cut, dropped,
// replayed, reordered) ends the line with a one-line reason. A view sent goes as a
// change from the last one sent on the line when that is shorter, and not at all when
// it is that one; a change received comes out as the view it gives, or ends the line
// when it gives none.
#include "net/line_keys.h"
#include "net/messages.h"
#include "net/stream.h"

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::net {

// The label that binds an exchange to this protocol (the exchange's channel id).
inline constexpr std::string_view LineChannel = "Tarmigo network game, protocol 4";

// What the exchange runs on: the join code, normalised, and the seat key after it when
// the guest shows one, so that a lockout passes only the key's holder.
std::string linePassword(const std::string& code, const std::optional<SeatKey>& key);

// Our confirmation (tag and header) and our share, when the keys give them at the sizes
// the messages carry.
std::optional<Confirm> confirmationOf(const LineKeys& keys);
std::optional<Share> shareOf(const LineKeys& keys,
                             const std::array<std::uint8_t, SessionIdLength>& sessionId,
                             bool withKey);

class Line {
  public:
    // The connection's keys, made when the session id is known.
    void start(std::unique_ptr<LineKeys> keys) { keys_ = std::move(keys); }
    LineKeys* keys() const { return keys_.get(); }

    // From now on what is sent (sealOut) or received (sealIn) is sealed.
    void sealOut() { sealedOut_ = true; }
    void sealIn() { sealedIn_ = true; }
    bool sealedOut() const { return sealedOut_; }
    // Whether what comes now is sealed: the other side proved the code (or the code
    // and the seat key) and only it could have sent it.
    bool sealedIn() const { return sealedIn_; }

    void feed(std::span<const std::uint8_t> bytes) { outer_.feed(bytes); }
    // The next whole message received, or nothing while one is incomplete or after an
    // error, which is final.
    std::optional<Message> next();
    bool failed() const { return !error_.empty(); }
    const std::string& error() const { return error_; }

    void send(const Message& m);
    // The bytes to write now: the clear frames, and what was sent since the last take
    // sealed as records (`last`: the final one of the connection).
    std::vector<std::uint8_t> take(bool last = false);
    bool hasOutgoing() const { return !out_.empty() || !plain_.empty(); }
    // The bytes of the frames received, clear and opened: the messages as they came.
    std::size_t messageBytes() const { return messageBytes_; }

  private:
    std::unique_ptr<LineKeys> keys_;
    bool sealedIn_ = false;
    bool sealedOut_ = false;
    StreamDecoder outer_; // clear frames, then sealed records
    StreamDecoder inner_; // the frames sealed records open to
    std::string error_;
    std::vector<std::uint8_t> out_;
    std::vector<std::uint8_t> plain_; // frames waiting to be sealed
    // The fields of the last view sent and received, which a change is made against.
    std::vector<std::uint8_t> sentView_;
    std::vector<std::uint8_t> heardView_;
    std::size_t messageBytes_ = 0;
    std::optional<Message> whole(Message m);
};

} // namespace tarmigo::net
