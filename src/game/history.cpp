#include "game/history.h"

#include "game/targets.h"

#include <algorithm>

namespace tarmigo {
namespace {

// FNV-1a over the bytes after the checksum: a changed or moved byte changes it.
std::uint32_t historyChecksum(std::span<const std::uint8_t> bytes) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 4; i < bytes.size(); ++i) h = (h ^ bytes[i]) * 16777619u;
    return h;
}

bool soundMove(const Move& m) {
    const bool place = m.target >= target::Nothing && m.target <= target::StatusLine;
    const bool command = m.target == entry::Undo || m.target == entry::Redo;
    return validPlayer(m.seat) && m.slot >= 0 && m.slot <= HandSize && (place || command) &&
           m.answer <= Move::Answer::No;
}

} // namespace

HandStart startOf(const Game& g) {
    return HandStart{g.deck, g.round, g.players, g.playerCount, g.currentPlayer};
}

void applyStart(Game& g, const HandStart& s) {
    g.deck = s.deck;
    g.round = s.round;
    g.players = s.players;
    g.playerCount = s.playerCount;
    g.currentPlayer = s.currentPlayer;
}

namespace {

void put16(std::vector<std::uint8_t>& b, std::size_t v) {
    b.push_back(std::uint8_t(v));
    b.push_back(std::uint8_t(v >> 8));
}

void putStart(std::vector<std::uint8_t>& b, const HandStart& s) {
    std::array<std::uint8_t, HistoryStartSize> image{};
    std::uint8_t* p = image.data();
    encode(s.round, std::span<std::uint8_t, RoundRecord::Size>(p, RoundRecord::Size));
    p += RoundRecord::Size;
    for (const PlayerRecord& player : s.players) {
        encode(player, std::span<std::uint8_t, PlayerRecord::Size>(p, PlayerRecord::Size));
        p += PlayerRecord::Size;
    }
    *p++ = s.playerCount;
    *p++ = s.currentPlayer;
    std::copy(s.deck.begin(), s.deck.end(), p);
    b.insert(b.end(), image.begin(), image.end());
}

void putMoves(std::vector<std::uint8_t>& b, const std::vector<Move>& moves, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const Move& m = moves[i];
        for (int field : {m.seat, m.slot, m.target, int(m.answer)})
            b.push_back(std::uint8_t(field));
    }
}

// Reads the stored image front to back; any read past its end fails the whole.
struct Reader {
    std::span<const std::uint8_t> bytes;
    std::size_t at = 0;
    bool failed = false;

    const std::uint8_t* take(std::size_t n) {
        if (failed || bytes.size() - at < n) {
            failed = true;
            return nullptr;
        }
        at += n;
        return bytes.data() + at - n;
    }
    std::size_t byte() {
        const std::uint8_t* p = take(1);
        return p ? *p : 0;
    }
    std::size_t u16() {
        const std::uint8_t* p = take(2);
        return p ? p[0] | (std::size_t(p[1]) << 8) : 0;
    }
    void start(HandStart& s) {
        const std::uint8_t* p = take(HistoryStartSize);
        if (!p) return;
        s.round =
            decodeRound(std::span<const std::uint8_t, RoundRecord::Size>(p, RoundRecord::Size));
        p += RoundRecord::Size;
        for (PlayerRecord& player : s.players) {
            player = decodePlayer(
                std::span<const std::uint8_t, PlayerRecord::Size>(p, PlayerRecord::Size));
            p += PlayerRecord::Size;
        }
        s.playerCount = *p++;
        s.currentPlayer = *p++;
        std::copy(p, p + DeckSize, s.deck.begin());
    }
    void moves(std::vector<Move>& moves, std::size_t count) {
        if (failed || count > (bytes.size() - at) / 4) {
            failed = true;
            return;
        }
        moves.resize(count);
        for (Move& m : moves) {
            const std::uint8_t* p = take(4);
            m = Move{p[0], p[1], p[2], Move::Answer(p[3])};
            failed = failed || !soundMove(m);
        }
    }
};

} // namespace

std::vector<std::uint8_t> encodeHistory(const History& h) {
    const std::size_t count = std::min(h.moves.size(), MaxHistoryMoves);
    std::vector<std::uint8_t> b(HistoryHeader);
    b[4] = HistoryVersion;
    b[5] = std::uint8_t(count);
    b[6] = std::uint8_t(count >> 8);
    const std::size_t recorded = std::min(h.recorded, count);
    b[7] = std::uint8_t(recorded);
    b[8] = std::uint8_t(recorded >> 8);
    b[9] = h.armed;
    putStart(b, h.start);
    putMoves(b, h.moves, count);
    put16(b, h.number);
    const std::size_t kept = std::min(h.finished.size(), KeptHands);
    b.push_back(std::uint8_t(kept));
    for (std::size_t i = h.finished.size() - kept; i < h.finished.size(); ++i) {
        const HandMoves& hand = h.finished[i];
        const std::size_t moves = std::min(hand.moves.size(), MaxHistoryMoves);
        b.push_back(hand.armed);
        put16(b, hand.number);
        put16(b, moves);
        putStart(b, hand.start);
        putMoves(b, hand.moves, moves);
    }
    const std::uint32_t sum = historyChecksum(b);
    for (int i = 0; i < 4; ++i) b[std::size_t(i)] = std::uint8_t(sum >> (8 * i));
    return b;
}

std::optional<History> decodeHistory(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < HistoryHeader || (bytes[4] != 1 && bytes[4] != HistoryVersion))
        return std::nullopt;
    const std::uint32_t stored =
        bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
    if (stored != historyChecksum(bytes)) return std::nullopt;
    Reader in{bytes, 5};
    History h;
    const std::size_t count = in.u16();
    h.recorded = in.u16();
    h.armed = std::uint8_t(in.byte());
    in.start(h.start);
    in.moves(h.moves, count);
    if (bytes[4] == HistoryVersion) {
        h.number = std::uint16_t(in.u16());
        h.finished.resize(in.byte());
        for (HandMoves& hand : h.finished) {
            hand.armed = std::uint8_t(in.byte());
            hand.number = std::uint16_t(in.u16());
            const std::size_t moves = in.u16();
            in.start(hand.start);
            in.moves(hand.moves, moves);
            in.failed = in.failed || hand.armed > 3 || hand.number == 0;
        }
    }
    const bool sound =
        h.recorded <= count && h.armed <= 3 && h.number != 0 && h.finished.size() <= KeptHands;
    if (in.failed || in.at != bytes.size() || !sound) return std::nullopt;
    return h;
}

} // namespace tarmigo
