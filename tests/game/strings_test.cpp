// The string table: one text for each id, and a text for every id declared.
#include "game/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

using namespace tarmigo;

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

bool wordChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || c == '_';
}

// The word of name characters that starts at `at` in text.
std::string wordAt(const std::string& text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && wordChar(text[end])) ++end;
    return text.substr(at, end - at);
}

// The ids declared in game/strings.h as "constexpr int NAME = NUMBER;", by name.
std::map<std::string, int> declaredIds() {
    const std::string header = contents(fs::path(TARMIGO_SOURCE_DIR) / "src/game/strings.h");
    const std::size_t from = header.find("namespace text {");
    const std::size_t to = header.find("} // namespace text", from);
    const std::string block = header.substr(from, to - from);
    std::map<std::string, int> ids;
    const std::string intro = "constexpr int ";
    for (std::size_t at = block.find(intro); at != std::string::npos;
         at = block.find(intro, at + 1)) {
        const std::string name = wordAt(block, at + intro.size());
        const std::size_t value = block.find("= ", at) + 2;
        ids[name] = std::stoi(wordAt(block, value));
    }
    return ids;
}

} // namespace

TEST(Strings, EveryDeclaredIdHasOneText) {
    std::vector<int> ids;
    for (const auto& [id, text] : stringTable()) {
        ids.push_back(id);
        EXPECT_TRUE(text && *text) << id;
    }
    std::sort(ids.begin(), ids.end());
    const auto twice = std::adjacent_find(ids.begin(), ids.end());
    EXPECT_EQ(twice, ids.end()) << "id " << *twice << " has two texts";

    const std::map<std::string, int> declared = declaredIds();
    ASSERT_GT(declared.size(), 20u) << "the text namespace of game/strings.h was not read";
    std::map<int, std::string> byId;
    for (const auto& [name, id] : declared) {
        EXPECT_NE(stringText(id), nullptr) << "text::" << name << " (" << id << ") has no text";
        const auto [other, fresh] = byId.emplace(id, name);
        EXPECT_TRUE(fresh) << "text::" << name << " and text::" << other->second << " share id "
                           << id;
    }
}
