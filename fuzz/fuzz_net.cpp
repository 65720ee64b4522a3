// Arbitrary bytes as a peer's stream to both decoders: no crash, a stop at the first bad or
// out-of-order message, each message taken encodes back to itself, and any cutting of the
// stream gives the same messages; the host's and the guest's sessions take the same stream
// without a crash, give one-line reasons, and let go of a peer that failed or fell silent.
// The sessions run the key exchange with fixed scalars, so a seed can reach the sealed
// messages. Byte 0: the piece size less one; the rest: the stream.
#include "fuzz_support.h"

#include "app/sealed_lines.h"
#include "net/guest_session.h"
#include "net/host_session.h"
#include "net/order.h"
#include "net/stream.h"

#include <algorithm>

using namespace tarmigo;
using namespace tarmigo::net;
using tarmigo::fuzz::check;

namespace {

// The messages one side takes from the stream in `piece`-byte pieces, and whether it erred.
std::pair<std::vector<Message>, bool> read(Side side, std::span<const std::uint8_t> stream,
                                           std::size_t piece) {
    StreamDecoder in;
    Order order(side);
    std::vector<Message> taken;
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        in.feed(stream.subspan(at, std::min(piece, stream.size() - at)));
        check(in.pending() <= MaxFrame + piece, "the decoder holds at most a frame and a piece");
        while (std::optional<Message> m = in.next()) {
            const std::vector<std::uint8_t> frame = encode(*m);
            check(frame.size() <= MaxFrame, "a message encodes to at most 64 KiB");
            const Decoded again = decodeFrame(frame);
            check(again.ok() && again.message == *m, "a message taken encodes back to itself");
            if (!order.accept(*m).empty()) return {taken, true};
            taken.push_back(std::move(*m));
        }
        if (in.failed()) {
            check(!in.error().empty() && in.error().find('\n') == std::string::npos,
                  "an error is one line");
            return {taken, true};
        }
    }
    return {taken, false};
}

// Keys from fixed scalars and a fixed session id, so that a seed may hold a real
// exchange and sealed messages that open.
LineFactory fixedLines() {
    return [](LineSide side, const std::string& password, LineView sessionId, LineView channel) {
        const seal::Scalar scalar{std::uint8_t(side == LineSide::Guest ? 3 : 5)};
        return app::sealedLines(scalar)(side, password, sessionId, channel);
    };
}

void sessions(std::span<const std::uint8_t> stream, std::size_t piece) {
    HostSession host("K7QX3D", fixedLines(), [] { return SeatKey{1}; });
    GuestSession guest("K7QX3D", fixedLines(), {}, Hello::ours(), [] { return SeatKey{2}; });
    std::int64_t now = 0;
    host.opened(1, "127.0.0.1", now);
    guest.connected(now);
    for (std::size_t at = 0; at < stream.size(); at += piece) {
        const auto part = stream.subspan(at, std::min(piece, stream.size() - at));
        host.received(1, part, now);
        guest.received(part, now);
        now += 100;
    }
    for (const HostEvent& e : host.takeEvents())
        check(e.text.find('\n') == std::string::npos, "a host's reason is one line");
    for (const GuestEvent& e : guest.takeEvents())
        check(e.text.find('\n') == std::string::npos, "a guest's reason is one line");
    host.tick(now + DropMs);
    guest.tick(now + DropMs);
    check(host.connections() == 0, "the host lets go of a peer that failed or fell silent");
    check(!guest.admitted(), "the guest is no longer admitted after the host fell silent");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const std::size_t piece = 1 + data[0];
    const std::span<const std::uint8_t> stream(data + 1, size - 1);
    for (Side side : {Side::Host, Side::Guest}) {
        const auto inPieces = read(side, stream, piece);
        const auto whole = read(side, stream, std::max<std::size_t>(stream.size(), 1));
        check(inPieces == whole, "the pieces give what the whole stream gives");
    }
    sessions(stream, piece);
    return 0;
}
