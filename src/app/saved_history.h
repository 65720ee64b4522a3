#pragma once
// The moves of the hand in progress, saved in a store of their own beside the record
// (Saving::historyStore) whenever the record is saved, and adopted at a load only when
// they are sound and agree with the record restored: played again from their start they
// give the record's game. A missing, damaged or disagreeing history costs the history
// alone (it starts again from the game's position, without Undo or Redo), never the game.
#include "app/session.h"

namespace tarmigo {

// Notes the session's moves from now on, when it has a store for them.
void keepHistory(Session& g);
// The history starts again from the game as it is (a new hand, changed options).
void restartHistory(Session& g);
// Writes the history's store with the record (every move so far is in the record), or
// alone after an Undo or a Redo, which the record does not keep: a start plays those
// again over the record. False when it was not written.
enum class WithRecord : bool { No = false, Yes = true };
bool saveHistory(Session& g, WithRecord withRecord);
// After a record was restored (or none was): adopts the stored history when it agrees
// with the game, with Undo and Redo as they were, else starts it from the game.
enum class HistoryLoaded { Adopted, Dropped };
HistoryLoaded loadHistory(Session& g);

} // namespace tarmigo
