// The saved state with the desktop's stores under faults: a disk that stops taking writes
// and kills at any moment. No copy is ever half-written; the next start restores the last save.
#include "app/save_state.h"
#include "app/store.h"
#include "qt/platform/settings_store.h"
#include "render.h"
#include "support/hex.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <random>
#include <sched.h>
#include <sys/mount.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace tarmigo::testing {
namespace {
namespace fs = std::filesystem;

// A fresh folder for a test, with the data folder the driver plays on inside it.
struct Folder {
    fs::path root = [] {
        std::string pattern = (fs::temp_directory_path() / "tarmigo-faults-XXXXXX").string();
        return fs::path(::mkdtemp(pattern.data()) ? pattern : "");
    }();
    fs::path data = root / "data";
    Folder() {
        fs::create_directory(data);
        std::ofstream(root / "check.script") << "start\ndump\n";
    }
    ~Folder() { fs::remove_all(root); }
};

// What the driver printed for the script (through a pipe, which no file size limit reaches).
std::string run(const Folder& f, const char* script) {
    const std::string command = std::string(TARMIGO_REPLAY_PATH) + " --data-dir " +
                                f.data.string() + " " + (f.root / script).string();
    std::FILE* pipe = ::popen(command.c_str(), "r");
    std::string out = "\n";
    for (char buffer[4096]; pipe && std::fgets(buffer, sizeof buffer, pipe);) out += buffer;
    return pipe && ::pclose(pipe) == 0 ? out : "driver failed";
}

// The rest of the printed line that starts with `word`.
std::string line(const std::string& out, const std::string& word) {
    const std::size_t at = out.find('\n' + word + ' ');
    if (at == std::string::npos) return "";
    const std::size_t from = at + word.size() + 2;
    return out.substr(from, out.find('\n', from) - from);
}

// Plays ten taps, brings on the fault, plays the taps again and starts again: 0 when the
// copies saved before the fault survive it and come back, else the step that failed.
int playThroughFault(const Folder& f, const std::function<bool()>& fault) {
    std::ofstream(f.root / "play.script")
        << "start\ntap 14 232\ntap 37 232\ntap 60 232\ntap 83 232\n"
           "tap 106 232\ntap 129 232\ntap 152 232\ntap 200 230\n"
           "tap 14 232\ntap 37 232\ndump\n";
    const std::string before = run(f, "play.script"), saved = line(before, "record");
    if (saved.size() != 2 * SaveRecordSize || line(before, "stored") != saved + ' ' + saved)
        return 1;
    if (!fault()) return 5;
    const std::string after = run(f, "play.script");
    if (line(after, "record") == saved) return 2;               // the game goes on
    if (line(after, "stored") != saved + ' ' + saved) return 3; // and loses nothing
    return line(run(f, "check.script"), "record") == saved ? 0 : 4;
}

// Exit status of a row's child that may not mount its small disk.
constexpr int NoRightToMount = 77;

struct DiskFault {
    const char* fault;
    const char* name;
    bool smallDisk; // a small file system of its own, in a mount namespace of its own
    std::function<bool(const fs::path&)> bringOn;
};

const DiskFault diskFaults[] = {
    {"files cannot grow", "filescannotgrow", false,
     [](const fs::path&) {
         std::signal(SIGXFSZ, SIG_IGN);
         const rlimit limit{64, 64};
         return ::setrlimit(RLIMIT_FSIZE, &limit) == 0;
     }},
    {"disk full", "diskfull", true,
     [](const fs::path& data) {
         std::ofstream filler(data / "filler", std::ios::binary);
         const std::string block(4096, '\0');
         while (filler.write(block.data(), std::streamsize(block.size())).flush()) {
         }
         return true;
     }},
    {"read-only", "readonly", true,
     [](const fs::path& data) {
         return ::mount(nullptr, data.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0;
     }},
};

// One row a test, so that a row that cannot run here is counted as skipped, not passed.
class DiskFaults : public ::testing::TestWithParam<std::size_t> {};

TEST_P(DiskFaults, ADiskThatFillsUpOrTurnsReadOnlyLeavesTheLastSaveIntact) {
    const DiskFault& row = diskFaults[GetParam()];
    SCOPED_TRACE(row.fault);
    const Folder f;
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        if (row.smallDisk && !(::unshare(CLONE_NEWNS) == 0 &&
                               ::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) == 0 &&
                               ::mount("tmpfs", f.data.c_str(), "tmpfs", 0, "size=64k") == 0))
            ::_exit(NoRightToMount);
        ::_exit(playThroughFault(f, [&] { return row.bringOn(f.data); }));
    }
    int status = 0;
    ASSERT_EQ(::waitpid(pid, &status, 0), pid);
    ASSERT_TRUE(WIFEXITED(status)) << "killed by signal " << WTERMSIG(status);
    const int result = WEXITSTATUS(status);
    if (result == NoRightToMount && row.smallDisk)
        GTEST_SKIP() << row.fault << ": needs the right to mount a small disk (root)";
    EXPECT_EQ(result, 0) << "1 unsaved, 2 stuck, 3 lost, 4 not restored, 5 no fault";
}

INSTANTIATE_TEST_SUITE_P(Rows, DiskFaults, ::testing::Range<std::size_t>(0, std::size(diskFaults)),
                         [](const auto& info) { return std::string(diskFaults[info.param].name); });

// A long random game of taps, commands, answers, Scores and options, the clock moved now and then.
void writeRandomScript(const fs::path& path, std::mt19937& random) {
    std::ofstream out(path);
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    static constexpr int commands[] = {4011, 4012, 4021, 4023, 4040, 4040};
    out << "clock " << random() << "\nstart\n";
    for (int i = 0; i < 40000; ++i) {
        switch (pick(20)) {
        case 0: out << "answer " << (pick(2) ? "yes" : "no"); break;
        case 1: out << "command " << commands[pick(6)]; break;
        case 2: out << "scores " << (pick(2) ? 3227 : 1); break;
        case 3:
            out << "options discard=" << pick(3) << " play=" << pick(2)
                << " difficulty=" << (pick(2) ? "hard" : "easy");
            break;
        case 4:
        case 5: out << "tap " << pick(240) << ' ' << 240 + pick(80); break; // below the hand
        case 6: out << "tap " << pick(240) << ' ' << pick(320); break;
        case 7:
        case 8:
        case 9: out << "tap 200 230"; break; // the draw pile
        default: out << "tap " << 14 + 23 * pick(7) << ' ' << 220 + pick(30);
        }
        out << '\n';
        if (pick(500) == 0) out << "clock " << random() << '\n';
    }
}

// The driver is killed mid-game again and again: each copy is missing or sound, and the
// next start restores the second copy, else the file copy, to both.
TEST(Kill, AStartAfterAKillRestoresASoundSave) {
    const Folder f;
    std::mt19937 random(20240611u);
    constexpr int Rounds = 8;
    int killedDuringPlay = 0, restored = 0;
    for (int round = 0; round < Rounds; ++round) {
        SCOPED_TRACE(round);
        writeRandomScript(f.root / "play.script", random);
        std::fflush(nullptr);
        const pid_t pid = ::fork();
        if (pid == 0) {
            std::freopen("/dev/null", "w", stdout);
            ::execl(TARMIGO_REPLAY_PATH, TARMIGO_REPLAY_PATH, "--data-dir", f.data.c_str(),
                    (f.root / "play.script").c_str(), static_cast<char*>(nullptr));
            ::_exit(127);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + random() % 400));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        killedDuringPlay += WIFSIGNALED(status);
        const auto file = FileStore(f.data / replay::FileCopyName).read();
        const auto second =
            SettingsStore(QString::fromStdString((f.data / replay::SecondCopyName).string()))
                .read();
        EXPECT_TRUE(!file || isSoundRecord(*file));
        EXPECT_TRUE(!second || isSoundRecord(*second));
        if (!file && !second) continue; // killed before the first save
        const std::string expected = hexOf(second ? *second : *file);
        EXPECT_EQ(line(run(f, "check.script"), "stored"), expected + ' ' + expected);
        ++restored;
    }
    EXPECT_GT(killedDuringPlay, Rounds / 2) << "the script ended before the kill too often";
    EXPECT_GT(restored, Rounds / 2) << "the kill came before the first save too often";
}
} // namespace
} // namespace tarmigo::testing
