#pragma once
// The saved state: one 248-byte record with a checksum, kept in two stores.
#include "app/session.h"

#include <array>
#include <cstdint>
#include <optional>
#include <span>

namespace tarmigo {

using SaveRecord = std::array<std::uint8_t, SaveRecordSize>;

// Unsigned sum of the bytes 4..247.
std::uint32_t recordChecksum(std::span<const std::uint8_t, SaveRecordSize> record);
// Fills g.recordBuffer from the game state; bytes 206..247 keep what they hold.
void buildSaveRecord(Session& g);
// Whether a stored copy is sound: the right size, the right checksum, and every
// field within its range, so that it can be restored without harm.
bool isSoundRecord(std::span<const std::uint8_t> bytes);
// Whether a position could be held by a sound record, as a history's start must be.
bool isSoundStart(const HandStart& start);
void applySaveRecord(Game& g, std::span<const std::uint8_t, SaveRecordSize> record);

// Writes the file copy, and the second copy only once the file copy was written.
bool saveState(Session& g);
// One stored copy, when it is sound.
std::optional<SaveRecord> soundRecord(Store* store);
// The copy a load restores, read without writing anything: the second copy when it is
// sound, else the file copy when it is; nothing when neither is.
std::optional<SaveRecord> soundCopy(Store* file, Store* second);
// What a load did: restored a sound copy, or found none and kept the game as it was.
enum class Loaded { Restored, NothingSound };

// Restores the stored state when a copy is sound (the second copy wins when both are
// sound and differ), then writes both copies.
Loaded loadState(Session& g);

} // namespace tarmigo
