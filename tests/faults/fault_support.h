#pragma once
// What the fault tests of the saved state share: a host that answers every
// question the same way, stores kept in memory that can be made to fail like a
// full disk, and a few taps that move the game on.
#include "app/save_state.h"
#include "app/shell.h"
#include "app/shell_host.h"
#include "app/store.h"
#include "app/taps.h"
#include "turns/tap.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace tarmigo::faults {

class PlainHost : public ShellHost {
  public:
    std::uint32_t ticks = 1000;

    std::uint32_t tickCount() override { return ticks; }
    void playSound(std::string_view) override {}
    bool askYesNo(int) override { return true; }
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

using Bytes = std::vector<std::uint8_t>;

// A store on a disk that fills up: once `failFrom` writes have been made, every
// further write fails. A store that is replaced whole keeps its old bytes then;
// one rewritten in place keeps only the first `keptOnFailure` bytes of the new
// copy, as a file truncated and rewritten in place would.
class FillingStore : public Store {
  public:
    std::optional<Bytes> bytes;
    int writes = 0;
    int failFrom = -1; // -1: never fails
    bool replacedWhole = true;
    std::size_t keptOnFailure = 0;

    void fillUp() { failFrom = writes; }
    void makeRoom() { failFrom = -1; }

    std::optional<Bytes> read() override { return bytes; }
    bool write(std::span<const std::uint8_t> data) override {
        const bool full = failFrom >= 0 && writes >= failFrom;
        ++writes;
        if (!full) {
            bytes.emplace(data.begin(), data.end());
            return true;
        }
        if (!replacedWhole)
            bytes.emplace(data.begin(),
                          data.begin() + std::ptrdiff_t(std::min(keptOnFailure, data.size())));
        return false;
    }
    bool remove() override {
        const bool had = bytes.has_value();
        bytes.reset();
        return had;
    }
};

// The record the game would save now.
inline Bytes currentRecord(Session& g) {
    buildSaveRecord(g);
    return Bytes(g.recordBuffer.begin(), g.recordBuffer.end());
}

// Taps the hand slots, the draw pile and the status line in a fixed rotation;
// true when the state to be saved changed at least once.
inline bool playOn(Session& g, int taps, int from = 0) {
    const Bytes before = currentRecord(g);
    bool changed = false;
    for (int i = from; i < from + taps; ++i) {
        const int kind = (i * 5) % 9;
        int x = 20, y = g.layout.statusY + 10;
        if (kind < 7) {
            x = g.layout.slotX(kind + 1) + 9;
            y = g.layout.handY + 18;
        } else if (kind == 7) {
            x = g.layout.deckX + 30;
            y = g.layout.handY + 15;
        }
        penDown(g);
        penUp(g, x, y);
        changed = changed || currentRecord(g) != before;
    }
    return changed;
}

} // namespace tarmigo::faults
