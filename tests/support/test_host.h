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
    std::vector<int> questions;
    std::vector<int> posted;
    std::vector<Sentence> said;
    bool undoEnabled = false;
    std::vector<Rect> invalidated;
    int paintsNow = 0;
    DrawingSurface* tapSurface = nullptr;
    // Operates the Options dialog while it is open (left alone it is closed as if cancelled).
    std::function<void(OptionsDialog&)> optionsDialog;
    std::uint32_t tickCount() override { return ticks; }
    void playSound(Sound) override {}
    void enableUndoButton(bool on) override { undoEnabled = on; }
    void say(const Sentence& s) override { said.push_back(s); }
    void askYesNo(int id, std::function<void(bool)> answered) override {
        questions.push_back(id);
        answered(next(yesNoAnswers, false));
    }
    void openScoresDialog(const ScoresContent&, std::function<void(int)> closed) override {
        closed(next(scoresAnswers, 1));
    }
    void postCommand(int id) override { posted.push_back(id); }
    void invalidate(const Rect& r) override { invalidated.push_back(r); }
    void dropPendingRepaint() override {}
    void paintNow() override { ++paintsNow; }
    DrawingSurface* acquireTapSurface() override { return tapSurface; }
    void releaseTapSurface() override {}
    void openOptionsDialog(OptionsDialog& dialog, std::function<void()> closed) override {
        if (optionsDialog) optionsDialog(dialog);
        closed();
    }
    void openAboutDialog() override {}
    void postHelpRequest() override {}

  private:
    template <class T> static T next(std::deque<T>& answers, T none) {
        if (answers.empty()) return none;
        const T a = answers.front();
        answers.pop_front();
        return a;
    }
};
} // namespace tarmigo::testing
