#pragma once
// A host that does nothing: the paint never asks the platform for anything.
#include "app/commands.h"
#include "board/screen_host.h"
#include "game/host.h"

namespace tarmigo::bench {

class QuietHost : public Host, public ScreenHost {
  public:
    std::uint32_t tickCount() override { return 0; }
    void playSound(std::string_view) override {}
    bool askYesNo(int) override { return false; }
    int runScoresDialog() override { return dialog::Done; }
    void postCommand(int) override {}
    void enableUndoButton(bool) override {}
    void invalidate(const Rect&, bool) override {}
    void dropPendingRepaint() override {}
    void paintNow() override {}
    DrawingSurface* acquireTapSurface() override { return nullptr; }
    void releaseTapSurface() override {}
    void animationStep(int) override {}
    void dropPendingTaps() override {}
};

} // namespace tarmigo::bench
