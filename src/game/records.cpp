#include "game/records.h"

#include <algorithm>

namespace tarmigo {
namespace {

void put16(std::uint8_t* p, std::uint32_t v) {
    p[0] = std::uint8_t(v);
    p[1] = std::uint8_t(v >> 8);
}
void put32(std::uint8_t* p, std::uint32_t v) {
    put16(p, v);
    put16(p + 2, v >> 16);
}
std::uint16_t get16(const std::uint8_t* p) {
    return std::uint16_t(p[0] | (p[1] << 8));
}
std::uint32_t get32(const std::uint8_t* p) {
    return get16(p) | (std::uint32_t(get16(p + 2)) << 16);
}

} // namespace

void encode(const PlayerRecord& p, std::span<std::uint8_t, PlayerRecord::Size> out) {
    std::uint8_t* b = out.data();
    put32(b + 0, p.status);
    put16(b + 4, p.miles);
    put16(b + 6, p.handScore);
    put16(b + 8, p.gameScore);
    put16(b + 10, p.gamesWon1P);
    put16(b + 12, p.gamesWon2P);
    std::copy(p.distancePlayed.begin(), p.distancePlayed.end(), b + 14);
    std::copy(p.hand.begin(), p.hand.end(), b + 19);
    std::copy(p.reserved.begin(), p.reserved.end(), b + 26);
}

PlayerRecord decodePlayer(std::span<const std::uint8_t, PlayerRecord::Size> in) {
    const std::uint8_t* b = in.data();
    PlayerRecord p;
    p.status = get32(b + 0);
    p.miles = get16(b + 4);
    p.handScore = get16(b + 6);
    p.gameScore = get16(b + 8);
    p.gamesWon1P = get16(b + 10);
    p.gamesWon2P = get16(b + 12);
    std::copy(b + 14, b + 19, p.distancePlayed.begin());
    std::copy(b + 19, b + 26, p.hand.begin());
    std::copy(b + 26, b + 28, p.reserved.begin());
    return p;
}

void encode(const RoundRecord& r, std::span<std::uint8_t, RoundRecord::Size> out) {
    std::uint8_t* b = out.data();
    put32(b + 0, r.flags);
    std::copy(r.seenCount.begin(), r.seenCount.end(), b + 4);
    b[23] = r.deckPos;
    b[24] = r.discardTop;
    b[25] = r.winner;
    put16(b + 26, std::uint16_t(r.raceLength));
    b[28] = r.nextStarter;
    std::copy(r.reserved.begin(), r.reserved.end(), b + 29);
    put32(b + 32, std::uint32_t(r.animDelay));
}

RoundRecord decodeRound(std::span<const std::uint8_t, RoundRecord::Size> in) {
    const std::uint8_t* b = in.data();
    RoundRecord r;
    r.flags = get32(b + 0);
    std::copy(b + 4, b + 23, r.seenCount.begin());
    r.deckPos = b[23];
    r.discardTop = b[24];
    r.winner = b[25];
    r.raceLength = std::int16_t(get16(b + 26));
    r.nextStarter = b[28];
    std::copy(b + 29, b + 32, r.reserved.begin());
    r.animDelay = std::int32_t(get32(b + 32));
    return r;
}

} // namespace tarmigo
