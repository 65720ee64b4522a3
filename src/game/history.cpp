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

std::vector<std::uint8_t> encodeHistory(const History& h) {
    const std::size_t count = std::min(h.moves.size(), MaxHistoryMoves);
    std::vector<std::uint8_t> b(HistoryHeader + HistoryStartSize + 4 * count);
    b[4] = HistoryVersion;
    b[5] = std::uint8_t(count);
    b[6] = std::uint8_t(count >> 8);
    const std::size_t recorded = std::min(h.recorded, count);
    b[7] = std::uint8_t(recorded);
    b[8] = std::uint8_t(recorded >> 8);
    b[9] = h.armed;
    std::uint8_t* p = b.data() + HistoryHeader;
    encode(h.start.round, std::span<std::uint8_t, RoundRecord::Size>(p, RoundRecord::Size));
    p += RoundRecord::Size;
    for (const PlayerRecord& player : h.start.players) {
        encode(player, std::span<std::uint8_t, PlayerRecord::Size>(p, PlayerRecord::Size));
        p += PlayerRecord::Size;
    }
    *p++ = h.start.playerCount;
    *p++ = h.start.currentPlayer;
    p = std::copy(h.start.deck.begin(), h.start.deck.end(), p);
    for (std::size_t i = 0; i < count; ++i) {
        const Move& m = h.moves[i];
        *p++ = std::uint8_t(m.seat);
        *p++ = std::uint8_t(m.slot);
        *p++ = std::uint8_t(m.target);
        *p++ = std::uint8_t(m.answer);
    }
    const std::uint32_t sum = historyChecksum(b);
    for (int i = 0; i < 4; ++i) b[std::size_t(i)] = std::uint8_t(sum >> (8 * i));
    return b;
}

std::optional<History> decodeHistory(std::span<const std::uint8_t> bytes) {
    if (bytes.size() < HistoryHeader + HistoryStartSize || bytes[4] != HistoryVersion)
        return std::nullopt;
    const std::size_t count = bytes[5] | (std::size_t(bytes[6]) << 8);
    const std::size_t recorded = bytes[7] | (std::size_t(bytes[8]) << 8);
    if (bytes.size() != HistoryHeader + HistoryStartSize + 4 * count || recorded > count ||
        bytes[9] > 3)
        return std::nullopt;
    const std::uint32_t stored =
        bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
    if (stored != historyChecksum(bytes)) return std::nullopt;
    History h;
    h.recorded = recorded;
    h.armed = bytes[9];
    const std::uint8_t* p = bytes.data() + HistoryHeader;
    h.start.round =
        decodeRound(std::span<const std::uint8_t, RoundRecord::Size>(p, RoundRecord::Size));
    p += RoundRecord::Size;
    for (PlayerRecord& player : h.start.players) {
        player =
            decodePlayer(std::span<const std::uint8_t, PlayerRecord::Size>(p, PlayerRecord::Size));
        p += PlayerRecord::Size;
    }
    h.start.playerCount = *p++;
    h.start.currentPlayer = *p++;
    std::copy(p, p + DeckSize, h.start.deck.begin());
    p += DeckSize;
    h.moves.resize(count);
    for (Move& m : h.moves) {
        m = Move{p[0], p[1], p[2], Move::Answer(p[3])};
        if (!soundMove(m)) return std::nullopt;
        p += 4;
    }
    return h;
}

} // namespace tarmigo
