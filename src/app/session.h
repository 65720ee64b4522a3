#pragma once
// The whole game of the running program: the table (the rules' state and what the
// screen shows of it) with the machinery that saves it after every tap.
#include "app/shell_host.h"
#include "app/store.h"
#include "board/table.h"

#include <array>
#include <cstdint>

namespace tarmigo {

constexpr int SaveRecordSize = 248;

struct Saving {
    // The save record is built here; its bytes 206..247 keep what the last load read.
    std::array<std::uint8_t, SaveRecordSize> recordBuffer{};
    // Where the two copies of the saved state go; nothing is saved while unset.
    Store* fileStore = nullptr;
    Store* secondStore = nullptr;
    // The hand's moves (game/history.h), noted when historyStore is set and saved there
    // with the record (app/saved_history.h).
    MoveHistory history;
    Store* historyStore = nullptr;
};

struct Session : Table, Saving {
    Session(Host& host, ScreenHost& screen) : Table(host, screen) {}
    explicit Session(ShellHost& host) : Table(host, host) {}
};

} // namespace tarmigo
