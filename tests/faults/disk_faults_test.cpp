// The real stores on a disk that fills up or turns read-only, and in a data folder
// that cannot be made: the game goes on, and the copies saved before the fault are
// intact and restored at the next start.
//
// Each case runs in a child process, since it limits the size of files, or mounts
// a small file system in a mount namespace of its own (which needs the right to
// mount: without it the case is skipped).
#include "fault_support.h"

#include "app/store.h"
#ifdef TARMIGO_HAVE_QT_STORE
#include "qt/settings_store.h"
#endif

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sched.h>
#include <string>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace tarmigo::faults {
namespace {

namespace fs = std::filesystem;

constexpr int Skipped = 77;

// A fresh empty folder, removed with everything in it at the end of the test.
class TempFolder {
  public:
    TempFolder() {
        std::string pattern = (fs::temp_directory_path() / "tarmigo-faults-XXXXXX").string();
        path_ = ::mkdtemp(pattern.data()) ? fs::path(pattern) : fs::path();
    }
    ~TempFolder() {
        std::error_code ec;
        if (!path_.empty()) fs::remove_all(path_, ec);
    }
    const fs::path& path() const { return path_; }

  private:
    fs::path path_;
};

// Both stores of the desktop program, kept in one folder.
struct Stores {
    explicit Stores(const fs::path& folder) : file(folder / "tarmigt") {
#ifdef TARMIGO_HAVE_QT_STORE
        second = std::make_unique<SettingsStore>(
            QString::fromStdString((folder / "tarmigo-second.ini").string()));
#else
        second = std::make_unique<FileStore>(folder / "tarmigo-second");
#endif
    }
    FileStore file;
    std::unique_ptr<Store> second;
};

// Runs `body` in a child process: 0 passes, Skipped skips, anything else fails.
// The child says why on standard error.
int inChild(const std::function<int()>& body) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) ::_exit(body());
    int status = 0;
    if (pid < 0 || ::waitpid(pid, &status, 0) != pid) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

int failWith(const char* message) {
    std::fprintf(stderr, "%s\n", message);
    return 1;
}

// Plays, brings on the fault, plays on, and checks what the stores hold and what
// the next start restores.
int playThroughFault(const fs::path& folder, const std::function<bool()>& fault) {
    Bytes saved;
    {
        Stores stores(folder);
        PlainHost host;
        Shell shell(host, &stores.file, stores.second.get());
        shell.start(240, 320);
        if (!playOn(shell.game(), 10)) return failWith("the game did not move");
        saved = currentRecord(shell.game());
        if (stores.file.read() != saved || stores.second->read() != saved)
            return failWith("the copies were not saved before the fault");
        if (!fault()) return Skipped;
        if (!playOn(shell.game(), 10, 10)) return failWith("the game did not go on");
        if (currentRecord(shell.game()) == saved) return failWith("the game did not go on");
        if (stores.file.read() != saved) return failWith("the file copy was lost");
        if (stores.second->read() != saved) return failWith("the second copy was lost");
    }
    Stores stores(folder);
    PlainHost host;
    Shell next(host, &stores.file, stores.second.get());
    next.start(240, 320);
    if (currentRecord(next.game()) != saved) return failWith("the next start lost the save");
    return 0;
}

void expectPassedOrSkip(int result, const char* why) {
    if (result == Skipped) GTEST_SKIP() << why;
    EXPECT_EQ(result, 0);
}

TEST(DiskFaults, FilesThatCannotGrowLeaveTheLastSaveIntact) {
    TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const int result = inChild([&] {
        // Every file stops at 64 bytes from now on, as on a disk that is full.
        std::signal(SIGXFSZ, SIG_IGN);
        return playThroughFault(folder.path(), [] {
            const rlimit limit{64, 64};
            return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
        });
    });
    expectPassedOrSkip(result, "the size of files cannot be limited here");
}

// Mounts a small tmpfs on `folder` in a mount namespace of this process alone.
bool mountSmallDisk(const fs::path& folder) {
    if (::unshare(CLONE_NEWNS) != 0) return false;
    if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return false;
    return ::mount("tmpfs", folder.c_str(), "tmpfs", 0, "size=64k") == 0;
}

TEST(DiskFaults, FullDiskLeavesTheLastSaveIntact) {
    TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const int result = inChild([&] {
        if (!mountSmallDisk(folder.path())) return Skipped;
        return playThroughFault(folder.path(), [&] {
            // Fill what is left of the disk.
            std::FILE* filler = std::fopen((folder.path() / "filler").c_str(), "wb");
            if (!filler) return false;
            static const char block[4096] = {};
            while (std::fwrite(block, 1, sizeof block, filler) == sizeof block &&
                   std::fflush(filler) == 0) {
            }
            std::fclose(filler);
            return true;
        });
    });
    expectPassedOrSkip(result, "no right to mount a small file system here");
}

TEST(DiskFaults, ReadOnlyDataFolderLeavesTheLastSaveIntact) {
    TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    const int result = inChild([&] {
        if (!mountSmallDisk(folder.path())) return Skipped;
        return playThroughFault(folder.path(), [&] {
            return ::mount(nullptr, folder.path().c_str(), nullptr, MS_REMOUNT | MS_RDONLY,
                           nullptr) == 0;
        });
    });
    expectPassedOrSkip(result, "no right to mount a small file system here");
}

TEST(DiskFaults, DataFolderThatCannotBeMadeStillPlays) {
    TempFolder folder;
    ASSERT_FALSE(folder.path().empty());
    // The folder's place is taken by a plain file.
    const fs::path blocked = folder.path() / "data";
    std::ofstream(blocked) << "not a folder";
    Stores stores(blocked);
    PlainHost host;
    Shell shell(host, &stores.file, stores.second.get());
    shell.start(240, 320);
    EXPECT_TRUE(playOn(shell.game(), 10));
    EXPECT_FALSE(stores.file.read().has_value());
    std::ifstream in(blocked);
    std::string text;
    std::getline(in, text);
    EXPECT_EQ(text, "not a folder");
}

} // namespace
} // namespace tarmigo::faults
