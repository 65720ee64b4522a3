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

// A fresh folder of its own for each test.
class FileStoreTest : public ::testing::Test {
  protected:
    fs::path dir;

    void SetUp() override {
        const auto* info = ::testing::UnitTest::GetInstance()->current_test_info();
        dir = fs::temp_directory_path() /
              (std::string("tarmigo-store-") + info->name() + "-" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override {
        std::error_code ec;
        fs::permissions(dir, fs::perms::owner_all, fs::perm_options::add, ec);
        fs::remove_all(dir, ec);
    }

    static Bytes record(std::uint8_t fill) { return Bytes(248, fill); }
    static void writeRaw(const fs::path& p, const Bytes& b) {
        std::ofstream out(p, std::ios::binary);
        out.write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
    }
    std::vector<fs::path> files() const {
        std::vector<fs::path> out;
        for (const auto& e : fs::directory_iterator(dir)) out.push_back(e.path().filename());
        return out;
    }
};

} // namespace

TEST_F(FileStoreTest, AWriteReplacesTheCopyWholeAndLeavesNoTemporaryFile) {
    FileStore store(dir / "a" / "tarmigt");
    EXPECT_FALSE(store.read().has_value()); // missing, folder and all
    Bytes b = record(0);
    for (std::size_t i = 0; i < b.size(); ++i) b[i] = std::uint8_t(i * 7);
    ASSERT_TRUE(store.write(b)); // the folder is made
    EXPECT_EQ(store.read(), b);
    writeRaw(dir / "a" / "tarmigt", Bytes(600, 0xAB));
    EXPECT_EQ(store.read()->size(), 600u); // read as it is, whatever its length
    ASSERT_TRUE(store.write(record(5)));
    EXPECT_EQ(store.read(), record(5));
    for (const auto& e : fs::directory_iterator(dir / "a"))
        EXPECT_EQ(e.path().filename(), "tarmigt");
    EXPECT_TRUE(store.remove());
    EXPECT_FALSE(store.read().has_value());
    EXPECT_FALSE(store.remove());
}

TEST_F(FileStoreTest, AFolderThatCannotBeMadeFailsTheWriteQuietly) {
    writeRaw(dir / "plainfile", record(0)); // a file where a folder should be
    FileStore store(dir / "plainfile" / "tarmigt");
    EXPECT_FALSE(store.write(record(1)));
    EXPECT_FALSE(store.read().has_value());
}

TEST_F(FileStoreTest, AReadOnlyFolderFailsTheWriteAndKeepsTheOldCopy) {
    if (::geteuid() == 0) {
        // Folder permissions do not bind the superuser, but /proc takes no new files.
        if (!fs::is_directory("/proc/self")) GTEST_SKIP() << "no read-only folder to try";
        FileStore store("/proc/tarmigt");
        EXPECT_FALSE(store.write(record(1)));
        EXPECT_FALSE(fs::exists("/proc/tarmigt.new"));
        EXPECT_FALSE(store.read().has_value());
        return;
    }
    FileStore store(dir / "tarmigt");
    ASSERT_TRUE(store.write(record(1)));
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    const bool written = store.write(record(2));
    fs::permissions(dir, fs::perms::owner_all);
    EXPECT_FALSE(written);
    EXPECT_EQ(store.read(), record(1));
    EXPECT_EQ(files(), std::vector<fs::path>{"tarmigt"});
}

TEST_F(FileStoreTest, AFolderInTheWayOfTheFileFailsTheWrite) {
    fs::create_directories(dir / "tarmigt" / "inside");
    FileStore store(dir / "tarmigt");
    EXPECT_FALSE(store.write(record(1)));
    EXPECT_TRUE(fs::is_directory(dir / "tarmigt"));
    EXPECT_EQ(files(), std::vector<fs::path>{"tarmigt"});
}

TEST(FileCopyName, TheLastLetterOfTheProgramsNameBecomesTUnlessItIsOne) {
    EXPECT_EQ(fileCopyName("tarmigo"), "tarmigt");
    EXPECT_EQ(fileCopyName("Tarmigo.exe"), "Tarmigo.ext");
    EXPECT_EQ(fileCopyName("/usr/games/tarmigo"), "/usr/games/tarmigt");
    // A name ending in T would be the program itself: no file copy.
    EXPECT_FALSE(fileCopyName("tarmigt").has_value());
    EXPECT_FALSE(fileCopyName("TARMIGT").has_value());
    EXPECT_FALSE(fileCopyName("").has_value());
}
