#include "script.h"

#include "game/history.h"

#include <charconv>
#include <limits>

namespace tarmigo::replay {
namespace {

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t i = 0;
    auto blank = [](char c) {
        return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f';
    };
    while (i < text.size()) {
        while (i < text.size() && blank(text[i])) ++i;
        std::size_t start = i;
        while (i < text.size() && !blank(text[i])) ++i;
        if (i > start) words.push_back(text.substr(start, i - start));
    }
    return words;
}

// A decimal number within [low, high]; a sign only where negative numbers are allowed.
std::optional<long long> number(std::string_view word, long long low, long long high) {
    if (word.empty() || word.size() > 20) return std::nullopt;
    if (word[0] == '+') return std::nullopt;
    if (word[0] == '-' && low >= 0) return std::nullopt;
    long long value = 0;
    auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), value);
    if (ec != std::errc() || end != word.data() + word.size()) return std::nullopt;
    if (value < low || value > high) return std::nullopt;
    return value;
}

std::optional<StoreName> storeName(std::string_view word) {
    if (word == "file") return StoreName::File;
    if (word == "second") return StoreName::Second;
    return std::nullopt;
}

std::optional<std::vector<std::uint8_t>> hexBytes(std::string_view word) {
    if (word.size() % 2 != 0) return std::nullopt;
    std::vector<std::uint8_t> bytes;
    bytes.reserve(word.size() / 2);
    for (std::size_t i = 0; i < word.size(); i += 2) {
        unsigned value = 0;
        auto [end, ec] = std::from_chars(word.data() + i, word.data() + i + 2, value, 16);
        if (ec != std::errc() || end != word.data() + i + 2) return std::nullopt;
        bytes.push_back(std::uint8_t(value));
    }
    return bytes;
}

std::string quoted(std::string_view word) {
    // Appended in place: `"'" + std::string(word)` inserts at the front, which GCC 12
    // at -O3 wrongly reports as an overlapping copy (-Wrestrict).
    std::string out;
    out.reserve(word.size() + 2);
    out += '\'';
    out += word;
    out += '\'';
    return out;
}

// One `options` setting, or an error message.
std::variant<OptionSetting, std::string> setting(std::string_view word) {
    using C = OptionSetting::Control;
    if (word == "reset") return OptionSetting{C::Reset, 0, std::string(word)};
    const auto eq = word.find('=');
    if (eq == std::string_view::npos) return "unknown option setting " + quoted(word);
    const std::string_view name = word.substr(0, eq);
    const std::string_view value = word.substr(eq + 1);
    if (name == "difficulty") {
        if (value == "easy") return OptionSetting{C::Difficulty, 0, std::string(word)};
        if (value == "hard") return OptionSetting{C::Difficulty, 1, std::string(word)};
        if (value == "expert") return OptionSetting{C::Difficulty, 2, std::string(word)};
        return "difficulty must be easy, hard or expert";
    }
    struct Numeric {
        std::string_view name;
        C control;
        int high;
    };
    static constexpr Numeric numeric[] = {
        {"play", C::Play, 1},     {"discard", C::Discard, 2},     {"sort", C::Sort, 1},
        {"sounds", C::Sounds, 1}, {"animation", C::Animation, 1}, {"playable", C::Playable, 1},
        {"tips", C::Tips, 1},     {"speed", C::Speed, 16},
    };
    for (const Numeric& n : numeric) {
        if (name != n.name) continue;
        auto v = number(value, 0, n.high);
        if (!v) return std::string(n.name) + " takes a number from 0 to " + std::to_string(n.high);
        return OptionSetting{n.control, int(*v), std::string(word)};
    }
    return "unknown option setting " + quoted(word);
}

ParseResult fail(std::string message) {
    return {std::nullopt, std::move(message)};
}

ParseResult parseWords(const std::vector<std::string_view>& w) {
    const std::string_view kind = w[0];
    const std::size_t args = w.size() - 1;
    auto wrongCount = [&](const char* usage) { return fail(std::string("usage: ") + usage); };

    if (kind == "clock") {
        if (args != 1) return wrongCount("clock N");
        auto n = number(w[1], 0, std::numeric_limits<std::uint32_t>::max());
        if (!n) return fail("clock takes a number from 0 to 4294967295");
        return {Clock{std::uint32_t(*n)}, {}};
    }
    if (kind == "answer") {
        if (args != 1) return wrongCount("answer yes|no");
        if (w[1] == "yes") return {Answer{true}, {}};
        if (w[1] == "no") return {Answer{false}, {}};
        return fail("answer must be yes or no");
    }
    if (kind == "scores") {
        if (args != 1) return wrongCount("scores 1|2|3227");
        auto n = number(w[1], 0, 65535);
        if (!n || (*n != 1 && *n != 2 && *n != 3227)) return fail("scores takes 1, 2 or 3227");
        return {ScoresAnswer{int(*n)}, {}};
    }
    if (kind == "position") {
        std::string notation;
        for (std::size_t i = 1; i < w.size(); ++i) (notation += i > 1 ? " " : "") += w[i];
        return {SetPosition{std::move(notation)}, {}};
    }
    if (kind == "describe") {
        if (args != 0) return fail("describe takes no arguments");
        return {Describe{}, {}};
    }
    if (kind == "review") {
        using S = Review::Step;
        if (args != 1) return wrongCount("review N|next|back|end");
        if (w[1] == "next") return {Review{S::Next}, {}};
        if (w[1] == "back") return {Review{S::Back}, {}};
        if (w[1] == "end") return {Review{S::End}, {}};
        auto n = number(w[1], 1, 1 + long(KeptHands));
        if (!n) return fail("review takes next, back, end or a hand from 1 to 6");
        return {Review{S::Hand, int(*n)}, {}};
    }
    if (kind == "start" || kind == "restart" || kind == "dump") {
        if (args != 0) return fail(std::string(kind) + " takes no arguments");
        if (kind == "start") return {Start{}, {}};
        if (kind == "restart") return {Restart{}, {}};
        return {Dump{}, {}};
    }
    if (kind == "tap") {
        if (args != 2) return wrongCount("tap X Y");
        auto x = number(w[1], -32768, 32767);
        auto y = number(w[2], -32768, 32767);
        if (!x || !y) return fail("tap takes two numbers from -32768 to 32767");
        return {Tap{int(*x), int(*y)}, {}};
    }
    if (kind == "command") {
        if (args != 1) return wrongCount("command N");
        auto n = number(w[1], 0, 65535);
        if (!n) return fail("command takes a number from 0 to 65535");
        return {Command{int(*n)}, {}};
    }
    if (kind == "options") {
        Options options;
        for (std::size_t i = 1; i < w.size(); ++i) {
            if (w[i] == "cancel") {
                if (i != w.size() - 1) return fail("cancel may only be the last word of options");
                options.cancel = true;
                continue;
            }
            auto s = setting(w[i]);
            if (auto* message = std::get_if<std::string>(&s)) return fail(*message);
            options.settings.push_back(std::get<OptionSetting>(s));
        }
        return {options, {}};
    }
    if (kind == "render") {
        if (args != 1) return wrongCount("render PATH");
        return {Render{std::string(w[1])}, {}};
    }
    if (kind == "corrupt") {
        if (args != 2) return wrongCount("corrupt file|second OFFSET");
        auto store = storeName(w[1]);
        if (!store) return fail("corrupt names the store file or second");
        auto offset = number(w[2], 0, 247);
        if (!offset) return fail("corrupt takes an offset from 0 to 247");
        return {Corrupt{*store, int(*offset)}, {}};
    }
    if (kind == "remove") {
        if (args != 1) return wrongCount("remove file|second");
        auto store = storeName(w[1]);
        if (!store) return fail("remove names the store file or second");
        return {Remove{*store}, {}};
    }
    if (kind == "put") {
        if (args != 2) return wrongCount("put file|second HEX");
        auto store = storeName(w[1]);
        if (!store) return fail("put names the store file or second");
        auto bytes = hexBytes(w[2]);
        if (!bytes) return fail("put takes an even number of hexadecimal digits");
        return {Put{*store, std::move(*bytes)}, {}};
    }
    return fail("unknown word " + quoted(kind));
}

} // namespace

ParseResult parseLine(std::string_view text) {
    const auto words = splitWords(text);
    if (words.empty() || words[0][0] == '#') return {};
    return parseWords(words);
}

const char* lineWord(const Line& line) {
    static constexpr const char* words[] = {
        "clock", "answer", "scores",  "start",  "restart", "tap",      "command",  "options",
        "dump",  "render", "corrupt", "remove", "put",     "position", "describe", "review"};
    static_assert(std::size(words) == std::variant_size_v<Line>);
    return words[line.index()];
}

bool allowedBeforeStart(const Line& line) {
    return std::holds_alternative<Clock>(line) || std::holds_alternative<Answer>(line) ||
           std::holds_alternative<ScoresAnswer>(line) || std::holds_alternative<Start>(line) ||
           std::holds_alternative<Corrupt>(line) || std::holds_alternative<Remove>(line) ||
           std::holds_alternative<Put>(line);
}

} // namespace tarmigo::replay
