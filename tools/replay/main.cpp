// tarmigo-replay: runs a script of taps, menu commands and dialog answers through
// the game without a window and prints what happened.
#include "driver.h"
#include "game/version.h"
#include "qt/platform/settings_store.h"
#include "render.h"
#include "script.h"

#include <QTemporaryDir>

#include <charconv>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* Usage =
    "usage: tarmigo-replay [--data-dir DIR] [--zoom Z] [SCRIPT]\n       tarmigo-replay --version";

int usageError(const std::string& message) {
    std::cerr << "tarmigo-replay: " << message << '\n' << Usage << '\n';
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    std::optional<std::string> dataDir;
    std::optional<std::string> scriptPath;
    int zoom = 1;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--help" || arg == "-h") {
            std::cout << Usage << '\n';
            return 0;
        }
        if (arg == "--version") {
            std::cout << "tarmigo-replay " << tarmigo::ProgramVersion << '\n';
            return 0;
        }
        if (arg == "--data-dir" || arg == "--zoom") {
            if (i + 1 >= argc) return usageError(arg + " needs a value");
            const std::string value = argv[++i];
            if (arg == "--data-dir") {
                if (value.empty()) return usageError("--data-dir needs a folder");
                dataDir = value;
            } else {
                auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), zoom);
                if (ec != std::errc() || end != value.data() + value.size() || zoom < 1 || zoom > 8)
                    return usageError("--zoom takes a whole number from 1 to 8");
            }
        } else if (!arg.empty() && arg[0] == '-' && arg != "-") {
            return usageError("unknown option " + arg);
        } else if (scriptPath) {
            return usageError("only one script may be given");
        } else {
            scriptPath = arg;
        }
    }

    std::ifstream file;
    if (scriptPath && *scriptPath != "-") {
        file.open(*scriptPath);
        if (!file) return usageError("cannot read " + *scriptPath);
    }
    std::istream& in = file.is_open() ? static_cast<std::istream&>(file) : std::cin;

    QTemporaryDir temporary;
    std::filesystem::path folder;
    if (dataDir) {
        folder = *dataDir;
        std::error_code ec;
        std::filesystem::create_directories(folder, ec);
        if (!std::filesystem::is_directory(folder))
            return usageError("cannot use folder " + *dataDir);
    } else {
        if (!temporary.isValid()) return usageError("cannot make a temporary folder");
        folder = temporary.path().toStdString();
    }

    tarmigo::FileStore fileStore(folder / tarmigo::replay::FileCopyName);
    tarmigo::SettingsStore secondStore(
        QString::fromStdString((folder / tarmigo::replay::SecondCopyName).string()));
    tarmigo::replay::Renderer renderer;
    auto render = [&renderer](const tarmigo::RecordingSurface& paint, int z,
                              const std::string& path) {
        return renderer.renderPng(paint, z, path);
    };
    tarmigo::FileStore preferences(folder / tarmigo::replay::PreferencesName);
    tarmigo::replay::Driver driver(fileStore, secondStore, std::cout, render, zoom, &preferences);

    std::string text;
    for (long lineNumber = 1; std::getline(in, text); ++lineNumber) {
        auto parsed = tarmigo::replay::parseLine(text);
        std::string error = parsed.error;
        if (error.empty() && parsed.line) error = driver.run(*parsed.line);
        if (!error.empty()) {
            std::cout.flush();
            std::cerr << "error " << lineNumber << ": " << error << '\n';
            return 2;
        }
    }
    std::cout.flush();
    return 0;
}
