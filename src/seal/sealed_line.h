#pragma once
// The messages after the exchange, sealed: one libsodium secretstream
// (crypto_secretstream_xchacha20poly1305) per direction, keyed by the exchange's
// traffic keys (seal/exchange.h).
//
// Each side sends its stream's header once (HeaderBytes, public) before its first
// sealed message, and takes the other side's with accept(). The stream numbers its
// messages itself (the nonce moves on with each one), so nothing else is sent.
//
// Framing. A sealed unit costs SealOverhead bytes: Poly1305's 16 and the stream's
// encrypted tag byte. The project's frames (net/messages.h: a 4-byte length, then the
// body) can carry it two ways (the network line, net/line.h, seals per write):
// - per message: a frame's body is seal(body): SealOverhead bytes a message;
// - per write: the frames written to a connection at once (the steps and the view that
//   answer an input) are sealed together as one record, a frame whose body is
//   seal(those frames as today), and the receiver feeds what opens to its
//   StreamDecoder: 4 + SealOverhead bytes a write.
// Over 5 games of tarmigo-peer on main a7f476f (host seed 1, guest seed 2) the host sent
// the guest 219,083 bytes in 5,119 frames and 2,578 writes (HostSession::takeOutgoing
// with bytes for the guest): per message +87,023 bytes (+39.7 %), per write +54,138
// (+24.7 %). Nearly every write holds one view (69 bytes as a frame).
//
// A changed byte, a cut message, a message dropped (the next one fails), replayed or
// swapped with another does not open, and the first failure is final: the line opens
// nothing after it, and the connection is to be closed with the one-line reason.
// A message sealed as the last (the stream's final tag) ends the line: anything after it
// is refused, so a goodbye cannot be followed by forged traffic.
//
// Pure: bytes in, bytes out; no sockets, no clock.
#include "seal/exchange.h"

#include <cstddef>
#include <memory>
#include <optional>
#include <string>

namespace tarmigo::seal {

inline constexpr std::size_t HeaderBytes = 24;  // crypto_secretstream_xchacha20poly1305_HEADERBYTES
inline constexpr std::size_t SealOverhead = 17; // crypto_secretstream_xchacha20poly1305_ABYTES

// The sealed size of a body, and the largest body that fits a sealed body of at most
// maxSealed bytes (for a 64 KiB frame: net::MaxBody).
constexpr std::size_t sealedSize(std::size_t body) {
    return body + SealOverhead;
}
constexpr std::size_t largestBody(std::size_t maxSealed) {
    return maxSealed > SealOverhead ? maxSealed - SealOverhead : 0;
}

using Header = std::array<std::uint8_t, HeaderBytes>;

class SealedLine {
  public:
    // Our direction starts at once (its header is ready); theirs after accept().
    explicit SealedLine(const Keys& keys);
    ~SealedLine();
    SealedLine(const SealedLine&) = delete;
    SealedLine& operator=(const SealedLine&) = delete;
    SealedLine(SealedLine&&) noexcept;
    SealedLine& operator=(SealedLine&&) noexcept;

    // Our stream's header, to send once before the first sealed message.
    const Header& header() const { return header_; }
    // The other side's header. False (and the line failed) when it has the wrong size
    // or a header was accepted already.
    bool accept(ByteView theirHeader);

    // The body sealed: SealOverhead bytes more. `last` marks the final message of our
    // direction (a goodbye); nothing should be sealed after it.
    Bytes seal(ByteView body, bool last = false);
    // The body of the other side's next sealed message, or nothing with a one-line
    // reason (in English, for a log and the closing message). Any failure is final.
    std::optional<Bytes> open(ByteView sealed, std::string* reason = nullptr);

    // Whether a message failed to open (or a header was refused): the line opens nothing
    // more.
    bool failed() const { return failed_; }
    // Whether the other side's last message (sealed with `last`) has been opened.
    bool ended() const { return ended_; }
    // Messages sealed and opened so far.
    std::uint64_t sealedCount() const { return sealed_; }
    std::uint64_t openedCount() const { return opened_; }

  private:
    struct State;
    std::unique_ptr<State> state_;
    Header header_{};
    bool accepted_ = false;
    bool failed_ = false;
    bool ended_ = false;
    std::uint64_t sealed_ = 0;
    std::uint64_t opened_ = 0;
};

} // namespace tarmigo::seal
