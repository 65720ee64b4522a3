#pragma once
// What the fuzz targets share: stores kept in memory, a host that answers every
// question from a fixed rule, the game's invariants, and a check that stops the
// run with a message when one of them fails.
#include "app/save_state.h"
#include "app/shell_host.h"
#include "app/store.h"
#include "game/game.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace tarmigo::fuzz {

// Stops the run: libFuzzer saves the input that got here as a crash.
[[noreturn]] inline void fail(const char* what) {
    std::fprintf(stderr, "invariant broken: %s\n", what);
    std::abort();
}
inline void check(bool ok, const char* what) {
    if (!ok) fail(what);
}

class MemoryStore : public Store {
  public:
    std::optional<std::vector<std::uint8_t>> bytes;

    std::optional<std::vector<std::uint8_t>> read() override { return bytes; }
    bool write(std::span<const std::uint8_t> data) override {
        bytes.emplace(data.begin(), data.end());
        return true;
    }
    bool remove() override {
        const bool had = bytes.has_value();
        bytes.reset();
        return had;
    }
};

// Answers every question with `yes`, closes every dialog with Done, and counts
// nothing: the fuzz targets look at the game and the stores only.
class QuietHost : public ShellHost {
  public:
    std::uint32_t ticks = 0;
    bool yes = false;

    std::uint32_t tickCount() override { return ticks; }
    void playSound(std::string_view) override {}
    bool askYesNo(int) override { return yes; }
    int runScoresDialog() override { return dialog::Done; }
    void postCommand(int) override {}
    void enableUndoButton(bool) override {}
    void invalidate(const Rect&, bool) override {}
    void dropPendingRepaint() override {}
    void paintNow() override {}
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}
    void animationStep(int) override {}
    void dropPendingTaps() override {}
    void runOptionsDialog(OptionsDialog&) override {}
    void runAboutDialog() override {}
    void postHelpRequest() override {}
};

// The invariants of the game state, checked field by field on the state itself
// rather than through the loader's own range check.
inline void checkInvariants(const Game& g) {
    check(g.playerCount == 1 || g.playerCount == 2, "playerCount is 1 or 2");
    check(g.currentPlayer <= 1, "currentPlayer is 0 or 1");
    const RoundRecord& r = g.round;
    check(r.deckPos <= DeckSize, "deckPos is at most 101");
    check(r.discardTop == 0 || isCard(r.discardTop), "discardTop is 0 or a card");
    check(r.winner <= 1 && r.nextStarter <= 1, "winner and nextStarter are 0 or 1");
    check(r.raceLength == 700 || r.raceLength == 1000, "raceLength is 700 or 1000");
    check(r.animDelay >= 0 && r.animDelay <= 16, "animDelay is 0..16");
    check(r.get(flag::playMode) <= 1 && r.get(flag::discardMode) <= 2, "play and discard modes");
    for (int k = 0; k < CardKinds; ++k) check(r.seenCount[k] <= deckCount[k], "seenCount");
    for (Card c : g.deck) check(isCard(c), "deck bytes are 102..120");
    for (const PlayerRecord& p : g.players) {
        for (Card c : p.hand) check(isCard(c) || c == EmptySlot, "hand bytes are 102..121");
        check(p.battle() != 5 && p.battle() <= BattleFlatTire, "battle value");
        check(p.drawSlot() <= HandSize && p.selectedSlot() <= HandSize &&
                  p.markedSlot() <= HandSize,
              "slot fields are 0..7");
        check(p.lastHazard() <= LastHazardSpeedLimit && p.speed() <= SpeedEnded,
              "lastHazard and speed");
        int miles = 0;
        for (int k = 0; k < 5; ++k) miles += p.distancePlayed[k] * distanceValue[k];
        check(miles == p.miles, "miles are the sum of the distance laid");
        check(p.miles <= r.raceLength, "miles are at most the race length");
    }
}

inline std::uint32_t hashBytes(const std::uint8_t* data, std::size_t size) {
    std::uint32_t h = 2166136261u;
    for (std::size_t i = 0; i < size; ++i) h = (h ^ data[i]) * 16777619u;
    return h;
}

} // namespace tarmigo::fuzz
