// The string table: one text for each id, and a text for every id the program shows.
#include "game/strings.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <regex>
#include <set>
#include <string>
#include <vector>

using namespace tarmigo;

namespace {

namespace fs = std::filesystem;

std::string contents(const fs::path& path) {
    std::ifstream in(path);
    return {std::istreambuf_iterator<char>(in), {}};
}

// The ids declared in game/strings.h as "constexpr int NAME = NUMBER", by name.
std::map<std::string, int> declaredIds() {
    const std::string header = contents(fs::path(TARMIGO_SOURCE_DIR) / "src/game/strings.h");
    const std::size_t from = header.find("namespace text {");
    const std::string block = header.substr(from, header.find("} // namespace text", from) - from);
    const std::regex declared(R"(constexpr int (\w+) = (\d+))");
    std::map<std::string, int> ids;
    for (std::sregex_iterator m(block.begin(), block.end(), declared), end; m != end; ++m)
        ids[(*m)[1].str()] = std::stoi((*m)[2].str());
    return ids;
}

// Every name after "text::", not as part of a longer name, in the program's sources, the
// front end's included.
std::set<std::string> usedNames() {
    const std::regex used(R"((?:^|[^\w])text::(\w+))");
    std::set<std::string> names;
    for (const auto& entry :
         fs::recursive_directory_iterator(fs::path(TARMIGO_SOURCE_DIR) / "src")) {
        const std::string ext = entry.path().extension().string();
        if (ext != ".cpp" && ext != ".h") continue;
        const std::string code = contents(entry.path());
        for (std::sregex_iterator m(code.begin(), code.end(), used), end; m != end; ++m)
            names.insert((*m)[1].str());
    }
    return names;
}

} // namespace

TEST(Strings, EveryIdTheProgramShowsHasOneText) {
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
    for (const std::string& name : usedNames())
        EXPECT_TRUE(declared.contains(name)) << "text::" << name << " was not found in strings.h";
}
