#pragma once
// Runs a replay script through the same shell, rules and stores as the desktop program.
#include "app/options_dialog.h"
#include "app/shell.h"
#include "app/shell_host.h"
#include "app/store.h"
#include "board/recording_surface.h"
#include "script.h"

#include <deque>
#include <functional>
#include <iosfwd>
#include <memory>
#include <string>

namespace tarmigo::replay {

// Writes a recorded paint as a PNG at a zoom; false when it could not be written.
using RenderFunction =
    std::function<bool(const RecordingSurface& paint, int zoom, const std::string& path)>;

class Driver : public ShellHost {
  public:
    // preferences keeps the Expert choice, the driver's own setting beside the record.
    Driver(Store& fileStore, Store& secondStore, std::ostream& out, RenderFunction render = {},
           int zoom = 1, Store* preferences = nullptr);
    ~Driver() override;

    // Runs one line of the script; an empty string when it ran, else the error message.
    std::string run(const Line& line);
    // The game, once the program has started.
    const Game* game() const;

    // Host
    std::uint32_t tickCount() override { return ticks_; }
    // ScreenHost: no surface, so a tap queues no pictures.
    void invalidate(const Rect&) override { repaintPending_ = true; }
    void dropPendingRepaint() override { repaintPending_ = false; }
    void paintNow() override { paint(); }
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}
    // ShellHost: every dialog answers at once, from the script's queued answers.
    void playSound(Sound sound) override;
    void enableUndoButton(bool enabled) override { undoEnabled_ = enabled; }
    void enableRedoButton(bool enabled) override { redoEnabled_ = enabled; }
    void askYesNo(int stringId, std::function<void(bool)> answered) override;
    void openScoresDialog(const ScoresContent& content, std::function<void(int)> closed) override;
    void openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) override;
    void openAboutDialog() override { repaintPending_ = true; }
    void postCommand(int commandId) override;
    void postHelpRequest() override;
    bool expertKept() override;
    void keepExpert(bool expert) override;
    // Said aloud: printed while a hand is watched again.
    void say(const Sentence& sentence) override;

  private:
    // The hand's moves, kept for the run of one program only: a restart finds none, so
    // it resumes from the saved record alone, as the driver always has.
    class RunHistory : public Store {
      public:
        std::optional<std::vector<std::uint8_t>> read() override { return bytes_; }
        bool write(std::span<const std::uint8_t> bytes) override {
            bytes_.emplace(bytes.begin(), bytes.end());
            return true;
        }
        bool remove() override {
            bytes_.reset();
            return true;
        }

      private:
        std::optional<std::vector<std::uint8_t>> bytes_;
    };

    static constexpr int HelpRequest = -1;

    void startProgram();
    void paint();
    void finishLine();
    void dump();
    // A `position` line: an empty string, or why the notation cannot be set.
    std::string restorePosition(const std::string& text);
    // A `describe` line.
    void describePosition();
    // A `review` line, and the step it shows once its presentation is over.
    void review(const Review& line);
    void reviewShown();
    Store& store(StoreName name) { return name == StoreName::File ? fileStore_ : secondStore_; }

    Store& fileStore_;
    Store& secondStore_;
    std::ostream& out_;
    RenderFunction render_;
    int zoom_;
    Store* preferences_;

    std::unique_ptr<Shell> shell_;
    std::uint32_t ticks_ = 0;
    std::deque<bool> answers_;
    std::deque<int> scoresAnswers_;
    std::deque<int> posted_;
    bool undoEnabled_ = false;
    bool redoEnabled_ = false;
    bool repaintPending_ = false;
    const Options* options_ = nullptr; // the settings of an `options` line being run
    RecordingSurface lastPaint_;
    RunHistory history_;
    bool reviewing_ = false; // a review line is being run: its sentences are printed
};

} // namespace tarmigo::replay
