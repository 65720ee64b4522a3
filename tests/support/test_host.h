#pragma once
// A host for the tests: records every request and answers from queues.
#include "app/shell_host.h"
#include "game/host.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace tarmigo::testing {

class TestHost : public ShellHost {
  public:
    std::uint32_t ticks = 0;
    std::deque<bool> yesNoAnswers; // empty: No
    std::deque<int> scoresAnswers; // empty: Done (1)
    std::vector<std::string> sounds;
    std::vector<int> questions;
    std::vector<int> posted;
    int scoresDialogs = 0;
    bool undoEnabled = false;
    std::vector<Rect> invalidated;
    int paintsNow = 0;
    int droppedTaps = 0;
    int animationSteps = 0;
    int lastStepDelay = 0; // the pause of the last slide step, in ms
    DrawingSurface* tapSurface = nullptr;

    // The shell's dialogs. The Options dialog is operated by optionsDialog while it is
    // open (left alone it is closed as if cancelled); onScoresDialog runs as the Scores
    // dialog opens, before it answers.
    int optionsDialogs = 0;
    int aboutDialogs = 0;
    int helpRequests = 0;
    std::function<void(OptionsDialog&)> optionsDialog;
    std::function<void()> onScoresDialog;

    std::uint32_t tickCount() override { return ticks; }
    void playSound(std::string_view name) override { sounds.emplace_back(name); }
    bool askYesNo(int id) override {
        questions.push_back(id);
        if (yesNoAnswers.empty()) return false;
        bool a = yesNoAnswers.front();
        yesNoAnswers.pop_front();
        return a;
    }
    int runScoresDialog() override {
        ++scoresDialogs;
        if (onScoresDialog) onScoresDialog();
        if (scoresAnswers.empty()) return 1;
        int a = scoresAnswers.front();
        scoresAnswers.pop_front();
        return a;
    }
    void postCommand(int id) override { posted.push_back(id); }
    void enableUndoButton(bool on) override { undoEnabled = on; }
    void invalidate(const Rect& r, bool) override { invalidated.push_back(r); }
    void dropPendingRepaint() override {}
    void paintNow() override { ++paintsNow; }
    DrawingSurface* acquireTapSurface() override { return tapSurface; }
    void releaseTapSurface() override {}
    void animationStep(int ms) override {
        ++animationSteps;
        lastStepDelay = ms;
    }
    void dropPendingTaps() override { ++droppedTaps; }

    void runOptionsDialog(OptionsDialog& dialog) override {
        ++optionsDialogs;
        if (optionsDialog) optionsDialog(dialog);
    }
    void runAboutDialog() override { ++aboutDialogs; }
    void postHelpRequest() override { ++helpRequests; }
};

} // namespace tarmigo::testing
