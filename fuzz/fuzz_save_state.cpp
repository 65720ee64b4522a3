// Arbitrary bytes as the stored copies: a start restores a sound copy exactly, else deals a
// fresh game, never crashes, and leaves both stores alike; the taps after come back whole.
// Byte 0: bits 0-1 send the rest to the file copy, the second, both, or split at 248 bytes;
// bit 2 gives every 248-byte copy its right checksum; bit 3 gives the rest to the history
// too, which a start adopts only whole and agreeing with the record.
#include "fuzz_support.h"

#include "app/shell.h"
#include "app/taps.h"
#include "turns/tap.h"

#include <algorithm>

using namespace tarmigo;
using namespace tarmigo::fuzz;

namespace {
constexpr int ScreenWidth = 240;
constexpr int ScreenHeight = 320;
constexpr std::size_t RestoredFrom = 11; // bytes 4..10 are rebuilt, not restored

bool sameFrom(std::span<const std::uint8_t> a, std::span<const std::uint8_t> b, std::size_t from) {
    return a.size() == b.size() &&
           std::equal(a.begin() + long(from), a.end(), b.begin() + long(from));
}

void checkStoresHold(const MemoryStore& file, const MemoryStore& second, const Session& g) {
    check(file.bytes && second.bytes && *file.bytes == *second.bytes,
          "both copies are written alike");
    check(isSoundRecord(*file.bytes), "the stored copy is sound");
    check(sameFrom(*file.bytes, g.recordBuffer, 0), "the stored copy is the game's record");
}

// A tap somewhere that matters: a hand slot, the draw pile, the status line or the board.
void tapSomewhere(Shell& shell, std::uint8_t choice) {
    const Layout& l = shell.game().layout;
    const int kind = choice % 10;
    const Point at = kind < 7    ? Point{l.slotX(kind + 1) + 9, l.handY + 18}
                     : kind == 7 ? Point{l.deckX + 30, l.handY + 15}
                     : kind == 8 ? Point{20, l.statusY + 10}
                                 : Point{20, 100};
    shell.penDown();
    shell.penUp(at.x, at.y);
    shell.presentAtOnce(); // what the tap showed, its question answered
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1 || size > 4096) return 0;
    const int mode = data[0] % 4;
    const std::vector<std::uint8_t> rest(data + 1, data + size);
    const std::size_t split =
        mode == 3 ? std::min<std::size_t>(SaveRecordSize, rest.size()) : rest.size();
    MemoryStore file, second;
    if (mode != 1) file.bytes.emplace(rest.begin(), rest.begin() + long(split));
    if (mode == 1 || mode == 2) second.bytes = rest;
    if (mode == 3) second.bytes.emplace(rest.begin() + long(split), rest.end());
    if (data[0] & 4) {
        for (MemoryStore* store : {&file, &second}) {
            if (!store->bytes || store->bytes->size() != SaveRecordSize) continue;
            auto& b = *store->bytes;
            const std::uint32_t sum =
                recordChecksum(std::span<const std::uint8_t, SaveRecordSize>(b.data(), b.size()));
            for (int i = 0; i < 4; ++i) b[std::size_t(i)] = std::uint8_t(sum >> (8 * i));
        }
    }
    const bool fileSound = file.bytes && isSoundRecord(*file.bytes);
    const bool secondSound = second.bytes && isSoundRecord(*second.bytes);
    // A plain copy: GCC 12 at -O3 wrongly finds an optional's vector "maybe uninitialized".
    std::vector<std::uint8_t> expected;
    if (secondSound)
        expected = *second.bytes;
    else if (fileSound)
        expected = *file.bytes;
    MemoryStore history;
    if (data[0] & 8) history.bytes = rest;
    if (const auto h = history.bytes ? decodeHistory(*history.bytes) : std::nullopt)
        check(encodeHistory(*h) == *history.bytes, "a sound history reads back whole");
    TestHost host;
    host.ticks = hashBytes(data, size);
    Shell shell(host, &file, &second, &history);
    shell.start(ScreenWidth, ScreenHeight);
    Session& g = shell.game();
    checkInvariants(g);
    checkStoresHold(file, second, g);
    if (secondSound || fileSound) {
        check(sameFrom(expected, g.recordBuffer, RestoredFrom), "a sound copy is restored whole");
    } else {
        // The game is the one a start over empty stores deals.
        MemoryStore none, noneEither;
        Shell fresh(host, &none, &noneEither);
        fresh.start(ScreenWidth, ScreenHeight);
        check(sameFrom(*none.bytes, g.recordBuffer, 0),
              "with no sound copy the game is a fresh one");
    }
    // Play on from the restored state.
    const std::uint8_t* taps = data + std::min<std::size_t>(size, SaveRecordSize + 1);
    const std::size_t tapCount = std::min<std::size_t>(8, data + size - taps);
    for (std::size_t i = 0; i < tapCount; ++i) {
        host.yesNoAnswers = {(taps[i] & 0x80) != 0};
        tapSomewhere(shell, taps[i]);
        checkInvariants(g);
        checkStoresHold(file, second, g);
    }
    // The next start restores exactly what was saved last.
    const std::vector<std::uint8_t> saved = *file.bytes;
    Shell next(host, &file, &second, &history);
    next.start(ScreenWidth, ScreenHeight);
    check(sameFrom(saved, next.game().recordBuffer, 0), "the last save is restored whole");
    checkStoresHold(file, second, next.game());
    return 0;
}
