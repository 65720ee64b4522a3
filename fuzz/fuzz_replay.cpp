// Arbitrary replay scripts: every line goes through the parser, and the lines that
// parse run through the driver, as tarmigo-replay runs them, until the first
// error. Nothing may crash; the game state stays sound after every line; the same
// script must print the same bytes twice; and
// whatever state the script leaves, one more tap saves a sound record that the
// next start restores whole.
#include "fuzz_support.h"

#include "driver.h"
#include "script.h"

#include <sstream>
#include <string_view>

using namespace tarmigo;
using namespace tarmigo::fuzz;
using namespace tarmigo::replay;

namespace {

// Bounds that keep one input to a few milliseconds.
constexpr int MaxLines = 200;
constexpr int MaxStarts = 4; // `start` and `restart` lines together

struct Outcome {
    std::string printed;
    bool started = false;
    bool stopped = false; // a line was refused, as the driver exits at it
};

Outcome runScript(std::string_view text, bool finish) {
    MemoryStore file, second;
    std::ostringstream out;
    Driver driver(file, second, out, [](const RecordingSurface&, int, const std::string&) {
        return true; // pictures are not written
    });
    Outcome result;
    int lines = 0;
    int starts = 0;
    while (!text.empty() && lines < MaxLines) {
        const std::size_t end = text.find('\n');
        const std::string_view line = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        ++lines;
        ParseResult parsed = parseLine(line);
        if (!parsed.error.empty()) {
            result.stopped = true;
            break;
        }
        if (!parsed.line) continue;
        const bool isStart = std::holds_alternative<Start>(*parsed.line) ||
                             std::holds_alternative<Restart>(*parsed.line);
        if (isStart && ++starts > MaxStarts) break;
        if (!driver.run(*parsed.line).empty()) {
            result.stopped = true;
            break;
        }
        if (isStart) result.started = true;
        if (const Game* g = driver.game()) checkInvariants(*g);
    }
    result.printed = out.str();
    if (!finish || !result.started || result.stopped) return result;

    // One more tap saves the state the script left; the next start restores it whole.
    check(driver.run(Tap{0, 0}).empty(), "a tap runs");
    check(file.bytes && second.bytes && *file.bytes == *second.bytes,
          "a tap writes both copies alike");
    check(isSoundRecord(*file.bytes), "the game saves a sound record");
    const std::string saved = testing::hexOf(*file.bytes);
    check(driver.run(Restart{}).empty(), "a restart runs");
    const std::size_t before = out.str().size();
    check(driver.run(Dump{}).empty(), "a dump runs");
    const std::string dumped = out.str().substr(before);
    check(dumped.compare(0, 7 + saved.size(), "record " + saved) == 0,
          "the next start restores the saved record whole");
    return result;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    const Outcome first = runScript(text, true);
    const Outcome again = runScript(text, false);
    check(first.printed == again.printed, "the same script prints the same bytes");
    return 0;
}
