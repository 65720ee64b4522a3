#pragma once
// One connection's key exchange on the join code and, after it, its sealed line, as the
// sessions see them: opaque bytes to send and bytes to check. The sessions speak only
// through this, so that they stay bytes in, bytes out and build with the standard
// library alone; the programs give them the one on libsodium (app/sealed_lines.h), and
// a test may give its own.
//
// The order on a connection (docs/network-protocol.md): the guest sends its share, the
// host its share, the guest its tag, the host checks it (a wrong tag is a wrong code)
// and only then sends its own, which the guest checks before any view; then each side
// sends its header, and every later message is sealed.
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::net {

using LineBytes = std::vector<std::uint8_t>;
using LineView = std::span<const std::uint8_t>;

// The guest speaks first in the exchange; the host answers.
enum class LineSide { Guest, Host };

class LineKeys {
  public:
    virtual ~LineKeys() = default;

    // This side's share, to send.
    virtual LineBytes share() const = 0;
    // The other side's share. False when it is no share at all: close the connection.
    // A share made from another code is taken; the tags then do not agree.
    virtual bool takeShare(LineView theirs) = 0;

    // After takeShare: our tag, to send, and whether the other side's is the one a side
    // with the same code sends.
    virtual LineBytes ourTag() const = 0;
    virtual bool confirms(LineView theirTag) const = 0;

    // After takeShare: our stream's header, to send once after the tags, and the other
    // side's. False when theirs is refused (close the connection).
    virtual LineBytes header() const = 0;
    virtual bool acceptHeader(LineView theirs) = 0;

    // A body sealed to send (`last` for the final one, a leaving or an error), and the
    // other side's next sealed body opened, or nothing with a one-line reason. The first
    // failure is final: nothing opens after it. Before takeShare nothing seals or opens.
    virtual LineBytes seal(LineView body, bool last = false) = 0;
    virtual std::optional<LineBytes> open(LineView sealed, std::string& reason) = 0;
};

// A connection's LineKeys: its side, the join code as readJoinCode gives it, and the
// exchange's session id and channel id (public bytes both sides hold before it).
using LineFactory = std::function<std::unique_ptr<LineKeys>(
    LineSide side, const std::string& code, LineView sessionId, LineView channelId)>;

} // namespace tarmigo::net
