#pragma once
// The lines of a replay script, parsed and checked before anything runs.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace tarmigo::replay {

enum class StoreName { File, Second };

struct Clock {
    std::uint32_t ticks;
};
struct Answer {
    bool yes;
};
struct ScoresAnswer {
    int closeId;
};
struct Start {};
struct Restart {};
struct Tap {
    int x;
    int y;
};
struct Command {
    int id;
};
struct OptionSetting {
    enum class Control {
        Difficulty,
        Play,
        Discard,
        Sort,
        Sounds,
        Animation,
        Playable,
        Tips,
        Speed,
        Reset
    };
    Control control;
    int value;
    std::string word; // as written, for the "ignored" line
};
struct Options {
    std::vector<OptionSetting> settings;
    bool cancel = false;
};
struct Dump {};
struct Render {
    std::string path;
};
struct Corrupt {
    StoreName store;
    int offset;
};
struct Remove {
    StoreName store;
};
struct Put {
    StoreName store;
    std::vector<std::uint8_t> bytes;
};
// A position in the notation of game/notation.h, its words joined by single blanks.
struct SetPosition {
    std::string notation;
};
struct Describe {};
// Watching a finished hand again: the nth newest (from 1), its next or previous step, or
// back to the game.
struct Review {
    enum class Step { Hand, Next, Back, End };
    Step step;
    int hand = 0;
};

using Line = std::variant<Clock, Answer, ScoresAnswer, Start, Restart, Tap, Command, Options, Dump,
                          Render, Corrupt, Remove, Put, SetPosition, Describe, Review>;

struct ParseResult {
    std::optional<Line> line; // nothing for a blank or comment line
    std::string error;        // set when the line is malformed
};

ParseResult parseLine(std::string_view text);

// The word that begins a line of this kind.
const char* lineWord(const Line& line);

// Whether a line may stand before `start`.
bool allowedBeforeStart(const Line& line);

} // namespace tarmigo::replay
