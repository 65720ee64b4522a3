#pragma once
// A host's game and a guest in one process, their bytes carried by hand and the clock
// moved by the test.
#include "app/network_host.h"
#include "game/notation.h"
#include "net/autoplay.h"
#include "net/guest_session.h"
#include "support/memory_store.h"
#include "support/test_host.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace tarmigo::testing {

using namespace tarmigo::net;

inline constexpr const char* Code = "K7QX3D";

// Seat keys 1, 2, 3... in their first byte.
inline KeySource countedKeys() {
    return [n = 0]() mutable { return SeatKey{std::uint8_t(++n)}; };
}

// Keys that seal nothing, so that the bytes are the same at every run and a test can
// write what the guest sends; the tags agree when the passwords (code and key) do. The
// real line is tried over sockets (tests/tools/peer_tamper.py).
struct ClearKeys : LineKeys {
    LineBytes password;
    bool guest = false;
    LineBytes tag(bool ofGuest) const {
        LineBytes t = password;
        t.resize(TagLength, ofGuest);
        return t;
    }
    LineBytes share() const override { return LineBytes(ShareLength); }
    bool takeShare(LineView) override { return true; }
    LineBytes ourTag() const override { return tag(guest); }
    bool confirms(LineView theirs) const override {
        return std::ranges::equal(theirs, tag(!guest));
    }
    LineBytes header() const override { return LineBytes(HeaderLength); }
    bool acceptHeader(LineView) override { return true; }
    LineBytes seal(LineView body, bool) override { return {body.begin(), body.end()}; }
    std::optional<LineBytes> open(LineView body, std::string&) override {
        return LineBytes(body.begin(), body.end());
    }
};

inline LineFactory clearLines() {
    return [](LineSide side, const std::string& password, LineView, LineView) {
        auto keys = std::make_unique<ClearKeys>();
        keys->password.assign(password.begin(), password.end());
        keys->guest = side == LineSide::Guest;
        return keys;
    };
}

struct Match {
    TestHost shell;
    MemoryStore file, second, code, seat;
    NetworkHost host{shell, {&file, &second, &code, &seat}, Code, clearLines(), countedKeys()};
    GuestSession guest;
    std::int64_t now = 1'000;
    ConnectionId conn = 0;
    bool linked = false;
    std::vector<std::uint8_t> wire; // every byte the guest received
    // A second program joining meanwhile, on its own connection.
    GuestSession* visitor = nullptr;
    ConnectionId visitorConn = 100;
    std::vector<GuestEvent> events;
    std::vector<NetworkNotice> notices;

    explicit Match(std::uint32_t seed = 1, std::string guestCode = Code,
                   Hello guestHello = Hello::ours())
        : guest(std::move(guestCode), clearLines(), {}, std::move(guestHello), countedKeys()) {
        shell.ticks = seed;
        host.start(240, 320, false);
        host.game().round.setDiscardMode(DiscardMode::CardThenDeck);
    }
    Session& game() { return host.game(); }

    void connect(const std::string& address = "127.0.0.1") {
        linked = true;
        host.opened(++conn, address, now);
        guest.connected(now);
        pump();
    }
    void drop() {
        linked = false;
        host.closed(conn, now);
        guest.disconnected(now);
        pump();
    }
    void pump() {
        for (int round = 0; round < 1000; ++round) {
            bool moved = false;
            for (Outgoing& o : host.takeOutgoing()) {
                if (visitor && o.to == visitorConn) visitor->received(o.bytes, now);
                if (o.to != conn || !linked) continue;
                moved = true;
                wire.insert(wire.end(), o.bytes.begin(), o.bytes.end());
                guest.received(o.bytes, now);
                if (o.close) {
                    linked = false;
                    guest.disconnected(now);
                }
            }
            const std::vector<std::uint8_t> up = guest.takeOutgoing();
            if (linked && !up.empty()) {
                moved = true;
                host.received(conn, up, now);
            }
            if (linked && guest.wantsClose()) {
                linked = false;
                host.closed(conn, now);
            }
            if (visitor) {
                const std::vector<std::uint8_t> theirs = visitor->takeOutgoing();
                moved = moved || !theirs.empty();
                if (!theirs.empty()) host.received(visitorConn, theirs, now);
            }
            for (GuestEvent& e : guest.takeEvents()) events.push_back(std::move(e));
            for (NetworkNotice& n : host.takeNotices()) notices.push_back(std::move(n));
            if (!moved) return;
        }
        FAIL() << "the two sides never fell quiet";
    }
    void wait(std::int64_t ms) {
        now += ms;
        host.tick(now);
        guest.tick(now);
        pump();
    }
    // Another program at `address` joins with `code` and `key`: nothing when it is
    // admitted, otherwise why it was refused.
    std::optional<Refusal::Reason> visit(const std::string& address, const char* code,
                                         std::optional<SeatKey> key = {}) {
        GuestSession other(code, clearLines(), key);
        visitor = &other;
        host.opened(++visitorConn, address, now);
        other.connected(now);
        pump();
        visitor = nullptr;
        std::optional<Refusal::Reason> why;
        for (const GuestEvent& e : other.takeEvents())
            if (e.refusal) why = e.refusal;
        if (!why && !other.admitted()) ADD_FAILURE() << "neither admitted nor refused";
        return why;
    }
    // Sends bytes as the guest's next sealed record, bypassing its session.
    void raw(const std::vector<std::uint8_t>& bytes) {
        std::vector<std::uint8_t> record(4);
        record[0] = std::uint8_t(bytes.size());
        record.insert(record.end(), bytes.begin(), bytes.end());
        host.received(conn, record, now);
        pump();
    }
    void guestSends(Input in) {
        guest.send(in);
        pump();
    }
    SeatView lastView() const {
        for (auto it = events.rbegin(); it != events.rend(); ++it)
            if (it->view) return *it->view;
        return {};
    }
    bool saw(GuestEvent::Kind kind, const std::string& text = {}) const {
        for (const GuestEvent& e : events)
            if (e.kind == kind && e.text.find(text) != std::string::npos) return true;
        return false;
    }
    bool noticed(NetworkNotice::Kind kind) const {
        for (const NetworkNotice& n : notices)
            if (n.kind == kind) return true;
        return false;
    }
    // One input of whoever is to act, chosen at random; false when neither has one.
    bool step(Dice& dice) {
        const SeatView host0 = viewFor(game(), 0);
        if (host0.handOver && !host0.gameOver) {
            host.tapPlace(20);
        } else if (auto in = randomInput(host0, dice)) {
            if (in->kind == Input::Kind::Extension)
                host.answer(in->value != 0);
            else
                host.tapPlace(in->value);
        } else if (auto gin = randomInput(lastView(), dice)) {
            guest.send(*gin);
        } else {
            return false;
        }
        pump();
        return true;
    }
    void playToGameOver(Dice& dice) {
        for (int n = 0; n < 20'000 && !game().has(flag::gameOver); ++n)
            if (!step(dice)) break;
        EXPECT_EQ(lastView(), viewFor(game(), 1)); // the changes the guest applied add up
        const SeatView* before = nullptr;          // no view comes twice on a connection
        for (const GuestEvent& e : events) {
            if (e.kind == GuestEvent::Kind::Admitted) before = nullptr;
            EXPECT_FALSE(e.view && before && *before == *e.view) << "a view sent again";
            before = e.view ? &*e.view : before;
        }
    }
    std::string position() { return notation::describeAll(game()); }
};

} // namespace tarmigo::testing
