// The file copy of the saved state: replaced whole, never left half-written.
#include "app/store.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

using namespace tarmigo;
namespace fs = std::filesystem;

namespace {
using Bytes = std::vector<std::uint8_t>;

// A fresh folder of its own for each test; what it holds in the end.
class FileStoreTest : public ::testing::Test {
  protected:
    const fs::path dir = fs::temp_directory_path() /
                         ("tarmigo-store-" + std::to_string(::getpid()) + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name());
    void SetUp() override { fs::create_directories(dir); }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }
    std::vector<fs::path> files(const fs::path& folder) const {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(folder)) out.push_back(e.path().filename());
        return out;
    }
};
} // namespace

TEST_F(FileStoreTest, AWriteReplacesTheCopyWholeAndLeavesNoTemporaryFile) {
    FileStore store(dir / "a" / "tarmigt");
    EXPECT_FALSE(store.read().has_value()); // missing, folder and all
    Bytes b(248);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = std::uint8_t(i * 7);
    ASSERT_TRUE(store.write(b)); // the folder is made
    EXPECT_EQ(store.read(), b);
    std::ofstream(dir / "a" / "tarmigt") << std::string(600, 'x');
    EXPECT_EQ(store.read()->size(), 600u); // read as it is, whatever its length
    ASSERT_TRUE(store.write(Bytes(248, 5)));
    EXPECT_EQ(store.read(), Bytes(248, 5));
    EXPECT_EQ(files(dir / "a"), std::vector<fs::path>{"tarmigt"});
    EXPECT_TRUE(store.remove());
    EXPECT_FALSE(store.read().has_value());
    EXPECT_FALSE(store.remove());
}

// A file for its folder, a folder for the file, a folder taking no new files: the write
// fails quietly and what was there stays.
TEST_F(FileStoreTest, AWriteThatCannotBeMadeFailsAndKeepsWhatWasThere) {
    std::ofstream(dir / "plainfile") << "x";
    EXPECT_FALSE(FileStore(dir / "plainfile" / "tarmigt").write(Bytes(248, 1)));
    fs::create_directories(dir / "tarmigt" / "inside");
    EXPECT_FALSE(FileStore(dir / "tarmigt").write(Bytes(248, 1)));
    EXPECT_TRUE(fs::is_directory(dir / "tarmigt"));
    EXPECT_EQ(files(dir).size(), 2u) << "a temporary file left behind";
    // Folder permissions do not bind the superuser, but /proc takes no new files.
    const bool root = ::geteuid() == 0;
    const fs::path folder = root ? fs::path("/proc") : dir / "readonly";
    FileStore store(folder / "tarmigt");
    if (!root) {
        fs::create_directories(folder);
        ASSERT_TRUE(store.write(Bytes(248, 1)));
        fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec);
    }
    const bool written = store.write(Bytes(248, 2));
    if (!root) fs::permissions(folder, fs::perms::owner_all);
    EXPECT_FALSE(written);
    EXPECT_EQ(store.read(), root ? std::nullopt : std::optional(Bytes(248, 1)));
    EXPECT_FALSE(fs::exists(folder / "tarmigt.new"));
}

TEST(FileCopyName, TheLastLetterOfTheProgramsNameBecomesTUnlessItIsOne) {
    const std::pair<const char*, std::optional<std::string>> rows[] = {
        {"tarmigo", "tarmigt"},
        {"Tarmigo.exe", "Tarmigo.ext"},
        {"/usr/games/tarmigo", "/usr/games/tarmigt"},
        {"tarmigt", std::nullopt}, // it would be the program itself: no file copy
        {"TARMIGT", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [program, copy] : rows) EXPECT_EQ(fileCopyName(program), copy) << program;
}
