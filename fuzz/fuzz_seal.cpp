// The network game's cryptography under arbitrary bytes. The exchange: a share and associated
// data from anyone give keys only for a ristretto255 point, and no tag from the input confirms
// them; the guest's code agrees with the host's exactly when it is the same. The sealed line: a
// man in the middle delivers the guest's messages in any order, changed, cut or made up; one
// opens exactly when it is the next as sent, and after the first refusal nothing opens.
// Bytes 0-31: a share; 32-37: the guest's code; then operations of two bytes, a kind (0 deliver
// message `arg` as sealed, or seal a new one; 1 the same with a bit flipped; 2 cut; 3 `arg`
// made-up bytes from the input; 4 seal one without delivering it) and an argument.
#include "fuzz_support.h"

#include "seal/sealed_line.h"

#include <sodium.h>

#include <algorithm>
#include <string>

using namespace tarmigo::seal;
using tarmigo::fuzz::check;

namespace {

constexpr std::string_view HostCode = "K7QX3D";

ByteView text(std::string_view s) {
    return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

Scalar scalarOf(std::uint8_t seed) {
    Scalar s{};
    std::fill(s.begin(), s.end() - 1, seed);
    return s;
}

void exchange(ByteView share, std::string_view guestCode, ByteView rest) {
    const Exchange host(Role::Responder, HostCode, text("sid"), text("tarmigo"), text("host"),
                        scalarOf(7));
    const std::optional<Keys> keys = host.finish(share, rest);
    check(!keys || crypto_core_ristretto255_is_valid_point(share.data()) == 1,
          "only a ristretto255 point gives keys");
    check(!keys || !keys->confirms(rest.first(std::min<std::size_t>(rest.size(), TagBytes))),
          "no tag from the input confirms");

    const Exchange guest(Role::Initiator, guestCode, text("sid"), text("tarmigo"), {}, scalarOf(9));
    const std::optional<Keys> g = guest.finish(host.share(), text("host"));
    const std::optional<Keys> h = host.finish(guest.share());
    check(g && h, "two honest shares give keys");
    const bool same = guestCode == HostCode;
    check(h->confirms(g->ourTag) == same && g->confirms(h->ourTag) == same,
          "the tags confirm exactly when the codes are the same");
}

void line(ByteView ops) {
    // Keys of fixed scalars, so that a run is the same each time.
    static const std::pair<Keys, Keys> keys = [] {
        const Exchange g(Role::Initiator, HostCode, {}, {}, {}, scalarOf(3));
        const Exchange h(Role::Responder, HostCode, {}, {}, {}, scalarOf(5));
        return std::pair{*g.finish(h.share()), *h.finish(g.share())};
    }();
    SealedLine guest(keys.first);
    SealedLine host(keys.second);
    check(host.accept(guest.header()), "the guest's header is taken");

    std::vector<Bytes> bodies, sent;
    const auto sealNew = [&](std::uint8_t arg) {
        bodies.emplace_back(arg, std::uint8_t(sent.size()));
        sent.push_back(guest.seal(bodies.back(), arg == 255));
    };
    std::size_t expected = 0; // the next message that opens
    bool failed = false, ended = false;
    std::size_t at = 0;
    while (at + 2 <= ops.size()) {
        const int kind = ops[at] % 5;
        const std::uint8_t arg = ops[at + 1];
        at += 2;
        Bytes bytes;
        if (kind == 4) { // sealed and held back: dropped, or delivered later out of order
            sealNew(arg);
            continue;
        }
        if (kind == 3) { // made up
            const std::size_t n = std::min<std::size_t>(arg, ops.size() - at);
            bytes.assign(ops.begin() + at, ops.begin() + at + n);
            at += n;
        } else {
            const std::size_t i = arg % (sent.size() + 1);
            if (i == sent.size()) sealNew(arg);
            bytes = sent[i];
            if (kind == 1) bytes[arg % bytes.size()] ^= std::uint8_t(1u << (arg % 8));
            if (kind == 2) bytes.resize(bytes.size() - 1 - arg % bytes.size());
        }
        const bool next = !failed && !ended && expected < sent.size() && bytes == sent[expected];
        std::string reason;
        const std::optional<Bytes> body = host.open(bytes, &reason);
        check(body.has_value() == next, "a message opens exactly when it is the next as sent");
        if (body) {
            check(*body == bodies[expected], "a message opens to what was sealed");
            ended = bodies[expected].size() == 255; // sealed as the last
            ++expected;
        } else {
            check(!reason.empty() && reason.find('\n') == std::string::npos,
                  "a refusal has a one-line reason");
            failed = true;
        }
        check(host.failed() == failed && host.ended() == ended, "the line's state is the model's");
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < ShareBytes + 6) return 0;
    const ByteView input(data, size);
    const std::string code(input.begin() + ShareBytes, input.begin() + ShareBytes + 6);
    exchange(input.first(ShareBytes), code, input.subspan(ShareBytes + 6));
    line(input.subspan(ShareBytes + 6));
    return 0;
}
