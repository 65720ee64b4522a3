// Arbitrary replay scripts through the parser and the driver: no crash, a sound state after
// each line, the same output twice, and one more tap saves a record the next start restores.
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
constexpr int MaxStarts = 4;

// What the script printed; with finish, one more tap's save must come back whole at a start.
std::string runScript(std::string_view text, bool finish) {
    MemoryStore file, second;
    std::ostringstream out;
    Driver driver(file, second, out, [](const RecordingSurface&, int, const std::string&) {
        return true; // pictures are not written
    });
    bool started = false;
    int starts = 0; // `start` and `restart` lines together
    for (int lines = 0; !text.empty() && lines < MaxLines; ++lines) {
        const std::size_t end = text.find('\n');
        const ParseResult parsed = parseLine(text.substr(0, end));
        text = end == std::string_view::npos ? std::string_view{} : text.substr(end + 1);
        if (!parsed.error.empty()) return out.str(); // the driver exits at a refused line
        if (!parsed.line) continue;
        const bool isStart = std::holds_alternative<Start>(*parsed.line) ||
                             std::holds_alternative<Restart>(*parsed.line);
        if (isStart && ++starts > MaxStarts) break;
        if (!driver.run(*parsed.line).empty()) return out.str();
        started = started || isStart;
        if (const Game* g = driver.game()) checkInvariants(*g);
    }
    const std::string printed = out.str();
    if (!finish || !started) return printed;
    check(driver.run(Tap{0, 0}).empty(), "a tap runs");
    check(file.bytes && second.bytes && *file.bytes == *second.bytes,
          "a tap writes both copies alike");
    check(isSoundRecord(*file.bytes), "the game saves a sound record");
    const std::string saved = testing::hexOf(*file.bytes);
    check(driver.run(Restart{}).empty(), "a restart runs");
    const std::size_t before = out.str().size();
    check(driver.run(Dump{}).empty(), "a dump runs");
    check(out.str().compare(before, 7 + saved.size(), "record " + saved) == 0,
          "the next start restores the saved record whole");
    return printed;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > 8192) return 0;
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    check(runScript(text, true) == runScript(text, false), "the same script prints the same bytes");
    return 0;
}
