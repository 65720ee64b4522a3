// The program killed at any moment of play: tarmigo-replay plays a long script of
// random taps on a data folder and is killed with SIGKILL after a random delay,
// again and again. After every kill each stored copy is missing or sound, never
// half-written, and the next start restores the second copy, or the file copy
// when the second is missing: the last state saved, or the one before.
#include "app/save_state.h"
#include "app/store.h"
#include "qt/settings_store.h"
#include "render.h"

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace tarmigo::faults {
namespace {

namespace fs = std::filesystem;
using Bytes = std::vector<std::uint8_t>;

constexpr int Rounds = 8;

std::string hex(const Bytes& bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string s;
    for (std::uint8_t b : bytes) {
        s += digits[b >> 4];
        s += digits[b & 0xF];
    }
    return s;
}

// A long game of random taps, commands, answers and option changes.
void writeRandomScript(const fs::path& path, std::mt19937& random) {
    std::ofstream out(path);
    out << "clock " << random() << "\nstart\n";
    auto pick = [&](int n) { return int(random() % unsigned(n)); };
    for (int i = 0; i < 40000; ++i) {
        const int r = pick(100);
        if (r < 55)
            out << "tap " << 14 + 23 * pick(7) << ' ' << 220 + pick(30) << '\n';
        else if (r < 70)
            out << "tap 200 230\n";
        else if (r < 80)
            out << "tap " << pick(240) << ' ' << 240 + pick(80) << '\n';
        else if (r < 85)
            out << "tap " << pick(240) << ' ' << pick(320) << '\n';
        else if (r < 90)
            out << "answer " << (pick(2) ? "yes" : "no") << '\n';
        else if (r < 93)
            out << "scores " << (pick(2) ? 3227 : 1) << '\n';
        else if (r < 98) {
            static const int commands[] = {4011, 4012, 4021, 4023, 4040, 4040};
            out << "command " << commands[pick(6)] << '\n';
        } else {
            out << "options discard=" << pick(3) << " play=" << pick(2)
                << " difficulty=" << (pick(2) ? "hard" : "easy") << '\n';
        }
        if (pick(500) == 0) out << "clock " << random() << '\n';
    }
}

// Starts the driver on `folder` with the script, its output thrown away.
pid_t startDriver(const fs::path& folder, const fs::path& script) {
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        const int null = ::open("/dev/null", O_WRONLY);
        ::dup2(null, 1);
        ::execl(TARMIGO_REPLAY_PATH, TARMIGO_REPLAY_PATH, "--data-dir", folder.c_str(),
                script.c_str(), static_cast<char*>(nullptr));
        ::_exit(127);
    }
    return pid;
}

// Runs the driver to its end on a short script and returns what it printed.
std::string runDriver(const fs::path& folder, const std::string& script) {
    const fs::path in = folder.parent_path() / "check.script";
    const fs::path out = folder.parent_path() / "check.out";
    std::ofstream(in) << script;
    const std::string command = std::string(TARMIGO_REPLAY_PATH) + " --data-dir '" +
                                folder.string() + "' '" + in.string() + "' > '" + out.string() +
                                "'";
    if (std::system(command.c_str()) != 0) return "driver failed";
    std::ifstream result(out);
    std::stringstream text;
    text << result.rdbuf();
    return text.str();
}

std::string lineStarting(const std::string& text, const std::string& word) {
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        if (line.rfind(word + ' ', 0) == 0) return line.substr(word.size() + 1);
    return {};
}

TEST(Kill, AStartAfterAKillRestoresASoundSave) {
    char pattern[] = "/tmp/tarmigo-kill-XXXXXX";
    ASSERT_NE(::mkdtemp(pattern), nullptr);
    const fs::path root = pattern;
    const fs::path folder = root / "data";
    std::mt19937 random(20240611u);
    int killedDuringPlay = 0;
    int restored = 0;

    for (int round = 0; round < Rounds; ++round) {
        const fs::path script = root / "play.script";
        writeRandomScript(script, random);
        const pid_t pid = startDriver(folder, script);
        ASSERT_GT(pid, 0);
        std::this_thread::sleep_for(std::chrono::milliseconds(30 + random() % 400));
        ::kill(pid, SIGKILL);
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        if (WIFSIGNALED(status)) ++killedDuringPlay;

        // Each copy is missing or sound.
        FileStore file(folder / replay::FileCopyName);
        SettingsStore second(QString::fromStdString((folder / replay::SecondCopyName).string()));
        const auto fileCopy = file.read();
        const auto secondCopy = second.read();
        if (fileCopy) {
            EXPECT_TRUE(isSoundRecord(*fileCopy)) << "round " << round;
        }
        if (secondCopy) {
            EXPECT_TRUE(isSoundRecord(*secondCopy)) << "round " << round;
        }
        if (!fileCopy && !secondCopy) continue; // killed before the first save

        // The next start restores the second copy, else the file copy, and writes it to both.
        const std::string printed = runDriver(folder, "start\ndump\n");
        const std::string expected = hex(secondCopy ? *secondCopy : *fileCopy);
        EXPECT_EQ(lineStarting(printed, "record"), expected) << "round " << round;
        EXPECT_EQ(lineStarting(printed, "stored"), expected + ' ' + expected) << "round " << round;
        ++restored;
    }
    EXPECT_GT(killedDuringPlay, Rounds / 2) << "the script ended before the kill too often";
    EXPECT_GT(restored, Rounds / 2) << "the kill came before the first save too often";
    std::error_code ec;
    fs::remove_all(root, ec);
}

} // namespace
} // namespace tarmigo::faults
