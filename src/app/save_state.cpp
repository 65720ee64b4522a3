#include "app/save_state.h"

#include "app/saved_history.h"

#include <algorithm>
#include <numeric>

namespace tarmigo {
namespace {

constexpr int FormatMarkOffset = 4;
constexpr int RoundOffset = 11;
constexpr int PlayersOffset = 47;
constexpr int PlayerCountOffset = 103;
constexpr int CurrentPlayerOffset = 104;
constexpr int DeckOffset = 105;
constexpr int ReservedOffset = 206;

constexpr std::size_t playerOffset(int p) {
    return PlayersOffset + std::size_t(p) * PlayerRecord::Size;
}

bool soundStatus(const PlayerRecord& p) {
    const int b = p.battle();
    return b != 5 && b <= 9 && p.drawSlot() <= HandSize && p.selectedSlot() <= HandSize &&
           p.markedSlot() <= HandSize && p.lastHazard() <= LastHazardSpeedLimit &&
           p.speed() <= SpeedEnded;
}

bool soundPlayer(const PlayerRecord& p, int raceLength) {
    if (!soundStatus(p)) return false;
    for (Card c : p.hand)
        if (!isCard(c) && c != EmptySlot) return false;
    int miles = 0;
    for (int k = 0; k < 5; ++k) miles += p.distancePlayed[k] * distanceValue[k];
    return miles == p.miles && miles <= raceLength;
}

bool soundRound(const RoundRecord& r) {
    if (r.deckPos > DeckSize) return false;
    if (r.discardTop != 0 && !isCard(r.discardTop)) return false;
    if (r.winner > 1 || r.nextStarter > 1) return false;
    if (r.raceLength != StandardRace && r.raceLength != ExtendedRace) return false;
    if (r.animDelay < 0 || r.animDelay > 16) return false;
    if (r.get(flag::playMode) > 1 || r.get(flag::discardMode) > 2) return false;
    for (int i = 0; i < CardKinds; ++i)
        if (r.seenCount[i] > deckCount[i]) return false;
    return true;
}

} // namespace

std::uint32_t recordChecksum(std::span<const std::uint8_t, SaveRecordSize> record) {
    return std::accumulate(record.begin() + FormatMarkOffset, record.end(), std::uint32_t{0});
}

namespace {
void encodeRecord(const HandStart& g, SaveRecord& b) {
    b[4] = 1;
    std::fill(b.begin() + 5, b.begin() + RoundOffset, 0);
    encode(g.round,
           std::span<std::uint8_t, RoundRecord::Size>(b.data() + RoundOffset, RoundRecord::Size));
    for (int p = 0; p < 2; ++p)
        encode(g.players[p], std::span<std::uint8_t, PlayerRecord::Size>(b.data() + playerOffset(p),
                                                                         PlayerRecord::Size));
    b[PlayerCountOffset] = g.playerCount;
    b[CurrentPlayerOffset] = g.currentPlayer;
    std::copy(g.deck.begin(), g.deck.end(), b.begin() + DeckOffset);
    const std::uint32_t sum = recordChecksum(b);
    for (int i = 0; i < 4; ++i) b[i] = std::uint8_t(sum >> (8 * i));
}
} // namespace

void buildSaveRecord(Session& g) {
    encodeRecord(startOf(g), g.recordBuffer);
}

bool isSoundStart(const HandStart& start) {
    SaveRecord record{};
    encodeRecord(start, record);
    return isSoundRecord(record);
}

bool isSoundRecord(std::span<const std::uint8_t> bytes) {
    if (bytes.size() != SaveRecordSize) return false;
    std::span<const std::uint8_t, SaveRecordSize> record(bytes.data(), SaveRecordSize);
    const std::uint32_t stored =
        bytes[0] | (bytes[1] << 8) | (bytes[2] << 16) | (std::uint32_t(bytes[3]) << 24);
    if (stored != recordChecksum(record)) return false;

    const RoundRecord round = decodeRound(std::span<const std::uint8_t, RoundRecord::Size>(
        bytes.data() + RoundOffset, RoundRecord::Size));
    if (!soundRound(round)) return false;
    for (int p = 0; p < 2; ++p) {
        const PlayerRecord player = decodePlayer(std::span<const std::uint8_t, PlayerRecord::Size>(
            bytes.data() + playerOffset(p), PlayerRecord::Size));
        if (!soundPlayer(player, round.raceLength)) return false;
    }
    const int playerCount = bytes[PlayerCountOffset];
    if (playerCount != 1 && playerCount != 2) return false;
    if (bytes[CurrentPlayerOffset] > 1) return false;
    return std::all_of(bytes.begin() + DeckOffset, bytes.begin() + ReservedOffset,
                       [](std::uint8_t c) { return isCard(c); });
}

void applySaveRecord(Game& g, std::span<const std::uint8_t, SaveRecordSize> record) {
    g.round = decodeRound(std::span<const std::uint8_t, RoundRecord::Size>(
        record.data() + RoundOffset, RoundRecord::Size));
    for (int p = 0; p < 2; ++p)
        g.players[p] = decodePlayer(std::span<const std::uint8_t, PlayerRecord::Size>(
            record.data() + playerOffset(p), PlayerRecord::Size));
    g.playerCount = record[PlayerCountOffset];
    g.currentPlayer = record[CurrentPlayerOffset];
    std::copy(record.begin() + DeckOffset, record.begin() + ReservedOffset, g.deck.begin());
}

bool saveState(Session& g) {
    buildSaveRecord(g);
    if (!g.fileStore || !g.fileStore->write(g.recordBuffer)) return false;
    saveHistory(g, WithRecord::Yes); // beside the record it agrees with
    return g.secondStore && g.secondStore->write(g.recordBuffer);
}

std::optional<SaveRecord> soundRecord(Store* store) {
    const auto bytes = store ? store->read() : std::nullopt;
    if (!bytes || !isSoundRecord(*bytes)) return std::nullopt;
    SaveRecord record;
    std::copy(bytes->begin(), bytes->end(), record.begin());
    return record;
}

std::optional<SaveRecord> soundCopy(Store* file, Store* second) {
    // A damaged copy counts as not read; the second copy wins when both are sound.
    if (auto record = soundRecord(second)) return record;
    return soundRecord(file);
}

Loaded loadState(Session& g) {
    const auto chosen = soundCopy(g.fileStore, g.secondStore);
    if (chosen) {
        g.recordBuffer = *chosen;
        applySaveRecord(g, g.recordBuffer);
    }
    loadHistory(g);
    saveState(g);
    return chosen ? Loaded::Restored : Loaded::NothingSound;
}

} // namespace tarmigo
