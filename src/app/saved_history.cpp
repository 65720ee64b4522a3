#include "app/saved_history.h"

#include "app/save_state.h"
#include "game/undo.h"
#include "turns/tap.h"

#include <algorithm>

namespace tarmigo {
namespace {

// Hears whether Undo is available at the end of a replay.
class UndoHeard : public GameEvents {
  public:
    UndoHeard() { hears = reportBit<UndoAvailable>(); }
    void report(Game&, const Report& r) override {
        if (const auto* u = std::get_if<UndoAvailable>(&r)) available = u->available;
    }
    bool available = false;
};

} // namespace

void keepHistory(Session& g) {
    g.moveLog = g.historyStore ? &g.history : nullptr;
    restartHistory(g);
}

void restartHistory(Session& g) {
    if (g.moveLog) g.moveLog->restart(g);
}

bool saveHistory(Session& g, WithRecord withRecord) {
    if (!g.moveLog || !g.historyStore) return false;
    History& h = g.history.history;
    if (withRecord == WithRecord::Yes) h.recorded = h.moves.size();
    return g.historyStore->write(encodeHistory(h));
}

HistoryLoaded loadHistory(Session& g) {
    if (!g.moveLog || !g.historyStore) return HistoryLoaded::Dropped;
    const auto bytes = g.historyStore->read();
    std::optional<History> stored = bytes ? decodeHistory(*bytes) : std::nullopt;
    if (stored && isSoundStart(stored->start)) {
        // The moves the record holds, played again on a copy that shows nothing, must
        // give the record's game; the Undo and Redo made after it are played on the game.
        History saved = *stored;
        saved.moves.resize(saved.recorded);
        Table replay(g);
        UndoHeard undo;
        replay.events = &undo;
        replay.surface = nullptr;
        replay.network = false;
        const auto command = [](const Move& m) {
            return m.target == entry::Undo || m.target == entry::Redo;
        };
        const auto after = stored->moves.begin() + std::ptrdiff_t(saved.recorded);
        if (replayHistory(replay, saved) && startOf(replay) == startOf(g) &&
            replay.pending == Decision::None && std::all_of(after, stored->moves.end(), command)) {
            g.undo = replay.undo;
            g.redo = replay.redo;
            g.redoSeats = replay.redoSeats;
            g.redoable = replay.redoable;
            g.seats = replay.seats; // what each seat had armed and was told
            tell(g, UndoAvailable{undo.available});
            tell(g, RedoAvailable{g.redoable});
            for (auto m = after; m != stored->moves.end(); ++m)
                m->target == entry::Undo ? undoLastMove(g) : redoMove(g);
            g.history.history = std::move(*stored);
            return HistoryLoaded::Adopted;
        }
    }
    restartHistory(g);
    return HistoryLoaded::Dropped;
}

} // namespace tarmigo
