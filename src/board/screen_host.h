#pragma once
// What the board asks of the window it is shown in: repaints, a surface for the tap
// in progress and the pace of a slide. The rules' own requests are game/host.h.
#include "board/layout.h"

namespace tarmigo {

class DrawingSurface;

class ScreenHost {
  public:
    virtual ~ScreenHost() = default;

    // Marks part of the window for one later full paint.
    virtual void invalidate(const Rect& area, bool erase) = 0;
    // Forgets the repaint requests pending for the window.
    virtual void dropPendingRepaint() = 0;
    // Paints the whole board now (used when the computer opens a hand).
    virtual void paintNow() = 0;
    // A drawing surface for the duration of a tap; null where nothing is shown.
    virtual DrawingSurface* acquireTapSurface() = 0;
    virtual void releaseTapSurface() = 0;
    // Shows one step of a card slide and pauses for delayMs without burning the processor.
    virtual void animationStep(int delayMs) = 0;
    // Throws away the taps made during a slide.
    virtual void dropPendingTaps() = 0;
};

} // namespace tarmigo
